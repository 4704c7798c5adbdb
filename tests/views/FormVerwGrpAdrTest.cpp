#include "outside/addrlink/AddrlinkTypes.h"
#include "tests/device/GrpAdrFixture.h"
#include "tests/views/TreeTestSupport.h"
#include "views/FormVerw.h"
#include "views/ViewMessages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A configuration window on the demo project's device, its group-address folder made as the
// device model makes it; the main window loads the groups when the window asks.
class ConfigWindowGroups : public grpadrtest::GrpAdrTest {
protected:
    ConfigWindowGroups()
    {
        window_.AnswerWith([this](const testsupport::RecordingWindow::Message& message) -> platform::LRESULT {
            if (message.message != WM_USER_LOADGRPADR)
                return 0;
            return allowLoad_ && device_->LoadGrpAdr() != nullptr ? 1 : 0;
        });
    }

    void Open(int levels)
    {
        dataModule_.Level = levels;
        device_->GetGrpAdrFromServer();
        form_.SetDeviceInstanz(device_.get());
        form_.InitData({}, window_.handle());
        form_.InitGrpAdr(window_.handle(), device_->GrpAdrOrdner.get(), device_->MainGroupNodes, device_->GrpAdrNodes);
    }

    TTreeNode* Folder() const { return form_.GetNodeFromData(device_->GrpAdrOrdner.get()); }
    TTreeNode* MainGroup(int number) const { return form_.GetNodeFromData(device_->MainGroupNodes.Find(number)); }
    std::string Outline() const { return viewstest::Outline(*form_.Tree); }
    long LoadRequests() const
    {
        return std::count_if(window_.messages().begin(), window_.messages().end(),
                             [](const auto& m) { return m.message == WM_USER_LOADGRPADR; });
    }

    bool allowLoad_ = true;
    TFormVerw form_{nullptr, 0};
};

TEST_F(ConfigWindowGroups, ThreeLevelsShowTheMainGroupsEachWithItsMiddleGroups)
{
    Open(3);
    Folder()->Expand(false);
    EXPECT_EQ(LoadRequests(), 1);
    EXPECT_EQ(Outline(), "Gruppenadressen+[Zentral[Zeit, Zentral], Beleuchtung[Erdgeschoss, Obergeschoss], "
                         "Heizung[Istwerte, Sollwerte, Betriebsarten], Jalousie[Erdgeschoss, K\xFC"
                         "che]]");
    MainGroup(1)->Expand(false);
    EXPECT_EQ(viewstest::Outline(*MainGroup(1)),
              "Beleuchtung+[Erdgeschoss[Flur Licht, Wohnen Licht, K\xFC"
              "che Licht, Flur Licht Status], Obergeschoss[Bad Licht, Schlafen Licht, Kind Licht dimmen]]");
    EXPECT_EQ(LoadRequests(), 1) << "only the folder asks for the groups";
    EXPECT_EQ(form_.Tree->SortType(), stData);
}

TEST_F(ConfigWindowGroups, TwoLevelsShowTheSubGroupsDirectlyBelowTheMainGroups)
{
    Open(2);
    Folder()->Expand(false);
    EXPECT_EQ(Outline(), "Gruppenadressen+[Zentral[Uhrzeit, Datum, Zentral Aus], "
                         "Beleuchtung[Flur Licht, Wohnen Licht, K\xFC"
                         "che Licht, Flur Licht Status, Bad Licht, Schlafen Licht, Kind Licht dimmen], "
                         "Heizung[Wohnen Istwert, K\xFC"
                         "che Istwert, Wohnen Sollwert, K\xFC"
                         "che Sollwert, Wohnen Betriebsart], "
                         "Jalousie[Wohnen Jalousie Auf/Ab, Wohnen Jalousie Stopp, K\xFC"
                         "che Jalousie Auf/Ab]]");
}

TEST_F(ConfigWindowGroups, ARefusedLoadLeavesTheFolderCollapsed)
{
    Open(3);
    allowLoad_ = false;
    Folder()->Expand(false);
    EXPECT_EQ(LoadRequests(), 1);
    EXPECT_FALSE(Folder()->isExpanded());
    EXPECT_EQ(MainGroup(1)->Count(), 0);
    EXPECT_FALSE(device_->GrpAdrLoaded);
}

TEST_F(ConfigWindowGroups, ANewAddressAddsOnlyTheNodesMissingAndReportsTheirParent)
{
    Open(3);
    Folder()->Expand(false);
    MainGroup(1)->Expand(false);
    TSorvGrpAdrSub* sub = SubNode(1 * 2048 + 0 * 256 + 1);
    ASSERT_NE(sub, nullptr);
    TSorvGrpAdrBasis* main = device_->MainGroupNodes.Find(1);
    TSorvGrpAdrBasis* middle = nullptr;
    for (const auto& [id, node] : device_->GrpAdrNodes.Map())
        if (node->GetTyp() == DT_SORV_GRP_ADR_MIDDLE && form_.GetNodeFromData(node)
            && form_.GetNodeFromData(node)->Parent() == MainGroup(1) && !middle)
            middle = node;
    ASSERT_NE(middle, nullptr);
    TTreeNode* subNode = form_.GetNodeFromData(sub);
    if (subNode)
        form_.DeleteNode(nullptr, sub);
    window_.clear();

    form_.CreateGroupAddressNodes(main, middle, sub, true);
    testsupport::DeliverPostedMessages();
    ASSERT_NE(form_.GetNodeFromData(sub), nullptr);
    const testsupport::RecordingWindow::Message reported{WM_USER_GRPADRNODESCREATED, 1,
                                                         reinterpret_cast<platform::LPARAM>(
                                                             static_cast<TDataBasis*>(middle))};
    EXPECT_EQ(window_.messages(), std::vector<testsupport::RecordingWindow::Message>{reported});

    window_.clear();
    form_.CreateGroupAddressNodes(main, middle, sub, false);
    testsupport::DeliverPostedMessages();
    EXPECT_TRUE(window_.messages().empty()) << "all three have nodes: nothing is added or posted";
}

TEST_F(ConfigWindowGroups, WithoutTheFolderNoNodeIsAdded)
{
    form_.CreateGroupAddressNodes(nullptr, nullptr, nullptr, true);
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes().front().text, "Can't find Groupaddress folder.");
    EXPECT_EQ(ui_.boxes().front().caption, "error (TDeviceInstanz::InsertGrpAdr)");
}

TEST_F(ConfigWindowGroups, ExpandedGroupNodesAreNeverStored)
{
    Open(3);
    Folder()->Expand(false);
    MainGroup(1)->Expand(false);
    main_.Windows = {&form_};
    device_->GetStatusFormAllFormVerw();
    EXPECT_TRUE(form_.ExpandedTreeNodes().empty());
}

} // namespace
