#include "tests/hostevents/HostEventFixture.h"

#include "app/AutomationEditing.h"
#include "app/AutomationInput.h"
#include "app/RecoveryRules.h"
#include "app/SettingKeys.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "platform/IniFile.h"
#include "platform/TraceLog.h"

#include <QApplication>

#include <filesystem>
#include <functional>

namespace hosttest {
namespace {

// One event under one condition: what is arranged, the event, its answers and what must hold.
struct EventCase {
    const char* Name;
    std::function<void(HostEventFixture&)> Arrange;
    std::function<Answers(TFormMain&)> Raise;
    Answers Expected;
    std::function<void(HostEventFixture&)> Check;
};

class HostEvents : public HostEventFixture, public ::testing::WithParamInterface<EventCase> {
public:
    // Gives the test's body access to the fixture's members.
    using HostEventFixture::Block;
    using HostEventFixture::Link;
    using HostEventFixture::Main;
    using HostEventFixture::Ui;
    using HostEventFixture::Folder;
    void Old() const { HostVersion(0x00010002, 100); }
    void NotClosed(const std::string& list) const
    {
        platform::WritePrivateProfileString(SECTION_OPTIONS, std::string(KEY_NOTCLOSED), list, Dm->IniFileName);
    }
    std::string NotClosedNow() const
    {
        return platform::GetPrivateProfileString(SECTION_OPTIONS, std::string(KEY_NOTCLOSED), "", 1024, Dm->IniFileName);
    }
    void LogStart() const { Dm->fLogStart = true; }
};

// The event as a host raises it, passing its returnNow.
template <class THandler, class... TArgs>
std::function<Answers(TFormMain&)> EventPassing(bool hostReturnNow, THandler handler, TArgs... args)
{
    return [=](TFormMain& form) mutable {
        Answers answers;
        std::int32_t result = -1;
        bool returnNow = hostReturnNow;
        (form.*handler)(returnNow, result, args...);
        answers.ReturnNow = returnNow;
        answers.Result = result;
        return answers;
    };
}

template <class THandler, class... TArgs>
std::function<Answers(TFormMain&)> Event(THandler handler, TArgs... args)
{
    return EventPassing(true, handler, args...);
}

Answers Export(TFormMain& form, std::vector<std::string>& files)
{
    Answers answers;
    form.OnCdiExportDevice(answers.ReturnNow, answers.Result, 1, files);
    return answers;
}

const auto Nothing = [](HostEventFixture&) {};

TEST_P(HostEvents, AnswerAndEffect)
{
    Start();
    const EventCase& event = GetParam();
    event.Arrange(*this);
    const Answers answers = event.Raise(*Main);
    EXPECT_EQ(answers.Result, event.Expected.Result);
    EXPECT_EQ(answers.ReturnNow, event.Expected.ReturnNow);
    event.Check(*this);
}

std::vector<EventCase> Cases()
{
    using F = TFormMain;
    return {
        {"CreateKindMinus2MakesNothing",
         [](HostEventFixture& f) { static_cast<HostEvents&>(f).Main->TimerTimeoutClose.SetEnabled(false); },
         Event(&F::OnCdiCreateDevice, -2, 9), {true, 1},
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             EXPECT_TRUE(t.Main->MapDevInst.empty());
             EXPECT_FALSE(t.Main->TimerTimeoutClose.Enabled());
         }},
        {"DeleteTakesTheIdOutOfNotClosed",
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             ASSERT_TRUE(t.Main->SetDevice(1, false));
             t.NotClosed(NotClosedKey(t.Main->BackupFolderOf(1), 1) + "," + NotClosedKey(t.Main->BackupFolderOf(2), 2));
         },
         Event(&F::OnCdiDeleteDevice, 1), {true, 0},
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             EXPECT_FALSE(t.Main->MapDevInst.contains(1));
             EXPECT_EQ(t.Main->AktDevInst, nullptr);
             EXPECT_EQ(t.NotClosedNow(), NotClosedKey(t.Main->BackupFolderOf(2), 2));
         }},
        {"UnlinkOfTheDeletedDeviceTouchesNothing",
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             bool returnNow = true;
             std::int32_t result = 0;
             t.Main->OnCdiDeleteDevice(returnNow, result, 1);
         },
         Event(&F::OnCdiUnlinkObjFromSubGroup, 1, std::int16_t{5}, 7), {true, 1},
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             EXPECT_EQ(t.Link->BlobReads, 0);
             EXPECT_TRUE(t.Main->MapDevInst.empty());
         }},
        {"UnlinkOfAnotherDeviceWorksAsEver",
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             bool returnNow = true;
             std::int32_t result = 0;
             t.Main->OnCdiDeleteDevice(returnNow, result, 2);
         },
         Event(&F::OnCdiUnlinkObjFromSubGroup, 1, std::int16_t{999}, 7), {true, 1},
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             EXPECT_EQ(t.Link->BlobReads, 1);
             EXPECT_TRUE(t.Link->Writes.empty() || t.Link->Writes.back().rfind("blob", 0) != 0);
         }},
        {"LinkOfAMissingObjectNumber",
         Nothing, Event(&F::OnCdiLinkObjToSubGroup, 1, std::int16_t{999}, 7), {true, 0},
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             for (const std::string& write : t.Link->Writes)
                 EXPECT_EQ(write.rfind("blob", 0), std::string::npos) << write;
             EXPECT_EQ(t.Block(1), DemoBlock());
         }},
        {"UnlinkOfAMissingObjectNumber",
         Nothing, Event(&F::OnCdiUnlinkObjFromSubGroup, 1, std::int16_t{999}, 7), {true, 1},
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             for (const std::string& write : t.Link->Writes)
                 EXPECT_EQ(write.rfind("blob", 0), std::string::npos) << write;
         }},
        {"FailedEditClosesTheLogAndRestoresTheCursor",
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             t.LogStart();
             t.Main->TimerTimeoutClose.SetEnabled(false);
             t.Link->FailBlobRead = true;
         },
         Event(&F::OnCdiEditParameters, 1), {true, 0},
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             EXPECT_FALSE(platform::TTraceLog::IsOn());
             EXPECT_EQ(t.Ui.ScreenCursor(), platform::crDefault);
             EXPECT_TRUE(t.Main->TimerTimeoutClose.Enabled());
             EXPECT_FALSE(t.Main->isVisible());
         }},
        {"RebuildIsNeverDone", [](HostEventFixture& f) { static_cast<HostEvents&>(f).LogStart(); },
         Event(&F::OnCdiDoReconstruct, 1, 0, 2, std::string("image.s19")), {true, 0},
         [](HostEventFixture&) { EXPECT_FALSE(platform::TTraceLog::IsOn()); }},
        {"OldHostRefusesTheEdit", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiEditParameters, 1), {true, 0},
         [](HostEventFixture& f) { EXPECT_TRUE(static_cast<HostEvents&>(f).Main->MapDevInst.empty()); }},
        {"OldHostRefusesTheUnlink", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiUnlinkObjFromSubGroup, 1, std::int16_t{5}, 7), {true, 0}, Nothing},
        {"OldHostRefusesTheEditObject", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiEditObject, 1), {true, 0}, Nothing},
        {"OldHostRefusesTheExport", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiExportDevice, 1, std::vector<std::string>{}), {true, 0}, Nothing},
        {"OldHostRefusesTheCreate", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiCreateDevice, 0, 1), {true, 0}, Nothing},
        {"OldHostRefusesTheLink", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiLinkObjToSubGroup, 1, std::int16_t{3}, 2), {true, 0}, Nothing},
        {"OldHostRefusesTheDownload", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiDoDownload2, 1, std::uint16_t{0x1101}, std::uint16_t{0x1101},
                      tagEIB_BASE_PROGRAMMING{}, std::int16_t{2}),
         {true, 0}, Nothing},
        {"OldHostGetsReturnNowForTheDelete", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiDeleteDevice, 2), {true, 0}, Nothing},
        {"OldHostGetsReturnNowForTheImport", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiImportDevice, 1), {true, 0}, Nothing},
        {"OldHostGetsReturnNowForTheCopy", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiCopyDevice, 4, 1, false), {true, 0}, Nothing},
        {"OldHostGetsReturnNowForTheRebuild", [](HostEventFixture& f) { static_cast<HostEvents&>(f).Old(); },
         EventPassing(false, &F::OnCdiDoReconstruct, 1, 0, 2, std::string("image.s19")), {true, 0}, Nothing},
        {"LogStartPastTheCheck", [](HostEventFixture& f) { static_cast<HostEvents&>(f).LogStart(); },
         Event(&F::OnCdiLinkObjToSubGroup, 1, std::int16_t{999}, 7), {true, 0},
         [](HostEventFixture&) { EXPECT_TRUE(platform::TTraceLog::IsOn()); }},
        {"LogStartNotForARefusedEvent",
         [](HostEventFixture& f) {
             auto& t = static_cast<HostEvents&>(f);
             t.LogStart();
             t.Old();
         },
         Event(&F::OnCdiLinkObjToSubGroup, 1, std::int16_t{999}, 7), {true, 0},
         [](HostEventFixture&) { EXPECT_FALSE(platform::TTraceLog::IsOn()); }},
    };
}

