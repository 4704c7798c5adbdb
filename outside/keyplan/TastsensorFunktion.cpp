#include "outside/keyplan/TastsensorFunktion.h"

#include "app/Sprlkextmodults.h"

namespace {

const TParameterObjekt::TClassInfo TastsensorInfo{TTastsensorFunktion::Typ, 7, 12200};

} // namespace

TTastsensorFunktion::TTastsensorFunktion(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                         const std::string& name, std::int32_t handle)
    : TParameterObjekt(windowHandle, system, parent, name, handle, TastsensorInfo)
{
}

TTastsensorFunktion::~TTastsensorFunktion() = default;

void TTastsensorFunktion::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = TastenHilfe;
    record.Param3 = Anzeigedauer;
}

void TTastsensorFunktion::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    TastenHilfe = record.Param2;
    Anzeigedauer = record.Param3;
}

void TTastsensorFunktion::AddRows(TDrawGridSE& grid)
{
    AddRowComboBoxYes(&grid, Sprlkextmodults::Text12214, tagTastenHilfe, TastenHilfe, 0, false);
    AddRowSpinEdit(&grid, Sprlkextmodults::Text12220, tagAnzeigedauer, 255, 1, 1, Anzeigedauer, 0, false);
}

bool TTastsensorFunktion::ChangeValue(int tag, int value)
{
    switch (tag) {
    case tagTastenHilfe:
        return Change(TastenHilfe, value != 0 ? 1 : 0);
    case tagAnzeigedauer:
        return Change(Anzeigedauer, value);
    default:
        return false;
    }
}
