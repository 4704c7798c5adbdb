#include "host/DemoProject.h"
#include "host/ProjectDatabase.h"
#include "host/ProjectSchema.h"
#include "host/SimulatedBus.h"
#include "host/SqlStatement.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::uint16_t Address(const char* text)
{
    return *host::ParsePhysicalAddress(text);
}

// A demo project whose devices are on the bus.
class SimulatedBus : public ::testing::Test {
protected:
    SimulatedBus() : Path(Dir.file("demo.ets"))
    {
        host::TProjectDatabase::CreateFile(Path, [](host::TSqlDatabase& db) {
            host::FillDemoProject(db, "/tmp/");
            host::TSimulatedBus(db).PutProjectDevices();
        });
        Project = std::make_unique<host::TProjectDatabase>(Path);
    }
    host::TSimulatedBus Bus() { return host::TSimulatedBus(Project->Sql()); }

    testsupport::TempDir Dir;
    std::string Path;
    std::unique_ptr<host::TProjectDatabase> Project;
};

TEST_F(SimulatedBus, EveryProjectDeviceAnswersAtItsAddress)
{
    const auto devices = Bus().Devices();
    ASSERT_EQ(devices.size(), 3u);
    for (std::size_t i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(host::PhysicalAddressText(devices[i].Address), "1.1." + std::to_string(i + 1));
        EXPECT_EQ(devices[i].DeviceId, static_cast<std::int32_t>(i + 1));
        EXPECT_TRUE(devices[i].Image.empty());
        EXPECT_TRUE(devices[i].AddressTime.empty());
    }
}

TEST_F(SimulatedBus, AnAddressInUseIsNotGivenAgain)
{
    EXPECT_FALSE(Bus().ProgramAddress(Address("1.1.1"), Address("1.1.2"), 1));
    EXPECT_EQ(Bus().Device(Address("1.1.2"))->DeviceId, 2);
    EXPECT_TRUE(Bus().Device(Address("1.1.1")));
}

TEST_F(SimulatedBus, WithoutADeviceAtTheOldAddressANewOneComes)
{
    ASSERT_TRUE(Bus().ProgramAddress(Address("1.1.77"), Address("1.1.78"), 9));
    EXPECT_FALSE(Bus().Device(Address("1.1.77")));
    EXPECT_EQ(Bus().Device(Address("1.1.78"))->DeviceId, 9);
    EXPECT_FALSE(Bus().Device(Address("1.1.78"))->AddressTime.empty());
}

TEST_F(SimulatedBus, AnImageNeedsADeviceThatAnswers)
{
    EXPECT_FALSE(Bus().StoreImage(Address("2.1.1"), 1, "image"));
    ASSERT_TRUE(Bus().StoreImage(Address("1.1.3"), 3, "image"));
    EXPECT_EQ(Bus().Device(Address("1.1.3"))->Image, "image");
}

TEST_F(SimulatedBus, OutcomesAreOkUntilForced)
{
    EXPECT_EQ(Bus().Outcome("Download"), host::TSimOutcome::Ok);
    Bus().SetOutcome("Download", host::TSimOutcome::OtherException);
    Bus().SetOutcome("Download", host::TSimOutcome::Fail);
    EXPECT_EQ(Bus().Outcome("Download"), host::TSimOutcome::Fail);
    EXPECT_EQ(Bus().Outcome("Auslesen"), host::TSimOutcome::Ok);
}

TEST_F(SimulatedBus, AProjectOfTheFormerLayoutGetsTheBusWhenOpened)
{
    Project.reset();
    {
        host::TSqlDatabase db(Path, host::TSqlDatabase::TOpenMode::Existing);
        db.Execute("DROP TABLE sim_device; DROP TABLE sim_config; PRAGMA user_version = 2");
    }
    Project = std::make_unique<host::TProjectDatabase>(Path);
    host::TSqlStatement version(Project->Sql(), "PRAGMA user_version");
    ASSERT_TRUE(version.Step());
    EXPECT_EQ(version.Int(0), host::ProjectSchema::Version);
    version.Reset();
    EXPECT_TRUE(Bus().Devices().empty());
    Bus().PutDevice(Address("1.1.1"), 1);
    EXPECT_EQ(Bus().Devices().size(), 1u);
}

TEST(PhysicalAddress, TextAndValue)
{
    EXPECT_EQ(host::ParsePhysicalAddress("15.15.255"), std::uint16_t{0xFFFF});
    EXPECT_EQ(host::ParsePhysicalAddress("1.1.1"), std::uint16_t{0x1101});
    for (const char* bad : {"16.0.0", "1.16.0", "1.1.256", "1.1", "1.1.1.1", "a.1.1", "1.1.1 ", ""})
        EXPECT_FALSE(host::ParsePhysicalAddress(bad)) << bad;
    EXPECT_EQ(host::PhysicalAddressText(0x1A05), "1.10.5");
}

} // namespace
