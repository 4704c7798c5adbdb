#include "outside/viewkit/CharacterData.h"

#include <gtest/gtest.h>

namespace {

// 'A' (code 0x41, address 0x208) of the display's character set, after its version line.
const std::string CharSet = "SX Version: 1. 0 Typ:SORV/CharSet Device:Vantu CPID: 1252 CBU:0\r\n"
                            "S10B02080E1111111F11110068\r\n"
                            "S9030000FC\r\n";

TEST(CharacterData, SRecordsBecomeOneHexLinePerCharacterAndThenItsBytes)
{
    platform::TMemoryStream source(CharSet);
    source.SetPosition(source.Size());
    platform::TMemoryStream hex;
    ASSERT_TRUE(LoadS19ToHexStream(&hex, &source));
    EXPECT_EQ(hex.Bytes(), "000002080E1111111F111100\r\n");
    platform::TMemoryStream bytes;
    ASSERT_TRUE(ConvertCharacterData(&bytes, &hex));
    EXPECT_EQ(bytes.Bytes(), std::string("\x00\x00\x02\x08\x0E\x11\x11\x11\x1F\x11\x11\x00", 12));
}

TEST(CharacterData, BrokenRecordsLeaveTheHexTextAlone)
{
    platform::TMemoryStream source("S10B02080E1111111F11110069\r\n");
    platform::TMemoryStream hex("kept");
    EXPECT_FALSE(LoadS19ToHexStream(&hex, &source));
    EXPECT_EQ(hex.Bytes(), "kept");
}

class BadHex : public ::testing::TestWithParam<const char*> {};

TEST_P(BadHex, IsRefusedAndLeavesTheBytesAlone)
{
    platform::TMemoryStream hex(GetParam());
    platform::TMemoryStream bytes("kept");
    EXPECT_FALSE(ConvertCharacterData(&bytes, &hex));
    EXPECT_EQ(bytes.Bytes(), "kept");
}

INSTANTIATE_TEST_SUITE_P(Texts, BadHex, ::testing::Values("", "\r\n", "0A1", "0A\r\n1B2\r\n", "0G", "0A 1B"));

} // namespace
