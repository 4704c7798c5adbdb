#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <vector>

namespace hosttest {
namespace {

class DalReadTest : public DemoProjectTest {
protected:
    DalReadTest() : ids_(AddObjects()), link_(path_) {}

    // The ids an iteration of device objects delivers, from its first read to its end.
    std::vector<std::int32_t> DeviceObjectsOf(std::int32_t deviceId)
    {
        std::vector<std::int32_t> ids;
        DAL_DEVICE_OBJECT object;
        for (int mode = DAL_GET_FIRST; link_.DalGetDeviceObjectData(mode, DAL_ANY, deviceId, &object) == DAL_OK;
             mode = DAL_GET_NEXT)
            ids.push_back(object.DeviceObjectId);
        return ids;
    }

    TObjects ids_;
    TEts2Cdi_Extended1 link_;
};

TEST_F(DalReadTest, ReadsByIdFollowTheDeviceToItsLineAreaAndProject)
{
    ASSERT_TRUE(link_.IsConnected());
    DAL_DEVICE device;
    device.Size = 2436;
    ASSERT_EQ(DAL_OK, link_.DalGetDeviceData(DAL_GET_BY_ID, KuecheDevice, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &device));
    EXPECT_EQ(KuecheDevice, device.DeviceId);
    EXPECT_EQ("Tastsensor K\xFC" "che", device.Name); // Windows-1252 text
    EXPECT_EQ("K\xFC" "che\r\nmit Uhr", device.Description);
    EXPECT_EQ(3, device.DeviceNumber);
    EXPECT_EQ(ProjectId, device.ProjectId);
    EXPECT_EQ(ProgramId, device.ProgramId);

    DAL_LINE line;
    line.Size = 394;
    ASSERT_EQ(DAL_OK, link_.DalGetLineData(DAL_GET_BY_ID, device.LineId, DAL_ANY, &line));
    EXPECT_EQ(1, line.Number);
    DAL_AREA area;
    area.Size = 386;
    ASSERT_EQ(DAL_OK, link_.DalGetAreaData(DAL_GET_BY_ID, line.AreaId, DAL_ANY, &area));
    EXPECT_EQ(1, area.Number);
    EXPECT_EQ("Geb\xE4ude", area.Name);
    DAL_PROJECT project;
    project.Size = 840;
    ASSERT_EQ(DAL_OK, link_.DalGetProjectData(DAL_GET_BY_ID, device.ProjectId, &project));
    EXPECT_EQ("Talvo Demo", project.Name);
}

TEST_F(DalReadTest, ByIdAnswersEndForAnUnknownIdOrAFilterThatDoesNotMatch)
{
    DAL_DEVICE device;
    device.Name = "untouched";
    EXPECT_EQ(DAL_END, link_.DalGetDeviceData(DAL_GET_BY_ID, 99, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &device));
    EXPECT_EQ(DAL_END, link_.DalGetDeviceData(DAL_GET_BY_ID, FlurDevice, DAL_ANY, DAL_ANY, DAL_ANY, 2, &device));
    EXPECT_EQ("untouched", device.Name);

    DAL_DEVICE_OBJECT object;
    EXPECT_EQ(DAL_END, link_.DalGetDeviceObjectData(DAL_GET_BY_ID, ids_.FlurTime, WohnenDevice, &object));
    EXPECT_EQ(DAL_OK, link_.DalGetDeviceObjectData(DAL_GET_BY_ID, ids_.FlurTime, FlurDevice, &object));
    EXPECT_EQ(DAL_OK, link_.DalGetDeviceObjectData(DAL_GET_BY_ID, ids_.FlurTime, DAL_ANY, &object));
    EXPECT_EQ(FlurDevice, object.DeviceId);
}

TEST_F(DalReadTest, AnIterationDeliversTheMatchingRecordsInIdOrderAndThenEnds)
{
    std::vector<std::int32_t> devices;
    DAL_DEVICE device;
    int result = link_.DalGetDeviceData(DAL_GET_FIRST, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, ProjectId, &device);
    for (; result == DAL_OK; result = link_.DalGetDeviceData(DAL_GET_NEXT, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY,
                                                             ProjectId, &device))
        devices.push_back(device.DeviceId);
    EXPECT_EQ(DAL_END, result);
    EXPECT_EQ((std::vector<std::int32_t>{FlurDevice, WohnenDevice, KuecheDevice}), devices);
    // Past the end it stays at the end.
    EXPECT_EQ(DAL_END, link_.DalGetDeviceData(DAL_GET_NEXT, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, ProjectId, &device));

    EXPECT_EQ(DAL_END, link_.DalGetDeviceData(DAL_GET_FIRST, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, 2, &device));
    EXPECT_EQ((std::vector<std::int32_t>{ids_.WohnenTime, ids_.WohnenDate}), DeviceObjectsOf(WohnenDevice));
    EXPECT_EQ((std::vector<std::int32_t>{ids_.WohnenTime, ids_.WohnenDate, ids_.FlurTime}), DeviceObjectsOf(DAL_ANY));
    EXPECT_TRUE(DeviceObjectsOf(KuecheDevice).empty());
}

TEST_F(DalReadTest, NextWithoutFirstAnswersEnd)
{
    DAL_SUB_TO_OBJECT link;
    EXPECT_EQ(DAL_END, link_.DalGetSubgroupToObjectData(DAL_GET_NEXT, DAL_ANY, DAL_ANY, DAL_ANY, &link));
}

TEST_F(DalReadTest, NextContinuesWithTheFiltersOfFirst)
{
    DAL_DEVICE_PARAM parameter;
    ASSERT_EQ(DAL_OK, link_.DalGetDeviceParamData(DAL_GET_FIRST, DAL_ANY, KuecheDevice, &parameter));
    while (link_.DalGetDeviceParamData(DAL_GET_NEXT, DAL_ANY, FlurDevice, &parameter) == DAL_OK)
        EXPECT_EQ(KuecheDevice, parameter.DeviceId);
}

TEST_F(DalReadTest, EachRecordKindKeepsItsOwnIterationAndReadsByIdLeaveItAlone)
{
    std::vector<std::int32_t> devices;
    int parameters = 0;
    DAL_DEVICE device;
    for (int mode = DAL_GET_FIRST;
         link_.DalGetDeviceData(mode, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &device) == DAL_OK;
         mode = DAL_GET_NEXT) {
        devices.push_back(device.DeviceId);
        // A full iteration of another kind and a read by id of the same kind in between.
        DAL_DEVICE_PARAM parameter;
        for (int inner = DAL_GET_FIRST;
             link_.DalGetDeviceParamData(inner, DAL_ANY, device.DeviceId, &parameter) == DAL_OK; inner = DAL_GET_NEXT)
            ++parameters;
        DAL_DEVICE other;
        ASSERT_EQ(DAL_OK, link_.DalGetDeviceData(DAL_GET_BY_ID, KuecheDevice, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &other));
    }
    EXPECT_EQ((std::vector<std::int32_t>{FlurDevice, WohnenDevice, KuecheDevice}), devices);
    EXPECT_EQ(3 * 4, parameters); // 60, 61, DeviceId and 3300 on each device
}

TEST_F(DalReadTest, FirstStartsTheIterationAgain)
{
    DAL_MAINGROUP group;
    ASSERT_EQ(DAL_OK, link_.DalGetMaingroupData(DAL_GET_FIRST, DAL_ANY, ProjectId, &group));
    ASSERT_EQ(DAL_OK, link_.DalGetMaingroupData(DAL_GET_NEXT, DAL_ANY, ProjectId, &group));
    EXPECT_EQ(2, group.Number);
    ASSERT_EQ(DAL_OK, link_.DalGetMaingroupData(DAL_GET_FIRST, DAL_ANY, ProjectId, &group));
    EXPECT_EQ(1, group.Number);
    EXPECT_EQ("Beleuchtung", group.Name);
}

TEST_F(DalReadTest, AnIterationGoesOnPastARecordRemovedMeanwhile)
{
    DAL_SUB_TO_OBJECT link;
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupToObjectData(DAL_GET_FIRST, DAL_ANY, DAL_ANY, DAL_ANY, &link));
    EXPECT_EQ(ids_.LinkFlurLight, link.LinkId);
    Execute("DELETE FROM sub_to_object WHERE id = " + std::to_string(ids_.LinkWohnenLight));
    // Another call of the link between two reads lets the iteration see the project as it is.
    DAL_PROJECT project;
    ASSERT_EQ(DAL_OK, link_.DalGetProjectData(DAL_GET_BY_ID, ProjectId, &project));
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupToObjectData(DAL_GET_NEXT, DAL_ANY, DAL_ANY, DAL_ANY, &link));
    EXPECT_EQ(ids_.LinkSetPoint, link.LinkId);
    EXPECT_EQ(DAL_END, link_.DalGetSubgroupToObjectData(DAL_GET_NEXT, DAL_ANY, DAL_ANY, DAL_ANY, &link));
}

