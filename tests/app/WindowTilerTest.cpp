#include "app/WindowTiler.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowTilerTest, VerticalPutsWindowsSideBySide)
{
    const auto rects = TileRects(QRect(0, 0, 300, 100), 3, true);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], QRect(0, 0, 100, 100));
    EXPECT_EQ(rects[2], QRect(200, 0, 100, 100));
}

TEST(WindowTilerTest, HorizontalPutsWindowsOneAboveTheOther)
{
    const auto rects = TileRects(QRect(0, 0, 100, 300), 2, false);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], QRect(0, 0, 100, 150));
    EXPECT_EQ(rects[1], QRect(0, 150, 100, 150));
}

TEST(WindowTilerTest, ManyWindowsFormAGridThatCoversTheArea)
{
    const QRect area(0, 0, 301, 200);
    const auto rects = TileRects(area, 5, true);
    ASSERT_EQ(rects.size(), 5u);
    int covered = 0;
    for (const QRect& rect : rects) {
        EXPECT_TRUE(area.contains(rect));
        covered += rect.width() * rect.height();
    }
    EXPECT_EQ(covered, area.width() * area.height());
}

TEST(WindowTilerTest, NothingToTile)
{
    EXPECT_TRUE(TileRects(QRect(0, 0, 100, 100), 0, true).empty());
    EXPECT_TRUE(TileRects(QRect(), 2, true).empty());
}

} // namespace
