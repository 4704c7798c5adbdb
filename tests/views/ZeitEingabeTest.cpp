#include "views/ZeitEingabe.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace schaltzeit {
namespace {

// A key or a typed character, applied to a field at a current time.
struct Fall {
    const char* Name;
    TZeitFeld Vorher;
    TUhrzeit Zeit;
    TZeitTaste Taste;
    char Zeichen; // typed instead of the key when not 0
    TZeitFeld Nachher;
    TUhrzeit ZeitNachher;
    bool Weiter;
};

void PrintTo(const Fall& fall, std::ostream* out)
{
    *out << fall.Name;
}

class ZeitFeld : public ::testing::TestWithParam<Fall> {};

TEST_P(ZeitFeld, StepsAsTheUserExpects)
{
    const Fall& fall = GetParam();
    const TZeitEingabe eingabe;
    const TZeitSchritt schritt = fall.Zeichen ? eingabe.Zeichen(fall.Vorher, fall.Zeichen, fall.Zeit)
                                              : eingabe.Taste(fall.Vorher, fall.Taste, fall.Zeit);
    EXPECT_EQ(schritt.Feld, fall.Nachher);
    EXPECT_EQ(schritt.Zeit, fall.ZeitNachher);
    EXPECT_EQ(schritt.Weiter, fall.Weiter);
}

constexpr auto Keine = TZeitTaste::Andere;

INSTANTIATE_TEST_SUITE_P(
    Tasten, ZeitFeld,
    ::testing::Values(
        Fall{"UpOnHour23WrapsTo00", {"23:15", 1, 0}, {23, 15}, TZeitTaste::Hoch, 0, {"00:15", 0, 2}, {0, 15}, false},
        Fall{"DownOnHour00WrapsTo23", {"00:15", 0, 0}, {0, 15}, TZeitTaste::Runter, 0, {"23:15", 0, 2}, {23, 15},
             false},
        Fall{"DownOnMinute00Gives59HourKept", {"07:00", 4, 0}, {7, 0}, TZeitTaste::Runter, 0, {"07:59", 3, 2},
             {7, 59}, false},
        Fall{"UpOnMinute59Gives00HourKept", {"07:59", 3, 2}, {7, 59}, TZeitTaste::Hoch, 0, {"07:00", 3, 2}, {7, 0},
             false},
        Fall{"UpWorksOnTheTimeNotOnTypedDigits", {"09:00", 1, 0}, {7, 0}, TZeitTaste::Hoch, 0, {"08:00", 0, 2},
             {8, 0}, false},
        Fall{"SelectedHourCountsAsCaretAfterIt", {"07:00", 0, 2}, {7, 0}, TZeitTaste::Hoch, 0, {"08:00", 0, 2},
             {8, 0}, false},
        Fall{"DigitAfterTheHourWritesFirstMinuteDigit", {"07:00", 2, 0}, {7, 0}, Keine, '9', {"07:90", 4, 0},
             {7, 0}, false},
        Fall{"DigitOverwritesTheHour", {"07:00", 0, 0}, {7, 0}, Keine, '1', {"17:00", 1, 0}, {7, 0}, false},
        Fall{"DigitReducesTheSelectionToTheCaret", {"07:00", 3, 2}, {7, 0}, Keine, '4', {"07:40", 4, 0}, {7, 0},
             false},
        Fall{"DigitAtTheEndRefused", {"07:00", 5, 0}, {7, 0}, Keine, '5', {"07:00", 5, 0}, {7, 0}, false},
        Fall{"LetterRefused", {"07:00", 1, 0}, {7, 0}, Keine, 'x', {"07:00", 1, 0}, {7, 0}, false},
        Fall{"SeparatorRefusedWhileTheTextHasOne", {"07:00", 1, 0}, {7, 0}, Keine, ':', {"07:00", 1, 0}, {7, 0},
             false},
        Fall{"DeleteDoesNothing", {"07:35", 1, 0}, {7, 35}, TZeitTaste::Entfernen, 0, {"07:35", 1, 0}, {7, 35},
             false},
        Fall{"HomeDoesNothing", {"07:35", 4, 0}, {7, 35}, TZeitTaste::Pos1, 0, {"07:35", 4, 0}, {7, 35}, false},
        Fall{"BackspaceAtTheEndZeroesTheLastDigit", {"07:35", 5, 0}, {7, 35}, TZeitTaste::Rueckschritt, 0,
             {"07:30", 4, 0}, {7, 35}, false},
        Fall{"BackspaceAfterTheSeparatorZeroesTheLastHourDigit", {"07:35", 3, 0}, {7, 35}, TZeitTaste::Rueckschritt,
             0, {"00:35", 1, 0}, {7, 35}, false},
        Fall{"BackspaceAtTheFrontDoesNothing", {"07:35", 0, 0}, {7, 35}, TZeitTaste::Rueckschritt, 0,
             {"07:35", 0, 0}, {7, 35}, false},
        Fall{"LeftGoesToTheField", {"07:35", 3, 0}, {7, 35}, TZeitTaste::Links, 0, {"07:35", 3, 0}, {7, 35}, true}));

TEST(ZeitText, IsCheckedWhenLeftAndAnInvalidOneGivesMidnight)
{
    testsupport::ScriptedUi ui;
    const TZeitEingabe eingabe;
    EXPECT_EQ(eingabe.CheckTime("07:35"), (TUhrzeit{7, 35}));
    EXPECT_TRUE(ui.boxes().empty());

    EXPECT_EQ(eingabe.CheckTime("99:99"), (TUhrzeit{0, 0}));
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "99:99 ist keine g\xfcltige Zeitangabe!");
    EXPECT_EQ(ui.boxes()[0].caption, "Fehler");
    EXPECT_EQ(ui.boxes()[0].style, platform::MB_OK | platform::MB_ICONWARNING);
    EXPECT_EQ(eingabe.CheckTime("25:00"), (TUhrzeit{0, 0}));
    EXPECT_EQ(eingabe.CheckTime("07:75"), (TUhrzeit{0, 0}));
    EXPECT_EQ(ui.boxes().size(), 3u);
}

