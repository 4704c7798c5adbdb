#include "device/BackupFolderName.h"
#include "tests/device/DeviceDoubles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using devicetest::FakeConfigWindow;
using devicetest::FakeDataModule;
using devicetest::FakeMainWindow;
using devicetest::TestDevice;

DAL_DEVICE HostDevice(std::int32_t id)
{
    DAL_DEVICE device;
    device.DeviceId = id;
    device.Name = "Taster Flur";
    device.Description = "Erdgeschoss\r\nlinks";
    return device;
}

TEST(DeviceInstanz, ConstructionKeepsWindowsAndCopiesTheHostRecord)
{
    FakeMainWindow mainWindow;
    FakeConfigWindow window;
    auto host = std::make_unique<DAL_DEVICE>(HostDevice(4711));
    TestDevice device(&mainWindow, host.get(), &window);
    host.reset(); // the model keeps its own copy

    EXPECT_EQ(device.MainForm, &mainWindow);
    EXPECT_EQ(device.ConfigWindow, &window);
    EXPECT_EQ(device.EtsDeviceId, 4711);
    EXPECT_EQ(device.EtsDevice.DeviceId, 4711);
    EXPECT_EQ(device.EtsDevice.Name, "Taster Flur");
    EXPECT_EQ(device.EtsDevice.Description, "Erdgeschoss\r\nlinks");
}

TEST(DeviceInstanz, StartsEmptyWithTheInitialValues)
{
    const DAL_DEVICE host = HostDevice(7);
    TestDevice device(nullptr, &host, nullptr);

    EXPECT_FALSE(device.GrpAdrLoaded);
    EXPECT_FALSE(device.BlobFromBackup);
    EXPECT_TRUE(device.BlobFileName.empty());
    EXPECT_EQ(device.EibHandle, nullptr);
    EXPECT_EQ(device.EtsDeviceParam, nullptr);
    EXPECT_TRUE(device.SubGroupAddrCache.empty());
    EXPECT_FALSE(device.NoDeleteQuestion);
    EXPECT_TRUE(device.DeleteQuestion);
    EXPECT_EQ(device.DataSrc, TDeviceInstanz::dsDatabase);
    EXPECT_EQ(device.DataSrc, 1);
    EXPECT_EQ(device.SystemObjektParam, -1);
    EXPECT_EQ(device.ErrorContext, "0");
    EXPECT_EQ(device.GetDevice(), nullptr);
    EXPECT_TRUE(device.GetDataPointerMap().empty());
    EXPECT_TRUE(device.SystemMaps.Empty());
    EXPECT_TRUE(device.HandleMap.empty());
    EXPECT_TRUE(device.CharTable.empty());
    for (const auto* stream : {&device.BlobStream, &device.CharSetStream, &device.DeviceTextStream,
                               &device.CompDataStream, &device.NewCompDataStream})
        EXPECT_EQ(stream->Size(), 0u);
}

TEST(DeviceInstanz, NamesAndTagsOfTheSections)
{
    const DAL_DEVICE host = HostDevice(7);
    const TestDevice device(nullptr, &host, nullptr);

    const std::vector<std::pair<std::string, std::string>> names = {
        {device.SectionVersion, "Version"},   {device.SectionDB, "DB"},
        {device.SectionCompData, "CompData"}, {device.SectionCharSet, "CharSet"},
        {device.SectionExpandedTreeNodes, "ExpandedTreeNodes"},
        {device.SectionDeviceText, "DeviceText"}, {device.SectionGlobalParam, "GlobalParam"},
    };
    for (const auto& [actual, expected] : names)
        EXPECT_EQ(actual, expected);

    const std::vector<std::pair<std::string, std::string>> tags = {
        {device.TagVersionOpen, "<Version>"},
        {device.TagVersionClose, "</Version>"},
        {device.TagDBOpen, "<DB>"},
        {device.TagDBClose, "</DB>"},
        {device.TagCompDataOpen, "<CompData>"},
        {device.TagCompDataClose, "</CompData>"},
        {device.TagCharSetOpen, "<CharSet>"},
        {device.TagCharSetClose, "</CharSet>"},
        {device.TagExpandedTreeNodesOpen, "<ExpandedTreeNodes %d>"},
        {device.TagExpandedTreeNodesClose, "</ExpandedTreeNodes %d>"},
        {device.TagBlobInfoOpen, "<BlobInfo>"},
        {device.TagBlobInfoClose, "</BlobInfo>"},
        {device.TagDeviceTextOpen, "<DeviceText>"},
        {device.TagDeviceTextClose, "</DeviceText>"},
        {device.TagGlobalParamOpen, "<GlobalParam>"},
        {device.TagGlobalParamClose, "</GlobalParam>"},
    };
    for (const auto& [actual, expected] : tags)
        EXPECT_EQ(actual, expected);
}

