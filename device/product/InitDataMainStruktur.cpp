#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/DataBasis.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <vector>

static_assert(TTalvoDatumUhrzeitSenden::Typ == DT_TALVO_DATUM_UHRZEIT_SENDEN);

namespace {

constexpr char Caption[] = "TDeviceInstanzTalvo::InitDataMainStruktur";

} // namespace

bool TDeviceInstanzTalvo::RegisterObject(std::unique_ptr<TDataBasis> object, const TDatenStruktur& record)
{
    LOG_FKT_START("TDeviceInstanzTalvo::RegisterObject");
    if (!object)
        return false;
    object->InitFromDB(record);
    if (SetPointer2List(object.get())) {
        object.release(); // the registry owns it now
        return true;
    }
    platform::MessageBox("Doppelter Handle: " + std::to_string(object->GetHandle()) + "\nName: " +
                             object->GetName(false),
                         Caption, platform::MB_OK | platform::MB_ICONWARNING);
    return false;
}

void TDeviceInstanzTalvo::InitDataMainStruktur()
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDataMainStruktur");
    const platform::HWND window = MainWindowHandle();
    // Ascending Typ, records of one type in the order they were filed: the system object comes
    // first. The objects made may ask the device for records and file new ones, so the records
    // are listed first; they stay where they are in HandleMap until the tables are emptied below.
    std::vector<const TDatenStruktur*> places;
    places.reserve(TypMap.size());
    for (const auto& [typ, record] : TypMap)
        places.push_back(record);

    for (const TDatenStruktur* place : places) {
        const TDatenStruktur& record = *place;
        switch (record.Typ) {
        case DT_ADDITIONAL_RECORD:
        case DT_RECORD_ONLY_1:
        case DT_RECORD_ONLY_2:
        case DT_RECORD_ONLY_6:
            break;
        case DT_TALVO_SYSTEM: {
            std::unique_ptr<TTalvoSystem> system = factories_.Sysfunc->CreateTalvoSystem(
                window, record.System, record.Parent, record.Name, 0, 0, record.Handle, false);
            TTalvoSystem* const device = system.get();
            if (RegisterObject(std::move(system), record))
                SetDevice(device);
            break;
        }
        case DT_ETS_OBJEKT:
            RegisterObject(factories_.Addrlink->CreateEtsObjekt(window, record.System, record.Parent, record.Name, -1,
                                                                -1, -1, -1, -1, -1, 0, 0, 1, 0, record.Handle),
                           record);
            break;
        case DT_TALVO_DISPLAY:
            RegisterObject(factories_.Sysfunc->CreateTalvoDisplay(window, record.System, record.Parent, record.Name,
                                                                  record.Handle),
                           record);
            break;
        case DT_TALVO_DATUM_UHRZEIT_SENDEN:
            RegisterObject(factories_.Sysfunc->CreateTalvoDatumUhrzeitSenden(window, record.System, record.Parent,
                                                                             record.Name, record.Handle),
                           record);
            break;
        default: {
            // The function initialisers work on a record of their own.
            TDatenStruktur own = record;
            if (InitDaten_TastsensorFunktion(own) || InitDaten_RaumtemperaturReglerFunktion(own) ||
                InitDaten_ReglernebenstellenFunktion(own) || InitDaten_SzenenFunktion(own) ||
                InitDaten_Schaltuhr(own) || InitDaten_IrFernbedienung(own))
                break;
            platform::MessageBox("Unbekannter Typ: " + std::to_string(record.Typ) + "\nName: " + record.Name, Caption,
                                 platform::MB_ICONWARNING);
            break;
        }
        }
    }

    ClearLoadTimeTables();
}
