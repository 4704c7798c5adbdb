#include "outside/addrlink/EtsObjekt.h"
#include "tests/views/preview/TalvoDeviceFixture.h"
#include "views/PreviewIds.h"
#include "views/PreviewMessages.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace previewtest {
namespace {

using testsupport::RecordingWindow;

// The data object of every element of the key range, by identifier.
std::map<int, TDataBasis*> KeyElements(const TPreviewManagerTalvo& preview)
{
    std::map<int, TDataBasis*> keys;
    for (const TPreviewData& element : preview.GetElements())
        if (element.Identifier >= 4)
            keys[element.Identifier] = element.Object;
    return keys;
}

class TalvoPreview : public TalvoDeviceFixture {
protected:
    TDataBasis* Key(int n) { return device.FindHandle(20 + n); }
    TDataBasis* Rocker(int p) { return device.FindHandle(40 + p); }
    // A full preview with nothing selected.
    std::unique_ptr<TPreviewManagerTalvo> Open()
    {
        WritePictures();
        auto preview = MakePreview();
        EXPECT_TRUE(preview->Init(nullptr));
        return preview;
    }
};

TEST_F(TalvoPreview, PairModesLayOutKeysAndRockersOnTheirButtonsWithOneRepaint)
{
    BuildKeys(10, {1, 2, 1, 0, 2});
    auto preview = Open();
    const TPreviewImage* picture = preview->GetWindow()->FindImage(preview->GetImageIdTalvo());
    ASSERT_NE(picture, nullptr);
    const int before = picture->RefreshCount();
    preview->UpdateData(nullptr, true, true);
    EXPECT_EQ(picture->RefreshCount(), before + 1);

    const std::map<int, TDataBasis*> expected{{4, Key(1)},  {5, Key(2)},  {6, Rocker(2)}, {7, Rocker(2)},
                                              {8, Key(5)},  {9, Key(6)},  {12, Rocker(5)}, {13, Rocker(5)}};
    EXPECT_EQ(KeyElements(*preview), expected);
    for (const auto& [identifier, object] : expected) {
        const TImageButton* button = ButtonOf(*preview, identifier);
        ASSERT_NE(button, nullptr) << identifier;
        EXPECT_EQ(button->GetRect(), TPreviewManagerTalvo::ButtonRect(identifier - 3)) << identifier;
        EXPECT_EQ(button->GetIdentifier(), identifier);
        EXPECT_EQ(button->GetHint(), object->GetName(true));
        EXPECT_FALSE(button->IsSelected()) << identifier;
    }
}

struct CountCase {
    const char* name;
    int keys;
    std::vector<int> identifiers;
};

class KeyCount : public TalvoPreview, public ::testing::WithParamInterface<CountCase> {};

TEST_P(KeyCount, LaysOutTheWholePairsOnly)
{
    BuildKeys(GetParam().keys, {1, 1, 1, 1, 1});
    auto preview = Open();
    std::vector<int> identifiers;
    for (const auto& [identifier, object] : KeyElements(*preview))
        identifiers.push_back(identifier);
    EXPECT_EQ(identifiers, GetParam().identifiers);
}

INSTANTIATE_TEST_SUITE_P(Counts, KeyCount,
                         ::testing::Values(CountCase{"six", 6, {4, 5, 6, 7, 8, 9}}, CountCase{"one", 1, {}},
                                           CountCase{"eleven", 11, {4, 5, 6, 7, 8, 9, 10, 11, 12, 13}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TalvoPreview, AKeyCountBelowTwoRemovesExistingButtons)
{
    BuildKeys(4, {1, 1});
    auto preview = Open();
    ASSERT_EQ(KeyElements(*preview).size(), 4u);
    TDatenStruktur& record = *device.GetDatenSatz(betaetigung);
    record.Param2 = 1;
    betaetigung->InitFromDB(record);
    preview->UpdateData(nullptr, false, true);
    EXPECT_TRUE(KeyElements(*preview).empty());
    EXPECT_TRUE(preview->GetWindow()->FindImage(preview->GetImageIdTalvo())->Buttons().empty());
}

TEST_F(TalvoPreview, TheKeyWithNumberNTakesButtonNWhereverItStandsAmongTheChildren)
{
    betaetigung = &Make<TTsBetaetigung>(3, "Bet\xE4tigung", 4, BetaetigungHandle);
    for (const int n : {4, 3, 1, 2}) // children in another order than their numbers
        Make<TTsTaste>(BetaetigungHandle, "Taste " + std::to_string(n), n, 20 + n);
    auto preview = Open();
    EXPECT_EQ(KeyElements(*preview), (std::map<int, TDataBasis*>{{4, Key(1)}, {5, Key(2)}, {6, Key(3)}, {7, Key(4)}}));
    EXPECT_EQ(ButtonOf(*preview, 6)->GetRect(), TPreviewManagerTalvo::ButtonRect(3));
}

TEST_F(TalvoPreview, AMissingKeyOfAPairRemovesEveryKeyButton)
{
    BuildKeys(4, {1, 1});
    auto preview = Open();
    ASSERT_EQ(KeyElements(*preview).size(), 4u);
    TDatenStruktur& record = *device.GetDatenSatz(betaetigung);
    record.Param4 = 2; // pair 2 a rocker, which the device does not have
    betaetigung->InitFromDB(record);
    preview->UpdateData(Key(1), false, true);
    EXPECT_TRUE(KeyElements(*preview).empty());
}

struct TextCase {
    const char* name;
    int object; // handle; 0 none
    bool keyHelp;
    std::string line1;
    std::string line2;
    bool hintIsName;
};

class DisplayTexts : public TalvoPreview, public ::testing::WithParamInterface<TextCase> {};

TEST_P(DisplayTexts, FollowTheSelectedObject)
{
    const TextCase& c = GetParam();
    BuildKeys(4, {1, 2});
    Objekt(21, 60);
    system->SetValueOfTastenHilfeFunktion(c.keyHelp ? 1 : 0);
    auto preview = Open();
    TDataBasis* object = c.object ? device.FindHandle(c.object) : nullptr;
    preview->UpdateData(object, false, true);
    EXPECT_EQ(LineText(*preview, 1), c.line1);
    EXPECT_EQ(LineText(*preview, 2), c.line2);
    if (c.object && c.line1 != "(none)") {
        TDataBasis* named = object->GetTyp() == 806 || object->GetTyp() == 807 ? Key(1) : object;
        const std::string hint = c.hintIsName ? named->GetName(true) : std::string();
        EXPECT_EQ(ButtonOf(*preview, 2)->GetHint(), hint);
        EXPECT_EQ(ButtonOf(*preview, 3)->GetHint(), hint);
    }
}

const std::string Basic1 = "21.0 \xB0" "C";
const std::string Basic2 = "12:00 24.12.2026";

INSTANTIATE_TEST_SUITE_P(
    Objects, DisplayTexts,
    ::testing::Values(TextCase{"display", 2, true, Basic1, Basic2, true},
                      TextCase{"keyHelpOn", 21, true, "", "Taste 1", true},
                      TextCase{"keyHelpOff", 21, false, Basic1, Basic2, false},
                      TextCase{"rockerHelpOn", 42, true, "", "Wippe 2 links", true},
                      TextCase{"rockerHelpOff", 42, false, Basic1, Basic2, false},
                      TextCase{"timeSwitch", 50, true, "Uhr 1 ein", "Schaltuhr", true},
                      TextCase{"systemObject", 1, true, Basic1, Basic2, false},
                      TextCase{"communicationObject", 60, true, "", "Taste 1", true},
                      TextCase{"none", 0, true, "(none)", "(none)", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TalvoPreview, ACommunicationObjectShowsItsParentAndAsksForItsOwnNode)
{
    BuildKeys(2, {1});
    TEtsObjekt& objekt = Objekt(21, 60);
    auto preview = Open();
    target.clear();
    preview->UpdateData(&objekt, false, true);
    EXPECT_EQ(LineText(*preview, 2), "Taste 1");
    EXPECT_FALSE(ButtonOf(*preview, 4)->IsSelected()) << "the outer layout is for the object itself";
    testsupport::DeliverPostedMessages();
    const auto* object = static_cast<TDataBasis*>(&objekt);
    EXPECT_EQ(target.messages(), (std::vector<RecordingWindow::Message>{
                                     {WM_USER_SELECTTREENODE, 0, reinterpret_cast<platform::LPARAM>(object)}}));
}

TEST_F(TalvoPreview, ACommunicationObjectWithoutParentRemovesTheLines)
{
    BuildKeys(2, {1});
    TEtsObjekt& orphan = Objekt(99, 61);
    auto preview = Open();
    preview->UpdateData(display, false, true);
    ASSERT_EQ(LineText(*preview, 1), Basic1);
    preview->UpdateData(&orphan, false, true);
    EXPECT_EQ(LineText(*preview, 1), "(none)");
    EXPECT_EQ(LineText(*preview, 2), "(none)");
}

TEST_F(TalvoPreview, ARockerBuiltNowHasBothHalvesSelectedAndLaterOnlyItsLeftHalfChanges)
{
    BuildKeys(4, {1, 2});
    WritePictures();
    auto preview = MakePreview();
    ASSERT_TRUE(preview->Init(Rocker(2)));
    EXPECT_TRUE(ButtonOf(*preview, 6)->IsSelected());
    EXPECT_TRUE(ButtonOf(*preview, 7)->IsSelected()) << "the right half inherits flag 1";

    preview->UpdateData(Key(1), false, true);
    EXPECT_TRUE(ButtonOf(*preview, 4)->IsSelected());
    EXPECT_FALSE(ButtonOf(*preview, 6)->IsSelected());
    EXPECT_FALSE(ButtonOf(*preview, 7)->IsSelected());
    preview->UpdateData(Rocker(2), false, true);
    EXPECT_FALSE(ButtonOf(*preview, 4)->IsSelected());
    EXPECT_TRUE(ButtonOf(*preview, 6)->IsSelected());
    EXPECT_FALSE(ButtonOf(*preview, 7)->IsSelected()) << "the right half's selection is left as it was";
}

TEST_F(TalvoPreview, AClickOnARockersRightHalfSelectsItShowsHelpTextTwoAndAsksForTheNode)
{
    BuildKeys(4, {1, 2});
    auto preview = Open();
    target.clear();
    const TImageButton* right = ButtonOf(*preview, 7);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(preview->Message(WM_USER_PREVIEWBUTTONCLICK, right->GetId(), 7), -1);
    EXPECT_TRUE(right->IsSelected());
    EXPECT_FALSE(ButtonOf(*preview, 6)->IsSelected());
    EXPECT_EQ(LineText(*preview, 2), "Wippe 2 rechts");
    EXPECT_EQ(ui.ScreenCursor(), platform::crDefault);
    testsupport::DeliverPostedMessages();
    EXPECT_EQ(target.messages(), (std::vector<RecordingWindow::Message>{
                                     {WM_USER_SELECTTREENODE, 0, reinterpret_cast<platform::LPARAM>(Rocker(2))}}));
}

TEST_F(TalvoPreview, AClickWithKeyHelpOffShowsTheBasicDisplay)
{
    BuildKeys(4, {1, 2});
    system->SetValueOfTastenHilfeFunktion(0);
    auto preview = Open();
    preview->Message(WM_USER_PREVIEWBUTTONCLICK, ButtonOf(*preview, 7)->GetId(), 7);
    EXPECT_EQ(LineText(*preview, 1), Basic1);
    EXPECT_EQ(LineText(*preview, 2), Basic2);
}

TEST_F(TalvoPreview, ClicksOnLinesOrPicturesDoNothing)
{
    BuildKeys(2, {1});
    auto preview = Open();
    preview->UpdateData(display, false, true);
    target.clear();
    EXPECT_EQ(preview->Message(WM_USER_PREVIEWBUTTONCLICK, ButtonOf(*preview, 2)->GetId(), 2), -1);
    EXPECT_EQ(preview->Message(WM_USER_PREVIEWBUTTONCLICK, ButtonOf(*preview, 3)->GetId(), 3 + 256), -1);
    EXPECT_EQ(preview->Message(WM_USER_PREVIEWIMAGECLICK, preview->GetImageIdTalvo(), 0), -1);
    EXPECT_EQ(preview->Message(WM_USER_PREVIEWBUTTONDBLCLICK, ButtonOf(*preview, 4)->GetId(), 4), -1);
    EXPECT_FALSE(ButtonOf(*preview, 4)->IsSelected());
    EXPECT_EQ(LineText(*preview, 1), Basic1);
    testsupport::DeliverPostedMessages();
    EXPECT_TRUE(target.messages().empty());
}

TEST_F(TalvoPreview, AnIdentifierIsTakenAsOneByte)
{
    BuildKeys(2, {1});
    auto preview = Open();
    target.clear();
    preview->Message(WM_USER_PREVIEWBUTTONCLICK, ButtonOf(*preview, 5)->GetId(), 256 + 5);
    EXPECT_TRUE(ButtonOf(*preview, 5)->IsSelected());
}

TEST_F(TalvoPreview, AButtonOfASkippedPairNeverReachesADeletedObject)
{
    BuildKeys(2, {1});
    auto preview = Open();
    const int buttonId = ButtonOf(*preview, 4)->GetId();
    TDatenStruktur& record = *device.GetDatenSatz(betaetigung);
    record.Param3 = 0; // pair 1 skipped: its buttons stay
    betaetigung->InitFromDB(record);
    TDataBasis* key = Key(1);
    device.DeleteDatenSatzAndNext(key);
    ASSERT_TRUE(device.DeletePointerFromList(key));
    preview->UpdateData(nullptr, false, true);
    ASSERT_NE(ButtonOf(*preview, 4), nullptr);
    target.clear();
    EXPECT_EQ(preview->Message(WM_USER_PREVIEWBUTTONCLICK, buttonId, 4), -1);
    testsupport::DeliverPostedMessages();
    EXPECT_TRUE(target.messages().empty());
}

TEST_F(TalvoPreview, TheDisplayOnlyPreviewHasNoDevicePicture)
{
    BuildKeys(4, {1, 2});
    WritePictures();
    auto preview = MakePreview();
    ASSERT_TRUE(preview->InitSmall(Key(1)));
    EXPECT_EQ(preview->GetImageIdTalvo(), -1);
    ASSERT_EQ(preview->GetWindow()->Images().size(), 1u);
    const TPreviewImage* picture = preview->GetWindow()->Images().front();
    EXPECT_EQ(picture->pos(), QPoint(0, 0));
    for (int identifier = 4; identifier <= 7; ++identifier) {
        ASSERT_NE(preview->GetPreviewData(identifier), nullptr) << identifier;
        EXPECT_EQ(preview->GetPreviewData(identifier)->ButtonId, -1) << identifier;
    }
    const int before = picture->RefreshCount();
    preview->UpdateData(Key(1), false, true);
    EXPECT_EQ(picture->RefreshCount(), before + 2) << "its lines, then the key layout's repaint of all";
    EXPECT_EQ(LineText(*preview, 2), "Taste 1");
}

TEST_F(TalvoPreview, TheFullPreviewPutsTheDisplayAt21And25)
{
    BuildKeys(2, {1});
    auto preview = Open();
    EXPECT_EQ(preview->GetImageIdTalvo(), 1);
    EXPECT_EQ(preview->GetImageIdDisplay(), 2);
    EXPECT_EQ(preview->GetWindow()->FindImage(2)->geometry(), QRect(21, 25, 120, 16));
    EXPECT_EQ(preview->GetWindow()->GetPopupMenu(), preview->GetWindow()->PopupMenuPreview);
    preview->Show();
    EXPECT_EQ(preview->GetWindow()->ClientWidth(), 160);
    EXPECT_EQ(preview->GetWindow()->ClientHeight(), 301);
}

struct MissingCase {
    const char* name;
    bool device;
    bool display;
    bool small;
    std::size_t images;
};

class MissingPicture : public TalvoPreview, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingPicture, IsReportedOnceAndTheBuildFails)
{
    const MissingCase& c = GetParam();
    BuildKeys(2, {1});
    WritePictures(c.device, c.display);
    auto preview = MakePreview();
    EXPECT_FALSE(c.small ? preview->InitSmall(nullptr) : preview->Init(nullptr));
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].caption, "Fehler");
    EXPECT_EQ(ui.boxes()[0].style, platform::MB_OK);
    const std::string missing = c.device ? preview->GetBitmapDisplayPath() : preview->GetBitmapTalvoPath();
    EXPECT_NE(ui.boxes()[0].text.find(missing), std::string::npos) << ui.boxes()[0].text;
    EXPECT_EQ(preview->GetWindow()->Images().size(), c.images);
    preview->UpdateData(Key(1), false, true); // the frame goes on calling it
}

INSTANTIATE_TEST_SUITE_P(Pictures, MissingPicture,
                         ::testing::Values(MissingCase{"device", false, true, false, 0},
                                           MissingCase{"deviceSmall", false, true, true, 0},
                                           MissingCase{"display", true, false, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TalvoPreview, BeforeInitUpdateDataChangesNothing)
{
    BuildKeys(2, {1});
    auto preview = MakePreview();
    preview->UpdateData(Key(1), true, true);
    EXPECT_TRUE(preview->GetElements().empty());
    EXPECT_EQ(preview->GetBitmapTalvoPath(), imageFolder + "/18.bmp");
    EXPECT_EQ(preview->GetBitmapDisplayPath(), imageFolder + "/SmallDisplay.bmp");
}

TEST(TalvoPreviewTables, RockerSidesAndButtonNumbers)
{
    EXPECT_EQ(TPreviewManagerTalvo::GetWippenSeite(0), 0);
    EXPECT_EQ(TPreviewManagerTalvo::GetWippenSeite(3), 0);
    EXPECT_EQ(TPreviewManagerTalvo::GetWippenSeite(4), 1);
    EXPECT_EQ(TPreviewManagerTalvo::GetButtonNumberFromIdentifier(3), -1);
    EXPECT_EQ(TPreviewManagerTalvo::GetButtonNumberFromIdentifier(4), 1);
    EXPECT_EQ(TPreviewManagerTalvo::GetButtonNumberFromIdentifier(13), 10);
    EXPECT_EQ(TPreviewManagerTalvo::GetButtonNumberFromIdentifier(14), -1);
    EXPECT_EQ(TPreviewManagerTalvo::ButtonRect(1), QRect(5, 51, 77, 48));
    EXPECT_EQ(TPreviewManagerTalvo::ButtonRect(10), QRect(83, 251, 77, 48));
    EXPECT_EQ(TPreviewManagerTalvo::DisplayLineRect(2), QRect(0, 8, 120, 8));
}

} // namespace
} // namespace previewtest
