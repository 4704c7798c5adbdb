#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "outside/viewkit/CharacterCell.h"
#include "tests/product/support/ProductDoubles.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ScriptedUi.h"
#include "tests/views/preview/PreviewTestSupport.h"
#include "views/PreviewManager.h"
#include "views/PreviewMessages.h"

#include <QFile>
#include <QPrinter>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace previewtest {
namespace {

using testsupport::RecordingWindow;

// A preview that notes every event it is given and answers 7.
class RecordingManager final : public TPreviewManager {
public:
    using TPreviewManager::TPreviewManager;

    struct Call {
        std::string name;
        std::vector<int> args;
        bool operator==(const Call&) const = default;
    };

    int OnImageClick(int a, int b) override { return Note("ImageClick", {a, b}); }
    int OnImageDblClick(int a, int b) override { return Note("ImageDblClick", {a, b}); }
    int OnImageMouseDown(int a, int b) override { return Note("ImageMouseDown", {a, b}); }
    int OnImageMouseUp(int a, int b) override { return Note("ImageMouseUp", {a, b}); }
    int OnButtonClick(int a, int b, int c) override { return Note("ButtonClick", {a, b, c}); }
    int OnButtonDblClick(int a, int b, int c) override { return Note("ButtonDblClick", {a, b, c}); }
    int OnButtonMouseDown(int a, int b, int c) override { return Note("ButtonMouseDown", {a, b, c}); }
    int OnButtonMouseUp(int a, int b, int c) override { return Note("ButtonMouseUp", {a, b, c}); }
    bool InitSmall(TDataBasis* selected) override { return Init(selected); }
    void UpdateData(TDataBasis*, bool, bool) override {}

    std::vector<Call> Calls;

private:
    int Note(const char* name, std::vector<int> args)
    {
        Calls.push_back({name, std::move(args)});
        return 7;
    }
};

class PreviewManagerTest : public ::testing::Test {
protected:
    std::unique_ptr<RecordingManager> Make(TDeviceInstanz* model)
    {
        return std::make_unique<RecordingManager>(&frame, target.handle(), model);
    }
    // A picture with one button; the button's id.
    int AddPictureWithButton(TPreviewManager& preview)
    {
        const QImage bitmap = Picture(120, 16);
        TImageData image;
        image.Bitmap = &bitmap;
        const int imageId = preview.GetWindow()->AddImage(image);
        TButtonData button;
        button.Identifier = 2;
        button.Width = 120;
        button.Height = 8;
        button.Flags[TButtonData::bfVisible] = 1;
        return preview.GetWindow()->AddButton(imageId, button);
    }
    std::int32_t Stored(std::string_view key)
    {
        std::int32_t value = -1;
        TMyRegistry().ReadIniInteger(dataModule.GetIniFileName(), SECTION_WINDOW, key, -1, value);
        return value;
    }

