#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "platform/FileIo.h"
#include "tests/hostevents/HostEventFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

// etshost and the editor as two processes, off screen, on a temporary demo project.
namespace hosttest {
namespace {

namespace fs = std::filesystem;

using HostRun = testsupport::TProgramRun;

class HostSocket : public ::testing::Test {
protected:
    HostSocket() : Folder(Dir.path().string() + "/"), Project(Folder + "demo.ets"), Home(Folder + "home/")
    {
        fs::create_directories(Home);
        EXPECT_EQ(Etshost({"init", "--db", Project}).ExitCode, 0);
        host::TProjectDatabase project(Project);
        host::WriteDeviceBlob(project.Sql(), 1, DemoBlock());
    }

    HostRun Etshost(const QStringList& args) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PANELCONF_HOME"), QString::fromStdString(Home));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return testsupport::RunProgram(QStringLiteral(ETSHOST_PATH), args, environment, 120000);
    }
    HostRun Etshost(std::initializer_list<std::string> args) const { return Etshost(testsupport::Arguments(args)); }
    HostRun Script(const std::string& lines) const
    {
        const std::string file = Folder + "session.txt";
        std::ofstream(file) << lines;
        return Etshost({"run", "--db", Project, "--editor", ALIGNED_EDITOR_PATH, "--script", file});
    }
    std::string Block() const
    {
        host::TProjectDatabase project(Project);
        return host::ReadDeviceBlob(project.Sql(), 1).value_or("-");
    }
    // Editors still running on this test's program folder.
    int EditorsLeft() const
    {
        int left = 0;
        const std::string mark = "PANELCONF_HOME=" + Home;
        for (const auto& entry : fs::directory_iterator("/proc")) {
            std::ifstream environ(entry.path() / "environ", std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(environ)), std::istreambuf_iterator<char>());
            std::ifstream command(entry.path() / "cmdline", std::ios::binary);
            std::string name;
            std::getline(command, name, '\0');
            if (name.find("panelconf") != std::string::npos && bytes.find(mark + '\0') != std::string::npos)
                ++left;
        }
        return left;
    }

    testsupport::TempDir Dir;
    std::string Folder;
    std::string Project;
    std::string Home;
};

TEST_F(HostSocket, EditGrabAndEndKeepTheBlock)
{
    const std::string picture = std::string(HOST_SCREENSHOT_DIR) + "/editing.png";
    QFile::remove(QString::fromStdString(picture));
    const HostRun run = Script("event EditParameters device=1 -> result=1 returnNow=0\n"
                           "ui grab " + picture + "\n"
                           "ui trigger ABeenden\n"
                           "expect return kept=1\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Out << run.Err;
    EXPECT_NE(run.Out.find("return kept=1"), std::string::npos) << run.Out;
    EXPECT_TRUE(fs::is_regular_file(picture));
    EXPECT_NE(Block(), "-");
    EXPECT_FALSE(Block().empty());
    EXPECT_EQ(EditorsLeft(), 0);
}

// Killed after its backup was saved: the backup is newer than the stored block.
TEST_F(HostSocket, AnEditorKilledMidEditIsAskedToRestoreNextTime)
{
    const HostRun run = Script("event EditParameters device=1 -> result=1 returnNow=0\n"
                           "ui trigger AAutoSave\n"
                           "kill\n"
                           "event EditParameters device=1 -> result=1 returnNow=0\n"
                           "expect box Das Programm wurde nicht ordentlich geschlossen.\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Out << run.Err;
    EXPECT_EQ(EditorsLeft(), 0);
}

TEST_F(HostSocket, AMismatchNamesItsLineAndFails)
{
    const HostRun run = Script("event CreateDevice kind=-2 -> result=0 returnNow=1\n");
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_NE(run.Err.find("line 1"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("result=1 returnNow=1"), std::string::npos) << run.Err;
    EXPECT_EQ(EditorsLeft(), 0);
}

TEST_F(HostSocket, EventAndEditLeaveNoEditorRunning)
{
    const HostRun event = Etshost({"event", "--db", Project, "--editor", ALIGNED_EDITOR_PATH, "CreateDevice", "kind=-2"});
    EXPECT_EQ(event.ExitCode, 0) << event.Err;
    EXPECT_NE(event.Out.find("CreateDevice -> result=1 returnNow=1"), std::string::npos) << event.Out;
    EXPECT_EQ(EditorsLeft(), 0);
    const HostRun edit = Etshost({"edit", "--db", Project, "--editor", ALIGNED_EDITOR_PATH, "1.1.2"});
    EXPECT_NE(edit.ExitCode, 0);
    EXPECT_NE(edit.Out.find("did not open"), std::string::npos) << edit.Out;
    EXPECT_EQ(EditorsLeft(), 0);
}

} // namespace
} // namespace hosttest
