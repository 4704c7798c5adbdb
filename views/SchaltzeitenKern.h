#pragma once

#include "views/SchaltzeitTage.h"
#include "views/ZeitEingabe.h"

#include <cstdint>
#include <string>
#include <vector>

class TDeviceInstanz;

namespace schaltzeit {

// One row of the switching-time list: the slot it was read from (-1 for a row added or changed
// in the editor) and its own copy of the switching time.
struct TSchaltzeitZeile {
    int Nummer = -1;
    std::int16_t Stunde = 0;
    std::int16_t Minute = 0;
    std::int16_t Wochentag = 0;
    std::int16_t DatenFormat = 0; // time switch only
    std::int16_t Wert = 0;        // the value switched, or the operating mode
    std::string WertText;         // the value column as typed (time switch only)
};

// Which of the device's six download flags an editor owns, in their order: everything, user
// parameters, scenes, room-temperature time switch, time switch 1, time switch 2.
using TEigeneFlags = std::vector<int>;

// What both switching-time editors do without a widget: the list in display order (which is
// the order written back), its selection and sorting, the day boxes and their group, the time
// field, slot accounting, the buttons' state and texts, edit mode and the download box. The
// dialogs show this state and hand every user action to it. An editor fixes the slot count,
// whether new rows are sorted in at once, the row's own columns and input, and its flags.
class TSchaltzeitenKern {
public:
    struct TArt {
        int AnzahlSlots = 14;
        bool SortiertNachHinzufuegen = false;
        TEigeneFlags EigeneFlags;
    };

    TSchaltzeitenKern(TArt art, TDeviceInstanz* device, const TZeitEingabe& zeitEingabe);
    virtual ~TSchaltzeitenKern();
    TSchaltzeitenKern(const TSchaltzeitenKern&) = delete;
    TSchaltzeitenKern& operator=(const TSchaltzeitenKern&) = delete;

    // --- The list ---
    const std::vector<TSchaltzeitZeile>& Zeilen() const { return ZeilenListe; }
    virtual int AnzahlSpalten() const = 0;
    // The column's caption; as a heading with " *" appended to the sort column once a column
    // was clicked.
    std::string SpaltenTitel(int spalte) const;
    std::string Ueberschrift(int spalte) const;
    std::string Spaltentext(const TSchaltzeitZeile& zeile, int spalte) const;
    // Selected rows, ascending.
    const std::vector<int>& Auswahl() const { return AuswahlListe; }
    void SetAuswahl(std::vector<int> zeilen);
    // The list and the time-switch box take input only outside edit mode.
    bool ListeAktiv() const { return !EditMode; }
    int SortSpalte() const { return SortColumn; }
    bool Absteigend() const { return SortDescending; }
    // A column header clicked: the sort column again reverses the direction, another one
    // becomes the sort column, ascending; the list is sorted.
    void LvSchaltzeitenColumnClick(int spalte);
    // 1 when a comes after b in the column, -1 before, 0 when equal; negated in descending
    // direction.
    int LvSchaltzeitenCompare(const TSchaltzeitZeile& a, const TSchaltzeitZeile& b) const;

    // --- Day boxes and their group ---
    const TTage& Tage() const { return TageBoxen; }
    int TagesGruppe() const { return Gruppe; }
    bool TageAktiv() const { return Gruppe == tgBenutzerdefiniert; }
    void RdGrpTageClick(int gruppe);
    // The box as the user left it.
    void ChkBoxClick(int tag, bool angehakt);

    // --- The time field ---
    const TZeitEingabe& ZeitEingabe() const { return Eingabe; }
    TUhrzeit Zeit() const { return AktuelleZeit; }
    const TZeitFeld& ZeitFeld() const { return Feld; }
    // The field as the widget shows it now (a click may have moved the caret).
    void SetZeitFeld(const TZeitFeld& feld) { Feld = feld; }
    // A key; true when it goes on to the field's own handling.
    bool ZeitTaste(TZeitTaste taste);
    void ZeitZeichen(char zeichen);
    void ZeitPfeil(bool hoch, bool hatFokus);
    // Leaving the field: the current time is the checked text, shown again.
    void ZeitVerlassen();
    // The field was entered or clicked: the next digit typed starts the hour or the minute the
    // caret is in, so four digits typed give that time wherever the click put the caret.
    void ZeitBetreten() { NeueEingabe = true; }

