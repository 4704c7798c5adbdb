#include "app/ClipboardBlock.h"
#include "tests/app/FrameFixture.h"
#include "tests/app/ScriptedDevice.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gmock/gmock.h>

namespace {

using frametest::RecordingFormVerw;
using frametest::ScriptedDevice;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr char VersionA[] = "SX Version:0.05 Typ:SORV/Vantu_18";
constexpr char VersionB[] = "SX Version:0.05 Typ:SORV/Vantu_52";

class ClipboardTest : public frametest::FrameFixture {
protected:
    void SetUp() override
    {
        Start();
        // A real device only to have a data object to select.
        Selectable = AddDevice()->GetDevice();
        QGuiApplication::clipboard()->clear();
    }

    // A scripted device of the version, current, with the selection in the first window. It
    // stands for the project's device towards the host; the main window keeps it under the key.
    ScriptedDevice& Device(std::int32_t id, const char* version, bool selected = true)
    {
        DAL_DEVICE record;
        record.DeviceId = 1;
        auto made = std::make_unique<ScriptedDevice>(Main.get(), &record, version);
        ScriptedDevice& device = *made;
        Main->MapDevInst[id] = std::move(made);
        Main->AktDevInst = &device;
        First().Selected = selected ? Selectable : nullptr;
        return device;
    }

    RecordingFormVerw& First() { return *Windows.Made.at(0); }
    static bool HasFormat(const char* version)
    {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data != nullptr && data->hasFormat(ClipboardFormatOf(version));
    }

    TDataBasis* Selectable = nullptr;
};

TEST_F(ClipboardTest, NothingSelectedCopiesAndPastesNothing)
{
    ScriptedDevice& device = Device(11, VersionA, false);
    device.CopyLines = {"l1"};
    Main->Kopieren();
    Main->Einfuegen();
    EXPECT_EQ(device.Copies, 0);
    EXPECT_THAT(device.Pasted, IsEmpty());
    EXPECT_FALSE(HasFormat(VersionA));
    EXPECT_EQ(First().Calls["TreeBeginUpdate"], 0);
}

TEST_F(ClipboardTest, TwoLinesAreEachEndedByCrLfThenOneNul)
{
    ScriptedDevice& device = Device(11, VersionA);
    device.CopyLines = {"l1", "l2"};
    Dm->ACopyExecute();
    ASSERT_TRUE(HasFormat(VersionA));
    const QByteArray data = QGuiApplication::clipboard()->mimeData()->data(ClipboardFormatOf(VersionA));
    EXPECT_EQ(data, QByteArray("l1\r\nl2\r\n\0", 9));
}

TEST_F(ClipboardTest, TheFormatNamesTheVersionAsAMimeType)
{
    const QString format = ClipboardFormatOf(VersionA);
    EXPECT_EQ(format, "application/x-panelconf-SX%20Version%3A0.05%20Typ%3ASORV%2FVantu_18");
    EXPECT_NE(format, ClipboardFormatOf(VersionB));
}

TEST_F(ClipboardTest, AFailedCopyLeavesTheClipboard)
{
    ScriptedDevice& device = Device(11, VersionA);
    device.CopyLines = {"l1"};
    device.CopyAnswer = 0;
    Main->Kopieren();
    EXPECT_FALSE(HasFormat(VersionA));
}

TEST_F(ClipboardTest, ATextOnTheClipboardSurvivesACopy)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("Notiz"));
    ScriptedDevice& device = Device(11, VersionA);
    device.CopyLines = {"l1"};
    Main->Kopieren();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Notiz");
    EXPECT_TRUE(HasFormat(VersionA));
}

TEST_F(ClipboardTest, CopiedOnOneDevicePastedOnAnotherOfTheSameType)
{
    ScriptedDevice& a = Device(11, VersionA);
    a.CopyLines = {"Typ;Name", "", "806;Licht"};
    Main->Kopieren();
    ScriptedDevice& b = Device(12, VersionA);
    Dm->APasteExecute();
    ASSERT_EQ(b.Pasted.size(), 1u);
    EXPECT_THAT(b.Pasted[0], ElementsAre("Typ;Name", "", "806;Licht"));
    EXPECT_THAT(Ui.boxes(), IsEmpty());
}

TEST_F(ClipboardTest, DataOfAnotherVersionOrTypeArePassedAsNoLines)
{
    ScriptedDevice& a = Device(11, VersionA);
    a.CopyLines = {"l1"};
    Main->Kopieren();
    ScriptedDevice& b = Device(12, VersionB);
    Main->Einfuegen();
    ASSERT_EQ(b.Pasted.size(), 1u);
    EXPECT_THAT(b.Pasted[0], IsEmpty());
}

TEST_F(ClipboardTest, APasteBracketsEveryWindowAndRefreshesIt)
{
    Device(11, VersionA);
    Main->Einfuegen();
    for (const char* call : {"DeleteZellenKomponente", "TreeBeginUpdate", "SortNone", "TreeEndUpdate", "SortByText",
                             "UpdateTreeNamesAndIcon", "AktualisiereAnsicht(0,0)"})
        EXPECT_EQ(First().Calls[call], 1) << call;
}

