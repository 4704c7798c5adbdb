#include "platform/Clock.h"

#include "platform/Cp1252.h"

#include <QLocale>

namespace platform {

namespace {

std::optional<QDateTime>& Fixed()
{
    static std::optional<QDateTime> fixed;
    return fixed;
}

} // namespace

QDateTime Now()
{
    return Fixed().value_or(QDateTime::currentDateTime());
}

TScopedClock::TScopedClock(const QDateTime& fixed) : previous_(Fixed())
{
    Fixed() = fixed;
}

TScopedClock::~TScopedClock()
{
    Fixed() = previous_;
}

std::string DateTimeToStr(const QDateTime& when)
{
    return FromQString(QLocale().toString(when, QLocale::ShortFormat));
}

} // namespace platform
