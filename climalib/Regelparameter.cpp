#include "climalib/Regelparameter.h"

using namespace T_DB_EnumReglerFunktion;

void TRegelparameter::VorgabeHeizung(TEnumArtHeizung art)
{
    switch (art) {
    case ahWarmwasserheizung:
        Proportionalbereich = 50;
        Nachstellzeit = 150;
        break;
    case ahFussbodenheizung:
        Proportionalbereich = 50;
        Nachstellzeit = 240;
        break;
    case ahElektroheizung:
        Proportionalbereich = 40;
        Nachstellzeit = 100;
        break;
    case ahGeblaesekonvektor:
    case ahSplitUnit:
        Proportionalbereich = 40;
        Nachstellzeit = 90;
        break;
    default:
        break;
    }
}

void TRegelparameter::VorgabeKuehlung(TEnumArtKuehlung art)
{
    switch (art) {
    case akKuehldecke:
        Proportionalbereich = 50;
        Nachstellzeit = 240;
        break;
    case akGeblaesekonvektor:
    case akSplitUnit:
        Proportionalbereich = 40;
        Nachstellzeit = 90;
        break;
    default:
        break;
    }
}
