#include "views/ZeitEingabe.h"

#include "app/Spredit.h"
#include "platform/UiService.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace schaltzeit {
namespace {

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// One or two digits from position i on; none when there is no digit.
std::optional<int> Zahl(const std::string& text, std::size_t& i)
{
    if (i >= text.size() || !IstZiffer(text[i]))
        return std::nullopt;
    int wert = text[i++] - '0';
    if (i < text.size() && IstZiffer(text[i]))
        wert = wert * 10 + (text[i++] - '0');
    return wert;
}

std::string Zweistellig(int wert)
{
    char puffer[8];
    std::snprintf(puffer, sizeof puffer, "%02d", wert);
    return puffer;
}

int Umlauf(int wert, int schritt, int anzahl)
{
    return ((wert + schritt) % anzahl + anzahl) % anzahl;
}

} // namespace

std::string TZeitEingabe::GetTimeString(const TUhrzeit& zeit) const
{
    if (!ZwoelfStunden)
        return Zweistellig(zeit.Stunde) + Trenner + Zweistellig(zeit.Minute);
    const int stunde = zeit.Stunde % 12 == 0 ? 12 : zeit.Stunde % 12;
    return Zweistellig(stunde) + Trenner + Zweistellig(zeit.Minute) + (zeit.Stunde < 12 ? "a" : "p");
}

std::optional<TUhrzeit> TZeitEingabe::ParseTime(const std::string& text) const
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::optional<int> stunde = Zahl(text, i);
    if (!stunde || i >= text.size() || text[i] != Trenner)
        return std::nullopt;
    ++i;
    const std::optional<int> minute = Zahl(text, i);
    if (!minute || *minute > 59)
        return std::nullopt;
    std::string rest = text.substr(i);
    while (!rest.empty() && rest.front() == ' ')
        rest.erase(0, 1);
    while (!rest.empty() && rest.back() == ' ')
        rest.pop_back();
    for (char& c : rest)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (rest.empty())
        return *stunde <= 23 ? std::optional<TUhrzeit>{TUhrzeit{*stunde, *minute}} : std::nullopt;
    if ((rest != "AM" && rest != "PM") || *stunde < 1 || *stunde > 12)
        return std::nullopt;
    return TUhrzeit{*stunde % 12 + (rest == "PM" ? 12 : 0), *minute};
}

std::optional<TUhrzeit> TZeitEingabe::LeseZeit(const std::string& text) const
{
    std::string gross = text;
    for (char& c : gross)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (gross.find('A') != std::string::npos)
        gross = gross.substr(0, 5) + "AM";
    if (gross.find('P') != std::string::npos)
        gross = gross.substr(0, 5) + "PM";
    return ParseTime(gross);
}

TUhrzeit TZeitEingabe::CheckTime(const std::string& text) const
{
    if (const std::optional<TUhrzeit> zeit = LeseZeit(text))
        return *zeit;
    std::vector<char> meldung(Spredit::Text9133.size() + text.size() + 1);
    std::snprintf(meldung.data(), meldung.size(), Spredit::Text9133.c_str(), text.c_str());
    platform::MessageBox(meldung.data(), Spredit::Text9048, platform::MB_OK | platform::MB_ICONWARNING);
    return TUhrzeit{};
}

TZeitSchritt TZeitEingabe::Schritt(TZeitFeld feld, int richtung, const TUhrzeit& zeit) const
{
    const int p = feld.SelStart + feld.SelLength;
    TUhrzeit neu = zeit;
    int start = 0;
    int laenge = 0;
    if (p <= 2) {
        neu.Stunde = Umlauf(zeit.Stunde, richtung, 24);
        start = 0;
        laenge = 2;
    } else if (p <= 5) {
        neu.Minute = Umlauf(zeit.Minute, richtung, 60);
        start = 3;
        laenge = 2;
    } else if (ZwoelfStunden) {
        neu.Stunde = (zeit.Stunde + 12) % 24;
        start = 5;
        laenge = 1;
    } else {
        return {feld, zeit, false};
    }
    return {TZeitFeld{GetTimeString(neu), start, laenge}, neu, false};
}

TZeitSchritt TZeitEingabe::Taste(const TZeitFeld& feld, TZeitTaste taste, const TUhrzeit& zeit) const
{
    switch (taste) {
    case TZeitTaste::Hoch:
        return Schritt(feld, +1, zeit);
    case TZeitTaste::Runter:
        return Schritt(feld, -1, zeit);
    case TZeitTaste::Rueckschritt: {
        int p = feld.SelStart + feld.SelLength;
        if (p <= 0)
            return {feld, zeit, false};
        if (p == 3)
            p = 2;
        TZeitFeld neu = feld;
        if (static_cast<std::size_t>(p - 1) < neu.Text.size())
            neu.Text[static_cast<std::size_t>(p - 1)] = ZwoelfStunden && p > 5 ? 'a' : '0';
        neu.SelStart = p - 1;
        neu.SelLength = 0;
        return {neu, zeit, false};
    }
    case TZeitTaste::Links:
    case TZeitTaste::Rechts:
        return {feld, zeit, true};
    default:
        return {feld, zeit, false};
    }
}

TZeitSchritt TZeitEingabe::Zeichen(const TZeitFeld& feld, char zeichen, const TUhrzeit& zeit) const
{
    TZeitFeld neu = feld;
    neu.SelLength = 0;
    int p = neu.SelStart;
    if (IstZiffer(zeichen)) {
        if (p == 2)
            p = 3;
        if (p < 0 || p > 4 || static_cast<std::size_t>(p) >= neu.Text.size())
            return {feld, zeit, false};
        neu.Text[static_cast<std::size_t>(p)] = zeichen;
        neu.SelStart = p + 1;
        return {neu, zeit, false};
    }
    if (zeichen == Trenner) {
        if (neu.Text.find(Trenner) != std::string::npos)
            return {feld, zeit, false};
        neu.Text.insert(static_cast<std::size_t>(p), 1, zeichen);
        neu.SelStart = p + 1;
        return {neu, zeit, false};
    }
    const char gross = static_cast<char>(std::toupper(static_cast<unsigned char>(zeichen)));
    if ((gross == 'A' || gross == 'P') && ZwoelfStunden && p == 5) {
        if (neu.Text.size() > 5)
            neu.Text[5] = zeichen;
        else
            neu.Text += zeichen;
        neu.SelStart = 6;
        return {neu, zeit, false};
    }
    return {feld, zeit, false};
}

TZeitSchritt TZeitEingabe::Pfeil(const TZeitFeld& feld, bool hatFokus, bool hoch) const
{
    TZeitFeld neu = feld;
    if (!hatFokus) {
        neu.SelStart = 3;
        neu.SelLength = 0;
    }
    const TUhrzeit zeit = CheckTime(neu.Text);
    return Schritt(neu, hoch ? +1 : -1, zeit);
}

} // namespace schaltzeit
