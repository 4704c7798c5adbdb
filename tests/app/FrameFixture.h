#pragma once

#include "app/DataModule.h"
#include "app/DeviceModelFactory.h"
#include "app/FormMain.h"
#include "app/OptionsDialogFactory.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "outside/printout/PrintoutFactory.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"
#include "views/FormVerwBase.h"
#include "views/FormVerwFactory.h"
#include "views/PreviewManagerFactory.h"
#include "views/PreviewManagerServices.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace frametest {

// Points PANELCONF_HOME at a folder for its lifetime and puts the old value back.
class ScopedHome : public testsupport::ScopedVariable {
public:
    explicit ScopedHome(const std::string& folder) : ScopedVariable("PANELCONF_HOME", folder) {}
};

// A configuration window that counts what the main window asks of it.
class RecordingFormVerw final : public TFormVerwBase {
public:
    RecordingFormVerw(QWidget* owner, int number) : TFormVerwBase(owner), Number(number)
    {
        setWindowTitle(QStringLiteral("Projektierung%1").arg(number > 0 ? QStringLiteral(":%1").arg(number) : QString()));
        resize(300, 200);
    }

    int GetWindowNumber() const override { return Number; }
    void SetDeviceInstanz(TDeviceInstanz* device) override { Device = device; }
    void UpdateSystemNode() override { ++Calls["UpdateSystemNode"]; }
    void TreeBeginUpdate() override { ++Calls["TreeBeginUpdate"]; }
    void TreeEndUpdate() override { ++Calls["TreeEndUpdate"]; }
    void DeleteTreeViewNodes() override { ++Calls["DeleteTreeViewNodes"]; }
    void TreeClear() override { ++Calls["TreeClear"]; }
    void InitData(const std::map<std::int32_t, TDataBasis*>&, platform::HWND) override { ++Calls["InitData"]; }
    void TreeExpand() override
    {
        ++Calls["TreeExpand"];
        if (ThrowOnTreeExpand)
            throw std::runtime_error("tree broken");
    }
    void TreeCollapseAll() override { ++Calls["TreeCollapseAll"]; }
    bool GridHasFocus() const override { return GridFocus; }
    void DeleteZellenKomponente() override { ++Calls["DeleteZellenKomponente"]; }
    void ClearGrid() override { ++Calls["ClearGrid"]; }
    void BindResize(bool bound) override { ++Calls[bound ? "BindResize" : "UnbindResize"]; }
    void SetRegData() override
    {
        ++Calls["SetRegData"];
        if (ThrowOnSetRegData)
            throw std::runtime_error("settings broken");
    }
    void Abgleich(TFormVerwBase* other) override
    {
        if (other != this)
            ++Calls["Abgleich"];
    }
    void CreateMeldeFenster() override
    {
        ++Calls["CreateMeldeFenster"];
        Melde = true;
    }
    bool HasMeldeFenster() const override { return Melde; }
    TDataBasis* GetSelData() const override { return Selected; }
    TTreeNode* GetSelectedNode() const override { return SelectedTreeNode; }
    void SetTreeSorted(bool sorted) override { ++Calls[sorted ? "SortByData" : "SortNone"]; }
    void SortTreeByText() override { ++Calls["SortByText"]; }
    void UpdateTreeNamesAndIcon() override { ++Calls["UpdateTreeNamesAndIcon"]; }
    void AktualisiereAnsicht(TTreeNode*, int column, int row) override
    {
        ++Calls["AktualisiereAnsicht(" + std::to_string(column) + "," + std::to_string(row) + ")"];
    }
    void SelectNode(TDataBasis* object) override { SelectedNode = object; }
    TTreeView* GetTree() const override { return Tree; }
    TTreeNode* AddChildNode2Data(TDataBasis* parent, TDataBasis* object, bool makeVisible) override
    {
        AddedNodes.push_back({parent, object, makeVisible});
        return nullptr;
    }

