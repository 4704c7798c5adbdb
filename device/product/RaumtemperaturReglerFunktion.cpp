// The function manager of the room-temperature controller and the controller's requests that
// carry a change of one page into the other pages and into the system object.
#include "app/Sprclimalib.h"
#include "climalib/DatenSicherung.h"
#include "climalib/RaumtemperaturSchaltuhr.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionalitaet.h"
#include "climalib/ReglerRaumtemperaturMessung.h"
#include "climalib/ReglerSollwerte.h"
#include "climalib/ReglerStellgroessenStatusAusgabe.h"
#include "device/product/ClimaMakers.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/UpdateGuard.h"
#include "outside/datacore/E_Basis.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"

#include <set>
#include <vector>

namespace {

constexpr int PosIdReglerFunktion = 4;
constexpr int PosIdSollwerte = 1;
constexpr int PosIdFunktionalitaet = 2;
constexpr int PosIdMessung = 3;
constexpr int PosIdAusgabe = 4;
constexpr int PosIdRaumtempSchaltuhr = 5;

} // namespace

// --- Creation ---

bool TDeviceInstanzTalvo::CreateReglerFunktion(TDataBasis* parent, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateReglerFunktion");
    if (!parent)
        return false;
    TDataBasis* function =
        CreateFunctionObject(parent, DT_REGLER_FUNKTION, PosIdReglerFunktion, withNode,
                             ClimaMaker<TReglerFunktion>(MainWindowHandle(), *parent, Sprclimalib::Text14206));
    if (!function)
        return false;
    const std::int32_t handle = function->GetHandle();
    ClimaCreateObjects<TReglerFunktion>(function);
    using TCreate = bool (TDeviceInstanzTalvo::*)(TDataBasis*, bool);
    static constexpr TCreate Pages[] = {
        &TDeviceInstanzTalvo::CreateReglerSollwerte,
        &TDeviceInstanzTalvo::CreateReglerFunktionalitaet,
        &TDeviceInstanzTalvo::CreateReglerRaumtemperaturMessung,
        &TDeviceInstanzTalvo::CreateReglerStellgroessenStatusAusgabe,
        &TDeviceInstanzTalvo::CreateRaumtempSchaltuhr,
    };
    for (const TCreate create : Pages)
        if (!(this->*create)(FindHandle(handle), withNode))
            return false;
    return SetDbDataUserDeviceParam(true);
}

namespace {

// The creation of one controller page below the controller function.
template <class T>
bool CreatePage(TDataBasis* made)
{
    if (!made)
        return false;
    ClimaCreateObjects<T>(made);
    return true;
}

} // namespace

bool TDeviceInstanzTalvo::CreateReglerSollwerte(TDataBasis* function, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateReglerSollwerte");
    return function
        && CreatePage<TReglerSollwerte>(CreateFunctionObject(
            function, DT_REGLER_SOLLWERTE, PosIdSollwerte, withNode,
            ClimaMaker<TReglerSollwerte>(MainWindowHandle(), *function, Sprclimalib::Text14209)));
}

bool TDeviceInstanzTalvo::CreateReglerFunktionalitaet(TDataBasis* function, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateReglerFunktionalitaet");
    return function
        && CreatePage<TReglerFunktionalitaet>(CreateFunctionObject(
            function, DT_REGLER_FUNKTIONALITAET, PosIdFunktionalitaet, withNode,
            ClimaMaker<TReglerFunktionalitaet>(MainWindowHandle(), *function, Sprclimalib::Text14207)));
}

bool TDeviceInstanzTalvo::CreateReglerRaumtemperaturMessung(TDataBasis* function, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateReglerRaumtemperaturMessung");
    return function
        && CreatePage<TReglerRaumtemperaturMessung>(CreateFunctionObject(
            function, DT_REGLER_RAUMTEMPERATUR_MESSUNG, PosIdMessung, withNode,
            ClimaMaker<TReglerRaumtemperaturMessung>(MainWindowHandle(), *function, Sprclimalib::Text14208)));
}

bool TDeviceInstanzTalvo::CreateReglerStellgroessenStatusAusgabe(TDataBasis* function, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateReglerStellgroessenStatusAusgabe");
    return function
        && CreatePage<TReglerStellgroessenStatusAusgabe>(CreateFunctionObject(
            function, DT_REGLER_STELLGROESSEN_STATUS_AUSGABE, PosIdAusgabe, withNode,
            ClimaMaker<TReglerStellgroessenStatusAusgabe>(MainWindowHandle(), *function, Sprclimalib::Text14210)));
}

