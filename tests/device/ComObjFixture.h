#pragma once

#include "device/DeviceInstanz.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/addrlink/SorvEtsDevice.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "tests/device/DeviceHub.h"
#include "tests/device/GrpAdrDoubles.h"
#include "tests/device/TrivialDevice.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Communication objects, import and copy, consistency check: device models on projects made as
// etshost init makes them (the demo project with the product's parameters and objects).
namespace comobjtest {

constexpr std::int32_t FlurDevice = 1;
constexpr std::int32_t WohnenDevice = 2;
constexpr int FunctionTyp = 6576; // the owner of the objects in these tests

// The device data object: keeps the device's host id in Param4.
class TestSystem final : public TSorvEtsDevice {
public:
    using TSorvEtsDevice::TSorvEtsDevice;
    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override { return 111; }
    int ListStyle() const override { return 0; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return true; }
    bool AllowDrop(TDataBasis*) const override { return false; }
    void Drop(TDataBasis*) override {}
    void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}
    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
};

// A function object of any type.
class TestFunction final : public TDataBasis {
public:
    TestFunction(platform::HWND window, std::int32_t system, std::int32_t parent, const std::string& name, int typ,
                 std::int32_t handle)
        : TDataBasis(window, system, parent, name, handle), typ_(typ)
    {
    }
    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override { return typ_; }
    int ListStyle() const override { return 0; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return true; }
    bool AllowDrop(TDataBasis*) const override { return false; }
    void Drop(TDataBasis*) override {}
    void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}

private:
    int typ_;
};

// The device model with the product's part played simply: its data block is the record lines
// of its records, which become a system object (111), communication objects (806) and function
// objects (any other type; additional records, type 0, become none).
class ObjectsDevice final : public devicetest::TrivialDevice {
public:
    using TrivialDevice::TrivialDevice;

    void InitDataMainStruktur() override;
    bool CopyDBDatenToStruktur(std::list<int>& handles) override;
    void CopyStrukturDatenToDB(TRecordTable* records, platform::TMemoryStream* target) override;

    // The stored record of that Handle, or null.
    const TDatenStruktur* FindRecord(std::int32_t handle) const;
};

// A configuration window that notes the nodes it is asked to add and delete.
class NodesWindow final : public TConfigWindowServices {
public:
    TTreeNode* AddChildNode2Data(TDataBasis* parent, TDataBasis* object, bool makeVisible) override
    {
        Added.push_back({parent, object, makeVisible});
        return nullptr;
    }
    void DeleteNode(TTreeNode*, TDataBasis* object) override
    {
        if (ThrowOnDelete)
            throw std::runtime_error("tree node");
        Deleted.push_back(object);
    }

    struct Addition {
        TDataBasis* Parent;
        TDataBasis* Object;
        bool MakeVisible;
    };
    std::vector<Addition> Added;
    std::vector<TDataBasis*> Deleted;
    bool ThrowOnDelete = false;
};

// Makes a project file as etshost init does.
void MakeTemplateProject(const std::string& path, const std::string& hostFolder);

// One device model of a project, its main window (a hub that answers the data objects), one
// configuration window, and a system object with one function object below it.
struct DeviceSetup {
    DeviceSetup(const std::string& path, std::int32_t deviceId);
    ~DeviceSetup();

    // Makes the data-block bytes of the device as it is now.
    std::string Block();
    // A new device model of the same device with nothing loaded yet, in place of the current one.
    void Renew();
    // The registered communication objects by object number.
    std::map<int, TEtsObjekt*> Objects() const;

    std::string Path;
    TEts2CdiFaults Link;
    grpadrtest::GrpAdrMainWindow Main;
    NodesWindow Config;
    TDeviceInstanz* HubDevice = nullptr;
    devicetest::TDeviceHub Hub{HubDevice};
    std::unique_ptr<ObjectsDevice> Device;
    TestSystem* System = nullptr;
    TestFunction* Function = nullptr;

private:
    void Make(bool withObjects);
    DAL_DEVICE record_;
};

// A project with its demo devices, the product's template and a scripted UI.
class ComObjTest : public ::testing::Test {
protected:
    ComObjTest();

    // Runs SQL on the project through a connection of its own; the first column of the first row,
    // or -99 when there is none.
    std::int64_t Query(const std::string& sql, const std::string& path = {});
    void Execute(const std::string& sql, const std::string& path = {});
    // The device's value of a display-order parameter in the project.
    std::int64_t ParameterValue(int displayOrder, std::int32_t deviceId = WohnenDevice);
    // The object numbers of the device's device objects, ascending.
    std::vector<int> ProjectObjects(std::int32_t deviceId = WohnenDevice, const std::string& path = {});
    std::int32_t SubGroupId(int main, int middle, int sub, const std::string& path = {});
    std::vector<std::string> BoxTexts() const;

    testsupport::ScriptedUi ui_;
    testsupport::TempDir dir_;
    std::string path_;
    grpadrtest::GrpAdrDataModule dataModule_;
    std::unique_ptr<DeviceSetup> setup_;
};

} // namespace comobjtest
