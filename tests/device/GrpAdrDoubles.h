#pragma once

#include "device/ConfigWindowServices.h"
#include "device/DataModuleServices.h"
#include "device/DeviceInstanz.h"
#include "device/DlgSelGrpAddrServices.h"
#include "device/MainWindowServices.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/UiService.h"
#include "tests/device/TrivialDevice.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Neighbours of the group-address, link and association operations of the device model.
namespace grpadrtest {

// The device model with the product's operations answered trivially; the resource check of a
// link answers as told and notes what it was asked.
class GrpAdrDevice final : public devicetest::TrivialDevice {
public:
    using TrivialDevice::TrivialDevice;

    bool DeviceRessourceCheckVerbindungen(std::int32_t subGroupId, bool) override
    {
        ResourceChecks.push_back(subGroupId);
        return AllowLinks;
    }

    bool AllowLinks = true;
    std::vector<std::int32_t> ResourceChecks;
};

// A communication object whose node kind is the second one (807).
class EtsObjekt2 final : public TEtsObjekt {
public:
    using TEtsObjekt::TEtsObjekt;
    int GetTyp() const override { return 807; }
};

// The selection dialog: answers as told and, on 1, hands back the chosen links; notes the
// cursor it was shown under.
class ScriptedSelection final : public TDlgSelGrpAddrServices {
public:
    ScriptedSelection(int answer, TObjektBasis::TGrpAdrIdList chosen, TObjektBasis::TGrpAdrIdList& links,
                      platform::TCursor& cursorAtShow)
        : answer_(answer), chosen_(std::move(chosen)), links_(links), cursorAtShow_(cursorAtShow)
    {
    }
    int ShowModal() override
    {
        cursorAtShow_ = platform::Ui().ScreenCursor();
        if (answer_ == 1)
            links_ = chosen_;
        return answer_;
    }

private:
    int answer_;
    TObjektBasis::TGrpAdrIdList chosen_;
    TObjektBasis::TGrpAdrIdList& links_;
    platform::TCursor& cursorAtShow_;
};

// A configuration window that notes what the model asks of it.
class GrpAdrConfigWindow final : public TConfigWindowServices {
public:
    void DeleteGrpAdr() override { ++GrpAdrDrops; }
    void SetNodeImageIndex(TDataBasis* object, int imageIndex) override { NodeImages.emplace_back(object, imageIndex); }

    int GrpAdrDrops = 0;
    std::vector<std::pair<TDataBasis*, int>> NodeImages;
};

// The main window: its host link, window handle, status panels, configuration windows and the
// selection dialog it makes; notes the address nodes it was given.
class GrpAdrMainWindow final : public TMainWindowServices {
public:
    struct NewAddress {
        TSorvGrpAdrBasis* Main;
        TSorvGrpAdrBasis* Middle;
        TSorvGrpAdrBasis* Sub;
    };
    struct SelectionCall {
        int Level;
        TDataBasis* Object;
        TObjektBasis::TGrpAdrIdList Links;
        const TGrpAdrNodes* Nodes;
        TEtsGruppenAdressen* Groups;
    };

    TEts2Cdi_Extended1* GetEts2Cdi() const override { return Link; }
    std::vector<TConfigWindowServices*> GetListFormVerw() const override { return Windows; }
    platform::HWND GetHandle() const override { return Handle; }
    void SetStatusText(int panel, const std::string& text) override
    {
        StatusTexts.push_back(std::to_string(panel) + ":" + text);
    }
    void ProcessMessages() override { StatusTexts.push_back("process"); }
    void CreateGroupAddressNodes(TSorvGrpAdrBasis* main, TSorvGrpAdrBasis* middle, TSorvGrpAdrBasis* sub) override
    {
        NewAddresses.push_back({main, middle, sub});
    }
    std::unique_ptr<TDlgSelGrpAddrServices> CreateDlgSelGrpAddr(int level, TDataBasis* object,
                                                                TObjektBasis::TGrpAdrIdList& links,
                                                                const TGrpAdrNodes& nodes,
                                                                TEtsGruppenAdressen* groups) override
    {
        Selections.push_back({level, object, links, &nodes, groups});
        if (MakeSelection)
            return MakeSelection(level, object, links, nodes, groups);
        if (SelectionAnswer == 0)
            return nullptr;
        return std::make_unique<ScriptedSelection>(SelectionAnswer, Chosen, links, CursorAtShow);
    }

    TEts2Cdi_Extended1* Link = nullptr;
    platform::HWND Handle = 0;
    std::vector<TConfigWindowServices*> Windows;
    std::vector<std::string> StatusTexts;
    std::vector<NewAddress> NewAddresses;
    std::vector<SelectionCall> Selections;
    int SelectionAnswer = 1; // 0: no dialog
    // When set, makes the dialog instead of the scripted answer.
    std::function<std::unique_ptr<TDlgSelGrpAddrServices>(int, TDataBasis*, TObjektBasis::TGrpAdrIdList&,
                                                          const TGrpAdrNodes&, TEtsGruppenAdressen*)>
        MakeSelection;
    TObjektBasis::TGrpAdrIdList Chosen;
    platform::TCursor CursorAtShow = 99;
};

// A data module with the group-address levels of the test's choice.
class GrpAdrDataModule final : public TDataModuleServices {
public:
    explicit GrpAdrDataModule(std::string folder) : Folder(std::move(folder)) {}

    void GetLongExeName(std::string& out) const override { out = Folder + "panelconf"; }
    std::string GetIniFileName() const override { return Folder + "panelconf.ini"; }
    std::string GetBlobFileDir() const override { return Folder + "Vantu/BlobFile/"; }
    std::string GetCharSetFileName() const override { return {}; }
    std::string GetDeviceTextFileName() const override { return {}; }
    void StartTimerAutoSave(bool) override {}
    int GetGrpAdrLevel() const override { return Level; }

    std::string Folder;
    int Level = 3;
};

} // namespace grpadrtest
