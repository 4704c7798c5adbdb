#include "app/FrameMessages.h"
#include "app/RecoveryRules.h"
#include "tests/app/FrameFixture.h"

#include <QAction>

#include <filesystem>

namespace {

using frametest::RecordingFormVerw;
using testsupport::ScriptedUi;

constexpr std::int32_t EditedId = 1;

class EndOfEditFixture : public frametest::FrameFixture {
protected:
    // The main window shown with the demo project's first device being edited; it was opened
    // (its id is in the list of unfinished devices) and the host takes the return.
    void Edit()
    {
        Start();
        TDeviceInstanzTalvo* device = AddDevice(EditedId);
        Backup = device->AutoSaveFile;
        Key = NotClosedKey(device->AutoSaveFolderName, EditedId);
        Setting("Options", "NotClosed", "7," + Key);
        Main->ShowMainWindow();
        Link->AnswerReturnToEts(true);
    }
    RecordingFormVerw& First() { return *Windows.Made.at(0); }
    bool BackupExists() const { return std::filesystem::exists(Backup); }
    std::string Backup;
    // The device's entry in the list of unfinished devices.
    std::string Key;
};

struct Road {
    const char* name;
    bool close;
    bool discard;
    bool rememberWindowState;
    bool showProgress;
    bool returnToHost;
    // What it does:
    bool writesBlob;
    std::vector<int> returns;
    bool ends;
    bool opensProgress;
    bool keepsTheDeviceUnfinished;
};

class EndOfEditRoadTest : public EndOfEditFixture, public ::testing::WithParamInterface<Road> {};

TEST_P(EndOfEditRoadTest, DoesWhatItsRoadSays)
{
    const Road& road = GetParam();
    Edit();
    Main->ApplCloseOrHide(road.close, road.discard, road.rememberWindowState, road.showProgress, road.returnToHost);

    EXPECT_EQ(Link->BlobWrites(), road.writesBlob ? 1 : 0);
    EXPECT_EQ(BackupExists(), road.writesBlob);
    EXPECT_EQ(Link->ReturnsToEts(), road.returns);
    EXPECT_EQ(Ended, road.ends);
    EXPECT_FALSE(Main->isVisible());
    EXPECT_EQ(Ui.calls(ScriptedUi::CallKind::ProgressStart).size(), road.opensProgress ? 1u : 0u);
    EXPECT_FALSE(Ui.progressOpen());
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), road.keepsTheDeviceUnfinished ? "7," + Key : "7");
    EXPECT_EQ(Main->AktDevInst, nullptr);
    EXPECT_EQ(Main->MapDevInst.size(), road.close ? 1u : 0u); // the close road leaves the model to the end
    EXPECT_TRUE(Ui.boxes().empty());
    if (!road.close) {
        EXPECT_TRUE(Main->TimerTimeoutClose.Enabled());
        EXPECT_EQ(Main->TimerTimeoutClose.Interval(), 1800000);
        EXPECT_FALSE(Dm->GetTimerAutoSave().Enabled());
        EXPECT_EQ(Ui.ScreenCursor(), platform::crDefault);
        EXPECT_EQ(First().Calls["DeleteTreeViewNodes"], 1);
        EXPECT_EQ(First().Device, nullptr);
    }
    // Each step is reported, the dialog open or not.
    const auto steps = Ui.calls(ScriptedUi::CallKind::ProgressStep);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().value, road.close ? 7 : 9);
}

INSTANTIATE_TEST_SUITE_P(
    Roads, EndOfEditRoadTest,
    ::testing::Values(Road{"BackToTheHost", false, false, true, true, true, true, {1}, false, true, false},
                      Road{"Discard", true, true, true, true, true, false, {0}, true, false, true},
                      Road{"NewDevice", false, false, false, false, false, true, {}, false, false, false}),
    [](const ::testing::TestParamInfo<Road>& info) { return std::string(info.param.name); });

class EndOfEditTest : public EndOfEditFixture {};

TEST_F(EndOfEditTest, WithoutChangesTheDeviceIdParameterIsUntouched)
{
    Edit();
    Dm->ABeenden->trigger();
    EXPECT_EQ(Link->Writes(TCoCall::SetParameter), 0);
}

TEST_F(EndOfEditTest, AChangeMarksTheDeviceInTheHostAndPutsTheIdBack)
{
    Edit();
    platform::SendMessage(Main->GetHandle(), WM_USER_SETMODIFIED, 0, 0);
    Dm->ABeenden->trigger();
    EXPECT_EQ(Link->Writes(TCoCall::SetParameter), 2);
    int value = 0;
    EXPECT_TRUE(Main->GetParamDeviceIdFromEts(EditedId, &value));
    EXPECT_EQ(value, EditedId);
}

TEST_F(EndOfEditTest, AClosedPreviewIsStoredAsClosed)
{
    Edit();
    Dm->ABeenden->trigger();
    EXPECT_EQ(ReadSetting("Window", "ShowPreview"), "0");
}

