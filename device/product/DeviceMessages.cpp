// The requests of the data objects: what the device answers itself, and the function managers'
// hooks asked in turn for the rest.
#include "app/Sprclimalib.h"
#include "app/Sprclockfunc.h"
#include "app/Sprlkextmodults.h"
#include "app/Sprremotefunc.h"
#include "app/Sprscenefunc.h"
#include "app/Sprsysfunc.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerSollwerte.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/addrlink/SorvGrpAdrSub.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"

#include <algorithm>
#include <list>
#include <string>

namespace {

// The host record's text fields: the object name from byte 6, the function text from byte 106,
// the next field from byte 220. A text ends at its NUL or at the end of its field.
constexpr std::size_t NameField = 100;
constexpr std::size_t FunctionTextField = 114;

std::string FieldText(const std::string& text, std::size_t field)
{
    return text.substr(0, std::min(text.find('\0'), field));
}

// The user text of a type's default name; none for a type without one.
const std::string* DefaultNameText(int typ)
{
    switch (typ) {
    case DT_TALVO_DISPLAY:
        return &Sprsysfunc::Text11042;
    case DT_TASTSENSOR_FUNKTION:
        return &Sprlkextmodults::Text12246;
    case DT_TS_SPERRVERHALTEN:
        return &Sprlkextmodults::Text12248;
    case DT_TS_BETAETIGUNG:
        return &Sprlkextmodults::Text12247;
    case DT_TS_WIPPE_STATUS:
        return &Sprlkextmodults::Text12249;
    case DT_REGLER_FUNKTION:
        return &Sprclimalib::Text14206;
    case DT_REGLER_SOLLWERTE:
        return &Sprclimalib::Text14209;
    case DT_REGLER_FUNKTIONALITAET:
        return &Sprclimalib::Text14207;
    case DT_REGLER_RAUMTEMPERATUR_MESSUNG:
        return &Sprclimalib::Text14208;
    case DT_REGLER_STELLGROESSEN_STATUS_AUSGABE:
        return &Sprclimalib::Text14210;
    case DT_RAUMTEMPERATUR_SCHALTUHR:
        return &Sprclimalib::Text14205;
    case DT_SZENEN_FUNKTION:
        return &Sprscenefunc::Text16028;
    case DT_SCHALTUHR:
        return &Sprclockfunc::Text16207;
    case DT_TALVO_DATUM_UHRZEIT_SENDEN:
        return &Sprsysfunc::Text11051;
    case DT_IR_FERNBEDIENUNG:
        return &Sprremotefunc::Text16559;
    case DT_TS_TASTE_STATUS:
        return &Sprlkextmodults::Text12300;
    case DT_REGLERNEBENSTELLEN_FUNKTION:
        return &Sprclimalib::Text14217;
    case DT_REGLERNEBENSTELLEN_RAUMTEMPERATUR_MESSUNG:
        return &Sprclimalib::Text14218;
    default:
        return nullptr;
    }
}

template <class TRequest>
int SenderTypOf(const TRequest& request)
{
    if (request.Sender)
        return request.Sender->GetTyp();
    return request.Record ? request.Record->Typ : 0;
}

} // namespace

int TDeviceInstanzTalvo::GetSenderTyp(const tagWmUserDevice& request)
{
    return SenderTypOf(request);
}

int TDeviceInstanzTalvo::GetSenderTyp(const tagRecDatenTransport& request)
{
    return SenderTypOf(request);
}

