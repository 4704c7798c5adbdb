#include "outside/tablebox/DrawGridSE.h"
#include "outside/tablebox/DrawGridSEComboBox.h"
#include "outside/tablebox/DrawGridSEEdit.h"
#include "outside/tablebox/LkSpinEdit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TCell ValueCell(TCell::TEnumCellKind kind, int tag)
{
    TCell cell;
    cell.Kind = kind;
    cell.Tag = tag;
    cell.ReadOnly = false;
    return cell;
}

// A grid with a caption row, a combo row, a spin row, a comma spin row, a text row and a group title.
class DrawGridSETest : public ::testing::Test {
protected:
    DrawGridSETest()
    {
        TCell caption;
        caption.Text = "Titel";
        caption.Tag = 1;
        grid.SetCell(0, grid.AddRow(), caption);

        TCell combo = ValueCell(TCell::ckComboBox, 2);
        combo.Choices = {{"Aus", 0}, {"Ein", 1}, {"Auto", 7}};
        combo.Value = 7;
        grid.SetCell(1, grid.AddRow(), combo);

        TCell spin = ValueCell(TCell::ckSpinEdit, 3);
        spin.MinValue = -5;
        spin.MaxValue = 100;
        spin.Value = 10;
        grid.SetCell(1, grid.AddRow(), spin);

        TCell comma = ValueCell(TCell::ckSpinEditComma, 4);
        comma.MinValue = 7;
        comma.MaxValue = 40;
        comma.Decimals = 1;
        comma.Step = 5;
        comma.Value = 21.5;
        grid.SetCell(1, grid.AddRow(), comma);

        TCell text = ValueCell(TCell::ckEdit, 5);
        text.Text = "abc";
        grid.SetCell(1, grid.AddRow(), text);

        TCell title;
        title.Kind = TCell::ckGroupTitle;
        title.Tag = 6;
        title.GroupTitleState = TCell::gtsOpen;
        grid.SetCell(0, grid.AddRow(), title);
    }

    TDrawGridSE grid;
};

TEST_F(DrawGridSETest, TheActiveValueCellGetsTheEditorOfItsKind)
{
    struct Case {
        int row;
        std::string editor;
    };
    for (const Case& c : {Case{1, "TDrawGridSEComboBox"}, Case{2, "TLkSpinEdit"}, Case{3, "TLkSpinEdit"},
                         Case{4, "TDrawGridSEEdit"}}) {
        grid.SetActiveCell(1, c.row);
        int column = -1, row = -1;
        ASSERT_TRUE(grid.GetActiveCell(column, row)) << c.row;
        EXPECT_EQ(column, 1);
        EXPECT_EQ(row, c.row);
        EXPECT_TRUE(grid.GetEditor()->ClassNameIs(c.editor)) << c.row;
    }
    grid.SetActiveCell(0, 0);
    EXPECT_FALSE(grid.GetActiveCell()) << "a caption opens no editor";
    grid.SetActiveCell(5, 40);
    int column = 0, row = 0;
    EXPECT_FALSE(grid.GetActiveCell(column, row));
    EXPECT_EQ(column, -1);
    EXPECT_EQ(row, -1);
}

TEST_F(DrawGridSETest, ChoosingAnItemRaisesTheComboEventWithTheEditor)
{
    grid.SetActiveCell(1, 1);
    auto* combo = dynamic_cast<TDrawGridSEComboBox*>(grid.GetEditor());
    ASSERT_NE(combo, nullptr);
    int value = -1;
    ASSERT_TRUE(combo->ItemValue(value));
    EXPECT_EQ(value, 7) << "the editor opens on the cell's value";

    std::vector<int> seen;
    grid.OnComboBoxChange.Bind([&](TObject* sender, TCell& cell, int column, int row) {
        int chosen = -1;
        ASSERT_EQ(sender, combo);
        ASSERT_TRUE(static_cast<TDrawGridSEComboBox*>(sender)->ItemValue(chosen));
        seen = {cell.Tag, column, row, chosen};
    });
    grid.ChooseItem(1);
    EXPECT_EQ(seen, (std::vector<int>{2, 1, 1, 1}));
    EXPECT_EQ(grid.GetCell(1, 1)->Text, "Ein");
    EXPECT_EQ(grid.GetCell(1, 1)->Value, 1);

    seen.clear();
    grid.ChooseItem(9);
    EXPECT_TRUE(seen.empty()) << "an item that does not exist";
}

