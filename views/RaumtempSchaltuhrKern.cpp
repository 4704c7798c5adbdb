#include "views/RaumtempSchaltuhrKern.h"

#include "app/Spredit.h"
#include "platform/TraceLog.h"

#include <algorithm>

namespace schaltzeit {
namespace {

using namespace T_DB_EnumRaumtemperaturSchaltuhr;

const std::vector<int> Grundmodi{bmKomfort, bmStandby, bmNacht};

} // namespace

TRaumtempSchaltuhrKern::TRaumtempSchaltuhrKern(TDeviceInstanz* device, TMapSchaltDaten* map,
                                               const TZeitEingabe& zeitEingabe)
    : TSchaltzeitenKern({AnzahlSlotsRaumtemp, true, {3}}, device, zeitEingabe), Map(map),
      AngeboteneModi(Grundmodi)
{
    LOG_FKT_START("TRaumtempSchaltuhrKern::TRaumtempSchaltuhrKern");
    GetSystemFlags();
    if (!Map)
        return;
    Kopie = *Map;
    std::vector<TSchaltzeitZeile> zeilen;
    for (const auto& [slot, daten] : Kopie) {
        if (daten.Wochentag == wtUnbenutzt)
            continue;
        zeilen.push_back({slot, daten.Stunde, daten.Minute, daten.Wochentag, 0, daten.Betriebsmodus, {}});
    }
    FillLvSchaltzeiten(std::move(zeilen));
    SortiereListe();
}

void TRaumtempSchaltuhrKern::SetModusIndex(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < AngeboteneModi.size())
        Index = index;
}

std::string TRaumtempSchaltuhrKern::GetBetriebsmodusStringFromEnum(int modus)
{
    using namespace Spredit;
    switch (modus) {
    case bmKomfort:
        return Text9231;
    case bmStandby:
        return Text9234;
    case bmNacht:
        return Text9232;
    case bmFrostHitzeschutz:
        return Text9230;
    default:
        return {};
    }
}

std::string TRaumtempSchaltuhrKern::EigenerSpaltentext(const TSchaltzeitZeile& zeile, int spalte) const
{
    return spalte == 3 ? GetBetriebsmodusStringFromEnum(zeile.Wert) : std::string{};
}

std::string TRaumtempSchaltuhrKern::EigenerSpaltentitel(int spalte) const
{
    return spalte == 3 ? Spredit::Text9023 : std::string{};
}

std::string TRaumtempSchaltuhrKern::Titel() const
{
    return Spredit::Text9013;
}

std::string TRaumtempSchaltuhrKern::TitelZusatz() const
{
    return Spredit::Text9014;
}

void TRaumtempSchaltuhrKern::EingabeInZeile(TSchaltzeitZeile& zeile) const
{
    zeile.Wert = static_cast<std::int16_t>(AngeboteneModi[static_cast<std::size_t>(Index)]);
}

void TRaumtempSchaltuhrKern::ZeigeEingabe(const TSchaltzeitZeile& zeile)
{
    AngeboteneModi = Grundmodi;
    // A stored protection mode stays unless another is chosen; an undefined one starts on the
    // first item, so that no undefined mode is ever stored.
    if (zeile.Wert == bmFrostHitzeschutz)
        AngeboteneModi.push_back(bmFrostHitzeschutz);
    const auto it = std::find(AngeboteneModi.begin(), AngeboteneModi.end(), zeile.Wert);
    Index = it == AngeboteneModi.end() ? 0 : static_cast<int>(it - AngeboteneModi.begin());
}

void TRaumtempSchaltuhrKern::BearbeitenBeendet()
{
    if (AngeboteneModi.size() == Grundmodi.size())
        return;
    AngeboteneModi = Grundmodi;
    if (Index >= static_cast<int>(AngeboteneModi.size()))
        Index = 0;
}

void TRaumtempSchaltuhrKern::UpdateMapSchaltDaten()
{
    if (!Map)
        return;
    Kopie.clear();
    for (int slot = 1; slot <= AnzahlSlots(); ++slot)
        Kopie[slot] = tagSchaltDaten{};
    int slot = 1;
    for (const TSchaltzeitZeile& zeile : ZeilenFuerSlots())
        Kopie[slot++] = {zeile.Stunde, zeile.Minute, zeile.Wochentag, 0, zeile.Wert};
}

void TRaumtempSchaltuhrKern::MapsUebernehmen()
{
    if (Map)
        *Map = Kopie;
}

} // namespace schaltzeit
