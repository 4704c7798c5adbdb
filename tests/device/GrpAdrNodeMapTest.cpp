// The sorted array of group-address nodes: whatever order the ids are filed in, it is walked and
// searched in ascending order of id, and an id filed already keeps its node.
#include "device/GrpAdrNodeMap.h"
#include "outside/addrlink/SorvGrpAdrSub.h"
#include "outside/hostdata/EtsSubGroup.h"

#include <gtest/gtest.h>

#include <deque>
#include <iterator>
#include <memory>
#include <vector>

namespace {

class GrpAdrNodeMapTest : public ::testing::Test {
protected:
    // A node of a new sub group of that id.
    TSorvGrpAdrBasis* Node(int id)
    {
        groups.emplace_back(id, 0);
        nodes.push_back(std::make_unique<TSorvGrpAdrSub>(0, 0, 0, "", 1, &groups.back()));
        return nodes.back().get();
    }
    std::vector<int> Ids() const
    {
        std::vector<int> ids;
        for (const auto& [id, node] : map) {
            EXPECT_EQ(node->GetEtsId(), id);
            ids.push_back(id);
        }
        return ids;
    }

    std::deque<TEtsSubGroup> groups;
    std::vector<std::unique_ptr<TSorvGrpAdrSub>> nodes;
    TGrpAdrNodeMap map;
};

class GrpAdrNodeMapOrder : public GrpAdrNodeMapTest, public ::testing::WithParamInterface<std::vector<int>> {};

TEST_P(GrpAdrNodeMapOrder, WalksAndFindsInAscendingOrder)
{
    for (const int id : GetParam())
        ASSERT_TRUE(map.emplace(id, Node(id)).second);
    EXPECT_EQ(Ids(), (std::vector<int>{10, 20, 30, 40, 50}));
    EXPECT_EQ(map.size(), 5u);
    EXPECT_EQ(map.rbegin()->first, 50);
    for (const int id : {10, 20, 30, 40, 50}) {
        ASSERT_NE(map.find(id), map.end());
        EXPECT_EQ(map.find(id)->second->GetEtsId(), id);
        EXPECT_EQ(map.count(id), 1u);
    }
    EXPECT_EQ(map.find(35), map.end());
    EXPECT_EQ(map.count(5), 0u);
    EXPECT_EQ(map.lower_bound(30)->first, 30);
    EXPECT_EQ(map.lower_bound(31)->first, 40);
    EXPECT_EQ(map.upper_bound(30)->first, 40);
    EXPECT_EQ(map.upper_bound(50), map.end());
    EXPECT_EQ(map.lower_bound(1), map.begin());
}

INSTANTIATE_TEST_SUITE_P(FilingOrders, GrpAdrNodeMapOrder,
                         ::testing::Values(std::vector<int>{10, 20, 30, 40, 50}, std::vector<int>{50, 40, 30, 20, 10},
                                           std::vector<int>{10, 50, 30, 20, 40}, std::vector<int>{40, 50, 10, 20, 30}));

TEST_F(GrpAdrNodeMapTest, AnIdFiledAlreadyKeepsItsNode)
{
    TSorvGrpAdrBasis* first = Node(20);
    map.emplace(10, Node(10));
    map.emplace(20, first);
    map.emplace(30, Node(30));
    for (const auto& hint : {map.begin(), std::next(map.begin()), std::next(map.begin(), 2), map.end()}) {
        const auto [entry, filed] = map.emplace(20, Node(20));
        EXPECT_FALSE(filed);
        EXPECT_EQ(entry->second, first);
        EXPECT_EQ(map.emplace_hint(hint, 20, Node(20))->second, first);
    }
    EXPECT_EQ(Ids(), (std::vector<int>{10, 20, 30}));
}

TEST_F(GrpAdrNodeMapTest, AHintedPlaceIsTakenWhenItFitsAndSearchedWhenNot)
{
    map.emplace(10, Node(10));
    map.emplace(40, Node(40));
    // Fits: just before 40.
    EXPECT_EQ(map.emplace_hint(std::next(map.begin()), 30, Node(30))->first, 30);
    // Does not fit: 20 is below 30, 50 above 40.
    EXPECT_EQ(map.emplace_hint(map.end(), 20, Node(20))->first, 20);
    EXPECT_EQ(map.emplace_hint(map.begin(), 50, Node(50))->first, 50);
    EXPECT_EQ(map.emplace_hint(map.begin(), 5, Node(5))->first, 5);
    EXPECT_EQ(Ids(), (std::vector<int>{5, 10, 20, 30, 40, 50}));
}

TEST_F(GrpAdrNodeMapTest, ClearedItIsEmpty)
{
    map.emplace(1, Node(1));
    map.clear();
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.find(1), map.end());
    EXPECT_EQ(map.begin(), map.end());
}

} // namespace
