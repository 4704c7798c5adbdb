// The search for a free handle starts where the last one ended, and anew after a rebuild.
#include "outside/datacore/EibHandle.h"

#include <gtest/gtest.h>

#include <list>

namespace {

TEST(EibHandleSearch, GivesTheLowestFreeHandlesOneAfterAnother)
{
    TEibHandle table({2, 3, 5, 5, 9});
    EXPECT_EQ(table.GetNewHandle(), 1);
    EXPECT_EQ(table.GetNewHandle(), 4);
    EXPECT_EQ(table.GetNewHandle(), 6);
    EXPECT_EQ(table.GetNewHandle(), 7);
    EXPECT_EQ(table.GetNewHandle(), 8);
    EXPECT_EQ(table.GetNewHandle(), 10);
}

TEST(EibHandleSearch, ARebuildSearchesFromTheStart)
{
    TEibHandle table({2});
    EXPECT_EQ(table.GetNewHandle(), 1);
    EXPECT_EQ(table.GetNewHandle(), 3);
    table.BuildNewTable();
    EXPECT_EQ(table.GetNewHandle(), 4);
    EXPECT_TRUE(table.IsInUse(1));
    EXPECT_TRUE(table.IsInUse(2));
    EXPECT_TRUE(table.IsInUse(3));
}

TEST(EibHandleSearch, ThousandsOfNewHandlesAreConsecutive)
{
    std::list<int> loaded;
    for (int handle = 1; handle <= 20000; handle += 2)
        loaded.push_back(handle);
    TEibHandle table(loaded);
    for (int expected = 2; expected <= 20000; expected += 2)
        ASSERT_EQ(table.GetNewHandle(), expected);
    EXPECT_EQ(table.GetNewHandle(), 20001);
}

} // namespace
