#include "outside/datacore/EibHandle.h"
#include "outside/hostdata/EtsProgressDialog.h"
#include "tests/device/ComObjFixture.h"

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

namespace comobjtest {
namespace {

using TLinks = TObjektBasis::TGrpAdrIdList;
using CallKind = testsupport::ScriptedUi::CallKind;

// Device "Tastsensor Wohnen" of project A with objects 57 (linked to 0/0/1 and 1/0/1), 59
// (linked to 1/1/2) and 60; its data block goes to device "Tastsensor Flur" of project B, where
// the host has made the same objects (with other ids) and the group addresses, except 1/1/2, have
// other ids too.
class ImportCopyTest : public ComObjTest {
protected:
    ImportCopyTest() : pathB_(dir_.file("b.ets"))
    {
        ObjectsDevice& source = *setup_->Device;
        EXPECT_TRUE(source.AddEtsObjectByDisplayOrder(3300, 1, -500, setup_->Function, false));
        EXPECT_TRUE(source.AddEtsObjectByDisplayOrder(4100, 1, -300, setup_->Function, false));
        const auto objects = setup_->Objects();
        EXPECT_TRUE(source.LinkToSubGroup(SubGroupId(0, 0, 1), objects.at(57)->GetHandle(), true));
        EXPECT_TRUE(source.LinkToSubGroup(SubGroupId(1, 0, 1), objects.at(57)->GetHandle(), true));
        EXPECT_TRUE(source.LinkToSubGroup(SubGroupId(1, 1, 2), objects.at(59)->GetHandle(), true));
        block_ = setup_->Block();

        MakeTemplateProject(pathB_, dir_.path().string() + "/");
        Execute("DELETE FROM sub_group WHERE id = " + std::to_string(SubGroupId(1, 1, 2, pathB_)), pathB_);
        const std::int32_t flur = SubGroupId(1, 0, 1, pathB_);
        Execute("DELETE FROM sub_group WHERE id = " + std::to_string(flur), pathB_);
        Execute("INSERT INTO sub_group (middle_group_id, number, name) SELECT id, 1, 'Flur Licht' FROM middle_group "
                "WHERE number = 0 AND main_group_id = (SELECT id FROM main_group WHERE number = 1)",
                pathB_);
        target_ = std::make_unique<DeviceSetup>(pathB_, FlurDevice);
        target_->Renew();
        // What the host did when it took the device over: the other device first, so that the
        // ids differ, then the parameters of this one, and the links it brought.
        SetParameter(3, 3300, 1);
        SetParameter(FlurDevice, 3300, 1);
        SetParameter(FlurDevice, 4100, 1);
        for (const std::int32_t group : {SubGroupId(1, 0, 3, pathB_), SubGroupId(1, 0, 2, pathB_)})
            Execute("INSERT INTO sub_to_object (sub_group_id, device_object_id) VALUES (" + std::to_string(group) +
                        ", " + std::to_string(DeviceObjectB(59)) + ")",
                    pathB_);
    }

    void SetParameter(std::int32_t device, int displayOrder, int value)
    {
        const auto id = static_cast<std::int32_t>(
            Query("SELECT dp.id FROM device_parameter dp JOIN parameter p ON p.id = dp.parameter_id WHERE "
                  "dp.device_id = " + std::to_string(device) + " AND p.display_order = " + std::to_string(displayOrder),
                  pathB_));
        EXPECT_EQ(CO_PARAMETER_SET_OBJECTS_CHANGED, target_->Link.CoSetDeviceParameterValueLong(id, value, false, false));
    }
    std::int32_t DeviceObjectB(int number)
    {
        return static_cast<std::int32_t>(Query("SELECT id FROM device_object WHERE device_id = 1 AND number = " +
                                                   std::to_string(number),
                                               pathB_));
    }
    std::int64_t ProjectLinks(std::int32_t deviceObjectId)
    {
        return Query("SELECT count(*) FROM sub_to_object WHERE device_object_id = " + std::to_string(deviceObjectId),
                     pathB_);
    }
    bool Import(TEtsProgressDialog* meter)
    {
        platform::TMemoryStream block(block_);
        return target_->Device->SorvCdiImport(&block, meter);
    }
    bool Copy(TEtsProgressDialog* meter)
    {
        platform::TMemoryStream block(block_);
        return target_->Device->SorvCdiCopy(&block, meter);
    }
    std::vector<std::int32_t> Positions() const
    {
        std::vector<std::int32_t> positions;
        for (const auto& call : ui_.calls(CallKind::ProgressStep))
            positions.push_back(call.value);
        return positions;
    }

