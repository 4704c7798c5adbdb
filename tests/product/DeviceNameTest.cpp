#include "host/DemoProject.h"
#include "host/ProjectDatabase.h"
#include "host/SqlDatabase.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "tests/product/support/ProductDoubles.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace producttest {
namespace {

// A device of the demo project whose type number (device parameter 60) the test chooses.
class DeviceInformation : public ::testing::Test {
protected:
    static constexpr std::int32_t DeviceId = 1;

    DeviceInformation()
    {
        host::TProjectDatabase::CreateFile(path, [&](host::TSqlDatabase& db) {
            host::FillDemoProject(db, dir.path().string() + "/");
        });
    }

    TestDevice& Device(std::int32_t typeNumber)
    {
        host::TProjectDatabase(path).Sql().Execute(
            "UPDATE device_parameter SET value = " + std::to_string(typeNumber) + " WHERE device_id = " +
            std::to_string(DeviceId) + " AND parameter_id = (SELECT id FROM parameter WHERE display_order = 60)");
        link = std::make_unique<TEts2Cdi_Extended1>(path);
        window.SetHostLink(link.get());
        DAL_DEVICE record;
        record.DeviceId = DeviceId;
        device = std::make_unique<TestDevice>(&window, &record, nullptr);
        return *device;
    }

    testsupport::TempDir dir;
    std::string path = dir.file("demo.ets");
    FakeMainWindow window;
    std::unique_ptr<TEts2Cdi_Extended1> link;
    std::unique_ptr<TestDevice> device;
};

struct NameCase {
    std::int32_t TypeNumber;
    const char* Name; // UTF-8 spelling of the expected name, which is plain ASCII here
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(c.TypeNumber));
    *os << hex;
}

class DeviceName : public DeviceInformation, public ::testing::WithParamInterface<NameCase> {};

TEST_P(DeviceName, IsBuiltFromTheBitsOfTheTypeNumber)
{
    EXPECT_EQ(Device(GetParam().TypeNumber).GetDeviceName(), GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(
    TypeNumbers, DeviceName,
    ::testing::Values(NameCase{0x74, "Talvo IR-Tastsensor 4fach mit RTR + Display + Uhr"},
                      NameCase{0x03, "Talvo Tastsensor 3fach mit RTR"},
                      NameCase{0x8B, "Talvo Tastsensor 3fach mit RTR"}, // bits 3 and 7 are not read
                      NameCase{0x15, "Talvo Tastsensor 5fach mit RTR + Display"},
                      NameCase{0x22, "Talvo IR-Tastsensor 2fach mit RTR"},
                      NameCase{0x41, "Talvo Tastsensor 1fach mit RTR + Uhr"},
                      NameCase{0x174, "Talvo IR-Tastsensor 4fach mit RTR + Display + Uhr"})); // low byte only

TEST_F(DeviceInformation, VersionNamesTheDataVersionAndTheTypeNumber)
{
    EXPECT_EQ(Device(116).GetVersion(), "SX Version:0.05 Typ:SORV/Vantu_116");
    EXPECT_EQ(Device(0x8B).GetVersion(), "SX Version:0.05 Typ:SORV/Vantu_139");
}

TEST_F(DeviceInformation, AnUnreadableTypeNumberIsReportedAndPassesAsAnException)
{
    TestDevice& model = Device(116);
    host::TProjectDatabase(path).Sql().Execute(
        "DELETE FROM device_parameter WHERE device_id = 1 AND "
        "parameter_id = (SELECT id FROM parameter WHERE display_order = 60)");
    testsupport::ScriptedUi ui;
    EXPECT_THROW(model.GetDeviceName(), std::runtime_error);
    EXPECT_THROW(model.GetVersion(), std::runtime_error);
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[0].caption, "DeviceInstanz::GetDeviceEtsInfo-Error");
}

} // namespace
} // namespace producttest
