#pragma once

#include "climalib/EnumReglerFunktion.h"
#include "climalib/Regelparameter.h"
#include "outside/tablebox/ComboWert.h"

#include <string>
#include <vector>

class TDataBasis;
class TDrawGridSE;

// Adds the rows of the controller function to its grid: every combo and spin row passes true
// as its flag; a stage shows its control type, then its system rows or, with 2-point control,
// its hysteresis limits.
class TReglerFunktionZeilen {
public:
    // The rows of a heating or cooling system with its control parameters.
    struct TAnlage {
        bool Kuehlen;
        int TagSystem;
        const std::string& System;
        int SystemWert;
        const TRegelparameter& Satz;
        int TagProportionalbereich;
        const std::string& Proportionalbereich;
        int TagNachstellzeit;
        const std::string& Nachstellzeit;
        int TagOben;
        const std::string& Oben;
        int TagUnten;
        const std::string& Unten;
    };

    TReglerFunktionZeilen(TDataBasis& objekt, TDrawGridSE* grid) : objekt_(objekt), grid_(grid) {}

    void Combo(const std::string& caption, int tag, const std::vector<TComboWert>& items, int wert);
    void JaNein(const std::string& caption, int tag, int wert);
    void Spin(const std::string& caption, int tag, int maximum, int minimum, int wert);

    // The system; with "Über Regelparameter" its proportional band and reset time.
    void Anlage(const TAnlage& anlage);
    // The hysteresis limits of 2-point control, each only when asked for.
    void Hysterese(const TAnlage& anlage, bool oben, bool unten);
    // A stage: its control type, then the system rows, or with 2-point control the limits.
    void Stufe(int tag, const std::string& caption, T_DB_EnumReglerFunktion::TEnumArtRegelung art,
               const TAnlage& anlage, bool oben, bool unten);
    // A heating and a cooling stage on one common control type; with 2-point control the upper
    // heating and the lower cooling limit only when switching over by object.
    void Gemeinsam(int tag, const std::string& caption, T_DB_EnumReglerFunktion::TEnumArtRegelung art,
                   const TAnlage& heizen, const TAnlage& kuehlen, bool ueberObjekt);

private:
    TDataBasis& objekt_;
    TDrawGridSE* grid_;
};
