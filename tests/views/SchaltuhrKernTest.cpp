#include "views/RaumtempSchaltuhrKern.h"
#include "views/SchaltuhrKern.h"
#include "tests/support/ScriptedUi.h"
#include "tests/views/SchaltuhrTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace schaltzeit {
namespace {

using namespace T_DB_EnumSchaltuhr;

// Ticks exactly these days (Monday = 0) in the custom group.
void Ticke(TSchaltzeitenKern& kern, const std::vector<int>& tage)
{
    kern.RdGrpTageClick(tgBenutzerdefiniert);
    for (int tag = 0; tag < 7; ++tag)
        if (kern.Tage()[static_cast<std::size_t>(tag)])
            kern.ChkBoxClick(tag, false);
    for (const int tag : tage)
        kern.ChkBoxClick(tag, true);
}

std::vector<std::string> Spalte(const TSchaltzeitenKern& kern, int spalte)
{
    std::vector<std::string> texte;
    for (const TSchaltzeitZeile& zeile : kern.Zeilen())
        texte.push_back(kern.Spaltentext(zeile, spalte));
    return texte;
}

// Two time switches: 1 switching with the given times, 2 sending a percentage with none.
class Schaltuhren : public ::testing::Test {
protected:
    Schaltuhren()
    {
        Schaltuhr1 = MachSchaltuhr(1, dfSchalten, wtyByte);
        Schaltuhr2 = MachSchaltuhr(2, dfWert, wtyProzent);
    }

    std::unique_ptr<TSchaltuhrKern> Oeffne()
    {
        return std::make_unique<TSchaltuhrKern>(
            nullptr, TSchaltuhrKern::TSchaltuhren{{1, Schaltuhr1.get()}, {2, Schaltuhr2.get()}},
            TSchaltuhrKern::TMaps{{1, Schaltuhr1->GetPointerMapSchaltDaten()},
                                  {2, Schaltuhr2->GetPointerMapSchaltDaten()}},
            TZeitEingabe());
    }
    TMapSchaltuhrDaten& Map1() { return *Schaltuhr1->GetPointerMapSchaltDaten(); }
    TMapSchaltuhrDaten& Map2() { return *Schaltuhr2->GetPointerMapSchaltDaten(); }

