#include "outside/hostdata/EtsDeviceParam.h"
#include "tests/device/ComObjFixture.h"

#include <gtest/gtest.h>

#include <list>
#include <stdexcept>
#include <string>
#include <vector>

namespace comobjtest {
namespace {

using TLinks = TObjektBasis::TGrpAdrIdList;

const std::string AskText = "Dieser Vorgang wird Assoziationen l\xF6schen.\nFortfahren?";
const std::string AskBox = AskText + " | Best\xE4tigen | 36";

class ObjectsTest : public ComObjTest {
protected:
    ObjectsTest() : device_(*setup_->Device), owner_(setup_->Function) {}

    bool Add(int displayOrder, int value, bool ask = false, int positionBase = -500)
    {
        return device_.AddEtsObjectByDisplayOrder(static_cast<std::int16_t>(displayOrder), value, positionBase, owner_,
                                                  ask);
    }
    TEtsObjekt* Object(int number)
    {
        const auto objects = setup_->Objects();
        const auto found = objects.find(number);
        return found == objects.end() ? nullptr : found->second;
    }
    std::int32_t DeviceObjectId(int number, std::int32_t deviceId = WohnenDevice)
    {
        return static_cast<std::int32_t>(Query("SELECT id FROM device_object WHERE device_id = " +
                                               std::to_string(deviceId) + " AND number = " + std::to_string(number)));
    }
    std::int64_t ProjectLinkCount(std::int32_t deviceObjectId)
    {
        return Query("SELECT count(*) FROM sub_to_object WHERE device_object_id = " + std::to_string(deviceObjectId));
    }
    // Object 57 made for display order 3300 with value 1, then linked to 0/0/1 in project and model.
    TEtsObjekt* LinkedTime()
    {
        EXPECT_TRUE(Add(3300, 1));
        TEtsObjekt* time = Object(57);
        EXPECT_NE(nullptr, time);
        EXPECT_TRUE(device_.LinkToSubGroup(SubGroupId(0, 0, 1), time->GetHandle(), true));
        return time;
    }

