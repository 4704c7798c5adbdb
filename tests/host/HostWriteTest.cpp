#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <tuple>

namespace hosttest {
namespace {

// The links of one device object: sub group -> sending flag.
using TLinks = std::map<std::int32_t, int>;

class HostWriteTest : public DemoProjectTest {
protected:
    HostWriteTest() : ids_(AddObjects()), link_(path_) {}

    std::int64_t Query(const std::string& sql)
    {
        host::TProjectDatabase project(path_);
        host::TSqlStatement query(project.Sql(), sql);
        return query.Step() ? query.Int64(0) : -99;
    }

    TLinks LinksOf(std::int32_t deviceObject)
    {
        host::TProjectDatabase project(path_);
        host::TSqlStatement query(project.Sql(),
                                  "SELECT sub_group_id, send_flag FROM sub_to_object WHERE device_object_id = ?1");
        query.Bind(1, deviceObject);
        TLinks links;
        while (query.Step())
            links[query.Int(0)] = query.Int(1);
        return links;
    }

    std::int32_t SubGroupNamed(const std::string& name)
    {
        return static_cast<std::int32_t>(Query("SELECT id FROM sub_group WHERE name = '" + name + "'"));
    }

    TObjects ids_;
    TEts2CdiFaults link_;
};

TEST_F(HostWriteTest, LinkingMakesTheLinkSendingAndStopsTheObjectsOtherLinksSending)
{
    EXPECT_EQ(CO_LINKED, link_.CoLinkObjectToSubGroup(ids_.WohnenTime, ids_.SubKuecheLight, 1, true, false, true));
    EXPECT_EQ((TLinks{{ids_.SubFlurLight, 0}, {ids_.SubWohnenLight, 0}, {ids_.SubKuecheLight, 1}}),
              LinksOf(ids_.WohnenTime));
    // The free address took the object's type.
    EXPECT_EQ(9, Query("SELECT type FROM sub_group WHERE id = " + std::to_string(ids_.SubKuecheLight)));
    // Other objects' links are left alone.
    EXPECT_EQ((TLinks{{ids_.SubSetPoint, 0}}), LinksOf(ids_.WohnenDate));
}

TEST_F(HostWriteTest, RelinkingAHeldLinkKeepsOneLinkAndMakesItSending)
{
    EXPECT_EQ(CO_LINKED, link_.CoLinkObjectToSubGroup(ids_.WohnenTime, ids_.SubFlurLight, 1, true, false, true));
    EXPECT_EQ((TLinks{{ids_.SubFlurLight, 1}, {ids_.SubWohnenLight, 0}}), LinksOf(ids_.WohnenTime));
}

TEST_F(HostWriteTest, AnAddressOfAnotherTypeRefusesTheObject)
{
    const std::int32_t status = SubGroupNamed("Flur Licht Status"); // type 0 (1 bit); the object has 9
    EXPECT_EQ(CO_LINK_TYPE_UNFIT, link_.CoLinkObjectToSubGroup(ids_.WohnenTime, status, 1, true, false, true));
    EXPECT_EQ((TLinks{{ids_.SubFlurLight, 0}, {ids_.SubWohnenLight, 1}}), LinksOf(ids_.WohnenTime));
    // The same type is taken.
    const std::int32_t time = SubGroupNamed("Uhrzeit"); // type 9
    EXPECT_EQ(CO_LINKED, link_.CoLinkObjectToSubGroup(ids_.FlurTime, time, 1, true, false, true));
}

TEST_F(HostWriteTest, LinkingSomethingUnknownFails)
{
    EXPECT_EQ(CO_LINK_FAILED, link_.CoLinkObjectToSubGroup(9999, ids_.SubFlurLight, 1, true, false, true));
    EXPECT_EQ(CO_LINK_FAILED, link_.CoLinkObjectToSubGroup(ids_.WohnenTime, 9999, 1, true, false, true));
    TEts2Cdi closed(dir_.file("missing.ets"));
    EXPECT_EQ(CO_LINK_FAILED, closed.CoLinkObjectToSubGroup(ids_.WohnenTime, ids_.SubFlurLight, 1, true, false, true));
    EXPECT_FALSE(closed.CoUnlinkObjectFromSubGroup(ids_.WohnenTime, ids_.SubFlurLight, true));
    EXPECT_EQ(SQL_FAILED, closed.SqlSetDeviceObjectCommFlag(ids_.WohnenTime, true));
    EXPECT_EQ(-1, closed.CoCreateGroupAddress(ProjectId, 1, 2, 3, "x"));
}

TEST_F(HostWriteTest, LinkingAcrossProjectsFails)
{
    Execute("INSERT INTO project (id, name) VALUES (2, 'Other')");
    Execute("INSERT INTO main_group (id, project_id, number) VALUES (100, 2, 1)");
    Execute("INSERT INTO middle_group (id, main_group_id, number) VALUES (100, 100, 0)");
    Execute("INSERT INTO sub_group (id, middle_group_id, number) VALUES (100, 100, 1)");
    EXPECT_EQ(CO_LINK_FAILED, link_.CoLinkObjectToSubGroup(ids_.WohnenTime, 100, 1, true, false, true));
}

TEST_F(HostWriteTest, UnlinkRemovesOnlyAnExistingLink)
{
    EXPECT_TRUE(link_.CoUnlinkObjectFromSubGroup(ids_.WohnenTime, ids_.SubWohnenLight, true));
    EXPECT_EQ((TLinks{{ids_.SubFlurLight, 0}}), LinksOf(ids_.WohnenTime));
    EXPECT_FALSE(link_.CoUnlinkObjectFromSubGroup(ids_.WohnenTime, ids_.SubWohnenLight, true));
    EXPECT_FALSE(link_.CoUnlinkObjectFromSubGroup(ids_.FlurTime, ids_.SubFlurLight, true));
}

TEST_F(HostWriteTest, TheSendFlagOfOneLinkChangesAlone)
{
    EXPECT_EQ(SQL_DONE, link_.SqlSetSubGroupToObjectSendFlag(ids_.LinkFlurLight, true));
    EXPECT_EQ((TLinks{{ids_.SubFlurLight, 1}, {ids_.SubWohnenLight, 1}}), LinksOf(ids_.WohnenTime));
    EXPECT_EQ(SQL_DONE, link_.SqlSetSubGroupToObjectSendFlag(ids_.LinkWohnenLight, false));
    EXPECT_EQ((TLinks{{ids_.SubFlurLight, 1}, {ids_.SubWohnenLight, 0}}), LinksOf(ids_.WohnenTime));
    EXPECT_EQ(SQL_FAILED, link_.SqlSetSubGroupToObjectSendFlag(9999, true));
}

struct FlagCase {
    const char* Name;
    int (TEts2Cdi::*Set)(std::int32_t, bool);
    std::int16_t DAL_DEVICE_OBJECT::*Field;
};

void PrintTo(const FlagCase& flag, std::ostream* os)
{
    *os << flag.Name;
}

class ObjectFlagTest : public HostWriteTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(ObjectFlagTest, SetsAndClearsOneFlag)
{
    const FlagCase& flag = GetParam();
    DAL_DEVICE_OBJECT before;
    ASSERT_EQ(DAL_OK, link_.DalGetDeviceObjectData(DAL_GET_BY_ID, ids_.WohnenDate, DAL_ANY, &before));
    for (const bool value : {true, false, true}) {
        EXPECT_EQ(SQL_DONE, (link_.*flag.Set)(ids_.WohnenDate, value));
        DAL_DEVICE_OBJECT after;
        ASSERT_EQ(DAL_OK, link_.DalGetDeviceObjectData(DAL_GET_BY_ID, ids_.WohnenDate, DAL_ANY, &after));
        EXPECT_EQ(value ? 1 : 0, after.*flag.Field);
        // Every other flag stays.
        for (auto field : {&DAL_DEVICE_OBJECT::ReadFlag, &DAL_DEVICE_OBJECT::WriteFlag, &DAL_DEVICE_OBJECT::CommFlag,
                           &DAL_DEVICE_OBJECT::TransFlag, &DAL_DEVICE_OBJECT::UpdateFlag}) {
            if (field != flag.Field) {
                EXPECT_EQ(before.*field, after.*field);
            }
        }
    }
    EXPECT_EQ(SQL_FAILED, (link_.*flag.Set)(9999, true));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ObjectFlagTest,
    ::testing::Values(FlagCase{"Comm", &TEts2Cdi::SqlSetDeviceObjectCommFlag, &DAL_DEVICE_OBJECT::CommFlag},
                      FlagCase{"Read", &TEts2Cdi::SqlSetDeviceObjectReadFlag, &DAL_DEVICE_OBJECT::ReadFlag},
                      FlagCase{"Write", &TEts2Cdi::SqlSetDeviceObjectWriteFlag, &DAL_DEVICE_OBJECT::WriteFlag},
                      FlagCase{"Trans", &TEts2Cdi::SqlSetDeviceObjectTransFlag, &DAL_DEVICE_OBJECT::TransFlag},
                      FlagCase{"Update", &TEts2Cdi::SqlSetDeviceObjectUpdateFlag, &DAL_DEVICE_OBJECT::UpdateFlag}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(HostWriteTest, CreatingAnAddressMakesMissingGroupsOrFindsTheAddress)
{
    const std::int32_t created = link_.CoCreateGroupAddress(ProjectId, 5, 3, 7, "Garage T\xFCr");
    ASSERT_GT(created, 0);
    DAL_SUBGROUP sub;
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_BY_ID, created, DAL_ANY, &sub));
    EXPECT_EQ("Garage T\xFCr", sub.Name);
    EXPECT_EQ(7, sub.Number);
    EXPECT_EQ(-1, sub.Type);
    DAL_MIDDLEGROUP middle;
    ASSERT_EQ(DAL_OK, link_.DalGetMiddlegroupData(DAL_GET_BY_ID, sub.MiddleGroupId, DAL_ANY, &middle));
    EXPECT_EQ(3, middle.Number);
    DAL_MAINGROUP main;
    ASSERT_EQ(DAL_OK, link_.DalGetMaingroupData(DAL_GET_BY_ID, middle.MainGroupId, DAL_ANY, &main));
    EXPECT_EQ(5, main.Number);
    EXPECT_EQ(ProjectId, main.ProjectId);

