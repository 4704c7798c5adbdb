#include "outside/remotefunc/IrFernbedienung.h"

#include "app/Sprremotefunc.h"

#include <algorithm>
#include <cstdio>

namespace {

const TParameterObjekt::TClassInfo IrFernbedienungInfo{TIrFernbedienung::Typ, 13, 16500};

} // namespace

TIrFernbedienung::TIrFernbedienung(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                   const std::string& name, std::int32_t keys, std::int32_t handle)
    : TParameterObjekt(windowHandle, system, parent, name, handle, IrFernbedienungInfo),
      AnzahlTasten(keys),
      Tasten(static_cast<std::size_t>(std::clamp(keys, 0, MaxTasten)))
{
}

TIrFernbedienung::~TIrFernbedienung() = default;

void TIrFernbedienung::SetDefaultValues()
{
    EmpfaengerAktiv = true;
    Adresse = 1;
    for (tagRecParamTastsensorTaste& taste : Tasten)
        taste.Funktion = fnSchalten;
}

void TIrFernbedienung::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = AnzahlTasten;
    record.Param3 = Adresse;
    for (int k = 1; k <= MaxTasten; ++k)
        record.ParamAt(3 + k) = k <= static_cast<int>(Tasten.size()) ? Tasten[k - 1].Funktion : fnKeine;
    record.Bool1 = EmpfaengerAktiv;
}

void TIrFernbedienung::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    AnzahlTasten = record.Param2;
    Adresse = record.Param3;
    Tasten.assign(static_cast<std::size_t>(std::clamp(AnzahlTasten, 0, MaxTasten)), {});
    for (std::size_t k = 0; k < Tasten.size(); ++k)
        Tasten[k].Funktion = record.ParamAt(4 + static_cast<int>(k));
    EmpfaengerAktiv = record.Bool1;
}

void TIrFernbedienung::AddRows(TDrawGridSE& grid)
{
    using namespace Sprremotefunc;
    AddRowComboBoxYes(&grid, Text16541, tagEmpfaengerAktiv, EmpfaengerAktiv ? 1 : 0, 0, false);
    AddRowSpinEdit(&grid, Text16542, tagAdresse, 255, 1, 1, Adresse, 0, false);
    for (std::size_t k = 0; k < Tasten.size(); ++k) {
        char caption[64];
        std::snprintf(caption, sizeof caption, Text16501.c_str(), static_cast<int>(k + 1));
        AddRowComboBox(&grid, caption, tagTaste + static_cast<int>(k),
                       {{Text16505, fnKeine},
                        {Text16506, fnSchalten},
                        {Text16507, fnDimmen},
                        {Text16508, fnJalousie},
                        {Text16509, fnSzenenabruf},
                        {Text16510, fnWertgeber}},
                       Tasten[k].Funktion, 0, false);
    }
}

bool TIrFernbedienung::ChangeValue(int tag, int value)
{
    if (tag == tagEmpfaengerAktiv)
        return Change(EmpfaengerAktiv, value != 0);
    if (tag == tagAdresse)
        return value >= 1 && value <= 255 && Change(Adresse, value);
    const int key = tag - tagTaste;
    if (key >= 0 && key < static_cast<int>(Tasten.size()) && value >= fnKeine && value <= fnWertgeber)
        return Change(Tasten[static_cast<std::size_t>(key)].Funktion, value);
    return false;
}
