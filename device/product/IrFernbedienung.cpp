// The function manager of the infrared remote control.
#include "app/Sprremotefunc.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/E_Basis.h"
#include "outside/remotefunc/RemotefuncFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"

static_assert(TIrFernbedienung::Typ == DT_IR_FERNBEDIENUNG);

namespace {

constexpr int PosIdIrFernbedienung = 10;

} // namespace

bool TDeviceInstanzTalvo::CreateIrFernbedienung(platform::HWND /*window*/, TDataBasis* parent, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateIrFernbedienung");
    if (!parent || FindChild(parent, DT_IR_FERNBEDIENUNG))
        return false;
    const TTalvoSystem* system = GetPointerFromSystem();
    if (!system || system->GetAnzahlTasten() <= 0)
        return false;
    std::unique_ptr<TIrFernbedienung> made;
    try {
        made = factories_.Remotefunc->CreateIrFernbedienung(MainWindowHandle(), parent->GetSystem(),
                                                            parent->GetHandle(), Sprremotefunc::Text16559,
                                                            system->GetAnzahlTasten(), 0);
    } catch (const E_Basis&) {
        return false;
    }
    if (!made)
        return false;
    // The defaults go into the record that EnrolNew writes.
    made->SetPosId(PosIdIrFernbedienung);
    made->SetDefaultValues();
    return EnrolNew(std::move(made), parent, PosIdIrFernbedienung, withNode) != nullptr;
}

bool TDeviceInstanzTalvo::InitDaten_IrFernbedienung(TDatenStruktur& record)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_IrFernbedienung");
    const TDatenStruktur copy = record;
    if (copy.Typ != DT_IR_FERNBEDIENUNG)
        return false;
    const TTalvoSystem* system = GetPointerFromSystem();
    if (!system || system->GetAnzahlTasten() <= 0)
        return false;
    std::unique_ptr<TIrFernbedienung> made;
    try {
        made = factories_.Remotefunc->CreateIrFernbedienung(MainWindowHandle(), copy.System, copy.Parent, copy.Name,
                                                            system->GetAnzahlTasten(), copy.Handle);
    } catch (const E_Basis&) {
        return false;
    }
    return RegisterObject(std::move(made), copy);
}

bool TDeviceInstanzTalvo::UserDeviceMessage_IrFernbedienung(platform::HWND /*mainWindow*/, tagWmUserDevice* /*request*/,
                                                            std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_IrFernbedienung");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_IrFernbedienung(platform::HWND /*mainWindow*/,
                                                               tagRecDatenTransport* /*request*/,
                                                               std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_IrFernbedienung");
    recognised = 0;
    return false;
}
