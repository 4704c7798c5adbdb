#include "outside/clockfunc/Schaltuhr.h"

#include "app/Sprclockfunc.h"

using namespace T_DB_EnumSchaltuhr;

namespace {

const TParameterObjekt::TClassInfo SchaltuhrInfo{TSchaltuhr::Typ, 12, 16200};

std::int32_t Pack(const tagSchaltuhrDaten& zeit)
{
    if (zeit.Wochentag == wtUnbenutzt)
        return -1;
    return (static_cast<std::int32_t>(zeit.Wochentag & 0xFF) << 24) | ((zeit.DatenFormat & 0xFF) << 16)
        | ((zeit.Stunde & 0xFF) << 8) | (zeit.Minute & 0xFF);
}

tagSchaltuhrDaten Unpack(std::int32_t packed, std::int32_t value)
{
    tagSchaltuhrDaten zeit;
    if (packed < 0)
        return zeit;
    zeit.Wochentag = static_cast<std::int16_t>((packed >> 24) & 0xFF);
    zeit.DatenFormat = static_cast<std::int16_t>((packed >> 16) & 0xFF);
    zeit.Stunde = static_cast<std::int16_t>((packed >> 8) & 0xFF);
    zeit.Minute = static_cast<std::int16_t>(packed & 0xFF);
    zeit.Wert = static_cast<std::int16_t>(value);
    return zeit;
}

} // namespace

TSchaltuhr::TSchaltuhr(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                       std::int32_t number, std::int32_t handle)
    : TParameterObjekt(windowHandle, system, parent, name, handle, SchaltuhrInfo), Nummer(number)
{
    ClearMapSchaltDaten();
}

TSchaltuhr::~TSchaltuhr() = default;

void TSchaltuhr::ClearMapSchaltDaten()
{
    MapSchaltDaten.clear();
    for (int key = 1; key <= AnzahlSchaltzeiten; ++key)
        MapSchaltDaten[key] = tagSchaltuhrDaten{};
}

void TSchaltuhr::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = DatenFormat;
    record.Param3 = Nummer;
    record.Param4 = WerteTyp;
    record.Param5 = Aktiv ? 1 : 0;
    record.Param6 = Polaritaet;
    record.Bool1 = SperrenUeberObjekt;
    // The switching times go into a new chain; the old one goes first.
    if (record.Next != 0) {
        Requests.DeleteNextDatenSatz(record.Next);
        record.Next = 0;
    }
    TDatenStruktur* previous = &record;
    for (int first = 1; first <= AnzahlSchaltzeiten && previous; first += SchaltzeitenJeDatensatz) {
        TDatenStruktur* chained = GetNewNebenDatensatz(previous);
        if (!chained)
            break;
        for (int i = 0; i < SchaltzeitenJeDatensatz; ++i) {
            const auto it = MapSchaltDaten.find(first + i);
            const tagSchaltuhrDaten zeit = it != MapSchaltDaten.end() ? it->second : tagSchaltuhrDaten{};
            chained->ParamAt(2 * i + 1) = Pack(zeit);
            chained->ParamAt(2 * i + 2) = zeit.Wert;
        }
        previous = chained;
    }
}

void TSchaltuhr::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    DatenFormat = static_cast<std::uint8_t>(record.Param2);
    Nummer = record.Param3;
    WerteTyp = static_cast<std::uint8_t>(record.Param4);
    Aktiv = record.Param5 != 0;
    Polaritaet = record.Param6;
    SperrenUeberObjekt = record.Bool1;
    ClearMapSchaltDaten();
    std::int32_t next = record.Next;
    for (int first = 1; first <= AnzahlSchaltzeiten && next > 0; first += SchaltzeitenJeDatensatz) {
        const TDatenStruktur* chained = GetDatensatz(System, next);
        if (!chained)
            break;
        for (int i = 0; i < SchaltzeitenJeDatensatz; ++i)
            MapSchaltDaten[first + i] = Unpack(chained->ParamAt(2 * i + 1), chained->ParamAt(2 * i + 2));
        next = chained->Next;
    }
}

bool TSchaltuhr::CreateObjects()
{
    bool done = ModifyObject(1, DisplayOrderSchaltobjekt(), 0, false);
    if (SperrenUeberObjekt)
        done = ModifyObject(1, DisplayOrderSperrobjekt(), 0, false) && done;
    return done;
}

bool TSchaltuhr::DeleteObjects()
{
    bool done = ModifyObject(0, DisplayOrderSchaltobjekt(), 0, false);
    if (SperrenUeberObjekt)
        done = ModifyObject(0, DisplayOrderSperrobjekt(), 0, false) && done;
    return done;
}

void TSchaltuhr::AddRows(TDrawGridSE& grid)
{
    using namespace Sprclockfunc;
    AddRowComboBoxYes(&grid, Text16208, tagAktiv, Aktiv ? 1 : 0, 0, false);
    AddRowComboBox(&grid, Text16202, tagDatenFormat,
                   {{Text16216, dfSchalten}, {Text16217, dfWert}, {Text16212, dfSzenenabruf}}, DatenFormat, 0, false);
    if (DatenFormat == dfWert)
        AddRowComboBox(&grid, Text16203, tagWerteTyp, {{Text16206, wtyProzent}, {Text16209, wtyByte}}, WerteTyp, 0,
                       false);
    AddRowComboBoxYes(&grid, Text16213, tagSperren, SperrenUeberObjekt ? 1 : 0, 0, false);
    if (SperrenUeberObjekt)
        AddRowComboBox(&grid, Text16214, tagPolaritaet, {{Text16218, 1}, {Text16215, 0}}, Polaritaet, 0, false);
}

bool TSchaltuhr::ChangeValue(int tag, int value)
{
    switch (tag) {
    case tagAktiv:
        return Change(Aktiv, value != 0);
    case tagDatenFormat:
        return value >= dfSchalten && value <= dfSzenenabruf && Change(DatenFormat, static_cast<std::uint8_t>(value));
    case tagWerteTyp:
        return (value == wtyProzent || value == wtyByte) && Change(WerteTyp, static_cast<std::uint8_t>(value));
    case tagSperren:
        return ChangeAsking(SperrenUeberObjekt, value != 0, [this] {
            return ModifyObject(SperrenUeberObjekt ? 1 : 0, DisplayOrderSperrobjekt(), 0, true);
        });
    case tagPolaritaet:
        return Change(Polaritaet, value != 0 ? 1 : 0);
    default:
        return false;
    }
}
