#include "dialogs/project/DlgGlobalParameter.h"
#include "dialogs/project/GlobalParameterTable.h"
#include "platform/Cp1252.h"
#include <QTest>
#include <QScrollBar>
#include "outside/tablebox/DrawGridSE.h"
#include "tests/dialogs/globalparam/GlobalParamFixture.h"
#include "tests/dialogs/globalparam/MarkedObject.h"
#include "tests/support/RecordingWindow.h"
#include "views/DrawGridSEView.h"
#include "views/ListView.h"
#include "views/TreeNode.h"
#include "views/ViewMessages.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace globalparamtest;
using testsupport::DeliverPostedMessages;

// Step 1 over a node of the marked object, with a device selection that answers as scripted.
class Marking : public ::testing::Test {
protected:
    void Open(int style = 1)
    {
        object_ = std::make_unique<TMarkedObject>(10, 1, style);
        node_.SetData(object_.get());
        for (const char* name : {"Kanal 1", "Kanal 2 mit langem Namen"}) {
            auto* child = new TTreeNode; // owned by its parent node
            child->SetText(name);
            node_.addChild(child);
        }
        dialog_ = std::make_unique<TDlgGlobalParameter>(
            nullptr, &main_, &node_, 4711, nullptr, TGlobalParameterGridLook{},
            [this](TDlgGlobalParameter&, const std::vector<std::string>& table) {
                tables_.push_back(table);
                return selectAnswer_;
            });
        main_.Dialog = dialog_.get();
    }

    TDrawGridSE& Grid() { return dialog_->Grid->Grid(); }
    // Chooses the entry of the mark of the parameter's row, as a user does, and lets the posted
    // rebuild run.
    void Mark(int tag, int entry)
    {
        Grid().SetActiveCell(2, Grid().FindRow(tag));
        Grid().ChooseItem(entry);
        DeliverPostedMessages();
    }
    bool Marked(int tag) const { return object_->ChangeParameter(tag); }

    testsupport::ScriptedUi ui_;
    FakeMainWindow main_;
    std::unique_ptr<TMarkedObject> object_;
    TTreeNode node_;
    std::unique_ptr<TDlgGlobalParameter> dialog_;
    std::vector<std::vector<std::string>> tables_;
    int selectAnswer_ = 2;
};

TEST_F(Marking, NextIsOnWhileAParameterIsMarked)
{
    Open();
    EXPECT_EQ(Grid().GetColCount(), 3);
    EXPECT_FALSE(dialog_->BtnNext->isEnabled());

    Grid().SetActiveCell(2, Grid().FindRow(TMarkedObject::tagBetrieb));
    Grid().ChooseItem(1);
    EXPECT_TRUE(Marked(TMarkedObject::tagBetrieb));
    DeliverPostedMessages();
    EXPECT_GE(main_.InitDataCalls, 1);
    EXPECT_TRUE(dialog_->BtnNext->isEnabled());

    Mark(TMarkedObject::tagBetrieb, 0);
    EXPECT_FALSE(Marked(TMarkedObject::tagBetrieb));
    EXPECT_FALSE(dialog_->BtnNext->isEnabled());
}

TEST_F(Marking, EveryColumnIsShownWhole)
{
    Open();
    dialog_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get())) << "step 1 was not shown";
    const QFontMetrics metrics(dialog_->Grid->font());
    for (int row = 0; row < Grid().GetRowCount(); ++row)
        for (int column = 0; column < Grid().GetColCount(); ++column)
            if (const TCell* cell = Grid().GetCell(column, row))
                EXPECT_GE(dialog_->Grid->ColWidth(column), metrics.horizontalAdvance(platform::ToQString(cell->Text)))
                    << "column " << column << " cuts " << cell->Text;
    EXPECT_TRUE(QTest::qWaitFor([this] { return dialog_->Grid->horizontalScrollBar()->maximum() == 0; }, 5000))
        << "the grid scrolls sideways by " << dialog_->Grid->horizontalScrollBar()->maximum();
}

TEST_F(Marking, AllMarksEverythingThenClearsEverything)
{
    Open();
    dialog_->BtnAll->click();
    DeliverPostedMessages();
    for (const int tag : {1, 2, 3})
        EXPECT_TRUE(Marked(tag)) << tag;
    EXPECT_TRUE(dialog_->BtnNext->isEnabled());

    Mark(TMarkedObject::tagBetrieb, 0); // one left unmarked: the next click clears the rest
    dialog_->BtnAll->click();
    DeliverPostedMessages();
    for (const int tag : {1, 2, 3})
        EXPECT_FALSE(Marked(tag)) << tag;
    EXPECT_FALSE(dialog_->BtnNext->isEnabled());
}

TEST_F(Marking, TheDeviceSelectionGetsTheTableAndBackKeepsTheMarks)
{
    Open();
    Mark(TMarkedObject::tagSollwert, 1);
    dialog_->BtnNext->click();
    ASSERT_EQ(tables_.size(), 1u);
    EXPECT_EQ(tables_[0].size(), 7u) << "three rows";
    EXPECT_EQ(tables_[0][1].substr(0, 10), "|Sollwert|");
    EXPECT_EQ(dialog_->result(), 0) << "back from step 2";
    EXPECT_TRUE(Marked(TMarkedObject::tagSollwert));
    EXPECT_TRUE(Marked(TMarkedObject::tagGrenze)) << "follows Sollwert";
    EXPECT_FALSE(Marked(TMarkedObject::tagBetrieb));
    EXPECT_TRUE(dialog_->BtnNext->isEnabled());

    selectAnswer_ = 1;
    dialog_->BtnNext->click();
    EXPECT_EQ(dialog_->result(), 1) << "the copy ran: the wizard ends";
}

