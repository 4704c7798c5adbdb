#pragma once

#include <QTimer>

#include <cstdint>
#include <functional>

// A timer of the class library: an interval in milliseconds, an enabled switch and a handler.
// It runs only while it is enabled and its interval is above 0, so an interval of 0 never
// fires. Setting the interval or the enabled state starts the count anew.
class TTimer {
public:
    TTimer(std::int32_t interval, bool enabled);
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    std::int32_t Interval() const { return IntervalMs; }
    // A negative interval counts as 0.
    void SetInterval(std::int32_t interval);

    bool Enabled() const { return IsEnabled; }
    void SetEnabled(bool enabled);

    // True while the timer is counting towards its next tick.
    bool Running() const { return Clock.isActive(); }

    // Called on every tick, on the thread's event loop.
    std::function<void()> OnTimer;

private:
    void Restart();

    QTimer Clock;
    std::int32_t IntervalMs;
    bool IsEnabled;
};
