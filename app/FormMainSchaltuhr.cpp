#include "app/FormMain.h"

#include "climalib/RaumtemperaturSchaltuhr.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/clockfunc/Schaltuhr.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/DlgRaumtempSchaltuhrDaten.h"
#include "views/DlgSchaltuhrDaten.h"

#include <map>

// The switching-time editors of the device being edited.

namespace {

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
    const TRaumtemperaturSchaltuhr* schaltuhr = AktDevInst->GetPointerRaumtempSchaltuhr();
    return schaltuhr && schaltuhr->GetValueOfRaumtempSchaltuhrAktiv() == T_DB_EnumDataBasis::Ja;
}

bool TFormMain::NeedDlgSchaltuhr()
{
    LOG_FKT_START("TFormMain::NeedDlgSchaltuhr");
    if (AktDevInst == nullptr)
        return false;
    TTalvoSystem* system = AktDevInst->GetPointerFromSystem();
    return AktDevInst->GetPointerSchaltuhr(system, 1) || AktDevInst->GetPointerSchaltuhr(system, 2);
}

void TFormMain::ShowDlgRaumtempSchaltuhr()
{
    LOG_FKT_START("TFormMain::ShowDlgRaumtempSchaltuhr");
    if (AktDevInst == nullptr)
        return;
    TRaumtemperaturSchaltuhr* schaltuhr = AktDevInst->GetPointerRaumtempSchaltuhr();
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
        TSchaltuhr* schaltuhr = AktDevInst->GetPointerSchaltuhr(system, nummer);
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