INSTANTIATE_TEST_SUITE_P(Table, HostEvents, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<EventCase>& info) { return std::string(info.param.Name); });

class HostExport : public HostEventFixture {};

TEST_F(HostExport, TwiceWritesTheFileAndAppendsItsPathTwice)
{
    Start();
    std::vector<std::string> files;
    const Answers first = Export(*Main, files);
    const Answers second = Export(*Main, files);
    EXPECT_EQ(first.Result, 1);
    EXPECT_EQ(second.Result, 1);
    EXPECT_TRUE(second.ReturnNow);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], files[1]);
    EXPECT_EQ(std::filesystem::path(files[0]).filename(), "1.bup");
    EXPECT_TRUE(std::filesystem::is_regular_file(files[0]));
}

class HostEdit : public HostEventFixture {};

TEST_F(HostEdit, OpensTheEditorOnTheDevice)
{
    Start();
    Answers answers;
    Main->OnCdiEditParameters(answers.ReturnNow, answers.Result, 1);
    EXPECT_EQ(answers.Result, 1);
    EXPECT_FALSE(answers.ReturnNow);
    EXPECT_TRUE(Main->isVisible());
    ASSERT_NE(Main->AktDevInst, nullptr);
    EXPECT_EQ(Main->AktDevInst, Main->MapDevInst.at(1).get());
    ASSERT_EQ(Windows.Made.size(), 1u);
    EXPECT_EQ(Windows.Made[0]->Device, Main->AktDevInst);
    EXPECT_FALSE(Main->TimerTimeoutClose.Enabled());
}

