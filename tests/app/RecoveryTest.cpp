#include "app/RecoveryRules.h"
#include "tests/app/FrameFixture.h"

#include "app/Spredit.h"
#include "device/BackupFolderName.h"
#include "device/CommaText.h"
#include "host/DemoProject.h"
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "outside/addrlink/EtsObjekt.h"
#include "platform/FileIo.h"
#include "tests/support/DeviceProject.h"
#include "views/ViewMessages.h"

#include <QAction>

#include <QLocale>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

#include <utime.h>

namespace {

using testsupport::ScriptedUi;

std::vector<std::string> Ids(int first, int count)
{
    std::vector<std::string> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(std::to_string(first + i));
    return ids;
}

// --- The rules of the list of unfinished devices ---

TEST(NotClosedTest, AnIdNotInTheListIsAppended)
{
    const auto result = NotClosedOnOpen({"4", "5"}, "9");
    EXPECT_EQ(result.Found, 0);
    EXPECT_EQ(result.List, (std::vector<std::string>{"4", "5", "9"}));
}

TEST(NotClosedTest, AFullListDropsItsOldestEntryForANewId)
{
    const auto result = NotClosedOnOpen(Ids(100, 16), "9");
    ASSERT_EQ(result.List.size(), 16u);
    EXPECT_EQ(result.List.front(), "101");
    EXPECT_EQ(result.List.back(), "9");
}

TEST(NotClosedTest, AFullListHoldingTheOpenedIdDropsNothing)
{
    const auto result = NotClosedOnOpen(Ids(100, 16), "100");
    EXPECT_EQ(result.Found, 1);
    EXPECT_EQ(result.List, Ids(100, 16));
}

TEST(NotClosedTest, AnEntryOfTheEarlierFormCountsAndIsReplacedByTheKey)
{
    const auto result = NotClosedOnOpen({"4", "p-1-0/9", "9", "5"}, "q-1-0/9", "9");
    EXPECT_EQ(result.Found, 1);
    EXPECT_EQ(result.List, (std::vector<std::string>{"4", "p-1-0/9", "5", "q-1-0/9"}));
}

TEST(NotClosedTest, AnotherProjectsEntryOfTheSameDeviceIsNotFound)
{
    const auto result = NotClosedOnOpen({"p-1-0/9"}, "q-1-0/9", "9");
    EXPECT_EQ(result.Found, 0);
    EXPECT_EQ(result.List, (std::vector<std::string>{"p-1-0/9", "q-1-0/9"}));
}

TEST(NotClosedTest, EndingRemovesExactlyTheId)
{
    EXPECT_EQ(NotClosedOnEnd({"4", "14", "41"}, "4"), (std::vector<std::string>{"14", "41"}));
    EXPECT_EQ(NotClosedOnEnd({"14"}, "4"), (std::vector<std::string>{"14"}));
}

// --- The host version ---

struct VersionCase {
    const char* name;
    std::uint16_t versionMajor, versionMinor, buildMajor, buildMinor;
    bool accepted;
};

class HostVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(HostVersionTest, IsComparedNumberByNumber)
{
    const VersionCase& c = GetParam();
    EXPECT_EQ(HostVersionAtLeast(std::uint32_t{c.versionMajor} << 16 | c.versionMinor,
                                 std::uint32_t{c.buildMajor} << 16 | c.buildMinor, {1, 2, 0, 101}),
              c.accepted);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostVersionTest,
                         ::testing::Values(VersionCase{"Minimum", 1, 2, 0, 101, true},
                                           VersionCase{"OneBuildBelow", 1, 2, 0, 100, false},
                                           VersionCase{"NewerMinor", 1, 3, 0, 0, true},
                                           VersionCase{"NewerMajor", 2, 0, 0, 0, true},
                                           VersionCase{"NewerMajorAnyBuild", 2, 0, 65535, 65535, true},
                                           VersionCase{"OlderMinor", 1, 1, 9, 999, false}),
                         [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.name); });

