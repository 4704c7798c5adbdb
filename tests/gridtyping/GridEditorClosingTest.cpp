// The grid's in-place editors as a person uses them: whatever closes an editor, its value is the
// one the row keeps, except Escape.

#include "tests/views/GridTestSupport.h"

#include "outside/tablebox/DrawGridSEEdit.h"
#include "outside/tablebox/LkSpinEdit.h"
#include "views/CtrlGrid.h"
#include "views/DrawGridSEView.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using viewstest::ComboCell;
using viewstest::SpinCell;
using viewstest::TextCell;

enum class TKind { Edit, Spin, Combo };
enum class TClose { Enter, Tab, OtherCell, ClickElsewhere, DeleteZellenKomponente, Escape };

constexpr int EditRow = 0;
constexpr int SpinRow = 1;
constexpr int ComboRow = 2;
constexpr int OtherRow = 3;

TCell EditCell(int tag, const std::string& text)
{
    TCell cell = TextCell(text);
    cell.Kind = TCell::ckEdit;
    cell.ReadOnly = false;
    cell.Tag = tag;
    return cell;
}

// A window with a tree beside the grid, as a configuration window has, and a grid filled as a
// data object fills it: it keeps a spin or edit value when the cell is left and a combo box's
// choice when it is chosen.
class GridEditors : public ::testing::Test {
protected:
    GridEditors()
    {
        auto* central = new QWidget(&window);
        window.setCentralWidget(central);
        window.statusBar();
        auto* layout = new QHBoxLayout(central);
        layout->addWidget(tree);
        layout->addWidget(pane);
        new QTreeWidgetItem(tree, QStringList{QStringLiteral("Sollwerte")});
        window.resize(700, 300);
        viewstest::PrepareForDataObject(grid());
        ctrl.LoadSize(false, 150);
        grid().SetCell(0, EditRow, TextCell("Name"));
        grid().SetCell(1, EditRow, EditCell(EditRow, "alt"));
        grid().SetCell(0, SpinRow, TextCell("Basistemperatur"));
        grid().SetCell(1, SpinRow, SpinCell(SpinRow, 7, 40, 22));
        grid().SetCell(0, ComboRow, TextCell("Betriebsart"));
        grid().SetCell(1, ComboRow, ComboCell(ComboRow, {{"Aus", 0}, {"Ein", 1}, {"Auto", 2}}, 0));
        grid().SetCell(0, OtherRow, TextCell("Zyklisch senden"));
        grid().SetCell(1, OtherRow, SpinCell(OtherRow, 0, 255, 0));
        stored = {{EditRow, "alt"}, {SpinRow, "22"}, {ComboRow, "Aus"}, {OtherRow, "0"}};
        grid().OnExitCell.Bind([this](TDrawGridSE*, TObject* sender, TCell& cell, int, int) {
            if (const auto* spin = dynamic_cast<const TLkSpinEdit*>(sender))
                stored[cell.Tag] = cell.FormatValue(spin->Value);
            else if (const auto* edit = dynamic_cast<const TDrawGridSEEdit*>(sender))
                stored[cell.Tag] = edit->Text;
        });
        grid().OnComboBoxChange.Bind([this](TObject*, TCell& cell, int, int) { stored[cell.Tag] = cell.Text; });
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << "the window did not become active";
    }

    TDrawGridSE& grid() { return view.Grid(); }
    QPoint CellCentre(int column, int row) const { return view.CellRect(column, row).center(); }
    // A click on the value cell of the row; its editor has the focus then.
    QWidget* Open(int row)
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(1, row));
        QWidget* editor = view.EditorWidget();
        EXPECT_NE(editor, nullptr);
        EXPECT_TRUE(editor && editor->hasFocus()) << "the editor has no focus";
        return editor;
    }
    void Close(TClose how, QWidget* editor)
    {
        switch (how) {
        case TClose::Enter: QTest::keyClick(editor, Qt::Key_Return); break;
        case TClose::Tab: QTest::keyClick(editor, Qt::Key_Tab); break;
        case TClose::OtherCell: QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(1, OtherRow)); break;
        case TClose::ClickElsewhere:
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(0)).center());
            break;
        case TClose::DeleteZellenKomponente: ctrl.DeactivateActiveGridCell(); break;
        case TClose::Escape: QTest::keyClick(editor, Qt::Key_Escape); break;
        }
        QApplication::processEvents();
    }

    QMainWindow window;
    QTreeWidget* tree = new QTreeWidget(&window);
    QWidget* pane = new QWidget(&window);
    TDrawGridSEView view{pane};
    TCtrlGrid ctrl{&view};
    std::map<int, std::string> stored;
};

struct TClosing {
    TKind Kind;
    TClose How;
    const char* Expected;
};

class GridEditorClosing : public GridEditors, public ::testing::WithParamInterface<TClosing> {};

