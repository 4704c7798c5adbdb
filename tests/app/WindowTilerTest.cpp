#include "app/WindowLayout.h"
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

TEST(WindowTilerTest, CascadedWindowsStepDownAndKeepOneSize)
{
    const auto rects = CascadeRects(QRect(0, 0, 600, 400), 3, 20);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], QRect(0, 0, 560, 360));
    EXPECT_EQ(rects[2], QRect(40, 40, 560, 360));
}

TEST(WindowTilerTest, ManyCascadedWindowsStartAgainAtTheTopLeft)
{
    const QRect area(0, 0, 300, 300);
    const auto rects = CascadeRects(area, 20, 30);
    ASSERT_EQ(rects.size(), 20u);
    for (const QRect& rect : rects) {
        EXPECT_TRUE(area.contains(rect)) << rect.x() << "," << rect.y();
        EXPECT_EQ(rect.size(), QSize(200, 200));
    }
}

TEST(WindowTilerTest, TheAreaBesideAWindowIsItsLargerSide)
{
    const QRect area(0, 0, 1000, 600);
    EXPECT_EQ(AreaBeside(area, QRect(700, 0, 300, 400)), QRect(0, 0, 700, 600));
    EXPECT_EQ(AreaBeside(area, QRect(0, 450, 300, 150)), QRect(0, 0, 1000, 450));
    EXPECT_EQ(AreaBeside(area, QRect(1200, 0, 100, 100)), area) << "a window outside takes nothing";
}

TEST(WindowLayoutTest, TheFirstMainWindowTakesFourFifthsOfTheScreenCentred)
{
    EXPECT_EQ(FirstMainWindowPlace(QRect(0, 0, 1600, 1000)), QRect(160, 100, 1280, 800));
    EXPECT_EQ(FirstMainWindowPlace(QRect(1600, 30, 1000, 700)).center(), QRect(1600, 30, 1000, 700).center());
}

struct TPlaceCase {
    QRect Place;
    bool Usable;
};

class UsablePlaceTest : public ::testing::TestWithParam<TPlaceCase> {};

TEST_P(UsablePlaceTest, OnTheScreensAndLargeEnough)
{
    const QList<QRect> screens{QRect(0, 0, 1024, 768), QRect(1024, 0, 1600, 1000)};
    EXPECT_EQ(UsablePlace(GetParam().Place, screens, QSize(400, 300)), GetParam().Usable);
}

INSTANTIATE_TEST_SUITE_P(, UsablePlaceTest,
                         ::testing::Values(TPlaceCase{QRect(10, 10, 800, 600), true},
                                           TPlaceCase{QRect(1100, 100, 1200, 800), true},
                                           TPlaceCase{QRect(5000, 4000, 800, 600), false},
                                           TPlaceCase{QRect(10, 10, 120, 90), false},
                                           TPlaceCase{QRect(10, -200, 800, 600), false},
                                           TPlaceCase{QRect(700, 100, 800, 600), false},
                                           TPlaceCase{QRect(2400, 100, 800, 600), false}));

TEST(WindowLayoutTest, ATableOpensOverTheWindowInsideTheScreen)
{
    const QRect screen(0, 0, 1600, 1000);
    EXPECT_EQ(CentredOver(QSize(200, 100), QRect(100, 100, 400, 300), screen), QRect(200, 200, 200, 100));
    EXPECT_EQ(CentredOver(QSize(600, 500), QRect(-300, -200, 400, 300), screen).topLeft(), QPoint(0, 0));
    EXPECT_EQ(CentredOver(QSize(600, 500), QRect(1500, 900, 400, 300), screen).bottomRight(), QPoint(1599, 999));
}

TEST(WindowLayoutTest, ThePreviewStandsAtTheAreasTopRight)
{
    EXPECT_EQ(PreviewPlace(QRect(0, 0, 1000, 600), QSize(300, 400)), QRect(700, 0, 300, 400));
    EXPECT_EQ(PreviewPlace(QRect(0, 0, 200, 600), QSize(300, 400)).left(), 0);
}

} // namespace
