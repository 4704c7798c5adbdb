#include "tests/views/TreeTestSupport.h"

#include <gtest/gtest.h>

namespace {

using viewstest::TTestObject;

constexpr int System = 111;
constexpr int Display = 6551;
constexpr int Taste = 6555;
constexpr int Betaetigung = 6554;
constexpr int Regler = 6576;
constexpr int Objekt = 806;

// System (1) with a display, a key block with keys in scrambled order, a controller with two
// communication objects, an invisible branch and an orphan.
class TreeBuild : public viewstest::DeviceTree {
protected:
    TreeBuild()
    {
        system = &Add(1, 0, System, "Talvo");
        display = &Add(2, 1, Display, "Display", 1);
        keys = &Add(3, 1, Betaetigung, "Tasten", 2);
        for (const auto& [handle, name] : std::vector<std::pair<int, std::string>>{
                 {10, "Taste 10"}, {11, "Taste 2"}, {12, "Taste 1"}, {13, "Taste 9"}, {14, "Szene"}})
            Add(handle, 3, Taste, name);
        regler = &Add(4, 1, Regler, "Regler", 3);
        Add(20, 4, Objekt, "Objekt 2");
        Add(21, 4, Objekt, "Objekt 1");
        hidden = &Add(5, 1, Regler, "Nebenstelle", 4);
        hidden->Visible = false;
        Add(22, 5, Objekt, "Objekt 3");
        Add(30, 99, Display, "Waise");
        device.SetDevice(system);
    }

