// The function manager of the controller extension unit.
#include "app/Sprclimalib.h"
#include "climalib/ReglernebenstellenFunktion.h"
#include "climalib/ReglernebenstellenRaumtemperaturMessung.h"
#include "device/product/ClimaMakers.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/UpdateGuard.h"
#include "outside/datacore/E_Basis.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"

namespace {

constexpr int PosIdReglernebenstellenFunktion = 5;
constexpr int PosIdMessung = 1;

} // namespace

bool TDeviceInstanzTalvo::CreateReglernebenstellenFunktion(TDataBasis* parent, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateReglernebenstellenFunktion");
    if (!parent)
        return false;
    TDataBasis* function = CreateFunctionObject(
        parent, DT_REGLERNEBENSTELLEN_FUNKTION, PosIdReglernebenstellenFunktion, withNode,
        ClimaMaker<TReglernebenstellenFunktion>(MainWindowHandle(), *parent, Sprclimalib::Text14217));
    if (!function)
        return false;
    const std::int32_t handle = function->GetHandle();
    ClimaCreateObjects<TReglernebenstellenFunktion>(function);
    return CreateReglernebenstellenRaumtemperaturMessung(FindHandle(handle), withNode);
}

bool TDeviceInstanzTalvo::CreateReglernebenstellenRaumtemperaturMessung(TDataBasis* function, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateReglernebenstellenRaumtemperaturMessung");
    if (!function)
        return false;
    TDataBasis* made = CreateFunctionObject(
        function, DT_REGLERNEBENSTELLEN_RAUMTEMPERATUR_MESSUNG, PosIdMessung, withNode,
        ClimaMaker<TReglernebenstellenRaumtemperaturMessung>(MainWindowHandle(), *function, Sprclimalib::Text14218));
    if (!made)
        return false;
    ClimaCreateObjects<TReglernebenstellenRaumtemperaturMessung>(made);
    return true;
}

bool TDeviceInstanzTalvo::DeleteReglernebenstellenFunktion(TDataBasis* parent)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteReglernebenstellenFunktion");
    TDataBasis* function = FindChild(parent, DT_REGLERNEBENSTELLEN_FUNKTION);
    if (!function || !DeleteReglernebenstellenRaumtemperaturMessung(function))
        return false;
    return DeleteFunctionObject(parent, DT_REGLERNEBENSTELLEN_FUNKTION,
                                ClimaDeleteObjects<TReglernebenstellenFunktion>());
}

bool TDeviceInstanzTalvo::DeleteReglernebenstellenRaumtemperaturMessung(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteReglernebenstellenRaumtemperaturMessung");
    return DeleteFunctionObject(function, DT_REGLERNEBENSTELLEN_RAUMTEMPERATUR_MESSUNG,
                                ClimaDeleteObjects<TReglernebenstellenRaumtemperaturMessung>());
}

bool TDeviceInstanzTalvo::ModifyReglernebenstellenFunktion(TTalvoSystem* system)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyReglernebenstellenFunktion");
    if (!system)
        return false;
    if (system->GetValueOfReglernebenstellenFunktion() == 1) {
        if (!CheckTastenWippenFkt(true))
            return false;
        const TUpdateGuard<TConfigWindowServices*> guard(ConfigWindow);
        if (!CreateReglernebenstellenFunktion(system, true))
            return false;
        CreateTastsensorFunktion(MainWindowHandle(), system, true);
        return true;
    }
    return SwitchFunctionOff(*system, GetPointerFromDatenTyp(GetDevice(), DT_REGLERNEBENSTELLEN_FUNKTION),
                             [this, system] { return DeleteReglernebenstellenFunktion(system); });
}

bool TDeviceInstanzTalvo::InitDaten_ReglernebenstellenFunktion(TDatenStruktur& record)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_ReglernebenstellenFunktion");
    const TDatenStruktur copy = record;
    try {
        if (copy.Typ == DT_REGLERNEBENSTELLEN_FUNKTION)
            return RegisterObject(ClimaFromRecord<TReglernebenstellenFunktion>(MainWindowHandle(), copy), copy);
        if (copy.Typ == DT_REGLERNEBENSTELLEN_RAUMTEMPERATUR_MESSUNG)
            return RegisterObject(ClimaFromRecord<TReglernebenstellenRaumtemperaturMessung>(MainWindowHandle(), copy),
                                  copy);
    } catch (const E_Basis&) {
        return false;
    }
    return false;
}

bool TDeviceInstanzTalvo::UserDeviceMessage_ReglernebenstellenFunktion(platform::HWND /*mainWindow*/,
                                                                       tagWmUserDevice* request,
                                                                       std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_ReglernebenstellenFunktion");
    recognised = 0;
    if (!request || GetSenderTyp(*request) != DT_REGLERNEBENSTELLEN_FUNKTION)
        return false;
    recognised = 1;
    switch (request->Code) {
    case UDM_MODIFY_TASTEN_WIPPEN_FUNKTION:
        return ModifyTastenWippenFunktion(true);
    case UDM_MODIFY_ENABLE_CELL_FLAG_STATUS:
        return ModifyEnableCellFlagStatus(request->Integer, request->Byte != 0);
    default:
        return false;
    }
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_ReglernebenstellenFunktion(platform::HWND /*mainWindow*/,
                                                                          tagRecDatenTransport* /*request*/,
                                                                          std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_ReglernebenstellenFunktion");
    recognised = 0;
    return false;
}
