#include "outside/viewkit/LoadS19.h"
#include "platform/MemoryStream.h"
#include "tests/views/preview/TalvoDeviceFixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace previewtest {
namespace {

// The preview of a ten-key device with the demo's pictures and character set, saved as a
// picture for a person to look at.
class PreviewScreenshot : public TalvoDeviceFixture {
protected:
    PreviewScreenshot()
    {
        imageFolder = PANELCONF_DEMO_DATA_DIR "/PreviewImages";
        QFile file(PANELCONF_DEMO_DATA_DIR "/CharacterSet/Cs01252.ezs");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        platform::TMemoryStream stream;
        stream.Write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        stream.SetPosition(0);
        EXPECT_TRUE(LoadS19StreamToMap(&stream, device.CharTable));
        BuildKeys(10, {1, 2, 1, 1, 2});
        system->SetValueOfTastenHilfeFunktion(0);
    }

    void Save(TPreviewManagerTalvo& preview, const char* name)
    {
        preview.Show();
        QDir().mkpath(PREVIEW_SCREENSHOT_DIR);
        EXPECT_TRUE(preview.GetWindow()->grab().save(QString(PREVIEW_SCREENSHOT_DIR "/") + name));
    }
};

TEST_F(PreviewScreenshot, Full)
{
    auto preview = MakePreview();
    ASSERT_TRUE(preview->Init(device.FindHandle(25)));
    EXPECT_EQ(LineText(*preview, 1), "21.0 \xB0" "C");
    EXPECT_TRUE(ButtonOf(*preview, 8)->IsSelected());
    Save(*preview, "preview_full.png");
}

TEST_F(PreviewScreenshot, DisplayOnly)
{
    system->SetValueOfTastenHilfeFunktion(1);
    auto preview = MakePreview();
    ASSERT_TRUE(preview->InitSmall(device.FindHandle(42)));
    EXPECT_EQ(LineText(*preview, 2), "Wippe 2 links");
    Save(*preview, "preview_display_only.png");
}

} // namespace
} // namespace previewtest