    TTestObject* system = nullptr;
    TTestObject* display = nullptr;
    TTestObject* keys = nullptr;
    TTestObject* regler = nullptr;
    TTestObject* hidden = nullptr;
};

TEST_F(TreeBuild, TheDeviceBranchInPositionAndNaturalOrder)
{
    ctrl.InitTree(Map());

    EXPECT_EQ(Outline(), "Talvo+[Display, Tasten[Szene, Taste 1, Taste 2, Taste 9, Taste 10], "
                         "Regler[Objekt 1, Objekt 2]]");
    EXPECT_EQ(Selected(), "Talvo");
    EXPECT_EQ(tree.SortType(), stData);
    EXPECT_EQ(Node(*display)->ImageIndex(), display->GetIcon());
}

TEST_F(TreeBuild, IconsOfAllThreeKindsComeFromTheObject)
{
    regler->Icon = 17;
    ctrl.InitTree(Map());
    const TTreeNode* node = Node(*regler);
    EXPECT_EQ(node->ImageIndex(), 17);
    EXPECT_EQ(node->StateIndex(), 17);
    EXPECT_EQ(node->SelectedIndex(), 17);
}

TEST_F(TreeBuild, SubObjectsAppearBelowTheObjectThatReportsThem)
{
    TTestObject first(40, 0, Taste, "Wippe 1");
    TTestObject second(41, 0, Taste, "Wippe 2");
    TTestObject third(42, 0, Taste, "nicht gezeigt");
    regler->SubObjects = {&second, &first, nullptr, &third};

    ctrl.InitTree(Map());

    EXPECT_EQ(Outline(*Node(*regler)), "Regler[Objekt 1, Objekt 2, Wippe 1, Wippe 2]") << "a null ends the list";
}

TEST_F(TreeBuild, TheRootIsTheFirstObjectOfADeviceTypeInHandleOrder)
{
    system->Typ = 100; // just below the device types
    display->Typ = 115;
    regler->Typ = 101;
    ctrl.InitTree(Map());
    EXPECT_EQ(Outline(), "Display+") << "handle 2 comes before handle 4";
}

TEST_F(TreeBuild, NewBranchesAreAppendedToWhatTheTreeHolds)
{
    tree.Add("Gruppenadressen");
    ctrl.InitTree(Map());
    ASSERT_EQ(tree.TopLevelNodes().size(), 2u);
    EXPECT_EQ(tree.TopLevelNodes()[1]->Text(), "Talvo") << "nodes without data are not sorted away";
}

TEST(TreeBuildEdges, AnEmptyMapChangesNothing)
{
    TTreeView tree;
    TCtrlTree ctrl(&tree);
    int compares = 0;
    tree.OnCompare = [&](QObject*, TTreeNode*, TTreeNode*, int, int& result) {
        ++compares;
        result = 0;
    };
    tree.Add("B");
    tree.Add("A");
    tree.SetSortType(stText);
    compares = 0;

    ctrl.InitTree({});

    EXPECT_EQ(compares, 0) << "switching the sort type off and on would sort again";
    EXPECT_EQ(tree.SortType(), stText);
    EXPECT_EQ(tree.Count(), 2);
}

TEST_F(TreeBuild, WithoutAnObjectOfADeviceTypeNoBranchIsBuilt)
{
    system->Typ = 100;
    ctrl.InitTree(Map());
    EXPECT_EQ(tree.Count(), 0);
    EXPECT_EQ(tree.SortType(), stData);
}

TEST_F(TreeBuild, ARootThatIsItsOwnParentEndsTheWalk)
{
    system->SetParentHandle(1);
    ctrl.InitTree(Map());
    EXPECT_LT(tree.Count(), 40);
    EXPECT_EQ(tree.TopLevelNodes()[0]->Text(), "Talvo");
}

TEST_F(TreeBuild, ARebuildAfterAVisibilityChangeKeepsExpandedAndSelectedNodes)
{
    ctrl.InitTree(Map());
    tree.Add("Ordner")->setExpanded(false);
    Node(*regler)->setExpanded(true);
    tree.SetSelected(Node(*regler)->Item(1));
    ASSERT_EQ(Selected(), "Objekt 2");

    hidden->Visible = true;
    ctrl.UpdateSystemNode(Map());

    EXPECT_EQ(Outline(), "Ordner, Talvo+[Display, Tasten[Szene, Taste 1, Taste 2, Taste 9, Taste 10], "
                         "Regler+[Objekt 1, Objekt 2], Nebenstelle[Objekt 3]]");
    EXPECT_EQ(Selected(), "Objekt 2");
    EXPECT_TRUE(tree.updatesEnabled());
}

TEST_F(TreeBuild, ARebuildRestoresCollapsedNodes)
{
    ctrl.InitTree(Map());
    Node(*system)->setExpanded(false);
    tree.SetSelected(Node(*system));

    ctrl.UpdateSystemNode(Map());

    EXPECT_EQ(Outline(), "Talvo+[Display, Tasten[Szene, Taste 1, Taste 2, Taste 9, Taste 10], "
                         "Regler[Objekt 1, Objekt 2]]")
        << "the new root is expanded one level, as after every build";
    EXPECT_EQ(Selected(), "Talvo");
}

TEST_F(TreeBuild, ARebuildNeedsTheDeviceModelAndItsNode)
{
    TTreeView other;
    TCtrlTree withoutDevice(&other);
    withoutDevice.UpdateSystemNode(Map());
    EXPECT_EQ(other.Count(), 0);

    tree.Add("Ordner");
    ctrl.UpdateSystemNode(Map());
    EXPECT_EQ(Outline(), "Ordner") << "without the device's node nothing is built";
    EXPECT_TRUE(tree.updatesEnabled());
}

TEST_F(TreeBuild, NamesAndIconsAreReadAgainAndSorted)
{
    ctrl.InitTree(Map());
    Map().at(10)->SetName("Taste 0");
    keys->Icon = 9;

    ctrl.UpdateNamesAndIcon();

    EXPECT_EQ(Outline(*Node(*keys)), "Tasten[Szene, Taste 0, Taste 1, Taste 2, Taste 9]");
    EXPECT_EQ(Node(*keys)->ImageIndex(), 9);
    EXPECT_EQ(tree.SortType(), stBoth);
}

TEST_F(TreeBuild, AFailingNameIsSwallowedAndSortingStaysOn)
{
    ctrl.InitTree(Map());
    display->ThrowOnName = true;
    tree.SetSortType(stNone);
    EXPECT_NO_THROW(ctrl.UpdateNamesAndIcon());
    EXPECT_EQ(tree.SortType(), stBoth);
}

TEST_F(TreeBuild, NodesAreAddedFoundSelectedAndDeletedByTheirObject)
{
    ctrl.InitTree(Map());
    TTestObject& added = Add(50, 3, Taste, "Taste 5");
    TTestObject stranger(51, 0, Taste, "fremd");

    TTreeNode* node = ctrl.AddChildNode(keys, &added);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(Outline(*Node(*keys)), "Tasten[Szene, Taste 1, Taste 2, Taste 5, Taste 9, Taste 10]");
    EXPECT_EQ(ctrl.AddChildNode(&stranger, &added), nullptr);

    ctrl.SelectNode(&added);
    EXPECT_EQ(ctrl.GetSelData(), &added);
    ctrl.SelectNode(&stranger);
    EXPECT_EQ(ctrl.GetSelData(), &added);

    ctrl.DeleteNode(nullptr, keys);
    EXPECT_EQ(Node(*keys), nullptr);
    EXPECT_EQ(Node(added), nullptr);
    EXPECT_EQ(Outline(), "Talvo+[Display, Regler[Objekt 1, Objekt 2]]");
    ctrl.DeleteNode(nullptr, &stranger);
    ctrl.DeleteNode(nullptr, nullptr);
    EXPECT_EQ(Outline(), "Talvo+[Display, Regler[Objekt 1, Objekt 2]]");
}

TEST_F(TreeBuild, ExpandingAndCollapsing)
{
    ctrl.InitTree(Map());
    tree.SetSelected(Node(*keys));

    ctrl.ExpandAll();
    EXPECT_EQ(Outline(), "Talvo+[Display, Tasten+[Szene, Taste 1, Taste 2, Taste 9, Taste 10], "
                         "Regler+[Objekt 1, Objekt 2]]");
    EXPECT_EQ(Selected(), "Tasten");

    ctrl.CollapseAll();
    EXPECT_EQ(Outline(), "Talvo[Display, Tasten[Szene, Taste 1, Taste 2, Taste 9, Taste 10], "
                         "Regler[Objekt 1, Objekt 2]]");
    EXPECT_EQ(Selected(), "Talvo");

    ctrl.Expand();
    EXPECT_EQ(Outline(), "Talvo+[Display, Tasten+[Szene, Taste 1, Taste 2, Taste 9, Taste 10], "
                         "Regler+[Objekt 1, Objekt 2]]");
    tree.SetSelected(Node(*regler));
    ctrl.Collapse();
    EXPECT_EQ(Outline(), "Talvo+[Display, Tasten+[Szene, Taste 1, Taste 2, Taste 9, Taste 10], "
                         "Regler[Objekt 1, Objekt 2]]");
    EXPECT_TRUE(tree.updatesEnabled());
}

} // namespace
