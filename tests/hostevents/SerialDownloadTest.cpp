#include "app/Spredit.h"
#include "host/ProjectDatabase.h"
#include "host/SimulatedBus.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/seriallink/SerialLinkRecords.h"
#include "platform/FileIo.h"
#include "tests/hostevents/DownloadDoubles.h"
#include "tests/hostevents/HostEventFixture.h"
#include "tests/support/ScopedVariable.h"

#include <QAction>
#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>

namespace hosttest {
namespace {

// A target system that keeps the bytes of the programming record it was given.
class ProgrammingTarget final : public TTalvoZielsystem {
public:
    ProgrammingTarget(TEts2Cdi_Extended1* link, TEtsDeviceParam* deviceParam, std::optional<std::string>& bytes)
        : TTalvoZielsystem(link, deviceParam), Bytes(bytes)
    {
    }
    void SetProg(const tagEIB_BASE_PROGRAMMING* programming) override
    {
        if (programming != nullptr)
            Bytes = std::string(reinterpret_cast<const char*>(programming), sizeof *programming);
        TTalvoZielsystem::SetProg(programming);
    }

private:
    std::optional<std::string>& Bytes;
};

class ProgrammingTargets final : public TDevicelinkFactory {
public:
    std::unique_ptr<TTalvoZielsystem> CreateTalvoZielsystem(TEts2Cdi_Extended1* link,
                                                            TEtsDeviceParam* deviceParam) const override
    {
        return std::make_unique<ProgrammingTarget>(link, deviceParam, Bytes);
    }
    mutable std::optional<std::string> Bytes;
};

// The demo project with its devices on the bus, the serial-download library and its settings in
// the program folder, the library's dialogs answered from a file, and device 1 current.
class SerialDownload : public HostEventFixture {
protected:
    SerialDownload() : Answers(Folder + "answers.txt", Folder + "answers.txt.given")
    {
        Devicelink = &Targets;
        host::TProjectDatabase project(ProjectPath);
        host::TSimulatedBus(project.Sql()).PutProjectDevices();
        QFile::link(QStringLiteral(SERIALLINK_LIBRARY), QString::fromStdString(Folder + "seriallink.dll"));
    }

