#include "tests/views/GridTestSupport.h"

#include "outside/tablebox/DrawGridSEComboBox.h"
#include "outside/tablebox/LkSpinEdit.h"
#include "platform/ScrollMessages.h"
#include "platform/SystemColors.h"
#include "views/CtrlGrid.h"
#include "views/DrawGridSEView.h"
#include "views/EllipsisEdit.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using viewstest::ComboCell;
using viewstest::SpinCell;
using viewstest::TextCell;

constexpr int Red = 0x000000FF; // 0x00BBGGRR
constexpr int Green = 0x0000FF00;
constexpr int Blue = 0x00FF0000;
constexpr int Yellow = 0x0000FFFF;

// A grid view in a pane of its own, wrapped by TCtrlGrid as a configuration window does, with
// rows of plain cells: caption, value.
class GridView : public ::testing::Test {
protected:
    GridView()
    {
        pane.resize(360, 5 * (view.RowHeight() + 1) + 4 + view.horizontalScrollBar()->sizeHint().height());
        viewstest::PrepareForDataObject(grid());
        ctrl.LoadSize(false, 120);
        pane.show();
        QApplication::processEvents();
    }

    TDrawGridSE& grid() { return view.Grid(); }
    void AddRows(int count)
    {
        for (int row = 0; row < count; ++row) {
            const int r = grid().AddRow();
            grid().SetCell(0, r, TextCell("Parameter " + std::to_string(r)));
            grid().SetCell(1, r, SpinCell(r, 0, 255, r));
        }
    }
    std::pair<int, int> ActiveCell() const
    {
        int column = -1;
        int row = -1;
        view.Grid().GetActiveCell(column, row);
        return {column, row};
    }
    QImage Picture() { return view.viewport()->grab().toImage(); }
    QPoint CellCentre(int column, int row) const { return view.CellRect(column, row).center(); }

    QWidget pane;
    TDrawGridSEView view{&pane};
    TCtrlGrid ctrl{&view};
};

TEST_F(GridView, FillsItsPaneAndFollowsItsSize)
{
    EXPECT_EQ(view.geometry(), pane.rect());
    pane.resize(500, 300);
    EXPECT_EQ(view.geometry(), pane.rect());
}

TEST_F(GridView, EachWheelStepScrollsOneLineAndLeavesTheActiveCell)
{
    AddRows(12);
    view.SetActiveCell(1, 0);
    ASSERT_EQ(view.TopRow(), 0);

    viewstest::TurnWheel(view.viewport(), -1);
    EXPECT_EQ(view.TopRow(), 1);
    viewstest::TurnWheel(view.viewport(), -2);
    EXPECT_EQ(view.TopRow(), 3);
    viewstest::TurnWheel(view.viewport(), 1);
    EXPECT_EQ(view.TopRow(), 2);

    EXPECT_EQ(ActiveCell(), std::make_pair(1, 0));
    EXPECT_TRUE(grid().GetActiveCell());
    EXPECT_FALSE(view.EditorWidget()->isVisible()) << "the editor's row is scrolled out of view";
    viewstest::TurnWheel(view.viewport(), 2);
    EXPECT_EQ(view.TopRow(), 0);
    ASSERT_NE(view.EditorWidget(), nullptr);
    EXPECT_TRUE(view.EditorWidget()->isVisible());
    EXPECT_EQ(view.EditorWidget()->geometry(), view.CellRect(1, 0));
}

TEST_F(GridView, WithoutTheWrapperTheWheelScrollsAsQtDoes)
{
    QWidget otherPane;
    otherPane.resize(pane.size());
    TDrawGridSEView plain(&otherPane);
    plain.resize(pane.size());
    viewstest::PrepareForDataObject(plain.Grid());
    for (int row = 0; row < 12; ++row)
        plain.Grid().SetCell(0, row, TextCell("Zeile"));
    otherPane.show();

    viewstest::TurnWheel(plain.viewport(), -1);
    EXPECT_EQ(plain.TopRow(), QApplication::wheelScrollLines());
}

