#include "outside/keyplan/TsBetaetigung.h"

#include "app/Sprlkextmodults.h"

#include <algorithm>
#include <cstdio>

using namespace T_DB_EnumTsBetaetigung;

namespace {

const TParameterObjekt::TClassInfo BetaetigungInfo{TTsBetaetigung::Typ, 9, 12190};

} // namespace

TTsBetaetigung::TTsBetaetigung(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                               const std::string& name, std::int32_t keys, std::int32_t handle)
    : TParameterObjekt(windowHandle, system, parent, name, handle, BetaetigungInfo), AnzahlTasten(keys)
{
}

TTsBetaetigung::~TTsBetaetigung() = default;

std::uint8_t TTsBetaetigung::GetValueOfTastenpaar(int pair) const
{
    return pair >= 1 && pair <= MaxTastenpaare ? Tastenpaar[pair - 1] : 0;
}

void TTsBetaetigung::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = AnzahlTasten;
    for (int p = 1; p <= MaxTastenpaare; ++p)
        record.ParamAt(2 + p) = Tastenpaar[p - 1];
}

void TTsBetaetigung::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    AnzahlTasten = record.Param2;
    for (int p = 1; p <= MaxTastenpaare; ++p)
        Tastenpaar[p - 1] = static_cast<std::uint8_t>(record.ParamAt(2 + p));
}

void TTsBetaetigung::AddRows(TDrawGridSE& grid)
{
    using namespace Sprlkextmodults;
    const int pairs = std::min(MaxTastenpaare, AnzahlTasten / 2);
    for (int p = 1; p <= pairs; ++p) {
        char caption[64];
        std::snprintf(caption, sizeof caption, Text12195.c_str(), p);
        AddRowComboBox(&grid, caption, tagTastenpaar + p - 1, {{Text12201, tpZweiTasten}, {Text12202, tpWippe}},
                       Tastenpaar[p - 1], 0, false);
    }
}

bool TTsBetaetigung::ChangeValue(int tag, int value)
{
    const int pair = tag - tagTastenpaar + 1;
    if (pair < 1 || pair > std::min(MaxTastenpaare, AnzahlTasten / 2))
        return false;
    if (value != tpZweiTasten && value != tpWippe)
        return false;
    return ChangeAsking(Tastenpaar[pair - 1], static_cast<std::uint8_t>(value), [this] {
        tagWmUserDevice request = Requests.MakeRequest(UDM_MODIFY_TS_BETAETIGUNG);
        return Requests.Send(request);
    });
}
