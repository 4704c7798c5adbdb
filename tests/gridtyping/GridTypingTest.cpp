// The parameter grid of the running program as a person types into it: real keys and clicks on
// the focused widget, the value found afterwards in the device's record and in the stored block.

#include "tests/tour/ModalWatch.h"
#include "tests/tour/Tour.h"

#include "app/DataModule.h"
#include "app/FormMain.h"
#include "device/DatenStruktur.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/DataBasis.h"
#include "outside/funcbase/DeviceRequests.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/FileIo.h"
#include "views/DrawGridSEView.h"
#include "views/FormVerw.h"
#include "views/TreeNode.h"
#include "views/TreeView.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using tour::TTour;

constexpr char NightCaption[] = "Absenken der Solltemperatur im Nacht-Betrieb (Heizen)";
constexpr char ResetCaption[] = "Basistemperatur nach Reset";
constexpr char CyclicCaption[] = "Zyklisches Senden";
constexpr int NightParam = 15; // the record's field of the night setback, in tenths of a kelvin

std::string Picture(const char* name)
{
    return std::string(GRID_SCREENSHOT_DIR) + "/" + name + ".png";
}

// The program on the demo device with the controller's set points shown in the first window,
// the window active as a person has it.
class GridTyping : public ::testing::Test {
protected:
    explicit GridTyping(const char* picture = "unused") : tour_({}, Picture(picture))
    {
        tour_.Window().parentWidget()->setGeometry(0, 0, 1000, 620);
        tour_.Main().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&tour_.Main())) << "the main window did not become active";
        tour_.Select("Sollwerte");
        TTour::Pump();
    }

    TFormVerw& Window() { return tour_.Window(); }
    TDrawGridSEView& Grid() { return *Window().GridView; }
    int Row(const char* captionStart)
    {
        TDrawGridSE& grid = Grid().Grid();
        for (int row = 0; row < grid.GetRowCount(); ++row) {
            const TCell* cell = grid.GetCell(0, row);
            if (cell && cell->Text.rfind(captionStart, 0) == 0)
                return row;
        }
        ADD_FAILURE() << "no row " << captionStart;
        return -1;
    }
    // A click on the row's value; its editor has the focus then.
    QWidget* Open(const char* captionStart)
    {
        const int row = Row(captionStart);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, Grid().CellRect(1, row).center());
        TTour::Pump();
        QWidget* editor = Grid().EditorWidget();
        EXPECT_NE(editor, nullptr) << "no editor on " << captionStart;
        EXPECT_TRUE(editor && editor == QApplication::focusWidget()) << "the editor has no focus";
        return editor;
    }
    // A key on the widget that has the focus, as the keyboard sends it.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "nothing has the focus";
        QTest::keyClick(focus, key, modifiers);
        TTour::Pump();
    }
    static void Type(const char* text)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "nothing has the focus";
        QTest::keyClicks(focus, QString::fromLatin1(text));
        TTour::Pump();
    }
    void ClickNode(TDataBasis* object)
    {
        TTreeNode* node = Window().GetNodeFromData(object);
        ASSERT_NE(node, nullptr);
        TTreeView* tree = Window().Tree;
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
        TTour::Pump();
    }
    // The night setback in the set points' record, as the device model holds it now.
    std::int32_t NightInRecord()
    {
        TDataBasis* setPoints = tour_.Object("Sollwerte");
        const TDatenStruktur* record = setPoints ? TDeviceRequests(*setPoints).GetOwnRecord() : nullptr;
        return record ? record->ParamAt(NightParam) : 0;
    }
    // The night setback in the set points' line of a block.
    static std::optional<std::int32_t> NightInBlock(const std::string& block)
    {
        std::istringstream lines(block);
        for (std::string line; std::getline(lines, line);) {
            std::vector<std::string> fields;
            std::istringstream parts(line);
            for (std::string field; std::getline(parts, field, ',');)
                fields.push_back(field);
            // Handle, name, type, system, parent, next, then the integer fields.
            if (fields.size() > 6 + NightParam && fields[1] == "Sollwerte")
                return std::stoi(fields[5 + NightParam]);
        }
        return std::nullopt;
    }
    std::optional<std::int32_t> NightInStoredBlock()
    {
        TEts2Cdi_Extended1 link(tour_.Project());
        const char* data = nullptr;
        std::int32_t size = 0;
        if (!link.BlobRead(data, size, 1))
            return std::nullopt;
        const std::string block(data, static_cast<std::size_t>(size));
        link.ReleaseBlob();
        return NightInBlock(block);
    }

    TTour tour_;
};