    int Number;
    TDeviceInstanz* Device = nullptr;
    bool GridFocus = false;
    bool Melde = false;
    TDataBasis* Selected = nullptr;
    TTreeNode* SelectedTreeNode = nullptr;
    TDataBasis* SelectedNode = nullptr;
    struct AddedNode {
        TDataBasis* Parent;
        TDataBasis* Object;
        bool MakeVisible;
    };
    std::vector<AddedNode> AddedNodes;
    // The function tree the window shows, when a test gives it one.
    TTreeView* Tree = nullptr;
    bool ThrowOnTreeExpand = false;
    bool ThrowOnSetRegData = false;
    std::map<std::string, int> Calls;
};

class RecordingWindows final : public TFormVerwFactory {
public:
    TFormVerwBase* Create(QWidget* owner, int number) const override
    {
        auto* window = new RecordingFormVerw(owner, number);
        Made.push_back(window);
        return window;
    }
    mutable std::vector<RecordingFormVerw*> Made;
};

// A preview that counts its calls; deleting it counts too.
class RecordingPreview final : public TPreviewManagerServices {
public:
    explicit RecordingPreview(std::map<std::string, int>& calls) : Calls(calls) {}
    ~RecordingPreview() override { ++Calls["deleted"]; }
    bool Init(TDataBasis*) override { return ++Calls["Init"], true; }
    bool InitSmall(TDataBasis*) override { return ++Calls["InitSmall"], true; }
    void StayOnTop(bool onTop) override { ++Calls[onTop ? "StayOnTop(true)" : "StayOnTop(false)"]; }
    void Show() override { ++Calls["Show"]; }
    void BringToFront() override { ++Calls["BringToFront"]; }
    void SetRegData() override { ++Calls["SetRegData"]; }
    platform::LRESULT Message(platform::UINT, platform::WPARAM, platform::LPARAM) override { return 0; }
    void UpdateCharacterSet(TCharacterMap) override {}
    void UpdateData(TDataBasis*, bool, bool) override {}

    std::map<std::string, int>& Calls;
};

class RecordingPreviews final : public TPreviewManagerFactory {
public:
    std::unique_ptr<TPreviewManagerServices> Create(QWidget*, platform::HWND, TDeviceInstanzTalvo*, const std::string&,
                                                    int) const override
    {
        ++Calls["Create"];
        return std::make_unique<RecordingPreview>(Calls);
    }
    mutable std::map<std::string, int> Calls;
};

// A temporary program folder with its settings file, a UI service with scripted answers, the
// data module and, once started, the main window on the demo project of the stand-in host
// through the fault-injecting host link.
class FrameFixture : public ::testing::Test {
protected:
    FrameFixture();
    ~FrameFixture() override;

    // Makes the data module (when there is none) and the main window with these arguments.
    void Start(std::vector<std::string> arguments = {"panelconf", "244_ID"});
    // Writes one value into the program's settings file (before Start it lands there too).
    void Setting(const std::string& section, const std::string& key, const std::string& value) const;
    std::optional<std::string> ReadSetting(const std::string& section, const std::string& key) const;
    std::string SettingsFile() const;

    // A device model of the demo project's device id with its system object, in the map and
    // current, shown in the first window.
    TDeviceInstanzTalvo* AddDevice(std::int32_t id = 1);
    // Lets the posted messages and timers that are due run.
    static void Pump();

    testsupport::TempDir Dir;
    std::string Folder;
    std::string ProjectPath;
    ScopedHome Home;
    testsupport::ScriptedUi Ui;
    RecordingWindows Windows;
    RecordingPreviews Previews;
    TEts2CdiFaults* Link = nullptr;
    std::unique_ptr<TDM> Dm;
    std::unique_ptr<TFormMain> Main;
    bool Ended = false;
    // The program's own configuration windows instead of the recording ones.
    bool UsePlaceholders = false;
    // The options dialog's factory the main window gets; none by default.
    const TOptionsDialogFactory* Options = nullptr;
    // The report factory the main window gets; the library's own by default.
    const TPrintoutFactory* Reports = nullptr;
};

} // namespace frametest
