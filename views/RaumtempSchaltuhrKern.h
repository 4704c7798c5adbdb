#pragma once

#include "climalib/SchaltDaten.h"
#include "views/SchaltzeitenKern.h"

#include <string>
#include <vector>

namespace schaltzeit {

// The editor of the room-temperature time switch: 28 slots, rows with an operating mode, new
// rows sorted in at once, the download flag of the room-temperature time switch. It works on a
// copy of the one map and copies it into the object's map only on "&Ok".
class TRaumtempSchaltuhrKern final : public TSchaltzeitenKern {
public:
    static constexpr int AnzahlSlotsRaumtemp = 28;

    TRaumtempSchaltuhrKern(TDeviceInstanz* device, TMapSchaltDaten* map, const TZeitEingabe& zeitEingabe);

    int AnzahlSpalten() const override { return 4; }

    // --- Mode box: Komfort, Standby, Nacht; while a row of mode 4 is edited also that one ---
    const std::vector<int>& Modi() const { return AngeboteneModi; }
    int ModusIndex() const { return Index; }
    void SetModusIndex(int index);

    static std::string GetBetriebsmodusStringFromEnum(int modus);

protected:
    std::string EigenerSpaltentext(const TSchaltzeitZeile& zeile, int spalte) const override;
    std::string EigenerSpaltentitel(int spalte) const override;
    std::string Titel() const override;
    std::string TitelZusatz() const override;
    void EingabeInZeile(TSchaltzeitZeile& zeile) const override;
    void ZeigeEingabe(const TSchaltzeitZeile& zeile) override;
    void BearbeitenBeendet() override;
    void UpdateMapSchaltDaten() override;
    void MapsUebernehmen() override;

private:
    TMapSchaltDaten* Map;
    TMapSchaltDaten Kopie;
    std::vector<int> AngeboteneModi;
    int Index = 0;
};

} // namespace schaltzeit