TEST_F(DalReadTest, DeviceObjectsCarryTheirFlagsAndTheirAddressesSendingFirst)
{
    DAL_DEVICE_OBJECT time;
    ASSERT_EQ(DAL_OK, link_.DalGetDeviceObjectData(DAL_GET_BY_ID, ids_.WohnenTime, WohnenDevice, &time));
    EXPECT_EQ(WohnenDevice, time.DeviceId);
    EXPECT_EQ(ids_.TimeObject, time.CommObjectId);
    EXPECT_EQ(57, time.ObjectNumber);
    EXPECT_EQ(9, time.ObjectType);
    EXPECT_GT(time.Active, 0);
    EXPECT_EQ(1, time.CommFlag);
    EXPECT_EQ(0, time.ReadFlag);
    EXPECT_EQ(0, time.WriteFlag);
    EXPECT_EQ(1, time.TransFlag);
    EXPECT_EQ(0, time.UpdateFlag);
    EXPECT_EQ("1/0/2, 1/0/1", time.ObjectText3Levels);
    EXPECT_EQ("1/2, 1/1", time.ObjectText2Levels);

    DAL_DEVICE_OBJECT date;
    ASSERT_EQ(DAL_OK, link_.DalGetDeviceObjectData(DAL_GET_BY_ID, ids_.WohnenDate, DAL_ANY, &date));
    EXPECT_EQ(0, date.Active);
    EXPECT_EQ(1, date.WriteFlag);
    EXPECT_EQ(1, date.UpdateFlag);
    EXPECT_EQ("2/1/1", date.ObjectText3Levels);
    EXPECT_EQ("2/257", date.ObjectText2Levels);

    DAL_DEVICE_OBJECT flur;
    ASSERT_EQ(DAL_OK, link_.DalGetDeviceObjectData(DAL_GET_BY_ID, ids_.FlurTime, DAL_ANY, &flur));
    EXPECT_EQ("", flur.ObjectText3Levels);
    EXPECT_EQ(1, flur.ReadFlag);
}

