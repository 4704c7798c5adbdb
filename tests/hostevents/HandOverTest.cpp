#include "tests/hostevents/HostEventFixture.h"

#include "app/InitSettingKey.h"
#include "app/SettingKeys.h"
#include "platform/IniFile.h"

namespace hosttest {
namespace {

class HandOver : public HostEventFixture {
protected:
    std::vector<std::int32_t> Steps() const
    {
        std::vector<std::int32_t> steps;
        for (const auto& call : Ui.calls(testsupport::ScriptedUi::CallKind::ProgressStep))
            steps.push_back(call.value);
        return steps;
    }
};

TEST_F(HandOver, ReusesTheModelOfTheIdAndReadsItsBlockAgain)
{
    Start();
    ASSERT_TRUE(Main->SetDevice(1, false));
    TDeviceInstanzTalvo* first = Main->AktDevInst;
    ASSERT_TRUE(Main->SetDevice(1, false));
    EXPECT_EQ(Main->AktDevInst, first);
    EXPECT_EQ(Main->MapDevInst.size(), 1u);
    EXPECT_EQ(AlignedDevice::Alive, 1);
    EXPECT_EQ(Link->BlobReads, 2);
}

TEST_F(HandOver, WithoutShowMakesNoWindowAndTakesTwoSteps)
{
    Start();
    ASSERT_TRUE(Main->SetDevice(1, false));
    EXPECT_TRUE(Windows.Made.empty());
    EXPECT_EQ(FormVerw, nullptr);
    EXPECT_EQ(Steps(), (std::vector<std::int32_t>{1, 2}));
    EXPECT_FALSE(Ui.progressOpen());
}

TEST_F(HandOver, CaptionOfACommentWithLineBreaksIsOneLine)
{
    Sql("UPDATE device SET description = 'a' || char(13) || char(10) || 'b' WHERE id = 1");
    Start();
    ASSERT_TRUE(Main->SetDevice(1, false));
    EXPECT_EQ(Main->windowTitle().toStdString(), Main->AktDevInst->GetDeviceName() + " [a b]");
}

TEST_F(HandOver, ShownWithoutAWindowMakesOneInFiveSteps)
{
    Start();
    ASSERT_TRUE(Main->SetDevice(1, true));
    ASSERT_EQ(Windows.Made.size(), 1u);
    EXPECT_EQ(FormVerw, Windows.Made[0]);
    EXPECT_EQ(Main->ListFormVerw, (std::vector<TFormVerwBase*>{Windows.Made[0]}));
    EXPECT_EQ(Windows.Made[0]->Device, Main->AktDevInst);
    EXPECT_EQ(Windows.Made[0]->windowTitle(), QStringLiteral("Projektierung"));
    EXPECT_EQ(Steps(), (std::vector<std::int32_t>{1, 2, 3, 4, 5}));
}

TEST_F(HandOver, ShownInTheThirdWindowCaptionsItWithItsNumber)
{
    Start();
    Main->NewFormVerw();
    Main->NewFormVerw();
    FormVerw = Main->NewFormVerw();
    Pump();
    ASSERT_TRUE(Main->SetDevice(1, true));
    EXPECT_EQ(FormVerw->windowTitle(), QStringLiteral("Projektierung:2"));
    EXPECT_EQ(Steps(), (std::vector<std::int32_t>{1, 2, 3, 4}));
}

TEST_F(HandOver, DeleteOfAnUnknownIdKeepsTheCurrentModel)
{
    Start();
    ASSERT_TRUE(Main->SetDevice(1, false));
    TDeviceInstanzTalvo* current = Main->AktDevInst;
    DAL_DEVICE record;
    record.DeviceId = 42;
    EXPECT_FALSE(Main->DeleteDevice(&record));
    EXPECT_EQ(Main->AktDevInst, current);
    record.DeviceId = 1;
    EXPECT_TRUE(Main->DeleteDevice(&record));
    EXPECT_EQ(Main->AktDevInst, nullptr);
    EXPECT_EQ(AlignedDevice::Alive, 0);
}

TEST_F(HandOver, CreateOverAStaleEntryLeavesOneModel)
{
    Start();
    ASSERT_TRUE(Main->SetDevice(1, false));
    DAL_DEVICE record = Main->ReadDeviceRecord(1, nullptr);
    Main->CreateDevice(&record);
    EXPECT_EQ(AlignedDevice::Alive, 1);
    EXPECT_EQ(Main->MapDevInst.size(), 1u);
    EXPECT_EQ(Main->AktDevInst, Main->MapDevInst.at(1).get());
}

class HandOverCancel : public HandOver, public ::testing::WithParamInterface<int> {};

TEST_P(HandOverCancel, AtEachCheckAnswersFalseAndTheNextStartsClear)
{
    Start();
    Ui.CancelProgressAtStep(GetParam());
    EXPECT_FALSE(Main->SetDevice(1, true));
    EXPECT_TRUE(Main->fAbbruch);
    EXPECT_TRUE(Main->SetDevice(1, true));
    EXPECT_FALSE(Main->fAbbruch);
    EXPECT_EQ(Main->MapDevInst.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Steps, HandOverCancel, ::testing::Values(1, 2, 3, 4));

class InitSettings : public HandOver {};

TEST_F(InitSettings, AThreeDigitTypeReadsItsWholeKeyAndFallsBackToTheFormerOne)
{
    Start();
    const std::string& ini = Dm->IniFileName;
    platform::WritePrivateProfileString(SECTION_INITIALISIERUNG, "Modus_bu16", "2", ini);
    EXPECT_EQ(InitSetting::ReadKey(ini, KEY_MODUS, "116"), "Modus_bu16");
    platform::WritePrivateProfileString(SECTION_INITIALISIERUNG, InitSetting::WriteKey(KEY_MODUS, "116"), "1", ini);
    EXPECT_EQ(InitSetting::ReadKey(ini, KEY_MODUS, "116"), "Modus_bu116");
    EXPECT_EQ(InitSetting::ReadKey(ini, KEY_MODUS, "44"), "Modus_bu44");
    EXPECT_EQ(InitSetting::DefaultFile("/p/", "116"), "/p/Init/default.bu116");
}

TEST_F(InitSettings, TheHandOverGivesTheDeviceItsModeAndFiles)
{
    Start();
    const std::string& ini = Dm->IniFileName;
    platform::WritePrivateProfileString(SECTION_INITIALISIERUNG, "Modus_bu18", "258", ini);
    platform::WritePrivateProfileString(SECTION_INITIALISIERUNG, "InitFileCreateUser_bu18", "/x/user.bu18", ini);
    ASSERT_TRUE(Main->SetDevice(1, false));
    EXPECT_EQ(Main->AktDevInst->GetInitFileCreateUser(), "/x/user.bu18");
    EXPECT_EQ(Main->AktDevInst->GetInitFileCreate().substr(Main->AktDevInst->GetInitFileCreate().size() - 17),
              "Init/default.bu18");
}

} // namespace
} // namespace hosttest
