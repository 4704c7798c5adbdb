// Reading blocks of the string table and loading a unit's slots.
#include "app/StringTable.h"
#include "app/TextUnit.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

namespace {

TEST(StringTable, ReadsIdTabTextLinesWithEscapesAndKeepsBlanks)
{
    TStringTable table;
    table.AddBlock("# a comment\n"
                   "\n"
                   "7\t&Zur\xC3\xBC" "ck\n"
                   "8\t two\\nlines \r\n"
                   "9\ttab\\there, CR\\r, backslash\\\\\n"
                   "10\t\n"
                   "11\tlast line without break");
    EXPECT_TRUE(table.Problems().empty());
    EXPECT_EQ(table.Count(), 5u);
    EXPECT_EQ(table.Load(7), "&Zur\xFC" "ck");
    EXPECT_EQ(table.Load(8), " two\nlines ");
    EXPECT_EQ(table.Load(9), "tab\there, CR\r, backslash\\");
    EXPECT_TRUE(table.Contains(10));
    EXPECT_EQ(table.Load(10), "");
    EXPECT_EQ(table.Load(11), "last line without break");
    EXPECT_FALSE(table.Contains(12));
    EXPECT_EQ(table.Load(12), "");
}

struct BadLine {
    const char* line;
    const char* why;
    const char* variant = nullptr; // tells apart rows with the same reason
};

void PrintTo(const BadLine& value, std::ostream* out)
{
    *out << value.why;
    if (value.variant != nullptr)
        *out << " (" << value.variant << ")";
}

class StringTableBadLineTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(StringTableBadLineTest, IsSkippedAndReported)
{
    TStringTable table;
    table.AddBlock(std::string("1\tkept\n") + GetParam().line + "\n");
    EXPECT_EQ(table.Ids(), std::vector<std::int32_t>{1});
    EXPECT_EQ(table.Load(1), "kept");
    ASSERT_EQ(table.Problems().size(), 1u);
    EXPECT_NE(table.Problems().front().find("line 2"), std::string::npos) << table.Problems().front();
    EXPECT_NE(table.Problems().front().find(GetParam().why), std::string::npos) << table.Problems().front();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StringTableBadLineTest,
    ::testing::Values(BadLine{"2 no tab", "no tab"}, BadLine{"x2\ttext", "not a number", "letter"},
                      BadLine{"-2\ttext", "not a number", "negative"},
                      BadLine{"70000\ttext", "not a number", "too large"},
                      BadLine{"2\tunknown \\q escape", "escape", "unknown"},
                      BadLine{"2\ttrailing \\", "escape", "trailing backslash"},
                      BadLine{"1\tsecond one", "twice"},
                      BadLine{"2\t\xE2\x84\xA6 is not in the code page", "code page"},
                      BadLine{"2\tbroken \xC3 UTF-8", "UTF-8"}));

// A source that counts how often the unit reads it.
int SourceReads = 0;

std::string_view CountingSource()
{
    ++SourceReads;
    return "100\tfirst\n102\tthird\n";
}

TEST(TextUnit, LoadsOnceAndFreesOnlyWithTheBalancingFinalisation)
{
    SourceReads = 0;
    std::array<std::string, 3> slots;
    TTextUnit unit(&CountingSource, 100, slots);

    unit.Init();
    EXPECT_EQ(SourceReads, 1);
    EXPECT_EQ(slots[0], "first");
    EXPECT_EQ(slots[1], ""); // the block lacks id 101
    EXPECT_EQ(slots[2], "third");
    EXPECT_EQ(unit.Counter(), -1);

    unit.Init();
    EXPECT_EQ(SourceReads, 1);
    EXPECT_EQ(unit.Counter(), -2);

    unit.Fin();
    EXPECT_EQ(slots[0], "first");
    unit.Fin();
    EXPECT_EQ(unit.Counter(), 0);
    EXPECT_EQ(slots[0], "");
    EXPECT_EQ(slots[2], "");

    unit.Init();
    EXPECT_EQ(SourceReads, 2);
    EXPECT_EQ(slots[2], "third");
    unit.Fin();
}

TEST(TextUnit, FinalisationWithoutInitialisationFreesNothing)
{
    std::array<std::string, 1> slots{"kept"};
    TTextUnit unit(&CountingSource, 100, slots);
    unit.Fin();
    EXPECT_EQ(slots[0], "kept");
    EXPECT_EQ(unit.Counter(), 1);
}

TEST(TextUnit, LifetimeInitialisesAndFinalises)
{
    std::array<std::string, 1> slots;
    TTextUnit unit(&CountingSource, 100, slots);
    {
        const TTextUnitLifetime lifetime(unit);
        EXPECT_EQ(slots[0], "first");
    }
    EXPECT_EQ(slots[0], "");
    EXPECT_EQ(unit.Counter(), 0);
}

} // namespace
