#include "host/ProjectDatabase.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "tests/device/DataBlockFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <ostream>
#include <string>

namespace {

using datablocktest::Cp;
using datablocktest::DataBlockTest;
using datablocktest::TestObject;

constexpr std::int32_t Flur = 1;
constexpr std::int32_t Kueche = 3;

struct AddressCase {
    int area;
    int line;
    int device;
    std::string text;
    std::uint16_t number;
};

void PrintTo(const AddressCase& c, std::ostream* os)
{
    *os << c.text;
}


// A device of the demo project placed at the case's address.
class PhysAdrTest : public DataBlockTest, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(PhysAdrTest, TextAndNumber)
{
    const AddressCase& c = GetParam();
    {
        host::TProjectDatabase project(projectPath_);
        const std::string area = std::to_string(c.area);
        const std::string line = std::to_string(c.line);
        const std::string areaId = "(SELECT id FROM area WHERE project_id = 1 AND number = " + area + ")";
        project.Sql().Execute("INSERT INTO area (project_id, number) VALUES (1, " + area + ") ON CONFLICT DO NOTHING");
        project.Sql().Execute("INSERT INTO line (area_id, number) VALUES (" + areaId + ", " + line +
                              ") ON CONFLICT DO NOTHING");
        project.Sql().Execute("UPDATE device SET device_number = " + std::to_string(c.device) +
                              ", line_id = (SELECT id FROM line WHERE area_id = " + areaId + " AND number = " + line +
                              ") WHERE id = 2");
    }
    auto device = MakeDevice(Flur);
    EXPECT_EQ(device->GetPhysAdr(2), c.text);
    EXPECT_EQ(device->GetPhysAddr(2), c.number);
}

INSTANTIATE_TEST_SUITE_P(Addresses, PhysAdrTest,
                         ::testing::Values(AddressCase{1, 0, 1, "01.00.001", 0x1001},
                                           AddressCase{15, 15, 255, "15.15.255", 0xFFFF},
                                           AddressCase{1, 1, 5, "01.01.005", 0x1105},
                                           AddressCase{0, 0, 0, "00.00.000", 0x0000},
                                           AddressCase{10, 3, 12, "10.03.012", 0xA30C}),
                         [](const auto& info) {
                             std::string name = "Address" + info.param.text;
                             std::erase(name, '.');
                             return name;
                         });

TEST_F(DataBlockTest, PhysAdrOfTheDemoDevices)
{
    auto device = MakeDevice(Flur);
    EXPECT_EQ(device->GetPhysAdr(Flur), "01.01.001");
    EXPECT_EQ(device->GetPhysAddr(Kueche), 0x1103);
}

struct MissingCase {
    const char* label;
    std::int32_t deviceId;
    bool hasLink;
    bool failKind;
    TDalKind kind;
    int result;
};

void PrintTo(const MissingCase& c, std::ostream* os)
{
    *os << c.label;
}


class PhysAdrMissingTest : public DataBlockTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(PhysAdrMissingTest, GivesEmptyTextAndZero)
{
    const MissingCase& c = GetParam();
    if (c.failKind)
        link_->FailReads(c.kind, c.result);
    if (!c.hasLink)
        mainWindow_.Link = nullptr;
    auto device = MakeDevice(Flur);
    EXPECT_EQ(device->GetPhysAdr(c.deviceId), "");
    EXPECT_EQ(device->GetPhysAddr(c.deviceId), 0);
    EXPECT_TRUE(ui_.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Records, PhysAdrMissingTest,
    ::testing::Values(MissingCase{"UnknownDevice", 99, true, false, TDalKind::Device, DAL_OK},
                      MissingCase{"DeviceRecordMissing", Flur, true, true, TDalKind::Device, DAL_END},
                      MissingCase{"LineRecordMissing", Flur, true, true, TDalKind::Line, DAL_END},
                      MissingCase{"AreaRecordMissing", Flur, true, true, TDalKind::Area, DAL_END},
                      MissingCase{"HostError", Flur, true, true, TDalKind::Area, DAL_ERR},
                      MissingCase{"NoHostLink", Flur, false, false, TDalKind::Device, DAL_OK}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DataBlockTest, PhysAdrWithoutMainWindow)
{
    DAL_DEVICE record;
    record.DeviceId = Flur;
    datablocktest::TestProductDevice device(nullptr, &record, nullptr);
    EXPECT_EQ(device.GetPhysAdr(Flur), "");
    EXPECT_EQ(device.GetPhysAddr(Flur), 0);
}

TEST_F(DataBlockTest, DeviceEtsInfoOfADemoDevice)
{
    auto device = MakeDevice(Kueche);
    const tagRecDeviceEtsInfo info = device->GetDeviceEtsInfo();
    EXPECT_EQ(info.DeviceName, Cp("Tastsensor Küche"));
    EXPECT_EQ(info.DeviceDescription, Cp("Küche\r\nmit Uhr"));
    EXPECT_EQ(info.ProjectName, "Talvo Demo");
    EXPECT_EQ(info.PhysAdrText, "01.01.003");
    EXPECT_EQ(info.TypeNumber, 0x75);
    EXPECT_EQ(info.TypeNumberText, "117");
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(DataBlockTest, DeviceEtsInfoWithoutProjectRecord)
{
    link_->FailReads(TDalKind::Project, DAL_END);
    auto device = MakeDevice(Flur);
    const tagRecDeviceEtsInfo info = device->GetDeviceEtsInfo();
    EXPECT_EQ(info.DeviceName, "Tastsensor Flur");
    EXPECT_EQ(info.ProjectName, "");
    EXPECT_EQ(info.PhysAdrText, "01.01.001");
    EXPECT_EQ(info.TypeNumber, 0x12);
}

TEST_F(DataBlockTest, DeviceEtsInfoWithoutTypeNumberTellsAndThrows)
{
    {
        host::TProjectDatabase project(projectPath_);
        project.Sql().Execute("DELETE FROM device_parameter WHERE device_id = 1 AND parameter_id = "
                              "(SELECT id FROM parameter WHERE display_order = 60)");
    }
    auto device = MakeDevice(Flur);

    EXPECT_THROW(device->GetDeviceEtsInfo(), std::runtime_error);
    ASSERT_EQ(ui_.boxes().size(), 1u);
    const testsupport::ScriptedUi::Box box = ui_.boxes()[0];
    EXPECT_EQ(box.caption, "DeviceInstanz::GetDeviceEtsInfo-Error");
    EXPECT_EQ(box.style, 16u);
    EXPECT_TRUE(box.text.starts_with("GetDeviceParamData(donTypenNummer)\nFile: ")) << box.text;
    EXPECT_NE(box.text.find("DeviceInstanzHost.cpp\nLine: "), std::string::npos) << box.text;
    EXPECT_TRUE(box.text.ends_with("\n"));
    try {
        device->GetDeviceEtsInfo();
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(error.what(), box.text);
    }

    ASSERT_NE(device->EtsDeviceParam, nullptr) << "the parameter object stays";
    const TEtsDeviceParam* parameters = device->EtsDeviceParam.get();
    EXPECT_THROW(device->GetDeviceEtsInfo(), std::runtime_error);
    EXPECT_EQ(device->EtsDeviceParam.get(), parameters) << "and is made once";
}

TEST_F(DataBlockTest, DeviceEtsInfoWithoutHostLinkIsThatOfAMissingDevice)
{
    mainWindow_.Link = nullptr;
    auto device = MakeDevice(Flur);
    EXPECT_THROW(device->GetDeviceEtsInfo(), std::runtime_error);
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].caption, "DeviceInstanz::GetDeviceEtsInfo-Error");
}

TEST_F(DataBlockTest, SetObjIdentToDataAsksTheObject)
{
    auto device = MakeDevice(Flur);
    TDatenStruktur record;
    record.Handle = 12;
    record.Typ = 806;
    device->AddObject(record);
    auto* object = static_cast<TestObject*>(device->FindHandle(12));

    EXPECT_TRUE(device->SetObjIdentToData(12, 5));
    EXPECT_EQ(object->Ident, 5);
    EXPECT_FALSE(device->SetObjIdentToData(12, -3)) << "the object's answer";
    EXPECT_EQ(object->Ident, -3);
    EXPECT_FALSE(device->SetObjIdentToData(13, 5)) << "no object with that handle";
    EXPECT_EQ(object->Ident, -3);
}

} // namespace
