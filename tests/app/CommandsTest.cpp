#include "app/DlgJumpToObj.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/clockfunc/Schaltuhr.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "climalib/RaumtemperaturSchaltuhr.h"
#include "views/DlgRaumtempSchaltuhrDaten.h"
#include "views/DlgSchaltuhrDaten.h"
#include "outside/viewkit/Zeichentabelle.h"
#include "tests/app/FrameFixture.h"
#include "tests/app/SpyReports.h"
#include "views/TreeView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>

namespace {

using frametest::RecordingFormVerw;
using testing::IsEmpty;

// The further commands of the main window on the demo device with one communication object.
class CommandsTest : public frametest::FrameFixture {
protected:
    void SetUp() override
    {
        Start();
        device = AddDevice();
        ASSERT_NE(device, nullptr);
        object = new TEtsObjekt(Main->GetHandle(), 1, 10, "Uhrzeit", 0, 0, 57, 0, 3300, 1, 0, 10, 2, 0, 500);
        ASSERT_TRUE(device->SetPointer2List(object));
    }

    RecordingFormVerw& First() { return *Windows.Made.at(0); }

    // The go-to dialog answers with the entry typed, or is cancelled.
    void GoTo(const std::optional<QString>& entry)
    {
        Ui.OnModal([entry](QDialog& dialog) {
            auto* jump = dynamic_cast<TDlgJumpToObj*>(&dialog);
            if (jump == nullptr || !entry)
                return 2;
            QTest::keyClicks(jump->EditObjNr, *entry);
            return 1;
        });
        Dm->ASearchCommObject->trigger();
    }

    TDeviceInstanzTalvo* device = nullptr;
    TEtsObjekt* object = nullptr;
};

class GoToNothing : public CommandsTest, public testing::WithParamInterface<const char*> {};

TEST_P(GoToNothing, SaysTheObjectWasNotFound)
{
    GoTo(QString::fromLatin1(GetParam()));
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Objekt nicht gefunden.");
    EXPECT_EQ(Ui.boxes()[0].caption, "Gehe zu Objekt");
    EXPECT_EQ(Ui.boxes()[0].style, 0u);
    EXPECT_EQ(First().SelectedNode, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Entries, GoToNothing, testing::Values("", "x", "-3", "58"));

TEST_F(CommandsTest, GoToSelectsTheObjectOfTheNumber)
{
    GoTo(QStringLiteral("57"));
    EXPECT_EQ(First().SelectedNode, object);
    EXPECT_THAT(Ui.boxes(), IsEmpty());
}

TEST_F(CommandsTest, GoToCancelledDoesNothing)
{
    GoTo(std::nullopt);
    EXPECT_EQ(First().SelectedNode, nullptr);
    EXPECT_THAT(Ui.boxes(), IsEmpty());
}

TEST_F(CommandsTest, GoToWithoutAnActiveWindowFindsNothingToSelect)
{
    FormVerw = nullptr;
    GoTo(QStringLiteral("57"));
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Objekt nicht gefunden.");
}

TEST_F(CommandsTest, TheGoToDialog)
{
    TDlgJumpToObj dialog(Main.get());
    EXPECT_EQ(dialog.size(), QSize(194, 98));
    EXPECT_EQ(dialog.windowTitle(), "Gehe zu Objekt");
    EXPECT_EQ(dialog.LblObjectNumber->text(), "Objektnummer:");
    EXPECT_EQ(dialog.BtnOk->text(), "&Ok");
    EXPECT_EQ(dialog.BtnCancel->text(), "Abbre&chen");
    EXPECT_EQ(dialog.ObjectNumber(), -1);
    dialog.show();
    QTest::keyClicks(dialog.EditObjNr, "57");
    EXPECT_EQ(dialog.ObjectNumber(), 57);
    EXPECT_TRUE(dialog.BtnOk->isDefault());
    const QString folder = QStringLiteral(PANELCONF_SCREENSHOT_DIR "/commands");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("/jump_to_object.png")));
    dialog.reject();
    EXPECT_EQ(dialog.result(), 2);
}

TEST_F(CommandsTest, LinkingNeedsACommunicationObject)
{
    int shown = 0;
    Ui.OnModal([&shown](QDialog&) { return ++shown, 2; });
    First().Selected = device->GetDevice();
    Dm->ALinkObjToGrpAddrExecute();
    First().Selected = nullptr;
    Dm->ALinkObjToGrpAddrExecute();
    EXPECT_EQ(shown, 0);
}