bool TDeviceInstanzTalvo::CreateRaumtempSchaltuhr(TDataBasis* function, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateRaumtempSchaltuhr");
    return function
        && CreatePage<TRaumtemperaturSchaltuhr>(CreateFunctionObject(
            function, DT_RAUMTEMPERATUR_SCHALTUHR, PosIdRaumtempSchaltuhr, withNode,
            ClimaMaker<TRaumtemperaturSchaltuhr>(MainWindowHandle(), *function, Sprclimalib::Text14205)));
}

// --- Deletion ---

bool TDeviceInstanzTalvo::DeleteReglerFunktion(TDataBasis* parent)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteReglerFunktion");
    TDataBasis* function = FindChild(parent, DT_REGLER_FUNKTION);
    if (!function)
        return false;
    const std::int32_t handle = function->GetHandle();
    using TDelete = bool (TDeviceInstanzTalvo::*)(TDataBasis*);
    static constexpr TDelete Pages[] = {
        &TDeviceInstanzTalvo::DeleteReglerSollwerte,
        &TDeviceInstanzTalvo::DeleteReglerFunktionalitaet,
        &TDeviceInstanzTalvo::DeleteReglerRaumtemperaturMessung,
        &TDeviceInstanzTalvo::DeleteReglerStellgroessenStatusAusgabe,
        &TDeviceInstanzTalvo::DeleteRaumtempSchaltuhr,
    };
    for (const TDelete remove : Pages)
        if (!(this->*remove)(FindHandle(handle)))
            return false;
    if (!DeleteFunctionObject(parent, DT_REGLER_FUNKTION, ClimaDeleteObjects<TReglerFunktion>()))
        return false;
    SetDbDataUserDeviceParam(false);
    SetDbDataRaumtempSchaltuhr(false);
    return true;
}

bool TDeviceInstanzTalvo::DeleteReglerSollwerte(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteReglerSollwerte");
    return DeleteFunctionObject(function, DT_REGLER_SOLLWERTE, ClimaDeleteObjects<TReglerSollwerte>());
}

bool TDeviceInstanzTalvo::DeleteReglerFunktionalitaet(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteReglerFunktionalitaet");
    return DeleteFunctionObject(function, DT_REGLER_FUNKTIONALITAET, ClimaDeleteObjects<TReglerFunktionalitaet>());
}

bool TDeviceInstanzTalvo::DeleteReglerRaumtemperaturMessung(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteReglerRaumtemperaturMessung");
    return DeleteFunctionObject(function, DT_REGLER_RAUMTEMPERATUR_MESSUNG,
                                ClimaDeleteObjects<TReglerRaumtemperaturMessung>());
}

bool TDeviceInstanzTalvo::DeleteReglerStellgroessenStatusAusgabe(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteReglerStellgroessenStatusAusgabe");
    return DeleteFunctionObject(function, DT_REGLER_STELLGROESSEN_STATUS_AUSGABE,
                                ClimaDeleteObjects<TReglerStellgroessenStatusAusgabe>());
}

bool TDeviceInstanzTalvo::DeleteRaumtempSchaltuhr(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteRaumtempSchaltuhr");
    return DeleteFunctionObject(function, DT_RAUMTEMPERATUR_SCHALTUHR,
                                ClimaDeleteObjects<TRaumtemperaturSchaltuhr>());
}

// --- Switching, restoring, looking up ---

bool TDeviceInstanzTalvo::ModifyReglerFunktion(TTalvoSystem* system)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyReglerFunktion");
    if (!system)
        return false;
    if (system->GetValueOfReglerFunktion() == 1) {
        if (!CheckTastenWippenFkt(true))
            return false;
        const TUpdateGuard<TConfigWindowServices*> guard(ConfigWindow);
        if (!CreateReglerFunktion(system, true))
            return false;
        CreateTastsensorFunktion(MainWindowHandle(), system, true);
        return true;
    }
    return SwitchFunctionOff(*system, GetPointerFromDatenTyp(GetDevice(), DT_REGLER_FUNKTION),
                             [this, system] { return DeleteReglerFunktion(system); });
}