    testsupport::ScriptedUi Ui;
    std::unique_ptr<TSchaltuhr> Schaltuhr1;
    std::unique_ptr<TSchaltuhr> Schaltuhr2;
};

// Ticked days, the codes they compress to and the slots they need.
struct Kompression {
    const char* Name;
    std::vector<int> Tage;
    std::vector<std::int16_t> Codes;
    int Benoetigt;
};

void PrintTo(const Kompression& fall, std::ostream* out)
{
    *out << fall.Name;
}

class Wochentage : public Schaltuhren, public ::testing::WithParamInterface<Kompression> {};

TEST_P(Wochentage, CompressIntoTheFewestCodesOneSlotEach)
{
    const Kompression& fall = GetParam();
    TTage tage{};
    for (const int tag : fall.Tage)
        tage[static_cast<std::size_t>(tag)] = true;
    EXPECT_EQ(GetListEnumWochentag(tage), fall.Codes);

    auto kern = Oeffne();
    Ticke(*kern, fall.Tage);
    EXPECT_EQ(kern->Benoetigt(), fall.Benoetigt);
    EXPECT_EQ(kern->FreieSpeicherplaetze(), "Freie Speicherpl\xe4tze: 14/" + std::to_string(fall.Benoetigt));
    kern->BtnAddClick();
    std::vector<std::int16_t> codes;
    for (const TSchaltzeitZeile& zeile : kern->Zeilen())
        codes.push_back(zeile.Wochentag);
    EXPECT_EQ(codes, fall.Codes);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Wochentage,
    ::testing::Values(Kompression{"MoMiSa", {0, 2, 5}, {1, 3, 6}, 3},
                      Kompression{"MoBisFrUndSo", {0, 1, 2, 3, 4, 6}, {8, 7}, 2},
                      Kompression{"MoDiSaSo", {0, 1, 5, 6}, {1, 2, 9}, 3},
                      Kompression{"Alle", {0, 1, 2, 3, 4, 5, 6}, {10}, 1},
                      Kompression{"MoBisFr", {0, 1, 2, 3, 4}, {8}, 1},
                      Kompression{"Keiner", {}, {}, 0}));

TEST_F(Schaltuhren, AddingMoDiSaSoGivesThreeRowsAndThreeSlotsFewer)
{
    auto kern = Oeffne();
    Ticke(*kern, {0, 1, 5, 6});
    EXPECT_EQ(kern->FreieSpeicherplaetze(), "Freie Speicherpl\xe4tze: 14/3");
    kern->BtnAddClick();
    EXPECT_EQ(Spalte(*kern, 2), (std::vector<std::string>{"Mo ", "Di ", "Sa So "}));
    EXPECT_EQ(Spalte(*kern, 0), (std::vector<std::string>{"-1", "-1", "-1"}));
    EXPECT_EQ(kern->FreieSpeicherplaetze(), "Freie Speicherpl\xe4tze: 11/3");
}

TEST(RaumtempSchaltuhr, AddingMoDiSaSoCountsAgainst28Slots)
{
    TMapSchaltDaten map;
    TRaumtempSchaltuhrKern kern(nullptr, &map, TZeitEingabe());
    Ticke(kern, {0, 1, 5, 6});
    EXPECT_EQ(kern.FreieSpeicherplaetze(), "Freie Speicherpl\xe4tze: 28/3");
    kern.BtnAddClick();
    EXPECT_EQ(kern.Zeilen().size(), 3u);
    EXPECT_EQ(kern.FreieSpeicherplaetze(), "Freie Speicherpl\xe4tze: 25/3");
}

TEST_F(Schaltuhren, AddIsRefusedBeyondTheSlotsAndWithoutADay)
{
    for (int slot = 1; slot <= 12; ++slot)
        Map1()[slot] = Zeit(6, slot, 1 + slot % 7);
    auto kern = Oeffne();
    EXPECT_FALSE(kern->HinzufuegenAktiv()); // no day ticked
    Ticke(*kern, {0, 2, 4});
    EXPECT_EQ(kern->FreieSpeicherplaetze(), "Freie Speicherpl\xe4tze: 2/3");
    EXPECT_FALSE(kern->HinzufuegenAktiv());
    kern->BtnAddClick();
    EXPECT_EQ(kern->Zeilen().size(), 12u);

    kern->RdGrpTageClick(tgWerktage);
    EXPECT_EQ(kern->FreieSpeicherplaetze(), "Freie Speicherpl\xe4tze: 2/1");
    EXPECT_TRUE(kern->HinzufuegenAktiv());
}

TEST_F(Schaltuhren, GroupItemsTickAndLockTheDayBoxesCustomKeepsThem)
{
    auto kern = Oeffne();
    Ticke(*kern, {2});
    kern->RdGrpTageClick(tgTaeglich);
    EXPECT_EQ(kern->Tage(), TageDerGruppe(tgTaeglich));
    EXPECT_FALSE(kern->TageAktiv());
    EXPECT_EQ(kern->Benoetigt(), 1);
    kern->RdGrpTageClick(tgWochenende);
    EXPECT_EQ(kern->Tage(), TageDerGruppe(tgWochenende));
    kern->RdGrpTageClick(tgTaeglich);
    kern->RdGrpTageClick(tgBenutzerdefiniert);
    EXPECT_TRUE(kern->TageAktiv());
    EXPECT_EQ(kern->Tage(), TageDerGruppe(tgTaeglich));
    kern->BtnAddClick();
    EXPECT_EQ(Spalte(*kern, 2), (std::vector<std::string>{"Mo Di Mi Do Fr Sa So "}));
}

TEST(RaumtempSchaltuhr, TwentyEightRowsFillEverySlot)
{
    TMapSchaltDaten map;
    for (int slot = 1; slot <= 28; ++slot)
        map[slot] = {static_cast<std::int16_t>(slot % 24), 0, static_cast<std::int16_t>(1 + slot % 7), 0, 1};
    TRaumtempSchaltuhrKern kern(nullptr, &map, TZeitEingabe());
    Ticke(kern, {0, 3});
    EXPECT_FALSE(kern.HinzufuegenAktiv());
    EXPECT_EQ(kern.FreieSpeicherplaetze(), "Freie Speicherpl\xe4tze: 0/2");
}

// Data format, value type, the value caption, the format column and how leaving the value
// field clamps a typed text.
struct WertFall {
    const char* Name;
    int Format;
    int Typ;
    const char* Titel;
    const char* FormatText;
    const char* Getippt;
    const char* Verlassen;
};

void PrintTo(const WertFall& fall, std::ostream* out)
{
    *out << fall.Name;
}

class Werte : public ::testing::TestWithParam<WertFall> {};

TEST_P(Werte, AreClampedToTheFormatsRangeWhenTheFieldIsLeft)
{
    const WertFall& fall = GetParam();
    auto schaltuhr = MachSchaltuhr(1, fall.Format, fall.Typ);
    TSchaltuhrKern kern(nullptr, {{1, schaltuhr.get()}}, {{1, schaltuhr->GetPointerMapSchaltDaten()}},
                        TZeitEingabe());
    EXPECT_EQ(kern.WertTitel(), fall.Titel);
    EXPECT_EQ(kern.GetDatenFormatStringFromEnum(fall.Format), fall.FormatText);
    EXPECT_EQ(kern.WertText(), std::to_string(kern.WertMin()));
    kern.SetWertText(fall.Getippt);
    kern.EdtWertExit();
    EXPECT_EQ(kern.WertText(), fall.Verlassen);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Werte,
    ::testing::Values(WertFall{"SzeneNullWirdEins", dfSzenenabruf, wtyByte, "Szene [1..8]", "Szenenabruf", "0", "1"},
                      WertFall{"SzeneZwoelfWirdAcht", dfSzenenabruf, wtyByte, "Szene [1..8]", "Szenenabruf", "12",
                               "8"},
                      WertFall{"SzeneLeerWirdEins", dfSzenenabruf, wtyByte, "Szene [1..8]", "Szenenabruf", "", "1"},
                      WertFall{"ProzentBleibt", dfWert, wtyProzent, "Wert [0..100 %]", "Wert (0..100 %)", "55", "55"},
                      WertFall{"ProzentBis100", dfWert, wtyProzent, "Wert [0..100 %]", "Wert (0..100 %)", "300",
                               "100"},
                      WertFall{"ByteBis255", dfWert, wtyByte, "Wert [0..255]", "Wert (0..255)", "999", "255"},
                      WertFall{"SchaltenBis1", dfSchalten, wtyByte, "Wert [0..1]", "Schalten", "7", "1"}));

TEST_F(Schaltuhren, AnEmptyValueIsAddedAsTheMinimum)
{
    Schaltuhr1 = MachSchaltuhr(1, dfSzenenabruf, wtyByte);
    auto kern = Oeffne();
    kern->SetWertText("");
    Ticke(*kern, {0});
    kern->BtnAddClick();
    ASSERT_EQ(kern->Zeilen().size(), 1u);
    EXPECT_EQ(kern->Zeilen()[0].Wert, 1);
    EXPECT_EQ(Spalte(*kern, 4), std::vector<std::string>{"1"});
    EXPECT_EQ(Spalte(*kern, 3), std::vector<std::string>{"Szenenabruf"});
}

TEST_F(Schaltuhren, EditingAWorkingDaysRowAndApplyingWithoutADayLeavesIt)
{
    Map1()[1] = Zeit(6, 30, 8, dfSchalten, 1);
    auto kern = Oeffne();
    kern->SetAuswahl({0});
    kern->BtnEditClick();
    EXPECT_TRUE(kern->ImBearbeitenModus());
    EXPECT_EQ(kern->Fenstertitel(), "Schaltuhr-Schaltzeiten [Bearbeiten-Modus]");
    EXPECT_EQ(kern->BearbeitenText(), "\xdc&bernehmen");
    EXPECT_EQ(kern->LoeschenText(), "Abbre&chen");
    EXPECT_FALSE(kern->HinzufuegenSichtbar());
    EXPECT_FALSE(kern->ListeAktiv());
    EXPECT_EQ(kern->TagesGruppe(), tgWerktage);
    EXPECT_EQ(kern->ZeitFeld().Text, "06:30");
    EXPECT_EQ(kern->WertText(), "1");

    kern->RdGrpTageClick(tgBenutzerdefiniert);
    EXPECT_EQ(kern->Tage(), TTage{});
    kern->BtnEditClick();
    EXPECT_FALSE(kern->ImBearbeitenModus());
    EXPECT_EQ(kern->Fenstertitel(), "Schaltuhr-Schaltzeiten");
    ASSERT_EQ(kern->Zeilen().size(), 1u);
    EXPECT_EQ(kern->Zeilen()[0].Nummer, 1);
    EXPECT_EQ(kern->Zeilen()[0].Wochentag, 8);
}

TEST_F(Schaltuhren, InEditModeOneDayBoxIsTickedAtATime)
{
    Map1()[1] = Zeit(6, 30, 3);
    auto kern = Oeffne();
    kern->SetAuswahl({0});
    kern->BtnEditClick();
    EXPECT_EQ(kern->Tage(), (TTage{false, false, true, false, false, false, false}));
    kern->ChkBoxClick(4, true);
    EXPECT_EQ(kern->Tage(), (TTage{false, false, false, false, true, false, false}));
    kern->ChkBoxClick(4, false); // clicking the ticked box keeps it
    EXPECT_EQ(kern->Tage(), (TTage{false, false, false, false, true, false, false}));
    // Custom ticks the row's own day again.
    kern->RdGrpTageClick(tgTaeglich);
    kern->RdGrpTageClick(tgBenutzerdefiniert);
    EXPECT_EQ(kern->Tage(), (TTage{false, false, true, false, false, false, false}));
}

TEST_F(Schaltuhren, EditingASingleDayRowFromAGroupItemLeavesTheDayBoxesUsable)
{
    Map1()[1] = Zeit(6, 30, 3);
    auto kern = Oeffne();
    kern->RdGrpTageClick(tgTaeglich);
    EXPECT_FALSE(kern->TageAktiv());
    kern->SetAuswahl({0});
    kern->BtnEditClick();
    EXPECT_EQ(kern->TagesGruppe(), tgBenutzerdefiniert);
    EXPECT_TRUE(kern->TageAktiv());
}

TEST_F(Schaltuhren, ApplyingWritesTheInputIntoTheRowCancelLeavesIt)
{
    Map1()[1] = Zeit(6, 30, 3);
    auto kern = Oeffne();
    kern->SetAuswahl({0});
    kern->BtnEditClick();
    kern->BtnDeleteClick(); // "Abbre&chen"
    EXPECT_FALSE(kern->ImBearbeitenModus());
    EXPECT_EQ(kern->Zeilen()[0].Nummer, 1);

    kern->BtnEditClick();
    kern->ZeitTaste(TZeitTaste::Hoch); // caret at the front: the hour
    kern->ChkBoxClick(5, true);
    kern->SetWertText("0");
    kern->BtnEditClick();
    const TSchaltzeitZeile& zeile = kern->Zeilen()[0];
    EXPECT_EQ(zeile.Nummer, -1);
    EXPECT_EQ(kern->Spaltentext(zeile, 1), "07:30");
    EXPECT_EQ(kern->Spaltentext(zeile, 2), "Sa ");
    EXPECT_EQ(zeile.Wert, 0);
}

TEST_F(Schaltuhren, OkInEditModeKeepsThePendingChange)
{
    Map1()[1] = Zeit(6, 30, 3);
    auto kern = Oeffne();
    kern->SetAuswahl({0});
    kern->BtnEditClick();
    kern->ChkBoxClick(6, true);
    kern->BtnOkClick();
    EXPECT_EQ(Map1()[1], Zeit(6, 30, 7));
}

TEST_F(Schaltuhren, DeletingSelectsTheRowAtTheFirstSelectedPlace)
{
    for (int slot = 1; slot <= 4; ++slot)
        Map1()[slot] = Zeit(slot, 0, 1);
    auto kern = Oeffne();
    kern->SetAuswahl({1, 2});
    kern->BtnDeleteClick();
    EXPECT_EQ(Spalte(*kern, 1), (std::vector<std::string>{"01:00", "04:00"}));
    EXPECT_EQ(kern->Auswahl(), std::vector<int>{1});
    kern->BtnDeleteClick();
    EXPECT_EQ(kern->Auswahl(), std::vector<int>{0}); // past the end: the last row
    kern->BtnDeleteClick();
    EXPECT_TRUE(kern->Auswahl().empty());
    EXPECT_FALSE(kern->LoeschenAktiv());
    EXPECT_FALSE(kern->BearbeitenAktiv());
}

TEST_F(Schaltuhren, NewRowsTakeTheSlotsAfterTheOldOnesUntilAColumnIsClicked)
{
    Map1()[3] = Zeit(8, 0, 1);
    Map1()[7] = Zeit(9, 0, 2);
    auto kern = Oeffne();
    kern->ZeitTaste(TZeitTaste::Runter); // 06:00
    Ticke(*kern, {4});
    kern->BtnAddClick();
    EXPECT_EQ(Spalte(*kern, 1), (std::vector<std::string>{"08:00", "09:00", "06:00"}));
    kern->BtnOkClick();
    EXPECT_EQ(Map1().size(), 14u);
    EXPECT_EQ(Map1()[1], Zeit(8, 0, 1));
    EXPECT_EQ(Map1()[2], Zeit(9, 0, 2));
    EXPECT_EQ(Map1()[3], Zeit(6, 0, 5, dfSchalten, 0));
    EXPECT_EQ(Map1()[4], tagSchaltuhrDaten{});
}

TEST_F(Schaltuhren, SortedByTimeSlotOneHoldsTheEarliest)
{
    Map1()[1] = Zeit(8, 0, 1);
    Map1()[2] = Zeit(9, 0, 2);
    auto kern = Oeffne();
    kern->ZeitTaste(TZeitTaste::Runter);
    Ticke(*kern, {4});
    kern->BtnAddClick();
    kern->LvSchaltzeitenColumnClick(1); // descending
    EXPECT_EQ(kern->Ueberschrift(1), "Zeit *");
    EXPECT_EQ(Spalte(*kern, 1), (std::vector<std::string>{"09:00", "08:00", "06:00"}));
    kern->LvSchaltzeitenColumnClick(1); // ascending
    kern->BtnOkClick();
    EXPECT_EQ(Map1()[1].Stunde, 6);
    EXPECT_EQ(Map1()[2].Stunde, 8);
    EXPECT_EQ(Map1()[3].Stunde, 9);
}

TEST_F(Schaltuhren, AColumnClickSortsAndMarksOnlyThatColumn)
{
    Map1()[1] = Zeit(8, 0, 3);
    Map1()[2] = Zeit(9, 0, 1);
    Map1()[3] = Zeit(7, 0, 3);
    auto kern = Oeffne();
    EXPECT_EQ(kern->Ueberschrift(1), "Zeit");
    EXPECT_EQ(Spalte(*kern, 0), (std::vector<std::string>{"3", "1", "2"}));
    kern->LvSchaltzeitenColumnClick(2);
    EXPECT_EQ(kern->Ueberschrift(1), "Zeit");
    EXPECT_EQ(kern->Ueberschrift(2), "Tag *");
    // Equal days keep their order (by time, from the opening sort).
    EXPECT_EQ(Spalte(*kern, 1), (std::vector<std::string>{"07:00", "08:00", "09:00"}));
    EXPECT_EQ(Spalte(*kern, 2), (std::vector<std::string>{"Mi ", "Mi ", "Mo "}));
    EXPECT_EQ(Ui.calls(testsupport::ScriptedUi::CallKind::Cursor).front().value, platform::crHourGlass);
}

TEST_F(Schaltuhren, TheComparatorAnswersZeroForEqualNumbersAndTimes)
{
    auto kern = Oeffne();
    const TSchaltzeitZeile a{-1, 7, 0, 1, 0, 0, "0"};
    const TSchaltzeitZeile b{-1, 7, 0, 2, 0, 0, "0"};
    EXPECT_EQ(kern->LvSchaltzeitenCompare(a, b), 0);
    kern->LvSchaltzeitenColumnClick(0);
    EXPECT_EQ(kern->LvSchaltzeitenCompare(a, b), 0);
    kern->LvSchaltzeitenColumnClick(2);
    EXPECT_EQ(kern->LvSchaltzeitenCompare(a, b), 1); // "Mo " before "Di "
}

TEST_F(Schaltuhren, ChangingTheTimeSwitchWritesTheListAndRenumbers)
{
    Map1()[4] = Zeit(9, 0, 1);
    Map1()[9] = Zeit(8, 0, 2);
    auto kern = Oeffne();
    EXPECT_EQ(kern->SchaltuhrTexte(), (std::vector<std::string>{"Schaltuhr 1", "Schaltuhr 2"}));
    Ticke(*kern, {0, 1, 2});
    kern->CbxSchaltuhrChange(1);
    EXPECT_TRUE(kern->Zeilen().empty());
    EXPECT_EQ(kern->FreieSpeicherplaetze(), "Freie Speicherpl\xe4tze: 14/3");
    EXPECT_EQ(kern->WertTitel(), "Wert [0..100 %]");
    kern->CbxSchaltuhrChange(0);
    EXPECT_EQ(Spalte(*kern, 0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Spalte(*kern, 1), (std::vector<std::string>{"08:00", "09:00"}));
}

TEST_F(Schaltuhren, CancelAfterChangingTheTimeSwitchLeavesBothMaps)
{
    Map1()[4] = Zeit(9, 0, 1);
    Map2()[2] = Zeit(10, 0, 9, dfWert, 40);
    const TMapSchaltuhrDaten vorher1 = Map1();
    const TMapSchaltuhrDaten vorher2 = Map2();
    {
        auto kern = Oeffne();
        kern->SetAuswahl({0});
        kern->BtnDeleteClick();
        kern->CbxSchaltuhrChange(1);
        kern->CbxSchaltuhrChange(0);
    } // closed without "&Ok"
    EXPECT_EQ(Map1(), vorher1);
    EXPECT_EQ(Map2(), vorher2);

    auto kern = Oeffne();
    kern->SetAuswahl({0});
    kern->BtnDeleteClick();
    kern->CbxSchaltuhrChange(1);
    kern->BtnOkClick();
    EXPECT_EQ(Map1()[1], tagSchaltuhrDaten{}); // the map left behind is taken over
    EXPECT_EQ(Map2()[1], Zeit(10, 0, 9, dfWert, 40));
}

} // namespace
} // namespace schaltzeit