TEST(ZeitPfeile, ApplyTheTypedDigitsFirst)
{
    testsupport::ScriptedUi ui;
    const TZeitEingabe eingabe;
    // "07:00" with "09" typed over the hour, the caret behind it.
    const TZeitSchritt hoch = eingabe.Pfeil({"09:00", 2, 0}, true, true);
    EXPECT_EQ(hoch.Zeit, (TUhrzeit{10, 0}));
    EXPECT_EQ(hoch.Feld, (TZeitFeld{"10:00", 0, 2}));
    // Without focus the caret goes to the minute first.
    const TZeitSchritt runter = eingabe.Pfeil({"09:30", 0, 0}, false, false);
    EXPECT_EQ(runter.Zeit, (TUhrzeit{9, 29}));
    EXPECT_EQ(runter.Feld, (TZeitFeld{"09:29", 3, 2}));
    // An invalid text is reported and stepped from midnight.
    const TZeitSchritt ungueltig = eingabe.Pfeil({"29:00", 1, 0}, true, true);
    EXPECT_EQ(ungueltig.Zeit, (TUhrzeit{1, 0}));
    EXPECT_EQ(ui.boxes().size(), 1u);
}

TEST(ZwoelfStunden, ShowsSwapsAndReadsTheLetter)
{
    testsupport::ScriptedUi ui;
    const TZeitEingabe eingabe(true);
    EXPECT_EQ(eingabe.GetTimeString({7, 0}), "07:00a");
    EXPECT_EQ(eingabe.GetTimeString({13, 5}), "01:05p");
    EXPECT_EQ(eingabe.GetTimeString({0, 0}), "12:00a");
    EXPECT_EQ(eingabe.GetTimeString({12, 0}), "12:00p");
    EXPECT_EQ(eingabe.CheckTime("01:05p"), (TUhrzeit{13, 5}));
    EXPECT_EQ(eingabe.CheckTime("12:00a"), (TUhrzeit{0, 0}));
    // Up behind the letter swaps a and p.
    const TZeitSchritt schritt = eingabe.Taste({"07:00a", 6, 0}, TZeitTaste::Hoch, {7, 0});
    EXPECT_EQ(schritt.Feld, (TZeitFeld{"07:00p", 5, 1}));
    EXPECT_EQ(schritt.Zeit, (TUhrzeit{19, 0}));
    // The letter is typed over at 5 only; Backspace behind it puts "a".
    EXPECT_EQ(eingabe.Zeichen({"07:00a", 5, 0}, 'p', {7, 0}).Feld, (TZeitFeld{"07:00p", 6, 0}));
    EXPECT_EQ(eingabe.Zeichen({"07:00a", 3, 0}, 'p', {7, 0}).Feld, (TZeitFeld{"07:00a", 3, 0}));
    EXPECT_EQ(eingabe.Taste({"07:00p", 6, 0}, TZeitTaste::Rueckschritt, {19, 0}).Feld, (TZeitFeld{"07:00a", 5, 0}));
    EXPECT_TRUE(ui.boxes().empty());
}

} // namespace
} // namespace schaltzeit
