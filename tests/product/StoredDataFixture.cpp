#include "tests/product/StoredDataFixture.h"

#include "host/DemoProject.h"
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "platform/Cp1252.h"
#include "platform/FileIo.h"

#include <cstdio>

namespace storeddatatest {

std::string Cp(std::string_view utf8)
{
    return platform::Utf8ToCp1252(utf8);
}

std::string S1(std::uint16_t address, std::initializer_list<std::uint8_t> data)
{
    const auto count = static_cast<unsigned>(data.size() + 3);
    unsigned sum = count + (address >> 8) + (address & 0xFF);
    char text[16];
    std::snprintf(text, sizeof text, "S1%02X%04X", count, address);
    std::string line = text;
    for (const std::uint8_t byte : data) {
        sum += byte;
        std::snprintf(text, sizeof text, "%02X", byte);
        line += text;
    }
    std::snprintf(text, sizeof text, "%02X", ~sum & 0xFF);
    return line + text;
}

std::string ValidCharSet()
{
    return "SX Version: 1. 0 Typ:SORV/CharSet Device:Vantu CPID: 1252 CBU:0\r\n" +
           S1(0x41 * 8, {0x0E, 0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x00}) + "\r\nS9030000FC\r\n";
}

std::string ValidDeviceText()
{
    return "SX Version: 1. 0 Typ:SORV/DeviceText Device:Vantu LCID:0x0407 CPID: 1252\r\n" + Cp("Tür offen") + "\r\n";
}

namespace {

std::string CreateDemoProject(const std::string& folder)
{
    const std::string path = folder + "demo.ets";
    host::TProjectDatabase::CreateFile(path, [&](host::TSqlDatabase& db) { host::FillDemoProject(db, folder); });
    return path;
}

} // namespace

StoredDataTest::StoredDataTest()
    : folder_(dir_.path().string() + "/"),
      projectPath_(CreateDemoProject(folder_)),
      link_(projectPath_),
      dataModule_(folder_)
{
    window_.SetHostLink(&link_);
    dataModule_.CharSetFile = WriteFile("Cs01252.ezs", ValidCharSet());
    dataModule_.DeviceTextFile = WriteFile("Dl0407.dlg", ValidDeviceText());
}

std::unique_ptr<AlignedDevice> StoredDataTest::MakeDevice(std::int32_t deviceId)
{
    DAL_DEVICE record;
    record.DeviceId = deviceId;
    auto device = std::make_unique<AlignedDevice>(&window_, &record, nullptr);
    window_.SetDevice(device.get());
    return device;
}

std::string StoredDataTest::WriteFile(const std::string& name, std::string_view bytes) const
{
    const std::string path = folder_ + name;
    platform::WriteFileAtomically(path, bytes);
    return path;
}

std::string StoredDataTest::StoredBlock(std::int32_t deviceId) const
{
    host::TProjectDatabase project(projectPath_);
    return host::ReadDeviceBlob(project.Sql(), deviceId).value_or("");
}

void StoredDataTest::StoreBlock(std::int32_t deviceId, std::string_view bytes) const
{
    host::TProjectDatabase project(projectPath_);
    ASSERT_TRUE(host::WriteDeviceBlob(project.Sql(), deviceId, bytes));
}

TDatenStruktur Record(std::int32_t handle, int typ, std::int32_t parent, const std::string& name)
{
    TDatenStruktur record;
    record.Handle = handle;
    record.Typ = static_cast<std::int16_t>(typ);
    record.Parent = parent;
    record.Name = name;
    return record;
}

} // namespace storeddatatest
