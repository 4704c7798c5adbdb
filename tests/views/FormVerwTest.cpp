#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "outside/datacore/MainWindowMessages.h"
#include "tests/views/FormVerwFixture.h"
#include "views/DrawGridSEView.h"
#include "views/ListView.h"
#include "views/ViewMessages.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QSplitter>
#include <QTest>

#include <algorithm>

namespace viewstest {
namespace {

std::int32_t ReadInt(const std::string& file, std::string_view key, std::int32_t missing = -999)
{
    std::int32_t value = 0;
    TMyRegistry().ReadIniInteger(file, SECTION_WINDOW, key, missing, value);
    return value;
}

using ConfigWindow = ConfigWindowTest;

TEST_F(ConfigWindow, CaptionCarriesTheNumberAndTheThirdWindowOpensTwentyPixelsFurther)
{
    const TMyRegistry settings;
    settings.WriteIniInteger(dm_->IniFileName, SECTION_WINDOW, KEY_VERWTOP, 30);
    settings.WriteIniInteger(dm_->IniFileName, SECTION_WINDOW, KEY_VERWLEFT, 40);
    TFormVerw& first = NewWindow();
    QPointer<TFormVerw> second = &NewWindow();
    const int firstNumber = first.GetWindowNumber();
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Projektierung:%1").arg(firstNumber));
    EXPECT_EQ(first.parentWidget()->geometry().topLeft(), QPoint(40, 30));

    second->parentWidget()->close();
    Deliver();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(second.isNull());

    TFormVerw& third = NewWindow();
    EXPECT_EQ(third.GetWindowNumber(), firstNumber + 2);
    EXPECT_EQ(third.windowTitle(), QStringLiteral("Projektierung:%1").arg(firstNumber + 2));
    EXPECT_EQ(third.parentWidget()->geometry().topLeft(), QPoint(60, 50));
}

TEST_F(ConfigWindow, ClosingTheFirstWindowMinimisesItAndALaterOneGoes)
{
    QPointer<TFormVerw> first = &NewWindow();
    QPointer<TFormVerw> second = &NewWindow();
    ASSERT_EQ(first->GetWindowNumber(), 0);
    first->parentWidget()->close();
    second->parentWidget()->close();
    Deliver();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(first->parentWidget()->isMinimized());
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(main_->GetListFormVerw().size(), 1u);
}

TEST_F(ConfigWindow, AMaximisedWindowStoresItsStateAndTreeWidthOnly)
{
    const TMyRegistry settings;
    const std::string& ini = dm_->IniFileName;
    for (const auto key : {KEY_VERWTOP, KEY_VERWLEFT, KEY_VERWHEIGHT, KEY_VERWWIDTH})
        settings.WriteIniInteger(ini, SECTION_WINDOW, key, 77);
    TFormVerw& window = NewWindow();
    window.Splitter1->setSizes({150, 300});
    window.parentWidget()->showMaximized();
    Deliver();
    window.SetRegData();
    EXPECT_EQ(ReadInt(ini, KEY_VERWSTATE), 2);
    EXPECT_EQ(ReadInt(ini, KEY_TREEWIDTH), window.Splitter1->sizes().at(0));
    for (const auto key : {KEY_VERWTOP, KEY_VERWLEFT, KEY_VERWHEIGHT, KEY_VERWWIDTH})
        EXPECT_EQ(ReadInt(ini, key), 77) << key;

    window.parentWidget()->showNormal();
    window.parentWidget()->setGeometry(5, 6, 500, 320);
    window.SetRegData();
    EXPECT_EQ(ReadInt(ini, KEY_VERWSTATE), 0);
    EXPECT_EQ(ReadInt(ini, KEY_VERWTOP), 6);
    EXPECT_EQ(ReadInt(ini, KEY_VERWLEFT), 5);
    EXPECT_EQ(ReadInt(ini, KEY_VERWWIDTH), 500);
}

TEST_F(ConfigWindow, InitDataSelectsTheRootAndBuildsTheRightPaneOnceFromIt)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    Fill(window);
    EXPECT_EQ(window.GetSelData(), map_.at(1));
    const auto built = std::count_if(recorder_.messages().begin(), recorder_.messages().end(),
                                     [](const auto& m) { return m.message == WM_USER_INFOWINDOWBUILT; });
    EXPECT_EQ(built, 1);
    EXPECT_TRUE(window.ListView->isVisibleTo(&window));
    EXPECT_EQ(window.ListView->Count(), 2); // the root's two children
}

TEST_F(ConfigWindow, AChildListShowsTheChildrenWithTheirIconsAndTheWidestCaptionPlusFifty)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    Fill(window);
    recorder_.clear();
    window.SelectNode(map_.at(2));
    Deliver();
    ASSERT_EQ(window.ListView->Count(), 3);
    std::vector<std::string> captions;
    int widest = 0;
    for (int i = 0; i < 3; ++i) {
        captions.push_back(window.ListView->Item(i)->Caption());
        widest = std::max(widest, window.ListView->fontMetrics().horizontalAdvance(window.ListView->Item(i)->text()));
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Taste 1", "Taste 2 mit langem Namen", "Taste 3"}));
    EXPECT_EQ(window.ListView->Item(2)->ImageIndex(), 5);
    EXPECT_EQ(window.ListView->Item(2)->Data(), map_.at(5));
    EXPECT_EQ(window.ListView->ColumnWidth(), widest + 50);
    EXPECT_FALSE(window.GridView->isVisibleTo(&window));
    EXPECT_TRUE(std::find(recorder_.messages().begin(), recorder_.messages().end(),
                          testsupport::RecordingWindow::Message{WM_USER_UPDATEPREVIEW, 0,
                                                                reinterpret_cast<platform::LPARAM>(map_.at(2))})
                != recorder_.messages().end());

    window.ListView->SetSelected(window.ListView->Item(1));
    window.ListViewDblClick();
    EXPECT_EQ(window.GetSelData(), map_.at(4));
}

TEST_F(ConfigWindow, ANodeWithoutChildrenNamesItselfRatherThanShowAnEmptyPane)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    Fill(window);
    window.SelectNode(map_.at(3));
    Deliver();
    ASSERT_EQ(window.ListView->Count(), 1);
    EXPECT_EQ(window.ListView->Item(0)->Caption(), "Taste 1");
    EXPECT_EQ(window.ListView->Item(0)->ImageIndex(), 4);
    EXPECT_EQ(window.ListView->Item(0)->Data(), nullptr) << "a caption, not an object to open";
    window.ListView->SetSelected(window.ListView->Item(0));
    window.ListViewDblClick();
    EXPECT_EQ(window.GetSelData(), map_.at(3));
}

