#include "climalib/RaumtemperaturSchaltuhr.h"
#include "tests/climalib/support/NamedCase.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace {

using climatest::PrintTo;
using namespace T_DB_EnumRaumtemperaturSchaltuhr;

struct Packing {
    const char* name;
    tagSchaltDaten schaltDaten;
    std::int32_t packed;
};

class SchaltDatenPacking : public ::testing::TestWithParam<Packing> {};

TEST_P(SchaltDatenPacking, PacksDayModeHourMinuteIntoOneInteger)
{
    EXPECT_EQ(TRaumtemperaturSchaltuhr::SchaltDatenToInt(GetParam().schaltDaten), GetParam().packed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SchaltDatenPacking,
    ::testing::Values(Packing{"MondayComfort0730", {7, 30, wtMontag, 0, bmKomfort}, 16844574},
                      Packing{"WeekdaysNight2200", {22, 0, wtWerktage, 0, bmNacht}, 134419968},
                      Packing{"EveryDayFrost2359", {23, 59, wtTaeglich, 0, bmFrostHitzeschutz}, 168040251},
                      Packing{"FreeSlot", {0, 0, wtUnbenutzt, 0, 0}, 0},
                      Packing{"ReserveTakesNoPart", {7, 30, wtMontag, 0x7FFF, bmKomfort}, 16844574},
                      Packing{"HourTakenToItsLowByte", {300, 0, 0, 0, 0}, 44 << 8},
                      Packing{"NegativeWordTakenToItsLowByte", {0, -1, 0, 0, 0}, 0xFF},
                      // Bytes C8 01 00 00: the sign bit is the day's top bit.
                      Packing{"DayAbove127GivesANegativeValue", {0, 0, 200, 0, 1}, -939458560}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchaltDaten, UnpackingGivesTheFourWordsBackAndZeroesTheFourth)
{
    const tagSchaltDaten t = TRaumtemperaturSchaltuhr::IntToSchaltDaten(16844574);
    EXPECT_EQ(t.Stunde, 7);
    EXPECT_EQ(t.Minute, 30);
    EXPECT_EQ(t.Wochentag, wtMontag);
    EXPECT_EQ(t.Betriebsmodus, bmKomfort);
    EXPECT_EQ(t.Reserve, 0);

    const tagSchaltDaten u = TRaumtemperaturSchaltuhr::IntToSchaltDaten(168040251);
    EXPECT_EQ(u.Stunde, 23);
    EXPECT_EQ(u.Minute, 59);
    EXPECT_EQ(u.Wochentag, wtTaeglich);
    EXPECT_EQ(u.Betriebsmodus, bmFrostHitzeschutz);
}

TEST(SchaltDaten, ANegativeValueUnpacksToAFreeSlot)
{
    for (const std::int32_t packed : {-1, -939458560, INT32_MIN}) {
        const tagSchaltDaten t = TRaumtemperaturSchaltuhr::IntToSchaltDaten(packed);
        EXPECT_EQ(t.Stunde, 0) << packed;
        EXPECT_EQ(t.Minute, 0) << packed;
        EXPECT_EQ(t.Wochentag, 0) << packed;
        EXPECT_EQ(t.Reserve, 0) << packed;
        EXPECT_EQ(t.Betriebsmodus, 0) << packed;
    }
}

TEST(SchaltDaten, TheLayoutIsFiveSixteenBitWords)
{
    static_assert(sizeof(tagSchaltDaten) == 10);
    static_assert(offsetof(tagSchaltDaten, Stunde) == 0);
    static_assert(offsetof(tagSchaltDaten, Minute) == 2);
    static_assert(offsetof(tagSchaltDaten, Wochentag) == 4);
    static_assert(offsetof(tagSchaltDaten, Reserve) == 6);
    static_assert(offsetof(tagSchaltDaten, Betriebsmodus) == 8);
    SUCCEED();
}

} // namespace
