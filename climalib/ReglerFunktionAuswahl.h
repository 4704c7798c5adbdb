#pragma once

#include "outside/tablebox/ComboWert.h"

#include <vector>

// The items of the controller function's combo rows (caption and value), built anew for each
// row from the loaded user texts.
class TReglerFunktionAuswahl {
public:
    static std::vector<TComboWert> BetriebsmodusUmschaltung();
    static std::vector<TComboWert> Regelkreise();
    // The six operating types of one circuit.
    static std::vector<TComboWert> Betriebsart();
    // The two operating types of two circuits.
    static std::vector<TComboWert> BetriebsartRegelkreise();
    static std::vector<TComboWert> ArtRegelung();
    static std::vector<TComboWert> ArtHeizung();
    static std::vector<TComboWert> ArtKuehlung();
    static std::vector<TComboWert> ReglerBedienungSperrbar();
    static std::vector<TComboWert> ReglerAbschalten();
    static std::vector<TComboWert> UmschaltungHeizenKuehlen();
    static std::vector<TComboWert> BetriebsartNachReset();
    static std::vector<TComboWert> AutomatischesSendenUmschaltung();
    static std::vector<TComboWert> FrostHitzeschutz();
    static std::vector<TComboWert> FrostschutzAutomatik();
    static std::vector<TComboWert> ObjekttypLuefterstufen();
};
