#include "app/ReplaceAllOccurrences.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplaceAllOccurrences, LineBreaksBecomeBlanks)
{
    EXPECT_EQ(ReplaceAllOccurrences("Raum 1\r\nFlur\r\nOG", "\r\n", " "), "Raum 1 Flur OG");
    EXPECT_EQ(ReplaceAllOccurrences("\r\n\r\n", "\r\n", " "), "  ");
    EXPECT_EQ(ReplaceAllOccurrences("no break", "\r\n", " "), "no break");
}

TEST(ReplaceAllOccurrences, AnEmptyTextGivesAnEmptyResultWhateverThePattern)
{
    EXPECT_EQ(ReplaceAllOccurrences("", "\r\n", " "), "");
    EXPECT_EQ(ReplaceAllOccurrences("", "", " "), "");
}

// An empty replacement removes the occurrences instead of emptying the whole text.
TEST(ReplaceAllOccurrences, AnEmptyReplacementRemovesTheOccurrences)
{
    EXPECT_EQ(ReplaceAllOccurrences("Raum 1\r\nFlur\r\n", "\r\n", ""), "Raum 1Flur");
    EXPECT_EQ(ReplaceAllOccurrences("\r\n", "\r\n", ""), "");
}

TEST(ReplaceAllOccurrences, AnEmptyPatternLeavesTheText)
{
    EXPECT_EQ(ReplaceAllOccurrences("text", "", " "), "text");
}

// The search goes on after the inserted text, so this ends and replaces each original once.
TEST(ReplaceAllOccurrences, AReplacementHoldingThePatternIsNotReplacedAgain)
{
    EXPECT_EQ(ReplaceAllOccurrences("a-b-c", "-", "--"), "a--b--c");
    EXPECT_EQ(ReplaceAllOccurrences("\r\r\n\n", "\r\n", ""), "\r\n");
}

} // namespace
