#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerSollwerte.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/addrlink/SorvGrpAdrSub.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/datacore/RequestRecords.h"
#include "outside/scenefunc/SzenenFunktion.h"
#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "tests/product/support/KeySensorFixture.h"
#include "tests/product/support/ProbeObject.h"
#include "tests/support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

namespace keysensortest {
namespace {

using producttest::ProbeObject;

// The senders of the routing table.
enum class Sender { None, RecordOnly, System, Display, DateTime, Key, RockerStatus, Controller, Other };

struct Route {
    const char* Name;
    Sender From;
    std::uint8_t Code;
    std::uint8_t Answer;
    std::vector<int> Hooks; // asked, in order
    bool SystemDelivered = false;
};

void PrintTo(const Route& r, std::ostream* os)
{
    *os << r.Name;
}

class RequestTest : public KeySensorTest {
protected:
    void SetUp() override
    {
        MakeSystem(10);
        ASSERT_EQ(BuildFunction(), 1);
        device_->Asked.clear();
    }

    // A sender of that kind: a registered object of the device where the kind has one, else a
    // probe of its type.
    TDataBasis* Make(Sender from)
    {
        switch (from) {
        case Sender::System:
            return system_;
        case Sender::Key:
            return Key(1);
        case Sender::DateTime:
            return Own(std::make_unique<TTalvoDatumUhrzeitSenden>(Window(), 0, system_->GetHandle(), "Datum", 0));
        case Sender::Display:
            return Probe(DT_TALVO_DISPLAY);
        case Sender::RockerStatus:
            return Probe(DT_TS_WIPPE_STATUS);
        case Sender::Controller:
            return Probe(DT_REGLER_FUNKTION);
        case Sender::Other:
            return Probe(DT_IR_FERNBEDIENUNG);
        default:
            return nullptr;
        }
    }
    TDataBasis* Probe(int typ) { return Own(std::make_unique<ProbeObject>(alive_, typ, 0, 1, 900)); }
    TDataBasis* Own(std::unique_ptr<TDataBasis> object)
    {
        objects_.push_back(std::move(object));
        return objects_.back().get();
    }

