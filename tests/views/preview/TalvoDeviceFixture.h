#pragma once

#include "outside/clockfunc/Schaltuhr.h"
#include "outside/keyplan/TastsensorFunktion.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "outside/keyplan/TsTaste.h"
#include "outside/keyplan/TsWippe.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "tests/product/support/ProductDoubles.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ScriptedUi.h"
#include "tests/views/preview/PreviewTestSupport.h"
#include "views/PreviewManagerTalvo.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class TEtsObjekt;

namespace previewtest {

// A Talvo device of the libraries' real data objects, as the function managers make them: the
// system object with its display, a time switch and the key sensor's key operation, whose keys
// and rockers follow the pair modes given; and the pictures of type 18 in a folder of its own.
class TalvoDeviceFixture : public ::testing::Test {
protected:
    static constexpr int TypeNumber = 18;
    static constexpr std::int32_t System = 1;
    static constexpr std::int32_t SystemHandle = 1;
    static constexpr std::int32_t BetaetigungHandle = 4;

    TalvoDeviceFixture();

    // The keys and rockers of these pair modes (1 two keys, 2 one rocker, 0 neither) under a key
    // operation of that key count; key n has handle 20 + n, rocker p handle 40 + p.
    void BuildKeys(int keys, std::initializer_list<int> modes);
    // Writes the picture files: the device picture, the display picture, or both.
    void WritePictures(bool device = true, bool display = true);
    // A communication object below the parent.
    TEtsObjekt& Objekt(std::int32_t parent, std::int32_t handle);
    // A preview of this device, its pictures taken from the fixture's folder.
    std::unique_ptr<TPreviewManagerTalvo> MakePreview();
    // The button of the element with that identifier; none.
    const TImageButton* ButtonOf(const TPreviewManagerTalvo& preview, int identifier) const;
    // The text of display line 1 or 2; "(none)" without the element.
    std::string LineText(const TPreviewManagerTalvo& preview, int line) const;

    template <class T, class... Args>
    T& Make(Args&&... args)
    {
        auto object = std::make_unique<T>(mainWindow.GetHandle(), System, std::forward<Args>(args)...);
        T& made = *object;
        EXPECT_TRUE(device.SetPointer2List(object.release()));
        made.Write(*device.GetDatenSatz(&made));
        return made;
    }

    testsupport::ScriptedUi ui;
    SettingsDataModule dataModule;
    testsupport::RecordingWindow target;
    Frame frame;
    producttest::FakeMainWindow mainWindow;
    producttest::TestDevice device{&mainWindow, nullptr, nullptr};
    TTalvoSystem* system = nullptr;
    TTalvoDisplay* display = nullptr;
    TSchaltuhr* schaltuhr = nullptr;
    TTsBetaetigung* betaetigung = nullptr;
    std::string imageFolder;
};

} // namespace previewtest
