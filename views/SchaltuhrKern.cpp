#include "views/SchaltuhrKern.h"

#include "app/Spredit.h"
#include "app/Sprclockfunc.h"
#include "platform/TraceLog.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace schaltzeit {
namespace {

using namespace T_DB_EnumSchaltuhr;

std::string GetWerteTypStringFromEnum(int typ)
{
    switch (typ) {
    case wtyProzent:
        return Sprclockfunc::Text16206;
    case wtyByte:
        return Sprclockfunc::Text16209;
    default:
        return {};
    }
}

// The rows of the used slots, in slot order.
std::vector<TSchaltzeitZeile> Belegte(const TMapSchaltuhrDaten& map)
{
    std::vector<TSchaltzeitZeile> zeilen;
    for (const auto& [slot, daten] : map) {
        if (daten.Wochentag == wtUnbenutzt)
            continue;
        zeilen.push_back({slot, daten.Stunde, daten.Minute, daten.Wochentag, daten.DatenFormat, daten.Wert,
                          std::to_string(daten.Wert)});
    }
    return zeilen;
}

// The number a text of digits stands for; none for an empty text or another character.
std::optional<long long> Zahl(const std::string& text)
{
    long long wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler == std::errc::result_out_of_range)
        return std::numeric_limits<long long>::max();
    if (text.empty() || fehler != std::errc{} || ende != text.data() + text.size())
        return std::nullopt;
    return wert;
}

} // namespace

TSchaltuhrKern::TSchaltuhrKern(TDeviceInstanz* device, TSchaltuhren schaltuhren, TMaps maps,
                               const TZeitEingabe& zeitEingabe)
    : TSchaltzeitenKern({TSchaltuhr::AnzahlSchaltzeiten, false, {4, 5}}, device, zeitEingabe),
      Schaltuhren(std::move(schaltuhren)), Maps(std::move(maps))
{
    LOG_FKT_START("TSchaltuhrKern::TSchaltuhrKern");
    GetSystemFlags();
    for (const auto& [nummer, map] : Maps) {
        if (!map)
            continue;
        Kopien[nummer] = *map;
        Nummern.push_back(nummer);
    }
    // Format and value type of the first time switch, whichever map is shown.
    if (!Schaltuhren.empty() && Schaltuhren.begin()->second) {
        Format = Schaltuhren.begin()->second->GetDatenFormat();
        Typ = Schaltuhren.begin()->second->GetWerteTyp();
    }
    SetMinMaxWerte();
    if (!Nummern.empty()) {
        Gezeigt = Nummern.front();
        FillLvSchaltzeiten(Belegte(Kopien[Gezeigt]));
        SortiereListe();
    }
}

std::vector<std::string> TSchaltuhrKern::SchaltuhrTexte() const
{
    std::vector<std::string> texte;
    for (const int nummer : Nummern)
        texte.push_back(nummer == 1 ? Spredit::Text9235 : nummer == 2 ? Spredit::Text9236 : std::string{});
    return texte;
}

void TSchaltuhrKern::CbxSchaltuhrChange(int index)
{
    LOG_FKT_START("TSchaltuhrKern::CbxSchaltuhrChange");
    if (index == Index || !ListeAktiv())
        return;
    UpdateMapSchaltDaten();
    ZeigeSchaltuhr(index);
    Index = index;
}

void TSchaltuhrKern::ZeigeSchaltuhr(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= Nummern.size()) {
        Gezeigt = 0;
        return;
    }
    Gezeigt = Nummern[static_cast<std::size_t>(index)];
    const auto schaltuhr = Schaltuhren.find(Gezeigt);
    const bool bekannt = schaltuhr != Schaltuhren.end() && schaltuhr->second;
    Format = bekannt ? schaltuhr->second->GetDatenFormat() : std::uint8_t{dfSchalten};
    Typ = bekannt ? schaltuhr->second->GetWerteTyp() : std::uint8_t{wtyByte};
    SetMinMaxWerte();
    FillLvSchaltzeiten(Belegte(Kopien[Gezeigt]));
}

