#include "device/product/DatenTyp.h"
#include "tests/product/StoredDataFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace storeddatatest {
namespace {

// A communication object below a parent: display order N, object number V, parameter value F.
TDatenStruktur Objekt(std::int32_t handle, std::int32_t parent, std::int32_t n, std::int32_t v, std::int32_t f)
{
    TDatenStruktur record = Record(handle, DT_ETS_OBJEKT, parent, "Objekt " + std::to_string(handle));
    record.Param16 = n;
    record.Param4 = v;
    record.Param17 = f;
    return record;
}

TDatenStruktur TimeSwitch(std::int32_t handle, std::int32_t number)
{
    TDatenStruktur record = Record(handle, DT_SCHALTUHR, 1, "Schaltuhr");
    record.Param3 = number;
    return record;
}

class Conversion : public StoredDataTest {
protected:
    Conversion() : device(MakeDevice(DeviceFlur)) {}

    // Converts the table as stored with that version; answers whether it was converted.
    bool Convert(int storedMajor = 0, int storedMinor = 1)
    {
        major = storedMajor;
        minor = storedMinor;
        return device->VersionConvertTalvoDBData(&records, major, minor);
    }
    // Object number and display order of the record with that handle, as "V/N".
    std::string Of(std::int32_t handle) const
    {
        TDatenStruktur record;
        if (!records.Find("Handle", handle, record))
            return "missing";
        return std::to_string(record.Param4) + "/" + std::to_string(record.Param16);
    }

