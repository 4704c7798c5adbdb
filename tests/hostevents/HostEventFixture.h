#pragma once

#include "app/DataModule.h"
#include "app/DeviceModelFactory.h"
#include "app/FormMain.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "tests/app/FrameFixture.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace hosttest {

// A device model whose alignment with the project answers true (the product's own is not in
// the program yet); it counts the models alive.
class AlignedDevice final : public TDeviceInstanzTalvo {
public:
    AlignedDevice(TMainWindowServices* mainForm, const DAL_DEVICE* device, TConfigWindowServices* window)
        : TDeviceInstanzTalvo(mainForm, device, window)
    {
        ++Alive;
    }
    ~AlignedDevice() override { --Alive; }
    bool DatenAbgleich(bool, bool) override { return true; }
    static inline int Alive = 0;
};

class AlignedDevices final : public TDeviceModelFactory {
public:
    std::unique_ptr<TDeviceInstanzTalvo> Create(TMainWindowServices* mainForm, const DAL_DEVICE* device,
                                                TConfigWindowServices* window) const override
    {
        return std::make_unique<AlignedDevice>(mainForm, device, window);
    }
};

// A host link on the project that records the order of its block and parameter writes.
class RecordingLink final : public TEts2Cdi_Extended1 {
public:
    using TEts2Cdi_Extended1::TEts2Cdi_Extended1;
    bool BlobWrite(const char* data, std::int32_t size, std::int32_t deviceId) override
    {
        Writes.push_back("blob " + std::to_string(deviceId));
        return TEts2Cdi_Extended1::BlobWrite(data, size, deviceId);
    }
    bool BlobRead(const char*& data, std::int32_t& size, std::int32_t deviceId) override
    {
        ++BlobReads;
        return !FailBlobRead && TEts2Cdi_Extended1::BlobRead(data, size, deviceId);
    }
    std::int32_t CoSetDeviceParameterValueLong(std::int32_t id, std::int32_t value, bool a, bool b) override
    {
        Writes.push_back("parameter " + std::to_string(value));
        return TEts2Cdi_Extended1::CoSetDeviceParameterValueLong(id, value, a, b);
    }
    int DalGetDeviceData(int mode, std::int32_t id, std::int32_t line, std::int32_t product, std::int32_t program,
                         std::int32_t project, DAL_DEVICE* record) override
    {
        if (FailDeviceRecord)
            return DAL_ERR;
        return TEts2Cdi_Extended1::DalGetDeviceData(mode, id, line, product, program, project, record);
    }
    std::vector<std::string> Writes;
    int BlobReads = 0;
    bool FailBlobRead = false;
    bool FailDeviceRecord = false;
};

// The answers of one event.
struct Answers {
    bool ReturnNow = true;
    std::int32_t Result = -1;
};

// A temporary program folder and demo project (with the product's parameters and objects, and a
// stored block for device 1), the data module and the main window on it with recording windows.
class HostEventFixture : public ::testing::Test {
protected:
    HostEventFixture();
    ~HostEventFixture() override;

    void Start();
    // Sets the host's version and build (major << 16 | minor each).
    void HostVersion(std::uint32_t version, std::uint32_t build) const;
    // The device's block as stored in the project; "-" when the device has none.
    std::string Block(std::int32_t id) const;
    // Runs SQL on the project.
    void Sql(const std::string& statement) const;
    static void Pump();

    testsupport::TempDir Dir;
    std::string Folder;
    std::string ProjectPath;
    frametest::ScopedHome Home;
    testsupport::ScriptedUi Ui;
    frametest::RecordingWindows Windows;
    AlignedDevices Models;
    // The image compiler and target systems the main window is to use; none: the libraries' own.
    const TImagebuildFactory* Imagebuild = nullptr;
    const TDevicelinkFactory* Devicelink = nullptr;
    RecordingLink* Link = nullptr;
    std::unique_ptr<TDM> Dm;
    std::unique_ptr<TFormMain> Main;
    bool Ended = false;
};

// The stored block the demo project's device 1 starts with.
std::string DemoBlock();

} // namespace hosttest