class LinkLevels : public CommandsTest, public testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(LinkLevels, OnlyTwoAndThreeLevelsOpenTheDialog)
{
    Dm->GrpAdrLevels = GetParam().first;
    int shown = 0;
    Ui.OnModal([&shown](QDialog&) { return ++shown, 2; });
    First().Selected = object;
    Main->CreateDlgLinkToGrpAddr();
    EXPECT_EQ(shown, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Levels, LinkLevels,
                         testing::Values(std::pair(1, 0), std::pair(2, 1), std::pair(3, 1), std::pair(4, 0)));

TEST_F(CommandsTest, TheRebuildOperationsAnswerFalse)
{
    EXPECT_FALSE(Main->ReadDeviceCommunicationImage("image.bin", 3));
    EXPECT_FALSE(Main->ReadDeviceImage(true, ""));
    EXPECT_FALSE(Main->ReconstructDeviceImage(true, "", 0));
    EXPECT_FALSE(Main->RecoDataPrintToFile());
    Dm->AReconstructDevice->setEnabled(true);
    Dm->AReconstructDevice->trigger();
    for (const int mode : {1, 2, 3}) {
        bool returnNow = false;
        std::int32_t result = -1;
        Main->OnCdiDoReconstruct(returnNow, result, 1, 3, mode, "image.bin");
        EXPECT_TRUE(returnNow) << mode;
        EXPECT_EQ(result, 0) << mode;
    }
}

TEST_F(CommandsTest, F1OnTheMainWindowRunsTheHelp)
{
    Dm->HelpFileName = "/hilfe/Vantu.chm";
    QTest::keyClick(Main.get(), Qt::Key_F1);
    ASSERT_EQ(Ui.shellOpens().size(), 1u);
    EXPECT_EQ(Ui.shellOpens()[0].first, "/hilfe/Vantu.chm");
    std::uint16_t other = 113;
    Main->FormKeyDown(other, Qt::NoModifier);
    EXPECT_EQ(other, 113);
    EXPECT_EQ(Ui.shellOpens().size(), 1u);
}

TEST_F(CommandsTest, F1InAConfigurationWindowIsTheWindowsOwn)
{
    QTest::keyClick(&First(), Qt::Key_F1);
    EXPECT_THAT(Ui.shellOpens(), IsEmpty());
}

TEST_F(CommandsTest, TheShortcutOfAnotherKeyIsNotHandled)
{
    bool handled = true;
    Main->FormShortCut(QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier), handled);
    EXPECT_FALSE(handled);
}

TEST_F(CommandsTest, LoadingTheGroupAddressesNeedsADevice)
{
    EXPECT_TRUE(Main->LoadGrpAdr());
    Main->AktDevInst = nullptr;
    EXPECT_FALSE(Main->LoadGrpAdr());
}

TEST_F(CommandsTest, AutoSaveClosesEveryCellEditorFirst)
{
    Main->CreateFormVerw();
    Pump();
    ASSERT_EQ(Main->GetFormVerwList().size(), 2u);
    Dm->AAutoSave->trigger();
    EXPECT_EQ(First().Calls["DeleteZellenKomponente"], 1);
    EXPECT_EQ(Windows.Made.at(1)->Calls["DeleteZellenKomponente"], 1);
}

TEST_F(CommandsTest, TheInfoGridShowsTheSystemObjectsCellsAsText)
{
    Main->t1Click();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].caption, "");
    const std::string& text = Ui.boxes()[0].text;
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_NE(text.find(",\n"), std::string::npos);
    Main->AktDevInst = nullptr;
    Main->t1Click();
    EXPECT_EQ(Ui.boxes().size(), 1u);
}

} // namespace

namespace {

TEST_F(CommandsTest, ANodeIsMadeInTheActiveWindowOnly)
{
    Main->CreateFormVerw();
    Pump();
    FormVerw = &First();
    EXPECT_TRUE(Main->MakeNode(object, device->GetDevice(), false));
    ASSERT_EQ(First().AddedNodes.size(), 1u);
    EXPECT_EQ(First().AddedNodes[0].Parent, device->GetDevice());
    EXPECT_EQ(First().AddedNodes[0].Object, object);
    EXPECT_FALSE(First().AddedNodes[0].MakeVisible);
    EXPECT_THAT(Windows.Made.at(1)->AddedNodes, IsEmpty());
    FormVerw = nullptr;
    EXPECT_TRUE(Main->MakeNode(object, device->GetDevice(), true));
    EXPECT_EQ(First().AddedNodes.size(), 1u);
}

} // namespace

