#pragma once

#include "device/ConfigWindowServices.h"
#include "device/DataModuleServices.h"
#include "device/DeviceInstanz.h"
#include "device/MainWindowServices.h"
#include "outside/datacore/DataBasis.h"
#include "tests/device/TrivialDevice.h"

#include <cstdint>
#include <string>

namespace devicetest {

// A data object that counts how many of its kind are alive.
class CountedObject final : public TDataBasis {
public:
    CountedObject(int& alive, std::int32_t system, std::int32_t parent, std::int32_t handle, int typ)
        : TDataBasis(0, system, parent, "Counted", handle), alive_(alive), typ_(typ)
    {
        ++alive_;
    }
    ~CountedObject() override { --alive_; }

    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override { return typ_; }
    int ListStyle() const override { return 0; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return false; }
    bool AllowDrop(TDataBasis*) const override { return false; }
    void Drop(TDataBasis*) override {}
    void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}

private:
    int& alive_;
    int typ_;
};

struct FakeMainWindow final : TMainWindowServices {};
struct FakeConfigWindow final : TConfigWindowServices {};

// A data module whose program file lies in a folder of the test's choosing.
class FakeDataModule final : public TDataModuleServices {
public:
    explicit FakeDataModule(std::string exeName) : exeName_(std::move(exeName)) {}
    void GetLongExeName(std::string& out) const override { out = exeName_; }
    std::string GetIniFileName() const override { return {}; }
    std::string GetBlobFileDir() const override { return {}; }
    std::string GetCharSetFileName() const override { return {}; }
    std::string GetDeviceTextFileName() const override { return {}; }
    void StartTimerAutoSave(bool) override {}

private:
    std::string exeName_;
};

// The trivial device model with its stores in view.
class TestDevice final : public devicetest::TrivialDevice {
public:
    using TrivialDevice::TrivialDevice;
    using TDeviceInstanz::HandleMap;
    using TDeviceInstanz::ParentMap;
    using TDeviceInstanz::SystemMaps;
    using TDeviceInstanz::TypMap;

};

} // namespace devicetest
