// The character table behaves as a map from code to rows: ascending codes whatever the order
// given or added in, the first rows of a code given twice, equality by content, independent copies.
#include "outside/viewkit/CharacterMap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

using TPairs = std::vector<std::pair<int, std::vector<std::uint32_t>>>;

TPairs Pairs(const TCharacterMap& map)
{
    TPairs pairs;
    for (const auto& [code, rows] : map)
        pairs.emplace_back(code, std::vector<std::uint32_t>(rows.begin(), rows.end()));
    return pairs;
}

TEST(CharacterMap, WalksTheCodesInAscendingOrder)
{
    const TCharacterMap map{{66, {2, 3}}, {-5, {}}, {65, {1}}, {300, {4, 5, 6}}, {65, {9}}};
    EXPECT_EQ(Pairs(map), (TPairs{{-5, {}}, {65, {1}}, {66, {2, 3}}, {300, {4, 5, 6}}}));
    EXPECT_EQ(map.size(), 4u);
    EXPECT_EQ(map.count(-5), 1u);
    EXPECT_EQ(map.count(67), 0u);
    EXPECT_EQ(map.at(66)[1], 3u);
    ASSERT_NE(map.find(300), map.end());
    EXPECT_EQ(map.find(300)->Rows.size(), 3u);
    EXPECT_EQ(map.find(64), map.end());
}

TEST(CharacterMap, AnAbsentCodeHasNoRows)
{
    const TCharacterMap map{{1, {7}}};
    EXPECT_THROW(static_cast<void>(map.at(2)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(TCharacterMap().at(0)), std::out_of_range);
}

TEST(CharacterMap, InsertingKeepsTheOrderAndRefusesACodeTwice)
{
    TCharacterMap map;
    EXPECT_TRUE(map.insert(10, std::vector<std::uint32_t>{1, 2}));
    EXPECT_TRUE(map.insert(20, std::vector<std::uint32_t>{3}));
    EXPECT_TRUE(map.insert(15, std::vector<std::uint32_t>{4, 5, 6}));
    EXPECT_FALSE(map.insert(20, std::vector<std::uint32_t>{7}));
    EXPECT_TRUE(map.insert(5, map.at(15)));
    EXPECT_EQ(map, (TCharacterMap{{5, {4, 5, 6}}, {10, {1, 2}}, {15, {4, 5, 6}}, {20, {3}}}));
}

TEST(CharacterMap, AppendingARunGivesEachCodeItsRows)
{
    TCharacterMap map{{1, {9}}};
    const std::vector<std::uint32_t> rows{1, 2, 3, 4, 5};
    map.append(3, 2, rows);
    EXPECT_EQ(map, (TCharacterMap{{1, {9}}, {3, {1, 2}}, {4, {3, 4}}}));
    map.append(2, 2, rows);
    EXPECT_EQ(map, (TCharacterMap{{1, {9}}, {2, {1, 2}}, {3, {1, 2}}, {4, {3, 4}}}));
}

TEST(CharacterMap, EqualByContent)
{
    const TCharacterMap map{{1, {1, 2}}, {2, {3}}};
    EXPECT_EQ(map, (TCharacterMap{{2, {3}}, {1, {1, 2}}}));
    EXPECT_NE(map, (TCharacterMap{{1, {1}}, {2, {2, 3}}}));
    EXPECT_NE(map, (TCharacterMap{{1, {1, 2}}, {3, {3}}}));
    EXPECT_NE(map, TCharacterMap{});
}

TEST(CharacterMap, CopiesAreIndependent)
{
    TCharacterMap map{{1, {1, 2}}, {2, {3}}};
    TCharacterMap copy = map;
    map.clear();
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(Pairs(copy), (TPairs{{1, {1, 2}}, {2, {3}}}));
    const TCharacterMap moved = std::move(copy);
    EXPECT_EQ(moved.at(2)[0], 3u);
    map = moved;
    EXPECT_EQ(map, moved);
}

} // namespace