TEST_P(GridEditorClosing, TheRowKeepsWhatTheEditorShowedUnlessEscapeClosedIt)
{
    const TClosing closing = GetParam();
    int row = EditRow;
    QWidget* editor = nullptr;
    switch (closing.Kind) {
    case TKind::Edit:
        editor = Open(row = EditRow);
        ASSERT_TRUE(qobject_cast<QLineEdit*>(editor));
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "neu");
        break;
    case TKind::Spin:
        editor = Open(row = SpinRow);
        ASSERT_TRUE(qobject_cast<QDoubleSpinBox*>(editor));
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "35");
        break;
    case TKind::Combo:
        editor = Open(row = ComboRow);
        QTest::keyClick(editor, Qt::Key_Down);
        break;
    }
    ASSERT_NE(editor, nullptr);

    Close(closing.How, editor);

    EXPECT_EQ(stored[row], closing.Expected);
    EXPECT_EQ(grid().GetCell(1, row)->Text, closing.Expected) << "the grid shows what the row keeps";
    if (closing.How != TClose::OtherCell) {
        EXPECT_EQ(view.EditorWidget(), nullptr) << "the editor closed";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayOut, GridEditorClosing,
    ::testing::Values(TClosing{TKind::Edit, TClose::Enter, "neu"}, TClosing{TKind::Edit, TClose::Tab, "neu"},
                      TClosing{TKind::Edit, TClose::OtherCell, "neu"},
                      TClosing{TKind::Edit, TClose::ClickElsewhere, "neu"},
                      TClosing{TKind::Edit, TClose::DeleteZellenKomponente, "neu"},
                      TClosing{TKind::Edit, TClose::Escape, "alt"}, TClosing{TKind::Spin, TClose::Enter, "35"},
                      TClosing{TKind::Spin, TClose::Tab, "35"}, TClosing{TKind::Spin, TClose::OtherCell, "35"},
                      TClosing{TKind::Spin, TClose::ClickElsewhere, "35"},
                      TClosing{TKind::Spin, TClose::DeleteZellenKomponente, "35"},
                      TClosing{TKind::Spin, TClose::Escape, "22"}, TClosing{TKind::Combo, TClose::Enter, "Ein"},
                      TClosing{TKind::Combo, TClose::Tab, "Ein"}, TClosing{TKind::Combo, TClose::OtherCell, "Ein"},
                      TClosing{TKind::Combo, TClose::ClickElsewhere, "Ein"},
                      TClosing{TKind::Combo, TClose::DeleteZellenKomponente, "Ein"},
                      // A combo box's choice is taken when chosen; Escape only closes it.
                      TClosing{TKind::Combo, TClose::Escape, "Ein"}));

TEST_F(GridEditors, ANumberBeyondTheRangeIsRefusedWithAMessageAndTheOldValueComesBack)
{
    QWidget* editor = Open(SpinRow);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "45");
    EXPECT_EQ(qobject_cast<QDoubleSpinBox*>(editor)->cleanText(), QStringLiteral("45")) << "45 can be typed";

    QTest::keyClick(editor, Qt::Key_Return);

    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("7 bis 40"))) << QToolTip::text().toStdString();
    EXPECT_EQ(window.statusBar()->currentMessage(), QToolTip::text()) << "the status bar says it too";
    EXPECT_EQ(view.EditorWidget(), editor) << "the editor stays open for another try";
    EXPECT_EQ(qobject_cast<QDoubleSpinBox*>(editor)->cleanText(), QStringLiteral("22"));
    EXPECT_EQ(stored[SpinRow], "22");

    // Typed again and left by a click elsewhere: refused the same way, the editor closes.
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "-");
    Close(TClose::ClickElsewhere, editor);
    const QString message = window.statusBar()->currentMessage();
    EXPECT_TRUE(message.contains(QStringLiteral("keine Zahl"))) << message.toStdString();
    EXPECT_EQ(stored[SpinRow], "22");
    EXPECT_EQ(view.EditorWidget(), nullptr);
}

TEST_F(GridEditors, UpAndDownStepASpinValueAndTheGridShowsItAtOnce)
{
    grid().SetCell(1, SpinRow, SpinCell(SpinRow, 7, 40, 22));
    QWidget* editor = Open(SpinRow);
    QTest::keyClick(editor, Qt::Key_Up);
    EXPECT_EQ(grid().GetCell(1, SpinRow)->Text, "23");
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(grid().GetCell(1, SpinRow)->Text, "21");
    EXPECT_EQ(qobject_cast<QDoubleSpinBox*>(editor)->cleanText(), QStringLiteral("21"));
    EXPECT_EQ(stored[SpinRow], "22") << "taken when the editor closes";

    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(grid().GetCell(1, SpinRow)->Text, "22") << "Escape puts the old value back";
    EXPECT_EQ(stored[SpinRow], "22");
}

TEST_F(GridEditors, MinusAndPlusAreTypedIntoTheEditors)
{
    grid().SetCell(1, SpinRow, SpinCell(SpinRow, -40, 0, -40));
    QWidget* spin = Open(SpinRow);
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(spin, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClicks(spin, "30");
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(stored[SpinRow], "-30");

    QWidget* edit = Open(EditRow);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Plus);
    QTest::keyClick(edit, Qt::Key_Minus);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(stored[EditRow], "alt+-");
}

} // namespace
