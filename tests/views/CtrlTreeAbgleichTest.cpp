#include "tests/views/TreeTestSupport.h"

#include <gtest/gtest.h>

namespace {

using viewstest::TTestObject;

// Two configuration windows' trees over one device: "other" shows the whole device and a
// group-address folder expanded to its middle group; this tree was built before the controller
// became visible and has its own folder expanded down to a sub group, which is selected.
class TreeCopy : public viewstest::DeviceTree {
protected:
    TreeCopy()
    {
        system = &Add(1, 0, 111, "Talvo");
        display = &Add(2, 1, 6551, "Display", 1);
        regler = &Add(4, 1, 6576, "Regler", 3);
        Add(20, 4, 806, "Objekt 2");
        Add(21, 4, 806, "Objekt 1");
        device.SetDevice(system);
        Bind(other, otherCtrl);
        other.SetSortType(stData);

        otherCtrl.InitTree(Map());
        AddFolder(otherCtrl, other, false);
        otherCtrl.GetNodeFromData(regler)->setExpanded(true);
        otherCtrl.GetNodeFromData(&folder)->setExpanded(true);
        otherCtrl.GetNodeFromData(&main)->setExpanded(true);
        other.SetSelected(otherCtrl.GetNodeFromData(display));

        regler->Visible = false;
        ctrl.InitTree(Map());
        regler->Visible = true;
    }

    void AddFolder(TCtrlTree& control, TTreeView& view, bool withSub)
    {
        TTreeNode* folderNode = view.Add(folder.GetName(true));
        folderNode->SetData(&folder);
        folderNode->SetHasChildren(true);
        TTreeNode* middleNode = control.MakeNode(control.MakeNode(folderNode, &main), &middle);
        TTreeNode* subNode = control.MakeNode(middleNode, &sub);
        if (withSub) {
            subNode->MakeVisible();
            view.SetSelected(subNode);
        }
    }

    TTestObject* system = nullptr;
    TTestObject* display = nullptr;
    TTestObject* regler = nullptr;
    TTestObject folder{900, 0, 203, "Gruppenadressen"};
    TTestObject main{901, 0, 5001, "Hauptgruppe"};
    TTestObject middle{902, 0, 5002, "Mittelgruppe"};
    TTestObject sub{903, 0, 5003, "Adresse"};
    TTreeView other;
    TCtrlTree otherCtrl{&other};
};

TEST_F(TreeCopy, FollowingAnotherTreeKeepsOwnFolderViewAndSelection)
{
    AddFolder(ctrl, tree, true);
    int changes = 0;
    tree.OnChange = [&](TTreeNode*) { ++changes; };

    ctrl.Abgleich(&other, false);

    EXPECT_EQ(Outline(), "Gruppenadressen+[Hauptgruppe+[Mittelgruppe+[Adresse]]], "
                         "Talvo+[Display, Regler[Objekt 1, Objekt 2]]");
    EXPECT_EQ(Selected(), "Adresse");
    EXPECT_EQ(changes, 0) << "the window rebuilds its pane itself";
    ASSERT_TRUE(tree.OnChange) << "the change handler is back";
    EXPECT_EQ(tree.SortType(), stBoth);
    EXPECT_EQ(other.SortType(), stBoth);
    EXPECT_EQ(Outline(other), "Gruppenadressen+[Hauptgruppe+[Mittelgruppe[Adresse]]], "
                              "Talvo+[Display, Regler+[Objekt 1, Objekt 2]]")
        << "the other tree is only sorted";
}

TEST_F(TreeCopy, TakingOverAnotherTreeTakesItsViewAndSelection)
{
    AddFolder(ctrl, tree, true);

    ctrl.Abgleich(&other, true);

    EXPECT_EQ(Outline(), "Gruppenadressen+[Hauptgruppe+[Mittelgruppe+[Adresse]]], "
                         "Talvo+[Display, Regler+[Objekt 1, Objekt 2]]");
    EXPECT_EQ(Selected(), "Display");
}

TEST_F(TreeCopy, AFolderIsCopiedWithoutMiddleAndSubGroups)
{
    ctrl.Abgleich(&other, true);

    EXPECT_EQ(Outline(), "Gruppenadressen+[Hauptgruppe], Talvo+[Display, Regler+[Objekt 1, Objekt 2]]");
    const TTreeNode* copiedMain = Node(main);
    ASSERT_NE(copiedMain, nullptr);
    EXPECT_TRUE(copiedMain->HasChildren()) << "filled again when expanded";
    EXPECT_EQ(Node(middle), nullptr);
    EXPECT_EQ(Node(*regler)->Data(), regler);
    EXPECT_EQ(Node(*regler)->ImageIndex(), otherCtrl.GetNodeFromData(regler)->ImageIndex());
}

TEST_F(TreeCopy, NodesWithoutObjectStayAndAreNotCopied)
{
    tree.Add("lokal");
    other.Add("fremd");
    ctrl.Abgleich(&other, false);
    EXPECT_EQ(Outline(), "lokal, Gruppenadressen[Hauptgruppe], Talvo+[Display, Regler[Objekt 1, Objekt 2]]");
}

} // namespace
