#include "dialogs/project/GrpAddrValue.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const std::string InvalidText = "Es wurde eine ung\xFCltige Gruppenadresse eingegeben!";

struct ParseCase {
    std::string Text;
    int Level;
    bool Strict;
    bool Valid;
    int Main, Middle, Sub;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << "\"" << c.Text << "\" level " << c.Level << (c.Strict ? " strict" : "");
}

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, AcceptsOrRefusesWithTheMessage)
{
    const ParseCase& c = GetParam();
    testsupport::ScriptedUi ui;
    TGrpAddrParts parts{-9, -9, -9};
    EXPECT_EQ(c.Valid, StringToGrpAddr(c.Text, c.Level, c.Strict, parts));
    if (c.Valid) {
        EXPECT_EQ(c.Main, parts.Main);
        EXPECT_EQ(c.Middle, parts.Middle);
        EXPECT_EQ(c.Sub, parts.Sub);
        EXPECT_TRUE(ui.boxes().empty());
    } else {
        ASSERT_EQ(1u, ui.boxes().size());
        EXPECT_EQ(InvalidText, ui.boxes()[0].text);
        EXPECT_EQ("Fehler", ui.boxes()[0].caption);
        EXPECT_EQ(platform::MB_OK, ui.boxes()[0].style);
        EXPECT_EQ(-9, parts.Main); // untouched on failure
    }
}

INSTANTIATE_TEST_SUITE_P(
    ThreeLevels, ParseTest,
    ::testing::Values(ParseCase{"1/2/3", 3, false, true, 1, 2, 3}, ParseCase{"1 2 3", 3, false, true, 1, 2, 3},
                      ParseCase{"1.2.3", 3, false, true, 1, 2, 3}, ParseCase{"1,2,3", 3, false, true, 1, 2, 3},
                      ParseCase{"1-2-3", 3, false, true, 1, 2, 3},
                      ParseCase{"  4/7/255 \t", 3, false, true, 4, 7, 255},
                      ParseCase{"01/02/003", 3, false, true, 1, 2, 3}, ParseCase{"15/7/255", 3, true, true, 15, 7, 255},
                      ParseCase{"0/0/0", 3, false, true, 0, 0, 0}, ParseCase{"0/0/0", 3, true, false, 0, 0, 0},
                      ParseCase{"16/0/0", 3, false, false, 0, 0, 0}, ParseCase{"1/8/0", 3, false, false, 0, 0, 0},
                      ParseCase{"1/2/256", 3, false, false, 0, 0, 0}, ParseCase{"1/2", 3, false, false, 0, 0, 0},
                      ParseCase{"5", 3, false, false, 0, 0, 0}, ParseCase{"/2/3", 3, false, false, 0, 0, 0},
                      ParseCase{"1//3", 3, false, false, 0, 0, 0}, ParseCase{"-5/3/4", 3, false, false, 0, 0, 0},
                      ParseCase{"1/2/3/4", 3, false, false, 0, 0, 0}, ParseCase{"1/2/x", 3, false, false, 0, 0, 0},
                      ParseCase{"1/2/0x1", 3, false, false, 0, 0, 0},
                      ParseCase{"1/2/99999999999", 3, false, false, 0, 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    TwoLevels, ParseTest,
    ::testing::Values(ParseCase{"1/300", 2, false, true, 1, 1, 44}, ParseCase{"1 300", 2, false, true, 1, 1, 44},
                      ParseCase{"15/2047", 2, false, true, 15, 7, 255}, ParseCase{"0/0", 2, false, true, 0, 0, 0},
                      ParseCase{"0/0", 2, true, false, 0, 0, 0}, ParseCase{"1/2048", 2, false, false, 0, 0, 0},
                      ParseCase{"1/2/3", 2, false, false, 0, 0, 0}, ParseCase{"1", 2, false, false, 0, 0, 0}));

TEST(GrpAddrValueTest, EmptyOrBlankTextIsRefusedSilently)
{
    testsupport::ScriptedUi ui;
    TGrpAddrParts parts;
    EXPECT_FALSE(StringToGrpAddr("", 3, false, parts));
    EXPECT_FALSE(StringToGrpAddr(" \t\r\n ", 2, true, parts));
    EXPECT_TRUE(ui.boxes().empty());
}

TEST(GrpAddrValueTest, TwoLevelPartsPackToTheSameValueAsTheText)
{
    testsupport::ScriptedUi ui;
    TGrpAddrParts parts;
    ASSERT_TRUE(StringToGrpAddr("1/300", 2, false, parts));
    const std::uint16_t value = GetCompleteGroupAddress(parts.Main, parts.Middle, parts.Sub, true);
    EXPECT_EQ(1 * 2048 + 300, value);
    EXPECT_EQ("1/300", GrpAddrString(value, false));
    EXPECT_EQ(4 * 2048 + 7 * 256 + 255, GetCompleteGroupAddress(4, 7, 255, true));
    EXPECT_EQ(4 * 2048 + 44, GetCompleteGroupAddress(4, 7, 44, false)); // middle ignored
}

struct TextCase {
    std::uint16_t Address;
    std::string Three;
    std::string Two;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(c.Address));
    *os << hex;
}

class TextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextTest, WritesBothLevelForms)
{
    EXPECT_EQ(GetParam().Three, GrpAddrString(GetParam().Address, true));
    EXPECT_EQ(GetParam().Two, GrpAddrString(GetParam().Address, false));
}

INSTANTIATE_TEST_SUITE_P(Addresses, TextTest,
                         ::testing::Values(TextCase{0, "", ""}, TextCase{2049, "1/0/1", "1/1"},
                                           TextCase{32767, "15/7/255", "15/2047"},
                                           TextCase{0x110A, "2/1/10", "2/266"},
                                           TextCase{0x8801, "1/0/1", "1/1"})); // bit 15 ignored

TEST(GrpAddrValueTest, UnpackingSplitsByLevel)
{
    const TGrpAddrParts three = GetMainMiddleAndSubGroupAddr(0x110A, true);
    EXPECT_EQ(2, three.Main);
    EXPECT_EQ(1, three.Middle);
    EXPECT_EQ(10, three.Sub);
    const TGrpAddrParts two = GetMainMiddleAndSubGroupAddr(0x110A, false);
    EXPECT_EQ(2, two.Main);
    EXPECT_EQ(0, two.Middle);
    EXPECT_EQ(266, two.Sub);
}

} // namespace