namespace {

TEST_F(CommandsTest, TheTimeSwitchEditorWritesTheRecordsOnOkOnly)
{
    EXPECT_FALSE(Main->NeedDlgSchaltuhr());
    ASSERT_TRUE(device->CreateSchaltuhr(Main->GetHandle(), device->GetDevice(), false, 1));
    TSchaltuhr* uhr = device->GetPointerSchaltuhr(device->GetPointerFromSystem(), 1);
    ASSERT_NE(uhr, nullptr);
    EXPECT_TRUE(Main->NeedDlgSchaltuhr());
    const std::string before = device->GetDatenSatz(uhr)->ToString();
    int answer = 2;
    int shown = 0;
    // The editor changes the switching times in place, then the user answers.
    Ui.OnModal([&](QDialog& dialog) {
        ++shown;
        if (dynamic_cast<TDlgSchaltuhrDaten*>(&dialog) == nullptr)
            return 2;
        (*uhr->GetPointerMapSchaltDaten())[1].Stunde = 7;
        return answer;
    });
    Main->ShowDlgSchaltuhr();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(device->GetDatenSatz(uhr)->ToString(), before);
    answer = 1;
    Main->ShowDlgSchaltuhr();
    EXPECT_EQ(shown, 2);
    EXPECT_NE(device->GetDatenSatz(uhr)->ToString(), before);
}

} // namespace

namespace {

TEST_F(CommandsTest, TheRoomTemperatureEditorWritesTheRecordOnOkOnly)
{
    EXPECT_FALSE(Main->NeedDlgRaumtempSchaltuhr());
    ASSERT_TRUE(device->CreateReglerFunktion(device->GetPointerFromSystem(), false));
    TRaumtemperaturSchaltuhr* uhr = device->GetPointerRaumtempSchaltuhr();
    ASSERT_NE(uhr, nullptr);
    const std::string before = device->GetDatenSatz(uhr)->ToString();
    int answer = 2;
    int shown = 0;
    Ui.OnModal([&](QDialog& dialog) {
        ++shown;
        if (dynamic_cast<TDlgRaumtempSchaltuhrDaten*>(&dialog) == nullptr)
            return 2;
        auto& times = *uhr->GetPointerMapSchaltDaten();
        if (times.empty())
            return 2;
        times.begin()->second.Stunde = static_cast<std::int16_t>(times.begin()->second.Stunde == 7 ? 8 : 7);
        return answer;
    });
    Main->ShowDlgRaumtempSchaltuhr();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(device->GetDatenSatz(uhr)->ToString(), before);
    answer = 1;
    Main->ShowDlgRaumtempSchaltuhr();
    EXPECT_EQ(shown, 2);
    EXPECT_NE(device->GetDatenSatz(uhr)->ToString(), before);
}

} // namespace

namespace {

// The character table of the device's character set and the print commands in the running
// main window.
class CharTableTest : public CommandsTest {
protected:
    void TearDown() override
    {
        DeleteZeichentabelle(Main->GetHandle());
        Pump();
    }

    static std::vector<TZeichentabelle*> Tables()
    {
        std::vector<TZeichentabelle*> tables;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* table = qobject_cast<TZeichentabelle*>(window))
                tables.push_back(table);
        return tables;
    }
};

TEST_F(CharTableTest, TheCommandOpensTheTableWhichAnnouncesItself)
{
    Dm->AZeichensatz->trigger();
    ASSERT_EQ(Tables().size(), 1u);
    TZeichentabelle* table = Tables()[0];
    EXPECT_EQ(table->Characters().size(), 256u);
    EXPECT_EQ(table->MainWindow(), Main->GetHandle());
    EXPECT_TRUE(Main->ZeichentabelleFenster.isNull()); // posted
    Pump();
    EXPECT_EQ(Main->ZeichentabelleFenster.data(), table);
    const QString folder = QStringLiteral(PANELCONF_SCREENSHOT_DIR "/commands");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(table->grab().save(folder + QStringLiteral("/char_table.png")));
}

