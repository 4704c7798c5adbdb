#include "app/RecoveryRules.h"
#include "tests/app/FrameFixture.h"

#include "app/Spredit.h"
#include "device/CommaText.h"
#include "outside/addrlink/EtsObjekt.h"
#include "platform/FileIo.h"
#include "tests/support/DeviceProject.h"
#include "views/ViewMessages.h"

#include <QAction>

#include <QLocale>

#include <filesystem>
#include <fstream>

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
    std::string Backup() const { return Folder + "Vantu/AutoSave/1.bus"; }
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
    Setting("Options", "NotClosed", "3,1,5");
    Ui.Answer({platform::IDNO});
    Main->RecoveryCheck(true, 1);
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].caption, "Best\xE4tigen");
    EXPECT_EQ(Ui.boxes()[0].style, platform::MB_YESNO | platform::MB_ICONINFORMATION);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), "3,1,5");
}

TEST_F(RecoveryCheckTest, OpeningAppendsAndTheFullListDropsItsOldest)
{
    Start();
    Setting("Options", "NotClosed", JoinCommaText(Ids(100, 16)));
    Main->RecoveryCheck(true, 7);
    auto expected = Ids(101, 15);
    expected.push_back("7");
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), JoinCommaText(expected));
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(RecoveryCheckTest, AFullListHoldingTheOpenedIdLosesNothing)
{
    Start();
    Setting("Options", "NotClosed", JoinCommaText(Ids(100, 16)));
    Ui.Answer({platform::IDNO});
    Main->RecoveryCheck(true, 100);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), JoinCommaText(Ids(100, 16)));
}

TEST_F(RecoveryCheckTest, HidingRemovesExactlyTheDevice)
{
    Start();
    Setting("Options", "NotClosed", "11,1,111");
    Main->RecoveryCheck(false, 1);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), "11,111");
    Main->RecoveryCheck(false, 2);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), "11,111");
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