enum class TClose { Enter, Tab, OtherCell, TreeClick, F6, AutoSave, ABeenden, WindowClose, Escape };

struct TClosing {
    TClose How;
    std::int32_t Expected;
};

std::string ClosingName(const ::testing::TestParamInfo<TClosing>& info)
{
    static constexpr const char* Names[] = {"Enter",    "Tab",      "OtherCell",   "TreeClick", "F6",
                                            "AutoSave", "ABeenden", "WindowClose", "Escape"};
    return Names[static_cast<int>(info.param.How)];
}

class GridTypingClosing : public GridTyping, public ::testing::WithParamInterface<TClosing> {};

TEST_P(GridTypingClosing, TheTypedNumberIsStoredHoweverTheEditorClosesButEscape)
{
    const TClosing closing = GetParam();
    ASSERT_EQ(NightInRecord(), -40);
    QWidget* editor = Open(NightCaption);
    ASSERT_TRUE(qobject_cast<QDoubleSpinBox*>(editor));
    Key(Qt::Key_A, Qt::ControlModifier);
    Type("-30");
    ASSERT_EQ(qobject_cast<QDoubleSpinBox*>(editor)->cleanText(), QStringLiteral("-30")) << "the minus is typed";

    switch (closing.How) {
    case TClose::Enter: Key(Qt::Key_Return); break;
    case TClose::Tab: Key(Qt::Key_Tab); break;
    case TClose::OtherCell:
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, Grid().CellRect(1, Row(CyclicCaption)).center());
        break;
    case TClose::TreeClick: ClickNode(tour_.Main().AktDevInst->GetDevice()); break;
    case TClose::F6: Key(Qt::Key_F6); break;
    case TClose::AutoSave: tour_.Dm().AAutoSaveExecute(); break;
    case TClose::ABeenden: tour_.Trigger("ABeenden"); break;
    case TClose::WindowClose: Window().parentWidget()->close(); break;
    case TClose::Escape: Key(Qt::Key_Escape); break;
    }
    TTour::Pump();

    if (closing.How != TClose::ABeenden) {
        EXPECT_EQ(NightInRecord(), closing.Expected);
        if (closing.How == TClose::AutoSave) {
            const std::string saved = platform::ReadWholeFile(tour_.Main().AktDevInst->AutoSaveFile);
            EXPECT_EQ(NightInBlock(saved), closing.Expected) << "the backup copy has the value";
        }
        tour_.Trigger("ABeenden");
    }
    EXPECT_EQ(NightInStoredBlock(), closing.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayOut, GridTypingClosing,
    ::testing::Values(TClosing{TClose::Enter, -30}, TClosing{TClose::Tab, -30}, TClosing{TClose::OtherCell, -30},
                      TClosing{TClose::TreeClick, -30}, TClosing{TClose::F6, -30}, TClosing{TClose::AutoSave, -30},
                      TClosing{TClose::ABeenden, -30}, TClosing{TClose::WindowClose, -30},
                      TClosing{TClose::Escape, -40}),
    ClosingName);

class GridTypingPictures : public GridTyping {
protected:
    GridTypingPictures() : GridTyping("spin_minus_typed") {}
};

TEST_F(GridTypingPictures, TheKeypadMinusTypesAMinusAndTheTreeStaysAsItWas)
{
    const int nodes = Window().Tree->topLevelItemCount();
    TTreeNode* selected = Window().Tree->Selected();
    const bool expanded = selected && selected->isExpanded();
    QWidget* editor = Open(NightCaption);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_Minus, Qt::KeypadModifier);
    Type("30");
    EXPECT_EQ(qobject_cast<QDoubleSpinBox*>(editor)->cleanText(), QStringLiteral("-30"));
    EXPECT_EQ(editor->findChild<QLineEdit*>()->selectedText(), QString());
    EXPECT_EQ(Window().Tree->topLevelItemCount(), nodes);
    EXPECT_EQ(Window().Tree->Selected(), selected);
    EXPECT_EQ(selected && selected->isExpanded(), expanded) << "no tree command ran";
    tour_.Grab(*Window().parentWidget());
    Key(Qt::Key_Return);
    EXPECT_EQ(NightInRecord(), -30);
}

TEST_F(GridTyping, CtrlASelectsTheCellsTextAndLeavesTheTree)
{
    Window().Tree->collapseAll();
    TTour::Pump();
    QWidget* editor = Open(NightCaption);
    const bool expandedBefore = Window().Tree->topLevelItem(0)->isExpanded();
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(editor->findChild<QLineEdit*>()->selectedText(), QStringLiteral("-40"));
    Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(Window().Tree->topLevelItem(0)->isExpanded(), expandedBefore) << "Ctrl+A/E are the editor's";
    EXPECT_EQ(Grid().EditorWidget(), editor);
}