TEST_F(CharTableTest, ASecondCommandOnlyRaisesTheOpenTable)
{
    Main->OpenCharTab();
    Pump();
    TZeichentabelle* table = Tables().at(0);
    table->lower();
    Main->OpenCharTab();
    Pump();
    EXPECT_EQ(Tables(), std::vector<TZeichentabelle*>{table});
    EXPECT_EQ(Main->ZeichentabelleFenster.data(), table);
}

TEST_F(CharTableTest, ClosingTheTableTellsTheMainWindow)
{
    Main->OpenCharTab();
    Pump();
    ASSERT_FALSE(Main->ZeichentabelleFenster.isNull());
    DeleteZeichentabelle(Main->GetHandle() + 1); // another main window's: not this one
    Pump();
    EXPECT_EQ(Tables().size(), 1u);
    DeleteZeichentabelle(Main->GetHandle());
    Pump();
    EXPECT_THAT(Tables(), IsEmpty());
    EXPECT_TRUE(Main->ZeichentabelleFenster.isNull());
    Main->OpenCharTab(); // a new one after the close
    Pump();
    EXPECT_EQ(Tables().size(), 1u);
}

TEST_F(CharTableTest, NoDeviceOrNoCharacterSetOpensNone)
{
    device->CharSetStream.Clear();
    Main->OpenCharTab();
    Main->AktDevInst = nullptr;
    Main->OpenCharTab();
    Pump();
    EXPECT_THAT(Tables(), IsEmpty());
}

TEST_F(CharTableTest, AnUnreadableCharacterSetGivesAnEmptyTable)
{
    device->CharSetStream = platform::TMemoryStream(std::string("not a character set"));
    Main->OpenCharTab();
    ASSERT_EQ(Tables().size(), 1u);
    EXPECT_THAT(Tables()[0]->Characters(), IsEmpty());
}

class PrintCommandsTest : public CommandsTest {
protected:
    void SetUp() override
    {
        Reports = &Spies;
        CommandsTest::SetUp();
        TTreeNode* node = Tree.Add(device->GetDeviceName());
        node->SetData(device->GetDevice());
        First().Tree = &Tree;
    }
    // The main window goes before the tree and the reports' log of the test.
    void TearDown() override { Main.reset(); }

    frametest::SpyReports Spies;
    TTreeView Tree;
};

TEST_F(PrintCommandsTest, CtrlPInAConfigurationWindowPrints)
{
    QTest::keyClick(&First(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(Spies.Log.Reports.size(), 1u);
    EXPECT_FALSE(Spies.Log.Reports[0].Info.Preview);
    EXPECT_EQ(Spies.Log.Calls.back(), "Start 0");
}

TEST_F(PrintCommandsTest, TheMenuCommandsReachTheReport)
{
    Dm->APrintPreview->trigger();
    Dm->APrint->trigger();
    Ui.AnswerFile(Folder + "bericht");
    Dm->APrintFile->trigger();
    ASSERT_EQ(Spies.Log.Reports.size(), 3u);
    EXPECT_TRUE(Spies.Log.Reports[0].Info.Preview);
    EXPECT_FALSE(Spies.Log.Reports[1].Info.Preview);
    EXPECT_EQ(Spies.Log.Reports[2].Info.OutputFile, Folder + "bericht.pdf");
}

// The preview of the library's own report, offscreen: shown, grabbed and closed.
class PrintPreviewTest : public CommandsTest {
protected:
    void SetUp() override
    {
        CommandsTest::SetUp();
        TTreeNode* node = Tree.Add(device->GetDeviceName());
        node->SetData(device->GetDevice());
        node->SetImageIndex(0);
        TTreeNode* child = Tree.AddChild(node, "Uhrzeit");
        child->SetData(object);
        First().Tree = &Tree;
    }
    void TearDown() override { Main.reset(); }

    TTreeView Tree;
};

TEST_F(PrintPreviewTest, ThePreviewShowsTheReport)
{
    Main->SeitenVorschau();
    ASSERT_EQ(Ui.shownWindows().size(), 1u);
    auto* preview = qobject_cast<QPrintPreviewDialog*>(Ui.shownWindows()[0].data());
    ASSERT_NE(preview, nullptr);
    preview->resize(700, 800);
    preview->show();
    Pump();
    const QString folder = QStringLiteral(PANELCONF_SCREENSHOT_DIR "/commands");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(preview->grab().save(folder + QStringLiteral("/print_preview.png")));
    preview->close();
    EXPECT_EQ(Main->GetReport()->Content().Items.size(), 2u);
}

} // namespace
