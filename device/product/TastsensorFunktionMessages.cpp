// The key-sensor objects restored from their records, their requests to the device, and the
// hand-over of group addresses to the status objects after a template import.
#include "climalib/RaumtemperaturSchaltuhr.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionalitaet.h"
#include "climalib/ReglernebenstellenFunktion.h"
#include "device/E_InstVerw.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/E_Basis.h"
#include "outside/keyplan/KeyplanFactory.h"
#include "outside/scenefunc/SzenenFunktion.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"

#include <array>
#include <list>
#include <vector>

namespace {

// The values a status object takes over from its key's or rocker's communication objects.
struct TTakenOver {
    TObjektBasis::TGrpAdrIdList Links;
    std::array<bool, 6> Flags{};
    std::int32_t SendAddress = 0; // 0: none

    void From(const TEtsObjekt& object)
    {
        Links = object.GetGrpAdrIdList();
        object.GetFlags(Flags[0], Flags[1], Flags[2], Flags[3], Flags[4], Flags[5]);
        SendAddress = Links.empty() ? 0 : Links.front().SubGroupId;
    }
};

// Gives the status object's communication objects (display order 4610 on) the links, the send
// address and the flags taken over; false at the first that fails (or is invisible, when asked).
bool HandOver(TDeviceInstanzTalvo& device, const std::vector<std::int32_t>& handles, std::int32_t statusHandle,
              const TTakenOver& taken, bool visibleOnly)
{
    for (const std::int32_t handle : handles) {
        TDataBasis* object = device.FindHandle(handle);
        if (!object || object->GetParentHandle() != statusHandle || object->GetTyp() != DT_ETS_OBJEKT)
            continue;
        auto* etsObject = dynamic_cast<TEtsObjekt*>(object);
        if (!etsObject || (visibleOnly && !etsObject->IsVisible()))
            return false;
        if (etsObject->GetDisplayOrder() < 4610)
            continue;
        for (const TObjektBasis::RecGrpAdrId& link : taken.Links) {
            if (!device.LinkToSubGroup(link.SubGroupId, handle, true))
                return false;
        }
        if (taken.SendAddress != 0)
            etsObject->SetGrpAdrSend(taken.SendAddress);
        const std::array<bool, 6>& f = taken.Flags;
        if (!etsObject->SetObjektFlags(f[2], f[0], f[1], f[3], f[4], f[5], true))
            return false;
        etsObject->Write(*device.GetDatenSatz(etsObject));
    }
    return true;
}

// The first registered object of the type below start, as class T; none when it is of
// another class.
template <class T>
T* FirstAs(TDeviceInstanzTalvo& device, TDataBasis* start, int typ)
{
    return dynamic_cast<T*>(device.GetFirstFromDatenTyp(start, static_cast<std::int16_t>(typ)));
}

// Answers a look-up: the object into the result field; true when there is one.
bool Deliver(tagWmUserDevice& request, TDataBasis* object)
{
    request.Result = object;
    return object != nullptr;
}

} // namespace

// --- Restoring ---

bool TDeviceInstanzTalvo::InitDaten_TastsensorFunktion(TDatenStruktur& record)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_TastsensorFunktion");
    const TDatenStruktur own = record;
    const TKeyplanFactory& keyplan = *factories_.Keyplan;
    const platform::HWND window = MainWindowHandle();
    const auto keys = [this] {
        const TTalvoSystem* system = GetPointerFromSystem();
        return system ? system->GetAnzahlTasten() : 0;
    };
    std::unique_ptr<TDataBasis> object;
    try {
        switch (own.Typ) {
        case DT_TASTSENSOR_FUNKTION:
            object = keyplan.CreateTastsensorFunktion(window, own.System, own.Parent, own.Name, own.Handle);
            break;
        case DT_TS_SPERRVERHALTEN:
            if (keys() < 1)
                return false;
            object = keyplan.CreateTsSperrverhalten(window, own.System, own.Parent, own.Name, keys(), own.Handle);
            break;
        case DT_TS_BETAETIGUNG:
            if (keys() < 1)
                return false;
            object = keyplan.CreateTsBetaetigung(window, own.System, own.Parent, own.Name, keys(), own.Handle);
            break;
        case DT_TS_TASTE:
            object = keyplan.CreateTsTaste(window, own.System, own.Parent, own.Name, 0, own.Handle);
            break;
        case DT_TS_WIPPE:
            object = keyplan.CreateTsWippe(window, own.System, own.Parent, own.Name, 0, own.Handle);
            break;
        case DT_TS_TASTE_STATUS:
            object = keyplan.CreateTsTasteStatus(window, own.System, own.Parent, own.Name, 0, own.Handle);
            break;
        case DT_TS_WIPPE_STATUS:
            object = keyplan.CreateTsWippeStatus(window, own.System, own.Parent, own.Name, 0, own.Handle);
            break;
        default:
            if (!KeyplanFunktionen::IsTastenFunktion(own.Typ) && !KeyplanFunktionen::IsWippenFunktion(own.Typ))
                return false;
            object = keyplan.CreateFunktion(own.Typ, window, own.System, own.Parent, own.Name, own.Handle);
            break;
        }
    } catch (const E_Basis&) {
        return false;
    }
    if (!object)
        return false;
    RegisterObject(std::move(object), own);
    return true;
}

