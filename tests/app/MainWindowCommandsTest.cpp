#include "app/OptionsDialogFactory.h"
#include "app/ProgressLibRecords.h"
#include "tests/app/FrameFixture.h"

#include "platform/IniFile.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gmock/gmock.h>

namespace {

using frametest::RecordingFormVerw;
using testsupport::ScriptedUi;

class MainWindowCommandsTest : public frametest::FrameFixture {
protected:
    RecordingFormVerw& First() { return *Windows.Made.at(0); }

    // Shows the main window active with the focus in the widget; false when it does not come.
    bool Focus(QWidget& widget)
    {
        Main->show();
        QApplication::setActiveWindow(Main.get());
        if (!QTest::qWaitForWindowActive(Main.get()))
            return false;
        widget.setFocusPolicy(Qt::StrongFocus);
        widget.setFocus();
        return QTest::qWaitFor([&widget] { return widget.hasFocus(); }, 5000);
    }
};

TEST_F(MainWindowCommandsTest, TheCommandListHoldsTheFortyFiveCommandsInOrder)
{
    Start();
    const auto& actions = Dm->ActionList1.Actions();
    ASSERT_EQ(actions.size(), 45u);
    EXPECT_EQ(actions.front()->objectName(), "APrint");
    EXPECT_EQ(actions.back()->objectName(), "ARecoDataPrintToFile");
    EXPECT_EQ(TActionList::Category(Dm->ASchaltuhrEditor), "SchaltuhrEditoren");
    EXPECT_EQ(Dm->APrint->text(), "&Drucken...");
    EXPECT_EQ(Dm->APrint->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Dm->AExpand->shortcut(), QKeySequence(Qt::Key_Plus));
    EXPECT_EQ(Dm->APreview->text(), "&Vorschau");
    EXPECT_EQ(Dm->ADownloadRs232Start->text(), "ADownloadRs232Start");
    EXPECT_FALSE(Dm->AVerwerfen->isVisible());
    EXPECT_FALSE(Dm->ADeviceHelp->isEnabled());
    EXPECT_FALSE(Dm->APrintFile->isVisible());
}

TEST_F(MainWindowCommandsTest, TheFileMenuHoldsItsCommandsInOrder)
{
    Start();
    QStringList names;
    for (QAction* action : Main->GetMenu("MDatei")->actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(names, QStringList({"AExport", "AImport", "-", "APrint", "APrintFile", "APrintPreview", "-",
                                  "ARestoreSaveCopy", "AAutoSave", "-", "AVerwerfen", "ABeenden"}));
    EXPECT_EQ(Main->GetMenu("MDatei")->title(), "&Gerät");
}

TEST_F(MainWindowCommandsTest, FullAccessTwiceRebuildsTwiceAndComesBack)
{
    Start();
    AddDevice();
    Dm->AVollzugriff->trigger();
    EXPECT_TRUE(Dm->HighAccess());
    Dm->AVollzugriff->trigger();
    EXPECT_FALSE(Dm->HighAccess());
    EXPECT_FALSE(Dm->AVollzugriff->isChecked());
    EXPECT_EQ(First().Calls["UpdateSystemNode"], 2);
    EXPECT_EQ(First().Calls["TreeBeginUpdate"], 2);
    EXPECT_EQ(First().Calls["TreeEndUpdate"], 2);
}

TEST_F(MainWindowCommandsTest, SettingTheCurrentAccessDoesNothing)
{
    Start();
    AddDevice();
    Dm->SetHighAccess(false);
    EXPECT_EQ(First().Calls["UpdateSystemNode"], 0);
}

TEST_F(MainWindowCommandsTest, ALanguageListedTwiceIsOfferedOnceWithTheLowerIndexsName)
{
    Start();
    Setting("Sprache", "Count", "3");
    Setting("Sprache", "Sprache0", "Deutsch");
    Setting("Sprache", "SprachExt0", "DEU");
    Setting("Sprache", "Sprache1", "Englisch");
    Setting("Sprache", "SprachExt1", "ENU");
    Setting("Sprache", "Sprache2", "Deutsch (alt)");
    Setting("Sprache", "SprachExt2", "DEU");
    const RecDlgDprache record = MakeRecDlgDprache(SettingsFile());
    EXPECT_EQ(record.Languages, (std::map<std::string, std::string>{{"DEU", "Deutsch"}, {"ENU", "Englisch"}}));
    EXPECT_EQ(record.Caption, "Spracheinstellung \xE4ndern");
}

TEST_F(MainWindowCommandsTest, TheLanguageReadWritesMissingKeysBack)
{
    Start();
    Setting("Sprache", "Count", "1");
    MakeRecDlgDprache(SettingsFile());
    EXPECT_EQ(ReadSetting("Sprache", "Sprache0"), "");
    EXPECT_EQ(ReadSetting("Sprache", "SprachExt0"), "");
}

TEST_F(MainWindowCommandsTest, ChoosingAnotherLanguageIsStoredAndMarksTheChange)
{
    Start();
    Setting("Sprache", "Count", "2");
    Setting("Sprache", "Sprache0", "Deutsch");
    Setting("Sprache", "SprachExt0", "DEU");
    Setting("Sprache", "Sprache1", "Englisch");
    Setting("Sprache", "SprachExt1", "ENU");
    Ui.OnModal([](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>();
        list->setCurrentRow(1);
        return platform::IDOK;
    });
    Dm->ASprache->trigger();
    EXPECT_TRUE(Dm->fLanguageChanged);
    EXPECT_EQ(ReadSetting("Sprache", "Current"), "ENU");
}

TEST_F(MainWindowCommandsTest, CancellingTheLanguageChangesNothing)
{
    Start();
    Dm->ASprache->trigger(); // the scripted service cancels
    EXPECT_FALSE(Dm->fLanguageChanged);
}

TEST_F(MainWindowCommandsTest, TheAboutBoxIsShownModally)
{
    Start();
    QString title;
    Ui.OnModal([&](QDialog& dialog) {
        title = dialog.windowTitle();
        return platform::IDOK;
    });
    Dm->AAbout->trigger();
    EXPECT_EQ(title, "Info");
}

TEST_F(MainWindowCommandsTest, HelpOpensTheHelpFileThroughTheShell)
{
    Start();
    Dm->A_DeviceHelpExecute();
    ASSERT_EQ(Ui.shellOpens().size(), 1u);
    EXPECT_EQ(Ui.shellOpens()[0].first, Dm->HelpFileName);
}

TEST_F(MainWindowCommandsTest, OptionsWithoutADeviceDoNothing)
{
    Start();
    Dm->AOption->trigger();
    EXPECT_TRUE(Ui.calls(ScriptedUi::CallKind::Modal).empty());
}

// An options dialog that only tells what it was made for.
class RecordingOptions final : public TOptionsDialogFactory {
public:
    std::unique_ptr<QDialog> Create(QWidget*, TDeviceInstanzTalvo* device, TEts2Cdi* link) const override
    {
        Device = device;
        Link = link;
        return std::make_unique<QDialog>();
    }
    mutable TDeviceInstanzTalvo* Device = nullptr;
    mutable TEts2Cdi* Link = nullptr;
};

TEST_F(MainWindowCommandsTest, OptionsAreShownModallyForTheCurrentDevice)
{
    RecordingOptions options;
    Options = &options;
    Start();
    TDeviceInstanzTalvo* device = AddDevice();
    Dm->AOption->trigger();
    EXPECT_EQ(options.Device, device);
    EXPECT_EQ(options.Link, Main->GetEts2Cdi());
    EXPECT_EQ(Ui.calls(ScriptedUi::CallKind::Modal).size(), 1u);
}

TEST_F(MainWindowCommandsTest, PreviewStackingFollowsTheCheckMark)
{
    Start();
    Dm->APreviewAlwaysOnTop->trigger();
    EXPECT_EQ(Dm->PreviewZOrder, -1);
    Dm->APreviewAlwaysOnTop->trigger();
    EXPECT_EQ(Dm->PreviewZOrder, -2);
}

TEST_F(MainWindowCommandsTest, TheSmallPreviewSetsTheDisplayOnlyMark)
{
    Start();
    Dm->APreviewSmall->trigger();
    EXPECT_TRUE(Dm->APreviewShowDisplayOnly->isChecked());
}

TEST_F(MainWindowCommandsTest, TheTimeSwitchEditorsAreEnabledOnlyWhenTheDeviceNeedsThem)
{
    Start();
    Dm->ASchaltuhrEditoren->trigger();
    EXPECT_FALSE(Dm->ARaumtempSchaltuhrEditor->isEnabled());
    EXPECT_FALSE(Dm->ASchaltuhrEditor->isEnabled());
}

TEST_F(MainWindowCommandsTest, CtrlPInAChildWindowPrints)
{
    // Whether or not the window has become active yet: the shortcut runs once, taken by Qt's
    // shortcuts or, rising from the window, by the main window's shortcut handler.
    Start();
    Main->show();
    QSignalSpy printed(Dm->APrint, &QAction::triggered);
    QTest::keyClick(&First(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printed.count(), 1);
}

TEST_F(MainWindowCommandsTest, CtrlPInAnInactiveChildWindowPrintsThroughTheShortcutHandler)
{
    Start();
    QSignalSpy printed(Dm->APrint, &QAction::triggered);
    QTest::keyClick(&First(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printed.count(), 1);
}

TEST_F(MainWindowCommandsTest, PlusInALineEditIsTypedAndDoesNotExpand)
{
    Start();
    auto* edit = new QLineEdit(&First());
    auto* layout = new QVBoxLayout(&First());
    layout->addWidget(edit);
    ASSERT_TRUE(Focus(*edit));
    QTest::keyClick(edit, Qt::Key_Plus, Qt::NoModifier, 0);
    EXPECT_EQ(edit->text(), "+");
    EXPECT_EQ(First().Calls["TreeExpand"], 0);

    ASSERT_TRUE(Focus(First()));
    QTest::keyClick(&First(), Qt::Key_Plus);
    EXPECT_EQ(First().Calls["TreeExpand"], 1);
}

TEST_F(MainWindowCommandsTest, TheShortcutTestRunsTheEnabledCommandOfTheKey)
{
    Start();
    QSignalSpy printed(Dm->APrint, &QAction::triggered);
    bool handled = false;
    Dm->OnShortCut(QKeyEvent(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier), handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(printed.count(), 1);
    Dm->OnShortCut(QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier), handled);
    EXPECT_FALSE(handled); // the help command is disabled
}

TEST_F(MainWindowCommandsTest, TreeCommandsAndQuickHelpNeedAnActiveWindow)
{
    Start();
    FormVerw = nullptr;
    Dm->AExpand->trigger();
    Dm->AQuickHelp->trigger();
    EXPECT_EQ(First().Calls["TreeExpand"], 0);
    EXPECT_EQ(First().Calls["CreateMeldeFenster"], 0);
}

TEST_F(MainWindowCommandsTest, QuickHelpIsMadeOnce)
{
    Start();
    Dm->AQuickHelp->trigger();
    Dm->AQuickHelp->trigger();
    EXPECT_EQ(First().Calls["CreateMeldeFenster"], 1);
}

TEST_F(MainWindowCommandsTest, ANewWindowJoinsTheListAndTakesTheDevice)
{
    Start();
    TDeviceInstanzTalvo* device = AddDevice();
    Dm->AProjektierungsfenster->trigger();
    Pump();
    ASSERT_EQ(Windows.Made.size(), 2u);
    EXPECT_EQ(Windows.Made[1]->Number, 1);
    EXPECT_EQ(Windows.Made[1]->Device, device);
    EXPECT_EQ(Main->GetFormVerwList().size(), 2u);
    Main->AbgleichFormVerw(Windows.Made[1]);
    EXPECT_EQ(First().Calls["Abgleich"], 1);
    EXPECT_EQ(Windows.Made[1]->Calls["Abgleich"], 0);
}

TEST_F(MainWindowCommandsTest, AligningWithTheOnlyWindowChangesNothing)
{
    Start();
    Main->AbgleichFormVerw(&First());
    EXPECT_EQ(First().Calls["Abgleich"], 0);
}

TEST_F(MainWindowCommandsTest, AClosedFurtherWindowLeavesTheListTheFirstStays)
{
    Start();
    Dm->AProjektierungsfenster->trigger();
    Pump();
    ASSERT_EQ(Main->GetFormVerwList().size(), 2u);
    for (QMdiSubWindow* sub : Main->GetMdiArea()->subWindowList())
        sub->close();
    Pump();
    ASSERT_EQ(Main->GetFormVerwList().size(), 1u);
    EXPECT_EQ(Main->GetFormVerwList()[0], &First());
}

TEST_F(MainWindowCommandsTest, AnExceptionInACommandIsShownAndEndsTheProgram)
{
    Start();
    First().ThrowOnTreeExpand = true;
    Dm->AExpand->trigger();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_THAT(Ui.boxes()[0].text,
                testing::MatchesRegex("tree broken\n\nErrorType: std::runtime_error\nSender: QAction\nDate/Time: "
                                      "[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8},0[0-9]{2}"));
    EXPECT_TRUE(Ended);
}

} // namespace