TEST_F(DalReadTest, CommunicationObjectsAreFoundByTheirParameter)
{
    std::vector<std::int16_t> numbers;
    DAL_COMM_OBJECT object;
    for (int mode = DAL_GET_FIRST;
         link_.DalGetCommunicationObjectData(mode, DAL_ANY, ids_.Parameter, DAL_ANY, &object) == DAL_OK;
         mode = DAL_GET_NEXT)
        numbers.push_back(object.ObjectNumber);
    EXPECT_EQ((std::vector<std::int16_t>{57, 58}), numbers);

    ASSERT_EQ(DAL_OK, link_.DalGetCommunicationObjectData(DAL_GET_BY_ID, ids_.TimeObject, DAL_ANY, DAL_ANY, &object));
    EXPECT_EQ("Uhrzeit", object.Name);
    EXPECT_EQ("Empfangen", object.FunctionText);
    EXPECT_EQ(1, object.ParameterValue);
    EXPECT_EQ(ids_.Parameter, object.ParameterId);
    EXPECT_EQ(ids_.TimeObject, object.CommObjectId);
    EXPECT_EQ(DAL_END, link_.DalGetCommunicationObjectData(DAL_GET_FIRST, DAL_ANY, 9999, DAL_ANY, &object));
}

TEST_F(DalReadTest, LinksAreFoundByDeviceObjectOrByGroupAddress)
{
    std::vector<std::pair<std::int32_t, std::int16_t>> links; // sub group, sending flag
    DAL_SUB_TO_OBJECT link;
    for (int mode = DAL_GET_FIRST;
         link_.DalGetSubgroupToObjectData(mode, DAL_ANY, DAL_ANY, ids_.WohnenTime, &link) == DAL_OK;
         mode = DAL_GET_NEXT)
        links.emplace_back(link.SubGroupId, link.SendFlag);
    EXPECT_EQ((std::vector<std::pair<std::int32_t, std::int16_t>>{{ids_.SubFlurLight, 0}, {ids_.SubWohnenLight, 1}}),
              links);

    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupToObjectData(DAL_GET_FIRST, DAL_ANY, ids_.SubSetPoint, DAL_ANY, &link));
    EXPECT_EQ(ids_.WohnenDate, link.DeviceObjectId);
    EXPECT_EQ(ids_.LinkSetPoint, link.LinkId);
    EXPECT_EQ(DAL_END, link_.DalGetSubgroupToObjectData(DAL_GET_NEXT, DAL_ANY, ids_.SubSetPoint, DAL_ANY, &link));
    EXPECT_EQ(DAL_END, link_.DalGetSubgroupToObjectData(DAL_GET_FIRST, DAL_ANY, ids_.SubKuecheLight, DAL_ANY, &link));
}