TEST(BackupDateTest, ShowsTheMonthInTheLocalesLanguage)
{
    EXPECT_EQ(BackupDateText(QDateTime(QDate(2007, 3, 2), QTime(9, 5)), QLocale(QLocale::German)),
              "\x20M\xE4rz 2, 2007 , 09:05");
}

// --- The main window's operations ---

class RecoveryFixture : public frametest::FrameFixture {
protected:
    void Edit()
    {
        Start();
        Device = AddDevice(1);
    }
    std::string Backup() const { return Device->AutoSaveFile; }
    // The device's entry in the list of unfinished devices.
    std::string Key(int id) const { return NotClosedKey(Main->BackupFolderOf(id), id); }
    TDeviceInstanzTalvo* Device = nullptr;
};

using SaveToFileTest = RecoveryFixture;

TEST_F(SaveToFileTest, ZeroAndEmptyWriteTheBackupCopyIntoAFolderMadeForIt)
{
    Edit();
    std::filesystem::remove_all(Folder + "Vantu/AutoSave");
    EXPECT_TRUE(Main->SaveToFile("0"));
    ASSERT_TRUE(std::filesystem::exists(Backup()));
    std::filesystem::remove(Backup());
    EXPECT_TRUE(Main->SaveToFile(""));
    EXPECT_TRUE(std::filesystem::exists(Backup()));
    std::ifstream file(Backup());
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("<Version>"), std::string::npos);
    EXPECT_NE(text.find("<CharSet>"), std::string::npos);
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(SaveToFileTest, ANamedFileIsWritten)
{
    Edit();
    EXPECT_TRUE(Main->SaveToFile(Folder + "export/1.bup"));
    EXPECT_TRUE(std::filesystem::exists(Folder + "export/1.bup"));
}

TEST_F(SaveToFileTest, WithoutADeviceNothingIsWritten)
{
    Start();
    EXPECT_FALSE(Main->SaveToFile("0"));
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(SaveToFileTest, AFolderThatCannotBeMadeIsToldTwiceAndAnswersFalse)
{
    Edit();
    std::ofstream(Folder + "blocker") << "a file, no folder";
    const std::string target = Folder + "blocker/sub/1.bus";
    EXPECT_FALSE(Main->SaveToFile(target));
    ASSERT_EQ(Ui.boxes().size(), 2u);
    EXPECT_EQ(Ui.boxes()[0].text, "Cannot create save file:\n" + target);
    EXPECT_EQ(Ui.boxes()[0].caption, "Error Autosave");
    EXPECT_EQ(Ui.boxes()[1].text, "Fehler beim Schreiben der Datei.\n" + target);
    EXPECT_EQ(Ui.boxes()[1].caption, "Hinweis");
    EXPECT_EQ(Device->DataSrc, TDeviceInstanz::dsDatabase);
}

TEST_F(SaveToFileTest, ATargetThatCannotBeWrittenAnswersFalse)
{
    Edit();
    std::filesystem::create_directories(Folder + "taken.bus");
    EXPECT_FALSE(Main->SaveToFile(Folder + "taken.bus"));
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].caption, "Hinweis");
}

TEST_F(SaveToFileTest, TheSaveCommandWritesTheBackupCopy)
{
    Edit();
    Dm->AAutoSave->trigger();
    EXPECT_TRUE(std::filesystem::exists(Backup()));
    EXPECT_EQ(Windows.Made[0]->Calls["DeleteZellenKomponente"], 1); // the open cell's value first
}

TEST_F(SaveToFileTest, TheAutoSaveTickWritesTheBackupCopy)
{
    Edit();
    Dm->TimerAutoSaveTimer();
    EXPECT_TRUE(std::filesystem::exists(Backup()));
}

using RecoveryCheckTest = RecoveryFixture;