TEST_F(GridView, TheWheelOverAnOpenEditorScrollsTheGridAndChangesNoValue)
{
    for (int row = 0; row < 12; ++row) {
        grid().SetCell(0, row, TextCell("Auswahl"));
        grid().SetCell(1, row, ComboCell(row, {{"Aus", 0}, {"Ein", 1}, {"Auto", 2}}, 1));
    }
    std::vector<int> changes;
    grid().OnComboBoxChange.Bind([&](TObject*, TCell&, int, int row) { changes.push_back(row); });
    view.SetActiveCell(1, 0);
    auto* combo = qobject_cast<QComboBox*>(view.EditorWidget());
    ASSERT_NE(combo, nullptr);

    viewstest::TurnWheel(combo, -1);

    EXPECT_EQ(view.TopRow(), 1);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_TRUE(changes.empty());
}

TEST_F(GridView, ScrollMessagesMoveOneLine)
{
    AddRows(12);
    platform::SendMessage(view.Handle(), platform::WM_VSCROLL, platform::SB_LINEDOWN, 0);
    platform::SendMessage(view.Handle(), platform::WM_VSCROLL, platform::SB_LINEDOWN, 0);
    EXPECT_EQ(view.TopRow(), 2);
    platform::SendMessage(view.Handle(), platform::WM_VSCROLL, platform::SB_LINEUP, 0);
    EXPECT_EQ(view.TopRow(), 1);
}

TEST_F(GridView, FixedWidthGivesEveryColumnTheDefaultWidth)
{
    AddRows(3);
    ctrl.LoadSize(false, 150);
    EXPECT_EQ(grid().DefaultColWidth, 150);
    EXPECT_FALSE(grid().GetAutoSizeColumns());
    EXPECT_EQ(view.ColWidth(0), 150);
    EXPECT_EQ(view.ColWidth(1), 150);
    EXPECT_EQ(view.CellRect(1, 0).left(), 151) << "one pixel of grid line between the columns";
}

TEST_F(GridView, AutomaticWidthFitsTheTexts)
{
    grid().SetCell(0, 0, TextCell("Kurz"));
    grid().SetCell(1, 0, ComboCell(0, {{"Aus", 0}, {"Heizen und K\xFChlen", 1}}, 0));
    grid().SetCell(0, 1, TextCell("Eine recht lange Beschriftung"));
    grid().SetCell(1, 1, TextCell("x"));
    ctrl.LoadSize(true, 150);

    EXPECT_EQ(grid().DefaultColWidth, 1);
    const QFontMetrics metrics = view.fontMetrics();
    const int caption = metrics.horizontalAdvance(QStringLiteral("Eine recht lange Beschriftung"));
    const int choice = metrics.horizontalAdvance(QString::fromUtf8("Heizen und Kühlen"));
    EXPECT_GE(view.ColWidth(0), caption);
    EXPECT_LT(view.ColWidth(0), caption + 20);
    EXPECT_GE(view.ColWidth(1), choice) << "the widest choice fits, not only the shown one";
}

TEST_F(GridView, SwitchingTheWidthModeActivatesTheFirstCellAndKeepingItRefitsTheEditor)
{
    AddRows(3);
    ctrl.LoadSize(true, 0);
    view.SetActiveCell(1, 2);
    ASSERT_NE(view.EditorWidget(), nullptr);

    ctrl.LoadSize(true, 80);
    EXPECT_EQ(ActiveCell(), std::make_pair(1, 2));
    ASSERT_NE(view.EditorWidget(), nullptr);
    EXPECT_EQ(view.EditorWidget()->geometry(), view.CellRect(1, 2));

    ctrl.LoadSize(false, 80);
    EXPECT_EQ(ActiveCell(), std::make_pair(0, 0));
    EXPECT_EQ(view.EditorWidget(), nullptr) << "a caption has no editor";
    ctrl.LoadSize(true, 80);
    EXPECT_EQ(ActiveCell(), std::make_pair(0, 0));
}

