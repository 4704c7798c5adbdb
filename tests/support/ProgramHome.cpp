#include "tests/support/ProgramHome.h"

#include <QProcess>

namespace testsupport {

std::string LayOutProgramHome(const std::string& script, const std::string& buildDir, const std::string& home)
{
    QProcess process;
    process.start(QStringLiteral("bash"),
                  {QString::fromStdString(script), QString::fromStdString(buildDir), QString::fromStdString(home)});
    if (!process.waitForFinished(60000))
        return "scripts/lay-out-home did not finish";
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return "scripts/lay-out-home failed: " + process.readAllStandardError().toStdString();
    return {};
}

} // namespace testsupport