    testsupport::ScriptedUi ui;
    SettingsDataModule dataModule;
    RecordingWindow target;
    Frame frame;
    producttest::FakeMainWindow mainWindow;
    producttest::TestDevice device{&mainWindow, nullptr, nullptr};
};

TEST_F(PreviewManagerTest, TheSameIdentifierTwiceGivesOneElementWithTheLaterValues)
{
    auto preview = Make(&device);
    ASSERT_TRUE(preview->Init(nullptr));
    preview->ChangeOrAddPreviewData(nullptr, 5, 0x00010001, 1, nullptr, nullptr);
    preview->ChangeOrAddPreviewData(nullptr, 5, 0x00020003, 2, nullptr, nullptr);
    ASSERT_EQ(preview->GetElements().size(), 1u);
    EXPECT_EQ(preview->GetPreviewData(5)->ButtonId, 0x00020003);
    EXPECT_EQ(preview->GetPreviewData(5)->ImageId, 2);
    EXPECT_EQ(preview->GetPreviewData(6), nullptr);
}

TEST_F(PreviewManagerTest, ANegativeImageIdIsTheButtonsWithAWindowAndStoresNothingWithout)
{
    auto without = Make(&device);
    without->ChangeOrAddPreviewData(nullptr, 4, 0x00030005, -1, new TDisplayZeile(nullptr, -1, 1, {}, 0, 0), nullptr);
    EXPECT_TRUE(without->GetElements().empty());

    auto with = Make(&device);
    ASSERT_TRUE(with->Init(nullptr));
    with->ChangeOrAddPreviewData(nullptr, 4, 0x00030005, -1, nullptr, nullptr);
    EXPECT_EQ(with->GetPreviewData(4)->ImageId, 3);
}

TEST_F(PreviewManagerTest, AnElementOwnsItsLinesAndTakesNewOnes)
{
    auto preview = Make(&device);
    ASSERT_TRUE(preview->Init(nullptr));
    auto* first = new TDisplayZeile(nullptr, -1, 1, {}, 0, 0);
    preview->ChangeOrAddPreviewData(nullptr, 2, 0x00010001, -1, first, nullptr);
    preview->ChangeOrAddPreviewData(nullptr, 2, 0x00010001, -1, first, nullptr); // its own line again
    EXPECT_EQ(preview->GetPreviewData(2)->Line.get(), first);
    auto* second = new TDisplayZeile(nullptr, -1, 1, {}, 0, 0);
    preview->ChangeOrAddPreviewData(nullptr, 2, 0x00010001, -1, second, nullptr);
    EXPECT_EQ(preview->GetPreviewData(2)->Line.get(), second); // the first is freed
    preview->DeletePreviewDataByIdentifier(9);
    EXPECT_EQ(preview->GetElements().size(), 1u);
    preview->DeletePreviewDataByIdentifier(2);
    EXPECT_TRUE(preview->GetElements().empty());
}

struct RouteCase {
    const char* name;
    unsigned message;
    int wParam;
    bool window;
    RecordingManager::Call call; // empty name: no call
    int result;
};

class Routing : public PreviewManagerTest, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(Routing, MessagesReachTheirEventOperation)
{
    const RouteCase& c = GetParam();
    auto preview = Make(&device);
    if (c.window) {
        ASSERT_TRUE(preview->Init(nullptr));
    }
    EXPECT_EQ(preview->Message(c.message, c.wParam, 9), c.result);
    if (c.call.name.empty()) {
        EXPECT_TRUE(preview->Calls.empty());
    } else {
        EXPECT_EQ(preview->Calls, std::vector<RecordingManager::Call>{c.call});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Routing,
    ::testing::Values(
        RouteCase{"imageClick", 1187, 2, true, {"ImageClick", {2, 9}}, 7},
        RouteCase{"imageDblClick", 1188, 2, true, {"ImageDblClick", {2, 9}}, 7},
        RouteCase{"imageMouseDown", 1189, 2, true, {"ImageMouseDown", {2, 9}}, 7},
        RouteCase{"imageMouseUp", 1190, 2, true, {"ImageMouseUp", {2, 9}}, 7},
        RouteCase{"buttonClick", 1191, 0x00020007, true, {"ButtonClick", {2, 0x00020007, 9}}, 7},
        RouteCase{"buttonClickNoButton", 1191, 0, true, {"ButtonClick", {-1, 0, 9}}, 7},
        RouteCase{"buttonClickNoWindow", 1191, 0x00020007, false, {"ButtonClick", {-1, 0x00020007, 9}}, 7},
        RouteCase{"buttonDblClick", 1192, 0x00020007, true, {"ButtonDblClick", {2, 0x00020007, 9}}, 7},
        RouteCase{"buttonMouseDown", 1193, 0x00020007, true, {"ButtonMouseDown", {2, 0x00020007, 9}}, 7},
        RouteCase{"buttonMouseUp", 1194, 0x00020007, true, {"ButtonMouseUp", {2, 0x00020007, 9}}, 7},
        RouteCase{"other", 1200, 0x00020007, true, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreviewManagerTest, WithoutDeviceModelThereIsNoWindow)
{
    auto preview = Make(nullptr);
    EXPECT_FALSE(preview->Init(nullptr));
    EXPECT_EQ(preview->GetWindow(), nullptr);
    preview->Show();
    preview->StayOnTop(true);
    preview->BringToFront();
}

TEST_F(PreviewManagerTest, AFreshInstallationOpensAt200And200AndTheNextOpensWhereTheLastClosed)
{
    auto preview = Make(&device);
    ASSERT_TRUE(preview->Init(nullptr));
    AddPictureWithButton(*preview);
    preview->Show();
    EXPECT_EQ(preview->GetWindow()->pos(), QPoint(200, 200));
    EXPECT_TRUE(preview->GetWindow()->isVisible());
    preview->GetWindow()->move(40, 30);
    preview.reset();
    EXPECT_EQ(Stored(KEY_PREVIEWPOSLEFT), 40);
    EXPECT_EQ(Stored(KEY_PREVIEWPOSTOP), 30);

    preview = Make(&device);
    ASSERT_TRUE(preview->Init(nullptr));
    AddPictureWithButton(*preview);
    preview->Show();
    EXPECT_EQ(preview->GetWindow()->pos(), QPoint(40, 30));
}

TEST_F(PreviewManagerTest, AManagerNeverInitialisedSavesNothing)
{
    Make(&device).reset();
    EXPECT_FALSE(std::filesystem::exists(dataModule.GetIniFileName()));
}

TEST_F(PreviewManagerTest, InitAgainClosesTheOldWindowFirst)
{
    auto preview = Make(&device);
    ASSERT_TRUE(preview->Init(nullptr));
    QPointer<TFDlgPreviewSensitive> old = preview->GetWindow();
    preview->ChangeOrAddPreviewData(nullptr, 2, AddPictureWithButton(*preview), -1, nullptr, nullptr);
    ASSERT_TRUE(preview->Init(nullptr));
    EXPECT_TRUE(old.isNull());
    EXPECT_NE(preview->GetWindow(), nullptr);
    EXPECT_TRUE(preview->GetElements().empty());
    testsupport::DeliverPostedMessages();
    EXPECT_TRUE(target.messages().empty()) << "no close request for a window the manager replaces";
}

TEST_F(PreviewManagerTest, TheCloseButtonEndsInTheManagersDeletionWhichStoresThePosition)
{
    std::unique_ptr<RecordingManager> preview = Make(&device);
    target.AnswerWith([&preview](const RecordingWindow::Message& message) -> platform::LRESULT {
        if (message.message == WM_USER_PREVIEWCLOSED)
            preview.reset(); // as the main window does
        return 0;
    });
    ASSERT_TRUE(preview->Init(nullptr));
    AddPictureWithButton(*preview);
    preview->Show();
    preview->GetWindow()->move(70, 60);
    QPointer<TFDlgPreviewSensitive> window = preview->GetWindow();
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window.isNull()) << "the window stays until the manager goes";
    testsupport::DeliverPostedMessages();
    EXPECT_EQ(preview, nullptr);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(Stored(KEY_PREVIEWPOSLEFT), 70);
    EXPECT_EQ(Stored(KEY_PREVIEWPOSTOP), 60);
}

TEST_F(PreviewManagerTest, StayOnTopSwitchesTheWindowsTimer)
{
    auto preview = Make(&device);
    ASSERT_TRUE(preview->Init(nullptr));
    preview->StayOnTop(true);
    EXPECT_TRUE(preview->GetWindow()->GetStayOnTop());
    preview->StayOnTop(false);
    EXPECT_FALSE(preview->GetWindow()->GetStayOnTop());
}

TEST_F(PreviewManagerTest, SelectTreeNodePostsTheObject)
{
    auto preview = Make(&device);
    int object = 0;
    preview->SelectTreeNode(reinterpret_cast<TDataBasis*>(&object));
    EXPECT_TRUE(target.messages().empty());
    testsupport::DeliverPostedMessages();
    EXPECT_EQ(target.messages(), (std::vector<RecordingWindow::Message>{
                                     {WM_USER_SELECTTREENODE, 0, reinterpret_cast<platform::LPARAM>(&object)}}));
}

TEST_F(PreviewManagerTest, ANewCharacterSetRedrawsTheDisplayLines)
{
    auto preview = Make(&device);
    ASSERT_TRUE(preview->Init(nullptr));
    const int button = AddPictureWithButton(*preview);
    TCanvas* canvas = preview->GetWindow()->GetButtonCanvas(button);
    auto* line = new TDisplayZeile(canvas, -1, 1, preview->GetCharData(), clViewWhite, clViewFuchsia);
    line->SetText("A");
    preview->ChangeOrAddPreviewData(nullptr, 2, button, -1, line, nullptr);
    line->Draw();
    EXPECT_EQ(canvas->Pixel(0, 0), ViewColorToRgb(clViewFuchsia)) << "no character A yet";

    preview->UpdateCharacterSet({{'A', std::vector<std::uint32_t>(CharacterHeight, 0x20)}});
    EXPECT_EQ(canvas->Pixel(0, 0), ViewColorToRgb(clViewWhite));
    EXPECT_EQ(canvas->Pixel(1, 0), ViewColorToRgb(clViewFuchsia));
    EXPECT_EQ(preview->GetCharData().count('A'), 1u);
}

TEST_F(PreviewManagerTest, PrintsTheWindowIntoAPdf)
{
    auto preview = Make(&device);
    ASSERT_TRUE(preview->Init(nullptr));
    AddPictureWithButton(*preview);
    preview->Show();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dataModule.Dir().file("preview.pdf")));
    preview->PrintTo(printer);
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
}

} // namespace
} // namespace previewtest