    std::unique_ptr<AlignedDevice> device;
    TDeviceInstanz::TRecordTable records{"", 0};
    int major = 0;
    int minor = 0;
};

// --- Every row of the table, on a block of its own ---

struct Row {
    int parentTyp;
    int switchNumber; // Param3 of the time-switch parent
    std::int32_t n;
    bool whenOn;
    std::int32_t oldV;
    std::int32_t newV;
    std::int32_t newN; // 0: unchanged
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.parentTyp << ":" << row.n;
}

const Row Rows[] = {
    {DT_TALVO_SYSTEM, 0, 3300, false, 52, 57, 0},
    {DT_TALVO_SYSTEM, 0, 3305, false, 53, 58, 0},
    {DT_TALVO_SYSTEM, 0, 3400, true, 68, 73, 4100},
    {DT_RAUMTEMPERATUR_SCHALTUHR, 0, 3350, true, 58, 63, 3600},
    {DT_REGLER_RAUMTEMPERATUR_MESSUNG, 0, 3500, true, 69, 79, 4500},
    {DT_REGLER_RAUMTEMPERATUR_MESSUNG, 0, 3550, true, 70, 80, 4550},
    {DT_SZENEN_FUNKTION, 0, 4010, false, 59, 64, 0},
    {DT_SZENEN_FUNKTION, 0, 4020, false, 60, 65, 0},
    {DT_SZENEN_FUNKTION, 0, 4030, false, 61, 66, 0},
    {DT_SZENEN_FUNKTION, 0, 4040, false, 62, 67, 0},
    {DT_SZENEN_FUNKTION, 0, 4050, false, 63, 68, 0},
    {DT_SZENEN_FUNKTION, 0, 4060, false, 64, 69, 0},
    {DT_SZENEN_FUNKTION, 0, 4070, false, 65, 70, 0},
    {DT_SZENEN_FUNKTION, 0, 4080, false, 66, 71, 0},
    {DT_SZENEN_FUNKTION, 0, 4000, true, 67, 72, 4090},
    {DT_SCHALTUHR, 1, 3310, false, 54, 59, 3510},
    {DT_SCHALTUHR, 1, 3320, true, 55, 60, 3520},
    {DT_SCHALTUHR, 2, 3330, false, 56, 61, 3530},
    {DT_SCHALTUHR, 2, 3340, true, 57, 62, 3540},
};

class ConversionRow : public Conversion, public ::testing::WithParamInterface<Row> {};

TEST_P(ConversionRow, MovesNumberAndDisplayOrder)
{
    const Row& row = GetParam();
    TDatenStruktur parent = Record(10, row.parentTyp, 1, "Funktion");
    parent.Param3 = row.switchNumber;
    records.Add(parent);
    records.Add(Objekt(11, 10, row.n, row.oldV, 1));     // converts
    records.Add(Objekt(12, 10, row.n, row.oldV + 1, 1)); // another number: only N moves
    records.Add(Objekt(13, 10, row.n, row.oldV, 0));     // switched off
    TDatenStruktur notAnObject = Objekt(14, 10, row.n, row.oldV, 1);
    notAnObject.Typ = DT_TALVO_DISPLAY;
    records.Add(notAnObject);

    ASSERT_TRUE(Convert());

    const std::int32_t n = row.newN != 0 ? row.newN : row.n;
    EXPECT_EQ(Of(11), std::to_string(row.newV) + "/" + std::to_string(n));
    EXPECT_EQ(Of(12), std::to_string(row.oldV + 1) + "/" + std::to_string(n));
    if (row.whenOn)
        EXPECT_EQ(Of(13), std::to_string(row.oldV) + "/" + std::to_string(row.n)) << "F = 0 is left alone";
    else
        EXPECT_EQ(Of(13), std::to_string(row.newV) + "/" + std::to_string(n)) << "F does not count";
    EXPECT_EQ(Of(14), std::to_string(row.oldV) + "/" + std::to_string(row.n)) << "only communication objects";
    EXPECT_EQ(major, 0);
    EXPECT_EQ(minor, 5);
}

INSTANTIATE_TEST_SUITE_P(Table, ConversionRow, ::testing::ValuesIn(Rows), [](const auto& info) {
    return std::to_string(info.param.parentTyp) + "_" + std::to_string(info.param.n);
});

// --- The parents of the blocks ---

TEST_F(Conversion, OnlyTheFirstParentInTableOrderCounts)
{
    records.Add(Record(100, DT_TALVO_SYSTEM, 0, "Zweites System")); // first in table order
    records.Add(Record(1, DT_TALVO_SYSTEM, 0, "System"));
    records.Add(Objekt(2, 1, 3300, 52, 1));
    records.Add(Objekt(3, 100, 3300, 52, 1));
    records.Add(TimeSwitch(20, 1));
    records.Add(TimeSwitch(21, 1));
    records.Add(Objekt(22, 20, 3310, 54, 1));
    records.Add(Objekt(23, 21, 3310, 54, 1));
    records.Add(TimeSwitch(30, 2));
    records.Add(Objekt(31, 30, 3330, 56, 1));
    records.Add(Objekt(32, 30, 3310, 54, 1)); // a row of time switch 1 below time switch 2

    ASSERT_TRUE(Convert());

    EXPECT_EQ(Of(3), "57/3300");
    EXPECT_EQ(Of(2), "52/3300");
    EXPECT_EQ(Of(22), "59/3510");
    EXPECT_EQ(Of(23), "54/3310");
    EXPECT_EQ(Of(31), "61/3530");
    EXPECT_EQ(Of(32), "54/3310");
}

TEST_F(Conversion, ABlockWithoutItsParentIsLeftAlone)
{
    // No time switch 2 and no scene function; the records filed under -1 stay as they are.
    records.Add(Record(1, DT_TALVO_SYSTEM, 0, "System"));
    records.Add(Objekt(2, 1, 3305, 53, 1));
    records.Add(TimeSwitch(20, 1));
    records.Add(Objekt(21, -1, 3340, 57, 1));
    records.Add(Objekt(22, -1, 4010, 59, 1));

    ASSERT_TRUE(Convert());

    EXPECT_EQ(Of(2), "58/3305");
    EXPECT_EQ(Of(21), "57/3340");
    EXPECT_EQ(Of(22), "59/4010");
}

TEST_F(Conversion, ObjectsOfOtherParentsAndTheRestOfTheTableStay)
{
    records.Add(Record(1, DT_TALVO_SYSTEM, 0, "System"));
    records.Add(Record(5, DT_SZENEN_FUNKTION, 1, "Szenen"));
    records.Add(Objekt(6, 5, 3300, 52, 1)); // a system row below the scene function
    records.Add(Objekt(7, 1, 4010, 59, 1)); // a scene row below the system object
    const std::size_t count = records.Count();

    ASSERT_TRUE(Convert());

    EXPECT_EQ(Of(6), "52/3300");
    EXPECT_EQ(Of(7), "59/4010");
    EXPECT_EQ(records.Count(), count);
}

// --- The versions that are converted ---

struct VersionRow {
    int major;
    int minor;
    bool converted;
};

void PrintTo(const VersionRow& v, std::ostream* os)
{
    *os << "V" << v.major << "_" << v.minor;
}

class ConversionVersion : public Conversion, public ::testing::WithParamInterface<VersionRow> {};

TEST_P(ConversionVersion, OnlyMajorZeroOrMinorOne)
{
    const VersionRow& v = GetParam();
    records.Add(Record(1, DT_TALVO_SYSTEM, 0, "System"));
    records.Add(Objekt(2, 1, 3300, 52, 1));

    EXPECT_EQ(Convert(v.major, v.minor), v.converted);

    EXPECT_EQ(Of(2), v.converted ? "57/3300" : "52/3300");
    EXPECT_EQ(major, v.converted ? 0 : v.major);
    EXPECT_EQ(minor, v.converted ? 5 : v.minor);
}

INSTANTIATE_TEST_SUITE_P(Versions, ConversionVersion,
                         ::testing::Values(VersionRow{0, 1, true}, VersionRow{0, 7, true}, VersionRow{2, 1, true},
                                           VersionRow{3, 1, true}, VersionRow{1, 0, false}, VersionRow{2, 0, false}),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

TEST_F(Conversion, EmptyTableMissingTableAndTheCurrentFormat)
{
    EXPECT_TRUE(Convert(0, 3)) << "an empty table converts to nothing";
    EXPECT_EQ(minor, 5);

    int m = 0;
    int n = 1;
    EXPECT_FALSE(device->VersionConvertTalvoDBData(nullptr, m, n));
    EXPECT_EQ(n, 1);

    records.Add(Record(1, DT_TALVO_SYSTEM, 0, "System"));
    records.Add(Objekt(2, 1, 3300, 52, 1));
    m = 0;
    n = 4;
    EXPECT_FALSE(device->VersionConvertDBData(&records, m, n));
    EXPECT_FALSE(device->VersionConvertDBData(nullptr, m, n));
    EXPECT_EQ(n, 4);
    EXPECT_EQ(Of(2), "52/3300");
    EXPECT_TRUE(ui_.boxes().empty());
}

} // namespace
} // namespace storeddatatest