std::uint8_t TDeviceInstanzTalvo::UserDeviceMessage(platform::HWND mainWindow, tagWmUserDevice* request)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage");
    if (!request)
        return 0;
    const int typ = GetSenderTyp(*request);
    if (typ == 0)
        return 0;
    const std::uint8_t code = request->Code;

    if (typ == DT_TALVO_SYSTEM) {
        switch (code) {
        case UDM_MODIFY_SZENEN_FUNKTION:
        case UDM_MODIFY_REGLER_FUNKTION:
        case UDM_MODIFY_TASTSENSOR_FUNKTION:
        case UDM_MODIFY_REGLERNEBENSTELLEN_FUNKTION:
        case UDM_MODIFY_SCHALTUHR: {
            TTalvoSystem* system = GetPointerFromSystem();
            if (!system)
                return 0;
            bool done = false;
            if (code == UDM_MODIFY_SZENEN_FUNKTION)
                done = ModifySzenenFunktion(system);
            else if (code == UDM_MODIFY_REGLER_FUNKTION)
                done = ModifyReglerFunktion(system);
            else if (code == UDM_MODIFY_TASTSENSOR_FUNKTION)
                done = ModifyTastsensorFunktion(mainWindow, system);
            else if (code == UDM_MODIFY_REGLERNEBENSTELLEN_FUNKTION)
                done = ModifyReglernebenstellenFunktion(system);
            else
                done = ModifySchaltuhr(mainWindow, system, request->Integer);
            return done ? 1 : 0;
        }
        case UDM_GET_REGLER_FUNKTION: {
            auto* regler = dynamic_cast<TReglerFunktion*>(GetFirstFromDatenTyp(GetDevice(), DT_REGLER_FUNKTION));
            request->Result = static_cast<TDataBasis*>(regler);
            return regler ? 1 : 0;
        }
        case UDM_GET_DISPLAY: {
            auto* display = dynamic_cast<TTalvoDisplay*>(GetFirstFromDatenTyp(GetDevice(), DT_TALVO_DISPLAY));
            request->Result = static_cast<TDataBasis*>(display);
            return display ? 1 : 0;
        }
        case UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG: {
            auto* sollwerte = dynamic_cast<TReglerSollwerte*>(GetFirstFromDatenTyp(GetDevice(), DT_REGLER_SOLLWERTE));
            request->Result = static_cast<TDataBasis*>(sollwerte);
            if (!sollwerte || !sollwerte->ModifyValueAenderungSollwerte(true) || !WriteData(sollwerte))
                return 0;
            platform::PostMessage(mainWindow, WM_USER_ABGLEICHFORMVERW, static_cast<platform::WPARAM>(-1), -1);
            platform::PostMessage(mainWindow, WM_USER_UPDATEOTHERVIEWS, 0, 0);
            return 1;
        }
        default:
            break;
        }
    }

    if ((typ == DT_TALVO_SYSTEM || typ == DT_TALVO_DISPLAY) && code == UDM_GET_SYSTEM) {
        TTalvoSystem* system = GetPointerFromSystem();
        request->Result = static_cast<TDataBasis*>(system);
        return system ? 1 : 0;
    }

    // Only a date/time object shows the time dialog; nobody else answers the code.
    if (code == UDM_SHOW_DLG_EDIT_TIME) {
        auto* sender = dynamic_cast<TTalvoDatumUhrzeitSenden*>(request->Sender);
        if (!sender)
            return 0;
        request->Integer = sender->ShowDlgEditTime(mainWindow);
        return 1;
    }

    using THook = bool (TDeviceInstanzTalvo::*)(platform::HWND, tagWmUserDevice*, std::uint8_t&);
    static constexpr THook Hooks[] = {
        &TDeviceInstanzTalvo::UserDeviceMessage_TastsensorFunktion,
        &TDeviceInstanzTalvo::UserDeviceMessage_RaumtemperaturReglerFunktion,
        &TDeviceInstanzTalvo::UserDeviceMessage_ReglernebenstellenFunktion,
        &TDeviceInstanzTalvo::UserDeviceMessage_SzenenFunktion,
        &TDeviceInstanzTalvo::UserDeviceMessage_Schaltuhr,
        &TDeviceInstanzTalvo::UserDeviceMessage_IrFernbedienung,
    };
    for (const THook hook : Hooks) {
        std::uint8_t recognised = 0;
        if ((this->*hook)(mainWindow, request, recognised))
            return recognised;
    }
    return 0;
}