    // --- Slots ---
    int AnzahlSlots() const { return Art.AnzahlSlots; }
    int Belegt() const { return static_cast<int>(ZeilenListe.size()); }
    // Slots that "&Hinzufügen" would take now, one per row it adds.
    int Benoetigt() const;
    // "Freie Speicherplätze: free/needed".
    std::string FreieSpeicherplaetze() const;

    // --- Buttons and texts ---
    bool ImBearbeitenModus() const { return EditMode; }
    bool HinzufuegenSichtbar() const { return !EditMode; }
    bool HinzufuegenAktiv() const;
    bool LoeschenAktiv() const { return !AuswahlListe.empty(); }
    bool BearbeitenAktiv() const { return AuswahlListe.size() == 1; }
    std::string Fenstertitel() const;
    std::string HinzufuegenText() const;
    std::string LoeschenText() const;
    std::string BearbeitenText() const;

    // --- Actions ---
    // Adds the input's rows, at the time the field shows; a field that holds no time is
    // reported and adds nothing.
    void BtnAddClick();
    // Deletes the selected rows, or in edit mode leaves it with the row unchanged.
    void BtnDeleteClick();
    // Edits the selected row, or in edit mode takes the input (the time the field shows) into it.
    void BtnEditClick();
    void LvSchaltzeitenDblClick();

    // --- Download box ---
    bool Ueberschreiben() const { return UeberschreibenBox; }
    void SetUeberschreiben(bool wert) { UeberschreibenBox = wert; }

    // "&Ok": a pending change goes into its row, the list into the map, the flags into the
    // device, and the editor's maps into the objects. False, with nothing taken, when a pending
    // change's time field holds no time (reported).
    bool BtnOkClick();

protected:
    // The row's own columns (3 and up).
    virtual std::string EigenerSpaltentext(const TSchaltzeitZeile& zeile, int spalte) const = 0;
    // The titles of the row's own columns (3 and up).
    virtual std::string EigenerSpaltentitel(int spalte) const = 0;
    virtual std::string Titel() const = 0;
    virtual std::string TitelZusatz() const = 0;
    // The value or mode of the input into a row.
    virtual void EingabeInZeile(TSchaltzeitZeile& zeile) const = 0;
    // The input shows the row's value or mode.
    virtual void ZeigeEingabe(const TSchaltzeitZeile& zeile) = 0;
    virtual void BearbeitenBeendet() {}
    // Writes the list into the shown map and the maps into the objects.
    virtual void UpdateMapSchaltDaten() = 0;
    virtual void MapsUebernehmen() = 0;

    // The switching times of the input: one per weekday code of the ticked days.
    std::vector<TSchaltzeitZeile> GetSchaltDaten() const;
    // The list of a map's used slots, in slot order; the selection is cleared.
    void FillLvSchaltzeiten(std::vector<TSchaltzeitZeile> zeilen);
    // The rows that take the slots 1, 2, … on writing back.
    std::vector<TSchaltzeitZeile> ZeilenFuerSlots() const;
    void SortiereListe();
    // Reads the editor's flag from the device on opening.
    void GetSystemFlags();

    TDeviceInstanz* Device;

private:
    void SetSchaltDaten(const TSchaltzeitZeile& zeile);
    void SetSchaltDatenToList();
    void BearbeitenVerlassen();
    void ClearAllDayChkBox(int tag);
    void SetSystemFlags();
    // The current time becomes the time the field shows; false (reported, the field showing
    // 00:00) when it shows none.
    bool ZeitUebernehmen();

    TArt Art;
    TZeitEingabe Eingabe;
    TUhrzeit AktuelleZeit{7, 0};
    TZeitFeld Feld;
    bool NeueEingabe = false;
    std::vector<TSchaltzeitZeile> ZeilenListe;
    std::vector<int> AuswahlListe;
    int SortColumn = 1;
    bool SortDescending = false;
    bool Sternchen = false; // a column was clicked: the sort column's caption carries " *"
    TTage TageBoxen{};
    int Gruppe = tgBenutzerdefiniert;
    bool TageHandler = false;
    int GemerkterTag = -1;
    bool EditMode = false;
    bool UeberschreibenBox = false;
};

} // namespace schaltzeit
