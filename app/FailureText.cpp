#include "app/FailureText.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

std::string FailureTimeStamp(const QDateTime& when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d,%03d", date.year(), date.month(), date.day(),
                  time.hour(), time.minute(), time.second(), time.msec() / 10);
    return stamp;
}

std::string StartupFailureText(const std::string& message, const QDateTime& when)
{
    return FailureTimeStamp(when) + ":\n" + message;
}

std::string HandlerFailureText(const std::string& message, const std::string& errorType, const std::string& sender,
                               const QDateTime& when)
{
    return message + "\n\n" + "ErrorType: " + errorType + "\n" + "Sender: " + sender + "\n" +
        "Date/Time: " + FailureTimeStamp(when);
}

std::string ExceptionClassName(const std::exception& failure)
{
    const char* mangled = typeid(failure).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> readable(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                               &std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(mangled);
}
