#pragma once

#include "climalib/EnumReglerFunktion.h"
#include "outside/datacore/EnumDataBasis.h"

#include <array>

// A communication object of the controller function: its object number (the display order of
// the device parameter that switches it) and the position base of the data objects created
// for it.
struct TReglerObjekt {
    int Objektnummer = 0;
    int Positionsbasis = 0;
};

// The choices of the controller function that decide the values of its heating and cooling
// objects.
struct TReglerStufenWahl {
    T_DB_EnumReglerFunktion::TEnumRegelkreise Regelkreise = T_DB_EnumReglerFunktion::rkEinRegelkreis;
    T_DB_EnumReglerFunktion::TEnumReglerBetriebsart Betriebsart = T_DB_EnumReglerFunktion::rbaHeizen;
    T_DB_EnumDataBasis::TEnumBool GemeinsamesObjekt = T_DB_EnumDataBasis::Nein;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtHeizregelung = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtHeizregelungRk2 = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtZusatzstufeHeizen = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtKuehlregelung = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtKuehlregelungRk2 = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtZusatzstufeKuehlen = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtRegelung = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtRegelungZusatzstufe = T_DB_EnumReglerFunktion::arStetigePI;
};

// The communication objects of the controller function and the value tables of its actuating
// objects: which variant each heating and cooling object takes for the chosen operating type,
// circuits, common or separate object and control types (0 = no object).
class TReglerObjektwerte {
public:
    using TWerte = std::array<int, 4>;
    using TObjekte = std::array<TReglerObjekt, 4>;

    static constexpr TReglerObjekt Standard{3000, -2000};
    static constexpr TReglerObjekt BetriebsmodusUmschaltung{3050, -1900};
    static constexpr TReglerObjekt BetriebsmodusWert{3060, -1500};
    static constexpr TReglerObjekt Fensterstatus{3080, -1400};
    static constexpr TReglerObjekt HeizenKuehlenUmschaltung{3090, -1300};
    static constexpr TReglerObjekt BedienungSperre{3130, -1200};
    static constexpr TReglerObjekt ReglerSperre{3140, -1100};
    static constexpr TReglerObjekt SperrobjektZusatzstufe{3150, -1000};
    static constexpr TReglerObjekt Luefterstufen{3280, -100};
    // Heating and cooling objects in the order they are switched and asked for.
    static constexpr TObjekte Heizobjekte{{{3160, -900}, {3200, -899}, {3170, -898}, {3210, -897}}};
    static constexpr TObjekte Kuehlobjekte{{{3180, -500}, {3220, -499}, {3190, -498}, {3230, -497}}};
    // Objects of the pages that go with a change of the controller's structure; the device
    // switches them when it brings the pages in line.
    static constexpr int StatusHeizen = 3110;
    static constexpr int StatusKuehlen = 3120;
    static constexpr int SollwertRk2 = 3250;
    static constexpr int SollwertVerschiebungRk2 = 3040;
    static constexpr int Raumtemperatur = 3010;

    // Values of 3160, 3200, 3170, 3210.
    static TWerte Heizen(const TReglerStufenWahl& wahl);
    // Values of 3180, 3220, 3190, 3230.
    static TWerte Kuehlen(const TReglerStufenWahl& wahl);
};
