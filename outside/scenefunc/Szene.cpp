#include "outside/scenefunc/Szene.h"

#include "app/Sprscenefunc.h"
#include "outside/funcbase/ValueRows.h"
#include "outside/scenefunc/SzenenFunktion.h"

#include <algorithm>
#include <cstdio>

namespace {

const TParameterObjekt::TClassInfo SzeneInfo{TSzene::Typ, 11, 16000};

std::string Numbered(const std::string& format, int number)
{
    char text[128];
    std::snprintf(text, sizeof text, format.c_str(), number);
    return text;
}

} // namespace

TSzene::TSzene(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
               std::int32_t handle)
    : TParameterObjekt(windowHandle, system, parent, name, handle, SzeneInfo)
{
}

TSzene::~TSzene() = default;

void TSzene::SetDefaultValues()
{
    Szenennummer = std::clamp(PosId, 1, 64);
    for (int n = 0; n < MaxAusgaenge; ++n) {
        Aktiv[n] = true;
        Wert[n] = 0;
    }
}

bool TSzene::CreateObjects()
{
    return true;
}

bool TSzene::DeleteObjects()
{
    return true;
}

bool TSzene::ModifyDefaultValues(int output, bool deactivate)
{
    if (output < 1 || output > MaxAusgaenge)
        return false;
    if (deactivate)
        Aktiv[output - 1] = false;
    Wert[output - 1] = 0;
    return true;
}

bool TSzene::NeedAusgang(int output) const
{
    return output >= 1 && output <= MaxAusgaenge && Aktiv[output - 1];
}

std::int32_t TSzene::GetWert(int output) const
{
    return output >= 1 && output <= MaxAusgaenge ? Wert[output - 1] : 0;
}

void TSzene::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = Szenennummer;
    for (int n = 1; n <= MaxAusgaenge; ++n) {
        record.ParamAt(2 + n) = Wert[n - 1];
        record.BoolAt(n) = Aktiv[n - 1];
    }
    record.String1 = Bezeichnung;
}

void TSzene::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    Szenennummer = record.Param2;
    for (int n = 1; n <= MaxAusgaenge; ++n) {
        Wert[n - 1] = record.ParamAt(2 + n);
        Aktiv[n - 1] = record.BoolAt(n);
    }
    Bezeichnung = record.String1;
}

int TSzene::AnzahlAusgaenge() const
{
    const auto* funktion = dynamic_cast<const TSzenenFunktion*>(Requests.GetDataPointer(Parent));
    return funktion ? std::clamp(funktion->GetAnzahlAusgaenge(), 0, MaxAusgaenge) : MaxAusgaenge;
}

void TSzene::AddRows(TDrawGridSE& grid)
{
    using namespace Sprscenefunc;
    ValueRows::AddText(grid, *this, Text16012, tagBezeichnung, Bezeichnung);
    AddRowSpinEdit(&grid, Text16014, tagSzenennummer, 64, 1, 1, Szenennummer, 0, false);
    const int outputs = AnzahlAusgaenge();
    for (int n = 1; n <= outputs; ++n) {
        AddRowComboBox(&grid, Numbered(Text16000, n), tagAktiv + n - 1, {{Text16026, 0}, {Text16025, 1}},
                       Aktiv[n - 1] ? 1 : 0, 0, false);
        if (Aktiv[n - 1])
            AddRowSpinEdit(&grid, Numbered(Text16023, n), tagWert + n - 1, 255, 0, 1, Wert[n - 1], 0, false);
    }
}

bool TSzene::ChangeValue(int tag, int value)
{
    if (tag == tagSzenennummer)
        return value >= 1 && value <= 64 && Change(Szenennummer, value);
    if (tag >= tagAktiv && tag < tagAktiv + MaxAusgaenge)
        return Change(Aktiv[tag - tagAktiv], value != 0);
    if (tag >= tagWert && tag < tagWert + MaxAusgaenge)
        return Change(Wert[tag - tagWert], value);
    return false;
}
