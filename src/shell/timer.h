#pragma once
#include <QObject>
#include <QTimer>

#include <functional>

// A timer control: while Enabled with an Interval above 0 it calls its window's tick handler
// (Timer1_Timer, Timer2_Timer) every Interval milliseconds, while its window is shown. The
// window owns its timers, stops them when it hides, and End stops them all. Tests and
// benchmarks call Tick() instead of waiting for the clock.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* owner, std::function<void()> tick);

    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);
    // The clock is running: Enabled with a positive Interval.
    bool running() const { return clock_.isActive(); }

    // One tick as the clock gives it: the handler runs only while the timer is running.
    void Tick();
    // Starts the clock again if the timer is enabled: a timer enabled while its window was
    // hidden waits for the window to show.
    void resume() { restart(); }

private:
    void restart();
    std::function<void()> tick_;
    QTimer clock_;
    int interval_ = 0;
    bool enabled_ = true;
    bool inTick_ = false;
};
