#pragma once

#include <optional>
#include <string>

// The time field of the switching-time editors, without a widget: the time text, its check and
// the handling of every key and of the two arrow buttons, as a pure step from the field's
// state to the next. The field always holds the text of a time of day ("07:00", or "07:00a" /
// "01:05p" in the 12-hour form: hour at 0 and 1, separator at 2, minute at 3 and 4, the letter
// at 5) and is overwritten in place; the current time changes only through the arrows and when
// the field is left.
namespace schaltzeit {

struct TUhrzeit {
    int Stunde = 0;
    int Minute = 0;
    bool operator==(const TUhrzeit&) const = default;
};

// The field's text and selection; with no selection SelStart is the caret.
struct TZeitFeld {
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
    bool operator==(const TZeitFeld&) const = default;
};

// The keys the field tells apart; every other key is Andere.
enum class TZeitTaste { Hoch, Runter, Rueckschritt, Links, Rechts, Entfernen, Pos1, Ende, Andere };

// The outcome of one step: the field, the current time, and whether the key goes on to the
// field's own handling (only Left and Right do; a typed character taken is applied here).
struct TZeitSchritt {
    TZeitFeld Feld;
    TUhrzeit Zeit;
    bool Weiter = false;
};

class TZeitEingabe {
public:
    explicit TZeitEingabe(bool zwoelfStunden = false, char trenner = ':')
        : ZwoelfStunden(zwoelfStunden), Trenner(trenner)
    {
    }

    bool IstZwoelfStunden() const { return ZwoelfStunden; }

    // "hh" + separator + "mm", in the 12-hour form hours 01 to 12 followed by "a" or "p".
    std::string GetTimeString(const TUhrzeit& zeit) const;
    // The time of a text as the locale reads it ("7:05", "07:05", "07:05AM"); none when it is
    // no time of day.
    std::optional<TUhrzeit> ParseTime(const std::string& text) const;
    // The field text upper-cased, its "A" or "P" widened to "AM" / "PM" after the first five
    // characters, and parsed; a text that is no time shows "%s ist keine gültige Zeitangabe!"
    // ("Fehler") and gives 00:00.
    TUhrzeit CheckTime(const std::string& text) const;
    // The time CheckTime takes from the text, without a message; none when it is no time.
    std::optional<TUhrzeit> LeseZeit(const std::string& text) const;

    // A key pressed in the field (Up, Down, Backspace and the keys the field must not see).
    TZeitSchritt Taste(const TZeitFeld& feld, TZeitTaste taste, const TUhrzeit& zeit) const;
    // A character typed: digits overwrite the hour and minute places, ":" only where the text
    // has no separator, a/p only at the letter of the 12-hour form; the rest is refused (the
    // field stays as it is).
    TZeitSchritt Zeichen(const TZeitFeld& feld, char zeichen, const TUhrzeit& zeit) const;
    // An arrow button: a field without focus first takes it with the caret at 3; the typed text
    // is checked (CheckTime) and then stepped as by Up or Down.
    TZeitSchritt Pfeil(const TZeitFeld& feld, bool hatFokus, bool hoch) const;

    // The field showing the time, with the caret at the front.
    TZeitFeld Zeige(const TUhrzeit& zeit) const { return {GetTimeString(zeit), 0, 0}; }

private:
    TZeitSchritt Schritt(TZeitFeld feld, int richtung, const TUhrzeit& zeit) const;

    bool ZwoelfStunden;
    char Trenner;
};

} // namespace schaltzeit