    // An existing address is found, its name kept; a new one in an existing middle group joins it.
    EXPECT_EQ(created, link_.CoCreateGroupAddress(ProjectId, 5, 3, 7, "anders"));
    EXPECT_EQ(ids_.SubKuecheLight, link_.CoCreateGroupAddress(ProjectId, 1, 0, 3, "anders"));
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_BY_ID, ids_.SubKuecheLight, DAL_ANY, &sub));
    EXPECT_EQ("K\xFC" "che Licht", sub.Name);
    const std::int32_t neighbour = link_.CoCreateGroupAddress(ProjectId, 5, 3, 8, "");
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_BY_ID, neighbour, DAL_ANY, &sub));
    EXPECT_EQ(middle.MiddleGroupId, sub.MiddleGroupId);
}

TEST_F(HostWriteTest, CreatingAnAddressOutOfRangeOrInNoProjectFails)
{
    const std::int64_t before = Query("SELECT count(*) FROM sub_group");
    for (const auto& [main, middle, sub] : {std::tuple{16, 0, 0}, {-1, 0, 1}, {1, 8, 0}, {1, 0, 256}, {1, -1, 1}})
        EXPECT_EQ(-1, link_.CoCreateGroupAddress(ProjectId, static_cast<std::int16_t>(main),
                                                 static_cast<std::int16_t>(middle), static_cast<std::int16_t>(sub), ""))
            << main << "/" << middle << "/" << sub;
    EXPECT_EQ(-1, link_.CoCreateGroupAddress(77, 1, 2, 3, ""));
    EXPECT_EQ(before, Query("SELECT count(*) FROM sub_group"));
    EXPECT_EQ(4, Query("SELECT count(*) FROM main_group"));
}