// --- Requests ---

bool TDeviceInstanzTalvo::UserDeviceMessage_TastsensorFunktion(platform::HWND mainWindow, tagWmUserDevice* request,
                                                               std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_TastsensorFunktion");
    recognised = 0;
    if (!request)
        return false;
    const int typ = GetSenderTyp(*request);
    recognised = 1;
    const std::uint8_t code = request->Code;
    switch (typ) {
    case DT_TS_BETAETIGUNG:
        if (code == UDM_MODIFY_TS_BETAETIGUNG)
            return ModifyTsBetaetigung(mainWindow, dynamic_cast<TTsBetaetigung*>(request->Sender));
        return AnswerKeyRequest(mainWindow, *request);
    case DT_TS_TASTE:
        return AnswerKeyRequest(mainWindow, *request);
    case DT_TS_WIPPE:
        switch (code) {
        case UDM_CHECK_CREATE_KEY_FUNCTION:
        case UDM_DELETE_OBJEKT:
        case UDM_GET_SYSTEM:
        case UDM_REGISTER_OBJEKT:
        case UDM_GET_REGLER_FUNKTION:
        case UDM_GET_REGLERNEBENSTELLEN_FUNKTION:
            return AnswerKeyRequest(mainWindow, *request);
        default:
            return false;
        }
    case DT_TASTEN_FUNKTION_REGLER_BEDIENUNG:
        if (code == UDM_GET_SYSTEM)
            return Deliver(*request, GetPointerFromSystem());
        if (code == UDM_GET_REGLER_FUNKTIONALITAET)
            return Deliver(*request, FirstAs<TReglerFunktionalitaet>(*this, GetPointerFromSystem(),
                                                                      DT_REGLER_FUNKTIONALITAET));
        return false;
    case DT_TS_WIPPE_STATUS:
        if (code != UDM_CONVERT_WIPPEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT)
            return false;
        if (auto* status = dynamic_cast<TTsWippeStatus*>(FindHandle(request->Handle)))
            return ConvertWippenStatusObjectGrpAddrAfterTemplateImport(status);
        return false;
    default:
        if (code == UDM_GET_SYSTEM)
            return Deliver(*request, GetPointerFromSystem());
        recognised = 0;
        return false;
    }
}