    ObjectsDevice& device_;
    TDataBasis* owner_;
};

TEST_F(ObjectsTest, ADisplayOrderSwitchedOnMakesTheDataObjectsOfTheHostsObjects)
{
    ASSERT_TRUE(Add(4100, 1, false, -300));
    EXPECT_EQ(1, ParameterValue(4100));
    EXPECT_EQ((std::vector<int>{59, 60}), ProjectObjects());

    const auto objects = setup_->Objects();
    ASSERT_EQ(2u, objects.size());
    TEtsObjekt* text = objects.at(59);
    TEtsObjekt* light = objects.at(60);
    EXPECT_EQ("Anzeige Text [Empfangen]", text->GetName(true));
    EXPECT_EQ(-241, text->GetPosId());
    EXPECT_EQ(-240, light->GetPosId());
    EXPECT_EQ(owner_->GetHandle(), text->GetParentHandle());
    EXPECT_EQ(setup_->System->GetSystem(), text->GetSystem());
    EXPECT_EQ(DeviceObjectId(59), text->GetDeviceObjectId());
    EXPECT_EQ(4100, text->GetDisplayOrder());
    EXPECT_EQ(1, text->GetParameterValue());
    EXPECT_EQ(14, text->GetEtsObjektTyp());
    EXPECT_EQ(0, light->GetEtsObjektTyp());
    EXPECT_EQ(0, text->GetObjIdent());
    EXPECT_EQ(1, light->GetObjIdent()); // the running index
    EXPECT_TRUE(text->GetEnableFlag(0) && text->GetEnableFlag(3) && !text->GetEnableFlag(4));

    // The flags came from the project (the communication flag of the product's objects).
    bool read, write, communication, transmit, update, readOnInit;
    text->GetFlags(read, write, communication, transmit, update, readOnInit);
    EXPECT_EQ((std::vector<bool>{false, false, true, false, false, false}),
              (std::vector<bool>{read, write, communication, transmit, update, readOnInit}));

    const TDatenStruktur* record = device_.FindRecord(text->GetHandle());
    ASSERT_NE(nullptr, record);
    EXPECT_EQ(806, record->Typ);
    EXPECT_EQ(59, record->Param4);
    EXPECT_EQ(4100, record->Param16);
    EXPECT_EQ(1, record->Param17);
    EXPECT_EQ(DeviceObjectId(59), record->Param10);

    ASSERT_EQ(2u, setup_->Config.Added.size());
    EXPECT_EQ(owner_, setup_->Config.Added[0].Parent);
    EXPECT_EQ(text, setup_->Config.Added[0].Object);
    EXPECT_TRUE(setup_->Config.Added[0].MakeVisible);
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(platform::crDefault, ui_.ScreenCursor());
}

TEST_F(ObjectsTest, TheSameValueWithObjectsPresentChangesNothing)
{
    ASSERT_TRUE(Add(3300, 1));
    TEtsObjekt* time = Object(57);
    const int sets = setup_->Link.Writes(TCoCall::SetParameter);
    EXPECT_TRUE(Add(3300, 1, true));
    EXPECT_EQ(sets, setup_->Link.Writes(TCoCall::SetParameter));
    EXPECT_EQ(time, Object(57));
    EXPECT_EQ(1u, setup_->Objects().size());
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(ObjectsTest, ValueZeroWithoutObjectsDoesNotSetTheParameter)
{
    EXPECT_TRUE(Add(3300, 0, true));
    EXPECT_EQ(0, setup_->Link.Writes(TCoCall::SetParameter));
    EXPECT_TRUE(setup_->Objects().empty());
    EXPECT_TRUE(ProjectObjects().empty());
}

TEST_F(ObjectsTest, ValueZeroWithObjectsDeletesThemAndSetsTheParameter)
{
    ASSERT_TRUE(Add(4100, 1));
    EXPECT_TRUE(Add(4100, 0));
    EXPECT_EQ(0, ParameterValue(4100));
    EXPECT_TRUE(ProjectObjects().empty());
    EXPECT_TRUE(setup_->Objects().empty());
    EXPECT_EQ(2u, setup_->Config.Deleted.size());
}

TEST_F(ObjectsTest, AChangedValueOfALinkedObjectIsRefusedOnNo)
{
    TEtsObjekt* time = LinkedTime();
    const std::int32_t deviceObject = time->GetDeviceObjectId();
    ui_.Answer({platform::IDNO});
    EXPECT_FALSE(Add(3300, 2, true));
    EXPECT_EQ((std::vector<std::string>{AskBox}), BoxTexts());
    EXPECT_EQ(1, ParameterValue(3300));
    EXPECT_EQ(time, Object(57));
    EXPECT_EQ(1u, time->GetGrpAdrIdList().size());
    EXPECT_EQ(1, ProjectLinkCount(deviceObject));
    EXPECT_TRUE(device_.DeleteQuestion);
}

TEST_F(ObjectsTest, AChangedValueOfALinkedObjectAcceptedDeletesUnlinksAndCreatesAnew)
{
    TEtsObjekt* time = LinkedTime();
    const std::int32_t oldDeviceObject = time->GetDeviceObjectId();
    const std::int32_t oldHandle = time->GetHandle();
    ui_.Answer({platform::IDYES});
    ASSERT_TRUE(Add(3300, 2, true));
    EXPECT_EQ((std::vector<std::string>{AskBox}), BoxTexts());
    EXPECT_EQ(0, ProjectLinkCount(oldDeviceObject));
    EXPECT_EQ(2, Query("SELECT c.parameter_value FROM device_object o JOIN comm_object c ON c.id = o.comm_object_id "
                       "WHERE o.device_id = 2 AND o.number = 57"));
    EXPECT_EQ((std::vector<int>{57}), ProjectObjects());
    EXPECT_EQ(nullptr, device_.FindHandle(oldHandle));
    EXPECT_EQ(nullptr, device_.FindRecord(oldHandle));
    ASSERT_EQ(1u, setup_->Config.Deleted.size());

    TEtsObjekt* again = Object(57);
    ASSERT_NE(nullptr, again);
    EXPECT_EQ("Uhrzeit [Senden]", again->GetName(true));
    EXPECT_EQ(2, again->GetParameterValue());
    EXPECT_EQ(DeviceObjectId(57), again->GetDeviceObjectId());
    EXPECT_EQ(Query("SELECT comm_object_id FROM device_object WHERE device_id = 2 AND number = 57"),
              again->GetCommObjectId());
    EXPECT_TRUE(again->GetGrpAdrIdList().empty());
    EXPECT_EQ(2, ParameterValue(3300));
    EXPECT_TRUE(device_.DeleteQuestion);
}

TEST_F(ObjectsTest, WithoutAskingOrWithNoDeleteQuestionLinkedObjectsGoSilently)
{
    LinkedTime();
    EXPECT_TRUE(Add(3300, 2, false));
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_TRUE(device_.DeleteQuestion);

    ASSERT_TRUE(device_.LinkToSubGroup(SubGroupId(0, 0, 1), Object(57)->GetHandle(), true));
    device_.NoDeleteQuestion = true;
    EXPECT_TRUE(Add(3300, 1, true));
    EXPECT_TRUE(device_.CheckIfDeleteObjectsAllowed({3300}));
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(ObjectsTest, TheDeleteQuestionIsOnAgainAfterAnException)
{
    ASSERT_TRUE(Add(3300, 1));
    setup_->Config.ThrowOnDelete = true;
    EXPECT_THROW(Add(3300, 2, false), std::runtime_error);
    EXPECT_TRUE(device_.DeleteQuestion);
}

TEST_F(ObjectsTest, AFailedSetBringsBackTheDataObjectsOfWhatTheHostStillHas)
{
    TEtsObjekt* time = LinkedTime();
    const std::int32_t deviceObject = time->GetDeviceObjectId();
    setup_->Link.FailWrites(TCoCall::SetParameter, CO_PARAMETER_FAILED);
    EXPECT_FALSE(Add(3300, 2, false));
    EXPECT_EQ((std::vector<std::string>{
                  "Beim Erzeugen des Objektes ist ein Fehler aufgetreten.\nDisplayOrder: 3300\nParameterValue: 2 | "
                  "Fehler | 0"}),
              BoxTexts());
    EXPECT_EQ(1, ParameterValue(3300));
    TEtsObjekt* back = Object(57);
    ASSERT_NE(nullptr, back);
    EXPECT_EQ(deviceObject, back->GetDeviceObjectId());
    EXPECT_EQ("Uhrzeit [Empfangen]", back->GetName(true));
    EXPECT_TRUE(back->GetGrpAdrIdList().empty()); // its link went with the deletion, in both places
    EXPECT_EQ(0, ProjectLinkCount(deviceObject));
    EXPECT_EQ(1u, setup_->Objects().size());
    EXPECT_TRUE(device_.DeleteQuestion);
}

struct ResultCase {
    std::uint8_t Code;
    std::int16_t DisplayOrder;
    std::int32_t Value;
    std::string Text;
};

void PrintTo(const ResultCase& c, std::ostream* os)
{
    *os << "Code" << static_cast<int>(c.Code);
}

class ResultTest : public ObjectsTest, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(ResultTest, EveryCodeButZeroIsShownWithDisplayOrderAndValue)
{
    const ResultCase& c = GetParam();
    EXPECT_EQ(c.Code == 0, device_.CheckObjectParamResult(c.Code, c.DisplayOrder, c.Value));
    if (c.Code == 0) {
        EXPECT_TRUE(ui_.boxes().empty());
        return;
    }
    ASSERT_EQ(1u, ui_.boxes().size());
    EXPECT_EQ(c.Text, ui_.boxes()[0].text);
    EXPECT_EQ("Fehler", ui_.boxes()[0].caption);
    EXPECT_EQ(platform::MB_OK, ui_.boxes()[0].style);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ResultTest,
    ::testing::Values(ResultCase{0, 3300, 1, ""},
                      ResultCase{1, 3300, 7, "Objekt nicht gefunden.\nDisplayOrder: 3300\nParameterValue: 7"},
                      ResultCase{2, 4100, -1,
                                 "Beim Erzeugen des Objektes ist ein Fehler aufgetreten.\nDisplayOrder: 4100\n"
                                 "ParameterValue: -1"},
                      ResultCase{9, static_cast<std::int16_t>(40000), 0,
                                 "Objekt konnte nicht erzeugt werden.\n Unbekannter Fehler.\nDisplayOrder: -25536\n"
                                 "ParameterValue: 0"}));

TEST_F(ObjectsTest, AnUnknownDisplayOrderIsReportedWithTheValueDelivered)
{
    EXPECT_FALSE(Add(1234, 1));
    EXPECT_EQ((std::vector<std::string>{"Objekt nicht gefunden.\nDisplayOrder: 1234\nParameterValue: 0 | Fehler | 0"}),
              BoxTexts());
    std::int32_t value = 5;
    std::list<TEtsObjekt*> objects;
    EXPECT_FALSE(device_.GetEtsObjectByDisplayOrder(1234, value, objects));
    EXPECT_TRUE(objects.empty());
}

TEST_F(ObjectsTest, ObjectsOfADisplayOrderAreFoundInTheHostsOrderAndAppended)
{
    ASSERT_TRUE(Add(4100, 1));
    ASSERT_TRUE(Add(3300, 2));
    TEtsObjekt* first = Object(59);
    device_.DeletePointerFromList(Object(60)); // a record without a data object is passed over
    std::list<TEtsObjekt*> objects{nullptr};
    std::int32_t value = 0;
    EXPECT_TRUE(device_.GetEtsObjectByDisplayOrder(4100, value, objects));
    EXPECT_EQ(1, value);
    EXPECT_EQ((std::list<TEtsObjekt*>{nullptr, first}), objects);
    EXPECT_TRUE(device_.GetEtsObjectByDisplayOrder(3300, value, objects));
    EXPECT_EQ(2, value);
    EXPECT_EQ(3u, objects.size());
}

TEST_F(ObjectsTest, TheDeleteCheckAsksOnceWhenAnObjectIsLinkedAndDeletesNothing)
{
    EXPECT_TRUE(device_.CheckIfDeleteObjectsAllowed({}));
    ASSERT_TRUE(Add(4100, 1));
    EXPECT_TRUE(device_.CheckIfDeleteObjectsAllowed({4100, 3300})); // nothing linked
    EXPECT_TRUE(ui_.boxes().empty());

    TEtsObjekt* time = LinkedTime();
    ui_.Answer({platform::IDNO});
    EXPECT_FALSE(device_.CheckIfDeleteObjectsAllowed({4100, 3300, 1234}));
    EXPECT_EQ((std::vector<std::string>{AskBox}), BoxTexts()); // 1234 was not looked at
    EXPECT_TRUE(device_.CheckIfDeleteObjectsAllowed({3300}));
    EXPECT_EQ(2u, ui_.boxes().size());
    EXPECT_EQ(time, Object(57));
    EXPECT_EQ(3u, setup_->Objects().size());
}

TEST_F(ObjectsTest, ADeleteCheckGoesOnAfterADisplayOrderThatFails)
{
    LinkedTime();
    ui_.Answer({platform::IDOK, platform::IDNO});
    EXPECT_FALSE(device_.CheckIfDeleteObjectsAllowed({1234, 3300}));
    ASSERT_EQ(2u, ui_.boxes().size());
    EXPECT_EQ("Objekt nicht gefunden.\nDisplayOrder: 1234\nParameterValue: 0", ui_.boxes()[0].text);
    EXPECT_EQ(AskText, ui_.boxes()[1].text);
}

TEST_F(ObjectsTest, ObjectsAreNamedWithoutBracketsWhenTheyHaveNoFunctionTextAndNeedAnOwner)
{
    tagDAL_OBJECT_INFO bare;
    bare.Name = "Nackt";
    bare.ObjectNumber = -2;   // sign-extended
    bare.ObjectType = 0xFF;   // free
    bare.DeviceObjectId = 4711;
    EXPECT_TRUE(device_.CreateObjects({}, 0, nullptr, 1));
    EXPECT_FALSE(device_.CreateObjects({bare}, 0, nullptr, 1));
    EXPECT_TRUE(setup_->Objects().empty());

    ASSERT_TRUE(device_.CreateObjects({bare}, 10, owner_, 77));
    TEtsObjekt* object = Object(-2);
    ASSERT_NE(nullptr, object);
    EXPECT_EQ("Nackt", object->GetName(true));
    EXPECT_EQ(8, object->GetPosId());
    EXPECT_EQ(0, object->GetObjTyp());
    EXPECT_EQ(-1, object->GetEtsObjektTyp());
    EXPECT_EQ(77, object->GetDisplayOrder());
}

TEST_F(ObjectsTest, TheDisplayOrdersBelowAFunctionAreCollectedDepthFirst)
{
    auto nested = std::make_unique<TestFunction>(setup_->Hub.Handle(), 0, owner_->GetHandle(), "Seite", 6577, 0);
    TDataBasis* page = nested.get();
    ASSERT_TRUE(device_.SetPointer2List(nested.release()));
    page->Write(*device_.GetDatenSatz(page));
    auto deeper = std::make_unique<TestFunction>(setup_->Hub.Handle(), 0, page->GetHandle(), "Tiefer", 6578, 0);
    TDataBasis* deepest = deeper.get();
    ASSERT_TRUE(device_.SetPointer2List(deeper.release()));
    deepest->Write(*device_.GetDatenSatz(deepest));

    ASSERT_TRUE(device_.AddEtsObjectByDisplayOrder(3300, 1, 0, owner_, false));
    ASSERT_TRUE(device_.AddEtsObjectByDisplayOrder(4100, 1, 0, deepest, false));
    ASSERT_TRUE(device_.AddEtsObjectByDisplayOrder(3305, 1, 0, page, false));
    tagDAL_OBJECT_INFO zero;
    zero.ObjectNumber = 200;
    zero.DeviceObjectId = 9999;
    ASSERT_TRUE(device_.CreateObjects({zero}, 0, page, 0)); // display order 0: left out

    std::list<int> orders;
    EXPECT_TRUE(device_.FillDONListWithEtsObjectsRecursivFromParent(orders, owner_));
    std::list<int> sorted = orders;
    sorted.sort();
    EXPECT_EQ((std::list<int>{3300, 3305, 4100, 4100}), sorted);
    EXPECT_EQ(4u, orders.size());

    std::list<int> fromPage{5};
    EXPECT_TRUE(device_.FillDONListWithEtsObjectsRecursivFromParent(fromPage, deepest));
    EXPECT_EQ((std::list<int>{5, 4100, 4100}), fromPage);
    std::list<int> none;
    EXPECT_FALSE(device_.FillDONListWithEtsObjectsRecursivFromParent(none, nullptr));
    EXPECT_FALSE(device_.FillDONListWithEtsObjectsRecursivFromParent(none, Object(57)));
    std::list<int> kept{1};
    EXPECT_TRUE(device_.FillDONListWithEtsObjectsRecursivFromParent(kept, Object(57)));
}

TEST_F(ObjectsTest, TheAddressesOfAllLinksAreReadAnewAndFailuresReportedTogether)
{
    TEtsObjekt* time = LinkedTime();
    const std::int32_t timeGroup = SubGroupId(0, 0, 1);
    time->ClearAllSubGroupLink();
    time->AddSubGroupLink(timeGroup, 0x1234, false);
    EXPECT_TRUE(device_.UpdateGroupAddressFromId());
    EXPECT_EQ((TLinks{{timeGroup, 0x0001, false}}), time->GetGrpAdrIdList());
    EXPECT_EQ(0x0001, device_.FindRecord(time->GetHandle())->Param15);
    EXPECT_TRUE(ui_.detailBoxes().empty());

    time->AddSubGroupLink(99999, 0x0777, false); // no such sub group
    EXPECT_FALSE(device_.UpdateGroupAddressFromId());
    ASSERT_FALSE(ui_.detailBoxes().empty());
    const auto& box = ui_.detailBoxes().back();
    EXPECT_EQ("Beim Laden der Gruppendressen ist ein Fehler aufgetreten.", box.text);
    EXPECT_EQ("Talvo-Display", box.caption);
    EXPECT_EQ("TDeviceInstanz::UpdateGroupAddressFromId", box.function);
    EXPECT_EQ(16u, box.style);
    EXPECT_NE(std::string::npos, box.detail.find("99999"));
    EXPECT_EQ(0x0777, time->GetGrpAdrIdList()[1].GrpAdr); // kept
    // Written all the same: the chained record holds the second link.
    EXPECT_EQ(std::to_string(timeGroup) + ":1:0;99999:1911:0", devicetest::TDeviceHub::RecordLinks(device_, time));
}

TEST_F(ObjectsTest, TheDeviceParameterObjectNeedsTheHostLink)
{
    EXPECT_NE(nullptr, device_.GetEtsDeviceParam());
    EXPECT_EQ(device_.GetEtsDeviceParam(), device_.GetEtsDeviceParam());
    EXPECT_EQ(WohnenDevice, device_.GetEtsDeviceParam()->DeviceId());

    setup_->Main.Link = nullptr;
    setup_->Renew();
    EXPECT_EQ(nullptr, setup_->Device->GetEtsDeviceParam());
    EXPECT_FALSE(setup_->Device->AddEtsObjectByDisplayOrder(3300, 1, 0, nullptr, false));
}

} // namespace
} // namespace comobjtest
