#include "climalib/ReglerFunktionAuswahl.h"

#include "app/Sprclimalib.h"

using namespace Sprclimalib;

std::vector<TComboWert> TReglerFunktionAuswahl::BetriebsmodusUmschaltung()
{
    return {{Text14006, 0}, {Text14007, 1}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::Regelkreise()
{
    return {{Text14008, 0}, {Text14009, 1}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::Betriebsart()
{
    return {{Text14000, 0}, {Text14001, 1}, {Text14002, 2}, {Text14003, 3}, {Text14004, 4}, {Text14005, 5}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::BetriebsartRegelkreise()
{
    return {{Text14000, 0}, {Text14001, 1}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::ArtRegelung()
{
    return {{Text14024, 0}, {Text14025, 1}, {Text14026, 2}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::ArtHeizung()
{
    return {{Text14027, 0}, {Text14028, 1}, {Text14029, 2}, {Text14030, 3}, {Text14031, 4}, {Text14032, 5}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::ArtKuehlung()
{
    return {{Text14033, 0}, {Text14030, 1}, {Text14031, 2}, {Text14032, 3}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::ReglerBedienungSperrbar()
{
    return {{Text14010, 0}, {Text14011, 1}, {Text14034, 2}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::ReglerAbschalten()
{
    return {{Text14010, 0}, {Text14034, 1}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::UmschaltungHeizenKuehlen()
{
    return {{Text14012, 0}, {Text14034, 1}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::BetriebsartNachReset()
{
    return {{Text14000, 0}, {Text14001, 1}, {Text14013, 2}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::AutomatischesSendenUmschaltung()
{
    return {{Text14014, 0}, {Text14015, 1}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::FrostHitzeschutz()
{
    return {{Text14016, 0}, {Text14017, 1}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::FrostschutzAutomatik()
{
    return {{Text14018, 0}, {Text14019, 1}, {Text14020, 2}, {Text14021, 3}, {Text14022, 4}, {Text14023, 5}};
}

std::vector<TComboWert> TReglerFunktionAuswahl::ObjekttypLuefterstufen()
{
    return {{Text14224, 0}, {Text14225, 1}};
}
