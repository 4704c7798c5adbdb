// The function manager of the time switches.
#include "app/Sprclockfunc.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/UpdateGuard.h"
#include "outside/clockfunc/ClockfuncFactory.h"
#include "outside/datacore/E_Basis.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"

#include <cstdio>

static_assert(TSchaltuhr::Typ == DT_SCHALTUHR);

namespace {

bool IsSchaltuhrNummer(int number)
{
    return number == 1 || number == 2;
}

// Position ids of time switch 1 and 2.
int PosIdSchaltuhr(int number)
{
    return number == 1 ? 7 : 8;
}

bool HasNumber(TDataBasis& object, int number)
{
    const auto* schaltuhr = dynamic_cast<const TSchaltuhr*>(&object);
    return schaltuhr && schaltuhr->GetSchaltuhrNummer() == number;
}

} // namespace

bool TDeviceInstanzTalvo::CreateSchaltuhr(platform::HWND /*window*/, TDataBasis* parent, bool withNode, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateSchaltuhr");
    if (!parent || !IsSchaltuhrNummer(number))
        return false;
    // A time switch of that number is there already: nothing to make.
    if (GetSchaltuhr(parent, number))
        return true;
    char name[64];
    std::snprintf(name, sizeof name, Sprclockfunc::Text16207.c_str(), number);
    std::unique_ptr<TSchaltuhr> made;
    try {
        made = factories_.Clockfunc->CreateSchaltuhr(MainWindowHandle(), parent->GetSystem(), parent->GetHandle(),
                                                     name, number, 0);
    } catch (const E_Basis&) {
        return false;
    }
    TSchaltuhr* const schaltuhr = made.get();
    if (!EnrolNew(std::move(made), parent, PosIdSchaltuhr(number), withNode))
        return false;
    schaltuhr->CreateObjects();
    return number == 1 ? SetDbDataSchaltuhr1(true) : SetDbDataSchaltuhr2(true);
}

bool TDeviceInstanzTalvo::DeleteSchaltuhr(TDataBasis* parent, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteSchaltuhr");
    if (!IsSchaltuhrNummer(number))
        return false;
    TDataBasis* found = GetSchaltuhr(parent, number);
    if (!found)
        return false;
    const std::int32_t handle = found->GetHandle();
    static_cast<TSchaltuhr*>(found)->DeleteObjects();
    RemoveObject(FindHandle(handle));
    return number == 1 ? SetDbDataSchaltuhr1(false) : SetDbDataSchaltuhr2(false);
}

TDataBasis* TDeviceInstanzTalvo::GetSchaltuhr(TDataBasis* parent, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetSchaltuhr");
    if (!IsSchaltuhrNummer(number))
        return nullptr;
    return FindChild(parent, DT_SCHALTUHR, [number](TDataBasis& child) { return HasNumber(child, number); });
}

TSchaltuhr* TDeviceInstanzTalvo::GetPointerSchaltuhr(TDataBasis* parent, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetPointerSchaltuhr");
    if (!parent || number <= 0)
        return nullptr;
    return static_cast<TSchaltuhr*>(
        FindChild(parent, DT_SCHALTUHR, [number](TDataBasis& child) { return HasNumber(child, number); }));
}

bool TDeviceInstanzTalvo::ModifySchaltuhr(platform::HWND mainWindow, TTalvoSystem* system, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifySchaltuhr");
    if (!system || !IsSchaltuhrNummer(number))
        return false;
    if (system->GetValueOfSchaltuhr(number) == 1) {
        if (!CheckTastenWippenFkt(true))
            return false;
        const TUpdateGuard<TConfigWindowServices*> guard(ConfigWindow);
        if (!CreateSchaltuhr(mainWindow, system, true, number))
            return false;
        CreateTastsensorFunktion(mainWindow, system, true);
        return true;
    }
    return SwitchFunctionOff(*system, GetSchaltuhr(system, number),
                             [this, system, number] { return DeleteSchaltuhr(system, number); });
}

bool TDeviceInstanzTalvo::InitDaten_Schaltuhr(TDatenStruktur& record)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_Schaltuhr");
    const TDatenStruktur copy = record;
    if (copy.Typ != DT_SCHALTUHR)
        return false;
    std::unique_ptr<TSchaltuhr> made;
    try {
        made = factories_.Clockfunc->CreateSchaltuhr(MainWindowHandle(), copy.System, copy.Parent, copy.Name, 0,
                                                     copy.Handle);
    } catch (const E_Basis&) {
        return false;
    }
    return RegisterObject(std::move(made), copy);
}

bool TDeviceInstanzTalvo::UserDeviceMessage_Schaltuhr(platform::HWND /*mainWindow*/, tagWmUserDevice* /*request*/,
                                                      std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_Schaltuhr");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_Schaltuhr(platform::HWND /*mainWindow*/,
                                                         tagRecDatenTransport* /*request*/, std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_Schaltuhr");
    recognised = 0;
    return false;
}
