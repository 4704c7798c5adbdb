#pragma once

#include <cstdint>

// The choices of the room-temperature controller function; each value is the value of its
// combo item.
namespace T_DB_EnumReglerFunktion {

enum TEnumBetriebsmodusUmschaltung : std::uint8_t {
    bmuUeberWert = 0,     // "Über Wert (Byte)"
    bmuUeberSchalten = 1, // "Über Schalten (4 x 1 Bit)"
};

enum TEnumRegelkreise : std::uint8_t {
    rkEinRegelkreis = 0,  // "1 Regelkreis"
    rkZweiRegelkreise = 1, // "2 Regelkreise"
};

// With two control circuits only Heizen and Kuehlen are offered.
enum TEnumReglerBetriebsart : std::uint8_t {
    rbaHeizen = 0,
    rbaKuehlen = 1,
    rbaHeizenUndKuehlen = 2,
    rbaGrundZusatzHeizen = 3,
    rbaGrundZusatzKuehlen = 4,
    rbaGrundZusatzHeizenKuehlen = 5,
};

// The control type of a stage.
enum TEnumArtRegelung : std::uint8_t {
    arStetigePI = 0,    // "Stetige PI-Regelung"
    arSchaltendePWM = 1, // "Schaltende PI-Regelung (PWM)"
    arZweiPunkt = 2,    // "Schaltende 2-Punkt-Regelung (EIN/AUS)"
};

enum TEnumArtHeizung : std::uint8_t {
    ahWarmwasserheizung = 0,
    ahFussbodenheizung = 1,
    ahElektroheizung = 2,
    ahGeblaesekonvektor = 3,
    ahSplitUnit = 4,
    ahUeberRegelparameter = 5,
};

enum TEnumArtKuehlung : std::uint8_t {
    akKuehldecke = 0,
    akGeblaesekonvektor = 1,
    akSplitUnit = 2,
    akUeberRegelparameter = 3,
};

enum TEnumReglerBedienungSperrbar : std::uint8_t {
    rbsNein = 0,
    rbsImmerGesperrt = 1,
    rbsUeberObjekt = 2,
};

enum TEnumReglerAbschalten : std::uint8_t {
    raNein = 0,
    raUeberObjekt = 1,
};

enum TEnumUmschaltungHeizenKuehlen : std::uint8_t {
    uhkAutomatisch = 0,
    uhkUeberObjekt = 1,
};

enum TEnumBetriebsartNachReset : std::uint8_t {
    bnrHeizen = 0,
    bnrKuehlen = 1,
    bnrBetriebsartVorReset = 2,
};

enum TEnumAutomatischesSendenUmschaltung : std::uint8_t {
    asuBeimAendernDerBetriebsart = 0,
    asuBeimAendernDerAusgangsgroesse = 1,
};

enum TEnumFrostHitzeschutz : std::uint8_t {
    fhsFrostschutzAutomatik = 0,
    fhsUeberFensterstatus = 1,
};

enum TEnumFrostschutzAutomatik : std::uint8_t {
    fsaAus = 0,
    fsa02KProMin = 1,
    fsa03KProMin = 2,
    fsa04KProMin = 3,
    fsa05KProMin = 4,
    fsa06KProMin = 5,
};

enum TEnumObjekttypLuefterstufen : std::uint8_t {
    olDreiMalEinBit = 0, // "3 x 1 Bit"
    olEinByte = 1,       // "1 Byte"
};

} // namespace T_DB_EnumReglerFunktion