TEST_F(GridView, CellsAreDrawnInTheirColours)
{
    grid().SetCell(0, 0, TextCell(""));
    grid().SetCell(1, 0, SpinCell(0, 0, 9, 1));
    TCell title = TextCell("");
    title.Kind = TCell::ckGroupTitle;
    title.GroupTitleState = TCell::gtsOpen;
    grid().SetCell(0, 1, title);
    grid().SetCell(1, 1, TextCell(""));
    ctrl.LoadColor(Yellow, Green, Blue, Red, 1);

    const QImage picture = Picture();
    const int pitch = view.RowHeight() + 1;
    EXPECT_EQ(picture.pixelColor(3, 3), QColor(Qt::red)) << "read-only caption";
    EXPECT_EQ(picture.pixelColor(view.CellRect(1, 0).right() - 3, 3), QColor(Qt::green)) << "editable value";
    EXPECT_EQ(picture.pixelColor(view.CellRect(1, 0).right() - 3, pitch + 3), QColor(Qt::blue)) << "group title";
    EXPECT_EQ(picture.pixelColor(5, 2 * pitch + 5), QColor(Qt::yellow)) << "below the rows";
    EXPECT_EQ(picture.pixelColor(view.width() - 8, 3), QColor(Qt::yellow)) << "beside the columns";
}

TEST_F(GridView, SystemColoursComeFromThePalette)
{
    AddRows(1);
    ctrl.LoadColor(static_cast<int>(0x80000010u), static_cast<int>(0x80000018u), static_cast<int>(0x8000000Fu),
                   static_cast<int>(0x8000000Fu), 1);
    const QImage picture = Picture();
    const QPalette& colors = view.palette();
    EXPECT_EQ(picture.pixelColor(view.CellRect(1, 0).right() - 3, 3), colors.color(QPalette::ToolTipBase));
    EXPECT_EQ(picture.pixelColor(3, 3), colors.color(QPalette::Button));
    EXPECT_EQ(picture.pixelColor(5, view.height() - 30), colors.color(QPalette::Dark));
}

TEST_F(GridView, GridLineWidthZeroDrawsNoLines)
{
    AddRows(2);
    ctrl.LoadColor(Yellow, Green, Blue, Red, 1);
    const int x = view.ColWidth(0);
    const int y = view.RowHeight() / 2;
    QImage picture = Picture();
    EXPECT_EQ(picture.pixelColor(x, y), view.palette().color(QPalette::Mid));
    EXPECT_EQ(picture.pixelColor(3, view.RowHeight()), view.palette().color(QPalette::Mid));

    ctrl.LoadColor(Yellow, Green, Blue, Red, 0);
    picture = Picture();
    EXPECT_EQ(picture.pixelColor(x - 1, y), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(x, y), QColor(Qt::green)) << "the value cell begins right after the caption";
    EXPECT_EQ(picture.pixelColor(3, view.RowHeight()), QColor(Qt::red)) << "the next row begins at once";
    EXPECT_EQ(view.CellRect(0, 1).top(), view.RowHeight());
}

TEST_F(GridView, SetActiveCellOpensTheEditorOfTheCellKind)
{
    grid().SetCell(0, 0, TextCell("Auswahl"));
    grid().SetCell(1, 0, ComboCell(0, {{"Aus", 0}, {"Ein", 1}}, 1));
    grid().SetCell(0, 1, TextCell("Zeit"));
    grid().SetCell(1, 1, SpinCell(1, 5, 60, 10));
    TCell edit = TextCell("Wohnen");
    edit.Kind = TCell::ckEdit;
    edit.ReadOnly = false;
    grid().SetCell(0, 2, TextCell("Name"));
    grid().SetCell(1, 2, edit);

    view.SetActiveCell(1, 0);
    auto* combo = qobject_cast<QComboBox*>(view.EditorWidget());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Ein"));
    EXPECT_TRUE(combo->isVisible());
    EXPECT_EQ(combo->geometry(), view.CellRect(1, 0));

    view.SetActiveCell(1, 1);
    QApplication::processEvents(); // the former editor goes with the event loop
    auto* spin = qobject_cast<QDoubleSpinBox*>(view.EditorWidget());
    ASSERT_NE(spin, nullptr);
    EXPECT_DOUBLE_EQ(spin->value(), 10);
    EXPECT_EQ(spin->decimals(), 0);
    EXPECT_TRUE(combo == nullptr || !combo->isVisible());

    view.SetActiveCell(1, 2);
    auto* line = qobject_cast<QLineEdit*>(view.EditorWidget());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), QStringLiteral("Wohnen"));

    view.SetActiveCell(0, 2);
    EXPECT_EQ(view.EditorWidget(), nullptr);
    EXPECT_EQ(ActiveCell(), std::make_pair(0, 2));

    view.SetActiveCell(1, 0);
    ctrl.DeactivateActiveGridCell();
    EXPECT_EQ(view.EditorWidget(), nullptr);
    EXPECT_FALSE(grid().GetActiveCell());
}