    // Writes the serial settings file, starts the main window and hands device 1 over.
    void Begin(const std::string& settings = "DownloadRs232AskForDeviceConnection=0\r\n")
    {
        platform::WriteFileAtomically(Folder + "serialsetup.ini",
                                      "[DownloadRs232Options]\r\nDownloadRs232Enabled=1\r\n" + settings);
        Start();
        ASSERT_TRUE(Dm->fRs232Enabled);
        ASSERT_TRUE(Main->SetDevice(1, false));
        Dm->fDataModified = true;
    }
    void Answer(const std::string& lines) const { platform::WriteFileAtomically(Answers.first, lines); }
    // What the library was given, one call a line.
    std::vector<std::string> Given() const
    {
        std::error_code error;
        std::istringstream in(platform::ReadWholeFile(Answers.second, error).value_or(std::string()));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    std::size_t Calls(const std::string& entry) const
    {
        const std::vector<std::string> given = Given();
        return std::count_if(given.begin(), given.end(),
                             [&](const std::string& line) { return line.rfind(entry + " ", 0) == 0 || line == entry; });
    }
    std::vector<std::string> StatusLines() const
    {
        std::vector<std::string> lines;
        for (const std::string& line : Given())
            if (line.rfind(seriallink::EntryShowStatusMessage, 0) == 0)
                lines.push_back(line);
        return lines;
    }
    void Force(const std::string& operation, host::TSimOutcome outcome) const
    {
        host::TProjectDatabase project(ProjectPath);
        host::TSimulatedBus(project.Sql()).SetOutcome(operation, outcome);
    }
    bool BlobWritten() const
    {
        return std::find(Link->Writes.begin(), Link->Writes.end(), "blob 1") != Link->Writes.end();
    }

    testsupport::ScopedVariable AnswersVariable{seriallink::AnswersVariable, Folder + "answers.txt"};
    std::pair<std::string, std::string> Answers;
    JournalingTargets Targets;
};

std::string StatusLine(bool success, bool continueMode, int answer)
{
    return std::string(seriallink::EntryShowStatusMessage) + " result=" + (success ? "1" : "0") + " text=\"" +
           (success ? "Download erfolgreich abgeschlossen!" : "Download fehlerhaft oder durch Benutzer abgebrochen!") +
           "\" flag1=1 flag2=0 continue=" + (continueMode ? "1" : "0") + " sound=0 -> " + std::to_string(answer);
}

TEST_F(SerialDownload, WithoutAskingTheProgressDialogOpensAtOnce)
{
    Begin();
    Answer("connect 1\nstatus 1\n");
    EXPECT_TRUE(Main->DownloadRs232Start());
    EXPECT_EQ(Given(), (std::vector<std::string>{
                           std::string(seriallink::EntryShowProgressDialog) +
                               " window=set address=\"01.01.001\" text=\"Serieller Download\" name=\"" +
                               Main->AktDevInst->GetDeviceName() + "\" extra=\"\"",
                           StatusLine(true, false, 1),
                           std::string(seriallink::EntryCloseProgressDialog) + " open",
                       }));
    EXPECT_EQ(Targets.Made, 1);
    EXPECT_TRUE(Ui.boxes().empty());
}

// The settings, the answers of the dialogs, and how many transfers and status messages follow.
struct CycleCase {
    const char* Name;
    const char* Settings;
    const char* Answers;
    int Transfers;
    int StatusMessages;
};

class SerialDownloadCycles : public SerialDownload, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(SerialDownloadCycles, RunWhileTheStatusAsksForAnother)
{
    Begin(GetParam().Settings);
    Answer(GetParam().Answers);
    EXPECT_TRUE(Main->DownloadRs232Start());
    EXPECT_EQ(Targets.Made, GetParam().Transfers);
    EXPECT_EQ(Calls(seriallink::EntryShowProgressDialog), std::size_t(GetParam().Transfers));
    EXPECT_EQ(Calls(seriallink::EntryCloseProgressDialog), std::size_t(GetParam().Transfers));
    EXPECT_EQ(Calls(seriallink::EntryShowStatusMessage), std::size_t(GetParam().StatusMessages));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SerialDownloadCycles,
    ::testing::Values(
        CycleCase{"ContinueOffRunsOnce", "DownloadRs232ContinueMode=0\r\n", "connect 1\nstatus 6\nconnect 1\nstatus 6\n",
                  1, 1},
        CycleCase{"ContinueOnRepeatsOn6And1", "DownloadRs232ContinueMode=1\r\n",
                  "connect 1\nstatus 6\nconnect 1\nstatus 1\nconnect 1\nstatus 7\nconnect 1\nstatus 6\n", 3, 3},
        CycleCase{"ContinueOnEndsOnCancel", "DownloadRs232ContinueMode=1\r\n", "connect 1\nstatus 6\nconnect 1\nstatus 2\n",
                  2, 2},
        CycleCase{"CancelledConnectionEndsWithoutStatus", "DownloadRs232ContinueMode=1\r\n",
                  "connect 1\nstatus 6\nconnect 2\nstatus 6\n", 1, 1},
        CycleCase{"CancelledAtOnceTransfersNothing", "", "connect 2\n", 0, 0}),
    [](const ::testing::TestParamInfo<CycleCase>& info) { return std::string(info.param.Name); });

TEST_F(SerialDownload, TheConnectionDialogGetsTheDeviceAndOne)
{
    Begin("");
    Answer("connect 2\n");
    EXPECT_TRUE(Main->DownloadRs232Start());
    EXPECT_EQ(Given(), (std::vector<std::string>{std::string(seriallink::EntryShowConnectDevice) +
                                                 " window=set address=\"01.01.001\" text=\"Serieller Download\" name=\"" +
                                                 Main->AktDevInst->GetDeviceName() + "\" extra=\"\" flag=1 -> 2"}));
}

// The serial settings of the data module, in the options record's order.
std::string Settings(const TDM& dm)
{
    std::ostringstream out;
    out << "port=" << dm.Rs232ComPort << " baud=" << dm.Rs232Baud << " line=" << dm.Rs232LineSetting
        << " continue=" << dm.fRs232ContinueMode << " ask=" << dm.fRs232AskForConnection << " sound=" << dm.fRs232Sound
        << " mode=" << dm.Rs232DownloadMode;
    return out.str();
}

TEST_F(SerialDownload, CancelledOptionsChangeNothing)
{
    Begin("DownloadRs232ComPort=2\r\n");
    const std::string before = Settings(*Dm);
    EXPECT_EQ(before, "port=2 baud=19200 line=3 continue=0 ask=1 sound=0 mode=2");
    Answer("options 2 port=7 baud=9600 line=5 continue=1 ask=1 sound=1 mode=1\n");
    EXPECT_FALSE(Main->DownloadRs232Options());
    EXPECT_EQ(Settings(*Dm), before);
    EXPECT_EQ(Given(), std::vector<std::string>{std::string(seriallink::EntryShowOptions) + " window=set " + before +
                                                " -> 2"});
}

TEST_F(SerialDownload, ConfirmedOptionsTakeEveryField)
{
    Begin();
    Answer("options 1 port=7 baud=9600 line=5 continue=1 ask=1 sound=1 mode=1\n");
    EXPECT_TRUE(Main->DownloadRs232Options());
    EXPECT_EQ(Settings(*Dm), "port=7 baud=9600 line=5 continue=1 ask=1 sound=1 mode=1");
}

TEST_F(SerialDownload, TheCommandShowsTheOptionsThenDownloads)
{
    Begin();
    Answer("options 1 mode=1\nstatus 1\n");
    Dm->ADownloadRs232OptionsStart->trigger();
    const std::vector<std::string> given = Given();
    ASSERT_EQ(given.size(), 4u);
    EXPECT_EQ(given[0].rfind(seriallink::EntryShowOptions, 0), 0u);
    EXPECT_EQ(given[2], StatusLine(true, false, 1));
    EXPECT_EQ(Targets.Made, 1);
}

TEST_F(SerialDownload, SwitchedOffOrWithoutDeviceNothingIsShown)
{
    Begin();
    Answer("options 1\nstatus 1\n");
    Dm->fRs232Enabled = false;
    EXPECT_FALSE(Main->DownloadRs232Options());
    EXPECT_FALSE(Main->DownloadRs232Start());
    Dm->fRs232Enabled = true;
    Main->AktDevInst = nullptr;
    EXPECT_FALSE(Main->DownloadRs232Start());
    EXPECT_TRUE(Given().empty());
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(SerialDownload, ADeviceWithoutATypeNumberIsReportedAndTheProgramRunsOn)
{
    Begin();
    Answer("connect 1\nstatus 1\n");
    host::TProjectDatabase(ProjectPath)
        .Sql()
        .Execute("DELETE FROM device_parameter WHERE device_id = 1 AND "
                 "parameter_id = (SELECT id FROM parameter WHERE display_order = 60)");
    Dm->ADownloadRs232Start->trigger();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].caption, "DeviceInstanz::GetDeviceEtsInfo-Error");
    EXPECT_TRUE(Given().empty());
    EXPECT_EQ(Targets.Made, 0);
    EXPECT_FALSE(Ended);
}

// A download mode and the calls that follow the configuration.
struct ModeCase {
    const char* Name;
    std::int16_t Mode;
    std::vector<std::string> Steps;
};

class SerialDownloadModes : public SerialDownload, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(SerialDownloadModes, ConfigureTheTargetAndRunTheSteps)
{
    Begin();
    Dm->Rs232DownloadMode = GetParam().Mode;
    Dm->Rs232ComPort = 3;
    Answer("status 1\n");
    EXPECT_TRUE(Main->DownloadRs232Start());

