#pragma once
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// A part tells its views that something changed: each view connects a callback and is told
// of every change, with what changed, until its connection goes away. No view knows another.
template <class Change> class Observable {
public:
    using Callback = std::function<void(const Change&)>;

    // Disconnects when it goes away, so a window that dies first is never called.
    class Connection {
    public:
        Connection() = default;
        Connection(Connection&&) noexcept = default;
        Connection& operator=(Connection&&) noexcept = default;
        ~Connection() { reset(); }
        void reset() {
            if (auto list = list_.lock()) list->erase(std::remove(list->begin(), list->end(), id_), list->end());
            list_.reset();
        }

    private:
        friend class Observable;
        Connection(std::weak_ptr<std::vector<int>> list, int id) : list_(std::move(list)), id_(id) {}
        std::weak_ptr<std::vector<int>> list_;
        int id_ = 0;
    };

    [[nodiscard]] Connection connect(Callback callback) {
        const int id = ++last_;
        callbacks_.push_back({id, std::move(callback)});
        live_->push_back(id);
        return Connection(live_, id);
    }

    // Tells every view still connected, in the order they connected. A view may connect or
    // disconnect while it is told.
    void notify(const Change& change) {
        const auto isLive = [this](int id) { return std::find(live_->begin(), live_->end(), id) != live_->end(); };
        callbacks_.erase(std::remove_if(callbacks_.begin(), callbacks_.end(),
                                        [&](const auto& entry) { return !isLive(entry.first); }),
                         callbacks_.end());
        const auto entries = callbacks_;
        for (const auto& [id, callback] : entries)
            if (isLive(id)) callback(change);
    }

private:
    std::vector<std::pair<int, Callback>> callbacks_;
    std::shared_ptr<std::vector<int>> live_ = std::make_shared<std::vector<int>>();
    int last_ = 0;
};