struct ViewCase {
    const char* name;
    bool autoActivate;
    int row;
    TTestObject::TBuild build;
    bool gridFocus;
};

class ConfigWindowGrid : public ConfigWindowTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(ConfigWindowGrid, TheDataObjectFillsTheGridAtTheCellTheOptionsName)
{
    dm_->fTableAutoCellActivate = GetParam().autoActivate;
    dm_->TableAutoCellActivateRow = GetParam().row;
    BuildDevice();
    TFormVerw& window = NewWindow();
    ShowMain();
    Fill(window);
    window.Tree->setFocus();
    window.SelectNode(map_.at(6));
    Deliver();
    const TTestObject& grid = Object(6);
    ASSERT_EQ(grid.Builds.size(), 1u);
    EXPECT_EQ(grid.Builds.front(), GetParam().build);
    EXPECT_TRUE(window.GridView->isVisibleTo(&window));
    EXPECT_FALSE(window.ListView->isVisibleTo(&window));
    EXPECT_EQ(window.GridView->Grid().GetRowCount(), 3);
    // The grid takes the focus for a cell to activate; the tree, which had it, gets it back.
    EXPECT_EQ(grid.Builds.front().Focus == window.GridView, GetParam().gridFocus);
    EXPECT_TRUE(window.Tree->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Options, ConfigWindowGrid,
                         ::testing::Values(ViewCase{"AutoActivateRow3", true, 3, {true, false, 1, 3}, true},
                                           ViewCase{"NoAutoActivate", false, 3, {true, false, -1, -1}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ActionCase {
    const char* name;
    int typ;
    bool globalParameterEnabled;
    bool link;
    bool global;
};

class ConfigWindowActions : public ConfigWindowTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ConfigWindowActions, FollowTheSelectedObjectsType)
{
    dm_->fEnableGlobalParameter = true; // the command shows only with the option
    BuildDevice();
    TFormVerw& window = NewWindow();
    Fill(window);
    TTestObject& object = Make(20, 1, GetParam().typ, "Objekt", 9);
    object.GlobalParameter = GetParam().globalParameterEnabled;
    TTreeNode* node = window.AddChildNode2Data(map_.at(1), &object, false);
    ASSERT_NE(node, nullptr);
    dm_->ALinkObjToGrpAddr->setEnabled(!GetParam().link);
    dm_->AGlobalParameter->setEnabled(!GetParam().global);
    window.CheckActionList(node);
    EXPECT_EQ(dm_->ALinkObjToGrpAddr->isEnabled(), GetParam().link);
    EXPECT_EQ(dm_->AGlobalParameter->isEnabled(), GetParam().global);
}

INSTANTIATE_TEST_SUITE_P(Types, ConfigWindowActions,
                         ::testing::Values(ActionCase{"CommunicationObject", 806, true, true, false},
                                           ActionCase{"SecondObjectKind", 807, false, true, false},
                                           ActionCase{"KeyFunctionInTheCopy", 6558, true, false, true},
                                           ActionCase{"KeyNotInTheCopy", 6555, false, false, false},
                                           ActionCase{"OtherInTheCopy", 6576, true, false, true},
                                           ActionCase{"OtherNotInTheCopy", 6582, false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigWindow, ANodeWithoutDataObjectDisablesBothCommands)
{
    TFormVerw& window = NewWindow();
    TTreeNode* node = window.Tree->Add("leer");
    dm_->ALinkObjToGrpAddr->setEnabled(true);
    dm_->AGlobalParameter->setEnabled(true);
    window.CheckActionList(node);
    EXPECT_FALSE(dm_->ALinkObjToGrpAddr->isEnabled());
    EXPECT_FALSE(dm_->AGlobalParameter->isEnabled());
}

TEST_F(ConfigWindow, ARightClickOnANodeSelectsItAndOpensThePopupBesideItNothing)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    ShowMain();
    Fill(window);
    TTreeNode* node = window.GetNodeFromData(map_.at(6));
    ASSERT_NE(node, nullptr);
    const QPoint onNode = window.Tree->visualItemRect(node).center();
    QTest::mouseClick(window.Tree->viewport(), Qt::RightButton, Qt::NoModifier, onNode);
    EXPECT_EQ(window.GetSelData(), map_.at(6));
    EXPECT_TRUE(window.PopupMenu1->isVisible());
    window.PopupMenu1->hide();

    const QPoint beside(window.Tree->viewport()->width() - 2, window.Tree->viewport()->height() - 2);
    ASSERT_EQ(window.Tree->GetNodeAt(beside.x(), beside.y()), nullptr);
    QTest::mouseClick(window.Tree->viewport(), Qt::RightButton, Qt::NoModifier, beside);
    EXPECT_FALSE(window.PopupMenu1->isVisible());
    EXPECT_EQ(window.GetSelData(), map_.at(6));
}

TEST_F(ConfigWindow, ThePopupHoldsTheCommandsInTheirOrder)
{
    TFormVerw& window = NewWindow();
    const QList<QAction*> items = window.PopupMenu1->actions();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[0], dm_->AExpand);
    EXPECT_EQ(items[1], dm_->ACollapse);
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3], dm_->ALinkObjToGrpAddr);
    EXPECT_TRUE(items[4]->isSeparator());
    EXPECT_FALSE(items[4]->isVisible()); // no global parameters without the option
    EXPECT_EQ(items[5], dm_->AGlobalParameter);
}

// Plain Ctrl+A is the command's shortcut and expands; with Shift it reaches the key handler,
// which collapses; Ctrl+E with Alt expands again.
TEST_F(ConfigWindow, ControlAExpandsByShortcutAndCollapsesWithShift)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    ShowMain();
    Fill(window);
    ASSERT_EQ(FormVerw, &window);
    window.Tree->setFocus();
    TTreeNode* list = window.GetNodeFromData(map_.at(2));
    ASSERT_NE(list, nullptr);
    QTest::keyClick(window.Tree, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(list->isExpanded());
    QTest::keyClick(window.Tree, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(list->isExpanded());
    QTest::keyClick(window.Tree, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(list->isExpanded());
}

// With a cell editor focused its keys are its own: Ctrl+A selects its text, the tree stays.
TEST_F(ConfigWindow, ControlAInAnOpenCellEditorSelectsItsTextAndLeavesTheTree)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    ShowMain();
    Fill(window);
    window.SelectNode(map_.at(6));
    Deliver();
    window.GridView->setFocus();
    window.GridView->SetActiveCell(1, 0);
    QWidget* editor = window.GridView->EditorWidget();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    const bool expanded = window.GetNodeFromData(map_.at(2))->isExpanded();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window.GetNodeFromData(map_.at(2))->isExpanded(), expanded);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(window.GetNodeFromData(map_.at(2))->isExpanded(), expanded);
    EXPECT_EQ(window.GridView->EditorWidget(), editor) << "the editor is still open";
}

TEST_F(ConfigWindow, FSixMovesTheFocusFromTheTreeToTheRightPaneAndBack)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    ShowMain();
    Fill(window);
    window.Tree->setFocus();
    QTest::keyClick(window.Tree, Qt::Key_F6);
    EXPECT_TRUE(window.ListView->hasFocus()); // the root shows its child list
    QTest::keyClick(window.ListView, Qt::Key_F6);
    EXPECT_TRUE(window.Tree->hasFocus());

