#include "tests/views/DropTestSupport.h"

#include "views/CtrlListView.h"

#include <gtest/gtest.h>

namespace {

using viewstest::TTestObject;

// A child list with two items: one whose object accepts the tree's object, one that accepts
// nothing, and space below them.
class ChildListDrops : public ::testing::Test {
protected:
    ChildListDrops()
    {
        list.setGeometry(0, 0, 200, 200);
        accepting.Accepts = {&sources.treeObject, &sources.listObject};
        for (TTestObject* object : {&accepting, &refusing}) {
            TListItem* item = list.Add(object->GetName(true));
            item->SetData(object);
        }
        TListItem* bare = list.Add("ohne Objekt");
        (void)bare;
        listWindow.show();
        QApplication::processEvents();
    }

    QPoint ItemCentre(int index) const { return list.visualItemRect(list.item(index)).center(); }
    QPoint Below() const { return QPoint(10, list.viewport()->height() - 5); }
    bool Over(QObject* source, QPoint at)
    {
        bool accept = true;
        ctrl.DragOver(&list, source, at.x(), at.y(), dsDragMove, accept);
        return accept;
    }

    testsupport::ScriptedUi ui;
    viewstest::DragSources sources;
    TTestObject accepting{31, 0, 6554, "Bet\xE4tigung"};
    TTestObject refusing{32, 0, 6576, "Regler"};
    QWidget listWindow;
    TListView list{&listWindow};
    TCtrlListView ctrl{&list};
};

TEST_F(ChildListDrops, ANodeOfATreeIsAcceptedWhereTheItemsObjectAllowsIt)
{
    EXPECT_TRUE(Over(&sources.sourceTree, ItemCentre(0)));
    ctrl.DragDrop(&list, &sources.sourceTree, ItemCentre(0).x(), ItemCentre(0).y());
    EXPECT_EQ(accepting.Dropped, std::vector<TDataBasis*>{&sources.treeObject});
    EXPECT_EQ(ui.ScreenCursor(), platform::crDefault);
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(ChildListDrops, RefusedDragsDropNothing)
{
    EXPECT_FALSE(Over(&sources.sourceTree, ItemCentre(1))) << "the item's object refuses";
    EXPECT_FALSE(Over(&sources.sourceTree, ItemCentre(2))) << "an item without object";
    EXPECT_FALSE(Over(&sources.sourceTree, Below())) << "empty space";
    EXPECT_FALSE(Over(&sources.sourceList, ItemCentre(0))) << "from a list";
    EXPECT_FALSE(Over(&list, ItemCentre(0))) << "from the list itself";
    EXPECT_FALSE(Over(&sources.derivedTree, ItemCentre(0))) << "a class derived from the tree view";
    EXPECT_FALSE(Over(nullptr, ItemCentre(0)));
    sources.sourceTree.SetSelected(nullptr);
    EXPECT_FALSE(Over(&sources.sourceTree, ItemCentre(0))) << "a tree without selection";

    for (const QPoint at : {ItemCentre(1), ItemCentre(2), Below()})
        ctrl.DragDrop(&list, &sources.derivedTree, at.x(), at.y());
    ctrl.DragDrop(&list, &sources.sourceTree, ItemCentre(0).x(), ItemCentre(0).y());
    EXPECT_TRUE(accepting.Dropped.empty());
    EXPECT_TRUE(refusing.Dropped.empty());
}

TEST_F(ChildListDrops, ADerivedListAsTargetIsNoChildList)
{
    viewstest::TDerivedListView derived(&listWindow);
    TListItem* item = derived.Add("x");
    item->SetData(&accepting);
    derived.show();
    const QPoint at = derived.visualItemRect(item).center();
    bool accept = true;
    ctrl.DragOver(&derived, &sources.sourceTree, at.x(), at.y(), dsDragMove, accept);
    EXPECT_FALSE(accept);
}

TEST_F(ChildListDrops, AnotherWindowsTreeCountsLikeOnesOwn)
{
    QWidget otherWindow;
    TTreeView otherTree(&otherWindow);
    TTreeNode* node = otherTree.Add("Taste 9");
    TTestObject other{41, 0, 6555, "Taste 9"};
    node->SetData(&other);
    otherTree.SetSelected(node);
    accepting.Accepts.insert(&other);

    EXPECT_TRUE(Over(&otherTree, ItemCentre(0)));
    ctrl.DragDrop(&list, &otherTree, ItemCentre(0).x(), ItemCentre(0).y());
    EXPECT_EQ(accepting.Dropped, std::vector<TDataBasis*>{&other});
}

TEST_F(ChildListDrops, AFailingDropIsShownAndTheCursorRestored)
{
    accepting.ThrowOnDrop = "Taste belegt";
    platform::TCursor during = 0;
    ctrl.DragDrop(&list, &sources.sourceTree, ItemCentre(0).x(), ItemCentre(0).y());
    for (const auto& call : ui.calls(testsupport::ScriptedUi::CallKind::Cursor))
        during = call.value == platform::crHourGlass ? call.value : during;

    EXPECT_EQ(during, platform::crHourGlass);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "Taste belegt");
    EXPECT_EQ(ui.boxes()[0].caption, "TCtrlListView::DragDrop");
    EXPECT_EQ(ui.boxes()[0].style, platform::MB_OK);
    EXPECT_EQ(ui.ScreenCursor(), platform::crDefault);
}

TEST_F(ChildListDrops, AFailingDropTestIsShownAndRefuses)
{
    accepting.ThrowOnAllowDrop = "kaputt";
    EXPECT_FALSE(Over(&sources.sourceTree, ItemCentre(0)));
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].caption, "CtrlListView::DragOver");
    EXPECT_EQ(ui.boxes()[0].text, "kaputt");
}

} // namespace
