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
                      ParseCase{"1/2/99999999999", 3, false, false, 0, 0, 0},
                      ParseCase{"1/2/+3", 3, false, false, 0, 0, 0}, ParseCase{"+1/2/3", 3, false, false, 0, 0, 0},
                      ParseCase{"1/ 2/3", 3, false, false, 0, 0, 0}));

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

struct SearchCase {
    std::string Text;
    int Level;
    std::string Search;
};

void PrintTo(const SearchCase& c, std::ostream* os)
{
    *os << "\"" << c.Text << "\" level " << c.Level;
}

class SearchTextTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTextTest, RejoinsThePartsAsTyped)
{
    EXPECT_EQ(GetParam().Search, StringToSearchGrpAddr(GetParam().Text, "/", GetParam().Level));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SearchTextTest,
    ::testing::Values(SearchCase{" 01.2,3 ", 3, "01/2/3"}, SearchCase{"1/2/3", 3, "1/2/3"},
                      SearchCase{"1 300", 2, "1/300"}, SearchCase{"\t4-7-255\r\n", 3, "4/7/255"},
                      SearchCase{"2/3", 3, "2/3"}, SearchCase{"5", 3, "/5"}, SearchCase{"5", 2, "/5"},
                      SearchCase{"   ", 3, ""}, SearchCase{"", 2, ""}, SearchCase{"1/2/3", 4, ""}));

struct SuitCase {
    int SubAdrTyp;
    int ObjTyp;
    bool Suits;
};

class SuitabilityTest : public ::testing::TestWithParam<SuitCase> {};

TEST_P(SuitabilityTest, TypeOneBelowTheCodeOrMinusOne)
{
    EXPECT_EQ(GetParam().Suits, GrpAddrSuitsObjTyp(GetParam().SubAdrTyp, GetParam().ObjTyp));
}

INSTANTIATE_TEST_SUITE_P(Types, SuitabilityTest,
                         ::testing::Values(SuitCase{0, 1, true}, SuitCase{-1, 1, true}, SuitCase{7, 1, false},
                                           SuitCase{1, 1, false}, SuitCase{7, 8, true}, SuitCase{-1, 0, true},
                                           SuitCase{-1, 16, true}, SuitCase{15, 16, true}));

struct KeyCase {
    char Key;
    bool EnterPassesOn;
    TGrpAddrKeyDecision Decision;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << "key " << static_cast<int>(static_cast<unsigned char>(c.Key)) << (c.EnterPassesOn ? " link" : "");
}

class KeyFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilterTest, PassesDropsOrRunsTheAction)
{
    EXPECT_EQ(GetParam().Decision, FilterGrpAddrKey(GetParam().Key, GetParam().EnterPassesOn));
}

constexpr TGrpAddrKeyDecision Pass{false, true};
constexpr TGrpAddrKeyDecision Drop{false, false};

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilterTest,
    ::testing::Values(KeyCase{'0', false, Pass}, KeyCase{'9', true, Pass}, KeyCase{'\b', false, Pass},
                      KeyCase{'/', false, Pass}, KeyCase{' ', false, Pass}, KeyCase{'.', false, Pass},
                      KeyCase{',', false, Pass}, KeyCase{'-', false, Pass}, KeyCase{'\r', true, {true, true}},
                      KeyCase{'\r', false, {true, false}}, KeyCase{'a', false, Drop}, KeyCase{'+', false, Drop},
                      KeyCase{'\t', false, Drop}, KeyCase{'\n', false, Drop}, KeyCase{'\x16', false, Drop},
                      KeyCase{'\xB2', false, Drop}, KeyCase{':', true, Drop}));

} // namespace
