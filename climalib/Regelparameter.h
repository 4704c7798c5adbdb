#pragma once

#include "climalib/EnumReglerFunktion.h"

#include <cstdint>

// The control parameters of one stage of the controller: proportional band and the hysteresis
// limits in tenths of a kelvin, the reset time in minutes (0 = inactive).
struct TRegelparameter {
    std::int32_t Proportionalbereich = 50;   // 10..127
    std::int32_t Nachstellzeit = 150;        // 0..255
    std::int32_t ObereHysteresegrenze = 5;   // 5..127
    std::int32_t UntereHysteresegrenze = -5; // -128..-5

    bool operator==(const TRegelparameter&) const = default;

    static TRegelparameter Heizen() { return {50, 150, 5, -5}; }
    static TRegelparameter Kuehlen() { return {50, 240, 5, -5}; }

    // The preset of a heating or cooling system: sets proportional band and reset time and keeps
    // the hysteresis limits. "Über Regelparameter" (or a value without a preset) keeps both.
    void VorgabeHeizung(T_DB_EnumReglerFunktion::TEnumArtHeizung art);
    void VorgabeKuehlung(T_DB_EnumReglerFunktion::TEnumArtKuehlung art);
};
