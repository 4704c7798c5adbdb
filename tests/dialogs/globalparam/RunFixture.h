#pragma once

#include "device/DatenStruktur.h"
#include "dialogs/project/GlobalParameterRun.h"
#include "outside/hostlink/Ets2Cdi.h"
#include "tests/dialogs/globalparam/GlobalParamFixture.h"
#include "tests/dialogs/globalparam/MarkedObject.h"
#include "tests/support/DeviceProject.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace globalparamtest {

// A host link whose block writes fail for the listed devices.
class FailingLink final : public TEts2Cdi {
public:
    using TEts2Cdi::TEts2Cdi;
    bool BlobWrite(const char* data, std::int32_t size, std::int32_t deviceId) override
    {
        return FailWrites.count(deviceId) == 0 && TEts2Cdi::BlobWrite(data, size, deviceId);
    }
    std::set<std::int32_t> FailWrites;
};

// The demo project of the stand-in host in a temporary folder with five devices of one program
// besides the edited device 1 (2, 3 at 1.1.2 and 1.1.3; 4 at 1.2.17 "Bad"; 5 at 1.1.4; 7 at
// 1.1.5) and device 6 of another program; the edited device's model; the marked object with
// Sollwert and Betrieb marked; a progress parent that cancels the run.
class RunFixture : public ::testing::Test {
protected:
    RunFixture();

    // The record of the marked object's function in a device, its chained record and a
    // record of the same type at another position.
    static std::vector<TDatenStruktur> Records(int posId = 1);
    // A data block of the version and records.
    static std::string Block(const std::string& version, const std::vector<TDatenStruktur>& records);
    static std::string Block(const std::vector<TDatenStruktur>& records) { return Block("SX Version:0.05 Typ:SORV/Vantu_18", records); }
    void Store(std::int32_t deviceId, const std::string& block);
    std::string Stored(std::int32_t deviceId);
    // The stored block's records, by handle.
    std::vector<TDatenStruktur> StoredRecords(std::int32_t deviceId);
    void Execute(const std::string& sql);
    // The device of the run's list with that id.
    SDeviceData* Device(std::int32_t deviceId);
    std::string BackupFolder() const;

    testsupport::DeviceProject project_;
    testsupport::ScriptedUi ui_;
    FailingLink link_;
    std::unique_ptr<testsupport::ProjectDevice> device_;
    FakeMainWindow main_;
    TMarkedObject object_{10, 1};
    std::unique_ptr<TGlobalParameterRun> run_;

private:
    platform::TWindowRegistration progressParent_;
};

} // namespace globalparamtest
