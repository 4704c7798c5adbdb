#pragma once

#include "climalib/EnumReglerFunktion.h"
#include "outside/datacore/EnumDataBasis.h"

#include <cstdint>

// The values of the controller function that a change of the operating type or of the number
// of circuits sets to their defaults, kept so that they can be put back when the change is
// refused. The operating type and the number of circuits are not among them.
struct TReglerBetriebsartWerte {
    T_DB_EnumDataBasis::TEnumBool StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Nein;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtHeizregelung = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtHeizung ArtHeizung = T_DB_EnumReglerFunktion::ahWarmwasserheizung;
    std::int32_t ProportionalbereichHeizen = 0;
    std::int32_t NachstellzeitHeizen = 0;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtZusatzstufeHeizen = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtHeizung ArtZusatzheizung = T_DB_EnumReglerFunktion::ahWarmwasserheizung;
    std::int32_t ProportionalbereichZusatzheizen = 0;
    std::int32_t NachstellzeitZusatzheizen = 0;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtHeizregelungRk2 = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtHeizung ArtHeizungRk2 = T_DB_EnumReglerFunktion::ahWarmwasserheizung;
    std::int32_t ProportionalbereichHeizenRk2 = 0;
    std::int32_t NachstellzeitHeizenRk2 = 0;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtKuehlregelung = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtKuehlung ArtKuehlung = T_DB_EnumReglerFunktion::akKuehldecke;
    std::int32_t ProportionalbereichKuehlen = 0;
    std::int32_t NachstellzeitKuehlen = 0;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtZusatzstufeKuehlen = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtKuehlung ArtZusatzkuehlung = T_DB_EnumReglerFunktion::akKuehldecke;
    std::int32_t ProportionalbereichZusatzkuehlen = 0;
    std::int32_t NachstellzeitZusatzkuehlen = 0;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtKuehlregelungRk2 = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtKuehlung ArtKuehlungRk2 = T_DB_EnumReglerFunktion::akKuehldecke;
    std::int32_t ProportionalbereichKuehlenRk2 = 0;
    std::int32_t NachstellzeitKuehlenRk2 = 0;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtRegelung = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumArtRegelung ArtRegelungZusatzstufe = T_DB_EnumReglerFunktion::arStetigePI;
    T_DB_EnumReglerFunktion::TEnumUmschaltungHeizenKuehlen UmschaltungHeizenKuehlen =
        T_DB_EnumReglerFunktion::uhkAutomatisch;
    T_DB_EnumReglerFunktion::TEnumBetriebsartNachReset BetriebsartNachReset = T_DB_EnumReglerFunktion::bnrHeizen;
};
