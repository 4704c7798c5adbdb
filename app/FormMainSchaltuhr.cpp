#include "app/FormMain.h"

#include "climalib/RaumtemperaturSchaltuhr.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/clockfunc/Schaltuhr.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/DlgRaumtempSchaltuhrDaten.h"
#include "views/DlgSchaltuhrDaten.h"

#include <list>
#include <map>

// The switching-time editors of the device being edited.

namespace {

// The time switch with that number among the system object's children; none without one.
TSchaltuhr* SchaltuhrMitNummer(TDeviceInstanzTalvo& device, TTalvoSystem* system, int nummer)
{
    if (!system || nummer <= 0)
        return nullptr;
    std::list<TDataBasis*> kinder;
    device.GetAllPointerFromDatentyp(DT_SCHALTUHR, kinder, system, false);
    for (TDataBasis* kind : kinder)
        if (auto* schaltuhr = dynamic_cast<TSchaltuhr*>(kind); schaltuhr && schaltuhr->GetSchaltuhrNummer() == nummer)
            return schaltuhr;
    return nullptr;
}

// The first room-temperature time switch below the device object; none without one.
TRaumtemperaturSchaltuhr* RaumtempSchaltuhr(TDeviceInstanzTalvo& device)
{
    return dynamic_cast<TRaumtemperaturSchaltuhr*>(
        device.GetPointerFromDatenTyp(device.GetDevice(), DT_RAUMTEMPERATUR_SCHALTUHR));
}

// Writes the object into its record.
void SchreibeDatensatz(TDeviceInstanzTalvo& device, TDataBasis* object)
{
    if (TDatenStruktur* record = device.GetDatenSatz(object))
        object->Write(*record);
}

} // namespace

bool TFormMain::NeedDlgRaumtempSchaltuhr()
{
    LOG_FKT_START("TFormMain::NeedDlgRaumtempSchaltuhr");
    if (AktDevInst == nullptr)
        return false;
    const TRaumtemperaturSchaltuhr* schaltuhr = RaumtempSchaltuhr(*AktDevInst);
    return schaltuhr && schaltuhr->GetValueOfRaumtempSchaltuhrAktiv() == T_DB_EnumDataBasis::Ja;
}

bool TFormMain::NeedDlgSchaltuhr()
{
    LOG_FKT_START("TFormMain::NeedDlgSchaltuhr");
    if (AktDevInst == nullptr)
        return false;
    TTalvoSystem* system = AktDevInst->GetPointerFromSystem();
    return SchaltuhrMitNummer(*AktDevInst, system, 1) || SchaltuhrMitNummer(*AktDevInst, system, 2);
}

void TFormMain::ShowDlgRaumtempSchaltuhr()
{
    LOG_FKT_START("TFormMain::ShowDlgRaumtempSchaltuhr");
    if (AktDevInst == nullptr)
        return;
    TRaumtemperaturSchaltuhr* schaltuhr = RaumtempSchaltuhr(*AktDevInst);
    if (!schaltuhr)
        return;
    TDlgRaumtempSchaltuhrDaten dialog(this, Ets2Cdi.get(), AktDevInst, schaltuhr->GetPointerMapSchaltDaten(), false);
    if (platform::Ui().ShowModal(dialog) == platform::IDOK)
        SchreibeDatensatz(*AktDevInst, schaltuhr);
}

void TFormMain::ShowDlgSchaltuhr()
{
    LOG_FKT_START("TFormMain::ShowDlgSchaltuhr");
    if (AktDevInst == nullptr)
        return;
    TTalvoSystem* system = AktDevInst->GetPointerFromSystem();
    if (!system)
        return;
    std::map<int, TSchaltuhr*> schaltuhren;
    std::map<int, std::map<int, tagSchaltuhrDaten>*> maps;
    for (const int nummer : {1, 2}) {
        TSchaltuhr* schaltuhr = SchaltuhrMitNummer(*AktDevInst, system, nummer);
        if (!schaltuhr)
            continue;
        schaltuhren[nummer] = schaltuhr;
        if (auto* map = schaltuhr->GetPointerMapSchaltDaten())
            maps[nummer] = map;
    }
    TDlgSchaltuhrDaten dialog(this, Ets2Cdi.get(), AktDevInst, schaltuhren, maps, false);
    if (platform::Ui().ShowModal(dialog) != platform::IDOK)
        return;
    for (const auto& [nummer, schaltuhr] : schaltuhren)
        SchreibeDatensatz(*AktDevInst, schaltuhr);
}