TEST_F(GridView, EditorsReportTheirInputWithColumnAndRow)
{
    grid().SetColCount(3);
    for (int row = 0; row < 5; ++row)
        grid().SetCell(0, row, TextCell("Zeile"));
    grid().SetCell(2, 4, ComboCell(7, {{"Nicht \xE4ndern", 0}, {"\xC4ndern", 1}}, 0));
    grid().SetCell(1, 3, SpinCell(8, 0, 100, 50));
    TCell edit = TextCell("a");
    edit.Kind = TCell::ckEdit;
    edit.ReadOnly = false;
    grid().SetCell(2, 1, edit);
    ctrl.LoadSize(false, 100);

    std::vector<std::tuple<std::string, int, int>> events;
    grid().OnComboBoxChange.Bind(
        [&](TObject*, TCell& cell, int column, int row) { events.emplace_back("combo " + cell.Text, column, row); });
    grid().OnSpinEditChange.Bind([&](TObject*, TCell& cell, int column, int row) {
        events.emplace_back("spin " + cell.Text, column, row);
    });
    grid().OnEditChange.Bind(
        [&](TObject*, TCell& cell, int column, int row) { events.emplace_back("edit " + cell.Text, column, row); });

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(2, 4));
    QTest::keyClick(view.EditorWidget(), Qt::Key_Down);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(1, 3));
    QTest::keyClick(view.EditorWidget(), Qt::Key_Up);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(2, 1));
    QTest::keyClick(view.EditorWidget(), Qt::Key_B);

    using E = std::tuple<std::string, int, int>;
    EXPECT_EQ(events, (std::vector<E>{E{"combo \xC4ndern", 2, 4}, E{"spin 51", 1, 3}, E{"edit ab", 2, 1}}));
    EXPECT_EQ(grid().GetCell(2, 4)->Value, 1);
}

TEST_F(GridView, AnEllipsisCellShowsAButtonThatRaisesItsEvent)
{
    TCell plain = TextCell("Wohnen");
    plain.Kind = TCell::ckEdit;
    plain.ReadOnly = false;
    TCell ellipsis = plain;
    ellipsis.Text = "1/2/3";
    ellipsis.Ellipsis = true;
    grid().SetCell(0, 0, TextCell("Name"));
    grid().SetCell(1, 0, plain);
    grid().SetCell(0, 1, TextCell("Gruppenadressen"));
    grid().SetCell(1, 1, ellipsis);
    std::vector<std::tuple<std::string, int, int>> clicks;
    grid().OnEllipseClick.Bind(
        [&](TObject*, TCell& cell, int column, int row) { clicks.emplace_back(cell.Text, column, row); });

    view.SetActiveCell(1, 0);
    EXPECT_EQ(qobject_cast<TEllipsisEdit*>(view.EditorWidget()), nullptr) << "a plain edit has no button";

    view.SetActiveCell(1, 1);
    QApplication::processEvents();
    auto* edit = qobject_cast<TEllipsisEdit*>(view.EditorWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("1/2/3"));
    const QRect button = edit->Button()->geometry();
    EXPECT_TRUE(edit->Button()->isVisible());
    EXPECT_EQ(button.right(), edit->rect().right());
    EXPECT_EQ(button.height(), edit->height());

    QTest::mouseClick(edit->Button(), Qt::LeftButton);
    using E = std::tuple<std::string, int, int>;
    EXPECT_EQ(clicks, (std::vector<E>{E{"1/2/3", 1, 1}}));
}

TEST_F(GridView, AClickOnACaptionActivatesTheValueOfItsRow)
{
    AddRows(3);
    std::vector<std::pair<int, int>> entered;
    grid().OnEnterCell.Bind([&](TObject*, TCell*, int column, int row) { entered.emplace_back(column, row); });

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(0, 2));

    EXPECT_EQ(ActiveCell(), std::make_pair(1, 2));
    EXPECT_EQ(entered, (std::vector<std::pair<int, int>>{{1, 2}}));
    ASSERT_NE(view.EditorWidget(), nullptr);
    EXPECT_TRUE(view.EditorWidget()->hasFocus());
}

