#pragma once

#include <QDateTime>

#include <exception>
#include <string>

// The time stamp of a failure: "%04d-%02d-%02d %02d:%02d:%02d,%03d" with year, month, day, hour,
// minute, second and the hundredths of the second (three digits, 000 to 099).
std::string FailureTimeStamp(const QDateTime& when);

// The message of a failure that reached the top level: the time stamp, ":\n", the message.
std::string StartupFailureText(const std::string& message, const QDateTime& when);

// The message of a failure that escaped an event handler: the message, "\n\n", then the lines
// "ErrorType: ", "Sender: " and "Date/Time: " with the time stamp.
std::string HandlerFailureText(const std::string& message, const std::string& errorType, const std::string& sender,
                               const QDateTime& when);

// The class name of the exception, readable.
std::string ExceptionClassName(const std::exception& failure);
