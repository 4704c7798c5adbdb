#include "app/DataModule.h"
#include "app/FormMain.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "outside/keyplan/TsTaste.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "tests/app/FrameFixture.h"
#include "views/FDlgPreviewSensitive.h"
#include "views/FormVerwBase.h"
#include "views/PreviewManagerTalvo.h"
#include "views/PreviewManagerTalvoFactory.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>

#include <gtest/gtest.h>

#include <string>

namespace previewtest {
namespace {

// The main window with the product's preview factory, as the program makes it, on a device
// with the demo's pictures.
class PreviewInProgram : public frametest::FrameFixture {
protected:
    void StartWithPreview()
    {
        Dm = std::make_unique<TDM>(nullptr);
        TFormMainFactories factories;
        factories.Windows = &Windows;
        factories.Previews = &ProductPreviews;
        factories.HostLink = [this](const std::string&) {
            auto link = std::make_unique<TEts2CdiFaults>(ProjectPath);
            Link = link.get();
            return link;
        };
        Main = std::make_unique<TFormMain>(nullptr, std::vector<std::string>{"panelconf", "244_ID"}, factories);
        FormVerw = Main->NewFormVerw();
        Pump();
        Device = AddDevice(1);
        ASSERT_NE(Device, nullptr);
        // The display and four keys below the system object.
        const std::int32_t system = Device->GetDevice()->GetHandle();
        Add(std::make_unique<TTalvoDisplay>(Main->GetHandle(), 0, system, "Display", 900));
        Add(std::make_unique<TTsBetaetigung>(Main->GetHandle(), 0, system, "Bet\xE4tigung", 4, 901));
        for (int n = 1; n <= 4; ++n)
            Add(std::make_unique<TTsTaste>(Main->GetHandle(), 0, 901, "Taste " + std::to_string(n), n, 901 + n));
        Windows.Made.front()->Selected = Device->FindHandle(903);
        // The demo's character set.
        QFile characters(PANELCONF_DEMO_DATA_DIR "/CharacterSet/Cs01252.ezs");
        ASSERT_TRUE(characters.open(QIODevice::ReadOnly));
        const QByteArray bytes = characters.readAll();
        Device->CharSetStream.Clear();
        Device->CharSetStream.Write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        const QDir demo(PANELCONF_DEMO_DATA_DIR "/PreviewImages");
        const QDir images(QString::fromStdString(Dm->PreviewImagesDir));
        const QString type = QString::number(Device->GetDeviceEtsInfo().TypeNumber);
        ASSERT_TRUE(QFile::copy(demo.filePath("18.bmp"), images.filePath(type + ".bmp")));
        ASSERT_TRUE(QFile::copy(demo.filePath("SmallDisplay.bmp"), images.filePath("SmallDisplay.bmp")));
        Main->show();
    }
    void Add(std::unique_ptr<TDataBasis> object)
    {
        TDataBasis* raw = object.get();
        ASSERT_TRUE(Device->SetPointer2List(object.release()));
        raw->Write(*Device->GetDatenSatz(raw));
    }
    TPreviewManagerTalvo* Preview() const { return dynamic_cast<TPreviewManagerTalvo*>(Main->PreviewManager.get()); }

    TPreviewManagerTalvoFactory ProductPreviews;
    TDeviceInstanzTalvo* Device = nullptr;
};

TEST_F(PreviewInProgram, TheCommandsOpenTheProductsPreviewInTheMainWindow)
{
    StartWithPreview();
    Dm->APreview->trigger();
    Pump();
    ASSERT_NE(Preview(), nullptr);
    TFDlgPreviewSensitive* window = Preview()->GetWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_NE(window->mdiArea(), nullptr);
    EXPECT_TRUE(window->isVisibleTo(Main.get()));
    // Without a stored place it stands at the top right of the area.
    const QRect area = window->mdiArea()->viewport()->rect();
    EXPECT_EQ(window->geometry().topRight(), area.topRight());
    EXPECT_NE(Preview()->GetImageIdTalvo(), -1);
    QDir().mkpath(PREVIEW_SCREENSHOT_DIR);
    Main->grab().save(PREVIEW_SCREENSHOT_DIR "/preview_in_main_window.png");

    Dm->APreviewAlwaysOnTop->trigger();
    EXPECT_TRUE(Preview()->GetWindow()->GetStayOnTop());

    Dm->APreviewShowDisplayOnly->trigger();
    ASSERT_NE(Preview(), nullptr);
    EXPECT_EQ(Preview()->GetImageIdTalvo(), -1) << "rebuilt as the display alone";
    EXPECT_TRUE(Preview()->GetWindow()->GetStayOnTop());
}

TEST_F(PreviewInProgram, ClosingThePreviewWindowEndsThePreview)
{
    StartWithPreview();
    Dm->APreview->trigger();
    ASSERT_NE(Preview(), nullptr);
    QPointer<TFDlgPreviewSensitive> window = Preview()->GetWindow();
    window->move(30, 40);
    EXPECT_FALSE(window->close());
    Pump();
    EXPECT_EQ(Main->PreviewManager, nullptr);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ReadSetting("Window", "PreviewPosLeft"), "30");
    EXPECT_EQ(ReadSetting("Window", "PreviewPosTop"), "40");
}

} // namespace
} // namespace previewtest
