// The options dialog on the demo as scripts/run starts it: the program's data folder laid out
// by scripts/lay-out-home, the project made by `etshost init`, device 1 handed over by the host.
#include "app/DataModule.h"
#include "app/FormMain.h"
#include "dialogs/options/DlgOptionen.h"
#include "dialogs/options/OptionsDialogTalvoFactory.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/Cp1252.h"
#include "tests/app/FrameFixture.h"
#include "tests/support/ProgramHome.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"
#include "views/FormVerw.h"
#include "views/PreviewManagerTalvoFactory.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace optionstest {
namespace {

void Pump()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

class DemoLayout : public ::testing::Test {
protected:
    DemoLayout() : Folder(Dir.path().string() + "/"), Home(Folder + "home")
    {
        EXPECT_EQ(testsupport::LayOutProgramHome(LAY_OUT_HOME, PROGRAM_BUILD_DIR, Folder + "home"), "");
        QProcess host;
        host.start(QStringLiteral(ETSHOST_PATH), {QStringLiteral("init"), QStringLiteral("--db"),
                                                  QString::fromStdString(Folder + "demo.ets")});
        EXPECT_TRUE(host.waitForFinished(60000)) << "etshost init did not finish";
        EXPECT_EQ(host.exitCode(), 0) << host.readAllStandardError().toStdString();

        Dm = std::make_unique<TDM>(nullptr);
        TFormMainFactories factories;
        factories.Windows = &Windows;
        factories.Previews = &Previews;
        factories.Options = &Options;
        factories.HostLink = [this](const std::string&) {
            auto link = std::make_unique<TEts2Cdi_Extended1>(Folder + "demo.ets");
            Link = link.get();
            return link;
        };
        Main = std::make_unique<TFormMain>(nullptr, std::vector<std::string>{"panelconf", "244_ID"}, factories);
        Main->NewFormVerw();
        Pump();
        Main->TimerStartEditTimer();
        // The host hands device 1 over.
        const QJsonObject event{{"type", "event"}, {"name", "EditParameters"}, {"args", QJsonArray{1}}, {"seq", 1}};
        const auto work = [this, &event] { Link->RaiseEvent(event); };
        if (Link->RunEvent)
            Link->RunEvent("TEts2Cdi_Extended1", work);
        else
            work();
        Pump();
    }

    ~DemoLayout() override
    {
        Main.reset();
        Dm.reset();
        FormVerw = nullptr;
    }

    testsupport::TempDir Dir;
    std::string Folder;
    frametest::ScopedHome Home;
    testsupport::ScriptedUi Ui;
    const TFormVerwWindows Windows;
    const TPreviewManagerTalvoFactory Previews;
    const TOptionsDialogTalvoFactory Options;
    TEts2Cdi_Extended1* Link = nullptr;
    std::unique_ptr<TDM> Dm;
    std::unique_ptr<TFormMain> Main;
};

TEST_F(DemoLayout, OptionsOpenWithoutABoxAndEveryFieldFilled)
{
    ASSERT_NE(Main->AktDevInst, nullptr) << "the host's device was not opened";
    ASSERT_TRUE(Ui.boxes().empty()) << Ui.boxes().front().caption << ": " << Ui.boxes().front().text;
    bool shown = false;
    Ui.OnModal([&shown](QDialog& shownDialog) {
        auto* dialog = dynamic_cast<TDlgOptionen*>(&shownDialog);
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr)
            return platform::IDCANCEL;
        shown = true;
        const auto text = [](const QString& value) { return platform::FromQString(value); };
        EXPECT_EQ(text(dialog->CbxIdUserFirm->currentText()), "vA.3 [2613]");
        EXPECT_EQ(text(dialog->PanelFileUserFirm->text()), " user_a35.dat");
        EXPECT_EQ(text(dialog->CbxDeviceLanguageName->currentText()), "Deutsch");
        EXPECT_EQ(dialog->CbxDeviceLanguageName->count(), 2);
        EXPECT_EQ(text(dialog->EditRepeat->text()), "3");
        EXPECT_EQ(text(dialog->EditGridColDefSize->text()), "150");
        EXPECT_EQ(text(dialog->EditAutoCellRow->text()), "1");
        EXPECT_EQ(dialog->UpDownAutoSave->value(), 10);
        return platform::IDCANCEL;
    });
    QAction* options = Dm->ActionList1.Find(QStringLiteral("AOption"));
    ASSERT_NE(options, nullptr);
    ASSERT_TRUE(options->isEnabled());
    options->trigger();
    Pump();
    EXPECT_TRUE(shown) << "the options dialog was not shown";
    for (const auto& box : Ui.boxes())
        ADD_FAILURE() << "a box: " << box.caption << ": " << box.text;
}

} // namespace
} // namespace optionstest
