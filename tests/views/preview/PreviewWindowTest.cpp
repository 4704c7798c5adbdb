#include "tests/support/RecordingWindow.h"
#include "tests/support/ScriptedUi.h"
#include "tests/views/preview/PreviewTestSupport.h"
#include "views/FDlgPreviewSensitive.h"
#include "views/PreviewIds.h"
#include "views/PreviewMessages.h"

#include <QMenu>
#include <QPrinter>
#include <QStatusBar>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace previewtest {
namespace {

using testsupport::RecordingWindow;

struct IdCase {
    const char* name;
    std::vector<int> ids;
    int next;
};

class NextImageId : public ::testing::TestWithParam<IdCase> {};

TEST_P(NextImageId, FillsTheFirstGapOrCountsOn)
{
    EXPECT_EQ(NextImageIdOf(GetParam().ids), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Ids, NextImageId,
                         ::testing::Values(IdCase{"none", {}, 1}, IdCase{"gap", {1, 3}, 2},
                                           IdCase{"noGap", {2, 3}, 4}, IdCase{"highestTaken", {1, 65535}, 2},
                                           IdCase{"onlyHighest", {65535}, -1}, IdCase{"unsorted", {3, 1, 2}, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImageIdOfButton, IsTheHighWordOfAPositiveId)
{
    EXPECT_EQ(GetImageIdOfButton(0x00020001), 2);
    EXPECT_EQ(GetImageIdOfButton(0), -1);
    EXPECT_EQ(GetImageIdOfButton(-5), -1);
}

class PreviewWindow : public ::testing::Test {
protected:
    PreviewWindow() : window(new TFDlgPreviewSensitive(&frame, target.handle())) { window->MakeMdiChild(); }
    ~PreviewWindow() override
    {
        window->SetCloseAllowed(true);
        delete window;
    }

    int Image(int left, int top, int width, int height)
    {
        const QImage bitmap = Picture(width, height);
        TImageData data;
        data.Bitmap = &bitmap;
        data.Rect = TRect{left, top, -1, -1};
        return window->AddImage(data);
    }
    int Button(int imageId, int identifier, QRect rect = {0, 0, 10, 10}, bool mouse = true)
    {
        TButtonData data;
        data.Flags[TButtonData::bfMouse] = mouse ? 1 : 0;
        data.Flags[TButtonData::bfFrame] = 1;
        data.Flags[TButtonData::bfVisible] = 1;
        data.Identifier = identifier;
        data.Left = rect.left();
        data.Top = rect.top();
        data.Width = rect.width();
        data.Height = rect.height();
        return window->AddButton(imageId, data);
    }
    bool Selected(int buttonId) const
    {
        const TPreviewImage* image = window->FindImage(GetImageIdOfButton(buttonId));
        return image && image->FindButton(buttonId)->IsSelected();
    }

    testsupport::ScriptedUi ui;
    RecordingWindow target;
    Frame frame;
    TFDlgPreviewSensitive* window;
};

TEST_F(PreviewWindow, IsAToolWindowOfTheMdiAreaCalledVorschauOutOfSightUntilPlaced)
{
    EXPECT_EQ(window->mdiArea(), frame.Area());
    EXPECT_EQ(window->windowTitle(), "Vorschau");
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->x(), -window->width() - 10);
    EXPECT_EQ(window->y(), -window->height() - 10);
    EXPECT_EQ(window->TimerStayOnTop.interval(), 100);
    EXPECT_FALSE(window->TimerStayOnTop.isActive());
    ASSERT_EQ(window->PopupMenuPreview->actions().size(), 1);
    EXPECT_EQ(window->PopupMenuPreview->actions().front(), frame.AlwaysOnTop());
    EXPECT_EQ(window->GetPopupMenu(), nullptr);
}

TEST_F(PreviewWindow, TheFirstPicturesAreNumberedFromOneAndButtonsCarryTheirPicture)
{
    EXPECT_EQ(Image(0, 0, 10, 10), 1);
    EXPECT_EQ(Image(0, 0, 10, 10), 2);
    EXPECT_EQ(Image(0, 0, 10, 10), 3);
    EXPECT_EQ(Button(2, 7), 0x00020001);
    EXPECT_EQ(Button(2, 8), 0x00020002);
    EXPECT_EQ(Button(4, 9), -1);
    EXPECT_EQ(window->FindImage(0), nullptr);
    EXPECT_EQ(window->FindImage(3), window->Images()[2]);
    const TImageButton* button = window->FindImage(2)->FindButton(0x00020002);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetIdentifier(), 8);
}

TEST_F(PreviewWindow, APictureIsRefusedWhenNoIdIsLeft)
{
    Image(0, 0, 10, 10);
    window->Images().front()->SetId(65535);
    EXPECT_EQ(Image(0, 0, 10, 10), -1);
    EXPECT_EQ(window->Images().size(), 1u);
}

TEST_F(PreviewWindow, ButtonOperationsIgnoreIdsThatNameNoButton)
{
    const int image = Image(0, 0, 50, 50);
    const int button = Button(image, 4);
    window->SetButtonHint(button, "Taste 1");
    EXPECT_EQ(window->FindImage(image)->FindButton(button)->GetHint(), "Taste 1");
    EXPECT_NE(window->GetButtonCanvas(button), nullptr);
    for (const int none : {0, -1, 0x00090001, button + 1}) {
        EXPECT_EQ(window->GetButtonCanvas(none), nullptr) << none;
        EXPECT_FALSE(window->DeleteButton(none)) << none;
        window->SetButtonHint(none, "x");
        window->RefreshButton(none);
        window->SelectButton(none, true);
    }
    EXPECT_TRUE(window->DeleteButton(button));
    EXPECT_TRUE(window->FindImage(image)->Buttons().empty());
}

TEST_F(PreviewWindow, RefreshImageRepaintsOneOrAll)
{
    Image(0, 0, 10, 10);
    Image(0, 20, 10, 10);
    const auto counts = [this] {
        return std::vector<int>{window->Images()[0]->RefreshCount(), window->Images()[1]->RefreshCount()};
    };
    const std::vector<int> before = counts();
    window->RefreshImage(0);
    window->RefreshImage(-2);
    window->RefreshImage(7);
    EXPECT_EQ(counts(), before);
    window->RefreshImage(2);
    EXPECT_EQ(counts(), (std::vector<int>{before[0], before[1] + 1}));
    window->RefreshImage(-1);
    EXPECT_EQ(counts(), (std::vector<int>{before[0] + 1, before[1] + 2}));
}

TEST_F(PreviewWindow, SelectingAButtonDeselectsTheOtherPictures)
{
    const int first = Image(0, 0, 50, 50);
    const int second = Image(0, 60, 50, 50);
    const int a = Button(first, 4);
    const int b = Button(second, 5);
    const int c = Button(second, 6, {20, 0, 10, 10});
    window->SelectButton(a, true);
    window->SelectButton(b, true);
    EXPECT_FALSE(Selected(a));
    EXPECT_TRUE(Selected(b));
    window->SelectButton(c, true); // one picture without multi-select: b goes too
    EXPECT_FALSE(Selected(b));
    EXPECT_TRUE(Selected(c));
    window->SelectButton(a, true);
    window->SelectButton(b, false);
    EXPECT_TRUE(Selected(a)) << "deselecting touches no other picture";
    EXPECT_FALSE(Selected(c));
}

TEST_F(PreviewWindow, BoundsFitThePicturesAndPlaceTheWindow)
{
    Image(0, 0, 120, 48);
    Image(0, 51, 150, 48);
    window->SetWindowBounds(false, TRect{10, 20, -1, -1});
    EXPECT_EQ(window->ClientWidth(), 150);
    EXPECT_EQ(window->ClientHeight(), 99);
    EXPECT_EQ(window->pos(), QPoint(10, 20));
    EXPECT_TRUE(ui.boxes().empty());

    window->SetWindowBounds(true, TRect{0, 0, 200, 100});
    EXPECT_EQ(window->ClientWidth(), 200);
    EXPECT_EQ(window->ClientHeight(), 100);
    const QPoint centre = frame.Area()->viewport()->rect().center();
    EXPECT_LE(std::abs(window->geometry().center().x() - centre.x()), 1);
    EXPECT_LE(std::abs(window->geometry().center().y() - centre.y()), 1);
}

TEST_F(PreviewWindow, BoundsWithAVisibleStatusBarAddItsHeight)
{
    Image(0, 0, 120, 48);
    window->StatusBar->show();
    window->SetWindowBounds(false, TRect{0, 0, -1, -1});
    EXPECT_EQ(window->ClientHeight(), 48 + window->StatusBar->height());
}

TEST_F(PreviewWindow, BoundsWithoutPicturesReportTheSizeAndKeepIt)
{
    window->SetWindowBounds(false, TRect{0, 0, 70, 30});
    window->SetWindowBounds(false, TRect{10, 20, -1, -1});
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "Error: Incorrect Windowsize!");
    EXPECT_EQ(ui.boxes()[0].caption, "Fehler");
    EXPECT_EQ(ui.boxes()[0].style, platform::MB_OK);
    EXPECT_EQ(window->ClientWidth(), 70);
    EXPECT_EQ(window->ClientHeight(), 30);
    EXPECT_EQ(window->pos(), QPoint(10, 20)) << "the position is still applied";
}

TEST_F(PreviewWindow, TheMouseOnPicturesAndButtonsIsSentToTheTarget)
{
    const int image = Image(0, 0, 100, 60);
    const int button = Button(image, 9, {10, 10, 30, 20});
    Button(image, 2, {50, 10, 30, 20}, false); // a display line: the mouse goes to the picture
    TPreviewImage* picture = window->FindImage(image);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(60, 20));
    using M = RecordingWindow::Message;
    const auto b = static_cast<platform::WPARAM>(button);
    EXPECT_EQ(target.messages(), (std::vector<M>{{WM_USER_PREVIEWBUTTONMOUSEDOWN, b, 9},
                                                 {WM_USER_PREVIEWBUTTONMOUSEUP, b, 9},
                                                 {WM_USER_PREVIEWBUTTONCLICK, b, 9},
                                                 {WM_USER_PREVIEWIMAGEMOUSEDOWN, 1, 0},
                                                 {WM_USER_PREVIEWIMAGEMOUSEUP, 1, 0},
                                                 {WM_USER_PREVIEWIMAGECLICK, 1, 0}}));
    target.clear();
    QTest::mouseDClick(picture, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseDClick(picture, Qt::LeftButton, {}, QPoint(90, 50));
    std::vector<platform::UINT> kinds;
    for (const M& message : target.messages())
        kinds.push_back(message.message);
    EXPECT_NE(std::find(kinds.begin(), kinds.end(), WM_USER_PREVIEWBUTTONDBLCLICK), kinds.end());
    EXPECT_NE(std::find(kinds.begin(), kinds.end(), WM_USER_PREVIEWIMAGEDBLCLICK), kinds.end());
}

TEST_F(PreviewWindow, SendersOfAnotherKindSendNothing)
{
    const int image = Image(0, 0, 50, 50);
    const int button = Button(image, 4);
    QObject stranger;
    window->ImageClick(&stranger);
    window->ImageMouseDown(&stranger, Qt::LeftButton);
    window->ButtonClick(&stranger);
    window->ButtonClick(window->FindImage(image));
    window->ImageClick(window->FindImage(image)->FindButton(button));
    EXPECT_TRUE(target.messages().empty());
}

TEST_F(PreviewWindow, RightButtonDownOpensThePopupMenuInsteadOfSending)
{
    const int image = Image(0, 0, 100, 60);
    TPreviewImage* picture = window->FindImage(image);
    QTest::mousePress(picture, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(picture, Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_FALSE(target.messages().empty()) << "without popup menu the message is sent";
    EXPECT_EQ(target.messages().front().message, WM_USER_PREVIEWIMAGEMOUSEDOWN);

    target.clear();
    window->SetPopupMenu(window->PopupMenuPreview);
    QTest::mousePress(picture, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(window->PopupMenuPreview->isVisible());
    EXPECT_TRUE(target.messages().empty());
    window->PopupMenuPreview->hide();
}

TEST_F(PreviewWindow, TheCloseButtonPostsTheRequestAndTheWindowStays)
{
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(target.messages().empty()) << "posted, not sent";
    testsupport::DeliverPostedMessages();
    EXPECT_EQ(target.messages(), (std::vector<RecordingWindow::Message>{{WM_USER_PREVIEWCLOSED, 0, 0}}));
    EXPECT_TRUE(window->isVisible());
    window->SetCloseAllowed(true);
    EXPECT_TRUE(window->close());
}

TEST_F(PreviewWindow, StayingOnTopRaisesWithoutActivating)
{
    Image(0, 0, 50, 50);
    window->SetWindowBounds(false, TRect{0, 0, -1, -1});
    QMdiSubWindow* other = frame.Area()->addSubWindow(new QWidget);
    other->show();
    frame.Area()->setActiveSubWindow(other);
    ASSERT_EQ(frame.Area()->subWindowList(QMdiArea::StackingOrder).back(), other);

    window->SetStayOnTop(true);
    EXPECT_TRUE(window->TimerStayOnTop.isActive());
    window->TimerStayOnTopTimer();
    EXPECT_EQ(frame.Area()->subWindowList(QMdiArea::StackingOrder).back(), window);
    EXPECT_EQ(frame.Area()->activeSubWindow(), other);
    window->SetStayOnTop(false);
    EXPECT_FALSE(window->TimerStayOnTop.isActive());
}

TEST_F(PreviewWindow, PrintsItsPicturesIntoAPdf)
{
    Image(0, 0, 120, 48);
    window->SetWindowBounds(false, TRect{0, 0, -1, -1});
    const testsupport::TempDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.file("preview.pdf")));
    window->Print(printer);
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
}

} // namespace
} // namespace previewtest
