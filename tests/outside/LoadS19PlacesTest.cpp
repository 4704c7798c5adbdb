// Every data byte lands in the rows of the character its address names, whatever the address:
// low codes, the highest one an S3 address can name, and a record that runs across characters.
#include "outside/viewkit/LoadS19.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A data record of the type with its count and checksum.
std::string DataRecord(char type, std::uint32_t address, const std::vector<std::uint8_t>& data)
{
    const int addressBytes = type == '1' ? 2 : type == '2' ? 3 : 4;
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(addressBytes + data.size() + 1)};
    for (int i = addressBytes - 1; i >= 0; --i)
        bytes.push_back(static_cast<std::uint8_t>(address >> (8 * i)));
    bytes.insert(bytes.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (const std::uint8_t byte : bytes)
        sum += byte;
    bytes.push_back(static_cast<std::uint8_t>(~sum));
    std::string line = std::string("S") + type;
    for (const std::uint8_t byte : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        line += hex;
    }
    return line + "\r\n";
}

struct TPlaces {
    const char* Name;
    char Type;
    std::uint32_t Address;
    std::vector<std::uint8_t> Data;
    TCharacterMap Expected;
};

void PrintTo(const TPlaces& places, std::ostream* out)
{
    *out << places.Name;
}

class LoadS19Places : public ::testing::TestWithParam<TPlaces> {};

TEST_P(LoadS19Places, BytesLandInTheRowsOfTheirCharacters)
{
    const TPlaces& places = GetParam();
    platform::TMemoryStream stream("SX Version: 1. 0 Typ:SORV/CharSet\r\n" +
                                   DataRecord(places.Type, places.Address, places.Data) + "S9030000FC\r\n");
    TCharacterMap map{{7, {1}}};
    ASSERT_TRUE(LoadS19StreamToMap(&stream, map));
    EXPECT_EQ(map, places.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadS19Places,
    ::testing::Values(
        TPlaces{"LowCode", '1', 0x0009, {1, 2}, {{1, {0, 1, 2, 0, 0, 0, 0, 0}}}},
        TPlaces{"AcrossTwoCharacters", '2', 4096 * 8 - 1, {5, 6}, {{4095, {0, 0, 0, 0, 0, 0, 0, 5}}, {4096, {6, 0, 0, 0, 0, 0, 0, 0}}}},
        TPlaces{"HighestCode", '3', 0xFFFFFFFF, {0xAA}, {{0x1FFFFFFF, {0, 0, 0, 0, 0, 0, 0, 0xAA}}}},
        TPlaces{"ARecordLongerThanACharacter", '1', 0x0000, {3, 4, 5, 6, 7, 8, 9, 10, 11}, {{0, {3, 4, 5, 6, 7, 8, 9, 10}}, {1, {11, 0, 0, 0, 0, 0, 0, 0}}}}),
    [](const ::testing::TestParamInfo<TPlaces>& info) { return std::string(info.param.Name); });

} // namespace
