#include "outside/keyplan/FunktionBasis.h"

#include "app/Sprlkextmodults.h"
#include "outside/funcbase/ValueRows.h"

#include <array>

TFunktionBasis::TFunktionBasis(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                               const std::string& name, std::int32_t handle, int typ)
    : TParameterObjekt(windowHandle, system, parent, name, handle, TClassInfo{typ, 3, 12000})
{
}

void TFunktionBasis::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = WertDruecken;
    record.Param3 = WertLoslassen;
}

void TFunktionBasis::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    WertDruecken = record.Param2;
    WertLoslassen = record.Param3;
}

bool TFunktionBasis::Paste(TRecordTable* table, std::string& /*message*/)
{
    TDatenStruktur source;
    if (!table || !table->Find("Typ", GetTyp(), source))
        return false;
    WertDruecken = source.Param2;
    WertLoslassen = source.Param3;
    return true;
}

void TFunktionBasis::AddRows(TDrawGridSE& grid)
{
    const int typ = GetTyp();
    ValueRows::AddText(
        grid, *this, KeyplanFunktionen::IsWippenFunktion(typ) ? Sprlkextmodults::Text12206 : Sprlkextmodults::Text12205,
        tagFunktion, KeyplanFunktionen::Caption(typ));
    if (typ == TTastenFunktionKeineFkt::Typ || typ == TWippenFunktionKeineFkt::Typ)
        return;
    AddRowSpinEdit(&grid, Sprlkextmodults::Text12067, tagWertDruecken, 255, 0, 1, WertDruecken, 0, false);
    AddRowSpinEdit(&grid, Sprlkextmodults::Text12068, tagWertLoslassen, 255, 0, 1, WertLoslassen, 0, false);
}

bool TFunktionBasis::ChangeValue(int tag, int value)
{
    switch (tag) {
    case tagWertDruecken:
        return Change(WertDruecken, value);
    case tagWertLoslassen:
        return Change(WertLoslassen, value);
    default:
        return false;
    }
}

namespace KeyplanFunktionen {
namespace {

struct TTypInfo {
    int Typ;
    bool Wippe;
    const std::string* Caption;
    TBedarf Bedarf;
    std::unique_ptr<TFunktionBasis> (*Create)(platform::HWND, std::int32_t, std::int32_t, const std::string&,
                                              std::int32_t);
};

template <class T>
std::unique_ptr<TFunktionBasis> Make(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                     const std::string& name, std::int32_t handle)
{
    return std::make_unique<T>(windowHandle, system, parent, name, handle);
}

const std::array<TTypInfo, 22>& Types()
{
    using namespace Sprlkextmodults;
    static const std::array<TTypInfo, 22> types{{
        {6557, false, &Text12004, TBedarf::Nichts, Make<TTastenFunktionKeineFkt>},
        {6558, false, &Text12005, TBedarf::Nichts, Make<TTastenFunktionSchalten>},
        {6559, false, &Text12006, TBedarf::Nichts, Make<TTastenFunktionDimmen>},
        {6560, false, &Text12007, TBedarf::Nichts, Make<TTastenFunktionJalousie>},
        {6561, false, &Text12008, TBedarf::Nichts, Make<TTastenFunktionAudiosteuerung>},
        {6562, false, &Text12009, TBedarf::Nichts, Make<TTastenFunktionSzenennebenstelle>},
        {6563, false, &Text12010, TBedarf::Nichts, Make<TTastenFunktionWertgeber>},
        {6564, false, &Text12011, TBedarf::Nichts, Make<TTastenFunktionAnalogWertgeber>},
        {6565, false, &Text12012, TBedarf::Regler, Make<TTastenFunktionReglerBedienung>},
        {6566, false, &Text12013, TBedarf::RaumtempSchaltuhr, Make<TTastenFunktionRaumtempSchaltuhr>},
        {6567, false, &Text12014, TBedarf::Schaltuhr, Make<TTastenFunktionSchaltuhrBedienung>},
        {6587, false, &Text12015, TBedarf::Nichts, Make<TTastenFunktionZweiTelegramme>},
        {6588, false, &Text12016, TBedarf::Reglernebenstelle, Make<TTastenFunktionReglernebenstelle>},
        {6589, false, &Text12017, TBedarf::Regler, Make<TTastenFunktionSollwertverschiebung>},
        {6569, true, &Text12004, TBedarf::Nichts, Make<TWippenFunktionKeineFkt>},
        {6570, true, &Text12005, TBedarf::Nichts, Make<TWippenFunktionSchalten>},
        {6571, true, &Text12006, TBedarf::Nichts, Make<TWippenFunktionDimmen>},
        {6572, true, &Text12007, TBedarf::Nichts, Make<TWippenFunktionJalousie>},
        {6573, true, &Text12012, TBedarf::Regler, Make<TWippenFunktionReglerBedienung>},
        {6574, true, &Text12018, TBedarf::Nichts, Make<TWippenFunktionUniversalwertgeber>},
        {6591, true, &Text12015, TBedarf::Nichts, Make<TWippenFunktionZweiTelegramme>},
        {6592, true, &Text12016, TBedarf::Reglernebenstelle, Make<TWippenFunktionReglernebenstelle>},
    }};
    return types;
}

const TTypInfo* Find(int typ)
{
    for (const TTypInfo& info : Types()) {
        if (info.Typ == typ)
            return &info;
    }
    return nullptr;
}

} // namespace

bool IsTastenFunktion(int typ)
{
    const TTypInfo* info = Find(typ);
    return info && !info->Wippe;
}

bool IsWippenFunktion(int typ)
{
    const TTypInfo* info = Find(typ);
    return info && info->Wippe;
}

const std::string& Caption(int typ)
{
    static const std::string none;
    const TTypInfo* info = Find(typ);
    return info ? *info->Caption : none;
}

TBedarf Bedarf(int typ)
{
    const TTypInfo* info = Find(typ);
    return info ? info->Bedarf : TBedarf::Nichts;
}

std::unique_ptr<TFunktionBasis> Create(int typ, platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                       const std::string& name, std::int32_t handle)
{
    const TTypInfo* info = Find(typ);
    return info ? info->Create(windowHandle, system, parent, name, handle) : nullptr;
}

} // namespace KeyplanFunktionen
