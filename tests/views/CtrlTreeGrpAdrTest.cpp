#include "outside/addrlink/AddrlinkTypes.h"
#include "tests/device/GrpAdrFixture.h"
#include "tests/views/GrpAdrExpansion.h"
#include "tests/views/TreeTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The group-address folder of the demo project's device in a function tree; expanding a node
// loads the groups and fills the level below its children, as the configuration window does.
class GroupAddressTree : public grpadrtest::GrpAdrTest {
protected:
    GroupAddressTree()
    {
        viewstest::BindCompare(tree, ctrl);
        tree.SetSortType(stData);
        ctrl.SetDeviceInstanz(device_.get());
    }

    void Open(int levels)
    {
        dataModule_.Level = levels;
        device_->GetGrpAdrFromServer();
        ctrl.MakeGrpAdrFolder(device_->MainGroupNodes.Map(), device_->GrpAdrOrdner.get());
    }
    void Expand(TTreeNode* node)
    {
        ASSERT_NE(node, nullptr);
        ASSERT_NE(device_->LoadGrpAdr(), nullptr);
        node->setExpanded(true);
        viewstest::FillGroupLevels(ctrl, tree, *node, *device_->EtsGruppenAdressen, device_->GrpAdrNodes.Map(),
                                   dataModule_.Level == 3);
    }
    TTreeNode* Folder() const { return ctrl.GetNodeFromData(device_->GrpAdrOrdner.get()); }
    TTreeNode* MainGroup(int number) const { return ctrl.GetNodeFromData(device_->MainGroupNodes.Find(number)); }
    std::string Outline() const { return viewstest::Outline(tree); }

    TTreeView tree;
    TCtrlTree ctrl{&tree};
};

TEST_F(GroupAddressTree, TheFolderShowsItsMainGroupsAndCanBeExpandedBeforeTheyAreLoaded)
{
    Open(3);
    EXPECT_EQ(Outline(), "Gruppenadressen[Zentral, Beleuchtung, Heizung, Jalousie]");
    EXPECT_TRUE(Folder()->HasChildren());
    EXPECT_EQ(Folder()->ImageIndex(), ICON_GRP_ADR_ORDNER);
    EXPECT_EQ(MainGroup(1)->ImageIndex(), ICON_GRP_ADR_MAIN);
    EXPECT_FALSE(device_->GrpAdrLoaded);
}

TEST_F(GroupAddressTree, ThreeLevelsFillOneLevelAheadOnFirstExpansion)
{
    Open(3);
    Expand(Folder());
    EXPECT_EQ(Outline(), "Gruppenadressen+[Zentral[Zeit, Zentral], Beleuchtung[Erdgeschoss, Obergeschoss], "
                         "Heizung[Istwerte, Sollwerte, Betriebsarten], Jalousie[Erdgeschoss, K\xFC"
                         "che]]");

    Expand(MainGroup(1));
    EXPECT_EQ(viewstest::Outline(*MainGroup(1)),
              "Beleuchtung+[Erdgeschoss[Flur Licht, Wohnen Licht, K\xFC"
              "che Licht, Flur Licht Status], Obergeschoss[Bad Licht, Schlafen Licht, Kind Licht dimmen]]");

    const int count = tree.Count();
    Expand(Folder());
    Expand(MainGroup(1));
    EXPECT_EQ(tree.Count(), count) << "a repeated fill adds nothing";
}

TEST_F(GroupAddressTree, TwoLevelsPutTheSubGroupsBelowTheMainGroup)
{
    Open(2);
    Expand(Folder());
    EXPECT_EQ(Outline(), "Gruppenadressen+[Zentral[Uhrzeit, Datum, Zentral Aus], "
                         "Beleuchtung[Flur Licht, Wohnen Licht, K\xFC"
                         "che Licht, Flur Licht Status, Bad Licht, Schlafen Licht, Kind Licht dimmen], "
                         "Heizung[Wohnen Istwert, K\xFC"
                         "che Istwert, Wohnen Sollwert, K\xFC"
                         "che Sollwert, Wohnen Betriebsart], "
                         "Jalousie[Wohnen Jalousie Auf/Ab, Wohnen Jalousie Stopp, K\xFC"
                         "che Jalousie Auf/Ab]]");

    const int count = tree.Count();
    Expand(Folder());
    Expand(MainGroup(2));
    EXPECT_EQ(tree.Count(), count) << "a repeated fill adds nothing; sub groups have no level below";
}

TEST_F(GroupAddressTree, AGroupNewInTheProjectIsAddedBesideTheShownOnes)
{
    Open(3);
    Expand(Folder());
    Expand(MainGroup(1));
    TTreeNode* ground = MainGroup(1)->Item(0);
    ASSERT_EQ(ground->Count(), 4);
    TTreeNode* first = ground->Item(0);
    Execute("INSERT INTO sub_group (middle_group_id, number, name) VALUES (1, 9, 'Neu')");
    device_->GrpAdrLoaded = false;

    Expand(MainGroup(1));

    ASSERT_EQ(ground->Count(), 5);
    EXPECT_EQ(ground->Item(0), first) << "the shown nodes stay";
    EXPECT_EQ(ground->Item(4)->Text(), "Neu");
}

TEST_F(GroupAddressTree, MakeGrpAdrNodeTakesTheShownGroupsOutOfTheMap)
{
    Open(3);
    ASSERT_NE(device_->LoadGrpAdr(), nullptr);
    TTreeNode* lights = MainGroup(1);
    TCtrlTree::TGrpAdrMap below;
    for (const auto& [id, node] : device_->GrpAdrNodes.Map()) {
        if (node->GetTyp() == DT_SORV_GRP_ADR_MIDDLE && node->GetGroupAddress(0) >> 11 == 1)
            below.emplace(id, node);
    }
    below.emplace(99999, nullptr);
    ASSERT_EQ(below.size(), 3u);

    ctrl.MakeGrpAdrNode(&below, lights);
    EXPECT_EQ(lights->Count(), 2) << "an entry without object adds nothing";
    ctrl.MakeGrpAdrNode(&below, lights);
    EXPECT_EQ(lights->Count(), 2);
    EXPECT_EQ(below.size(), 1u) << "the shown groups are taken out";
}

} // namespace
