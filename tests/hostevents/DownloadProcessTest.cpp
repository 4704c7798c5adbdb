#include "host/ProjectDatabase.h"
#include "host/SimulatedBus.h"
#include "outside/devicelink/TalvoZielsystem.h"
#include "platform/FileIo.h"
#include "tests/hostevents/HostEventFixture.h"

#include <QProcess>

#include <filesystem>
#include <fstream>

// etshost and the editor as two processes, off screen, on the fixture's demo project.
namespace hosttest {
namespace {

namespace fs = std::filesystem;

class DownloadProcess : public HostEventFixture {
protected:
    DownloadProcess() : EditorHome(Folder + "home/")
    {
        fs::create_directories(EditorHome);
        host::TProjectDatabase project(ProjectPath);
        host::TSimulatedBus(project.Sql()).PutProjectDevices();
    }

    // etshost's exit code, with its output and errors after it.
    std::pair<int, std::string> Etshost(const QStringList& args) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PANELCONF_HOME"), QString::fromStdString(EditorHome));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ETSHOST_PATH), args);
        process.waitForFinished(120000);
        return {process.exitCode(),
                (process.readAllStandardOutput() + process.readAllStandardError()).toStdString()};
    }

    std::string EditorHome;
};

TEST_F(DownloadProcess, TheAnswerArrivesBeforeTheEditorEndsAndTheBusHoldsTheCompiledImage)
{
    const std::string script = Folder + "download.txt";
    std::ofstream(script) << "event DoDownload2 device=1 newAddress=1.1.1 oldAddress=1.1.1 mode=2 -> result=1 returnNow=1\n"
                             "expect exited\n";
    const auto [runExit, runOutput] =
        Etshost({"run", "--db", QString::fromStdString(ProjectPath), "--editor", ALIGNED_EDITOR_PATH, "--script",
                 QString::fromStdString(script)});
    ASSERT_EQ(runExit, 0) << runOutput;

    const std::string image = Folder + "image.bin";
    const auto [busExit, busOutput] =
        Etshost({"bus", "--db", QString::fromStdString(ProjectPath), "1.1.1", "--get", QString::fromStdString(image)});
    ASSERT_EQ(busExit, 0) << busOutput;

    // The same device compiled here gives the same image.
    Start();
    ASSERT_TRUE(Main->SetDevice(1, false));
    TTalvoZielsystem target(Link, Main->AktDevInst->GetEtsDeviceParam());
    ASSERT_TRUE(Main->Compiler(&target));
    EXPECT_EQ(platform::ReadWholeFile(image), target.GetImage());
}

TEST_F(DownloadProcess, InitPutsTheDemoDevicesOnTheBusWhichSimAndBusShow)
{
    const QString project = QString::fromStdString(Folder + "fresh.ets");
    ASSERT_EQ(Etshost({"init", "--db", project}).first, 0);
    const auto [listExit, list] = Etshost({"bus", "--db", project});
    EXPECT_EQ(listExit, 0);
    EXPECT_NE(list.find("1.1.1  device 1, image 0 bytes, address programmed never, downloaded never\n"),
              std::string::npos)
        << list;
    EXPECT_NE(list.find("1.1.3  device 3,"), std::string::npos) << list;
    EXPECT_NE(Etshost({"bus", "--db", project, "1.1.9"}).first, 0);
    EXPECT_NE(Etshost({"bus", "--db", project, "1.1.1", "--get", project}).first, 0);

    const auto [simExit, sim] = Etshost({"sim", "--db", project, "Download=fail", "Auslesen=other-exception"});
    EXPECT_EQ(simExit, 0);
    EXPECT_EQ(sim, "ProgPhysAddress=ok\nAuslesen=other-exception\nTalvoCompiler=ok\nDownload=fail\n");
    EXPECT_EQ(Etshost({"sim", "--db", project, "Download=maybe"}).first, 2);
    EXPECT_EQ(Etshost({"sim", "--db", project, "Upload=ok"}).first, 2);
}

} // namespace
} // namespace hosttest
