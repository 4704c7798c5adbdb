#pragma once

#include <QDateTime>

#include <optional>
#include <string>

namespace platform {

// The current local date and time, or the fixed one while a TScopedClock lives.
QDateTime Now();

// Fixes the time that Now answers for its own lifetime and puts the former one back afterwards.
class TScopedClock {
public:
    explicit TScopedClock(const QDateTime& fixed);
    ~TScopedClock();
    TScopedClock(const TScopedClock&) = delete;
    TScopedClock& operator=(const TScopedClock&) = delete;

private:
    std::optional<QDateTime> previous_;
};

// Date and time in the short format of the locale in use, as Windows-1252 bytes.
std::string DateTimeToStr(const QDateTime& when);

} // namespace platform