TEST(DeviceInstanz, BackupFolderIsMadeBelowTheProgramFolderForTheProject)
{
    testsupport::TempDir dir;
    const std::string programFolder = dir.path().string() + "/";
    const FakeDataModule dataModule(programFolder + "panelconf");
    const DAL_DEVICE host = HostDevice(7);

    const TestDevice device(nullptr, &host, nullptr);

    EXPECT_EQ(device.AutoSaveFolderName, BackupFolderName(host.ProjectId, ""));
    EXPECT_EQ(device.AutoSaveDir, programFolder + "Vantu/AutoSave/" + device.AutoSaveFolderName + "/");
    EXPECT_EQ(device.AutoSaveFile, device.AutoSaveDir + "7.bus");
    EXPECT_EQ(device.LegacyAutoSaveFile, programFolder + "Vantu/AutoSave/7.bus");
    EXPECT_TRUE(std::filesystem::is_directory(device.AutoSaveDir));
}

TEST(DeviceInstanz, AnExistingBackupFolderIsKept)
{
    testsupport::TempDir dir;
    const std::string folder = dir.path().string() + "/Vantu/AutoSave/";
    std::filesystem::create_directories(folder);
    const std::string kept = folder + "4711.bus";
    { std::ofstream(kept) << "x"; }
    const FakeDataModule dataModule(dir.path().string() + "/panelconf");
    const DAL_DEVICE host = HostDevice(12);

    const TestDevice device(nullptr, &host, nullptr);

    EXPECT_EQ(device.AutoSaveFile, device.AutoSaveDir + "12.bus");
    EXPECT_EQ(device.AutoSaveDir.rfind(folder, 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(kept));
}

TEST(DeviceInstanz, WithoutDataModuleTheBackupPathsStayEmpty)
{
    ASSERT_EQ(TDataModuleServices::Current(), nullptr);
    const DAL_DEVICE host = HostDevice(7);
    const TestDevice device(nullptr, &host, nullptr);
    EXPECT_TRUE(device.AutoSaveDir.empty());
    EXPECT_TRUE(device.AutoSaveFile.empty());
}

TEST(DeviceInstanz, TheLatestLivingDataModuleIsTheCurrentOne)
{
    auto first = std::make_unique<FakeDataModule>("/a/panelconf");
    auto second = std::make_unique<FakeDataModule>("/b/panelconf");
    EXPECT_EQ(TDataModuleServices::Current(), second.get());
    first.reset();
    EXPECT_EQ(TDataModuleServices::Current(), second.get());
    second.reset();
    EXPECT_EQ(TDataModuleServices::Current(), nullptr);
}

TEST(DeviceInstanz, DefaultBodiesOfTheVirtualInterface)
{
    const DAL_DEVICE host = HostDevice(7);
    TestDevice device(nullptr, &host, nullptr);
    TDeviceInstanz& base = device;
    platform::TMemoryStream stream("SX Version: 1.00");

    EXPECT_TRUE(base.SetObjIdent(2));
    EXPECT_FALSE(base.UpdateActiveTree(1, 2));
    EXPECT_FALSE(base.VersionConvert(&stream, "SX Version: 0.90"));
    EXPECT_FALSE(base.SorvImport(&stream, true));
}

} // namespace