TEST_F(RecoveryCheckTest, AnUnfinishedDeviceIsAskedAboutOnceAndNoKeepsIt)
{
    Edit();
    ASSERT_TRUE(Main->SaveToFile("0"));
    const std::string list = "3," + Key(1) + ",5";
    Setting("Options", "NotClosed", list);
    Ui.Answer({platform::IDNO});
    Main->RecoveryCheck(true, 1);
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].caption, "Best\xE4tigen");
    EXPECT_EQ(Ui.boxes()[0].style, platform::MB_YESNO | platform::MB_ICONINFORMATION);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), list);
}

TEST_F(RecoveryCheckTest, OpeningAppendsAndTheFullListDropsItsOldest)
{
    Start();
    Setting("Options", "NotClosed", JoinCommaText(Ids(100, 16)));
    Main->RecoveryCheck(true, 7);
    auto expected = Ids(101, 15);
    expected.push_back(Key(7));
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), JoinCommaText(expected));
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(RecoveryCheckTest, AFullListHoldingTheOpenedDeviceLosesNothing)
{
    Start();
    std::vector<std::string> full = Ids(100, 15);
    full.insert(full.begin() + 3, Key(7));
    Setting("Options", "NotClosed", JoinCommaText(full));
    Main->RecoveryCheck(true, 7);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), JoinCommaText(full));
}

TEST_F(RecoveryCheckTest, HidingRemovesExactlyTheDevice)
{
    Start();
    Setting("Options", "NotClosed", "11," + Key(1) + ",111," + Key(11));
    Main->RecoveryCheck(false, 1);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), "11,111," + Key(11));
    Main->RecoveryCheck(false, 2);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), "11,111," + Key(11));
}

using RestoreTest = RecoveryFixture;

TEST_F(RestoreTest, WithoutADeviceNothingIsRestored)
{
    Start();
    Main->RestoreSaveCopy();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Device not found!!!");
    EXPECT_EQ(Ui.boxes()[0].caption, "Wiederherstellen");
}

TEST_F(RestoreTest, AMissingBackupIsToldWithItsPath)
{
    Edit();
    std::filesystem::remove(Backup());
    Main->RestoreSaveCopy();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Datei nicht gefunden.:\n" + Backup());
    EXPECT_EQ(Ui.boxes()[0].style, platform::MB_ICONWARNING);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
}

TEST_F(RestoreTest, ADeclinedRestoreChangesNothingAndAutoSaveRunsAgain)
{
    Edit();
    ASSERT_TRUE(Main->SaveToFile("0"));
    Ui.Answer({platform::IDNO});
    Main->RestoreSaveCopy();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text.rfind("Letzte Datensicherung:", 0), 0u);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
    EXPECT_EQ(Windows.Made[0]->Calls["TreeBeginUpdate"], 0);
}

TEST_F(RestoreTest, AnAcceptedRestoreAsksWithTheBackupsDateAndImportsIt)
{
    Edit();
    ASSERT_TRUE(Main->SaveToFile("0"));
    const QDateTime written(QDate(2007, 3, 2), QTime(9, 5));
    const utimbuf times{written.toSecsSinceEpoch(), written.toSecsSinceEpoch()};
    ASSERT_EQ(::utime(Backup().c_str(), &times), 0);
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    Main->RestoreSaveCopy();
    QLocale::setDefault(previous);
    ASSERT_GE(Ui.boxes().size(), 2u);
    EXPECT_EQ(Ui.boxes()[0].text.substr(0, 48), "Letzte Datensicherung: M\xE4rz 2, 2007 , 09:05\nBeim");
    EXPECT_EQ(Ui.boxes()[1].caption, "Import");
    EXPECT_EQ(Windows.Made[0]->Calls["TreeBeginUpdate"], 1);
    EXPECT_EQ(Windows.Made[0]->Calls["TreeEndUpdate"], 1);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
}

