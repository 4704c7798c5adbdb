#include "outside/keyplan/TsSperrverhalten.h"

#include "app/Sprlkextmodults.h"

namespace {

const TParameterObjekt::TClassInfo SperrverhaltenInfo{TTsSperrverhalten::Typ, 8, 12180};

} // namespace

TTsSperrverhalten::TTsSperrverhalten(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                     const std::string& name, std::int32_t keys, std::int32_t handle)
    : TParameterObjekt(windowHandle, system, parent, name, handle, SperrverhaltenInfo), AnzahlTasten(keys)
{
}

TTsSperrverhalten::~TTsSperrverhalten() = default;

void TTsSperrverhalten::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = AnzahlTasten;
    record.Param3 = Tastensperre;
    record.Param4 = VerhaltenSperren;
    record.Param5 = VerhaltenEntsperren;
}

void TTsSperrverhalten::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    AnzahlTasten = record.Param2;
    Tastensperre = record.Param3;
    VerhaltenSperren = record.Param4;
    VerhaltenEntsperren = record.Param5;
}

bool TTsSperrverhalten::CreateObjects()
{
    return true;
}

bool TTsSperrverhalten::DeleteObjects()
{
    return true;
}

void TTsSperrverhalten::AddRows(TDrawGridSE& grid)
{
    using namespace Sprlkextmodults;
    AddRowComboBox(&grid, Text12188, tagTastensperre, {{Text12189, 0}, {Text12190, 1}}, Tastensperre, 0, false);
    AddRowComboBox(&grid, Text12182, tagVerhaltenSperren, {{Text12184, 0}, {Text12185, 1}, {Text12186, 2}},
                   VerhaltenSperren, 0, false);
    AddRowComboBox(&grid, Text12183, tagVerhaltenEntsperren, {{Text12184, 0}, {Text12185, 1}, {Text12186, 2}},
                   VerhaltenEntsperren, 0, false);
}

bool TTsSperrverhalten::ChangeValue(int tag, int value)
{
    switch (tag) {
    case tagTastensperre:
        return Change(Tastensperre, value);
    case tagVerhaltenSperren:
        return Change(VerhaltenSperren, value);
    case tagVerhaltenEntsperren:
        return Change(VerhaltenEntsperren, value);
    default:
        return false;
    }
}
