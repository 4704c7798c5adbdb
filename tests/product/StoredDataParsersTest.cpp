#include "device/SharedTextConstants.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/FormattedScan.h"
#include "outside/viewkit/LoadS19.h"
#include "tests/product/StoredDataFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace storeddatatest {
namespace {

// --- The scanner of version lines ---

struct ScanCase {
    const char* label;
    std::string text;
    std::string format;
    std::string fields; // the fields read, joined by "|"
};

void PrintTo(const ScanCase& c, std::ostream* os)
{
    *os << c.label;
}

std::string Joined(const TFormattedScan& scan, const std::string& format)
{
    std::string joined;
    int n = 0;
    for (auto at = format.find('%'); at != std::string::npos && n < scan.Count(); at = format.find('%', at + 1)) {
        const std::size_t letter = format.find_first_not_of("0123456789", at + 1);
        if (!joined.empty() || n > 0)
            joined += "|";
        joined += format[letter] == 's' ? scan.Text(n) : std::to_string(scan.Int(n));
        ++n;
    }
    return joined;
}

const std::string DataFormat = DATEN_VERSION_FORMAT;
const std::string TextFormat = DEVICE_TEXT_VERSION_FORMAT;

const ScanCase ScanCases[] = {
    {"DataVersion", "SX Version:0.05 Typ:SORV/Vantu_18", DataFormat, "0|5|SORV/Vantu_18"},
    {"MinorOfOneDigit", "SX Version:0.5 Typ:SORV/Vantu_18", DataFormat, "0|5|SORV/Vantu_18"},
    {"MinorStopsAfterTwoDigits", "SX Version:0.050 Typ:SORV/Vantu_18", DataFormat, "0|5"},
    {"WordEndsAtWhiteSpace", "SX Version:2.01 Typ:sorv/Talvo_18 rest", DataFormat, "2|1|sorv/Talvo_18"},
    {"BlankMatchesAnyWhiteSpace", "SX Version:0.05 \t Typ:x", DataFormat, "0|5|x"},
    {"BlankMatchesNone", "SX Version:0.05Typ:x", DataFormat, "0|5|x"},
    {"NumbersSkipWhiteSpace", "SX Version: 1. 0 Typ:SORV/DeviceText Device:Vantu LCID:0x0407 CPID: 1252", TextFormat,
     "1|0|SORV/DeviceText|Vantu|1031|1252"},
    {"HexOfAtMostFourDigits", "SX Version:1.0 Typ:T Device:D LCID:0x04071 CPID:1252", TextFormat, "1|0|T|D|1031"},
    {"SignedNumber", "SX Version:-1.+2 Typ:x", DataFormat, "-1|2|x"},
    {"LiteralMismatch", "SX version:0.05 Typ:x", DataFormat, ""},
    {"NoDigits", "SX Version:a.05 Typ:x", DataFormat, ""},
    {"WordMissingAtTheEnd", "SX Version:0.05 Typ:", DataFormat, "0|5"},
    {"NumberBeyond32Bits", "SX Version:4294967296.05 Typ:x", DataFormat, ""},
    {"Empty", "", DataFormat, ""},
};

class FormattedScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(FormattedScanTest, ReadsTheFieldsUntilTheFirstMismatch)
{
    const ScanCase& c = GetParam();
    const TFormattedScan scan(c.text, c.format);
    EXPECT_EQ(Joined(scan, c.format), c.fields);
}

INSTANTIATE_TEST_SUITE_P(Lines, FormattedScanTest, ::testing::ValuesIn(ScanCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(FormattedScan, FieldsOfTheOtherKindOrBeyondTheCountAreEmpty)
{
    const TFormattedScan scan("SX Version:0.05 Typ:x", DataFormat);
    ASSERT_EQ(scan.Count(), 3);
    EXPECT_EQ(scan.Text(0), "");
    EXPECT_EQ(scan.Int(2), 0);
    EXPECT_EQ(scan.Int(3), 0);
    EXPECT_EQ(scan.Text(-1), "");
}

// --- The S-record loader of the character set ---

TEST(LoadS19, EightRowsPerCharacterFromItsAddress)
{
    platform::TMemoryStream stream(ValidCharSet() + S1(0x42 * 8 + 6, {0x01, 0x02, 0x03}) + "\r\n");
    TCharacterMap map{{7, {1}}};

    ASSERT_TRUE(LoadS19StreamToMap(&stream, map));

    ASSERT_EQ(map.size(), 3u) << "the old content is replaced";
    EXPECT_EQ(RowsOf(map.at(0x41)), (std::vector<std::uint32_t>{0x0E, 0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x00}));
    EXPECT_EQ(RowsOf(map.at(0x42)), (std::vector<std::uint32_t>{0, 0, 0, 0, 0, 0, 0x01, 0x02}));
    EXPECT_EQ(RowsOf(map.at(0x43)), (std::vector<std::uint32_t>{0x03, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(LoadS19, ReadsFromTheStreamsPosition)
{
    const std::string skipped = "not an S-record\r\n";
    platform::TMemoryStream stream(skipped + ValidCharSet());
    stream.SetPosition(skipped.size());
    TCharacterMap map;
    EXPECT_TRUE(LoadS19StreamToMap(&stream, map));
    EXPECT_EQ(map.size(), 1u);
}

struct BadSet {
    const char* label;
    std::string text;
};

void PrintTo(const BadSet& c, std::ostream* os)
{
    *os << c.label;
}

class LoadS19Refuses : public ::testing::TestWithParam<BadSet> {};

TEST_P(LoadS19Refuses, AndLeavesTheMapAlone)
{
    platform::TMemoryStream stream(GetParam().text);
    TCharacterMap map{{7, {1, 2}}};
    EXPECT_FALSE(LoadS19StreamToMap(&stream, map));
    EXPECT_EQ(map, (TCharacterMap{{7, {1, 2}}}));
}

INSTANTIATE_TEST_SUITE_P(
    Sets, LoadS19Refuses,
    ::testing::Values(BadSet{"Empty", ""}, BadSet{"VersionLineOnly", "SX Version: 1. 0 Typ:SORV/CharSet\r\n"},
                      BadSet{"NoDataRecord", "S9030000FC\r\n"},
                      BadSet{"WrongChecksum", "S107020800112233" "00\r\n"},
                      BadSet{"WrongCount", "S10802080011223342\r\n"},
                      BadSet{"NotHexadecimal", "S1070208001122GG00\r\n"},
                      BadSet{"NoSRecord", ValidCharSet() + "hello\r\n"},
                      BadSet{"UnknownType", "S4030000FC\r\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(LoadS19, WithoutStream)
{
    TCharacterMap map;
    EXPECT_FALSE(LoadS19StreamToMap(nullptr, map));
}

} // namespace
} // namespace storeddatatest
