#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace hosttest {
namespace {

class EtsInfoTest : public DemoProjectTest {};

TEST_F(EtsInfoTest, TheHostTellsItsVersionBuildAndFolders)
{
    TEts2Cdi_Extended1 link(path_);
    tagETSINFO info;
    ASSERT_TRUE(link.GetEtsInfo(info));
    EXPECT_EQ(0x00010003u, info.Version); // 1.3
    EXPECT_EQ(0x0000007Du, info.Build);   // 0.125
    const std::string folder = dir_.path().string() + "/";
    EXPECT_EQ(folder, info.HostFolder);
    EXPECT_EQ(folder + "Import/", info.ImportFolder);
    EXPECT_EQ("Ets20", info.IniName);
}

TEST_F(EtsInfoTest, FolderNamesComeInTheWindowsCodePage)
{
    Execute("UPDATE host_info SET host_folder = '/daten/Bäume/'");
    TEts2Cdi_Extended1 link(path_);
    tagETSINFO info;
    ASSERT_TRUE(link.GetEtsInfo(info));
    EXPECT_EQ("/daten/B\xE4ume/", info.HostFolder);
}

TEST_F(EtsInfoTest, WithoutHostInformationTheAnswerIsFalseAndNothingIsFilled)
{
    Execute("DELETE FROM host_info");
    TEts2Cdi_Extended1 link(path_);
    tagETSINFO info;
    info.IniName = "untouched";
    EXPECT_FALSE(link.GetEtsInfo(info));
    EXPECT_EQ("untouched", info.IniName);

    TEts2Cdi_Extended1 missing(dir_.file("missing.ets"));
    EXPECT_FALSE(missing.GetEtsInfo(info));

    Execute("INSERT INTO host_info (id, version, build, import_folder, ini_name, host_folder) "
            "VALUES (1, 65539, 125, '', 'Ets20', '/')");
    TEts2CdiFaults faulty(path_);
    EXPECT_TRUE(faulty.GetEtsInfo(info));
    faulty.FailEtsInfo();
    EXPECT_FALSE(faulty.GetEtsInfo(info));
}

struct TDemoDevice {
    std::int32_t DeviceId;
    std::int32_t TypeNumber;
    std::int32_t Keys;
};

void PrintTo(const TDemoDevice& device, std::ostream* out)
{
    *out << "device " << device.DeviceId;
}

class DemoDeviceParamTest : public DemoProjectTest, public ::testing::WithParamInterface<TDemoDevice> {};

TEST_P(DemoDeviceParamTest, TypeNumberAndKeyCountAreParameters60And61)
{
    TEts2Cdi_Extended1 link(path_);
    const TEtsDeviceParam parameters(&link, GetParam().DeviceId);
    std::int32_t value = -1;
    EXPECT_FALSE(parameters.GetDeviceParamData(60, value));
    EXPECT_EQ(GetParam().TypeNumber, value);
    EXPECT_FALSE(parameters.GetDeviceParamData(61, value));
    EXPECT_EQ(GetParam().Keys, value);
    EXPECT_FALSE(parameters.GetDeviceParamData(62, value));
    EXPECT_EQ(0, value);
}

// 2 key pairs with display; 4 pairs with display and infrared; 5 pairs with display, infrared, clock.
INSTANTIATE_TEST_SUITE_P(Demo, DemoDeviceParamTest,
                         ::testing::Values(TDemoDevice{FlurDevice, 0x12, 4}, TDemoDevice{WohnenDevice, 0x34, 8},
                                           TDemoDevice{KuecheDevice, 0x75, 10}));

class EtsDeviceParamTest : public DemoProjectTest {};

TEST_F(EtsDeviceParamTest, AMissingParameterOrDeviceIsAFailureThatLeavesTheValue)
{
    TEts2Cdi_Extended1 link(path_);
    std::int32_t value = 4711;
    EXPECT_TRUE(TEtsDeviceParam(&link, FlurDevice).GetDeviceParamData(63, value));
    EXPECT_TRUE(TEtsDeviceParam(&link, 99).GetDeviceParamData(60, value));
    EXPECT_TRUE(TEtsDeviceParam(nullptr, FlurDevice).GetDeviceParamData(60, value));
    EXPECT_EQ(4711, value);

    Execute("DELETE FROM device_parameter WHERE device_id = 1 AND parameter_id = "
            "(SELECT id FROM parameter WHERE display_order = 60)");
    EXPECT_TRUE(TEtsDeviceParam(&link, FlurDevice).GetDeviceParamData(60, value));
    EXPECT_FALSE(TEtsDeviceParam(&link, FlurDevice).GetDeviceParamData(61, value));
}

TEST_F(EtsDeviceParamTest, HostErrorsAreFailures)
{
    TEts2CdiFaults link(path_);
    const TEtsDeviceParam parameters(&link, WohnenDevice);
    std::int32_t value = -1;

    link.FailReads(TDalKind::DeviceParam, DAL_ERR);
    EXPECT_TRUE(parameters.GetDeviceParamData(60, value));
    link.Heal();
    link.FailReads(TDalKind::Parameter, DAL_ERR);
    EXPECT_TRUE(parameters.GetDeviceParamData(60, value));
    link.Heal();
    // The iteration breaks off after the first record (parameter 60), before 61 is reached.
    link.FailReads(TDalKind::DeviceParam, DAL_ERR, 1);
    EXPECT_TRUE(parameters.GetDeviceParamData(61, value));
    EXPECT_EQ(-1, value);
    link.Heal();
    EXPECT_FALSE(parameters.GetDeviceParamData(61, value));
    EXPECT_EQ(8, value);
}

} // namespace
} // namespace hosttest
