// A character set whose data records carry no byte has no character: it is refused like one
// without data records, and the map keeps what it had.
#include "outside/viewkit/LoadS19.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LoadS19Empty, DataRecordsWithoutBytesAreRefused)
{
    // S1 and S3 records with their address and checksum only.
    platform::TMemoryStream stream(std::string("SX Version: 1. 0 Typ:SORV/CharSet\r\nS1030000FC\r\nS30500000000FA\r\n"));
    TCharacterMap map{{7, {1, 2}}};
    EXPECT_FALSE(LoadS19StreamToMap(&stream, map));
    EXPECT_EQ(map, (TCharacterMap{{7, {1, 2}}}));
}

TEST(LoadS19Empty, ABytelessRecordBesideOthersChangesNothing)
{
    platform::TMemoryStream stream(std::string("S1030000FC\r\nS1050008AA55F3\r\n"));
    TCharacterMap map;
    ASSERT_TRUE(LoadS19StreamToMap(&stream, map));
    EXPECT_EQ(map, (TCharacterMap{{1, {0xAA, 0x55, 0, 0, 0, 0, 0, 0}}}));
}

TEST(LoadS19Empty, ARecordLongerThanItsCountAllowsIsRefused)
{
    std::string line = "S1FF0000";
    for (int i = 0; i < 253; ++i)
        line += "00";
    line += "00"; // one byte more than the count names
    platform::TMemoryStream stream(line + "\r\n");
    TCharacterMap map;
    EXPECT_FALSE(LoadS19StreamToMap(&stream, map));
}

} // namespace
