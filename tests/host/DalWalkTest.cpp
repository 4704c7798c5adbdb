// A walk of the host link's records keeps its statement between its reads while nothing else
// comes between them, and so reads the project as at its first read; any other call of the link
// ends that, so that the walk goes on in the project as it is then.
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hosttest {
namespace {

class DalWalkTest : public DemoProjectTest {
protected:
    DalWalkTest() : link_(path_) {}

    // The ids of the remaining sub groups of a walk begun with first.
    std::vector<std::int32_t> RestOfWalk(DAL_SUBGROUP& record)
    {
        std::vector<std::int32_t> ids;
        while (link_.DalGetSubgroupData(DAL_GET_NEXT, DAL_ANY, DAL_ANY, &record) == DAL_OK)
            ids.push_back(record.SubGroupId);
        return ids;
    }
    std::vector<std::int32_t> AllSubGroups()
    {
        DAL_SUBGROUP record;
        std::vector<std::int32_t> ids;
        if (link_.DalGetSubgroupData(DAL_GET_FIRST, DAL_ANY, DAL_ANY, &record) != DAL_OK)
            return ids;
        ids.push_back(record.SubGroupId);
        const std::vector<std::int32_t> rest = RestOfWalk(record);
        ids.insert(ids.end(), rest.begin(), rest.end());
        return ids;
    }

    TEts2Cdi_Extended1 link_;
};

TEST_F(DalWalkTest, WalksOfTwoKindsTakenInTurnDeliverWhatEachDeliversAlone)
{
    const std::vector<std::int32_t> subs = AllSubGroups();
    std::vector<std::int32_t> middles;
    DAL_MIDDLEGROUP middle;
    for (int mode = DAL_GET_FIRST; link_.DalGetMiddlegroupData(mode, DAL_ANY, DAL_ANY, &middle) == DAL_OK;
         mode = DAL_GET_NEXT)
        middles.push_back(middle.MiddleGroupId);
    ASSERT_GT(subs.size(), 2u);
    ASSERT_GT(middles.size(), 2u);

    std::vector<std::int32_t> subsInTurn;
    std::vector<std::int32_t> middlesInTurn;
    DAL_SUBGROUP sub;
    int subMode = DAL_GET_FIRST;
    int middleMode = DAL_GET_FIRST;
    bool subsLeft = true;
    bool middlesLeft = true;
    while (subsLeft || middlesLeft) {
        if (subsLeft && (subsLeft = link_.DalGetSubgroupData(subMode, DAL_ANY, DAL_ANY, &sub) == DAL_OK))
            subsInTurn.push_back(sub.SubGroupId);
        if (middlesLeft &&
            (middlesLeft = link_.DalGetMiddlegroupData(middleMode, DAL_ANY, DAL_ANY, &middle) == DAL_OK))
            middlesInTurn.push_back(middle.MiddleGroupId);
        subMode = middleMode = DAL_GET_NEXT;
    }
    EXPECT_EQ(subsInTurn, subs);
    EXPECT_EQ(middlesInTurn, middles);
}

TEST_F(DalWalkTest, AReadByIdInsideAWalkLeavesTheWalkWhereItWas)
{
    const std::vector<std::int32_t> subs = AllSubGroups();
    ASSERT_GT(subs.size(), 3u);
    DAL_SUBGROUP record;
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_FIRST, DAL_ANY, DAL_ANY, &record));
    DAL_SUBGROUP other;
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_BY_ID, subs.back(), DAL_ANY, &other));
    EXPECT_EQ(other.SubGroupId, subs.back());
    EXPECT_EQ(RestOfWalk(record), std::vector<std::int32_t>(subs.begin() + 1, subs.end()));
}

TEST_F(DalWalkTest, AGroupAddressMadeDuringAWalkIsMetByIt)
{
    DAL_SUBGROUP record;
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_FIRST, DAL_ANY, DAL_ANY, &record));
    const std::int32_t created = link_.CoCreateGroupAddress(ProjectId, 15, 7, 255, "Neu");
    ASSERT_GT(created, 0);
    const std::vector<std::int32_t> rest = RestOfWalk(record);
    ASSERT_FALSE(rest.empty());
    EXPECT_EQ(rest.back(), created);
}

TEST_F(DalWalkTest, AWalkWithoutOtherCallsReadsTheProjectAsAtItsFirstRead)
{
    const std::vector<std::int32_t> subs = AllSubGroups();
    DAL_SUBGROUP record;
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_FIRST, DAL_ANY, DAL_ANY, &record));
    Execute("DELETE FROM sub_group WHERE id = " + std::to_string(subs[1]));
    EXPECT_EQ(RestOfWalk(record), std::vector<std::int32_t>(subs.begin() + 1, subs.end()));
    // The walk has ended: the next one reads the project as it is.
    std::vector<std::int32_t> left = subs;
    left.erase(left.begin() + 1);
    EXPECT_EQ(AllSubGroups(), left);
}

TEST_F(DalWalkTest, AfterAnotherCallAWalkSeesWhatTheHostChangedMeanwhile)
{
    DAL_SUBGROUP record;
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_FIRST, DAL_ANY, DAL_ANY, &record));
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_NEXT, DAL_ANY, DAL_ANY, &record));
    // The host renames every sub group through a connection of its own.
    Execute("UPDATE sub_group SET name = 'Umbenannt'");
    tagETSINFO info;
    ASSERT_TRUE(link_.GetEtsInfo(info));
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_NEXT, DAL_ANY, DAL_ANY, &record));
    EXPECT_EQ(record.Name, "Umbenannt");
    DAL_SUBGROUP byId;
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_BY_ID, record.SubGroupId, DAL_ANY, &byId));
    EXPECT_EQ(byId.Name, "Umbenannt");
}

TEST_F(DalWalkTest, AWalkAtItsEndStaysThereAndCanBeginAgain)
{
    const std::vector<std::int32_t> subs = AllSubGroups();
    DAL_SUBGROUP record;
    EXPECT_EQ(DAL_END, link_.DalGetSubgroupData(DAL_GET_NEXT, DAL_ANY, DAL_ANY, &record));
    EXPECT_EQ(AllSubGroups(), subs);
}

} // namespace
} // namespace hosttest