TEST_F(EndOfEditTest, AnOpenPreviewIsStoredAndClosed)
{
    Edit();
    Main->OpenPreview(false);
    ASSERT_NE(Main->PreviewManager, nullptr);
    Dm->ABeenden->trigger();
    EXPECT_EQ(ReadSetting("Window", "ShowPreview"), "1");
    EXPECT_EQ(Main->PreviewManager, nullptr);
    EXPECT_GE(Previews.Calls["SetRegData"], 1);
    EXPECT_EQ(Previews.Calls["deleted"], 1);
}

TEST_F(EndOfEditTest, AfterALanguageChangeLeavingSavesReturnsAndEnds)
{
    Edit();
    Dm->fLanguageChanged = true;
    Dm->ABeenden->trigger();
    EXPECT_EQ(Link->BlobWrites(), 1);
    EXPECT_EQ(Link->ReturnsToEts(), std::vector<int>{1});
    EXPECT_TRUE(Ended);
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), "7");
}

TEST_F(EndOfEditTest, AFailedBlobWriteKeepsTheDeviceInTheList)
{
    Edit();
    Link->FailBlobWrite();
    Dm->ABeenden->trigger();
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), "7," + Key);
    EXPECT_FALSE(Ended);
}

TEST_F(EndOfEditTest, AFailedReturnIsToldAndTheEditEndsAllTheSame)
{
    Edit();
    Link->AnswerReturnToEts(false);
    Dm->ABeenden->trigger();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "return fehlgeschlagen");
    EXPECT_EQ(Ui.boxes()[0].caption, "Close");
    EXPECT_FALSE(Main->isVisible());
}

TEST_F(EndOfEditTest, AFailedReturnOnDiscardIsTold)
{
    Edit();
    Link->AnswerReturnToEts(false);
    Dm->AVerwerfen->trigger();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Error return to ETS");
    EXPECT_TRUE(Ended);
}

TEST_F(EndOfEditTest, AThrowingStepStillRunsTheClosingSteps)
{
    Edit();
    First().ThrowOnSetRegData = true;
    EXPECT_THROW(Main->ApplCloseOrHide(false, false, true, true, true), std::runtime_error);
    EXPECT_FALSE(Ui.progressOpen());
    EXPECT_EQ(Ui.ScreenCursor(), platform::crDefault);
    EXPECT_TRUE(Main->TimerTimeoutClose.Enabled());
    EXPECT_EQ(Link->BlobWrites(), 0);
    // The data never reached the host: the device stays among the unfinished ones.
    EXPECT_EQ(ReadSetting("Options", "NotClosed"), "7," + Key);
}

TEST_F(EndOfEditTest, AThrowingStepFromTheMenuIsShownAndEndsTheProgram)
{
    Edit();
    First().ThrowOnSetRegData = true;
    Dm->ABeenden->trigger();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text.rfind("settings broken\n\nErrorType: std::runtime_error\nSender: QAction\n", 0), 0u);
    EXPECT_TRUE(Ended);
}

TEST_F(EndOfEditTest, TheUserClosingTheMainWindowStoresHidesAndReturns)
{
    Edit();
    Main->close();
    EXPECT_EQ(Link->BlobWrites(), 1);
    EXPECT_EQ(Link->ReturnsToEts(), std::vector<int>{1});
    EXPECT_FALSE(Main->isVisible());
    EXPECT_FALSE(Ended);
}

TEST_F(EndOfEditTest, TheCloseMessageTakesTheSameRoad)
{
    Edit();
    EXPECT_EQ(platform::SendMessage(Main->GetHandle(), WM_CLOSE, 0, 0), 1);
    EXPECT_EQ(Link->ReturnsToEts(), std::vector<int>{1});
    EXPECT_FALSE(Ended);
}

TEST_F(EndOfEditTest, AnOpenCellEditorIsTakenFirst)
{
    Edit();
    First().GridFocus = true;
    Dm->ABeenden->trigger();
    EXPECT_EQ(First().Calls["DeleteZellenKomponente"], 1);
    EXPECT_EQ(First().Calls["UnbindResize"], 1);
    EXPECT_EQ(First().Calls["SetRegData"], 1);
}

TEST_F(EndOfEditTest, TheStartTimerHidesTheMainWindowOnce)
{
    Start();
    Main->show();
    Main->TimerStartEditTimer();
    EXPECT_FALSE(Main->isVisible());
    EXPECT_FALSE(Main->TimerStartEdit.Enabled());
}

TEST_F(EndOfEditTest, ATimeOutAnnouncementRecordsItsCode)
{
    Start();
    platform::SendMessage(Main->GetHandle(), WM_USER_TIMEOUTSTART, 2101, 0);
    EXPECT_EQ(Main->TimeOutCode, 2101);
    EXPECT_TRUE(Ui.boxes().empty());
}

} // namespace
