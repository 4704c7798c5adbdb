#include "views/SchaltzeitenKern.h"

#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <numeric>

namespace schaltzeit {
namespace {

// Case-insensitive comparison of two texts, as the list compares its text columns.
int CompareText(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::toupper(static_cast<unsigned char>(a[i]));
        const int cb = std::toupper(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int Vergleich(int a, int b)
{
    return a == b ? 0 : (a > b ? 1 : -1);
}

using TFlags = std::array<bool, 6>;

} // namespace

TSchaltzeitenKern::TSchaltzeitenKern(TArt art, TDeviceInstanz* device, const TZeitEingabe& zeitEingabe)
    : Device(device), Art(std::move(art)), Eingabe(zeitEingabe)
{
    Feld = Eingabe.Zeige(AktuelleZeit);
    RdGrpTageClick(tgBenutzerdefiniert);
}

TSchaltzeitenKern::~TSchaltzeitenKern() = default;

std::string TSchaltzeitenKern::SpaltenTitel(int spalte) const
{
    switch (spalte) {
    case 0:
        return Spredit::Text9025;
    case 1:
        return Spredit::Text9028;
    case 2:
        return Spredit::Text9027;
    default:
        return EigenerSpaltentitel(spalte);
    }
}

std::string TSchaltzeitenKern::Ueberschrift(int spalte) const
{
    std::string text = SpaltenTitel(spalte);
    if (Sternchen && spalte == SortColumn)
        text += " *";
    return text;
}

std::string TSchaltzeitenKern::Spaltentext(const TSchaltzeitZeile& zeile, int spalte) const
{
    switch (spalte) {
    case 0:
        return std::to_string(zeile.Nummer);
    case 1:
        return Eingabe.GetTimeString({zeile.Stunde, zeile.Minute});
    case 2:
        return GetDaysStringFromEnum(zeile.Wochentag);
    default:
        return EigenerSpaltentext(zeile, spalte);
    }
}

void TSchaltzeitenKern::SetAuswahl(std::vector<int> zeilen)
{
    std::sort(zeilen.begin(), zeilen.end());
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    std::erase_if(zeilen, [this](int zeile) { return zeile < 0 || zeile >= Belegt(); });
    AuswahlListe = std::move(zeilen);
}

int TSchaltzeitenKern::LvSchaltzeitenCompare(const TSchaltzeitZeile& a, const TSchaltzeitZeile& b) const
{
    int ergebnis = 0;
    switch (SortColumn) {
    case 0:
        ergebnis = Vergleich(a.Nummer, b.Nummer);
        break;
    case 1:
        ergebnis = Vergleich(a.Stunde * 60 + a.Minute, b.Stunde * 60 + b.Minute);
        break;
    default:
        ergebnis = CompareText(Spaltentext(a, SortColumn), Spaltentext(b, SortColumn));
        break;
    }
    return SortDescending ? -ergebnis : ergebnis;
}

void TSchaltzeitenKern::SortiereListe()
{
    std::vector<std::size_t> folge(ZeilenListe.size());
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::stable_sort(folge.begin(), folge.end(), [this](std::size_t a, std::size_t b) {
        return LvSchaltzeitenCompare(ZeilenListe[a], ZeilenListe[b]) < 0;
    });
    std::vector<TSchaltzeitZeile> sortiert;
    sortiert.reserve(folge.size());
    std::vector<int> auswahl;
    for (std::size_t neu = 0; neu < folge.size(); ++neu) {
        sortiert.push_back(std::move(ZeilenListe[folge[neu]]));
        if (std::binary_search(AuswahlListe.begin(), AuswahlListe.end(), static_cast<int>(folge[neu])))
            auswahl.push_back(static_cast<int>(neu));
    }
    ZeilenListe = std::move(sortiert);
    AuswahlListe = std::move(auswahl);
}

void TSchaltzeitenKern::LvSchaltzeitenColumnClick(int spalte)
{
    LOG_FKT_START("TSchaltzeitenKern::LvSchaltzeitenColumnClick");
    if (spalte < 0 || spalte >= AnzahlSpalten())
        return;
    if (spalte == SortColumn) {
        SortDescending = !SortDescending;
    } else {
        SortColumn = spalte;
        SortDescending = false;
    }
    Sternchen = true;
    const platform::TCursorHourGlass sanduhr;
    SortiereListe();
}

void TSchaltzeitenKern::RdGrpTageClick(int gruppe)
{
    TageHandler = false;
    Gruppe = gruppe;
    if (gruppe == tgBenutzerdefiniert) {
        if (EditMode)
            ClearAllDayChkBox(GemerkterTag);
    } else {
        TageBoxen = TageDerGruppe(gruppe);
    }
    TageHandler = true;
}

void TSchaltzeitenKern::ChkBoxClick(int tag, bool angehakt)
{
    if (!TageHandler || tag < 0 || tag > 6)
        return;
    TageBoxen[static_cast<std::size_t>(tag)] = angehakt;
    if (EditMode)
        ClearAllDayChkBox(tag);
}

void TSchaltzeitenKern::ClearAllDayChkBox(int tag)
{
    TageHandler = false;
    TageBoxen = {};
    if (tag >= 0 && tag <= 6)
        TageBoxen[static_cast<std::size_t>(tag)] = true;
    TageHandler = true;
}

bool TSchaltzeitenKern::ZeitTaste(TZeitTaste taste)
{
    NeueEingabe = false;
    const TZeitSchritt schritt = Eingabe.Taste(Feld, taste, AktuelleZeit);
    Feld = schritt.Feld;
    AktuelleZeit = schritt.Zeit;
    return schritt.Weiter;
}

void TSchaltzeitenKern::ZeitZeichen(char zeichen)
{
    if (NeueEingabe && zeichen >= '0' && zeichen <= '9') {
        Feld.SelStart = Feld.SelStart <= 2 ? 0 : 3;
        Feld.SelLength = 0;
    }
    NeueEingabe = false;
    Feld = Eingabe.Zeichen(Feld, zeichen, AktuelleZeit).Feld;
}

void TSchaltzeitenKern::ZeitPfeil(bool hoch, bool hatFokus)
{
    const TZeitSchritt schritt = Eingabe.Pfeil(Feld, hatFokus, hoch);
    Feld = schritt.Feld;
    AktuelleZeit = schritt.Zeit;
}

void TSchaltzeitenKern::ZeitVerlassen()
{
    AktuelleZeit = Eingabe.CheckTime(Feld.Text);
    Feld = Eingabe.Zeige(AktuelleZeit);
}

bool TSchaltzeitenKern::ZeitUebernehmen()
{
    // As on leaving the field: the next digits typed start a new time at the hour.
    const bool gueltig = Eingabe.LeseZeit(Feld.Text).has_value();
    ZeitVerlassen();
    return gueltig;
}

int TSchaltzeitenKern::Benoetigt() const
{
    if (Gruppe != tgBenutzerdefiniert || GetGrpWochentage(TageBoxen) != tgBenutzerdefiniert)
        return 1;
    return static_cast<int>(GetListEnumWochentag(TageBoxen).size());
}

std::string TSchaltzeitenKern::FreieSpeicherplaetze() const
{
    return Spredit::Text9159 + " " + std::to_string(Art.AnzahlSlots - Belegt()) + "/" + std::to_string(Benoetigt());
}

bool TSchaltzeitenKern::HinzufuegenAktiv() const
{
    return !EditMode && Belegt() + Benoetigt() <= Art.AnzahlSlots && !GetDaysStringFromChkBx(TageBoxen).empty();
}

std::string TSchaltzeitenKern::Fenstertitel() const
{
    return EditMode ? Titel() + " [" + TitelZusatz() + "]" : Titel();
}

std::string TSchaltzeitenKern::HinzufuegenText() const
{
    return Spredit::Text9007;
}

std::string TSchaltzeitenKern::LoeschenText() const
{
    return EditMode ? Spredit::Text9008 : Spredit::Text9009;
}

std::string TSchaltzeitenKern::BearbeitenText() const
{
    return EditMode ? Spredit::Text9006 : Spredit::Text9010;
}

std::vector<TSchaltzeitZeile> TSchaltzeitenKern::GetSchaltDaten() const
{
    TSchaltzeitZeile vorlage;
    vorlage.Stunde = static_cast<std::int16_t>(AktuelleZeit.Stunde);
    vorlage.Minute = static_cast<std::int16_t>(AktuelleZeit.Minute);
    EingabeInZeile(vorlage);
    std::vector<TSchaltzeitZeile> zeilen;
    for (const std::int16_t code : GetListEnumWochentag(TageBoxen)) {
        zeilen.push_back(vorlage);
        zeilen.back().Wochentag = code;
    }
    return zeilen;
}

void TSchaltzeitenKern::BtnAddClick()
{
    LOG_FKT_START("TSchaltzeitenKern::BtnAddClick");
    if (!HinzufuegenAktiv() || !ZeitUebernehmen())
        return;
    for (TSchaltzeitZeile& zeile : GetSchaltDaten())
        ZeilenListe.push_back(std::move(zeile));
    if (Art.SortiertNachHinzufuegen)
        SortiereListe();
}

void TSchaltzeitenKern::BtnDeleteClick()
{
    LOG_FKT_START("TSchaltzeitenKern::BtnDeleteClick");
    if (EditMode) {
        BearbeitenVerlassen();
        return;
    }
    if (AuswahlListe.empty())
        return;
    const int index = AuswahlListe.front();
    for (auto it = AuswahlListe.rbegin(); it != AuswahlListe.rend(); ++it)
        ZeilenListe.erase(ZeilenListe.begin() + *it);
    AuswahlListe.clear();
    if (!ZeilenListe.empty())
        AuswahlListe.push_back(std::min(index, Belegt() - 1));
}

void TSchaltzeitenKern::BtnEditClick()
{
    LOG_FKT_START("TSchaltzeitenKern::BtnEditClick");
    if (EditMode) {
        if (!ZeitUebernehmen())
            return;
        // The input first: leaving edit mode takes the extra mode entry away.
        SetSchaltDatenToList();
        BearbeitenVerlassen();
        return;
    }
    if (AuswahlListe.size() != 1)
        return;
    EditMode = true;
    SetSchaltDaten(ZeilenListe[static_cast<std::size_t>(AuswahlListe.front())]);
}

void TSchaltzeitenKern::LvSchaltzeitenDblClick()
{
    if (!AuswahlListe.empty())
        BtnEditClick();
}

void TSchaltzeitenKern::BearbeitenVerlassen()
{
    EditMode = false;
    BearbeitenBeendet();
}

void TSchaltzeitenKern::SetSchaltDaten(const TSchaltzeitZeile& zeile)
{
    AktuelleZeit = {zeile.Stunde, zeile.Minute};
    Feld = Eingabe.Zeige(AktuelleZeit);
    TageHandler = false;
    GemerkterTag = -1;
    Gruppe = tgBenutzerdefiniert;
    TageBoxen = {};
    if (zeile.Wochentag >= 1 && zeile.Wochentag <= 7) {
        GemerkterTag = zeile.Wochentag - 1;
        TageBoxen[static_cast<std::size_t>(GemerkterTag)] = true;
    } else if (zeile.Wochentag == 8) {
        RdGrpTageClick(tgWerktage);
    } else if (zeile.Wochentag == 9) {
        RdGrpTageClick(tgWochenende);
    } else if (zeile.Wochentag == 10) {
        RdGrpTageClick(tgTaeglich);
    }
    TageHandler = true;
    ZeigeEingabe(zeile);
}

void TSchaltzeitenKern::SetSchaltDatenToList()
{
    if (AuswahlListe.empty())
        return;
    const std::vector<TSchaltzeitZeile> neu = GetSchaltDaten();
    if (neu.empty())
        return;
    ZeilenListe[static_cast<std::size_t>(AuswahlListe.front())] = neu.front();
}

void TSchaltzeitenKern::FillLvSchaltzeiten(std::vector<TSchaltzeitZeile> zeilen)
{
    ZeilenListe = std::move(zeilen);
    AuswahlListe.clear();
}

std::vector<TSchaltzeitZeile> TSchaltzeitenKern::ZeilenFuerSlots() const
{
    const std::size_t anzahl = std::min(ZeilenListe.size(), static_cast<std::size_t>(Art.AnzahlSlots));
    return {ZeilenListe.begin(), ZeilenListe.begin() + static_cast<std::ptrdiff_t>(anzahl)};
}

void TSchaltzeitenKern::GetSystemFlags()
{
    const auto* talvo = dynamic_cast<const TDeviceInstanzTalvo*>(Device);
    if (!talvo)
        return;
    TFlags flags{};
    talvo->GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    UeberschreibenBox = std::any_of(Art.EigeneFlags.begin(), Art.EigeneFlags.end(),
                                    [&flags](int n) { return flags[static_cast<std::size_t>(n)]; });
}

void TSchaltzeitenKern::SetSystemFlags()
{
    auto* talvo = dynamic_cast<TDeviceInstanzTalvo*>(Device);
    if (!talvo)
        return;
    TFlags flags{};
    talvo->GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    for (const int n : Art.EigeneFlags)
        flags[static_cast<std::size_t>(n)] = UeberschreibenBox;
    talvo->SetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
}

bool TSchaltzeitenKern::BtnOkClick()
{
    LOG_FKT_START("TSchaltzeitenKern::BtnOkClick");
    if (EditMode) {
        if (!ZeitUebernehmen())
            return false;
        SetSchaltDatenToList();
        BearbeitenVerlassen();
    }
    UpdateMapSchaltDaten();
    SetSystemFlags();
    MapsUebernehmen();
    return true;
}

} // namespace schaltzeit
