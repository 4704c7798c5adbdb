#include "host/ProjectDatabase.h"
#include "outside/hostdata/EtsGruppenAdressen.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using hosttest::DemoProjectTest;

// The loaded groups as text lines: "main", "main/middle" and "main/middle/sub name [type]".
std::vector<std::string> Walk(TEtsGruppenAdressen& groups)
{
    std::vector<std::string> lines;
    for (TEtsMainGroup* main = groups.GetMainGroupFirst(); main; main = groups.GetMainGroupNext()) {
        lines.push_back(std::to_string(main->GetNumber()) + " " + main->GetName());
        for (TEtsMiddleGroup* middle = groups.GetMiddleGroupFirst(main); middle;
             middle = groups.GetMiddleGroupNext(main)) {
            lines.push_back(std::to_string(main->GetNumber()) + "/" + std::to_string(middle->GetNumber()) + " " +
                            middle->GetName());
            for (TEtsSubGroup* sub = groups.GetSubGroupFirst(middle); sub; sub = groups.GetSubGroupNext(middle))
                lines.push_back(groups.GrpAddrString(sub->GetEtsId()) + " " + sub->GetName() + " [" +
                                std::to_string(sub->GetTyp()) + "]");
        }
    }
    return lines;
}

class EtsGruppenAdressenTest : public DemoProjectTest {
protected:
    EtsGruppenAdressenTest() : link_(path_), groups_(&link_, hosttest::WohnenDevice) {}

    TEtsSubGroup* FindSub(std::uint16_t address)
    {
        for (TEtsMainGroup* main = groups_.GetMainGroupFirst(); main; main = groups_.GetMainGroupNext())
            for (TEtsMiddleGroup* middle = groups_.GetMiddleGroupFirst(main); middle;
                 middle = groups_.GetMiddleGroupNext(main))
                for (TEtsSubGroup* sub = groups_.GetSubGroupFirst(middle); sub; sub = groups_.GetSubGroupNext(middle))
                    if (sub->GetGrpAddr() == address)
                        return sub;
        return nullptr;
    }

    TEts2CdiFaults link_;
    TEtsGruppenAdressen groups_;
};

TEST_F(EtsGruppenAdressenTest, MainGroupsComeFirstAndMiddleAndSubGroupsOnRequest)
{
    ASSERT_TRUE(groups_.LoadAllMainGroups(hosttest::WohnenDevice));
    EXPECT_EQ((std::vector<std::string>{"1 Beleuchtung", "2 Heizung", "3 Jalousie", "0 Zentral"}), Walk(groups_));

    ASSERT_TRUE(groups_.LoadMidSubGroups());
    EXPECT_EQ((std::vector<std::string>{"1 Beleuchtung",
                                        "1/0 Erdgeschoss",
                                        "1/0/1 Flur Licht [-1]",
                                        "1/0/2 Wohnen Licht [-1]",
                                        "1/0/3 K\xFC" "che Licht [-1]",
                                        "1/0/4 Flur Licht Status [0]",
                                        "1/1 Obergeschoss",
                                        "1/1/1 Bad Licht [0]",
                                        "1/1/2 Schlafen Licht [-1]",
                                        "1/1/10 Kind Licht dimmen [3]",
                                        "2 Heizung",
                                        "2/1 Sollwerte",
                                        "2/1/1 Wohnen Sollwert [-1]",
                                        "2/1/2 K\xFC" "che Sollwert [-1]",
                                        "2/0 Istwerte",
                                        "2/0/1 Wohnen Istwert [8]",
                                        "2/0/2 K\xFC" "che Istwert [8]",
                                        "2/2 Betriebsarten",
                                        "2/2/1 Wohnen Betriebsart [7]",
                                        "3 Jalousie",
                                        "3/0 Erdgeschoss",
                                        "3/0/1 Wohnen Jalousie Auf/Ab [0]",
                                        "3/0/2 Wohnen Jalousie Stopp [0]",
                                        "3/4 K\xFC" "che",
                                        "3/4/20 K\xFC" "che Jalousie Auf/Ab [-1]",
                                        "0 Zentral",
                                        "0/0 Zeit",
                                        "0/0/1 Uhrzeit [9]",
                                        "0/0/2 Datum [9]",
                                        "0/7 Zentral",
                                        "0/7/255 Zentral Aus [0]"}),
              Walk(groups_));
}

TEST_F(EtsGruppenAdressenTest, AddressesAndTheirTextsInBothLevelForms)
{
    ASSERT_TRUE(groups_.LoadAllMainGroups(hosttest::WohnenDevice));
    ASSERT_TRUE(groups_.LoadMidSubGroups());
    const TEtsSubGroup* dimmer = FindSub(1 * 2048 + 1 * 256 + 10);
    ASSERT_NE(nullptr, dimmer);
    EXPECT_EQ("Kind Licht dimmen", dimmer->GetName());
    EXPECT_EQ(10, dimmer->GetNumber());
    EXPECT_EQ(dimmer->GetGrpAddr(), groups_.GetGrpAddr(dimmer->GetEtsId()));
    EXPECT_EQ("1/1/10", groups_.GrpAddrString(dimmer->GetEtsId()));
    groups_.ThreeLevels = false;
    EXPECT_EQ("1/266", groups_.GrpAddrString(dimmer->GetEtsId()));
    EXPECT_EQ("0/2047", groups_.GrpAddrString(FindSub(0x07FF)->GetEtsId()));
    EXPECT_EQ(0, groups_.GetGrpAddr(9999));
    EXPECT_EQ("", groups_.GrpAddrString(9999));
}

