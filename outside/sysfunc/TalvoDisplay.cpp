#include "outside/sysfunc/TalvoDisplay.h"

#include "app/Sprsysfunc.h"

namespace {

const TParameterObjekt::TClassInfo DisplayInfo{TTalvoDisplay::Typ, 1, 11100};

} // namespace

TTalvoDisplay::TTalvoDisplay(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                             const std::string& name, std::int32_t handle)
    : TParameterObjekt(windowHandle, system, parent, name, handle, DisplayInfo)
{
}

TTalvoDisplay::~TTalvoDisplay() = default;

void TTalvoDisplay::GetGrundanzeigeTexte(std::string& line1, std::string& line2) const
{
    line1 = Temperatureinheit == 1 ? "69.8 \xB0" "F" : "21.0 \xB0" "C";
    line2 = Uhrzeitformat == 1 ? "12:00PM" : "12:00";
    line2 += Datumsformat == 1 ? " 12/24/2026" : " 24.12.2026";
}

bool TTalvoDisplay::ConvertDBDataAfterTemplateImport()
{
    return true;
}

void TTalvoDisplay::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = Beleuchtung;
    record.Param3 = Helligkeit;
    record.Param4 = Kontrast;
    record.Param5 = Ausschaltverzoegerung;
    record.Param6 = Temperatureinheit;
    record.Param7 = Uhrzeitformat;
    record.Param8 = Datumsformat;
}

void TTalvoDisplay::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    Beleuchtung = record.Param2;
    Helligkeit = record.Param3;
    Kontrast = record.Param4;
    Ausschaltverzoegerung = record.Param5;
    Temperatureinheit = record.Param6;
    Uhrzeitformat = record.Param7;
    Datumsformat = record.Param8;
}

void TTalvoDisplay::AddRows(TDrawGridSE& grid)
{
    AddRowComboBoxOnList(&grid, Sprsysfunc::Text11010, tagBeleuchtung, Beleuchtung, 0, false);
    AddRowSpinEdit(&grid, Sprsysfunc::Text11011, tagHelligkeit, 100, 0, 1, Helligkeit, 0, false);
    AddRowSpinEdit(&grid, Sprsysfunc::Text11012, tagKontrast, 100, 0, 1, Kontrast, 0, false);
    AddRowSpinEdit(&grid, Sprsysfunc::Text11013, tagAusschaltverzoegerung, 255, 0, 1, Ausschaltverzoegerung, 0,
                   false);
    AddRowComboBox(&grid, Sprsysfunc::Text11015, tagTemperatureinheit,
                   {{Sprsysfunc::Text11016, 0}, {Sprsysfunc::Text11017, 1}}, Temperatureinheit, 0, false);
    AddRowComboBox(&grid, Sprsysfunc::Text11018, tagUhrzeitformat,
                   {{Sprsysfunc::Text11019, 0}, {Sprsysfunc::Text11020, 1}}, Uhrzeitformat, 0, false);
    AddRowComboBox(&grid, Sprsysfunc::Text11021, tagDatumsformat,
                   {{Sprsysfunc::Text11022, 0}, {Sprsysfunc::Text11023, 1}}, Datumsformat, 0, false);
}

bool TTalvoDisplay::ChangeValue(int tag, int value)
{
    switch (tag) {
    case tagBeleuchtung:
        return Change(Beleuchtung, value);
    case tagHelligkeit:
        return Change(Helligkeit, value);
    case tagKontrast:
        return Change(Kontrast, value);
    case tagAusschaltverzoegerung:
        return Change(Ausschaltverzoegerung, value);
    case tagTemperatureinheit:
        return Change(Temperatureinheit, value);
    case tagUhrzeitformat:
        return Change(Uhrzeitformat, value);
    case tagDatumsformat:
        return Change(Datumsformat, value);
    default:
        return false;
    }
}