TEST_F(DrawGridSETest, SpinValuesBeyondTheLimitsRaiseOverflowAndUnderflow)
{
    grid.SetActiveCell(1, 2);
    std::vector<std::string> events;
    grid.OnSpinEditOverflow.Bind([&](TDrawGridSE* g, TObject*, TCell&, int, int, double value) {
        EXPECT_EQ(g, &grid);
        events.push_back("over " + std::to_string(static_cast<int>(value)));
    });
    grid.OnSpinEditUnderflow.Bind(
        [&](TDrawGridSE*, TObject*, TCell&, int, int, double value) { events.push_back("under " + std::to_string(static_cast<int>(value))); });
    grid.OnSpinEditChange.Bind([&](TObject* sender, TCell&, int, int) {
        events.push_back("change " + std::to_string(static_cast<TLkSpinEdit*>(sender)->GetIntValue()));
    });
    grid.SpinTo(300);
    grid.SpinTo(-9);
    grid.SpinTo(42);
    EXPECT_EQ(events, (std::vector<std::string>{"over 300", "change 100", "under -9", "change -5", "change 42"}));
    EXPECT_EQ(grid.GetCell(1, 2)->Text, "42");
}

TEST_F(DrawGridSETest, LeavingACellRaisesExitCellWithTheEditorAndClosesIt)
{
    grid.SetActiveCell(1, 3);
    const auto* spin = dynamic_cast<const TLkSpinEdit*>(grid.GetEditor());
    ASSERT_NE(spin, nullptr);
    EXPECT_DOUBLE_EQ(spin->Increment, 0.5);
    grid.SpinTo(22.5);

    double left = 0;
    grid.OnExitCell.Bind([&](TDrawGridSE* g, TObject* sender, TCell& cell, int column, int row) {
        EXPECT_EQ(g, &grid);
        EXPECT_EQ(cell.Tag, 4);
        EXPECT_EQ(column, 1);
        EXPECT_EQ(row, 3);
        ASSERT_TRUE(sender && sender->ClassNameIs("TLkSpinEdit"));
        left = static_cast<TLkSpinEdit*>(sender)->Value;
    });
    grid.LeaveCell();
    EXPECT_DOUBLE_EQ(left, 22.5);
    EXPECT_EQ(grid.GetCell(1, 3)->Text, "22,5");
    EXPECT_FALSE(grid.GetActiveCell());
}

TEST_F(DrawGridSETest, MovingToAnotherCellLeavesTheFormerOne)
{
    int exits = 0;
    grid.OnExitCell.Bind([&](TDrawGridSE*, TObject*, TCell& cell, int, int) {
        EXPECT_EQ(cell.Tag, 5);
        ++exits;
    });
    std::vector<int> entered;
    grid.OnEnterCell.Bind([&](TObject*, TCell* cell, int, int) { entered.push_back(cell->Tag); });
    grid.SetActiveCell(1, 4);
    grid.EditText("neu");
    grid.SetActiveCell(1, 1);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(entered, (std::vector<int>{5, 2}));
    EXPECT_EQ(grid.GetCell(1, 4)->Text, "neu");
}

TEST_F(DrawGridSETest, AHandlerThatClearsTheGridKeepsItsEditorForTheEvent)
{
    grid.SetActiveCell(1, 1);
    std::string name;
    grid.OnComboBoxChange.Bind([&](TObject* sender, TCell& cell, int, int) {
        grid.Clear();
        name = sender->ClassName();
        EXPECT_EQ(cell.Tag, 2);
    });
    grid.ChooseItem(0);
    EXPECT_EQ(name, "TDrawGridSEComboBox");
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_FALSE(grid.GetActiveCell());
}

TEST_F(DrawGridSETest, OneClickOnAGroupTitleRaisesTheTitleEventForPressAndRelease)
{
    std::vector<int> phases;
    grid.OnGroupTitleClick.Bind([&](TObject* sender, TCell& cell, int column, int row, int phase) {
        EXPECT_EQ(sender, &grid);
        EXPECT_EQ(cell.Tag, 6);
        EXPECT_EQ(column, 0);
        EXPECT_EQ(row, 5);
        phases.push_back(phase);
    });
    grid.ClickGroupTitle(5);
    EXPECT_EQ(phases, (std::vector<int>{0, 1}));
    grid.ClickGroupTitle(1);
    EXPECT_EQ(phases.size(), 2u) << "not a title";
}

TEST_F(DrawGridSETest, ClearingTheCellEventsKeepsEnterCell)
{
    int calls = 0;
    grid.OnEnterCell.Bind([&](TObject*, TCell*, int, int) { ++calls; });
    grid.OnComboBoxChange.Bind([&](TObject*, TCell&, int, int) { ++calls; });
    grid.OnExitCell.Bind([&](TDrawGridSE*, TObject*, TCell&, int, int) { ++calls; });
    grid.OnGroupTitleClick.Bind([&](TObject*, TCell&, int, int, int) { ++calls; });
    grid.ClearCellEvents();
    EXPECT_TRUE(grid.OnEnterCell.IsBound());
    EXPECT_FALSE(grid.OnComboBoxChange.IsBound());
    grid.SetActiveCell(1, 1);
    grid.ChooseItem(0);
    grid.LeaveCell();
    grid.ClickGroupTitle(5);
    EXPECT_EQ(calls, 1);
}