    std::vector<std::string> expected = {"TTalvoZielsystem",
                                         "SetMedium 4",
                                         "SetRS232Options 3 19200 3",
                                         "SetClientBufferSize 16",
                                         "SetWndSupport " + std::to_string(Dm->MainWindowHandle),
                                         "SetProgressDialog",
                                         "SetDeviceId 1",
                                         "SetNewPhysAddr 1.1.1",
                                         "SetOldPhysAddr 1.1.1",
                                         "SetProg",
                                         "SetMode " + std::to_string(GetParam().Mode),
                                         "GetMode"};
    expected.insert(expected.end(), GetParam().Steps.begin(), GetParam().Steps.end());
    expected.push_back("~TTalvoZielsystem");
    EXPECT_EQ(Targets.Journal, expected);
    EXPECT_EQ(StatusLines(), std::vector<std::string>{StatusLine(true, false, 1)});
    EXPECT_TRUE(BlobWritten());
    EXPECT_FALSE(Main->AktDevInst->GrpAdrLoaded);
    EXPECT_FALSE(Dm->fDataModified);
    EXPECT_FALSE(Main->TimerTimeoutClose.Enabled());
    EXPECT_TRUE(Ui.boxes().empty());
    EXPECT_FALSE(Ended);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SerialDownloadModes,
    ::testing::Values(ModeCase{"Mode2ReadsOutAndDownloads", 2, {"Auslesen", "Download"}},
                      ModeCase{"Mode1ProgramsTheAddressOnly", 1, {"ProgPhysAddress"}},
                      ModeCase{"Mode4Downloads", 4, {"Auslesen", "Download"}},
                      ModeCase{"Mode5DownloadsWithoutTheAddress", 5, {"Auslesen", "Download"}}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.Name); });

TEST_F(SerialDownload, AFailedReadOutReportsTheFailure)
{
    Force("Auslesen", host::TSimOutcome::Fail);
    Begin();
    Answer("status 1\n");
    EXPECT_TRUE(Main->DownloadRs232Start());
    EXPECT_EQ(StatusLines(), std::vector<std::string>{StatusLine(false, false, 1)});
    EXPECT_TRUE(BlobWritten());
    EXPECT_FALSE(Dm->fDataModified);
}

TEST_F(SerialDownload, AnExceptionShowsTheDetailBoxAndTheFailure)
{
    Force("Auslesen", host::TSimOutcome::PlatformException);
    Begin();
    Answer("status 1\n");
    EXPECT_TRUE(Main->DownloadRs232Start());
    ASSERT_EQ(Ui.detailBoxes().size(), 1u);
    const auto& box = Ui.detailBoxes()[0];
    EXPECT_EQ(box.text, Spredit::Text9266);
    EXPECT_EQ(box.caption, Spredit::Text9048);
    EXPECT_EQ(box.detail, "Ausnahme-Fehler\nAuslesen: the bus failed");
    EXPECT_EQ(box.function, "TFormMain::DoDownloadRs232");
    EXPECT_EQ(box.style, 16u);
    EXPECT_EQ(Targets.Journal.back(), "~TTalvoZielsystem");
    EXPECT_EQ(StatusLines(), std::vector<std::string>{StatusLine(false, false, 1)});
    EXPECT_TRUE(BlobWritten());
    EXPECT_FALSE(Dm->fDataModified);
}

TEST_F(SerialDownload, GroupAddressesThatCannotBeRefreshedStopTheTransfer)
{
    Begin();
    // A communication object linked to a sub group the project does not have.
    TDeviceInstanzTalvo* device = Main->AktDevInst;
    ASSERT_TRUE(device->AddEtsObjectByDisplayOrder(3300, 1, -500, device->GetDataPointerMap().begin()->second, false));
    TEtsObjekt* linked = nullptr;
    for (const auto& [handle, object] : device->GetDataPointerMap())
        if (object->GetTyp() == DT_ETS_OBJEKT)
            linked = dynamic_cast<TEtsObjekt*>(object);
    ASSERT_NE(linked, nullptr);
    linked->AddSubGroupLink(99999, 0x0777, false);
    Dm->fDataModified = true;
    Answer("status 1\n");

    EXPECT_TRUE(Main->DownloadRs232Start());
    EXPECT_EQ(Targets.Made, 0);
    EXPECT_EQ(StatusLines(), std::vector<std::string>{StatusLine(false, false, 1)});
    ASSERT_FALSE(Ui.detailBoxes().empty());
    EXPECT_EQ(Ui.detailBoxes().back().function, "TDeviceInstanz::UpdateGroupAddressFromId");
    // Written all the same: the modified flag is cleared below.
    EXPECT_TRUE(BlobWritten());
    EXPECT_FALSE(Dm->fDataModified);
}

TEST_F(SerialDownload, TheProgrammingRecordArrivesAsTwelveZeroBytes)
{
    ProgrammingTargets targets;
    Devicelink = &targets;
    Begin();
    Answer("status 1\n");
    tagDownloadRs232Options options{};
    options.DownloadMode = 2;
    Main->DoDownloadRs232(nullptr, options);
    ASSERT_TRUE(targets.Bytes);
    EXPECT_EQ(*targets.Bytes, std::string(12, '\0'));
}

// Which library the program folder holds, and which operation runs.
struct MissingCase {
    const char* Name;
    bool Library;
    bool Options;
};

class SerialDownloadMissing : public SerialDownload, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(SerialDownloadMissing, SaysDllNotFound)
{
    Begin();
    Answer("options 1\nstatus 1\n");
    QFile::remove(QString::fromStdString(Folder + "seriallink.dll"));
    if (GetParam().Library)
        QFile::link(QStringLiteral(SERIALLINK_WITHOUT_ENTRIES), QString::fromStdString(Folder + "seriallink.dll"));
    EXPECT_FALSE(GetParam().Options ? Main->DownloadRs232Options() : Main->DownloadRs232Start());
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "DLL not found!");
    EXPECT_EQ(Ui.boxes()[0].caption, Spredit::Text9048);
    EXPECT_EQ(Ui.boxes()[0].style, 16u);
    EXPECT_EQ(Targets.Made, 0);
    EXPECT_TRUE(Given().empty());
}

INSTANTIATE_TEST_SUITE_P(Table, SerialDownloadMissing,
                         ::testing::Values(MissingCase{"NoLibraryOptions", false, true},
                                           MissingCase{"NoLibraryStart", false, false},
                                           MissingCase{"NoEntryOptions", true, true},
                                           MissingCase{"NoEntryStart", true, false}),
                         [](const ::testing::TestParamInfo<MissingCase>& info) { return std::string(info.param.Name); });

} // namespace
} // namespace hosttest