TEST_F(GridTyping, TheTreesMinusAndCtrlEStillWorkWithTheTreeFocused)
{
    TTreeView* tree = Window().Tree;
    TTreeNode* device = Window().GetNodeFromData(tour_.Main().AktDevInst->GetDevice());
    ASSERT_NE(device, nullptr);
    ClickNode(tour_.Main().AktDevInst->GetDevice());
    ASSERT_EQ(QApplication::focusWidget(), tree);
    device->setExpanded(true);
    Key(Qt::Key_Minus);
    EXPECT_FALSE(device->isExpanded()) << "minus collapses the selected node";
    Key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_FALSE(device->isExpanded());
    Key(Qt::Key_Plus);
    EXPECT_TRUE(device->isExpanded()) << "plus expands the selected node";
    Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(device->isExpanded()) << "Ctrl+E collapses the whole tree";
}

TEST_F(GridTyping, PlusIsTypedIntoATextCell)
{
    tour_.Select("Uhrzeit [Empfangen]");
    QWidget* editor = Open("Gruppenadressen");
    ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr);
    const QString before = qobject_cast<QLineEdit*>(editor)->text();
    Key(Qt::Key_End);
    Key(Qt::Key_Plus);
    Key(Qt::Key_Minus);
    EXPECT_EQ(qobject_cast<QLineEdit*>(editor)->text(), before + QStringLiteral("+-"));
}

class GridTypingRange : public GridTyping {
protected:
    GridTypingRange() : GridTyping("range_message") {}
};

TEST_F(GridTypingRange, ANumberBeyondTheRowsRangeIsRefusedWithAMessage)
{
    QWidget* editor = Open(ResetCaption);
    auto* box = qobject_cast<QDoubleSpinBox*>(editor);
    ASSERT_NE(box, nullptr);
    const QString before = box->cleanText();
    Key(Qt::Key_A, Qt::ControlModifier);
    Type("45");
    Key(Qt::Key_Return);
    const QString message = tour_.Main().statusBar()->currentMessage();
    EXPECT_TRUE(message.contains(QStringLiteral("45")) && message.contains(QStringLiteral("7,0 bis 40,0")))
        << message.toStdString();
    EXPECT_EQ(box->cleanText(), before) << "the old value is back";
    tour_.Grab(tour_.Main());
    Key(Qt::Key_Escape);
    EXPECT_EQ(Grid().Grid().GetCell(1, Row(ResetCaption))->Text, before.toStdString());
}

TEST_F(GridTyping, CtrlAltF12AsXSendsItStartsTheSerialDownloadOptions)
{
    std::vector<std::string> shown;
    const tour::TModalWatch watch([&shown](QWidget& dialog) {
        shown.emplace_back(tour::TModalWatch::IsA(dialog, "TDlgDownloadRs232Options") ? "options" : "other");
        return tour::TTourUi::Escape;
    });
    QWidget* tree = Window().Tree;
    tree->setFocus();
    TTour::Pump();
    constexpr quint32 SwitchVt12 = 0x1008FE0C;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::ControlModifier | Qt::AltModifier, 0, SwitchVt12, 0);
    QApplication::sendEvent(tree, &press);
    TTour::Pump();
    ASSERT_FALSE(shown.empty()) << "no dialog";
    EXPECT_EQ(shown.front(), "options");
}

} // namespace

namespace {

TEST_F(GridTyping, AfterTabTheNextClickOpensTheEditorOfTheClickedRow)
{
    Open(NightCaption);
    Key(Qt::Key_A, Qt::ControlModifier);
    Type("-30");
    Key(Qt::Key_Tab);
    QWidget* editor = Open("Absenken der Solltemperatur im Standby-Betrieb");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(NightInRecord(), -30);
}

} // namespace

namespace {

TEST_F(GridTyping, CtrlNStillOpensAWindowFromAnOpenEditor)
{
    const std::size_t windows = tour_.Main().GetFormVerwList().size();
    Open(NightCaption);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(tour_.Main().GetFormVerwList().size(), windows + 1);
}

} // namespace

namespace {

TEST_F(GridTyping, PrintingTakesTheTypedValueFirst)
{
    Open(NightCaption);
    Key(Qt::Key_A, Qt::ControlModifier);
    Type("-30");
    tour_.Trigger("APrint");
    EXPECT_EQ(NightInRecord(), -30);
}

} // namespace