// A restored device is stored at once: the restore gave the project's communication objects new
// ids, so the block written before would not fit them at the next opening.
TEST_F(RestoreTest, TheRestoredDeviceOpensAgainWithTheSameObjects)
{
    testsupport::AddProductTemplate(ProjectPath);
    Start();
    platform::WriteFileAtomically(Dm->CharSetFileName, testsupport::DeviceProject::CharSet());
    platform::WriteFileAtomically(Dm->DeviceTextFileName, testsupport::DeviceProject::DeviceText());
    constexpr std::int32_t id = 3;
    ASSERT_TRUE(Main->SetDevice(id, false));
    const std::size_t objects = Main->AktDevInst->GetDataPointerMap().size();
    ASSERT_TRUE(Main->SaveToFile("0"));
    const std::size_t before = Ui.boxes().size();

    Main->RestoreSaveCopy();
    // The question, the import's end and the object check's summary.
    ASSERT_EQ(Ui.boxes().size(), before + 3);
    EXPECT_EQ(Ui.boxes()[before + 1].text, Spredit::Text9149);

    DAL_DEVICE record;
    record.DeviceId = id;
    ASSERT_TRUE(Main->DeleteDevice(&record));
    ASSERT_TRUE(Main->SetDevice(id, false));
    EXPECT_EQ(Main->AktDevInst->GetDataPointerMap().size(), objects);
    EXPECT_EQ(Ui.boxes().size(), before + 3) << Ui.boxes().back().caption << ": " << Ui.boxes().back().text;
}

// A cancelled check of the backup's group addresses restores nothing: the device, its block and
// its tree stay as they were, and no failure is reported.
TEST_F(RestoreTest, ACancelledAddressCheckLeavesTheDeviceAsItWasWithoutAFailure)
{
    testsupport::AddProductTemplate(ProjectPath);
    Start();
    platform::WriteFileAtomically(Dm->CharSetFileName, testsupport::DeviceProject::CharSet());
    platform::WriteFileAtomically(Dm->DeviceTextFileName, testsupport::DeviceProject::DeviceText());
    ASSERT_TRUE(Main->SetDevice(3, false));
    TDeviceInstanzTalvo& device = *Main->AktDevInst;
    // One object linked to an address the project lacks: the check shows its dialog, which
    // the user cancels (the scripted UI answers Cancel).
    TEtsObjekt* object = nullptr;
    for (const auto& [handle, data] : device.GetDataPointerMap())
        if (!object)
            object = dynamic_cast<TEtsObjekt*>(data);
    ASSERT_NE(object, nullptr);
    object->AddSubGroupLink(0, 0x2D05, false);
    object->Write(*device.GetDatenSatz(object));
    ASSERT_TRUE(Main->SaveToFile("0"));
    const auto records = [&device] {
        TDeviceInstanz::TRecordTable table("", 0);
        device.CopyStrukturDatenToDB(&table, nullptr);
        std::vector<std::string> lines;
        for (const auto& [key, record] : table.GetRecords())
            lines.push_back(record.ToString());
        return lines;
    };
    const std::vector<std::string> before = records();
    const auto objects = device.GetDataPointerMap();
    const std::string deviceText = device.DeviceTextStream.Bytes();
    const std::size_t boxes = Ui.boxes().size();

    Main->RestoreSaveCopy();
    EXPECT_EQ(Ui.calls(testsupport::ScriptedUi::CallKind::Modal).size(), 1u);
    EXPECT_TRUE(device.ImportCancelled);
    EXPECT_EQ(records(), before);
    EXPECT_EQ(device.GetDataPointerMap(), objects);
    EXPECT_EQ(device.DeviceTextStream.Bytes(), deviceText);
    // The tree emptied for the restore shows the device's objects again.
    EXPECT_EQ(Windows.Made[0]->Calls["TreeClear"], 1);
    EXPECT_EQ(Windows.Made[0]->Calls["DeleteTreeViewNodes"], 1);
    EXPECT_EQ(Windows.Made[0]->Calls["InitData"], 1);
    // The question and the object check's summary; no failure.
    for (std::size_t i = boxes; i < Ui.boxes().size(); ++i)
        EXPECT_NE(Ui.boxes()[i].text, Spredit::Text9150);
    ASSERT_EQ(Ui.boxes().size(), boxes + 2);
    EXPECT_EQ(Ui.boxes().back().text, Spredit::Text9033);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
}