TEST_F(ClipboardTest, ARefusedPasteSaysSo)
{
    ScriptedDevice& device = Device(11, VersionA);
    device.PasteAnswer = false;
    Main->Einfuegen();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Einf\xFCgen abgebrochen");
    EXPECT_EQ(Ui.boxes()[0].caption, "Fehler");
    EXPECT_EQ(Ui.boxes()[0].style, 16u);
    EXPECT_EQ(First().Calls["TreeEndUpdate"], 1);
}

TEST(ClipboardBlock, LinesComeBackAsTheyWent)
{
    EXPECT_EQ(ClipboardBlockOf({}), QByteArray("\0", 1));
    EXPECT_THAT(ClipboardLinesOf(ClipboardBlockOf({"a", "", "b"})), ElementsAre("a", "", "b"));
    EXPECT_THAT(ClipboardLinesOf(QByteArray("x\r\ny")), ElementsAre("x", "y"));
    EXPECT_THAT(ClipboardLinesOf(QByteArray("x\r\n\0y\r\n", 7)), ElementsAre("x"));
}

// --- Reset ---

class ResetTest : public ClipboardTest {
protected:
    // Three windows, the last one active.
    void ThreeWindows()
    {
        Main->CreateFormVerw();
        Main->CreateFormVerw();
        Pump();
        ASSERT_EQ(Main->GetFormVerwList().size(), 3u);
        FormVerw = Windows.Made.at(2);
    }
};

TEST_F(ResetTest, NoChangesNothing)
{
    ScriptedDevice& device = Device(11, VersionA);
    ThreeWindows();
    Ui.Answer({platform::IDNO});
    Dm->ADefaultExecute();
    EXPECT_EQ(device.Resets, 0);
    EXPECT_EQ(Main->GetFormVerwList().size(), 3u);
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Durch diesen Vorgang gehen ALLE parametrierten Daten verloren.\nFortsetzen?");
    EXPECT_EQ(Ui.boxes()[0].caption, "Best\xE4tigen");
    EXPECT_EQ(Ui.boxes()[0].style, 36u);
}

TEST_F(ResetTest, OfThreeWindowsTheFirstStaysActiveAndRebuilt)
{
    Dm->fAutoSave = true;
    ScriptedDevice& device = Device(11, VersionA);
    ThreeWindows();
    Ui.Answer({platform::IDYES});
    Main->ResetAktDevInst();
    EXPECT_EQ(device.Resets, 1);
    ASSERT_EQ(Main->GetFormVerwList().size(), 1u);
    EXPECT_EQ(Main->GetFormVerwList()[0], &First());
    EXPECT_EQ(FormVerw, &First());
    EXPECT_EQ(First().Calls["DeleteTreeViewNodes"], 1);
    EXPECT_EQ(First().Calls["AktualisiereAnsicht(1,0)"], 1);
    EXPECT_EQ(First().Calls["TreeBeginUpdate"], First().Calls["TreeEndUpdate"]);
    EXPECT_EQ(First().Calls["SortByData"], 1);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
    EXPECT_EQ(Ui.ScreenCursor(), platform::crDefault);
}

TEST_F(ResetTest, AFailedResetResumesTheTreesAndTheAutoSave)
{
    Dm->fAutoSave = true;
    ScriptedDevice& device = Device(11, VersionA);
    ThreeWindows();
    device.ResetAnswer = 0;
    Ui.Answer({platform::IDYES});
    Main->ResetAktDevInst();
    EXPECT_EQ(device.Resets, 1);
    EXPECT_EQ(First().Calls["TreeBeginUpdate"], 1);
    EXPECT_EQ(First().Calls["TreeEndUpdate"], 1);
    EXPECT_EQ(First().Calls["SortByData"], 1);
    EXPECT_EQ(First().Calls["AktualisiereAnsicht(1,0)"], 0);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
    EXPECT_EQ(Ui.ScreenCursor(), platform::crDefault);
}

TEST_F(ResetTest, AResetThatThrowsResumesToo)
{
    Dm->fAutoSave = true;
    ScriptedDevice& device = Device(11, VersionA);
    device.ThrowOnReset = true;
    Ui.Answer({platform::IDYES});
    EXPECT_THROW(Main->ResetAktDevInst(), std::runtime_error);
    EXPECT_EQ(First().Calls["TreeEndUpdate"], 1);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
}

TEST_F(ResetTest, WithoutADeviceNothingStops)
{
    Dm->fAutoSave = true;
    Dm->StartTimerAutoSave(true);
    Main->AktDevInst = nullptr;
    Ui.Answer({platform::IDYES});
    Main->ResetAktDevInst();
    EXPECT_EQ(First().Calls["TreeBeginUpdate"], 0);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
}

} // namespace