TEST_F(EtsGruppenAdressenTest, AReloadKeepsTheGroupObjectsAndFollowsTheProject)
{
    ASSERT_TRUE(groups_.LoadAllMainGroups(hosttest::WohnenDevice));
    ASSERT_TRUE(groups_.LoadMidSubGroups());
    TEtsSubGroup* flur = FindSub(1 * 2048 + 1);
    TEtsSubGroup* wohnen = FindSub(1 * 2048 + 2);
    ASSERT_TRUE(flur && wohnen);
    const std::int32_t wohnenId = wohnen->GetEtsId();
    Execute("DELETE FROM sub_group WHERE id = " + std::to_string(wohnenId));
    Execute("UPDATE sub_group SET name = 'Diele' WHERE id = " + std::to_string(flur->GetEtsId()));
    Execute("INSERT INTO sub_group (middle_group_id, number, name) VALUES (1, 9, 'Neu')");

    ASSERT_TRUE(groups_.LoadAllMainGroups(hosttest::WohnenDevice));
    ASSERT_TRUE(groups_.LoadMidSubGroups());
    EXPECT_EQ(flur, FindSub(1 * 2048 + 1)); // the same object, brought up to date
    EXPECT_EQ("Diele", flur->GetName());
    EXPECT_EQ(nullptr, FindSub(1 * 2048 + 2));
    EXPECT_EQ(wohnenId, wohnen->GetEtsId()); // still a valid object
    ASSERT_NE(nullptr, FindSub(1 * 2048 + 9));
}

TEST_F(EtsGruppenAdressenTest, GroupsOfOtherProjectsAreNotLoaded)
{
    Execute("INSERT INTO project (id, name) VALUES (2, 'Other')");
    Execute("INSERT INTO main_group (id, project_id, number, name) VALUES (100, 2, 9, 'Fremd')");
    Execute("INSERT INTO middle_group (id, main_group_id, number) VALUES (100, 100, 0)");
    Execute("INSERT INTO sub_group (id, middle_group_id, number) VALUES (100, 100, 1)");
    ASSERT_TRUE(groups_.LoadAllMainGroups(hosttest::WohnenDevice));
    ASSERT_TRUE(groups_.LoadMidSubGroups());
    EXPECT_EQ(nullptr, FindSub(9 * 2048 + 1));
    EXPECT_EQ(4u, [&] {
        std::size_t count = 0;
        for (auto* main = groups_.GetMainGroupFirst(); main; main = groups_.GetMainGroupNext())
            ++count;
        return count;
    }());
}

TEST_F(EtsGruppenAdressenTest, AHostErrorLeavesTheLoadedGroupsAsTheyWere)
{
    ASSERT_TRUE(groups_.LoadAllMainGroups(hosttest::WohnenDevice));
    ASSERT_TRUE(groups_.LoadMidSubGroups());
    const std::vector<std::string> before = Walk(groups_);
    Execute("INSERT INTO sub_group (middle_group_id, number, name) VALUES (1, 9, 'Neu')");

    link_.FailReads(TDalKind::SubGroup, DAL_ERR, 3);
    EXPECT_FALSE(groups_.LoadMidSubGroups());
    link_.FailReads(TDalKind::MainGroup, DAL_ERR, 1);
    EXPECT_FALSE(groups_.LoadAllMainGroups(hosttest::WohnenDevice));
    EXPECT_EQ(before, Walk(groups_));

    TEtsGruppenAdressen unknownDevice(&link_, 9999);
    link_.Heal();
    EXPECT_FALSE(unknownDevice.LoadAllMainGroups(9999));
    EXPECT_EQ(nullptr, unknownDevice.GetMainGroupFirst());
}

TEST_F(EtsGruppenAdressenTest, ACreatedAddressJoinsTheLoadedGroups)
{
    ASSERT_TRUE(groups_.LoadAllMainGroups(hosttest::WohnenDevice));
    ASSERT_TRUE(groups_.LoadMidSubGroups());
    TEtsSubGroup* created = nullptr;
    ASSERT_TRUE(groups_.CreateGroupAddress(created, 6, 2, 33, "Garten"));
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(6 * 2048 + 2 * 256 + 33, created->GetGrpAddr());
    EXPECT_EQ("Garten", created->GetName());
    EXPECT_EQ(created, FindSub(6 * 2048 + 2 * 256 + 33));
    // A new main group comes last, named as the host names the groups it makes on the way.
    EXPECT_EQ("6 Neue Hauptgruppe", Walk(groups_)[Walk(groups_).size() - 3]);

    // An address that exists is found, not made again.
    TEtsSubGroup* found = nullptr;
    ASSERT_TRUE(groups_.CreateGroupAddress(found, 1, 0, 1, "anders"));
    EXPECT_EQ(FindSub(1 * 2048 + 1), found);
    EXPECT_EQ("Flur Licht", found->GetName());

    TEtsSubGroup* refused = created;
    EXPECT_FALSE(groups_.CreateGroupAddress(refused, 1, 8, 1, ""));
    EXPECT_EQ(created, refused);
}

} // namespace