TEST_F(HostEdit, AnEditBeforeTheStartTimerFiredStaysShown)
{
    Start();
    Main->TimerStartEdit.SetEnabled(true);
    Answers answers;
    Main->OnCdiEditParameters(answers.ReturnNow, answers.Result, 1);
    ASSERT_EQ(answers.Result, 1);
    while (Main->TimerStartEdit.Running())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_TRUE(Main->isVisible());
}

TEST_F(HostEdit, ALostHostEndsTheProgramOnlyWhileNothingIsEdited)
{
    Start();
    ASSERT_TRUE(Main->Ets2Cdi->OnHostLost);
    Main->show();
    Main->Ets2Cdi->OnHostLost();
    EXPECT_FALSE(Ended);
    Main->hide();
    Main->Ets2Cdi->OnHostLost();
    EXPECT_TRUE(Ended);
}

TEST_F(HostEdit, StopEndsTheProgramWithoutWriting)
{
    Start();
    const std::string before = Block(1);
    Main->OnWmUserSvStop();
    EXPECT_TRUE(Ended);
    EXPECT_EQ(Block(1), before);
}

} // namespace
} // namespace hosttest

namespace hosttest {
namespace {

class HostEditObject : public HostEventFixture {
protected:
    std::int32_t FirstDeviceObject(std::int32_t device) const
    {
        Sql("INSERT INTO device_object (device_id, comm_object_id, number) SELECT " + std::to_string(device) +
            ", id, number FROM comm_object ORDER BY id LIMIT 1");
        host::TProjectDatabase project(ProjectPath);
        host::TSqlStatement query(project.Sql(), "SELECT id FROM device_object WHERE device_id = ?1 ORDER BY id");
        query.Bind(1, device);
        return query.Step() ? query.Int(0) : -1;
    }
};

TEST_F(HostEditObject, AnObjectWithoutANodeStillOpensTheEditor)
{
    Start();
    const std::int32_t object = FirstDeviceObject(1);
    ASSERT_GT(object, 0);
    Answers answers;
    Main->OnCdiEditObject(answers.ReturnNow, answers.Result, object);
    EXPECT_EQ(answers.Result, 1);
    EXPECT_FALSE(answers.ReturnNow);
    ASSERT_NE(Main->AktDevInst, nullptr);
    EXPECT_TRUE(Main->MapDevInst.contains(1));
    EXPECT_TRUE(Main->isVisible());
}

TEST_F(HostEditObject, AnUnknownObjectAnswersZeroWithoutABoxOrAModel)
{
    Start();
    Answers answers;
    Main->OnCdiEditObject(answers.ReturnNow, answers.Result, 999999);
    EXPECT_EQ(answers.Result, 0);
    EXPECT_TRUE(answers.ReturnNow);
    EXPECT_TRUE(Ui.boxes().empty());
    EXPECT_TRUE(Main->MapDevInst.empty());
    EXPECT_FALSE(Main->isVisible());
    EXPECT_TRUE(Main->TimerTimeoutClose.Enabled());
    EXPECT_FALSE(Ended);
}

// The link and export events hand the device over without showing it: the hidden editor edits
// nothing until the host opens it.
TEST_F(HostEditObject, ADeviceHandedOverHiddenIsNotEdited)
{
    Start();
    ASSERT_TRUE(Main->SetDevice(1, false));
    ASSERT_FALSE(Main->AktDevInst->GetDataPointerMap().empty());
    const std::string name = Main->AktDevInst->GetDataPointerMap().begin()->second->GetName(false);
    EXPECT_EQ(AutomationEditing::SelectObject(*Main, name), AutomationEditing::NotEditing);
    TAutomationInput input(*Main);
    EXPECT_EQ(AutomationEditing::SetCell(*Main, input, "Anzahl Tasten=4"), AutomationEditing::NotEditing);
}

TEST_F(HostEditObject, ACreateWhoseDeviceCannotBeMadeSaysSo)
{
    Start();
    Answers answers;
    Main->OnCdiCreateDevice(answers.ReturnNow, answers.Result, 0, 2);
    EXPECT_EQ(answers.Result, 0);
    EXPECT_TRUE(answers.ReturnNow);
    ASSERT_FALSE(Ui.boxes().empty());
    EXPECT_EQ(Ui.boxes().back().text, "TFormMain::OnCdiCreateDevice()::CreateDevice(DalDevice) == 0");
    EXPECT_EQ(Ui.boxes().back().style, platform::MB_ICONERROR);
    EXPECT_TRUE(Main->TimerTimeoutClose.Enabled());
}

} // namespace
} // namespace hosttest
