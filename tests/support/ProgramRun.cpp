#include "tests/support/ProgramRun.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace testsupport {

TProgramRun RunProgram(const QString& program, const QStringList& args, const QProcessEnvironment& environment,
                       int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    const bool ended = process.waitForFinished(timeoutMs);
    EXPECT_TRUE(ended) << program.toStdString() << " did not end"
                       << (timeoutMs < 0 ? std::string() : " within " + std::to_string(timeoutMs / 1000) + " s");
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString(), process.exitStatus() != QProcess::NormalExit};
}

QStringList Arguments(const std::vector<std::string>& args)
{
    QStringList list;
    for (const std::string& arg : args)
        list << QString::fromStdString(arg);
    return list;
}

} // namespace testsupport