std::string TSchaltuhrKern::WertTitel() const
{
    using namespace Spredit;
    switch (Format) {
    case dfSchalten:
        return Text9170 + " [0..1]";
    case dfWert:
        if (Typ == wtyProzent || Typ == wtyByte)
            return Text9170 + " [" + GetWerteTypStringFromEnum(Typ) + "]";
        return Text9170;
    case dfSzenenabruf:
        return Text9253 + " [1.." + "8" + "]";
    default:
        return Text9170;
    }
}

void TSchaltuhrKern::SetMinMaxWerte()
{
    switch (Format) {
    case dfSchalten:
        Min = 0;
        Max = 1;
        break;
    case dfWert:
        if (Typ == wtyProzent) {
            Min = 0;
            Max = 100;
        } else if (Typ == wtyByte) {
            Min = 0;
            Max = 255;
        }
        break;
    case dfSzenenabruf:
        Min = 1;
        Max = 8;
        break;
    default:
        break;
    }
    Wert = std::to_string(Min);
}

bool TSchaltuhrKern::WertZeichenErlaubt(char zeichen)
{
    return (zeichen >= '0' && zeichen <= '9') || zeichen == '\b';
}

int TSchaltuhrKern::WertAusText() const
{
    const std::optional<long long> wert = Zahl(Wert);
    return wert ? static_cast<int>(std::clamp<long long>(*wert, Min, Max)) : Min;
}

void TSchaltuhrKern::EdtWertExit()
{
    const std::optional<long long> wert = Zahl(Wert);
    if (!wert || *wert < Min || *wert > Max)
        Wert = std::to_string(WertAusText());
}

void TSchaltuhrKern::WertSchritt(int richtung)
{
    Wert = std::to_string(std::clamp(WertAusText() + richtung, Min, Max));
}

std::string TSchaltuhrKern::GetDatenFormatStringFromEnum(int format) const
{
    switch (format) {
    case dfSchalten:
        return Sprclockfunc::Text16216;
    case dfWert:
        return Sprclockfunc::Text16217 + " (" + GetWerteTypStringFromEnum(Typ) + ")";
    case dfSzenenabruf:
        return Sprclockfunc::Text16212;
    default:
        return {};
    }
}

std::string TSchaltuhrKern::EigenerSpaltentext(const TSchaltzeitZeile& zeile, int spalte) const
{
    if (spalte == 3)
        return GetDatenFormatStringFromEnum(zeile.DatenFormat);
    if (spalte == 4)
        return zeile.WertText;
    return {};
}

std::string TSchaltuhrKern::EigenerSpaltentitel(int spalte) const
{
    using namespace Spredit;
    switch (spalte) {
    case 3:
        return Text9024;
    case 4:
        return Text9026;
    default:
        return {};
    }
}

std::string TSchaltuhrKern::Titel() const
{
    return Spredit::Text9015;
}

std::string TSchaltuhrKern::TitelZusatz() const
{
    return Spredit::Text9016;
}

void TSchaltuhrKern::EingabeInZeile(TSchaltzeitZeile& zeile) const
{
    const int wert = WertAusText();
    zeile.DatenFormat = Format;
    zeile.Wert = static_cast<std::int16_t>(wert);
    // As typed, unless the text does not stand for the value stored (empty, out of range).
    zeile.WertText = Zahl(Wert) == wert ? Wert : std::to_string(wert);
}

void TSchaltuhrKern::ZeigeEingabe(const TSchaltzeitZeile& zeile)
{
    Wert = std::to_string(zeile.Wert);
}

void TSchaltuhrKern::UpdateMapSchaltDaten()
{
    if (Gezeigt == 0)
        return;
    TMapSchaltuhrDaten& map = Kopien[Gezeigt];
    map.clear();
    for (int slot = 1; slot <= AnzahlSlots(); ++slot)
        map[slot] = tagSchaltuhrDaten{};
    int slot = 1;
    for (const TSchaltzeitZeile& zeile : ZeilenFuerSlots())
        map[slot++] = {zeile.Stunde, zeile.Minute, zeile.Wochentag, zeile.DatenFormat, zeile.Wert};
    Geschrieben.insert(Gezeigt);
}

void TSchaltuhrKern::MapsUebernehmen()
{
    for (const int nummer : Geschrieben)
        if (TMapSchaltuhrDaten* map = Maps[nummer])
            *map = Kopien[nummer];
}

} // namespace schaltzeit
