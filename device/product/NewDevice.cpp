// A new device and its default objects.
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "device/DataModuleServices.h"
#include "device/MainWindowServices.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/E_Basis.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/Clock.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QFileInfo>

#include <stdexcept>

static_assert(TTalvoDatumUhrzeitSenden::Typ == DT_TALVO_DATUM_UHRZEIT_SENDEN);

namespace {

constexpr std::int16_t ParamAnzahlTasten = 61;
constexpr int PosIdDisplay = 2;
constexpr int PosIdDatumUhrzeit = 9;
constexpr std::uint8_t HardwareIr = 0x20;
constexpr std::uint8_t HardwareUhr = 0x40;

// A fixed communication object switched on by its display order in the default configuration;
// without the clock its object gets the value 0 and an enabled cell.
struct TFixedObject {
    std::int16_t DisplayOrder;
    std::int32_t ValueWithoutClock;
    std::int32_t ValueWithClock;
    int PosId;
    int ObjectNumber; // 0: nothing to treat
};

constexpr TFixedObject FixedObjects[] = {
    {3300, 1, 2, -500, 57},
    {3305, 1, 2, -400, 58},
    {4100, 1, 1, -300, 0},
};

} // namespace

int TDeviceInstanzTalvo::CreateNewDevice(platform::HWND mainWindow)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateNewDevice");
    TDataModuleServices* dm = TDataModuleServices::Current();
    if (!dm || !MainForm || !MainForm->GetEts2Cdi())
        return 0;
    dm->GetSwVersion(dm->SwCreatedVersion);
    dm->SwCreatedDate = platform::DateTimeToStr(platform::Now());

    if (!ClearDatenStream() || !InitData())
        return 0;
    TEtsDeviceParam* parameters = GetEtsDeviceParam();
    if (!parameters)
        return 0;
    std::int32_t keys = 0;
    if (parameters->GetDeviceParamData(ParamAnzahlTasten, keys) || keys == 0)
        return 0;

    std::unique_ptr<TTalvoSystem> made;
    try {
        made = factories_.Sysfunc->CreateTalvoSystem(mainWindow, 0, 0, GetDeviceName(), EtsDeviceId,
                                                     SystemObjektParam, 0, false);
    } catch (const E_Basis&) {
        return 0;
    } catch (const std::runtime_error&) {
        return 0; // no type number
    }
    if (!made)
        return 0;
    made->SetAnzahlTasten(keys);
    made->SetTastenAnordnung(0);
    TTalvoSystem* const system = made.get();
    if (!SetPointer2List(system))
        return 0;
    made.release();
    system->Write(*GetDatenSatz(system));
    SetDevice(system);

    std::uint8_t hardware = 0;
    try {
        hardware = static_cast<std::uint8_t>(GetDeviceEtsInfo().TypeNumber & 0xFF);
    } catch (const std::runtime_error&) {
        return 0;
    }

    if (InitModus == INIT_MODUS_USER_DATEN || InitModus == INIT_MODUS_DATEN_IMPORT) {
        const bool imported = (InitModus == INIT_MODUS_DATEN_IMPORT && QFileInfo::exists(QString::fromStdString(InitFileCreateName)))
                                  ? MainForm->DatenImport(InitFileCreateName)
                                  : MainForm->ImportUserDaten();
        if (imported)
            return 1;
        InitModus = INIT_MODUS_DEFAULT;
        platform::Ui().MessageBox(Spredit::Text9152, Spredit::Text9047, platform::MB_ICONWARNING);
    }
    // Any other mode builds the default configuration.

    const bool clock = (hardware & HardwareUhr) != 0;
    for (const TFixedObject& fixed : FixedObjects) {
        const std::int32_t value = clock ? fixed.ValueWithClock : fixed.ValueWithoutClock;
        if (!AddEtsObjectByDisplayOrder(fixed.DisplayOrder, value, fixed.PosId, system, false))
            return 0;
        if (clock || fixed.ObjectNumber == 0)
            continue;
        TEtsObjekt* object = GetObjectFromObjectNr(fixed.ObjectNumber);
        if (!object)
            return 0;
        object->SetObjektWert(0);
        object->SetEnableCellFlagStatus(true);
        object->Write(*GetDatenSatz(object));
    }
    if (!CreateDisplay(mainWindow, system, false))
        return 0;
    const bool tastsensor = system->GetValueOfTastsensorFunktion() == 1;
    const bool regler = system->GetValueOfReglerFunktion() == 1;
    const bool szenen = system->GetValueOfSzenenFunktion() == 1;
    if ((tastsensor || regler) && CreateTastsensorFunktion(mainWindow, system, false) == 0)
        return 0;
    if (regler && !CreateReglerFunktion(system, false))
        return 0;
    if (szenen && !CreateSzenenFunktion(system, false))
        return 0;
    if ((hardware & HardwareIr) && !CreateIrFernbedienung(mainWindow, system, false))
        return 0;
    if (clock && !CreateDatumUhrzeitSenden(mainWindow, system, false))
        return 0;
    return 1;
}

bool TDeviceInstanzTalvo::CreateDisplay(platform::HWND /*window*/, TDataBasis* parent, bool addNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateDisplay");
    return CreateFunctionObject(parent, DT_TALVO_DISPLAY, PosIdDisplay, addNode, [&] {
               return factories_.Sysfunc->CreateTalvoDisplay(MainWindowHandle(), parent->GetSystem(),
                                                             parent->GetHandle(), Sprsysfunc::Text11042, 0);
           }) != nullptr;
}

bool TDeviceInstanzTalvo::CreateDatumUhrzeitSenden(platform::HWND /*window*/, TDataBasis* parent, bool addNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateDatumUhrzeitSenden");
    return CreateFunctionObject(parent, DT_TALVO_DATUM_UHRZEIT_SENDEN, PosIdDatumUhrzeit, addNode, [&] {
               return factories_.Sysfunc->CreateTalvoDatumUhrzeitSenden(MainWindowHandle(), parent->GetSystem(),
                                                                        parent->GetHandle(), Sprsysfunc::Text11051, 0);
           }) != nullptr;
}
