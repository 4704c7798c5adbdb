#pragma once

#include "app/DataModule.h"
#include "app/FormMain.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"
#include "tests/views/support/TestObject.h"
#include "views/FormVerw.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace viewstest {

// The program's frame around configuration windows: the data module and the main window in a
// fresh program folder (its settings file empty), every box scripted, and a device of test
// objects: the system (1) with a list node (2, three children 3 to 5) and a grid node (6)
// whose rows carry help numbers 10, 10 and 11.
class ConfigWindowTest : public ::testing::Test {
protected:
    ConfigWindowTest()
    {
        ::setenv("PANELCONF_HOME", home_.path().c_str(), 1);
        dm_ = std::make_unique<TDM>(nullptr);
        TFormMain::TFactories factories;
        factories.Windows = &windows_;
        main_ = std::make_unique<TFormMain>(nullptr, std::vector<std::string>{"panelconf", "244_ID"}, factories);
        main_->resize(900, 600);
    }

    ~ConfigWindowTest() override
    {
        main_.reset();
        dm_.reset();
        ::unsetenv("PANELCONF_HOME");
    }

    // A new window of the main window, announced and shown.
    TFormVerw& NewWindow()
    {
        auto* window = dynamic_cast<TFormVerw*>(main_->NewFormVerw());
        Deliver();
        return *window;
    }

    // The main window shown and active, so that focus and shortcuts work.
    void ShowMain()
    {
        main_->TimerStartEditTimer(); // the start-up's own hiding, done now rather than later
        main_->show();
        QApplication::setActiveWindow(main_.get());
        main_->activateWindow();
        Deliver();
    }

    static void Deliver()
    {
        QApplication::processEvents();
        testsupport::DeliverPostedMessages();
        QApplication::processEvents();
    }

    TTestObject& Make(std::int32_t handle, std::int32_t parent, int typ, const std::string& name, int posId = 0)
    {
        auto object = std::make_unique<TTestObject>(handle, parent, typ, name, posId);
        TTestObject& made = *object;
        map_[handle] = object.get();
        objects_.push_back(std::move(object));
        return made;
    }

    void BuildDevice()
    {
        Make(1, 0, 111, "Ger\xE4t").Icon = 0;
        TTestObject& list = Make(2, 1, 6554, "Bet\xE4tigung", 1);
        list.Icon = 9;
        Make(3, 2, 6555, "Taste 1", 1).Icon = 4;
        Make(4, 2, 6555, "Taste 2 mit langem Namen", 2).Icon = 4;
        Make(5, 2, 6555, "Taste 3", 3).Icon = 5;
        TTestObject& grid = Make(6, 1, 6576, "Raumtemperaturregler", 2);
        grid.Style = 1;
        grid.Icon = 32;
        grid.HelpNumbers = {10, 10, 11};
    }

    // Fills the window with the device; its messages go to the recording window.
    void Fill(TFormVerw& window)
    {
        window.InitData(map_, recorder_.handle());
        Deliver();
    }

    TTestObject& Object(std::int32_t handle) { return static_cast<TTestObject&>(*map_.at(handle)); }

    testsupport::TempDir home_;
    testsupport::ScriptedUi ui_;
    std::unique_ptr<TDM> dm_;
    TFormVerwWindows windows_;
    std::unique_ptr<TFormMain> main_;
    testsupport::RecordingWindow recorder_;
    std::vector<std::unique_ptr<TTestObject>> objects_;
    std::map<int, TDataBasis*> map_;
};

} // namespace viewstest
