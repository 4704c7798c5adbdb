#include "outside/datacore/E_Basis.h"
#include "outside/datacore/EibHandle.h"

#include <gtest/gtest.h>

namespace {

TEST(EibHandle, GivesTheLowestHandlesNotInUse)
{
    TEibHandle table({4, 1, 2, -3, 0});
    EXPECT_EQ(table.GetNewHandle(), 3);
    EXPECT_EQ(table.GetNewHandle(), 5);
    EXPECT_EQ(table.GetNewHandle(), 6);
    EXPECT_TRUE(table.IsInUse(1));
    EXPECT_TRUE(table.IsInUse(5));
    EXPECT_FALSE(table.IsInUse(7));
}

TEST(EibHandle, RebuildingKeepsTheHandlesGivenOut)
{
    TEibHandle table({1});
    EXPECT_EQ(table.GetNewHandle(), 2);
    table.BuildNewTable();
    EXPECT_TRUE(table.IsInUse(2));
    EXPECT_EQ(table.GetNewHandle(), 3);
}

TEST(EibHandle, NewHandlesStayBelowTheAnyParentMark)
{
    std::list<int> inUse;
    for (int handle = 1; handle < TEibHandle::MaxHandle; ++handle)
        inUse.push_back(handle);
    TEibHandle table(inUse);
    EXPECT_EQ(table.GetNewHandle(), TEibHandle::MaxHandle);
    EXPECT_LT(TEibHandle::MaxHandle, 0xFFFF);
    EXPECT_THROW(table.GetNewHandle(), E_Basis);
}

} // namespace