    int alive_ = 0;
    std::vector<std::unique_ptr<TDataBasis>> objects_;
};

class Routing : public RequestTest, public ::testing::WithParamInterface<Route> {};

TEST_P(Routing, AnswersAndAsksTheHooksInOrder)
{
    const Route& r = GetParam();
    TDatenStruktur record;
    record.Typ = DT_TS_TASTE;
    tagWmUserDevice request;
    request.Code = r.Code;
    request.Sender = Make(r.From);
    request.Handle = request.Sender ? request.Sender->GetHandle() : 0;
    if (r.From == Sender::RecordOnly)
        request.Record = &record;
    ui_.Answer({platform::IDCANCEL});
    device_->Asked.clear();

    const auto answer = static_cast<std::uint8_t>(
        platform::SendMessage(Window(), WM_USER_USERDEVICEMESSAGE, 0, reinterpret_cast<platform::LPARAM>(&request)));

    EXPECT_EQ(answer, r.Answer);
    EXPECT_EQ(device_->Asked, r.Hooks);
    if (r.SystemDelivered) {
        EXPECT_EQ(request.Result, system_);
    }
    if (r.Code == UDM_SHOW_DLG_EDIT_TIME) {
        EXPECT_EQ(ui_.boxes().size(), r.Answer ? 1u : 0u);
        EXPECT_EQ(request.Integer, r.Answer ? platform::IDCANCEL : 0) << "the dialog's result";
    }
}

const std::vector<int> AllHooks = {0, 1, 2, 3, 4, 5};

INSTANTIATE_TEST_SUITE_P(
    Table, Routing,
    ::testing::Values(
        Route{"NoSenderSystem", Sender::None, UDM_GET_SYSTEM, 0, {}},
        Route{"NoSenderKeySensor", Sender::None, UDM_MODIFY_TASTSENSOR_FUNKTION, 0, {}},
        Route{"NoSenderTime", Sender::None, UDM_SHOW_DLG_EDIT_TIME, 0, {}},
        Route{"RecordOnlyKeyGetsSystem", Sender::RecordOnly, UDM_GET_SYSTEM, 1, {0}, true},
        Route{"Code19", Sender::Key, 19, 0, AllHooks},
        Route{"Code19FromSystem", Sender::System, 19, 0, AllHooks},
        Route{"SystemFromSystem", Sender::System, UDM_GET_SYSTEM, 1, {}, true},
        Route{"SystemFromDisplay", Sender::Display, UDM_GET_SYSTEM, 1, {}, true},
        Route{"SystemFromKey", Sender::Key, UDM_GET_SYSTEM, 1, {0}, true},
        Route{"SystemFromRockerStatus", Sender::RockerStatus, UDM_GET_SYSTEM, 0, AllHooks},
        Route{"SystemFromAnyOther", Sender::Other, UDM_GET_SYSTEM, 1, {0}, true},
        Route{"TimeDialog", Sender::DateTime, UDM_SHOW_DLG_EDIT_TIME, 1, {}},
        Route{"TimeDialogFromAKey", Sender::Key, UDM_SHOW_DLG_EDIT_TIME, 0, {}},
        Route{"TimeDialogFromTheSystem", Sender::System, UDM_SHOW_DLG_EDIT_TIME, 0, {}},
        Route{"ControllerOfNoDevice", Sender::System, UDM_GET_REGLER_FUNKTION, 0, {}},
        Route{"ControllerAskedByAKey", Sender::Key, UDM_GET_REGLER_FUNKTION, 0, AllHooks},
        Route{"SetPointsWithoutController", Sender::System, UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG, 0, {}},
        Route{"ControllerTableUpdate", Sender::Controller, UDM_UPDATE_TABLE_SOLLWERTE, 0, AllHooks},
        Route{"KeySensorSwitch", Sender::System, UDM_MODIFY_TASTSENSOR_FUNKTION, 1, {}},
        Route{"UnknownCode", Sender::Other, 99, 0, AllHooks}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(RequestTest, TheFirstHookThatTakesEndsTheSearchAndItsRecognisedByteIsTheAnswer)
{
    ProbeObject sender(alive_, DT_REGLER_FUNKTION, 0, 1, 900);
    device_->Scripts[2] = {false, 1};
    device_->Scripts[3] = {true, 1};
    EXPECT_EQ(Send(&sender, UDM_UPDATE_TABLE_SOLLWERTE), 1);
    EXPECT_EQ(device_->Asked, (std::vector<int>{0, 1, 2, 3}));

    device_->Asked.clear();
    device_->Scripts[1] = {true, 0};
    EXPECT_EQ(Send(&sender, UDM_UPDATE_TABLE_SOLLWERTE), 0) << "taken, but not recognised";
    EXPECT_EQ(device_->Asked, (std::vector<int>{0, 1}));
}

TEST_F(RequestTest, TheDisplayIsFoundBelowTheSystem)
{
    tagWmUserDevice out;
    EXPECT_EQ(Send(system_, UDM_GET_DISPLAY, 0, 0, nullptr, &out), 0);
    auto owned = std::make_unique<TTalvoDisplay>(Window(), 0, system_->GetHandle(), "Anzeige", 0);
    TTalvoDisplay* display = owned.get();
    ASSERT_TRUE(device_->SetPointer2List(owned.release()));
    display->Write(*device_->GetDatenSatz(display));
    EXPECT_EQ(Send(system_, UDM_GET_DISPLAY, 0, 0, nullptr, &out), 1);
    EXPECT_EQ(out.Result, display);
    EXPECT_EQ(Send(display, UDM_GET_SYSTEM, 0, 0, nullptr, &out), 1);
    EXPECT_EQ(out.Result, system_);
}

TEST_F(RequestTest, ChangedSetPointsAreWrittenAndTheViewsToldInOrder)
{
    auto regler = std::make_unique<TReglerFunktion>(Window(), 0, system_->GetHandle(), "Regler", 0);
    TReglerFunktion* controller = regler.get();
    ASSERT_TRUE(device_->SetPointer2List(regler.release()));
    controller->Write(*device_->GetDatenSatz(controller));
    auto sollwerte = std::make_unique<TReglerSollwerte>(Window(), 0, controller->GetHandle(), "Sollwerte", 0);
    TReglerSollwerte* setPoints = sollwerte.get();
    ASSERT_TRUE(device_->SetPointer2List(sollwerte.release()));
    setPoints->Write(*device_->GetDatenSatz(setPoints));
    // The controller's page manager answers the access to the operating levels.
    device_->Scripts[1] = {true, 1, 1};
    hub_.Window().clear();

    tagWmUserDevice out;
    EXPECT_EQ(Send(system_, UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG, 0, 0, nullptr, &out), 1);
    EXPECT_EQ(out.Result, setPoints);
    testsupport::DeliverPostedMessages();
    std::vector<platform::UINT> refreshes;
    for (const auto& message : hub_.Window().messages())
        if (message.message == WM_USER_ABGLEICHFORMVERW || message.message == WM_USER_UPDATEOTHERVIEWS)
            refreshes.push_back(message.message);
    EXPECT_EQ(refreshes, (std::vector<platform::UINT>{WM_USER_ABGLEICHFORMVERW, WM_USER_UPDATEOTHERVIEWS}));

    tagWmUserDevice found;
    EXPECT_EQ(Send(system_, UDM_GET_REGLER_FUNKTION, 0, 0, nullptr, &found), 1);
    EXPECT_EQ(found.Result, controller);
    EXPECT_EQ(Send(Key(1), UDM_GET_REGLER_FUNKTION, 0, 0, nullptr, &found), 1);
    EXPECT_EQ(found.Result, controller);
}

TEST_F(RequestTest, TheKeySensorHookLooksFunctionsUpForKeysRockersAndTheKeyOperation)
{
    auto owned = std::make_unique<TSzenenFunktion>(Window(), 0, system_->GetHandle(), "Szenen-Funktion", 0);
    TSzenenFunktion* scenes = owned.get();
    ASSERT_TRUE(device_->SetPointer2List(owned.release()));
    scenes->Write(*device_->GetDatenSatz(scenes));
    tagWmUserDevice out;
    EXPECT_EQ(Send(First(DT_TS_BETAETIGUNG), UDM_GET_SZENEN_FUNKTION, 0, 0, nullptr, &out), 1)
        << "the key operation is answered as a key";
    EXPECT_EQ(out.Result, scenes);
    EXPECT_EQ(Send(Key(1), UDM_GET_SZENEN_FUNKTION, 0, 0, nullptr, &out), 1);
    EXPECT_EQ(out.Result, scenes);
    EXPECT_EQ(Send(Key(1), UDM_GET_RAUMTEMP_SCHALTUHR), 0);
    EXPECT_EQ(Send(Key(1), UDM_GET_REGLERNEBENSTELLEN_FUNKTION), 0);

    ProbeObject rocker(alive_, DT_TS_WIPPE, 0, 1, 902);
    device_->Asked.clear();
    EXPECT_EQ(Send(&rocker, UDM_GET_SZENEN_FUNKTION), 0) << "not a rocker's question";
    EXPECT_EQ(device_->Asked, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Send(&rocker, UDM_GET_SYSTEM, 0, 0, nullptr, &out), 1);
    EXPECT_EQ(out.Result, system_);

    ProbeObject control(alive_, DT_TASTEN_FUNKTION_REGLER_BEDIENUNG, 0, 1, 903);
    EXPECT_EQ(Send(&control, UDM_GET_SYSTEM, 0, 0, nullptr, &out), 1);
    EXPECT_EQ(out.Result, system_);
    EXPECT_EQ(Send(&control, UDM_GET_REGLER_FUNKTIONALITAET), 0) << "no controller";
    EXPECT_EQ(Send(&control, UDM_GET_SZENEN_FUNKTION), 0);
}

TEST_F(RequestTest, AnObjectDeletedOnRequestLosesItsNodeRecordAndRegistration)
{
    auto owned = std::make_unique<ProbeObject>(alive_, DT_TASTEN_FUNKTION_DIMMEN, 0, Key(1)->GetHandle(), 904);
    ProbeObject* probe = owned.get();
    EXPECT_EQ(Send(Key(1), UDM_REGISTER_OBJEKT, 0, 0, probe), 1);
    owned.release(); // the device's now
    ASSERT_EQ(device_->FindHandle(904), probe);
    ASSERT_EQ(device_->GetDatenSatz(probe)->Typ, DT_TASTEN_FUNKTION_DIMMEN) << "written when registered";

    bool registeredAtNode = false;
    tree_.OnDelete = [&](TDataBasis* object) {
        if (object == probe)
            registeredAtNode = device_->FindHandle(904) == probe;
    };
    EXPECT_EQ(Send(Key(1), UDM_DELETE_OBJEKT, 0, 0, probe), 1);
    EXPECT_TRUE(registeredAtNode) << "the node goes while the object still lives";
    EXPECT_EQ(device_->FindHandle(904), nullptr);
    EXPECT_EQ(alive_, 0);
    EXPECT_EQ(device_->FindChild(Key(1), DT_TASTEN_FUNKTION_DIMMEN), nullptr);
    EXPECT_EQ(Send(Key(1), UDM_DELETE_OBJEKT), 1) << "nothing named, nothing done";
}

// --- Data transport ---

class Transport : public RequestTest {
protected:
    std::uint8_t Send(tagRecDatenTransport& request)
    {
        device_->Asked.clear();
        return static_cast<std::uint8_t>(
            platform::SendMessage(Window(), WM_USER_DATENTRANSPORT, 0, reinterpret_cast<platform::LPARAM>(&request)));
    }
    tagRecDatenTransport Request(TDataBasis* sender, std::uint8_t code)
    {
        tagRecDatenTransport request;
        request.Handle = sender ? sender->GetHandle() : 0;
        request.Sender = sender;
        request.Code = code;
        return request;
    }
};

TEST_F(Transport, NoSenderTypeAnswersNothing)
{
    std::string name = "alt";
    tagRecDatenTransport request = Request(nullptr, UDT_GET_DEFAULT_NAME);
    request.Payload = &name;
    EXPECT_EQ(Send(request), 0);
    EXPECT_EQ(name, "alt");
    EXPECT_TRUE(device_->Asked.empty());
}

TEST_F(Transport, AddingAnObjectByDisplayOrderSwitchesItInTheProject)
{
    TTsTaste* key = Key(1);
    tagRecDatenTransport request = Request(key, UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER);
    request.DisplayOrder = 100;
    request.Value = 0;
    EXPECT_EQ(Send(request), 1);
    EXPECT_EQ(ParameterValue(100), 0);
    EXPECT_TRUE(EtsObjects(key).empty());
    request.Value = 1;
    request.PositionBase = 10;
    EXPECT_EQ(Send(request), 1);
    EXPECT_EQ(ParameterValue(100), 1);
    ASSERT_EQ(EtsObjects(key).size(), 2u);
    EXPECT_TRUE(device_->Asked.empty());
}

TEST_F(Transport, ObjectsOfADisplayOrderAreDelivered)
{
    std::int32_t value = -1;
    std::list<TEtsObjekt*> objects;
    tagRecDatenTransport request = Request(Key(2), UDT_GET_ETS_OBJECT_BY_DISPLAY_ORDER);
    request.DisplayOrder = 200;
    request.ValuePointer = &value;
    request.Payload = &objects;
    EXPECT_EQ(Send(request), 1);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(objects.size(), 2u);
    request.Payload = nullptr;
    EXPECT_EQ(Send(request), 0) << "nowhere to deliver";
}

TEST_F(Transport, TheDeletionQuestionIsAskedOnlyForALinkedObject)
{
    std::list<int> orders = {300};
    tagRecDatenTransport request = Request(Key(3), UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED);
    request.Payload = &orders;
    EXPECT_EQ(Send(request), 1);
    EXPECT_TRUE(ui_.boxes().empty());
    Link(EtsObjects(Key(3)).front(), SubGroup(1, 0, 1));
    ui_.Answer({platform::IDNO});
    EXPECT_EQ(Send(request), 0);
    EXPECT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(orders, (std::list<int>{300})) << "the sender's list stays";
}

TEST_F(Transport, ASubGroupDeliversItsObjectsAndNothingElse)
{
    const std::int32_t subGroup = SubGroup(1, 0, 1);
    Link(EtsObjects(Key(3)).front(), subGroup);
    TSorvGrpAdrBasis* node = nullptr;
    ASSERT_TRUE(device_->GetGrpAdrDataPointer(subGroup, node));
    std::list<RecSubGroupObjekt> objects;
    tagRecDatenTransport request = Request(node, UDT_GET_OBJEKT_DATA_FROM_SUB_GROUP);
    request.Payload = &objects;
    EXPECT_EQ(Send(request), 1);
    EXPECT_FALSE(objects.empty());
    EXPECT_TRUE(device_->Asked.empty());

    request.Code = UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER;
    EXPECT_EQ(Send(request), 0);
    EXPECT_TRUE(device_->Asked.empty());

    tagRecDatenTransport fromKey = Request(Key(3), UDT_GET_OBJEKT_DATA_FROM_SUB_GROUP);
    fromKey.Payload = &objects;
    EXPECT_EQ(Send(fromKey), 0);
    EXPECT_EQ(device_->Asked, (std::vector<int>{10, 11, 12, 13, 14, 15}));
}

// --- Default names ---

struct NameCase {
    const char* Name;
    int Typ; // 806: the communication object of key 1
    std::string HostName;
    std::string HostFunction;
    bool FailRead;
    std::uint8_t Answer;
    std::string Expected;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.Name;
}

class DefaultName : public Transport, public ::testing::WithParamInterface<NameCase> {};

TEST_P(DefaultName, IsTheTypesTextOrTheHostsName)
{
    const NameCase& c = GetParam();
    TDataBasis* sender = nullptr;
    if (c.Typ == DT_ETS_OBJEKT) {
        TEtsObjekt* object = EtsObjects(Key(1)).front();
        Execute("UPDATE comm_object SET name = '" + c.HostName + "', function_text = '" +
                c.HostFunction + "' WHERE id = " + std::to_string(object->GetCommObjectId()));
        sender = object;
    } else {
        sender = Probe(c.Typ);
    }
    if (c.FailRead)
        link_.FailReads(TDalKind::CommObject, DAL_ERR);
    std::string name = "alt";
    tagRecDatenTransport request = Request(sender, UDT_GET_DEFAULT_NAME);
    request.Payload = &name;
    EXPECT_EQ(Send(request), c.Answer);
    EXPECT_EQ(name, c.Expected);
}

const std::string Hundred(100, 'N');

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultName,
    ::testing::Values(NameCase{"TimeSwitch", DT_SCHALTUHR, "", "", false, 1, "Schaltuhr %d"},
                      NameCase{"KeyOperation", DT_TS_BETAETIGUNG, "", "", false, 1, "Bedienung"},
                      NameCase{"Controller", DT_REGLER_FUNKTION, "", "", false, 1, "Raumtemperaturregler-Funktion"},
                      NameCase{"Folder", 203, "", "", false, 0, "alt"},
                      NameCase{"Key", DT_TS_TASTE, "", "", false, 0, "alt"},
                      NameCase{"ObjectWithFunction", DT_ETS_OBJEKT, "Taste 1", "Schalten", false, 1,
                               "Taste 1 [Schalten]"},
                      NameCase{"ObjectWithoutFunction", DT_ETS_OBJEKT, "Taste 1", "", false, 1, "Taste 1"},
                      NameCase{"FailedRead", DT_ETS_OBJEKT, "Taste 1", "Schalten", true, 0, "alt"},
                      NameCase{"NameFillsItsField", DT_ETS_OBJEKT, Hundred, "", false, 1, Hundred},
                      NameCase{"NameBeyondItsField", DT_ETS_OBJEKT, Hundred + "XYZ", "F", false, 1,
                               Hundred + " [F]"}),
    [](const auto& info) { return std::string(info.param.Name); });

// --- The enable-cell flag ---

TEST_F(RequestTest, TheEnableCellFlagIsWrittenIntoTheObjectsRecord)
{
    TEtsObjekt* object = EtsObjects(Key(1)).front();
    ASSERT_FALSE(object->GetEnableCellFlagStatus());
    EXPECT_TRUE(device_->ModifyEnableCellFlagStatus(object->GetObjectNumber(), true));
    EXPECT_TRUE(object->GetEnableCellFlagStatus());
    EXPECT_TRUE(device_->GetDatenSatz(object)->Bool7);
    EXPECT_TRUE(device_->ModifyEnableCellFlagStatus(object->GetObjectNumber(), false));
    EXPECT_FALSE(device_->GetDatenSatz(object)->Bool7);
    EXPECT_FALSE(device_->ModifyEnableCellFlagStatus(4711, true));
}

} // namespace
} // namespace keysensortest
