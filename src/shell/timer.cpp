#include "shell/timer.h"

#include <QWidget>

#include <algorithm>

Timer::Timer(QObject* owner, std::function<void()> tick) : QObject(owner), tick_(std::move(tick)) {
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, [this] { Tick(); });
}

void Timer::setInterval(int ms) {
    interval_ = std::clamp(ms, 0, 65535);
    restart();
}

void Timer::setEnabled(bool on) {
    enabled_ = on;
    restart();
}

void Timer::restart() {
    const auto* window = qobject_cast<const QWidget*>(parent());
    if (enabled_ && interval_ > 0 && (!window || window->isVisible()))
        clock_.start(interval_);
    else
        clock_.stop();
}

void Timer::Tick() {
    // A handler slower than the interval must not be entered again from within itself (a
    // message box inside a tick runs the event loop).
    if (!running() || inTick_ || !tick_) return;
    inTick_ = true;
    tick_();
    inTick_ = false;
}