    window.SelectNode(map_.at(6));
    Deliver();
    window.Tree->setFocus();
    QTest::keyClick(window.Tree, Qt::Key_F6);
    EXPECT_TRUE(window.GridHasFocus());
}

TEST_F(ConfigWindow, FSixInAnOpenCellEditorClosesItFirstThenTheTreeTakesTheFocus)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    ShowMain();
    Fill(window);
    window.SelectNode(map_.at(6));
    Deliver();
    window.GridView->setFocus();
    window.GridView->SetActiveCell(1, 0);
    ASSERT_TRUE(window.GridView->Grid().GetActiveCell());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_TRUE(window.GridView->Grid().GetActiveCell()); // posted: the editor goes next
    Deliver();
    EXPECT_FALSE(window.GridView->Grid().GetActiveCell());
    EXPECT_TRUE(window.Tree->hasFocus());
}

TEST_F(ConfigWindow, ControlNAsksTheMainWindowForAnotherWindow)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    ShowMain();
    Fill(window);
    window.Tree->setFocus();
    recorder_.clear();
    window.FormKeyDown('N', Qt::ControlModifier);
    Deliver();
    EXPECT_EQ(recorder_.messages().back(), (testsupport::RecordingWindow::Message{WM_USER_NEWFORMVERW, 0, 0}));
}

TEST_F(ConfigWindow, ExpandedNodeListsKeepTheHandlesAndPutTheSelectedOneFirst)
{
    BuildDevice();
    TFormVerw& window = NewWindow();
    Fill(window);
    window.SetListExpandedTreeNodes(std::list<int>{5, 7, 9});
    window.SetListExpandedTreeNodes(std::vector<std::string>{});
    EXPECT_EQ(window.ExpandedTreeNodes(), (std::list<int>{5, 7, 9}));
    window.SelectNode(map_.at(6));
    std::vector<std::string> lines{"old"};
    window.GetListExpandedTreeNodes(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"6", "5", "7", "9"}));

    // The stored form only keeps the handles: nothing is expanded or selected from them.
    window.SetListExpandedTreeNodes(std::vector<std::string>{"2", "kaputt", "1"});
    EXPECT_EQ(window.ExpandedTreeNodes(), (std::list<int>{2, 1}));
    EXPECT_FALSE(window.GetNodeFromData(map_.at(2))->isExpanded());
    EXPECT_EQ(window.GetSelData(), map_.at(6));
}

} // namespace
} // namespace viewstest
