#include "app/FailureText.h"
#include "app/Startup.h"
#include "tests/app/FrameFixture.h"

#include "platform/Clock.h"

#include <QAction>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

using testing::StartsWith;
using testsupport::ScriptedUi;

namespace {

const QDateTime FailureMoment(QDate(2007, 3, 2), QTime(9, 5, 7, 420));

TEST(FailureTextTest, TimeStampCountsHundredthsInThreeDigits)
{
    EXPECT_EQ(StartupFailureText("kaputt", FailureMoment), "2007-03-02 09:05:07,042:\nkaputt");
    EXPECT_EQ(FailureTimeStamp(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59, 999))), "1999-12-31 23:59:59,099");
}

TEST(FailureTextTest, HandlerFailureAddsTypeSenderAndMoment)
{
    const std::runtime_error failure("kaputt");
    EXPECT_EQ(HandlerFailureText(failure.what(), ExceptionClassName(failure), "QAction", FailureMoment),
              "kaputt\n\nErrorType: std::runtime_error\nSender: QAction\nDate/Time: 2007-03-02 09:05:07,042");
}

class StartupTest : public frametest::FrameFixture {};

TEST_F(StartupTest, AFailingDataModuleIsShownWithItsMomentAndTheProgramEndsWithZero)
{
    const platform::TScopedClock clock(FailureMoment);
    TProgramFactories factories;
    bool mainWindowMade = false;
    factories.DataModule = [&]() -> std::unique_ptr<TDM> { throw std::runtime_error("no data module"); };
    factories.MainWindow.HostLink = [&](const std::string&) {
        mainWindowMade = true;
        return std::unique_ptr<TEts2Cdi_Extended1>();
    };

    EXPECT_EQ(RunProgram({"panelconf", "244_ID"}, factories), 0);

    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "2007-03-02 09:05:07,042:\nno data module");
    EXPECT_FALSE(mainWindowMade);
    EXPECT_EQ(FormMain, nullptr);
    EXPECT_EQ(DM, nullptr);
}

TEST_F(StartupTest, TheProgramRunsHiddenUntilTheMainWindowClosesItself)
{
    bool hiddenWhileRunning = false;
    QTimer::singleShot(50, [&] {
        hiddenWhileRunning = FormMain != nullptr && !FormMain->isVisible() && FormVerw != nullptr;
        FormMain->TimerTimeoutCloseTimer(); // the inactivity tick while hidden ends the program
    });
    EXPECT_EQ(RunProgram({"panelconf", "244_ID"}), 0);
    EXPECT_TRUE(hiddenWhileRunning);
    EXPECT_EQ(FormMain, nullptr);
    EXPECT_EQ(DM, nullptr);
}

TEST_F(StartupTest, WithoutAnArgumentTheModuleNameIsAskedAndCancelLeavesItEmpty)
{
    Ui.AnswerQuery(std::nullopt);
    Start({"panelconf"});

    const auto queries = Ui.calls(ScriptedUi::CallKind::InputQuery);
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0].caption, "Devicetype");
    EXPECT_EQ(queries[0].text, "Set module name, e.g. 244_ID");
    EXPECT_EQ(Main->ModulName, "");
    EXPECT_NE(Main->GetEts2Cdi(), nullptr);
}

TEST_F(StartupTest, TheModuleNameTypedIsTaken)
{
    Ui.AnswerQuery("244_ID");
    Start({"panelconf"});
    EXPECT_EQ(Main->ModulName, "244_ID");
}

TEST_F(StartupTest, TheArgumentIsTheModuleNameAndNothingIsAsked)
{
    Start({"panelconf", "245_ID"});
    EXPECT_EQ(Main->ModulName, "245_ID");
    EXPECT_TRUE(Ui.calls(ScriptedUi::CallKind::InputQuery).empty());
}

TEST_F(StartupTest, FullAccessFromTheSettingsSurvivesTheCreation)
{
    Dm = std::make_unique<TDM>(nullptr);
    Setting("Options", "HighAccess", "1");
    Start();
    EXPECT_TRUE(Dm->HighAccess());
    EXPECT_TRUE(Dm->AVollzugriff->isChecked());
    EXPECT_EQ(Dm->MainWindowHandle, Main->GetHandle());
}

TEST_F(StartupTest, TheMainWindowIsCreatedHiddenWithItsTimers)
{
    Start();
    EXPECT_FALSE(Main->isVisible());
    EXPECT_TRUE(Main->TimerTimeoutClose.Enabled());
    EXPECT_EQ(Main->TimerTimeoutClose.Interval(), 1800000);
    EXPECT_EQ(Main->TimeoutCloseInterval, 1800000);
    EXPECT_FALSE(Main->TimerOpenPreview.Enabled());
    EXPECT_EQ((Main->MinEtsVersion), (std::array<std::uint16_t, 4>{1, 2, 0, 101}));
    EXPECT_EQ(Main->DatenPfad, Folder + "Vantu/");
    EXPECT_EQ(Main->ExportExt, "bup");
}

} // namespace
