#include "app/Timer.h"

#include <algorithm>

TTimer::TTimer(std::int32_t interval, bool enabled)
    : IntervalMs(std::max<std::int32_t>(interval, 0)), IsEnabled(enabled)
{
    QObject::connect(&Clock, &QTimer::timeout, [this] {
        if (OnTimer)
            OnTimer();
    });
    Restart();
}

void TTimer::SetInterval(std::int32_t interval)
{
    IntervalMs = std::max<std::int32_t>(interval, 0);
    Restart();
}

void TTimer::SetEnabled(bool enabled)
{
    IsEnabled = enabled;
    Restart();
}

void TTimer::Restart()
{
    Clock.stop();
    // A Qt timer of 0 ms would fire on every pass of the loop; here 0 means "never".
    if (IsEnabled && IntervalMs > 0)
        Clock.start(IntervalMs);
}