bool TDeviceInstanzTalvo::AnswerKeyRequest(platform::HWND mainWindow, tagWmUserDevice& request)
{
    LOG_FKT_START("TDeviceInstanzTalvo::AnswerKeyRequest");
    TTalvoSystem* system = GetPointerFromSystem();
    auto* object = static_cast<TDataBasis*>(request.Result);
    switch (request.Code) {
    case UDM_CHECK_CREATE_KEY_FUNCTION:
        CheckCreateKeyFunction(request.Integer);
        return true;
    case UDM_DELETE_OBJEKT:
        RemoveObject(object);
        return true;
    case UDM_GET_SYSTEM:
        return Deliver(request, system);
    case UDM_REGISTER_OBJEKT:
        if (object && SetPointer2List(object))
            object->Write(*GetDatenSatz(object));
        return true;
    case UDM_GET_REGLER_FUNKTION:
        return Deliver(request, FirstAs<TReglerFunktion>(*this, system, DT_REGLER_FUNKTION));
    case UDM_GET_SZENEN_FUNKTION:
        return Deliver(request, FirstAs<TSzenenFunktion>(*this, system, DT_SZENEN_FUNKTION));
    case UDM_GET_RAUMTEMP_SCHALTUHR:
        return Deliver(request, FirstAs<TRaumtemperaturSchaltuhr>(*this, system, DT_RAUMTEMPERATUR_SCHALTUHR));
    case UDM_GET_REGLERNEBENSTELLEN_FUNKTION:
        return Deliver(request,
                       FirstAs<TReglernebenstellenFunktion>(*this, system, DT_REGLERNEBENSTELLEN_FUNKTION));
    case UDM_MODIFY_TASTEN_STATUS:
        if (auto* key = dynamic_cast<TTsTaste*>(FindHandle(request.Integer)))
            return ModifyTastenStatus(mainWindow, key, request.Byte != 0);
        return true;
    case UDM_CONVERT_TASTEN_STATUS_OBJECT_GRP_ADDR_AFTER_TEMPLATE_IMPORT:
        if (auto* key = dynamic_cast<TTsTaste*>(FindHandle(request.Handle)))
            return ConvertTastenStatusObjectGrpAddrAfterTemplateImport(key);
        return false;
    case UDM_GET_TS_TASTE_STATUS: {
        TDataBasis* operation = GetFirstFromDatenTyp(system, DT_TS_BETAETIGUNG);
        if (!operation)
            return false;
        std::list<TDataBasis*> states;
        try {
            GetAllPointerFromDatentyp(DT_TS_TASTE_STATUS, states, operation, true);
        } catch (const E_InstVerw&) {
            return false;
        }
        for (TDataBasis* status : states) {
            if (status->GetParentHandle() == request.Handle)
                return Deliver(request, dynamic_cast<TTsTasteStatus*>(status));
        }
        return false;
    }
    default:
        return false;
    }
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_TastsensorFunktion(platform::HWND /*mainWindow*/,
                                                                  tagRecDatenTransport* /*request*/,
                                                                  std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_TastsensorFunktion");
    recognised = 0;
    return false;
}

// --- Template import ---

bool TDeviceInstanzTalvo::ConvertTastenStatusObjectGrpAddrAfterTemplateImport(TTsTaste* key)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ConvertTastenStatusObjectGrpAddrAfterTemplateImport");
    if (!key)
        return false;
    // Handles first: linking asks the main window, which may reach the registry.
    std::vector<std::int32_t> handles;
    for (const auto& [handle, object] : GetDataPointerMap())
        handles.push_back(handle);

    TTakenOver taken;
    bool haveList = false;
    std::int32_t statusHandle = 0;
    for (const std::int32_t handle : handles) {
        TDataBasis* object = FindHandle(handle);
        if (!object || object->GetParentHandle() != key->GetHandle())
            continue;
        if (object->GetTyp() == DT_TS_TASTE_STATUS) {
            statusHandle = handle;
            continue;
        }
        if (object->GetTyp() != DT_ETS_OBJEKT)
            continue;
        const auto* etsObject = dynamic_cast<const TEtsObjekt*>(object);
        if (!etsObject || !etsObject->IsVisible())
            return false;
        const int displayOrder = etsObject->GetDisplayOrder();
        // The first object with links decides; a later one without cannot undo it.
        if (!haveList && displayOrder >= 100 && displayOrder <= 2099) {
            taken.From(*etsObject);
            haveList = !taken.Links.empty();
        }
    }
    if (taken.Links.empty() || statusHandle == 0)
        return true;

    return HandOver(*this, handles, statusHandle, taken, true);
}

bool TDeviceInstanzTalvo::ConvertWippenStatusObjectGrpAddrAfterTemplateImport(TTsWippeStatus* rockerStatus)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ConvertWippenStatusObjectGrpAddrAfterTemplateImport");
    if (!rockerStatus)
        return false;
    const std::int32_t statusHandle = rockerStatus->GetHandle();
    std::vector<std::int32_t> handles;
    for (const auto& [handle, object] : GetDataPointerMap())
        handles.push_back(handle);

    TTakenOver taken;
    for (const std::int32_t handle : handles) {
        TDataBasis* object = FindHandle(handle);
        if (!object || object->GetParentHandle() != statusHandle || object->GetTyp() != DT_ETS_OBJEKT)
            continue;
        const auto* etsObject = dynamic_cast<const TEtsObjekt*>(object);
        if (!etsObject || !etsObject->IsVisible())
            return false;
        const int displayOrder = etsObject->GetDisplayOrder();
        if (displayOrder >= 1700 && displayOrder <= 1799) {
            taken.From(*etsObject);
            if (!taken.Links.empty())
                break;
        }
    }
    if (taken.Links.empty())
        return true;

    return HandOver(*this, handles, statusHandle, taken, false);
}
