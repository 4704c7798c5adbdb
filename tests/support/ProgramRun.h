#pragma once

#include <QProcessEnvironment>
#include <QStringList>

#include <string>
#include <vector>

namespace testsupport {

// How a program that ran to its end ended, and what it wrote.
struct TProgramRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
    bool Crashed = false;
};

// Runs the program with the arguments and the environment; killed, and a test failure said, when
// it has not ended within the time-out (none when negative).
TProgramRun RunProgram(const QString& program, const QStringList& args,
                       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                       int timeoutMs = -1);

// The arguments as Qt's list.
QStringList Arguments(const std::vector<std::string>& args);

} // namespace testsupport
