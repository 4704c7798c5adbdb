#include "outside/scenefunc/SzenenFunktion.h"

#include "app/Sprscenefunc.h"

#include <cstdio>

using namespace T_DB_EnumSzenenFunktion;

namespace {

const TParameterObjekt::TClassInfo SzenenFunktionInfo{TSzenenFunktion::Typ, 10, 16000};

std::string Numbered(const std::string& format, int number)
{
    char text[128];
    std::snprintf(text, sizeof text, format.c_str(), number);
    return text;
}

} // namespace

TSzenenFunktion::TSzenenFunktion(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                 const std::string& name, std::int32_t handle)
    : TParameterObjekt(windowHandle, system, parent, name, handle, SzenenFunktionInfo)
{
}

TSzenenFunktion::~TSzenenFunktion() = default;

void TSzenenFunktion::SetDefaultValues()
{
    AnzahlAusgaenge = MaxAusgaenge;
    for (int n = 0; n < MaxAusgaenge; ++n) {
        Datentyp[n] = dtSchalten;
        WerteTyp[n] = wtByte;
    }
    SzeneSpeichern = true;
}

bool TSzenenFunktion::CreateObjects()
{
    return ModifyObject(1, DisplayOrder, 0, false);
}

bool TSzenenFunktion::DeleteObjects()
{
    return ModifyObject(0, DisplayOrder, 0, false);
}

bool TSzenenFunktion::CallCreateSzenenInstanz()
{
    tagWmUserDevice request = Requests.MakeRequest(UDM_CREATE_SZENEN_INSTANZ);
    return Requests.Send(request);
}

bool TSzenenFunktion::CallDeleteSzenenInstanzen()
{
    tagWmUserDevice request = Requests.MakeRequest(UDM_DELETE_SZENEN_INSTANZEN);
    return Requests.Send(request);
}

std::uint8_t TSzenenFunktion::GetDatentyp(int output) const
{
    return output >= 1 && output <= MaxAusgaenge ? Datentyp[output - 1] : 0;
}

std::uint8_t TSzenenFunktion::GetWerteTyp(int output) const
{
    return output >= 1 && output <= MaxAusgaenge ? WerteTyp[output - 1] : 0;
}

void TSzenenFunktion::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = AnzahlAusgaenge;
    for (int n = 1; n <= MaxAusgaenge; ++n) {
        record.ParamAt(2 + n) = Datentyp[n - 1];
        record.ParamAt(10 + n) = WerteTyp[n - 1];
    }
    record.Bool1 = SzeneSpeichern;
}

void TSzenenFunktion::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    AnzahlAusgaenge = record.Param2;
    for (int n = 1; n <= MaxAusgaenge; ++n) {
        Datentyp[n - 1] = static_cast<std::uint8_t>(record.ParamAt(2 + n));
        WerteTyp[n - 1] = static_cast<std::uint8_t>(record.ParamAt(10 + n));
    }
    SzeneSpeichern = record.Bool1;
}

void TSzenenFunktion::AddRows(TDrawGridSE& grid)
{
    using namespace Sprscenefunc;
    AddRowSpinEdit(&grid, Text16022, tagAnzahlAusgaenge, MaxAusgaenge, 1, 1, AnzahlAusgaenge, 0, false);
    AddRowComboBoxYes(&grid, Text16013, tagSzeneSpeichern, SzeneSpeichern ? 1 : 0, 0, false);
    for (int n = 1; n <= AnzahlAusgaenge && n <= MaxAusgaenge; ++n) {
        AddRowComboBox(&grid, Numbered(Text16001, n), tagDatentyp + n - 1,
                       {{Text16003, dtSchalten}, {Text16004, dtWert}, {Text16006, dtJalousie}}, Datentyp[n - 1], 0,
                       false);
        if (Datentyp[n - 1] == dtWert)
            AddRowComboBox(&grid, Numbered(Text16002, n), tagWerteTyp + n - 1,
                           {{Text16004, wtByte}, {Text16005, wtProzent}}, WerteTyp[n - 1], 0, false);
    }
}

bool TSzenenFunktion::ChangeAusgang(std::uint8_t& member, int value, int output, std::uint8_t askCode,
                                    bool deactivate)
{
    if (member == value)
        return false;
    tagWmUserDevice ask = Requests.MakeRequest(askCode);
    ask.Integer = output;
    if (!Requests.Send(ask))
        return false;
    return ChangeAsking(member, static_cast<std::uint8_t>(value), [this, output, deactivate] {
        tagWmUserDevice adapt = Requests.MakeRequest(UDM_MODIFY_DEFAULT_VALUE_SZENEN_AUSGAENGE);
        adapt.Integer = output;
        adapt.Byte = deactivate ? 1 : 0;
        return Requests.Send(adapt);
    });
}

bool TSzenenFunktion::ChangeValue(int tag, int value)
{
    if (tag == tagAnzahlAusgaenge)
        return value >= 1 && value <= MaxAusgaenge && Change(AnzahlAusgaenge, value);
    if (tag == tagSzeneSpeichern)
        return Change(SzeneSpeichern, value != 0);
    if (tag >= tagDatentyp && tag < tagDatentyp + MaxAusgaenge && value >= dtSchalten && value <= dtJalousie) {
        const int output = tag - tagDatentyp + 1;
        return ChangeAusgang(Datentyp[output - 1], value, output, UDM_ASK_USER_BEFOR_MODIFY_DATENTYP, true);
    }
    if (tag >= tagWerteTyp && tag < tagWerteTyp + MaxAusgaenge && value >= wtByte && value <= wtProzent) {
        const int output = tag - tagWerteTyp + 1;
        return ChangeAusgang(WerteTyp[output - 1], value, output, UDM_ASK_USER_BEFOR_MODIFY_WERTE_TYP, false);
    }
    return false;
}