TEST_F(GridView, AClickOnAGroupTitleRaisesItsEventWithTheRow)
{
    AddRows(2);
    TCell title = TextCell("Erweitert");
    title.Kind = TCell::ckGroupTitle;
    title.GroupTitleState = TCell::gtsClosed;
    grid().SetCell(0, 2, title);
    grid().SetCell(1, 2, TextCell(""));
    std::vector<std::tuple<int, int, int>> clicks;
    grid().OnGroupTitleClick.Bind(
        [&](TObject*, TCell&, int column, int row, int phase) { clicks.emplace_back(column, row, phase); });

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(1, 2));

    using C = std::tuple<int, int, int>;
    EXPECT_EQ(clicks, (std::vector<C>{C{0, 2, 0}, C{0, 2, 1}}));
}

TEST_F(GridView, ASpinStepBeyondTheLimitRaisesOverflowAndHoldsTheLimit)
{
    grid().SetCell(0, 0, TextCell("Zeit"));
    grid().SetCell(1, 0, SpinCell(0, 0, 255, 255));
    std::vector<double> overflows;
    grid().OnSpinEditOverflow.Bind(
        [&](TDrawGridSE*, TObject*, TCell&, int, int, double value) { overflows.push_back(value); });
    view.SetActiveCell(1, 0);
    auto* spin = qobject_cast<QDoubleSpinBox*>(view.EditorWidget());
    ASSERT_NE(spin, nullptr);

    QTest::keyClick(spin, Qt::Key_Up);

    EXPECT_EQ(overflows, std::vector<double>{256});
    EXPECT_DOUBLE_EQ(spin->value(), 255);
    EXPECT_DOUBLE_EQ(grid().GetCell(1, 0)->Value, 255);
    EXPECT_DOUBLE_EQ(static_cast<const TLkSpinEdit*>(grid().GetEditor())->Value, 255);
}

TEST_F(GridView, LeavingACellHandsOverTheTypedValueFirst)
{
    AddRows(3);
    std::vector<double> leftWith;
    grid().OnExitCell.Bind([&](TDrawGridSE*, TObject* sender, TCell&, int, int) {
        leftWith.push_back(static_cast<TLkSpinEdit*>(sender)->Value);
    });
    view.SetActiveCell(1, 1);
    auto* spin = qobject_cast<QDoubleSpinBox*>(view.EditorWidget());
    ASSERT_NE(spin, nullptr);
    spin->selectAll();
    QTest::keyClicks(spin, "42");

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(1, 2));

    EXPECT_EQ(leftWith, std::vector<double>{42});
    EXPECT_DOUBLE_EQ(grid().GetCell(1, 1)->Value, 42);
    EXPECT_EQ(ActiveCell(), std::make_pair(1, 2));
}

TEST_F(GridView, AHandlerThatRebuildsTheGridFromInsideTheComboIsSafe)
{
    const auto fill = [this] {
        viewstest::PrepareForDataObject(grid());
        grid().SetCell(0, 0, TextCell("Betriebsart"));
        grid().SetCell(1, 0, ComboCell(0, {{"Heizen", 0}, {"K\xFChlen", 1}}, 0));
    };
    fill();
    int rebuilt = 0;
    grid().OnComboBoxChange.Bind([&](TObject*, TCell&, int, int) {
        ++rebuilt;
        fill(); // as a data object that rebuilds its rows at once
    });
    view.SetActiveCell(1, 0);
    QTest::keyClick(view.EditorWidget(), Qt::Key_Down);
    QApplication::processEvents();

    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(view.EditorWidget(), nullptr);
    EXPECT_EQ(grid().GetRowCount(), 1);
}

TEST_F(GridView, FocusLeavingTheGridRaisesExit)
{
    AddRows(2);
    QLineEdit elsewhere(&pane);
    elsewhere.show();
    int exits = 0;
    grid().OnExit.Bind([&](TDrawGridSE*, TObject*, TCell&, int, int) { ++exits; });
    pane.activateWindow();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(1, 0));
    ASSERT_TRUE(view.EditorWidget()->hasFocus());

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    EXPECT_EQ(exits, 0) << "moving inside the grid is no exit";
    elsewhere.setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(exits, 1);
}

} // namespace