TEST_F(HostWriteTest, FailedWritesAnswerAsToldWithoutReachingTheProject)
{
    link_.FailWrites(TCoCall::LinkObject, CO_LINK_TYPE_UNFIT);
    link_.FailWrites(TCoCall::UnlinkObject, 0);
    link_.FailWrites(TCoCall::ReadFlag, 7);
    EXPECT_EQ(CO_LINK_TYPE_UNFIT,
              link_.CoLinkObjectToSubGroup(ids_.FlurTime, ids_.SubKuecheLight, 1, true, false, true));
    EXPECT_FALSE(link_.CoUnlinkObjectFromSubGroup(ids_.WohnenTime, ids_.SubFlurLight, true));
    EXPECT_EQ(7, link_.SqlSetDeviceObjectReadFlag(ids_.FlurTime, false));
    EXPECT_TRUE(LinksOf(ids_.FlurTime).empty());
    EXPECT_EQ(2u, LinksOf(ids_.WohnenTime).size());
    EXPECT_EQ(1, Query("SELECT read_flag FROM device_object WHERE id = " + std::to_string(ids_.FlurTime)));
    EXPECT_EQ(1, link_.Writes(TCoCall::LinkObject));
    EXPECT_EQ(0, link_.Writes(TCoCall::CommFlag));

    link_.Heal();
    EXPECT_TRUE(link_.CoUnlinkObjectFromSubGroup(ids_.WohnenTime, ids_.SubFlurLight, true));
    EXPECT_EQ(2, link_.Writes(TCoCall::UnlinkObject));
}

} // namespace
} // namespace hosttest
