#include "outside/keyplan/FunktionBasis.h"
#include "platform/MemoryStream.h"
#include "tests/views/preview/TalvoDeviceFixture.h"
#include "views/PreviewMessages.h"
#include "views/PreviewRouting.h"

#include <gtest/gtest.h>

namespace previewtest {
namespace {

class PreviewRouting : public TalvoDeviceFixture {
protected:
    PreviewRouting()
    {
        BuildKeys(2, {1});
        WritePictures();
        preview = MakePreview();
        EXPECT_TRUE(preview->Init(nullptr));
    }
    platform::LPARAM Object(std::int32_t handle) { return reinterpret_cast<platform::LPARAM>(device.FindHandle(handle)); }

    std::unique_ptr<TPreviewManagerTalvo> preview;
    bool skipOnce = false;
};

TEST_F(PreviewRouting, PreviewEventsReachThePreviewWhileThereIsOne)
{
    const platform::WPARAM button = static_cast<platform::WPARAM>(ButtonOf(*preview, 5)->GetId());
    EXPECT_EQ(RoutePreviewEvent(nullptr, WM_USER_PREVIEWBUTTONCLICK, button, 5), 0);
    EXPECT_EQ(RoutePreviewEvent(preview.get(), WM_USER_SELECTTREENODE, button, 5), 0);
    EXPECT_FALSE(ButtonOf(*preview, 5)->IsSelected());
    EXPECT_EQ(RoutePreviewEvent(preview.get(), WM_USER_PREVIEWBUTTONCLICK, button, 5), -1);
    EXPECT_TRUE(ButtonOf(*preview, 5)->IsSelected());
}

TEST_F(PreviewRouting, AnUpdateShowsTheObjectAndAFunctionByItsParent)
{
    auto& function = Make<TTastenFunktionSchalten>(22, "Schalten", 70);
    RouteUpdatePreview(preview.get(), &device, 0, Object(21), skipOnce);
    EXPECT_TRUE(ButtonOf(*preview, 4)->IsSelected());
    RouteUpdatePreview(preview.get(), &device, 0, reinterpret_cast<platform::LPARAM>(&function), skipOnce);
    EXPECT_TRUE(ButtonOf(*preview, 5)->IsSelected()) << "key 2, the function's parent";
    EXPECT_FALSE(ButtonOf(*preview, 4)->IsSelected());
}

TEST_F(PreviewRouting, AnUpdateRightAfterASelectionFromThePreviewIsSkippedOnce)
{
    skipOnce = true;
    RouteUpdatePreview(preview.get(), &device, 0, Object(21), skipOnce);
    EXPECT_FALSE(skipOnce);
    EXPECT_FALSE(ButtonOf(*preview, 4)->IsSelected());
    RouteUpdatePreview(preview.get(), &device, 0, Object(21), skipOnce);
    EXPECT_TRUE(ButtonOf(*preview, 4)->IsSelected());
    RouteUpdatePreview(nullptr, &device, 0, Object(21), skipOnce);
}

TEST_F(PreviewRouting, AWholeUpdateRebuildsTheButtons)
{
    const int before = ButtonOf(*preview, 4)->GetId();
    RouteUpdatePreview(preview.get(), &device, 1, Object(22), skipOnce);
    EXPECT_NE(ButtonOf(*preview, 4)->GetId(), before);
    EXPECT_TRUE(ButtonOf(*preview, 5)->IsSelected());
}

TEST_F(PreviewRouting, ANewCharacterSetIsLoadedAndHandedToThePreview)
{
    EXPECT_FALSE(RouteUpdatePreviewCharData(preview.get(), nullptr));
    device.CharSetStream.Write("not a character set");
    EXPECT_FALSE(RouteUpdatePreviewCharData(preview.get(), &device));
    device.CharSetStream.Clear();
    device.CharSetStream.Write("SX Version: 1. 0 Typ:SORV/CharSet Device:Talvo CPID: 1252 CBU:0\r\n"
                               "S10B0208202020202020203ECC\r\n"); // 'A' at 0x41 * 8
    ASSERT_TRUE(RouteUpdatePreviewCharData(preview.get(), &device));
    EXPECT_EQ(device.CharTable.count('A'), 1u);
    EXPECT_EQ(preview->GetCharData(), device.CharTable);
    EXPECT_TRUE(RouteUpdatePreviewCharData(nullptr, &device));
}

} // namespace
} // namespace previewtest
