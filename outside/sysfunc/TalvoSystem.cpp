#include "outside/sysfunc/TalvoSystem.h"

#include "app/Sprsysfunc.h"
#include "outside/funcbase/ValueRows.h"
#include "outside/tablebox/DrawGridSE.h"

#include <string>

using namespace T_DB_EnumTalvoSystem;

TTalvoSystem::TTalvoSystem(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                           const std::string& name, std::int32_t etsDeviceId, std::int32_t value, std::int32_t handle,
                           bool /*reserved*/)
    : TSorvEtsDevice(windowHandle, system, parent, name, etsDeviceId, handle), Value(value)
{
}

TTalvoSystem::~TTalvoSystem() = default;

std::uint8_t TTalvoSystem::GetValueOfSchaltuhr(int number) const
{
    switch (number) {
    case 1:
        return Schaltuhr1;
    case 2:
        return Schaltuhr2;
    default:
        return 0;
    }
}

void TTalvoSystem::GetSystemFlags(bool& all, bool& userParameters, bool& scenes, bool& roomTimeSwitch,
                                  bool& timeSwitch1, bool& timeSwitch2) const
{
    all = DownloadFlags[0];
    userParameters = DownloadFlags[1];
    scenes = DownloadFlags[2];
    roomTimeSwitch = DownloadFlags[3];
    timeSwitch1 = DownloadFlags[4];
    timeSwitch2 = DownloadFlags[5];
}

void TTalvoSystem::SetSystemFlags(bool all, bool userParameters, bool scenes, bool roomTimeSwitch, bool timeSwitch1,
                                  bool timeSwitch2)
{
    DownloadFlags[0] = all;
    DownloadFlags[1] = userParameters;
    DownloadFlags[2] = scenes;
    DownloadFlags[3] = roomTimeSwitch;
    DownloadFlags[4] = timeSwitch1;
    DownloadFlags[5] = timeSwitch2;
}

bool TTalvoSystem::ModifySystemZugriffBedienebenen()
{
    if (ZugriffAufBedienebenen > zbUeberObjekt)
        ZugriffAufBedienebenen = zbFreigegeben;
    return true;
}

bool TTalvoSystem::ConvertDBDataAfterTemplateImport()
{
    return true;
}

void TTalvoSystem::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = AnzahlTasten;
    record.Param3 = TastenAnordnung;
    record.Param4 = EtsDeviceId;
    record.Param5 = TastsensorFunktion;
    record.Param6 = ReglerFunktion;
    record.Param7 = ReglernebenstellenFunktion;
    record.Param8 = SzenenFunktion;
    record.Param9 = Schaltuhr1;
    record.Param10 = Schaltuhr2;
    record.Param11 = ZugriffAufBedienebenen;
    for (int i = 0; i < 6; ++i)
        record.BoolAt(i + 1) = DownloadFlags[i];
    record.String1 = PhysAdr;
}

void TTalvoSystem::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    AnzahlTasten = record.Param2;
    TastenAnordnung = record.Param3;
    EtsDeviceId = record.Param4;
    TastsensorFunktion = static_cast<std::uint8_t>(record.Param5);
    ReglerFunktion = static_cast<std::uint8_t>(record.Param6);
    ReglernebenstellenFunktion = static_cast<std::uint8_t>(record.Param7);
    SzenenFunktion = static_cast<std::uint8_t>(record.Param8);
    Schaltuhr1 = static_cast<std::uint8_t>(record.Param9);
    Schaltuhr2 = static_cast<std::uint8_t>(record.Param10);
    ZugriffAufBedienebenen = static_cast<std::uint8_t>(record.Param11);
    for (int i = 0; i < 6; ++i)
        DownloadFlags[i] = record.BoolAt(i + 1);
    PhysAdr = record.String1;
}

void TTalvoSystem::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool /*flag*/, int column, int row)
{
    if (!ValueRows::Begin(grid))
        return;
    ValueRows::AddText(*grid, *this, Sprsysfunc::Text11036, tagAnzahlTasten, std::to_string(AnzahlTasten));
    AddRowComboBoxYes(grid, Sprsysfunc::Text11028, tagTastsensorFunktion, TastsensorFunktion, 0, false);
    AddRowComboBoxYes(grid, Sprsysfunc::Text11029, tagReglerFunktion, ReglerFunktion, 0, false);
    AddRowComboBoxYes(grid, Sprsysfunc::Text11030, tagReglernebenstellenFunktion, ReglernebenstellenFunktion, 0,
                      false);
    AddRowComboBoxYes(grid, Sprsysfunc::Text11031, tagSzenenFunktion, SzenenFunktion, 0, false);
    AddRowComboBoxYes(grid, Sprsysfunc::Text11088, tagSchaltuhr1, Schaltuhr1, 0, false);
    AddRowComboBoxYes(grid, Sprsysfunc::Text11089, tagSchaltuhr2, Schaltuhr2, 0, false);
    AddRowComboBox(grid, Sprsysfunc::Text11024, tagZugriffAufBedienebenen,
                   {{Sprsysfunc::Text11025, zbGesperrt},
                    {Sprsysfunc::Text11026, zbFreigegeben},
                    {Sprsysfunc::Text11027, zbUeberObjekt}},
                   ZugriffAufBedienebenen, 0, false);
    ValueRows::Bind(*grid, *this, GetEventGuard(), [this](int tag, int value) { return ChangeValue(tag, value); });
    ValueRows::End(*this, column, row);
}

bool TTalvoSystem::ChangeFunktion(std::uint8_t& member, int value, std::uint8_t code, std::int32_t number)
{
    const auto newValue = static_cast<std::uint8_t>(value != 0 ? 1 : 0);
    if (member == newValue)
        return false;
    const std::uint8_t old = member;
    member = newValue;
    tagWmUserDevice request = Requests.MakeRequest(code);
    request.Integer = number;
    if (Requests.Send(request))
        return true;
    member = old;
    return false;
}

bool TTalvoSystem::ChangeValue(int tag, int value)
{
    switch (tag) {
    case tagTastsensorFunktion:
        return ChangeFunktion(TastsensorFunktion, value, UDM_MODIFY_TASTSENSOR_FUNKTION);
    case tagReglerFunktion:
        return ChangeFunktion(ReglerFunktion, value, UDM_MODIFY_REGLER_FUNKTION);
    case tagReglernebenstellenFunktion:
        return ChangeFunktion(ReglernebenstellenFunktion, value, UDM_MODIFY_REGLERNEBENSTELLEN_FUNKTION);
    case tagSzenenFunktion:
        return ChangeFunktion(SzenenFunktion, value, UDM_MODIFY_SZENEN_FUNKTION);
    case tagSchaltuhr1:
        return ChangeFunktion(Schaltuhr1, value, UDM_MODIFY_SCHALTUHR, 1);
    case tagSchaltuhr2:
        return ChangeFunktion(Schaltuhr2, value, UDM_MODIFY_SCHALTUHR, 2);
    case tagZugriffAufBedienebenen: {
        // The controller's set points follow the access; the device adapts them.
        const auto newValue = static_cast<std::uint8_t>(value);
        if (ZugriffAufBedienebenen == newValue || newValue > zbUeberObjekt)
            return false;
        const std::uint8_t old = ZugriffAufBedienebenen;
        ZugriffAufBedienebenen = newValue;
        if (ReglerFunktion != 1)
            return true;
        tagWmUserDevice request = Requests.MakeRequest(UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG);
        if (Requests.Send(request))
            return true;
        ZugriffAufBedienebenen = old;
        return false;
    }
    default:
        return false;
    }
}
