#include "device/product/UpdateGuard.h"
#include "outside/tablebox/DrawGridSE.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateGuard, NestedGuardsRedrawOnceWhenTheOutermostEnds)
{
    TDrawGridSE grid;
    int repaints = 0;
    grid.OnRepaint = [&] { ++repaints; };
    {
        TUpdateGuard<TDrawGridSE*> outer(&grid);
        grid.AddRow();
        {
            TUpdateGuard<TDrawGridSE*> inner(&grid);
            grid.AddRow();
        }
        EXPECT_TRUE(grid.IsUpdating()) << "the inner guard does not end the outer bracket";
        EXPECT_EQ(repaints, 0);
        grid.AddRow();
    }
    EXPECT_FALSE(grid.IsUpdating());
    EXPECT_EQ(repaints, 1);
}

TEST(UpdateGuard, PassesOverAMissingControl)
{
    TUpdateGuard<TDrawGridSE*> guard(nullptr);
    SUCCEED();
}

} // namespace