bool TDeviceInstanzTalvo::InitDaten_RaumtemperaturReglerFunktion(TDatenStruktur& record)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_RaumtemperaturReglerFunktion");
    const TDatenStruktur copy = record;
    const platform::HWND window = MainWindowHandle();
    std::unique_ptr<TDataBasis> made;
    try {
        switch (copy.Typ) {
        case DT_REGLER_FUNKTION:
            made = ClimaFromRecord<TReglerFunktion>(window, copy);
            break;
        case DT_REGLER_SOLLWERTE:
            made = ClimaFromRecord<TReglerSollwerte>(window, copy);
            break;
        case DT_REGLER_FUNKTIONALITAET:
            made = ClimaFromRecord<TReglerFunktionalitaet>(window, copy);
            break;
        case DT_REGLER_RAUMTEMPERATUR_MESSUNG:
            made = ClimaFromRecord<TReglerRaumtemperaturMessung>(window, copy);
            break;
        case DT_REGLER_STELLGROESSEN_STATUS_AUSGABE:
            made = ClimaFromRecord<TReglerStellgroessenStatusAusgabe>(window, copy);
            break;
        case DT_RAUMTEMPERATUR_SCHALTUHR:
            made = ClimaFromRecord<TRaumtemperaturSchaltuhr>(window, copy);
            break;
        default:
            return false;
        }
    } catch (const E_Basis&) {
        return false;
    }
    return RegisterObject(std::move(made), copy);
}

TRaumtemperaturSchaltuhr* TDeviceInstanzTalvo::GetPointerRaumtempSchaltuhr()
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetPointerRaumtempSchaltuhr");
    return dynamic_cast<TRaumtemperaturSchaltuhr*>(GetPointerFromDatenTyp(GetDevice(), DT_RAUMTEMPERATUR_SCHALTUHR));
}

// --- The controller's requests ---

namespace {

// The object's record and the records chained to it, as the device keeps them now.
std::vector<TDatenStruktur> RecordChain(TDeviceInstanzTalvo& device, TDataBasis& object)
{
    std::vector<TDatenStruktur> chain{*device.GetDatenSatz(&object)};
    std::set<std::int32_t> seen{object.GetHandle()};
    for (std::int32_t next = chain.front().Next; next > 0 && seen.insert(next).second;) {
        const TDatenStruktur* chained = device.FindDatenSatz(object.GetSystem(), next);
        if (!chained)
            break;
        chain.push_back(*chained);
        next = chained->Next;
    }
    return chain;
}

// A sender that passes a keep in the request's Result has the object's records kept there
// before the object is adapted.
void KeepRecords(TDeviceInstanzTalvo& device, const tagWmUserDevice& request, TDataBasis& object)
{
    if (auto* keep = static_cast<TDatenSicherung*>(request.Result))
        keep->Sichern(RecordChain(device, object));
}

} // namespace

bool TDeviceInstanzTalvo::UpdateTableRaumtemperaturMessung(TDataBasis* function, bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UpdateTableRaumtemperaturMessung");
    auto* messung = dynamic_cast<TReglerRaumtemperaturMessung*>(
        GetPointerFromDatenTyp(GetDevice(), DT_REGLER_RAUMTEMPERATUR_MESSUNG));
    if (!function || !messung)
        return false;
    const bool erfassung = messung->ModifyValueTemperaturErfassung(false);
    const bool fuehler = messung->ModifyValueExternerTempFuehler(ask);
    if (!erfassung || !fuehler)
        return false;
    return WriteAndRefresh(messung);
}

bool TDeviceInstanzTalvo::UpdateTableSollwerte(TDataBasis* function, bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UpdateTableSollwerte");
    auto* regler = dynamic_cast<TReglerFunktion*>(function);
    if (!regler)
        return false;
    const std::uint8_t kreise = regler->GetValueOfRegelkreise();
    auto* sollwerte = dynamic_cast<TReglerSollwerte*>(GetPointerFromDatenTyp(GetDevice(), DT_REGLER_SOLLWERTE));
    if (!sollwerte)
        return false;
    if (kreise != 0)
        return true;
    if (!sollwerte->ModifyValueEigeneSollwerteRk2(T_DB_EnumDataBasis::Nein, ask))
        return false;
    return WriteAndRefresh(sollwerte);
}

bool TDeviceInstanzTalvo::UpdateTableStellgroessenStatusAusgabe(TDataBasis* function, bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UpdateTableStellgroessenStatusAusgabe");
    auto* regler = dynamic_cast<TReglerFunktion*>(function);
    if (!regler)
        return false;
    const std::uint8_t betriebsart = regler->GetValueOfReglerBetriebsart();
    auto* ausgabe = dynamic_cast<TReglerStellgroessenStatusAusgabe*>(
        GetPointerFromDatenTyp(GetDevice(), DT_REGLER_STELLGROESSEN_STATUS_AUSGABE));
    if (!ausgabe)
        return false;
    if (!ausgabe->ModifyValueAusgabeStellgroessen())
        return false;
    bool done = true;
    if (betriebsart == 0 || betriebsart == 3)
        done = ausgabe->ModifyValueMeldungKuehlen(T_DB_EnumDataBasis::Nein, ask);
    else if (betriebsart == 1 || betriebsart == 4)
        done = ausgabe->ModifyValueMeldungHeizen(T_DB_EnumDataBasis::Nein, ask);
    if (!done)
        return false;
    return WriteAndRefresh(ausgabe);
}

