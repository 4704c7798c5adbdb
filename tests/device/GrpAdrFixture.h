#pragma once

#include "outside/hostlink/Ets2CdiFaults.h"
#include "tests/device/DeviceHub.h"
#include "tests/device/GrpAdrDoubles.h"
#include "tests/host/HostFixture.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ScriptedUi.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace grpadrtest {

// Host type of the demo's communication objects 57 and 58 (3 bytes), and its object type code.
constexpr std::uint8_t DemoObjectType = 10;

// The device model of the demo's "Tastsensor Wohnen" on the stand-in host's demo project, with the
// objects and links of the host fixture, a main window, one configuration window and a data
// module; every message box is scripted. The communication objects talk to a hub window of
// their own, so that the main window sees only what the model posts.
class GrpAdrTest : public hosttest::DemoProjectTest {
protected:
    GrpAdrTest();

    // A registered communication object of the device.
    TEtsObjekt* AddObject(std::int32_t handle, std::int32_t deviceObjectId, int objectNumber,
                          std::uint8_t objectType = DemoObjectType);
    TEtsObjekt* AddObject2(std::int32_t handle, std::int32_t deviceObjectId, int objectNumber);
    // The project's links of a device object: sub group -> sending flag.
    std::map<std::int32_t, int> ProjectLinks(std::int32_t deviceObjectId);
    std::int64_t Query(const std::string& sql);
    std::int32_t SubGroupId(int main, int middle, int sub);
    // The sub node of an address among the device's middle/sub nodes.
    TSorvGrpAdrSub* SubNode(std::uint16_t address) const;
    // The links the object's record and its chain keep: "subGroupId:address:flag" joined by ";".
    std::string RecordLinks(TDataBasis* object) { return devicetest::TDeviceHub::RecordLinks(*device_, object); }
    // The messages posted to the main window so far.
    std::vector<platform::UINT> Posted();

    testsupport::ScriptedUi ui_;
    hosttest::TObjects ids_;
    TEts2CdiFaults link_;
    GrpAdrDataModule dataModule_;
    testsupport::RecordingWindow window_;
    GrpAdrConfigWindow config_;
    GrpAdrMainWindow main_;
    // The window of the communication objects, which answers their record requests.
    TDeviceInstanz* hubDevice_ = nullptr;
    devicetest::TDeviceHub hub_{hubDevice_};
    std::unique_ptr<GrpAdrDevice> device_;
};

} // namespace grpadrtest