// --- Backups per project ---

// Two projects on one machine whose devices have the same ids, and one editor home.
class ProjectBackupTest : public frametest::FrameFixture {
protected:
    static constexpr std::int32_t Id = 3;

    ProjectBackupTest() : ProjectA(ProjectPath), ProjectB(Folder + "other/demo.ets")
    {
        std::filesystem::create_directories(Folder + "other");
        host::TProjectDatabase::CreateFile(ProjectB, [this](host::TSqlDatabase& db) {
            host::FillDemoProject(db, Folder + "other/");
        });
        testsupport::AddProductTemplate(ProjectA);
        testsupport::AddProductTemplate(ProjectB);
    }

    // The host of that project raises the edit event for the device in a new editor; whatever
    // editor ran before went without a word.
    void OpenIn(const std::string& project)
    {
        StartIn(project);
        ASSERT_TRUE(Main->OpenSorvVisible(Id));
    }
    // A new editor for that project's host.
    void StartIn(const std::string& project)
    {
        Main.reset();
        ProjectPath = project;
        Start();
        platform::WriteFileAtomically(Dm->CharSetFileName, testsupport::DeviceProject::CharSet());
        platform::WriteFileAtomically(Dm->DeviceTextFileName, testsupport::DeviceProject::DeviceText());
        Link->AnswerReturnToEts(true);
        FirstBox = Ui.boxes().size();
    }
    bool Offered() const
    {
        return std::any_of(Ui.boxes().begin() + static_cast<std::ptrdiff_t>(FirstBox), Ui.boxes().end(),
                           [](const auto& box) { return box.text == Spredit::Text9042; });
    }
    std::string LegacyBackup() const { return Folder + "Vantu/AutoSave/" + std::to_string(Id) + ".bus"; }

    const std::string ProjectA;
    const std::string ProjectB;
    std::size_t FirstBox = 0;
};

TEST_F(ProjectBackupTest, ACrashIsOfferedOnlyForTheProjectItHappenedIn)
{
    OpenIn(ProjectA);
    const std::string backupA = Main->AktDevInst->AutoSaveFile;
    Main->AktDevInst->GetDevice()->SetName("Flur A");
    ASSERT_TRUE(Main->SaveToFile("0"));

    Ui.Answer({platform::IDYES});
    OpenIn(ProjectB);
    EXPECT_FALSE(Offered());
    EXPECT_NE(Main->AktDevInst->AutoSaveFile, backupA);
    Dm->ABeenden->trigger();
    ASSERT_EQ(Link->ReturnsToEts(), std::vector<int>{1});

    Ui.Answer({platform::IDNO});
    OpenIn(ProjectA);
    EXPECT_TRUE(Offered());
}

// As the editor left them before backups were kept per project: the backup named by the device
// id alone, the bare id in the list, block and backup without write stamps.
TEST_F(ProjectBackupTest, TheEarlierLayoutsBackupIsOfferedOnceAndMovedIntoTheProjectsFolder)
{
    OpenIn(ProjectA);
    const std::string backup = Main->AktDevInst->AutoSaveFile;
    Dm->ABeenden->trigger();
    const std::regex stamp("WriteStamp=[0-9]+\r\n");
    const std::string earlier = std::regex_replace(platform::ReadWholeFile(backup), stamp, "");
    platform::WriteFileAtomically(LegacyBackup(), earlier);
    std::filesystem::remove(backup);
    {
        host::TProjectDatabase project(ProjectA);
        const std::string block = host::ReadDeviceBlob(project.Sql(), Id).value_or("");
        ASSERT_TRUE(host::WriteDeviceBlob(project.Sql(), Id, std::regex_replace(block, stamp, "")));
    }
    Setting("Options", "NotClosed", "2," + std::to_string(Id));

    Ui.Answer({platform::IDNO});
    OpenIn(ProjectA);
    EXPECT_TRUE(Offered());
    EXPECT_FALSE(std::filesystem::exists(LegacyBackup()));
    EXPECT_EQ(platform::ReadWholeFile(backup), earlier);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), "2," + NotClosedKey(Main->AktDevInst->AutoSaveFolderName, Id));
    Dm->ABeenden->trigger();

    OpenIn(ProjectB);
    EXPECT_FALSE(Offered());
    EXPECT_FALSE(std::filesystem::exists(Main->AktDevInst->AutoSaveFile));
    EXPECT_EQ(ReadSetting("Options", "NotClosed").value_or("").find("2," + std::to_string(Id)), std::string::npos);
}