TEST_F(DalReadTest, AGroupAddressLeadsToItsMiddleAndMainGroup)
{
    DAL_SUBGROUP sub;
    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_BY_ID, ids_.SubKuecheLight, DAL_ANY, &sub));
    EXPECT_EQ(3, sub.Number);
    EXPECT_EQ(-1, sub.Type);
    EXPECT_EQ("K\xFC" "che Licht", sub.Name);
    DAL_MIDDLEGROUP middle;
    ASSERT_EQ(DAL_OK, link_.DalGetMiddlegroupData(DAL_GET_BY_ID, sub.MiddleGroupId, DAL_ANY, &middle));
    EXPECT_EQ(0, middle.Number);
    DAL_MAINGROUP main;
    ASSERT_EQ(DAL_OK, link_.DalGetMaingroupData(DAL_GET_BY_ID, middle.MainGroupId, DAL_ANY, &main));
    EXPECT_EQ(1, main.Number);

    ASSERT_EQ(DAL_OK, link_.DalGetSubgroupData(DAL_GET_BY_ID, ids_.SubSetPoint, DAL_ANY, &sub));
    ASSERT_EQ(DAL_OK, link_.DalGetMiddlegroupData(DAL_GET_BY_ID, sub.MiddleGroupId, DAL_ANY, &middle));
    ASSERT_EQ(DAL_OK, link_.DalGetMaingroupData(DAL_GET_BY_ID, middle.MainGroupId, DAL_ANY, &main));
    EXPECT_EQ(2 * 2048 + 1 * 256 + 1, main.Number * 2048 + middle.Number * 256 + sub.Number);
}

TEST_F(DalReadTest, DeviceParametersLeadToTheirParameterAndItsName)
{
    DAL_PARAMETER parameter;
    ASSERT_EQ(DAL_OK, link_.DalGetParameterData(DAL_GET_FIRST, DAL_ANY, ProgramId, 62, &parameter));
    EXPECT_EQ("DeviceId", parameter.Name);

    DAL_DEVICE_PARAM value;
    for (int mode = DAL_GET_FIRST; link_.DalGetDeviceParamData(mode, DAL_ANY, KuecheDevice, &value) == DAL_OK;
         mode = DAL_GET_NEXT) {
        ASSERT_EQ(DAL_OK, link_.DalGetParameterData(DAL_GET_BY_ID, value.ParameterId, DAL_ANY, DAL_ANY, &parameter));
        if (parameter.DisplayOrder == 60) {
            EXPECT_EQ(0x75, value.Value);
        } else if (parameter.DisplayOrder == 61) {
            EXPECT_EQ(10, value.Value);
        }
    }
}