bool TDeviceInstanzTalvo::ModifyRaumtempSchaltuhrAktivValue(std::uint8_t value)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyRaumtempSchaltuhrAktivValue");
    return SetDbDataRaumtempSchaltuhr(value != 0);
}

bool TDeviceInstanzTalvo::ModifyWertigkeitStufeSollwertverschiebungValue(std::uint8_t value)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyWertigkeitStufeSollwertverschiebungValue");
    if (value == 1)
        return SetDbDataUserDeviceParam(true);
    return true;
}

std::uint8_t TDeviceInstanzTalvo::GetValueOfZugriffAufBedienebenen()
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetValueOfZugriffAufBedienebenen");
    const TTalvoSystem* system = dynamic_cast<TTalvoSystem*>(GetDevice());
    return system ? system->GetValueOfZugriffAufBedienebenen() : 0;
}

bool TDeviceInstanzTalvo::UserDeviceMessage_RaumtemperaturReglerFunktion(platform::HWND /*mainWindow*/,
                                                                         tagWmUserDevice* request,
                                                                         std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_RaumtemperaturReglerFunktion");
    recognised = 0;
    if (!request)
        return false;
    const int typ = GetSenderTyp(*request);
    const std::uint8_t code = request->Code;
    switch (typ) {
    case DT_REGLER_FUNKTION:
        recognised = 1;
        switch (code) {
        case UDM_UPDATE_TABLE_STELLGROESSEN_STATUS_AUSGABE:
            return UpdateTableStellgroessenStatusAusgabe(request->Sender, request->Byte != 0);
        case UDM_MODIFY_TASTEN_WIPPEN_FUNKTION:
            return ModifyTastenWippenFunktion(true);
        case UDM_UPDATE_TABLE_SOLLWERTE:
            return UpdateTableSollwerte(request->Sender, request->Byte != 0);
        case UDM_UPDATE_TABLE_RAUMTEMPERATUR_MESSUNG:
            return UpdateTableRaumtemperaturMessung(request->Sender, request->Byte != 0);
        case UDM_GET_VALUE_OF_ZUGRIFF_AUF_BEDIENEBENEN:
            request->Integer = static_cast<std::int8_t>(GetValueOfZugriffAufBedienebenen());
            return true;
        case UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG: {
            auto* sollwerte =
                dynamic_cast<TReglerSollwerte*>(GetPointerFromDatenTyp(GetDevice(), DT_REGLER_SOLLWERTE));
            if (!sollwerte)
                return false;
            KeepRecords(*this, *request, *sollwerte);
            return sollwerte->ModifyValueAenderungSollwerte(true) && WriteAndRefresh(sollwerte);
        }
        case UDM_MODIFY_SYSTEM_ZUGRIFF_BEDIENEBENEN: {
            auto* system = dynamic_cast<TTalvoSystem*>(GetDevice());
            if (!system)
                return false;
            KeepRecords(*this, *request, *system);
            return system->ModifySystemZugriffBedienebenen() && WriteAndRefresh(system);
        }
        default:
            return false;
        }
    case DT_REGLER_SOLLWERTE:
        recognised = 1;
        if (code == UDM_MODIFY_WERTIGKEIT_STUFE_SOLLWERTVERSCHIEBUNG_VALUE)
            return ModifyWertigkeitStufeSollwertverschiebungValue(static_cast<std::uint8_t>(request->Integer & 0xFF));
        return false;
    case DT_REGLER_FUNKTIONALITAET:
        recognised = 1;
        if (code == UDM_MODIFY_TASTEN_WIPPEN_FUNKTION_VALUES)
            return ModifyTastenWippenFunktionValues(true);
        return false;
    case DT_RAUMTEMPERATUR_SCHALTUHR:
        recognised = 1;
        if (code == UDM_MODIFY_TASTEN_WIPPEN_FUNKTION)
            return ModifyTastenWippenFunktion(true);
        if (code == UDM_MODIFY_RAUMTEMP_SCHALTUHR_AKTIV_VALUE)
            return ModifyRaumtempSchaltuhrAktivValue(request->Byte);
        return false;
    default:
        return false;
    }
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_RaumtemperaturReglerFunktion(platform::HWND /*mainWindow*/,
                                                                            tagRecDatenTransport* /*request*/,
                                                                            std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_RaumtemperaturReglerFunktion");
    recognised = 0;
    return false;
}