TEST_F(ProjectBackupTest, AnEarlierBackupBesideANewerOneIsKept)
{
    OpenIn(ProjectA);
    const std::string backup = Main->AktDevInst->AutoSaveFile;
    ASSERT_TRUE(Main->SaveToFile("0"));
    platform::WriteFileAtomically(LegacyBackup(), "earlier");
    Main.reset();

    OpenIn(ProjectA);
    EXPECT_FALSE(std::filesystem::exists(LegacyBackup()));
    EXPECT_EQ(platform::ReadWholeFile(std::filesystem::path(backup).replace_extension(".earlier.bus").string()),
              "earlier");
}

TEST_F(ProjectBackupTest, TheHostsExportFilesLandInTheProjectsFolder)
{
    StartIn(ProjectB);
    bool returnNow = false;
    std::int32_t result = 0;
    std::vector<std::string> files;
    Main->OnCdiExportDevice(returnNow, result, Id, files);
    ASSERT_EQ(files.size(), 1u) << (Ui.boxes().empty() ? std::string() : Ui.boxes().back().text);
    const std::string folder = Folder + "Vantu/AutoSave/" + Main->BackupFolderOf(Id) + "/";
    EXPECT_EQ(files[0].rfind(folder, 0), 0u) << files[0];
    EXPECT_TRUE(std::filesystem::is_regular_file(files[0]));
    EXPECT_NE(Main->BackupFolderOf(Id), BackupFolderName(1, ProjectA));
}

using DeviceIdParameterTest = RecoveryFixture;