// One read of each record kind: its first record, with the given length word and mode.
struct TKindCase {
    const char* Name;
    std::function<int(TEts2Cdi&, std::uint16_t size, int mode)> Read;
    std::uint16_t RecordSize;
};

void PrintTo(const TKindCase& kind, std::ostream* out)
{
    *out << kind.Name;
}

template <class TRecord, class TCall>
TKindCase Case(const char* name, TCall call)
{
    return {name,
            [call](TEts2Cdi& link, std::uint16_t size, int mode) {
                TRecord record;
                record.Size = size;
                return call(link, mode, &record);
            },
            TRecord::RecordSize};
}

class DalLengthWordTest : public DalReadTest, public ::testing::WithParamInterface<TKindCase> {};

TEST_P(DalLengthWordTest, OnlyTheRightLengthWordAndAKnownModeAreServed)
{
    const TKindCase& kind = GetParam();
    EXPECT_EQ(DAL_OK, kind.Read(link_, kind.RecordSize, DAL_GET_FIRST));
    EXPECT_EQ(DAL_OK, kind.Read(link_, kind.RecordSize, DAL_GET_BY_ID));
    EXPECT_EQ(DAL_ERR, kind.Read(link_, kind.RecordSize - 1, DAL_GET_FIRST));
    EXPECT_EQ(DAL_ERR, kind.Read(link_, kind.RecordSize + 1, DAL_GET_BY_ID));
    EXPECT_EQ(DAL_ERR, kind.Read(link_, 0, DAL_GET_FIRST));
    EXPECT_EQ(DAL_ERR, kind.Read(link_, kind.RecordSize, 0));
    EXPECT_EQ(DAL_ERR, kind.Read(link_, kind.RecordSize, 4));
}

const TKindCase KindCases[] = {
    Case<DAL_PROJECT>("Project", [](TEts2Cdi& l, int m, auto* r) { return l.DalGetProjectData(m, -1, r); }),
    Case<DAL_AREA>("Area", [](TEts2Cdi& l, int m, auto* r) { return l.DalGetAreaData(m, -1, -1, r); }),
    Case<DAL_LINE>("Line", [](TEts2Cdi& l, int m, auto* r) { return l.DalGetLineData(m, -1, -1, r); }),
    Case<DAL_DEVICE>("Device",
                     [](TEts2Cdi& l, int m, auto* r) { return l.DalGetDeviceData(m, -1, -1, -1, -1, -1, r); }),
    Case<DAL_DEVICE_OBJECT>("DeviceObject",
                            [](TEts2Cdi& l, int m, auto* r) { return l.DalGetDeviceObjectData(m, -1, -1, r); }),
    Case<DAL_DEVICE_PARAM>("DeviceParam",
                           [](TEts2Cdi& l, int m, auto* r) { return l.DalGetDeviceParamData(m, -1, -1, r); }),
    Case<DAL_PARAMETER>("Parameter",
                        [](TEts2Cdi& l, int m, auto* r) { return l.DalGetParameterData(m, -1, -1, -1, r); }),
    Case<DAL_COMM_OBJECT>("CommObject", [](TEts2Cdi& l, int m, auto* r) {
        return l.DalGetCommunicationObjectData(m, -1, -1, -1, r);
    }),
    Case<DAL_MAINGROUP>("MainGroup", [](TEts2Cdi& l, int m, auto* r) { return l.DalGetMaingroupData(m, -1, -1, r); }),
    Case<DAL_MIDDLEGROUP>("MiddleGroup",
                          [](TEts2Cdi& l, int m, auto* r) { return l.DalGetMiddlegroupData(m, -1, -1, r); }),
    Case<DAL_SUBGROUP>("SubGroup", [](TEts2Cdi& l, int m, auto* r) { return l.DalGetSubgroupData(m, -1, -1, r); }),
    Case<DAL_SUB_TO_OBJECT>("SubToObject", [](TEts2Cdi& l, int m, auto* r) {
        return l.DalGetSubgroupToObjectData(m, -1, -1, -1, r);
    }),
};

