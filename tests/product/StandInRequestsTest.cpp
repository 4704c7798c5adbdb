#include "app/Sprsysfunc.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/clockfunc/Schaltuhr.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/keyplan/FunktionBasis.h"
#include "outside/keyplan/StatusObjekt.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "outside/keyplan/TsTaste.h"
#include "outside/keyplan/TsWippe.h"
#include "outside/scenefunc/Szene.h"
#include "outside/scenefunc/SzenenFunktion.h"
#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"
#include "tests/product/support/StandInFixture.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace producttest {
namespace {

// --- System object: a switched function asks the device, which finds the new value set ---

class SystemSwitch : public StandInFixture, public ::testing::WithParamInterface<std::tuple<int, bool>> {
protected:
    std::uint8_t Value(int tag) const
    {
        switch (tag) {
        case TTalvoSystem::tagTastsensorFunktion:
            return system->GetValueOfTastsensorFunktion();
        case TTalvoSystem::tagReglerFunktion:
            return system->GetValueOfReglerFunktion();
        case TTalvoSystem::tagReglernebenstellenFunktion:
            return system->GetValueOfReglernebenstellenFunktion();
        case TTalvoSystem::tagSzenenFunktion:
            return system->GetValueOfSzenenFunktion();
        case TTalvoSystem::tagSchaltuhr1:
            return system->GetValueOfSchaltuhr(1);
        default:
            return system->GetValueOfSchaltuhr(2);
        }
    }
};

struct Expected {
    int Tag;
    std::uint8_t Code;
    std::int32_t Number;
};

const Expected Switches[] = {
    {TTalvoSystem::tagTastsensorFunktion, UDM_MODIFY_TASTSENSOR_FUNKTION, 0},
    {TTalvoSystem::tagReglerFunktion, UDM_MODIFY_REGLER_FUNKTION, 0},
    {TTalvoSystem::tagReglernebenstellenFunktion, UDM_MODIFY_REGLERNEBENSTELLEN_FUNKTION, 0},
    {TTalvoSystem::tagSzenenFunktion, UDM_MODIFY_SZENEN_FUNKTION, 0},
    {TTalvoSystem::tagSchaltuhr1, UDM_MODIFY_SCHALTUHR, 1},
    {TTalvoSystem::tagSchaltuhr2, UDM_MODIFY_SCHALTUHR, 2},
};

TEST_P(SystemSwitch, AsksTheDeviceWithTheNewValueAndPutsTheOldBackOnRefusal)
{
    const auto [index, accepted] = GetParam();
    const Expected expected = Switches[index];
    const std::uint8_t old = Value(expected.Tag);
    const std::uint8_t wanted = old == 1 ? 0 : 1;
    const std::int32_t storedBefore = WriteRecord(*system).ParamAt(5 + index);
    window.AnswerDeviceRequest(expected.Code, accepted ? 1 : 0);
    std::uint8_t seen = 99;
    window.OnDeviceRequest = [&](const tagWmUserDevice&) { seen = Value(expected.Tag); };
    window.Clear();

    Choose(*system, expected.Tag, wanted);

    ASSERT_EQ(window.DeviceRequests.size(), 1u);
    EXPECT_EQ(window.DeviceRequests[0].Code, expected.Code);
    EXPECT_EQ(window.DeviceRequests[0].Integer, expected.Number);
    EXPECT_EQ(window.DeviceRequests[0].Sender, system);
    EXPECT_EQ(seen, wanted) << "the device reads the new value while it follows";
    EXPECT_EQ(Value(expected.Tag), accepted ? wanted : old);
    EXPECT_EQ(device.FindRecord(0, system->GetHandle())->ParamAt(5 + index), accepted ? wanted : storedBefore);
    window.DeliverPosted();
    EXPECT_EQ(window.Received(WM_USER_UPDATEALLVIEWS).size(), 1u) << "the grid shows the value kept";
}

INSTANTIATE_TEST_SUITE_P(Switches, SystemSwitch, ::testing::Combine(::testing::Range(0, 6), ::testing::Bool()));

TEST_F(StandInFixture, AccessToTheOperatingLevelsLetsTheDeviceAdaptTheSetPointsWhileTheControllerIsOn)
{
    using namespace T_DB_EnumTalvoSystem;
    window.AnswerDeviceRequest(UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG, 0);
    Choose(*system, TTalvoSystem::tagZugriffAufBedienebenen, zbGesperrt);
    EXPECT_EQ(system->GetValueOfZugriffAufBedienebenen(), zbFreigegeben) << "refused";
    ASSERT_EQ(window.DeviceRequests.size(), 1u);
    EXPECT_EQ(window.DeviceRequests[0].Code, UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG);

    window.Clear();
    window.AnswerDeviceRequest(UDM_MODIFY_REGLER_FUNKTION, 1);
    Choose(*system, TTalvoSystem::tagReglerFunktion, 0);
    window.Clear();
    Choose(*system, TTalvoSystem::tagZugriffAufBedienebenen, zbUeberObjekt);
    EXPECT_EQ(system->GetValueOfZugriffAufBedienebenen(), zbUeberObjekt);
    EXPECT_TRUE(window.DeviceRequests.empty()) << "no controller, no set points to adapt";
}

// --- Key operation ---

TEST_F(StandInFixture, APairModeAsksTheDeviceToRebuildThePair)
{
    TTsBetaetigung* operation =
        Register(std::make_unique<TTsBetaetigung>(Window(), 0, system->GetHandle(), "Bedienung", Keys, 0));
    std::uint8_t seen = 0;
    window.OnDeviceRequest = [&](const tagWmUserDevice&) { seen = operation->GetValueOfTastenpaar2(); };

    Choose(*operation, TTsBetaetigung::tagTastenpaar + 1, T_DB_EnumTsBetaetigung::tpWippe);
    ASSERT_EQ(window.DeviceRequests.size(), 1u);
    EXPECT_EQ(window.DeviceRequests[0].Code, UDM_MODIFY_TS_BETAETIGUNG);
    EXPECT_EQ(seen, T_DB_EnumTsBetaetigung::tpWippe);
    EXPECT_EQ(operation->GetValueOfTastenpaar2(), T_DB_EnumTsBetaetigung::tpWippe);

    window.AnswerDeviceRequest(UDM_MODIFY_TS_BETAETIGUNG, 0);
    Choose(*operation, TTsBetaetigung::tagTastenpaar + 1, T_DB_EnumTsBetaetigung::tpZweiTasten);
    EXPECT_EQ(operation->GetValueOfTastenpaar2(), T_DB_EnumTsBetaetigung::tpWippe) << "refused";
}

TEST_F(StandInFixture, TheKeyOperationShowsTheUsablePairsOnly)
{
    TTsBetaetigung three(Window(), 0, 1, "Bedienung", 3, 0);
    Build(three);
    EXPECT_EQ(grid.GetRowCount(), 1);
    TTsBetaetigung twelve(Window(), 0, 1, "Bedienung", 12, 0);
    Build(twelve);
    EXPECT_EQ(grid.GetRowCount(), 5);
    EXPECT_EQ(twelve.GetValueOfTastenpaar(6), 0);
}

// --- Keys and rockers make their functions through the device ---

class KeyFunction : public StandInFixture {
protected:
    TTsTaste* MakeKey(int number = 3)
    {
        return Register(std::make_unique<TTsTaste>(Window(), 0, 50, "Taste", number, 0));
    }
};

TEST_F(KeyFunction, ANewKeyAsksRegistersItsFunctionAndSwitchesItsObjects)
{
    TTsTaste* key = MakeKey(3);
    ASSERT_TRUE(key->InitFunktion(true));

    ASSERT_EQ(window.DeviceRequests.size(), 2u);
    EXPECT_EQ(window.DeviceRequests[0].Code, UDM_CHECK_CREATE_KEY_FUNCTION);
    EXPECT_EQ(window.DeviceRequests[0].Integer, TTastenFunktionSchalten::Typ);
    EXPECT_EQ(window.DeviceRequests[1].Code, UDM_REGISTER_OBJEKT);
    auto* function = static_cast<TDataBasis*>(window.DeviceRequests[1].Result);
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(device.FindHandle(key->GetFunktionsHandle()), function);
    EXPECT_EQ(function->GetTyp(), TTastenFunktionSchalten::Typ);
    EXPECT_EQ(function->GetParentHandle(), key->GetHandle());
    EXPECT_NE(device.FindRecord(0, function->GetHandle()), nullptr);
    ASSERT_EQ(window.TransportRequests.size(), 1u);
    EXPECT_EQ(window.TransportRequests[0].Code, UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER);
    EXPECT_EQ(window.TransportRequests[0].Sender, key) << "the key holds the communication objects";
    EXPECT_EQ(window.TransportRequests[0].DisplayOrder, 300);
    EXPECT_EQ(window.TransportRequests[0].Value, 1);
    EXPECT_EQ(window.TransportRequests[0].Ask, 0);
}

TEST_F(KeyFunction, WithoutFunctionsAllowedAKeyGetsNoFunctionAndNoObjects)
{
    TTsTaste* key = MakeKey();
    ASSERT_TRUE(key->InitFunktion(false));
    EXPECT_EQ(key->GetFunktionsTyp(), TTastenFunktionKeineFkt::Typ);
    EXPECT_TRUE(window.TransportRequests.empty());
}

TEST_F(KeyFunction, ARefusalMakesNoFunction)
{
    TTsTaste* key = MakeKey();
    const std::size_t before = device.GetDataPointerMap().size();
    window.AnswerDeviceRequest(UDM_CHECK_CREATE_KEY_FUNCTION, 0);
    EXPECT_FALSE(key->InitFunktion(true));
    window.AnswerDeviceRequest(UDM_CHECK_CREATE_KEY_FUNCTION, 1);
    window.AnswerDeviceRequest(UDM_REGISTER_OBJEKT, 0);
    EXPECT_FALSE(key->InitFunktion(true)) << "a function the device does not take is freed";
    EXPECT_EQ(device.GetDataPointerMap().size(), before);
    EXPECT_EQ(key->GetFunktionsHandle(), 0);
}

TEST_F(KeyFunction, AFunctionWithoutItsObjectsGoesAgain)
{
    TTsTaste* key = MakeKey();
    const std::size_t before = device.GetDataPointerMap().size();
    window.AnswerTransport(UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER, 0);
    EXPECT_FALSE(key->InitFunktion(true));
    EXPECT_EQ(device.GetDataPointerMap().size(), before);
    EXPECT_EQ(window.DeviceRequests.back().Code, UDM_DELETE_OBJEKT);
}

TEST_F(KeyFunction, DeletingAFunctionSwitchesItsObjectsOffThenHasTheDeviceRemoveIt)
{
    TTsWippe* rocker = Register(std::make_unique<TTsWippe>(Window(), 0, 50, "Wippe 2", 2, 0));
    ASSERT_TRUE(rocker->InitFunktion(true));
    const std::int32_t function = rocker->GetFunktionsHandle();
    window.Clear();

    ASSERT_TRUE(rocker->DeleteFunktion());

    ASSERT_EQ(window.TransportRequests.size(), 1u);
    EXPECT_EQ(window.TransportRequests[0].DisplayOrder, 2200);
    EXPECT_EQ(window.TransportRequests[0].Value, 0);
    ASSERT_EQ(window.DeviceRequests.size(), 1u);
    EXPECT_EQ(window.DeviceRequests[0].Code, UDM_DELETE_OBJEKT);
    EXPECT_EQ(device.FindHandle(function), nullptr);
    EXPECT_EQ(device.FindRecord(0, function), nullptr);
    EXPECT_EQ(rocker->GetFunktionsHandle(), 0);
}

TEST_F(KeyFunction, AFunctionTheDeviceCannotServeAnyLongerBecomesNoFunction)
{
    TTsTaste* key = MakeKey();
    ASSERT_TRUE(key->InitFunktion(true));
    Choose(*key, TFunktionsContainer::tagFunktion, TTastenFunktionReglerBedienung::Typ);
    ASSERT_EQ(key->GetFunktionsTyp(), TTastenFunktionReglerBedienung::Typ);

    bool changeNeeded = false;
    ASSERT_TRUE(key->CheckFunktion(changeNeeded, false));
    EXPECT_FALSE(changeNeeded) << "the controller is there";

    window.AnswerDeviceRequest(UDM_GET_REGLER_FUNKTION, 0);
    ASSERT_TRUE(key->CheckFunktion(changeNeeded, false));
    EXPECT_TRUE(changeNeeded);
    EXPECT_EQ(key->GetFunktionsTyp(), TTastenFunktionReglerBedienung::Typ) << "only reported";
    ASSERT_TRUE(key->CheckFunktion(changeNeeded, true));
    EXPECT_EQ(key->GetFunktionsTyp(), TTastenFunktionKeineFkt::Typ);
    EXPECT_EQ(device.FindHandle(key->GetFunktionsHandle())->GetTyp(), TTastenFunktionKeineFkt::Typ);
}

TEST_F(KeyFunction, AFunctionChosenInTheGridReplacesTheOldOneOrKeepsItOnRefusal)
{
    TTsTaste* key = MakeKey();
    ASSERT_TRUE(key->InitFunktion(true));
    const std::int32_t first = key->GetFunktionsHandle();

    Choose(*key, TFunktionsContainer::tagFunktion, TTastenFunktionDimmen::Typ);
    EXPECT_EQ(key->GetFunktionsTyp(), TTastenFunktionDimmen::Typ);
    EXPECT_EQ(device.FindHandle(first), nullptr);
    EXPECT_EQ(device.FindHandle(key->GetFunktionsHandle())->GetTyp(), TTastenFunktionDimmen::Typ);
    EXPECT_EQ(device.FindRecord(0, key->GetHandle())->Param3, TTastenFunktionDimmen::Typ);

    const std::int32_t dimming = key->GetFunktionsHandle();
    window.AnswerDeviceRequest(UDM_CHECK_CREATE_KEY_FUNCTION, 0);
    window.Clear();
    Choose(*key, TFunktionsContainer::tagFunktion, TTastenFunktionJalousie::Typ);
    EXPECT_EQ(key->GetFunktionsTyp(), TTastenFunktionDimmen::Typ) << "the new function is refused";
    EXPECT_EQ(key->GetFunktionsHandle(), dimming);
    EXPECT_TRUE(window.TransportRequests.empty()) << "the old one keeps its objects";

    window.AnswerDeviceRequest(UDM_CHECK_CREATE_KEY_FUNCTION, 1);
    window.AnswerDeviceRequest(UDM_DELETE_OBJEKT, 0);
    window.Clear();
    Choose(*key, TFunktionsContainer::tagFunktion, TTastenFunktionJalousie::Typ);
    EXPECT_EQ(key->GetFunktionsTyp(), TTastenFunktionDimmen::Typ) << "the old function could not go";
    EXPECT_EQ(key->GetFunktionsHandle(), dimming);
    EXPECT_TRUE(window.TransportRequests.empty()) << "from one function to another the objects stay";

    // To "no function" the objects go, after the device's question; a refusal keeps them.
    window.AnswerDeviceRequest(UDM_DELETE_OBJEKT, 1);
    window.AnswerTransport(UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED, 0);
    window.Clear();
    Choose(*key, TFunktionsContainer::tagFunktion, TTastenFunktionKeineFkt::Typ);
    EXPECT_EQ(key->GetFunktionsTyp(), TTastenFunktionDimmen::Typ) << "the user said no";
    ASSERT_EQ(window.TransportRequests.size(), 1u);
    EXPECT_EQ(window.TransportRequests[0].Code, UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED);
    window.AnswerTransport(UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED, 1);
    window.Clear();
    Choose(*key, TFunktionsContainer::tagFunktion, TTastenFunktionKeineFkt::Typ);
    EXPECT_EQ(key->GetFunktionsTyp(), TTastenFunktionKeineFkt::Typ);
    ASSERT_EQ(window.TransportRequests.size(), 2u);
    EXPECT_EQ(window.TransportRequests[1].Code, UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER);
    EXPECT_EQ(window.TransportRequests[1].Value, 0);
}

TEST_F(KeyFunction, TheStatusLedAsksForTheStatusObject)
{
    TTsTaste* key = MakeKey();
    window.AnswerDeviceRequest(UDM_MODIFY_TASTEN_STATUS, 0);
    Choose(*key, TFunktionsContainer::tagStatusLed, TTsTaste::StatusLedUeberObjekt);
    EXPECT_EQ(key->GetFktStatusLed(), 0) << "refused";
    ASSERT_EQ(window.DeviceRequests.size(), 1u);
    EXPECT_EQ(window.DeviceRequests[0].Code, UDM_MODIFY_TASTEN_STATUS);
    EXPECT_EQ(window.DeviceRequests[0].Integer, key->GetHandle());
    EXPECT_EQ(window.DeviceRequests[0].Byte, 1);

    window.AnswerDeviceRequest(UDM_MODIFY_TASTEN_STATUS, 1);
    Choose(*key, TFunktionsContainer::tagStatusLed, TTsTaste::StatusLedUeberObjekt);
    EXPECT_EQ(key->GetFktStatusLed(), TTsTaste::StatusLedUeberObjekt);
    window.Clear();
    Choose(*key, TFunktionsContainer::tagStatusLed, 0);
    EXPECT_EQ(window.DeviceRequests.size(), 1u) << "and again when it goes";
    window.Clear();
    Choose(*key, TFunktionsContainer::tagStatusLed, 1);
    EXPECT_TRUE(window.DeviceRequests.empty()) << "no status object either way";
    EXPECT_EQ(key->GetFktStatusLed(), 1);
}

TEST_F(KeyFunction, TheTemplateImportConversionsAskTheDevice)
{
    TTsTaste* key = MakeKey();
    EXPECT_TRUE(key->ConvertDBDataAfterTemplateImport());
    EXPECT_TRUE(window.DeviceRequests.empty()) << "no status object, nothing to hand on";
    Choose(*key, TFunktionsContainer::tagStatusLed, TTsTaste::StatusLedUeberObjekt);
    window.Clear();
    EXPECT_TRUE(key->ConvertDBDataAfterTemplateImport());
    ASSERT_EQ(window.DeviceRequests.size(), 1u);
    EXPECT_EQ(window.DeviceRequests[0].Code, UDM_CONVERT_TASTEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT);

    TTsWippeStatus status(Window(), 0, 60, "Status Wippe", 2, 0);
    window.AnswerDeviceRequest(UDM_CONVERT_WIPPEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT, 0);
    EXPECT_FALSE(status.ConvertDBDataAfterTemplateImport());
    EXPECT_EQ(window.DeviceRequests.back().Code, UDM_CONVERT_WIPPEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT);
}

struct StatusCase {
    bool Rocker;
    int Number;
    int DisplayOrder;
};

void PrintTo(const StatusCase& c, std::ostream* os)
{
    *os << (c.Rocker ? "Wippe" : "Taste") << c.Number;
}

class StatusObjects : public StandInFixture, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusObjects, SwitchTheirObjectOnAndOffWithoutAsking)
{
    const StatusCase c = GetParam();
    std::unique_ptr<TStatusObjekt> status;
    if (c.Rocker)
        status = std::make_unique<TTsWippeStatus>(Window(), 0, 60, "Status Wippe", c.Number, 0);
    else
        status = std::make_unique<TTsTasteStatus>(Window(), 0, 60, "Status Taste", c.Number, 0);
    EXPECT_TRUE(status->CreateObjects());
    window.AnswerTransport(UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER, 0);
    EXPECT_FALSE(status->DeleteObjects());
    ASSERT_EQ(window.TransportRequests.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(window.TransportRequests[i].DisplayOrder, c.DisplayOrder);
        EXPECT_EQ(window.TransportRequests[i].Value, i == 0 ? 1 : 0);
        EXPECT_EQ(window.TransportRequests[i].Ask, 0);
        EXPECT_EQ(window.TransportRequests[i].Sender, status.get());
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, StatusObjects,
                         ::testing::Values(StatusCase{false, 1, 4610}, StatusCase{false, 5, 4650},
                                           StatusCase{true, 1, 1700}, StatusCase{true, 2, 1710}),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

// --- Scenes ---

TEST_F(StandInFixture, ANewDataTypeOfAnOutputIsAskedForThenDeactivatesItInTheScenes)
{
    TSzenenFunktion* function =
        Register(std::make_unique<TSzenenFunktion>(Window(), 0, system->GetHandle(), "Szenen-Funktion", 0));
    function->SetDefaultValues();

    window.AnswerDeviceRequest(UDM_ASK_USER_BEFOR_MODIFY_DATENTYP, 0);
    Choose(*function, TSzenenFunktion::tagDatentyp + 1, T_DB_EnumSzenenFunktion::dtJalousie);
    EXPECT_EQ(function->GetDatentyp(2), T_DB_EnumSzenenFunktion::dtSchalten) << "the user said no";
    ASSERT_EQ(window.DeviceRequests.size(), 1u);
    EXPECT_EQ(window.DeviceRequests[0].Integer, 2);

    window.Clear();
    window.AnswerDeviceRequest(UDM_ASK_USER_BEFOR_MODIFY_DATENTYP, 1);
    Choose(*function, TSzenenFunktion::tagDatentyp + 1, T_DB_EnumSzenenFunktion::dtWert);
    EXPECT_EQ(function->GetDatentyp(2), T_DB_EnumSzenenFunktion::dtWert);
    ASSERT_EQ(window.DeviceRequests.size(), 2u);
    EXPECT_EQ(window.DeviceRequests[1].Code, UDM_MODIFY_DEFAULT_VALUE_SZENEN_AUSGAENGE);
    EXPECT_EQ(window.DeviceRequests[1].Integer, 2);
    EXPECT_EQ(window.DeviceRequests[1].Byte, 1) << "deactivate";

    window.Clear();
    window.AnswerDeviceRequest(UDM_MODIFY_DEFAULT_VALUE_SZENEN_AUSGAENGE, 0);
    Choose(*function, TSzenenFunktion::tagWerteTyp + 1, T_DB_EnumSzenenFunktion::wtProzent);
    EXPECT_EQ(function->GetWerteTyp(2), T_DB_EnumSzenenFunktion::wtByte) << "a scene refused";
    ASSERT_EQ(window.DeviceRequests.size(), 2u);
    EXPECT_EQ(window.DeviceRequests[0].Code, UDM_ASK_USER_BEFOR_MODIFY_WERTE_TYP);
    EXPECT_EQ(window.DeviceRequests[1].Byte, 0) << "reset the value";

    window.Clear();
    EXPECT_TRUE(function->CallCreateSzenenInstanz());
    EXPECT_TRUE(function->CallDeleteSzenenInstanzen());
    ASSERT_EQ(window.DeviceRequests.size(), 2u);
    EXPECT_EQ(window.DeviceRequests[0].Code, UDM_CREATE_SZENEN_INSTANZ);
    EXPECT_EQ(window.DeviceRequests[1].Code, UDM_DELETE_SZENEN_INSTANZEN);
}

TEST(Szene, KeepsOutputsAsTheFunctionAsks)
{
    TSzene scene(0, 0, 1, "Szene 2", 7);
    scene.SetPosId(2);
    scene.SetDefaultValues();
    EXPECT_EQ(scene.GetSzenennummer(), 2);
    EXPECT_TRUE(scene.NeedAusgang(3));
    EXPECT_TRUE(scene.ModifyDefaultValues(3, true));
    EXPECT_FALSE(scene.NeedAusgang(3));
    EXPECT_TRUE(scene.ModifyDefaultValues(4, false));
    EXPECT_TRUE(scene.NeedAusgang(4)) << "a new value type only resets the value";
    EXPECT_FALSE(scene.ModifyDefaultValues(9, true));
    EXPECT_FALSE(scene.NeedAusgang(0));
}

// --- Time switch ---

TEST_F(StandInFixture, ATimeSwitchLockAsksForItsObjectWithTheQuestion)
{
    TSchaltuhr* timeSwitch =
        Register(std::make_unique<TSchaltuhr>(Window(), 0, system->GetHandle(), "Schaltuhr 2", 2, 0));
    EXPECT_TRUE(timeSwitch->CreateObjects());
    ASSERT_EQ(window.TransportRequests.size(), 1u);
    EXPECT_EQ(window.TransportRequests[0].DisplayOrder, 3530);

    window.Clear();
    window.AnswerTransport(UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER, 0);
    Choose(*timeSwitch, TSchaltuhr::tagSperren, 1);
    EXPECT_FALSE(timeSwitch->GetSperrenUeberObjekt()) << "refused";
    ASSERT_EQ(window.TransportRequests.size(), 1u);
    EXPECT_EQ(window.TransportRequests[0].DisplayOrder, 3540);
    EXPECT_EQ(window.TransportRequests[0].Value, 1);
    EXPECT_EQ(window.TransportRequests[0].Ask, 1);

    window.AnswerTransport(UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER, 1);
    Choose(*timeSwitch, TSchaltuhr::tagSperren, 1);
    EXPECT_TRUE(timeSwitch->GetSperrenUeberObjekt());
    window.Clear();
    EXPECT_TRUE(timeSwitch->DeleteObjects());
    ASSERT_EQ(window.TransportRequests.size(), 2u);
    EXPECT_EQ(window.TransportRequests[0].DisplayOrder, 3530);
    EXPECT_EQ(window.TransportRequests[1].DisplayOrder, 3540);
    EXPECT_EQ(window.TransportRequests[1].Value, 0);
}

// --- Date and time ---

TEST_F(StandInFixture, SettingTheTimeGoesThroughTheDevice)
{
    TTalvoDatumUhrzeitSenden* sending =
        Register(std::make_unique<TTalvoDatumUhrzeitSenden>(Window(), 0, system->GetHandle(), "Datum/Uhrzeit", 0));
    testsupport::ScriptedUi ui;
    ui.Answer({platform::IDCANCEL});
    EXPECT_EQ(sending->CallShowDlgEditTime(), platform::IDCANCEL);
    ASSERT_EQ(window.DeviceRequests.size(), 1u);
    EXPECT_EQ(window.DeviceRequests[0].Code, UDM_SHOW_DLG_EDIT_TIME);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, Sprsysfunc::Text11158);
    EXPECT_EQ(ui.boxes()[0].caption, Sprsysfunc::Text11157);

    window.AnswerDeviceRequest(UDM_SHOW_DLG_EDIT_TIME, 0);
    EXPECT_EQ(sending->CallShowDlgEditTime(), 0);
}

// --- Communication object ---

TEST(EtsObjekt, SendsOnTheChosenLink)
{
    TEtsObjekt object(0, 0, 1, "Uhrzeit", 1, 2, 57, 3, 3300, 1, 0, 10, 2, 1, 9);
    object.AddSubGroupLink(71, 0x0801, false);
    object.AddSubGroupLink(72, 0x0802, false);
    object.AddSubGroupLink(73, 0x0803, false);
    object.SetGrpAdrSend(73);
    ASSERT_EQ(object.GetGrpAdrIdList().size(), 3u);
    EXPECT_EQ(object.GetGrpAdrIdList()[0].SubGroupId, 73);
    EXPECT_EQ(object.GetGrpAdrIdList()[1].SubGroupId, 71);
    EXPECT_EQ(object.GetGrpAdrIdList()[2].SubGroupId, 72);
    object.SetGrpAdrSend(99);
    EXPECT_EQ(object.GetGrpAdrIdList()[0].SubGroupId, 73) << "not linked: nothing changes";
    EXPECT_EQ(object.GetObjIdent(), 1);
}

} // namespace
} // namespace producttest
