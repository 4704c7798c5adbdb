#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "tests/product/support/ProductDoubles.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <tuple>
#include <memory>

namespace producttest {
namespace {

using TFlags = std::array<bool, 6>;

TFlags Read(const TDeviceInstanzTalvo& device, TFlags flags)
{
    device.GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    return flags;
}

void Store(TDeviceInstanzTalvo& device, const TFlags& flags)
{
    device.SetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
}

class DownloadFlags : public ::testing::Test {
protected:
    DownloadFlags()
    {
        auto owned = std::make_unique<TTalvoSystem>(0, 0, 0, "System", 7, -1, 1, false);
        system = owned.get();
        EXPECT_TRUE(device.SetPointer2List(owned.release()));
        device.SetDevice(system);
    }

    TestDevice device{nullptr, nullptr, nullptr};
    TTalvoSystem* system = nullptr;
};

TEST_F(DownloadFlags, AreReadAndWrittenInTheirOrder)
{
    const TFlags stored{true, false, true, true, false, true};
    Store(device, stored);
    EXPECT_EQ(Read(device, {}), stored);
    TFlags inSystem{};
    system->GetSystemFlags(inSystem[0], inSystem[1], inSystem[2], inSystem[3], inSystem[4], inSystem[5]);
    EXPECT_EQ(inSystem, stored);
}

// Each setter, with the position (0-based) of the one flag it changes.
struct Setter {
    const char* Name;
    bool (TDeviceInstanzTalvo::*Set)(bool);
    std::size_t Position;
};

void PrintTo(const Setter& setter, std::ostream* out)
{
    *out << setter.Name;
}

class EachSetter : public DownloadFlags, public ::testing::WithParamInterface<std::tuple<Setter, bool>> {};

TEST_P(EachSetter, ChangesOnlyItsOwnFlag)
{
    const auto [setter, value] = GetParam();
    // Every other flag holds the opposite value, so that a setter touching another shows.
    TFlags before;
    before.fill(!value);
    Store(device, before);

    EXPECT_TRUE((device.*setter.Set)(value));

    TFlags expected = before;
    expected[setter.Position] = value;
    EXPECT_EQ(Read(device, {}), expected) << setter.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Setters, EachSetter,
    ::testing::Combine(::testing::Values(Setter{"UserDeviceParam", &TDeviceInstanzTalvo::SetDbDataUserDeviceParam, 1},
                                         Setter{"Szenen", &TDeviceInstanzTalvo::SetDbDataSzenen, 2},
                                         Setter{"RaumtempSchaltuhr", &TDeviceInstanzTalvo::SetDbDataRaumtempSchaltuhr,
                                                3},
                                         Setter{"Schaltuhr1", &TDeviceInstanzTalvo::SetDbDataSchaltuhr1, 4},
                                         Setter{"Schaltuhr2", &TDeviceInstanzTalvo::SetDbDataSchaltuhr2, 5}),
                       ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).Name) + (std::get<1>(info.param) ? "_On" : "_Off");
    });

TEST_F(DownloadFlags, TheSystemRecordKeepsThem)
{
    const TFlags stored{false, true, false, true, true, false};
    Store(device, stored);
    TDatenStruktur record;
    system->Write(record);
    TTalvoSystem restored(0, 0, 0, "System", 0, 0, 1, false);
    restored.InitFromDB(record);
    TFlags read{};
    restored.GetSystemFlags(read[0], read[1], read[2], read[3], read[4], read[5]);
    EXPECT_EQ(read, stored);
}

TEST(DownloadFlagsWithoutSystem, NothingHappens)
{
    TestDevice device{nullptr, nullptr, nullptr};
    const TFlags untouched{true, false, true, false, true, false};
    EXPECT_EQ(Read(device, untouched), untouched);
    Store(device, {true, true, true, true, true, true});
    EXPECT_TRUE(device.SetDbDataSzenen(true));
    EXPECT_EQ(Read(device, untouched), untouched);
}

TEST(DownloadFlagsWithoutSystem, ADeviceDataObjectOfAnotherClassIsNoSystem)
{
    TestDevice device{nullptr, nullptr, nullptr};
    auto display = std::make_unique<TTalvoDisplay>(0, 0, 0, "Anzeige", 3);
    TTalvoDisplay* object = display.get();
    ASSERT_TRUE(device.SetPointer2List(display.release()));
    device.SetDevice(object);
    EXPECT_EQ(device.GetPointerFromSystem(), nullptr);
    const TFlags untouched{false, true, false, true, false, true};
    EXPECT_TRUE(device.SetDbDataUserDeviceParam(false));
    EXPECT_EQ(Read(device, untouched), untouched);
}

} // namespace
} // namespace producttest
