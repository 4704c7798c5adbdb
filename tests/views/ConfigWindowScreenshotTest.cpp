#include "app/DataModule.h"
#include "app/FormMain.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerSollwerte.h"
#include "platform/FileIo.h"
#include "tests/device/GrpAdrFixture.h"
#include "tests/views/ControllerDeviceObjects.h"
#include "views/DrawGridSEView.h"
#include "views/FDockMeld.h"
#include "views/FormVerw.h"
#include "views/ListView.h"
#include "views/ViewMessages.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

constexpr std::int32_t ReglerHandle = viewstest::ControllerDeviceObjects::ReglerHandle;

// The program's frame with configuration windows on a device of the libraries' real data
// objects and the demo project's group addresses, the program's own quick-help file in place;
// the pictures are for a person to look at.
class ConfigWindowPictures : public grpadrtest::GrpAdrTest {
protected:
    ConfigWindowPictures()
    {
        ::setenv("PANELCONF_HOME", home_.path().c_str(), 1);
        dm_ = std::make_unique<TDM>(nullptr);
        std::filesystem::create_directories(std::filesystem::path(dm_->QuickHelpFileName).parent_path());
        platform::WriteFileAtomically(dm_->QuickHelpFileName, platform::ReadWholeFile(HELP_FILE));
        TFormMain::TFactories factories;
        factories.Windows = &windows_;
        main_ = std::make_unique<TFormMain>(nullptr, std::vector<std::string>{"panelconf", "244_ID"}, factories);
        main_->TimerStartEditTimer();
        main_->resize(1180, 720);
        main_->show();
        window_.AnswerWith([this](const testsupport::RecordingWindow::Message& message) -> platform::LRESULT {
            return message.message == WM_USER_LOADGRPADR && device_->LoadGrpAdr() ? 1 : 0;
        });
        BuildDevice();
        device_->GetGrpAdrFromServer();
    }

    ~ConfigWindowPictures() override
    {
        main_.reset();
        dm_.reset();
        ::unsetenv("PANELCONF_HOME");
    }

    void BuildDevice()
    {
        device.Build([this](int main, int middle, int sub) { return SubGroupId(main, middle, sub); }, false);
    }

    TFormVerw& NewWindow()
    {
        auto* window = dynamic_cast<TFormVerw*>(main_->NewFormVerw());
        window->SetDeviceInstanz(device_.get());
        window->InitData(map, window_.handle());
        window->InitGrpAdr(window_.handle(), device_->GrpAdrOrdner.get(), device_->MainGroupNodes,
                           device_->GrpAdrNodes);
        Deliver();
        return *window;
    }

    void Deliver()
    {
        QApplication::processEvents();
        testsupport::DeliverPostedMessages();
        hub.DeliverPosted();
        QApplication::processEvents();
    }

    static void Save(QWidget& widget, const char* name)
    {
        const QString folder = QStringLiteral(VIEWS_SCREENSHOT_DIR);
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(widget.grab().save(folder + "/" + name));
    }

    testsupport::TempDir home_;
    std::unique_ptr<TDM> dm_;
    TFormVerwWindows windows_;
    std::unique_ptr<TFormMain> main_;
    viewstest::ControllerDeviceObjects device;
    climatest::FakeMainWindow& hub = device.hub;
    std::map<int, TDataBasis*>& map = device.map;
};

TEST_F(ConfigWindowPictures, GridWithQuickHelpAndTheGroupAddressesOpen)
{
    TFormVerw& window = NewWindow();
    window.parentWidget()->setGeometry(0, 0, 1150, 640);
    window.Splitter1->setSizes({360, 790});
    window.CreateMeldeFenster();
    window.PanelInfoSeite->resizeDocks({window.DockMeld}, {150}, Qt::Vertical);
    window.GetNodeFromData(device_->GrpAdrOrdner.get())->Expand(false);
    TTreeNode* heating = window.GetNodeFromData(device_->MainGroupNodes.Find(2));
    ASSERT_NE(heating, nullptr);
    heating->Expand(false);
    ASSERT_GE(heating->Count(), 2);
    heating->Item(1)->Expand(false); // the set points, down to their addresses
    ASSERT_GT(heating->Item(1)->Count(), 0);
    window.SelectNode(map.at(ReglerHandle));
    Deliver();
    window.GridView->setFocus();
    window.GridView->SetActiveCell(1, window.GridView->Grid().FindRow(TReglerFunktion::tagBetriebsart));
    Deliver();
    EXPECT_TRUE(window.RichEditMeld->toPlainText().startsWith(QStringLiteral("Betriebsart")))
        << window.RichEditMeld->toPlainText().toStdString();
    Save(*main_, "config_grid_quickhelp.png");
}

TEST_F(ConfigWindowPictures, ChildList)
{
    TFormVerw& window = NewWindow();
    window.parentWidget()->setGeometry(0, 0, 900, 480);
    window.GetNodeFromData(device_->GrpAdrOrdner.get())->Expand(false);
    window.SelectNode(device_->GrpAdrOrdner.get());
    Deliver();
    EXPECT_EQ(window.ListView->Count(), 4); // the main groups
    Save(*window.parentWidget(), "config_childlist.png");
}

TEST_F(ConfigWindowPictures, FloatingQuickHelp)
{
    TFormVerw& window = NewWindow();
    window.parentWidget()->setGeometry(0, 0, 900, 480);
    window.CreateMeldeFenster();
    window.SelectNode(map.at(12));
    Deliver();
    window.DockMeld->setFloating(true);
    window.DockMeld->resize(420, 180);
    window.GridView->setFocus();
    window.GridView->SetActiveCell(1, window.GridView->Grid().FindRow(TReglerSollwerte::tagBasistemperaturNachReset));
    Deliver();
    EXPECT_TRUE(window.RichEditMeld->toPlainText().startsWith(QStringLiteral("Basis-Sollwert")))
        << window.RichEditMeld->toPlainText().toStdString();
    Save(*window.parentWidget(), "config_window_with_floating_help.png");
    Save(*window.DockMeld, "config_quickhelp_floating.png");
}

TEST_F(ConfigWindowPictures, TwoCascadedWindows)
{
    TFormVerw& first = NewWindow();
    TFormVerw& second = NewWindow();
    first.SelectNode(map.at(ReglerHandle));
    second.GetNodeFromData(device_->GrpAdrOrdner.get())->Expand(false);
    second.SelectNode(device_->MainGroupNodes.Find(2));
    Deliver();
    EXPECT_EQ(second.parentWidget()->geometry().topLeft() - first.parentWidget()->geometry().topLeft(),
              QPoint(10, 10));
    Save(*main_, "config_two_windows.png");
}

} // namespace
