#include "outside/viewkit/CharacterCell.h"
#include "outside/viewkit/DisplayZeile.h"
#include "outside/viewkit/PreviewImage.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace previewtest {
namespace {

// 'I': a bar in the leftmost column; 'L': the leftmost column and the bottom row of five.
const TCharacterMap Characters{{'I', std::vector<std::uint32_t>(8, 0x20)},
                               {'L', {0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x3E}}};

std::string Row(const TCanvas& canvas, int y)
{
    std::string row;
    for (int x = 0; x < canvas.Width(); ++x)
        row += canvas.Pixel(x, y) == ViewColorToRgb(clViewWhite) ? '#' : '.';
    return row;
}

TEST(DisplayZeile, DrawsEachCharacterFromItsPixelWordsAtTheOffsets)
{
    TCanvas canvas(20, 10);
    TDisplayZeile line(&canvas, -1, 1, Characters, clViewWhite, clViewFuchsia);
    line.SetText("LIx"); // x is not in the table: it stays empty
    line.SetOffset(1);
    line.SetOffsetTop(1);
    line.Draw();
    EXPECT_EQ(Row(canvas, 0), "....................");
    EXPECT_EQ(Row(canvas, 1), ".#.....#............");
    EXPECT_EQ(Row(canvas, 8), ".#####.#............");
    EXPECT_EQ(canvas.Pixel(0, 0), ViewColorToRgb(clViewFuchsia));
}

TEST(DisplayZeile, DrawsNoMoreThanItsCharacterLimitAndScales)
{
    TCanvas canvas(24, 16);
    TDisplayZeile line(&canvas, 1, 2, Characters, clViewWhite, clViewFuchsia);
    line.SetText("II");
    line.Draw();
    EXPECT_EQ(Row(canvas, 0), "##......................");
    EXPECT_EQ(Row(canvas, 15), "##......................");
}

TEST(DisplayZeile, ClearEmptiesTextOffsetsAndCanvas)
{
    TCanvas canvas(12, 8);
    TDisplayZeile line(&canvas, -1, 1, Characters, clViewWhite, clViewFuchsia);
    line.SetText("I");
    line.SetOffset(3);
    line.Draw();
    line.Clear();
    EXPECT_EQ(line.GetText(), "");
    EXPECT_EQ(line.GetOffset(), 0);
    EXPECT_EQ(Row(canvas, 0), "............");
}

TEST(DisplayZeile, WithoutCanvasNeitherDrawsNorFails)
{
    TDisplayZeile line(nullptr, -1, 1, Characters, clViewWhite, clViewFuchsia);
    line.SetText("LI");
    line.Draw();
    line.Clear();
    line.SetCharData({});
    line.Draw();
    EXPECT_FALSE(line.HasCanvas());
}

TEST(CharacterCell, BitFiveIsTheLeftmostPixel)
{
    const std::vector<std::uint32_t> rows{0x21};
    EXPECT_TRUE(CharacterPixel(rows, 0, 0));
    EXPECT_FALSE(CharacterPixel(rows, 1, 0));
    EXPECT_TRUE(CharacterPixel(rows, 5, 0));
    EXPECT_FALSE(CharacterPixel(rows, 6, 0));
    EXPECT_FALSE(CharacterPixel(rows, 0, 1));
}

TEST(PreviewImage, ButtonsReportIdIdentifierRectangleHintAndSelection)
{
    TPreviewImage image(nullptr);
    TButtonData data;
    data.Identifier = 9;
    data.Left = 5;
    data.Top = 6;
    data.Width = 7;
    data.Height = 8;
    data.Hint = "Taste 1";
    data.Flags[TButtonData::bfSelected] = 1;
    EXPECT_EQ(image.AddButtonToList(data), -1) << "no id yet";
    image.SetId(3);
    const int id = image.AddButtonToList(data);
    EXPECT_EQ(id, 0x00030001);
    const TImageButton* button = image.FindButton(id);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetIdentifier(), 9);
    EXPECT_EQ(button->GetRect(), QRect(5, 6, 7, 8));
    EXPECT_EQ(button->GetHint(), "Taste 1");
    EXPECT_TRUE(button->IsSelected());
    EXPECT_EQ(button->GetCanvas().Width(), 7);
    EXPECT_EQ(image.AddButtonToList(data), 0x00030002);
    EXPECT_TRUE(image.DeleteButton(id));
    EXPECT_EQ(image.AddButtonToList(data), 0x00030003) << "numbers are not given again";
}

TEST(PreviewImage, AToggleButtonChangesItsSelectionWithEachClick)
{
    TPreviewImage image(nullptr);
    image.resize(40, 20);
    image.SetId(1);
    TButtonData data;
    data.Flags[TButtonData::bfMouse] = 1;
    data.Flags[TButtonData::bfToggle] = 1;
    data.Width = 10;
    data.Height = 10;
    const int id = image.AddButtonToList(data);
    QSignalSpy clicks(&image, &TPreviewImage::ButtonClick);
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(image.FindButton(id)->IsSelected());
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(image.FindButton(id)->IsSelected());
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks[0][0].value<QObject*>(), image.FindButton(id));
}

TEST(PreviewImage, TheTransparentColourIsLeftOut)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, ViewColorToRgb(clViewFuchsia));
    picture.setPixel(1, 0, qRgb(1, 2, 3));
    const QImage shown = WithTransparentKey(picture, clViewFuchsia);
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixel(1, 0), qRgb(1, 2, 3));
}

} // namespace
} // namespace previewtest
