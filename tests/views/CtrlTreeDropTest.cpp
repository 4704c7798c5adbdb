#include "tests/views/DropTestSupport.h"

#include "views/CtrlTree.h"

#include <QDropEvent>
#include <QMimeData>

#include <gtest/gtest.h>

#include <memory>

namespace {

using viewstest::TTestObject;

// A function tree with a node whose object accepts the dragged objects, one that accepts
// nothing, a node without object, and space below them.
class TreeDrops : public ::testing::Test {
protected:
    TreeDrops()
    {
        tree.setGeometry(0, 0, 250, 300);
        accepting.Accepts = {&sources.treeObject, &sources.listObject};
        for (TTestObject* object : {&accepting, &refusing}) {
            TTreeNode* node = tree.Add(object->GetName(true));
            node->SetData(object);
        }
        tree.Add("ohne Objekt");
        treeWindow.show();
        QApplication::processEvents();
    }

    QPoint NodeCentre(int index) const { return tree.visualItemRect(tree.topLevelItem(index)).center(); }
    QPoint Below() const { return QPoint(10, tree.viewport()->height() - 5); }
    bool Over(QObject* source, QPoint at, QObject* sender = nullptr)
    {
        bool accept = true;
        ctrl.DragOver(sender ? sender : &tree, source, at.x(), at.y(), dsDragMove, accept);
        return accept;
    }
    void Drop(QObject* source, QPoint at) { ctrl.DragDrop(&tree, source, at.x(), at.y()); }

    testsupport::ScriptedUi ui;
    viewstest::DragSources sources;
    TTestObject accepting{31, 0, 6554, "Bet\xE4tigung"};
    TTestObject refusing{32, 0, 6576, "Regler"};
    QWidget treeWindow;
    TTreeView tree{&treeWindow};
    TCtrlTree ctrl{&tree};
};

TEST_F(TreeDrops, ANodeOfATreeOrAnItemOfAListDropsWhereTheTargetAllowsIt)
{
    EXPECT_TRUE(Over(&sources.sourceTree, NodeCentre(0)));
    EXPECT_TRUE(Over(&sources.sourceList, NodeCentre(0)));
    Drop(&sources.sourceTree, NodeCentre(0));
    Drop(&sources.sourceList, NodeCentre(0));

    EXPECT_EQ(accepting.Dropped, (std::vector<TDataBasis*>{&sources.treeObject, &sources.listObject}));
    EXPECT_EQ(ui.ScreenCursor(), platform::crDefault);
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(TreeDrops, ANodeOfThisTreeDropsOntoAnotherOfIt)
{
    tree.SetSelected(TTreeNode::From(tree.topLevelItem(1)));
    accepting.Accepts.insert(&refusing);
    EXPECT_TRUE(Over(&tree, NodeCentre(0)));
    Drop(&tree, NodeCentre(0));
    EXPECT_EQ(accepting.Dropped, std::vector<TDataBasis*>{&refusing});
}

TEST_F(TreeDrops, RefusedDragsDropNothing)
{
    EXPECT_FALSE(Over(&sources.sourceTree, NodeCentre(1))) << "the node's object refuses";
    EXPECT_FALSE(Over(&sources.sourceTree, NodeCentre(2))) << "a node without object";
    EXPECT_FALSE(Over(&sources.sourceTree, Below())) << "empty space";
    EXPECT_FALSE(Over(&sources.derivedTree, NodeCentre(0))) << "a class derived from the tree view";
    EXPECT_FALSE(Over(&sources.derivedList, NodeCentre(0))) << "a class derived from the list view";
    EXPECT_FALSE(Over(&sources.window, NodeCentre(0))) << "another kind of control";
    EXPECT_FALSE(Over(&sources.sourceTree, NodeCentre(0), &sources.derivedTree)) << "a derived target";
    sources.sourceTree.SetSelected(nullptr);
    sources.sourceList.SetSelected(nullptr);
    EXPECT_FALSE(Over(&sources.sourceTree, NodeCentre(0))) << "a tree without selection";
    EXPECT_FALSE(Over(&sources.sourceList, NodeCentre(0))) << "a list without selection";

    Drop(&sources.sourceTree, NodeCentre(0));
    Drop(&sources.derivedTree, NodeCentre(0));
    EXPECT_TRUE(accepting.Dropped.empty());
    EXPECT_TRUE(refusing.Dropped.empty());
}

TEST_F(TreeDrops, AFailingDropIsShownWithItsCaptionAndTheCursorRestored)
{
    accepting.ThrowOnDrop = "Funktion kann hier nicht eingef\xFCgt werden";
    Drop(&sources.sourceTree, NodeCentre(0));

    const auto cursors = ui.calls(testsupport::ScriptedUi::CallKind::Cursor);
    ASSERT_GE(cursors.size(), 2u);
    EXPECT_EQ(cursors.front().value, platform::crHourGlass);
    EXPECT_EQ(ui.ScreenCursor(), platform::crDefault);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "Funktion kann hier nicht eingef\xFCgt werden");
    EXPECT_EQ(ui.boxes()[0].caption, "TCtrlTree::DragDrop");
    EXPECT_EQ(ui.boxes()[0].style, platform::MB_OK);
}

TEST_F(TreeDrops, AFailingDropTestIsShownAndRefuses)
{
    accepting.ThrowOnAllowDrop = "kaputt";
    EXPECT_FALSE(Over(&sources.sourceTree, NodeCentre(0)));
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].caption, "TCtrlTree::DragOver");
    EXPECT_EQ(ui.boxes()[0].text, "kaputt");
}

// The tree view with its drop handling open to the test: Qt delivers drops only while a drag of
// its own runs.
struct TOpenTreeView : TTreeView {
    using TTreeView::dropEvent;
    using TTreeView::TTreeView;
};

TEST_F(TreeDrops, ADropOnTheViewGoesToItsHandlerAndMovesNoItem)
{
    TOpenTreeView view(&treeWindow);
    view.Add("eins")->SetData(&accepting);
    view.Add("zwei")->SetData(&refusing);
    std::vector<std::pair<int, int>> drops;
    view.OnDragDrop = [&](QObject* sender, QObject*, int x, int y) {
        EXPECT_EQ(sender, &view);
        drops.emplace_back(x, y);
    };
    // The item's own data, which Qt's tree would insert as a copy or move on its own.
    std::unique_ptr<QMimeData> data(view.model()->mimeData({view.model()->index(0, 0)}));
    QDropEvent drop(QPointF(12, 7), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});

    view.dropEvent(&drop);

    EXPECT_EQ(drops, (std::vector<std::pair<int, int>>{{12, 7}}));
    EXPECT_EQ(view.Count(), 2);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "a move would make the source remove its item";
    EXPECT_TRUE(drop.isAccepted());
}

} // namespace
