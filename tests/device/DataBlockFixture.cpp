#include "tests/device/DataBlockFixture.h"

#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "host/DemoProject.h"
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "platform/Cp1252.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <system_error>

namespace datablocktest {

std::string Cp(std::string_view utf8)
{
    return platform::Utf8ToCp1252(utf8);
}

namespace {

std::string CreateDemoProject(const std::string& folder)
{
    const std::string path = folder + "demo.ets";
    host::TProjectDatabase::CreateFile(path, [&](host::TSqlDatabase& db) { host::FillDemoProject(db, folder); });
    return path;
}

} // namespace

DataBlockTest::DataBlockTest()
    : folder_(dir_.path().string() + "/"),
      projectPath_(CreateDemoProject(folder_)),
      dataModule_(folder_),
      link_(std::make_unique<TEts2CdiFaults>(projectPath_)),
      mainWindow_(link_.get())
{
}

std::unique_ptr<TestProductDevice> DataBlockTest::MakeDevice(std::int32_t deviceId)
{
    DAL_DEVICE record;
    record.DeviceId = deviceId;
    return std::make_unique<TestProductDevice>(&mainWindow_, &record, nullptr);
}

std::string DataBlockTest::StoredBlock(std::int32_t deviceId) const
{
    host::TProjectDatabase project(projectPath_);
    return host::ReadDeviceBlob(project.Sql(), deviceId).value_or("");
}

void DataBlockTest::StoreBlock(std::int32_t deviceId, std::string_view bytes) const
{
    host::TProjectDatabase project(projectPath_);
    ASSERT_TRUE(host::WriteDeviceBlob(project.Sql(), deviceId, bytes));
}

void DataBlockTest::WriteDebugSetting(std::string_view key, std::string_view value) const
{
    ASSERT_TRUE(TMyRegistry().WriteIniString(dataModule_.GetIniFileName(), SECTION_DEBUG, key, value));
}

std::string DataBlockTest::WriteFile(const std::string& name, std::string_view bytes) const
{
    const std::string path = folder_ + name;
    platform::WriteFileAtomically(path, bytes);
    return path;
}

std::optional<std::string> FileBytes(const std::string& path)
{
    std::error_code unknown;
    if (!std::filesystem::exists(path, unknown))
        return std::nullopt;
    return platform::ReadWholeFile(path);
}

} // namespace datablocktest
