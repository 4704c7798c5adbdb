// Group-address nodes filed by their host ids: a node is made only for an id that has none, in
// whatever order the ids come.
#include "device/GrpAdrNodes.h"
#include "outside/addrlink/SorvGrpAdrSub.h"
#include "outside/hostdata/EtsSubGroup.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

namespace {

class GrpAdrNodesTest : public ::testing::Test {
protected:
    // Files a node of a new sub group of that id; counts the nodes made.
    TSorvGrpAdrBasis* File(int id)
    {
        return nodes.FindOrInsert(id, [&] {
            ++made;
            groups.emplace_back(id, 0);
            return TGrpAdrNodes::TNodePtr<>(nodes.Make<TSorvGrpAdrSub>(0, 0, 0, "", 1, &groups.back()));
        });
    }
    std::vector<int> Ids() const
    {
        std::vector<int> ids;
        for (const auto& [id, node] : nodes.Map())
            ids.push_back(id);
        return ids;
    }

    std::deque<TEtsSubGroup> groups;
    TGrpAdrNodes nodes;
    int made = 0;
};

TEST_F(GrpAdrNodesTest, FilesEachIdOnceInAnyOrder)
{
    for (const int id : {5, 6, 7, 1, 2, 9, 3, 8, 4, 6, 1, 10})
        ASSERT_NE(File(id), nullptr);
    EXPECT_EQ(made, 10);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    for (const auto& [id, node] : nodes.Map())
        EXPECT_EQ(node->GetEtsId(), id);
}

TEST_F(GrpAdrNodesTest, ANodeInsertedBetweenTwoFilingsIsFoundByTheNext)
{
    File(1);
    groups.emplace_back(2, 0);
    TSorvGrpAdrBasis* inserted = nodes.Insert(nodes.Make<TSorvGrpAdrSub>(0, 0, 0, "", 1, &groups.back()));
    EXPECT_EQ(File(2), inserted);
    ASSERT_NE(File(3), nullptr);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 3}));
}

TEST_F(GrpAdrNodesTest, NodesFiledWhileANodeIsMadeStayInOrder)
{
    File(1);
    File(5);
    // Filed while the node of 4 is made: 2 before its place, 4 at it.
    TSorvGrpAdrBasis* four = nodes.FindOrInsert(4, [&] {
        File(2);
        return TGrpAdrNodes::TNodePtr<>(nodes.Make<TSorvGrpAdrSub>(0, 0, 0, "", 1, &groups.emplace_back(4, 0)));
    });
    TSorvGrpAdrBasis* filedFirst = nullptr;
    TSorvGrpAdrBasis* three = nodes.FindOrInsert(3, [&] {
        filedFirst = File(3);
        return TGrpAdrNodes::TNodePtr<>(nodes.Make<TSorvGrpAdrSub>(0, 0, 0, "", 1, &groups.emplace_back(3, 0)));
    });
    EXPECT_EQ(nodes.Find(4), four);
    EXPECT_EQ(three, filedFirst);
    EXPECT_EQ(nodes.Find(3), filedFirst);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 3, 4, 5}));
    File(6);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(GrpAdrNodesTest, AnIdFiledAlreadyAnswersItsNodeAndMakesNone)
{
    TSorvGrpAdrBasis* first = File(3);
    File(4);
    EXPECT_EQ(File(3), first);
    EXPECT_EQ(nodes.Find(3), first);
    EXPECT_EQ(made, 2);
}

TEST_F(GrpAdrNodesTest, NoNodeMadeFilesNothing)
{
    EXPECT_EQ(nodes.FindOrInsert(4, [] { return TGrpAdrNodes::TNodePtr<>(); }), nullptr);
    EXPECT_TRUE(nodes.Empty());
}

TEST_F(GrpAdrNodesTest, AfterClearingIdsAreFiledAnew)
{
    File(1);
    File(2);
    nodes.Clear();
    File(2);
    File(1);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2}));
    EXPECT_EQ(made, 4);
}

} // namespace
