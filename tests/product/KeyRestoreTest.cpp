#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/RequestRecords.h"
#include "tests/product/support/KeySensorFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace keysensortest {
namespace {

// --- Restoring from records ---

class Restore : public KeySensorTest, public ::testing::WithParamInterface<int> {
protected:
    TDatenStruktur Record(int typ) const
    {
        TDatenStruktur record;
        record.Handle = 700;
        record.Typ = static_cast<std::int16_t>(typ);
        record.Parent = system_->GetHandle();
        record.System = 0;
        record.Name = "Gespeichert";
        record.Param1 = 4;
        return record;
    }
};

TEST_P(Restore, MakesTheObjectOfEveryKeySensorType)
{
    MakeSystem(10);
    TDatenStruktur record = Record(GetParam());
    ASSERT_TRUE(device_->InitDaten_TastsensorFunktion(record));
    TDataBasis* object = device_->FindHandle(700);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetTyp(), GetParam());
    EXPECT_EQ(object->GetParentHandle(), system_->GetHandle());
    EXPECT_EQ(object->GetName(false), "Gespeichert");
    EXPECT_EQ(object->GetPosId(), 4) << "read from the record";
    EXPECT_TRUE(tree_.Added.empty());
    EXPECT_TRUE(ui_.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Types, Restore,
                         ::testing::Values(6552, 6553, 6554, 6555, 6557, 6558, 6559, 6560, 6561, 6562, 6563, 6564,
                                           6565, 6566, 6567, 6568, 6569, 6570, 6571, 6572, 6573, 6574, 6575, 6587,
                                           6588, 6589, 6590, 6591, 6592));

TEST_F(KeySensorTest, RestoreRefusesOtherTypesAndKeysOfADeviceWithoutKeys)
{
    MakeSystem(0);
    const auto restore = [this](int typ) {
        TDatenStruktur record;
        record.Handle = 700;
        record.Typ = static_cast<std::int16_t>(typ);
        record.Parent = system_->GetHandle();
        return device_->InitDaten_TastsensorFunktion(record);
    };
    EXPECT_FALSE(restore(6556));
    EXPECT_FALSE(restore(6576));
    EXPECT_FALSE(restore(6553));
    EXPECT_FALSE(restore(6554));
    EXPECT_EQ(device_->FindHandle(700), nullptr);
    EXPECT_TRUE(restore(6552)) << "the function needs no keys";
}

TEST_F(KeySensorTest, ADeviceWrittenAndReopenedHasTheSameObjects)
{
    MakeSystem(10);
    keyplan_.Modes = {1, 2, 1, 1, 2};
    ASSERT_EQ(BuildFunction(), 1);
    ASSERT_TRUE(device_->WriteBlob());
    using TIdentity = std::tuple<int, std::string, std::int32_t>;
    std::map<std::int32_t, TIdentity> before;
    for (const auto& [handle, object] : device_->GetDataPointerMap())
        before[handle] = {object->GetTyp(), object->GetName(false), object->GetParentHandle()};

    NewDevice();
    ASSERT_TRUE(device_->GetDataFromServer(Window(), false));

    std::map<std::int32_t, TIdentity> after;
    for (const auto& [handle, object] : device_->GetDataPointerMap())
        after[handle] = {object->GetTyp(), object->GetName(false), object->GetParentHandle()};
    EXPECT_EQ(after, before);
    EXPECT_TRUE(ui_.boxes().empty()) << (ui_.boxes().empty() ? "" : ui_.boxes()[0].text);
    EXPECT_TRUE(ui_.detailBoxes().empty());
    ASSERT_NE(device_->GetPointerFromSystem(), nullptr);
    system_ = nullptr; // the reopened system object is the library's own
}

// --- Group addresses of the status objects after a template import ---

class Conversion : public KeySensorTest {
protected:
    void SetUp() override
    {
        MakeSystem(10);
        ASSERT_EQ(BuildFunction(), 1);
        a_ = SubGroup(1, 0, 1);
        b_ = SubGroup(1, 0, 2);
        key_ = dynamic_cast<ScriptedTaste*>(Key(1));
        ASSERT_NE(key_, nullptr);
        key_->SetStatusLed(TTsTaste::StatusLedUeberObjekt);
        ASSERT_EQ(Send(key_, UDM_MODIFY_TASTEN_STATUS, key_->GetHandle(), 1), 1);
        const std::vector<TDataBasis*> states = Children(key_, DT_TS_TASTE_STATUS);
        ASSERT_EQ(states.size(), 1u);
        status_ = states[0];
        // A second object of the status, as a template brings it.
        ASSERT_TRUE(device_->AddEtsObjectByDisplayOrder(4620, 1, 0, status_, false));
        ASSERT_EQ(EtsObjects(status_).size(), 2u);
    }

