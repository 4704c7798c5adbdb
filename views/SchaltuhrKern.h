#pragma once

#include "outside/clockfunc/Schaltuhr.h"
#include "views/SchaltzeitenKern.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace schaltzeit {

// The editor of the two time switches: 14 slots each, rows with data format and value, new rows
// stay at the end, the download flags of time switches 1 and 2. It works on its own copies of
// the switching-time maps: the list goes into the copy of the map it came from when the user
// changes the time switch and on "&Ok"; only "&Ok" copies every map so written into its time
// switch.
class TSchaltuhrKern final : public TSchaltzeitenKern {
public:
    using TSchaltuhren = std::map<int, TSchaltuhr*>;
    using TMaps = std::map<int, TMapSchaltuhrDaten*>;

    TSchaltuhrKern(TDeviceInstanz* device, TSchaltuhren schaltuhren, TMaps maps, const TZeitEingabe& zeitEingabe);

    int AnzahlSpalten() const override { return 5; }

    // --- Time-switch box: one item per map, in key order ---
    std::vector<std::string> SchaltuhrTexte() const;
    int SchaltuhrIndex() const { return Index; }
    void CbxSchaltuhrChange(int index);

    // --- Value box ---
    std::string WertTitel() const;
    const std::string& WertText() const { return Wert; }
    // The field's text as the user typed it.
    void SetWertText(std::string text) { Wert = std::move(text); }
    int WertMin() const { return Min; }
    int WertMax() const { return Max; }
    // Only digits and Backspace reach the value field.
    static bool WertZeichenErlaubt(char zeichen);
    // Leaving the field: below the minimum or empty gives the minimum, above the maximum the
    // maximum.
    void EdtWertExit();
    // An arrow of the value field: one step from the field's value, within the range.
    void WertSchritt(int richtung);

    // The format column of a format: "Schalten", "Wert (0..100 %)", "Szenenabruf".
    std::string GetDatenFormatStringFromEnum(int format) const;
    std::uint8_t DatenFormat() const { return Format; }
    std::uint8_t WerteTyp() const { return Typ; }

protected:
    std::string EigenerSpaltentext(const TSchaltzeitZeile& zeile, int spalte) const override;
    std::string EigenerSpaltentitel(int spalte) const override;
    std::string Titel() const override;
    std::string TitelZusatz() const override;
    void EingabeInZeile(TSchaltzeitZeile& zeile) const override;
    void ZeigeEingabe(const TSchaltzeitZeile& zeile) override;
    void UpdateMapSchaltDaten() override;
    void MapsUebernehmen() override;

private:
    // The value the field's text stands for, within the range.
    int WertAusText() const;
    void SetMinMaxWerte();
    // The map of the item (none when there is none), its format and value type, its list.
    void ZeigeSchaltuhr(int index);

    TSchaltuhren Schaltuhren;
    TMaps Maps;                        // the objects' maps, by time-switch number
    std::map<int, TMapSchaltuhrDaten> Kopien; // the editor's copies, by the same number
    std::set<int> Geschrieben;         // copies the list was written into
    std::vector<int> Nummern;          // the time-switch number of every item
    int Index = 0;
    int Gezeigt = 0;                   // the number of the shown map; 0 for none
    std::uint8_t Format = T_DB_EnumSchaltuhr::dfSchalten;
    std::uint8_t Typ = T_DB_EnumSchaltuhr::wtyByte;
    int Min = 0;
    int Max = 1;
    std::string Wert = "0";
};

} // namespace schaltzeit