INSTANTIATE_TEST_SUITE_P(EveryKind, DalLengthWordTest, ::testing::ValuesIn(KindCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DalReadTest, ANullRecordIsAHostError)
{
    EXPECT_EQ(DAL_ERR, link_.DalGetDeviceData(DAL_GET_BY_ID, FlurDevice, -1, -1, -1, -1, nullptr));
    EXPECT_EQ(DAL_ERR, link_.DalGetSubgroupToObjectData(DAL_GET_FIRST, -1, -1, -1, nullptr));
}

TEST_F(DalReadTest, AnUnreadableTableIsAHostErrorForItsKindOnly)
{
    Execute("ALTER TABLE sub_group RENAME TO sub_group_lost");
    DAL_SUBGROUP sub;
    EXPECT_EQ(DAL_ERR, link_.DalGetSubgroupData(DAL_GET_FIRST, DAL_ANY, DAL_ANY, &sub));
    DAL_DEVICE device;
    EXPECT_EQ(DAL_OK, link_.DalGetDeviceData(DAL_GET_BY_ID, FlurDevice, -1, -1, -1, -1, &device));
}

TEST(DalReadWithoutProject, ALinkToAMissingFileAnswersHostErrorsAndCreatesNothing)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("missing.ets");
    TEts2Cdi_Extended1 link(path);
    EXPECT_FALSE(link.IsConnected());
    DAL_DEVICE device;
    EXPECT_EQ(DAL_ERR, link.DalGetDeviceData(DAL_GET_FIRST, -1, -1, -1, -1, -1, &device));
    EXPECT_EQ(DAL_ERR, link.DalGetDeviceData(DAL_GET_NEXT, -1, -1, -1, -1, -1, &device));
    EXPECT_FALSE(std::filesystem::exists(path));
}

class FaultyDalReadTest : public DemoProjectTest {
protected:
    FaultyDalReadTest() : ids_(AddObjects()), link_(path_) {}
    TObjects ids_;
    TEts2CdiFaults link_;
};

TEST_F(FaultyDalReadTest, InjectedAnswersReplaceTheReadsOfTheirKind)
{
    link_.FailReads(TDalKind::Device, DAL_ERR);
    DAL_DEVICE device;
    device.Name = "untouched";
    EXPECT_EQ(DAL_ERR, link_.DalGetDeviceData(DAL_GET_BY_ID, FlurDevice, -1, -1, -1, -1, &device));
    EXPECT_EQ("untouched", device.Name);
    DAL_LINE line;
    EXPECT_EQ(DAL_OK, link_.DalGetLineData(DAL_GET_BY_ID, LineId, -1, &line));

    link_.Heal();
    EXPECT_EQ(DAL_OK, link_.DalGetDeviceData(DAL_GET_BY_ID, FlurDevice, -1, -1, -1, -1, &device));
    EXPECT_EQ(2, link_.Reads(TDalKind::Device));
    EXPECT_EQ(1, link_.Reads(TDalKind::Line));
}

TEST_F(FaultyDalReadTest, AnIterationCanBeCutShortAfterSomeRecords)
{
    link_.FailReads(TDalKind::SubToObject, DAL_END, 1);
    DAL_SUB_TO_OBJECT link;
    EXPECT_EQ(DAL_OK, link_.DalGetSubgroupToObjectData(DAL_GET_FIRST, -1, -1, ids_.WohnenTime, &link));
    EXPECT_EQ(DAL_END, link_.DalGetSubgroupToObjectData(DAL_GET_NEXT, -1, -1, ids_.WohnenTime, &link));
    EXPECT_EQ(ids_.LinkFlurLight, link.LinkId);
}

} // namespace
} // namespace hosttest