TEST_F(Marking, AListStyleNodeShowsItsChildrenAndNeverGoesOn)
{
    Open(0);
    object_->SetGlobalParameterValue(TMarkedObject::tagBetrieb, gpvAendern);
    dialog_->InitData(1, 0);
    EXPECT_TRUE(dialog_->ListView->isVisibleTo(dialog_.get()));
    EXPECT_FALSE(dialog_->Grid->isVisibleTo(dialog_.get()));
    ASSERT_EQ(dialog_->ListView->Count(), 2);
    EXPECT_EQ(dialog_->ListView->Item(1)->text().toStdString(), "Kanal 2 mit langem Namen");
    EXPECT_GE(dialog_->ListView->ColumnWidth(), 110);
    EXPECT_FALSE(dialog_->BtnNext->isEnabled());
}

TEST_F(Marking, TheObjectIsInTwoColumnModeAgainAfterwards)
{
    Open();
    EXPECT_TRUE(object_->GetGlobalParameterMode());
    dialog_.reset();
    main_.Dialog = nullptr;
    EXPECT_FALSE(object_->GetGlobalParameterMode());

    try {
        const TGlobalParameterModeGuard mode(object_.get());
        EXPECT_TRUE(object_->GetGlobalParameterMode());
        throw std::runtime_error("leaves the scope");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(object_->GetGlobalParameterMode());
}

TEST_F(Marking, DeleteZellenKomponenteClosesTheCellEditor)
{
    Open();
    Grid().SetActiveCell(2, 0);
    ASSERT_TRUE(Grid().GetActiveCell());
    platform::SendMessage(dialog_->Handle(), WM_USER_DELETEZELLENKOMPONENTE, 0, 0);
    EXPECT_FALSE(Grid().GetActiveCell());
}

TEST_F(Marking, Screenshot)
{
    Open();
    Mark(TMarkedObject::tagSollwert, 1);
    dialog_->show();
    SaveScreenshot(*dialog_, "gp_step1.png");
}

// The table of the marked parameters.
struct TableCase {
    const char* name;
    int columns;
    std::vector<std::vector<std::string>> rows;
    bool built;
    std::vector<std::string> lines;
};

class ParamTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(ParamTable, Lines)
{
    const TableCase& c = GetParam();
    TDrawGridSE grid;
    grid.SetColCount(c.columns);
    for (const auto& texts : c.rows) {
        const int row = grid.AddRow();
        for (std::size_t column = 0; column < texts.size(); ++column) {
            TCell cell;
            cell.Text = texts[column];
            grid.SetCell(static_cast<int>(column), row, cell);
        }
    }
    std::vector<std::string> lines{"old"};
    EXPECT_EQ(ParamTableToStringList(&grid, &lines), c.built);
    EXPECT_EQ(lines, c.lines);
}

const std::string Frame8712 = "+--------+-------+------------+";

INSTANTIATE_TEST_SUITE_P(
    GlobalParam, ParamTable,
    ::testing::Values(
        TableCase{"TwoRows", 3, {{"Sollwert", "21,5 \xB0""C", "Nicht \xE4ndern"}, {"Grenze", "ab", "\xC4ndern"}}, true,
                  {Frame8712, "|Sollwert|21,5 \xB0""C|Nicht \xE4ndern|", Frame8712, "|Grenze  |ab     |\xC4ndern      |",
                   Frame8712}},
        TableCase{"OneRow", 3, {{"A", "B", "C"}}, true, {"+-+-+-+", "|A|B|C|", "+-+-+-+"}},
        TableCase{"AnEmptyColumn", 3, {{"Titel", "", "x"}}, true, {"+-----++-+", "|Titel||x|", "+-----++-+"}},
        TableCase{"TwoColumns", 2, {{"Titel", "Wert"}}, true, {"+-----+----++", "|Titel|Wert|", "+-----+----++"}},
        TableCase{"NoRows", 3, {}, true, {"++++", "++++"}},
        TableCase{"FourColumns", 4, {{"a", "b", "c", "d"}}, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParamTableInput, NoGridOrNoListIsNoTable)
{
    std::vector<std::string> lines{"old"};
    EXPECT_FALSE(ParamTableToStringList(nullptr, &lines));
    EXPECT_TRUE(lines.empty());
    TDrawGridSE grid;
    EXPECT_FALSE(ParamTableToStringList(&grid, nullptr));
}

struct LengthCase {
    const char* text;
    int width;
    const char* result;
};

class NewStringLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(NewStringLength, CutOrFilled)
{
    EXPECT_EQ(SetNewStringLength(GetParam().text, GetParam().width), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(GlobalParam, NewStringLength,
                         ::testing::Values(LengthCase{"ab", 7, "ab     "}, LengthCase{"abcdef", 3, "abc"},
                                           LengthCase{"abc", 3, "abc"}, LengthCase{"abc", 0, ""},
                                           LengthCase{"", 2, "  "}));

} // namespace