    std::string pathB_;
    std::string block_;
    std::unique_ptr<DeviceSetup> target_;
};

TEST_F(ImportCopyTest, AnImportGivesEveryObjectTheNewDevicesIdsAndConvertsItsLinks)
{
    {
        TEtsProgressDialog meter(&target_->Link, 2);
        ASSERT_TRUE(Import(&meter));
    }
    ObjectsDevice& device = *target_->Device;
    auto* system = dynamic_cast<TSorvEtsDevice*>(device.GetDevice());
    ASSERT_NE(nullptr, system);
    EXPECT_EQ(FlurDevice, system->GetEtsDeviceId());
    EXPECT_EQ(FlurDevice, device.FindRecord(system->GetHandle())->Param4);

    const auto objects = target_->Objects();
    ASSERT_EQ(3u, objects.size());
    for (const int number : {57, 59, 60}) {
        TEtsObjekt* object = objects.at(number);
        const std::int32_t id = DeviceObjectB(number);
        EXPECT_EQ(id, object->GetDeviceObjectId()) << number;
        EXPECT_EQ(Query("SELECT comm_object_id FROM device_object WHERE id = " + std::to_string(id), pathB_),
                  object->GetCommObjectId());
        EXPECT_EQ(Query("SELECT dp.id FROM device_parameter dp JOIN comm_object c ON c.parameter_id = dp.parameter_id "
                        "JOIN device_object o ON o.comm_object_id = c.id WHERE dp.device_id = 1 AND o.id = " +
                            std::to_string(id),
                        pathB_),
                  object->GetParameterId());
        const TDatenStruktur* record = device.FindRecord(object->GetHandle());
        EXPECT_EQ(id, record->Param10) << number;
        EXPECT_EQ(object->GetCommObjectId(), record->Param3) << number;
    }
    EXPECT_NE(DeviceObjectB(57), setup_->Objects().at(57)->GetDeviceObjectId());

    // 57 keeps both links, with project B's ids; its project links are the host's.
    EXPECT_EQ((TLinks{{SubGroupId(0, 0, 1, pathB_), 0x0001, false}, {SubGroupId(1, 0, 1, pathB_), 0x0801, false}}),
              objects.at(57)->GetGrpAdrIdList());
    EXPECT_NE(SubGroupId(1, 0, 1), SubGroupId(1, 0, 1, pathB_));
    EXPECT_EQ(std::to_string(SubGroupId(0, 0, 1, pathB_)) + ":1:0;" + std::to_string(SubGroupId(1, 0, 1, pathB_)) +
                  ":2049:0",
              devicetest::TDeviceHub::RecordLinks(device, objects.at(57)));
    // 59's address is missing in B: told once, its link dropped, and the host's link it does
    // not hold removed.
    EXPECT_TRUE(objects.at(59)->GetGrpAdrIdList().empty());
    EXPECT_EQ(0, ProjectLinks(DeviceObjectB(59)));
    EXPECT_EQ((std::vector<std::string>{"Gruppenadresse konnte nicht konvertiert werden.\n1/1/2\nDie Gruppenadresse "
                                        "wird benutzt von: Anzeige Text [Empfangen] | Fehler | 0"}),
              BoxTexts());

    // The meter: 10, 15, 20, then the device, the objects and one position per object.
    EXPECT_EQ((std::vector<std::int32_t>{10, 15, 20, 21, 22, 23, 24, 25}), Positions());
    const auto steps = ui_.calls(CallKind::ProgressStep);
    EXPECT_EQ("", steps[0].text);
    EXPECT_EQ("Lade Gruppenadressen...", steps[1].text);
    EXPECT_EQ("Konvertiere Ets-Datenbank Eintr\xE4ge ...", steps[2].text);
    EXPECT_EQ("Konvertiere Ets-Datenbank Eintr\xE4ge ...\nGer\xE4t", steps[3].text);
    EXPECT_EQ("Konvertiere Ets-Datenbank Eintr\xE4ge ...\nObjekt", steps[4].text);
    EXPECT_EQ("Konvertiere Ets-Datenbank Eintr\xE4ge ...\nObjekt\nUhrzeit [Empfangen]", steps[5].text);
    EXPECT_EQ(1u, ui_.calls(CallKind::ProgressStart).size());
    EXPECT_EQ(1u, ui_.calls(CallKind::ProgressStop).size());
}

TEST_F(ImportCopyTest, ACopyEndsWithoutLinksAndWithoutAddressMessages)
{
    const std::int64_t hostLinks = ProjectLinks(DeviceObjectB(59));
    {
        TEtsProgressDialog meter(&target_->Link, 13);
        ASSERT_TRUE(Copy(&meter));
    }
    const auto objects = target_->Objects();
    ASSERT_EQ(3u, objects.size());
    for (const auto& [number, object] : objects) {
        EXPECT_TRUE(object->GetGrpAdrIdList().empty()) << number;
        EXPECT_EQ(DeviceObjectB(number), object->GetDeviceObjectId());
        const TDatenStruktur* record = target_->Device->FindRecord(object->GetHandle());
        EXPECT_EQ(0, record->Param14);
        EXPECT_EQ(0, record->Param15);
        EXPECT_EQ(0, record->Next);
    }
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(hostLinks, ProjectLinks(DeviceObjectB(59))); // the host's links are the host's
    EXPECT_EQ((std::vector<std::int32_t>{10, 15, 20, 21, 22, 23, 24, 25}), Positions());
}

TEST_F(ImportCopyTest, WithoutTheObjectInTheProjectTheConversionStopsWithAMessage)
{
    SetParameter(FlurDevice, 4100, 0);
    EXPECT_FALSE(Import(nullptr));
    ASSERT_FALSE(ui_.boxes().empty());
    EXPECT_EQ("Objekt nicht gefunden.\nAnzeige Text [Empfangen] | Fehler | 0", BoxTexts().back());
    // 57 came first and stays converted.
    EXPECT_EQ(DeviceObjectB(57), target_->Objects().at(57)->GetDeviceObjectId());
}

TEST_F(ImportCopyTest, AnInactiveDeviceObjectOrOneOfAnotherTypeIsNotTaken)
{
    Execute("UPDATE device_object SET active = 0 WHERE device_id = 1 AND number = 60", pathB_);
    EXPECT_FALSE(Import(nullptr));
    EXPECT_EQ("Objekt nicht gefunden.\nAnzeige Beleuchtung [Ein/Aus] | Fehler | 0", BoxTexts().back());

    std::list<DAL_DEVICE_PARAM> parameters;
    std::list<DAL_DEVICE_OBJECT> deviceObjects;
    ObjectsDevice& device = *target_->Device;
    device.CreateEtsDBList(parameters, deviceObjects);
    std::int32_t commObject = 0, deviceObject = 0, deviceParam = 0;
    EXPECT_FALSE(device.GetEtsIdFromObjNr(parameters, deviceObjects, 60, 0, commObject, deviceObject, deviceParam));
    EXPECT_FALSE(device.GetEtsIdFromObjNr(parameters, deviceObjects, 57, 8, commObject, deviceObject, deviceParam));
    EXPECT_TRUE(device.GetEtsIdFromObjNr(parameters, deviceObjects, 57, 9, commObject, deviceObject, deviceParam));
    EXPECT_EQ(DeviceObjectB(57), deviceObject);
}

struct CancelCase {
    const char* Name;
    bool Import;
    std::int32_t Position;     // where the user cancels
    std::int32_t LastPosition; // where the cancel is noticed: the copy looks only from 21 on
};

void PrintTo(const CancelCase& c, std::ostream* os)
{
    *os << c.Name;
}

class CancelTest : public ImportCopyTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, ACancelOnTheMeterEndsWithFalseAtTheNextTest)
{
    const CancelCase& c = GetParam();
    ui_.CancelProgressAtStep(c.Position);
    {
        TEtsProgressDialog meter(&target_->Link, 2);
        EXPECT_FALSE(c.Import ? Import(&meter) : Copy(&meter));
        EXPECT_TRUE(meter.EtsGetAbortFlag());
    }
    EXPECT_EQ(c.LastPosition, Positions().back());
    if (c.Position == 10) {
        EXPECT_TRUE(target_->Objects().empty()); // nothing loaded
    }
    if (c.LastPosition == 24) {
        // The first object was converted before; the second not.
        EXPECT_EQ(DeviceObjectB(57), target_->Objects().at(57)->GetDeviceObjectId());
        EXPECT_NE(DeviceObjectB(59), target_->Objects().at(59)->GetDeviceObjectId());
    }
}

INSTANTIATE_TEST_SUITE_P(Points, CancelTest,
                         ::testing::Values(CancelCase{"Import10", true, 10, 10}, CancelCase{"Import15", true, 15, 15},
                                           CancelCase{"Import20", true, 20, 20}, CancelCase{"Import21", true, 21, 21},
                                           CancelCase{"Import22", true, 22, 22}, CancelCase{"Import24", true, 24, 24},
                                           CancelCase{"Copy10", false, 10, 10}, CancelCase{"Copy15", false, 15, 21},
                                           CancelCase{"Copy20", false, 20, 21}, CancelCase{"Copy23", false, 23, 23}),
                         [](const ::testing::TestParamInfo<CancelCase>& info) { return std::string(info.param.Name); });

TEST_F(ImportCopyTest, ABlockWithoutCommunicationObjectsConvertsOnlyTheDevice)
{
    setup_->Renew();
    setup_->Device->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
    auto system = std::make_unique<TestSystem>(setup_->Hub.Handle(), 0, 0, "Talvo", WohnenDevice, 0);
    TestSystem* raw = system.get();
    ASSERT_TRUE(setup_->Device->SetPointer2List(system.release()));
    setup_->Device->SetDevice(raw);
    raw->Write(*setup_->Device->GetDatenSatz(raw));
    block_ = setup_->Block();

    {
        TEtsProgressDialog meter(&target_->Link, 2);
        EXPECT_TRUE(Import(&meter));
    }
    EXPECT_EQ(FlurDevice, dynamic_cast<TSorvEtsDevice*>(target_->Device->GetDevice())->GetEtsDeviceId());
    EXPECT_EQ((std::vector<std::int32_t>{10, 15, 20, 21, 22}), Positions());
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(ImportCopyTest, ARecordWithoutItsDataObjectIsPassedOver)
{
    ASSERT_TRUE(Import(nullptr));
    ObjectsDevice& device = *target_->Device;
    TEtsObjekt* gone = target_->Objects().at(59);
    const std::int32_t handle = gone->GetHandle();
    ASSERT_TRUE(device.DeletePointerFromList(gone)); // its record stays
    Execute("UPDATE device_object SET id = id + 1000 WHERE device_id = 1", pathB_);
    EXPECT_TRUE(device.KonvertEtsIds(TDeviceInstanz::KonvertModusCopy, nullptr));
    EXPECT_EQ(DeviceObjectB(57), target_->Objects().at(57)->GetDeviceObjectId());
    EXPECT_NE(DeviceObjectB(59), device.FindRecord(handle)->Param10);
}

TEST_F(ImportCopyTest, TheSameAddressTwiceIsLinkedTwiceToTheFirstSubGroup)
{
    ASSERT_TRUE(Import(nullptr));
    ObjectsDevice& device = *target_->Device;
    TEtsObjekt* object = target_->Objects().at(60);
    object->AddSubGroupLink(4711, 0x0803, false);
    object->AddSubGroupLink(4712, 0x0803, true);
    bool missing = true;
    EXPECT_TRUE(device.KonvertEtsGAIds(object, missing));
    EXPECT_FALSE(missing);
    const std::int32_t kueche = SubGroupId(1, 0, 3, pathB_);
    EXPECT_EQ((TLinks{{kueche, 0x0803, false}, {kueche, 0x0803, false}}), object->GetGrpAdrIdList());
    EXPECT_FALSE(device.KonvertEtsGAIds(nullptr, missing));
}

TEST_F(ImportCopyTest, OneMissingAddressAmongThreeKeepsTheOthers)
{
    ASSERT_TRUE(Import(nullptr));
    ObjectsDevice& device = *target_->Device;
    TEtsObjekt* object = target_->Objects().at(60);
    object->AddSubGroupLink(1, 0x0801, false);
    object->AddSubGroupLink(3, 0x0902, false); // 1/1/2: missing in B
    object->AddSubGroupLink(2, 0x090A, false); // 1/1/10
    const std::size_t boxes = ui_.boxes().size();
    bool missing = false;
    EXPECT_TRUE(device.KonvertEtsGAIds(object, missing));
    EXPECT_TRUE(missing);
    EXPECT_EQ((TLinks{{SubGroupId(1, 0, 1, pathB_), 0x0801, false}, {SubGroupId(1, 1, 10, pathB_), 0x090A, false}}),
              object->GetGrpAdrIdList());
    ASSERT_EQ(boxes + 1, ui_.boxes().size());
    EXPECT_EQ("Gruppenadresse konnte nicht konvertiert werden.\n1/1/2\nDie Gruppenadresse wird benutzt von: Anzeige "
              "Beleuchtung [Ein/Aus]",
              ui_.boxes().back().text);
}

struct AddressCase {
    const char* Name;
    std::uint16_t Address;
    int ObjectType; // the host's type plus 1
    int Levels;
    bool Found;
    bool Fits;
    std::string Message;
};

void PrintTo(const AddressCase& c, std::ostream* os)
{
    *os << c.Name;
}

class AddressTest : public ComObjTest, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(AddressTest, OneAddressIsMatchedByAddressAndType)
{
    const AddressCase& c = GetParam();
    dataModule_.Level = c.Levels;
    ObjectsDevice& device = *setup_->Device;
    device.LoadGrpAdr();
    std::int32_t id = -5;
    std::string message = "untouched";
    EXPECT_EQ(c.Fits, device.KonvertEtsGAId(id, c.Address, message, c.ObjectType));
    EXPECT_EQ(c.Message, message);
    if (c.Found)
        EXPECT_EQ(SubGroupId(c.Address >> 11, (c.Address >> 8) & 7, c.Address & 0xFF), id);
    else
        EXPECT_EQ(-5, id);
    EXPECT_TRUE(ui_.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, AddressTest,
    ::testing::Values(
        AddressCase{"FreeTypeFitsAny", 0x0801, 5, 3, true, true, "untouched"},
        AddressCase{"SameType", 0x1001, 9, 3, true, true, "untouched"}, // 2/0/1: host type 8
        AddressCase{"OtherType", 0x1001, 1, 3, true, false,
                    "Gruppenadresse konnte nicht konvertiert werden.\n2/0/1\nDer Typ der Gruppenadresse kann nicht "
                    "dem Objekt zugewiesen werden."},
        AddressCase{"OtherTypeTwoLevels", 0x1001, 1, 2, true, false,
                    "Gruppenadresse konnte nicht konvertiert werden.\n2/1\nDer Typ der Gruppenadresse kann nicht dem "
                    "Objekt zugewiesen werden."},
        AddressCase{"Missing", 0x3FFF, 1, 2, false, false,
                    "Gruppenadresse nicht gefunden.\nGruppenadresse: 7/7/255"}),
    [](const ::testing::TestParamInfo<AddressCase>& info) { return std::string(info.param.Name); });

TEST_F(ComObjTest, TheNumberOfTheObjectThatAParameterValueKeeps)
{
    ObjectsDevice& device = *setup_->Device;
    ASSERT_TRUE(device.AddEtsObjectByDisplayOrder(4100, 1, 0, setup_->Function, false));
    std::list<DAL_DEVICE_PARAM> parameters;
    std::list<DAL_DEVICE_OBJECT> objects;
    device.CreateEtsDBList(parameters, objects);
    EXPECT_EQ(2u, objects.size());
    const auto parameter = static_cast<std::int32_t>(
        Query("SELECT id FROM parameter WHERE display_order = 4100"));
    std::int32_t number = -1;
    EXPECT_TRUE(device.GetObjectNrFromParameterId(parameter, 1, objects, number));
    EXPECT_EQ(59, number);
    number = -1;
    EXPECT_FALSE(device.GetObjectNrFromParameterId(parameter, 2, objects, number));
    EXPECT_EQ(-1, number);
}

} // namespace
} // namespace comobjtest