TEST_F(DeviceIdParameterTest, TheIdIsWrittenAndReadBack)
{
    Start();
    EXPECT_TRUE(Main->SetParamDeviceIdToEts(1));
    int value = 0;
    EXPECT_TRUE(Main->GetParamDeviceIdFromEts(1, &value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(DeviceIdParameterTest, ADeviceWithoutTheParameterIsToldOnEveryWriteAndRead)
{
    Start();
    EXPECT_FALSE(Main->SetParamDeviceIdToEts(9999));
    int value = 42;
    EXPECT_FALSE(Main->GetParamDeviceIdFromEts(9999, &value));
    EXPECT_EQ(value, 42);
    ASSERT_EQ(Ui.boxes().size(), 2u);
    EXPECT_EQ(Ui.boxes()[0].text, "Fehler: Paramater wurde nicht in der ETS-Datenbank gefunden.\n\nDeviceId");
    EXPECT_EQ(Ui.boxes()[0].caption, "SetDeviceParameter");
    EXPECT_EQ(Ui.boxes()[0].style, platform::MB_ICONERROR);
    EXPECT_EQ(Ui.boxes()[1].caption, "GetDeviceParameter");
}

TEST_F(DeviceIdParameterTest, AnswerTwoCountsAsWritten)
{
    Start();
    Link->FailWrites(TCoCall::SetParameter, 2);
    EXPECT_TRUE(Main->SetParamDeviceIdToEts(1));
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(DeviceIdParameterTest, AValueNotWrittenIsTold)
{
    Start();
    Link->FailWrites(TCoCall::SetParameter, 0);
    EXPECT_FALSE(Main->SetParamDeviceIdToEts(1));
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Fehler: Parameter konnte nicht in die ETS-Datenbank geschrieben werden.\n\nDeviceId");
}

TEST_F(DeviceIdParameterTest, MarkingWithoutADeviceDoesNothing)
{
    Start();
    EXPECT_TRUE(Main->MarkDeviceChangedInEts());
    EXPECT_EQ(Link->Writes(TCoCall::SetParameter), 0);
}

using HostVersionCheckTest = RecoveryFixture;

TEST_F(HostVersionCheckTest, WithoutHostInformationTheHostIsRefused)
{
    Start();
    Link->FailEtsInfo();
    EXPECT_FALSE(Main->EtsVersionCheck());
    EXPECT_TRUE(Ui.boxes().empty());
}

using InactivityTest = RecoveryFixture;

TEST_F(InactivityTest, TheTickEndsTheProgramOnlyWhileHidden)
{
    Start();
    Main->ShowMainWindow();
    Main->TimerTimeoutCloseTimer();
    EXPECT_FALSE(Ended);
    EXPECT_TRUE(Main->TimerTimeoutClose.Enabled());
    Main->HideMainWindow();
    Main->TimerTimeoutCloseTimer();
    EXPECT_TRUE(Ended);
}

TEST_F(InactivityTest, RestartingTakesTheFullInterval)
{
    Start();
    Main->TimerTimeoutClose.SetEnabled(false);
    Main->TimerTimeoutCloseStart(-1);
    EXPECT_TRUE(Main->TimerTimeoutClose.Enabled());
    EXPECT_EQ(Main->TimerTimeoutClose.Interval(), 1800000);
}

} // namespace

namespace {

class OpenPreviewTest : public RecoveryFixture {
protected:
    void SetUp() override { Edit(); }
    std::map<std::string, int>& Calls() { return Previews.Calls; }
};

TEST_F(OpenPreviewTest, WithoutASelectedNodeThePreviewShowsItsBasicState)
{
    Main->OpenPreview(false);
    EXPECT_EQ(Calls()["Create"], 1);
    EXPECT_EQ(Calls()["Init"], 0);
    EXPECT_EQ(Calls()["StayOnTop(false)"], 1);
    EXPECT_EQ(Calls()["Show"], 1);
    EXPECT_FALSE(Device->CharTable.empty());
}

TEST_F(OpenPreviewTest, AnOpenPreviewIsOnlyBroughtToTheFront)
{
    Main->OpenPreview(false);
    Dm->APreviewAlwaysOnTop->trigger();
    EXPECT_EQ(Calls()["Create"], 1);
    EXPECT_EQ(Calls()["BringToFront"], 1);
    EXPECT_EQ(Calls()["StayOnTop(true)"], 1);
}

TEST_F(OpenPreviewTest, RebuildingMakesItAnewForTheSelectedObjectInItsSize)
{
    Windows.Made[0]->Selected = Device->GetDevice();
    Main->OpenPreview(false);
    EXPECT_EQ(Calls()["Init"], 1);
    Dm->APreviewSmall->trigger();
    EXPECT_EQ(Calls()["Create"], 2);
    EXPECT_EQ(Calls()["deleted"], 1);
    EXPECT_EQ(Calls()["InitSmall"], 1);
}

TEST_F(OpenPreviewTest, TheClosedPreviewIsLetGo)
{
    Main->OpenPreview(false);
    platform::SendMessage(Main->GetHandle(), WM_USER_PREVIEWCLOSED, 0, 0);
    EXPECT_EQ(Main->PreviewManager, nullptr);
    EXPECT_EQ(Calls()["deleted"], 1);
}

TEST_F(OpenPreviewTest, TheOneShotTimerOpensThePreviewOnce)
{
    Main->TimerOpenPreview.SetEnabled(true);
    Main->TimerOpenPreviewTimer();
    EXPECT_FALSE(Main->TimerOpenPreview.Enabled());
    EXPECT_EQ(Calls()["Show"], 1);
}

} // namespace