std::uint8_t TDeviceInstanzTalvo::WmUserDatenTransport(platform::HWND mainWindow, tagRecDatenTransport* request)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport");
    if (!request)
        return 0;
    const int typ = GetSenderTyp(*request);
    if (typ == 0)
        return 0;

    if (typ == DT_SORV_GRP_ADR_SUB) {
        if (request->Code != UDT_GET_OBJEKT_DATA_FROM_SUB_GROUP)
            return 0;
        auto* node = dynamic_cast<TSorvGrpAdrSub*>(request->Sender);
        auto* list = static_cast<std::list<RecSubGroupObjekt>*>(request->Payload);
        return node && list && GetObjektDataFromSubGroup(node, *list) ? 1 : 0;
    }

    switch (request->Code) {
    case UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER:
        return AddEtsObjectByDisplayOrder(static_cast<std::int16_t>(request->DisplayOrder), request->Value,
                                          request->PositionBase, request->Sender, request->Ask != 0)
                   ? 1
                   : 0;
    case UDT_GET_ETS_OBJECT_BY_DISPLAY_ORDER: {
        auto* value = static_cast<std::int32_t*>(request->ValuePointer);
        auto* list = static_cast<std::list<TEtsObjekt*>*>(request->Payload);
        if (!value || !list)
            return 0;
        return GetEtsObjectByDisplayOrder(static_cast<std::int16_t>(request->DisplayOrder), *value, *list) ? 1 : 0;
    }
    case UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED: {
        const auto* list = static_cast<const std::list<int>*>(request->Payload);
        return list && CheckIfDeleteObjectsAllowed(*list) ? 1 : 0;
    }
    case UDT_GET_DEFAULT_NAME:
        return GetDefaultName(request->Sender, static_cast<std::string*>(request->Payload)) ? 1 : 0;
    default:
        break;
    }

    using THook = bool (TDeviceInstanzTalvo::*)(platform::HWND, tagRecDatenTransport*, std::uint8_t&);
    static constexpr THook Hooks[] = {
        &TDeviceInstanzTalvo::WmUserDatenTransport_TastsensorFunktion,
        &TDeviceInstanzTalvo::WmUserDatenTransport_RaumtemperaturReglerFunktion,
        &TDeviceInstanzTalvo::WmUserDatenTransport_ReglernebenstellenFunktion,
        &TDeviceInstanzTalvo::WmUserDatenTransport_SzenenFunktion,
        &TDeviceInstanzTalvo::WmUserDatenTransport_Schaltuhr,
        &TDeviceInstanzTalvo::WmUserDatenTransport_IrFernbedienung,
    };
    for (const THook hook : Hooks) {
        std::uint8_t recognised = 0;
        if ((this->*hook)(mainWindow, request, recognised))
            return recognised;
    }
    return 0;
}

bool TDeviceInstanzTalvo::GetDefaultName(TDataBasis* object, std::string* name)
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetDefaultName");
    if (!object || !name)
        return false;
    const int typ = object->GetTyp();
    if (typ == DT_ETS_OBJEKT) {
        const auto* etsObject = dynamic_cast<const TEtsObjekt*>(object);
        TEts2Cdi* link = MainForm ? MainForm->GetEts2Cdi() : nullptr;
        if (!etsObject || !link)
            return false;
        DAL_COMM_OBJECT record;
        record.Size = DAL_COMM_OBJECT::RecordSize;
        if (link->DalGetCommunicationObjectData(DAL_GET_BY_ID, etsObject->GetCommObjectId(), DAL_ANY, DAL_ANY,
                                                &record) != DAL_OK)
            return false;
        const std::string function = FieldText(record.FunctionText, FunctionTextField);
        *name = FieldText(record.Name, NameField);
        if (!function.empty())
            *name += " [" + function + "]";
        return true;
    }
    const std::string* text = DefaultNameText(typ);
    if (!text)
        return false;
    *name = *text;
    return true;
}

bool TDeviceInstanzTalvo::ModifyEnableCellFlagStatus(int objectNumber, bool flag)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyEnableCellFlagStatus");
    TEtsObjekt* object = GetObjectFromObjectNr(objectNumber);
    if (!object)
        return false;
    object->SetEnableCellFlagStatus(flag);
    TDatenStruktur* record = GetDatenSatz(object);
    if (!record)
        return false;
    object->Write(*record);
    return true;
}