    std::int32_t a_ = 0;
    std::int32_t b_ = 0;
    ScriptedTaste* key_ = nullptr;
    TDataBasis* status_ = nullptr;
};

TEST_F(Conversion, TheFirstKeyObjectWithLinksGivesTheStatusObjectsItsAddressesSendAddressAndFlags)
{
    const std::vector<TEtsObjekt*> own = EtsObjects(key_);
    ASSERT_EQ(own.size(), 2u);
    TEtsObjekt* first = own[0]->GetHandle() < own[1]->GetHandle() ? own[0] : own[1];
    Link(first, b_);
    Link(first, a_);
    first->SetGrpAdrSend(a_);
    ASSERT_TRUE(first->SetObjektFlags(true, false, true, false, true, true, false));

    EXPECT_EQ(Send(key_, UDM_CONVERT_TASTEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT), 1)
        << "a later key object without links does not undo the first";

    bool expected[6];
    first->GetFlags(expected[0], expected[1], expected[2], expected[3], expected[4], expected[5]);
    for (TEtsObjekt* object : EtsObjects(status_)) {
        SCOPED_TRACE(object->GetDisplayOrder());
        ASSERT_EQ(object->GetGrpAdrIdList().size(), 2u);
        EXPECT_EQ(object->GetGrpAdrIdList()[0].SubGroupId, a_) << "the send address first";
        EXPECT_EQ(object->GetGrpAdrIdList()[1].SubGroupId, b_);
        EXPECT_EQ(ProjectLinks(object->GetDeviceObjectId(), a_), 1);
        EXPECT_EQ(ProjectLinks(object->GetDeviceObjectId(), b_), 1);
        bool flags[6];
        object->GetFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
        EXPECT_EQ(std::vector<bool>(flags, flags + 6), std::vector<bool>(expected, expected + 6));
        EXPECT_EQ(Query("SELECT comm_flag || read_flag || write_flag || trans_flag || update_flag FROM device_object "
                        "WHERE id = " + std::to_string(object->GetDeviceObjectId())),
                  std::stoll(std::string() + (expected[2] ? '1' : '0') + (expected[0] ? '1' : '0') +
                             (expected[1] ? '1' : '0') + (expected[3] ? '1' : '0') + (expected[4] ? '1' : '0')));
        const TDatenStruktur* record = device_->GetDatenSatz(object);
        EXPECT_EQ(record->Param14, a_) << "the record is written again";
    }
}

TEST_F(Conversion, WithoutLinksNothingChanges)
{
    EXPECT_EQ(Send(key_, UDM_CONVERT_TASTEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT), 1);
    for (TEtsObjekt* object : EtsObjects(status_))
        EXPECT_TRUE(object->GetGrpAdrIdList().empty());
}

// A communication object the user cannot see.
class HiddenObjekt final : public TEtsObjekt {
public:
    using TEtsObjekt::TEtsObjekt;
    bool IsVisible() const override { return false; }
};

TEST_F(Conversion, AnInvisibleObjectOfTheKeyStopsIt)
{
    Link(EtsObjects(key_).front(), a_);
    auto hidden = std::make_unique<HiddenObjekt>(Window(), 0, key_->GetHandle(), "Verborgen", -1, -1, 99, -1, 100, 1,
                                                 0, 0, 1, 0, 0);
    ASSERT_TRUE(device_->SetPointer2List(hidden.release()));
    EXPECT_EQ(Send(key_, UDM_CONVERT_TASTEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT), 0);
    for (TEtsObjekt* object : EtsObjects(status_)) {
        if (!dynamic_cast<HiddenObjekt*>(object)) {
            EXPECT_TRUE(object->GetGrpAdrIdList().empty());
        }
    }
}

TEST_F(KeySensorTest, TheRockerStatusHandsItsFirstLinkedObjectOnWithinItself)
{
    MakeSystem(10);
    keyplan_.Modes = {2, 1, 1, 1, 1};
    ASSERT_EQ(BuildFunction(), 1);
    ASSERT_NE(Rocker(1), nullptr);
    const std::vector<TDataBasis*> states = Children(Rocker(1), DT_TS_WIPPE_STATUS);
    ASSERT_EQ(states.size(), 1u);
    TDataBasis* status = states[0];
    ASSERT_TRUE(device_->AddEtsObjectByDisplayOrder(4610, 1, 0, status, false));
    const std::vector<TEtsObjekt*> objects = EtsObjects(status);
    ASSERT_EQ(objects.size(), 2u);
    ASSERT_EQ(objects[0]->GetDisplayOrder(), 1700);
    const std::int32_t a = SubGroup(1, 0, 3);
    Link(objects[0], a);

    EXPECT_EQ(Send(status, UDM_CONVERT_WIPPEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT), 1);
    ASSERT_EQ(objects[1]->GetGrpAdrIdList().size(), 1u);
    EXPECT_EQ(objects[1]->GetGrpAdrIdList()[0].SubGroupId, a);
    EXPECT_EQ(ProjectLinks(objects[1]->GetDeviceObjectId(), a), 1);
    EXPECT_EQ(Send(status, UDM_GET_SYSTEM), 0) << "a rocker status gets no system object";
}

} // namespace
} // namespace keysensortest