TEST_F(DrawGridSETest, ASlotGuardedByAnOwnerIsNotCalledOnceTheOwnerIsGone)
{
    int calls = 0;
    auto owner = std::make_shared<int>(0);
    grid.OnComboBoxChange.Bind([&](TObject*, TCell&, int, int) { ++calls; }, owner);
    grid.SetActiveCell(1, 1);
    grid.ChooseItem(0);
    owner.reset();
    EXPECT_FALSE(grid.OnComboBoxChange.IsBound());
    grid.ChooseItem(1);
    EXPECT_EQ(calls, 1);
}

TEST_F(DrawGridSETest, ABatchOfChangesRepaintsOnce)
{
    int repaints = 0;
    grid.OnRepaint = [&] { ++repaints; };
    grid.BeginUpdate();
    grid.BeginUpdate();
    grid.Clear();
    grid.SetColCount(3);
    grid.AddRow();
    grid.EndUpdate();
    EXPECT_EQ(repaints, 0);
    grid.EndUpdate();
    EXPECT_EQ(repaints, 1);
    grid.EndUpdate();
    EXPECT_EQ(repaints, 1);
    grid.AddRow();
    EXPECT_EQ(repaints, 2);
}

TEST_F(DrawGridSETest, LayoutSettings)
{
    EXPECT_EQ(grid.GetColCount(), 2);
    EXPECT_EQ(grid.FindRow(4), 3);
    EXPECT_EQ(grid.FindRow(99), -1);
    grid.SetAutoSizeColumns(true);
    EXPECT_EQ(grid.DefaultColWidth, 1);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.GetRowCount(), 2);
    grid.SetRowCount(0);
    EXPECT_EQ(grid.GetCell(0, 0), nullptr);
}

} // namespace

namespace {

TEST_F(DrawGridSETest, RemovingTheEditorTakesItsValueFirstOnce)
{
    std::vector<std::string> events;
    grid.OnTakeInput = [&] {
        events.push_back("take");
        grid.SpinTo(12); // what the view hands over: the typed number
    };
    grid.OnExitCell.Bind([&](TDrawGridSE*, TObject* sender, TCell& cell, int, int row) {
        events.push_back("exit " + std::to_string(static_cast<TLkSpinEdit*>(sender)->GetIntValue()) + " row "
                         + std::to_string(row) + " " + cell.Text);
        grid.DeleteZellenKomponente(); // a handler closing it again changes nothing
    });
    grid.SetActiveCell(1, 2);
    grid.DeleteZellenKomponente();
    EXPECT_EQ(events, (std::vector<std::string>{"take", "exit 12 row 2 12"}));
    EXPECT_FALSE(grid.GetActiveCell());
    grid.DeleteZellenKomponente();
    EXPECT_EQ(events.size(), 2u) << "no editor, nothing to take";
}

TEST_F(DrawGridSETest, AHandlerThatRebuildsTheGridWhileTheInputIsTakenGetsNoExitForTheOldRow)
{
    int exits = 0;
    grid.OnTakeInput = [&] { grid.Clear(); };
    grid.OnExitCell.Bind([&](TDrawGridSE*, TObject*, TCell&, int, int) { ++exits; });
    grid.SetActiveCell(1, 2);
    grid.LeaveCell();
    EXPECT_EQ(exits, 0);
    EXPECT_FALSE(grid.GetActiveCell());
}

TEST_F(DrawGridSETest, EscapePutsTheOpenedValueBackWithoutLeavingTheCell)
{
    std::vector<std::string> events;
    grid.OnSpinEditChange.Bind([&](TObject* sender, TCell&, int, int) {
        events.push_back("spin " + std::to_string(static_cast<TLkSpinEdit*>(sender)->GetIntValue()));
    });
    grid.OnEditChange.Bind([&](TObject*, TCell& cell, int, int) { events.push_back("edit " + cell.Text); });
    grid.OnComboBoxChange.Bind([&](TObject*, TCell& cell, int, int) { events.push_back("combo " + cell.Text); });
    grid.OnExitCell.Bind([&](TDrawGridSE*, TObject*, TCell&, int, int) { events.push_back("exit"); });

    grid.SetActiveCell(1, 2);
    grid.CancelEdit();
    EXPECT_TRUE(events.empty()) << "nothing was handed on: nothing to undo";
    grid.SetActiveCell(1, 2);
    grid.SpinTo(50);
    grid.CancelEdit();
    grid.SetActiveCell(1, 4);
    grid.EditText("abcd");
    grid.CancelEdit();
    grid.SetActiveCell(1, 1);
    grid.ChooseItem(0);
    grid.CancelEdit();

    EXPECT_EQ(events, (std::vector<std::string>{"spin 50", "spin 10", "edit abcd", "edit abc", "combo Aus"}));
    EXPECT_EQ(grid.GetCell(1, 2)->Text, "10");
    EXPECT_EQ(grid.GetCell(1, 4)->Text, "abc");
    EXPECT_EQ(grid.GetCell(1, 1)->Text, "Aus") << "a choice is taken when chosen";
    EXPECT_FALSE(grid.GetActiveCell());
}

} // namespace
