#include "climalib/ReglerObjektwerte.h"

using namespace T_DB_EnumReglerFunktion;

namespace {

// The variant of an object that tells the three control types apart: 2-point control takes the
// first value, PWM the next, continuous PI the one after; any other value no object.
int NachArt(TEnumArtRegelung art, int zweiPunkt)
{
    switch (art) {
    case arZweiPunkt:
        return zweiPunkt;
    case arSchaltendePWM:
        return zweiPunkt + 1;
    case arStetigePI:
        return zweiPunkt + 2;
    }
    return 0;
}

// An object that exists only with PWM control.
int NurPWM(TEnumArtRegelung art, int wert)
{
    return art == arSchaltendePWM ? wert : 0;
}

bool Gemeinsam(const TReglerStufenWahl& wahl)
{
    return wahl.GemeinsamesObjekt != T_DB_EnumDataBasis::Nein;
}

bool ZweiRegelkreise(const TReglerStufenWahl& wahl)
{
    return wahl.Regelkreise == rkZweiRegelkreise;
}

} // namespace

TReglerObjektwerte::TWerte TReglerObjektwerte::Heizen(const TReglerStufenWahl& wahl)
{
    switch (wahl.Betriebsart) {
    case rbaHeizen:
        if (ZweiRegelkreise(wahl))
            return {NachArt(wahl.ArtHeizregelung, 1), NachArt(wahl.ArtHeizregelungRk2, 5), 0, 0};
        return {NachArt(wahl.ArtHeizregelung, 1), NurPWM(wahl.ArtHeizregelung, 1), 0, 0};
    case rbaHeizenUndKuehlen:
        if (Gemeinsam(wahl))
            return {NachArt(wahl.ArtRegelung, 4), NurPWM(wahl.ArtRegelung, 3), 0, 0};
        return {NachArt(wahl.ArtHeizregelung, 1), NurPWM(wahl.ArtHeizregelung, 1), 0, 0};
    case rbaGrundZusatzHeizenKuehlen:
        if (Gemeinsam(wahl))
            return {NachArt(wahl.ArtRegelung, 10), NurPWM(wahl.ArtRegelung, 4),
                    NachArt(wahl.ArtRegelungZusatzstufe, 4), NurPWM(wahl.ArtRegelungZusatzstufe, 2)};
        [[fallthrough]];
    case rbaGrundZusatzHeizen:
        return {NachArt(wahl.ArtHeizregelung, 7), NurPWM(wahl.ArtHeizregelung, 2),
                NachArt(wahl.ArtZusatzstufeHeizen, 1), NurPWM(wahl.ArtZusatzstufeHeizen, 1)};
    case rbaKuehlen:
    case rbaGrundZusatzKuehlen:
        break;
    }
    return {0, 0, 0, 0};
}

TReglerObjektwerte::TWerte TReglerObjektwerte::Kuehlen(const TReglerStufenWahl& wahl)
{
    switch (wahl.Betriebsart) {
    case rbaKuehlen:
        if (ZweiRegelkreise(wahl))
            return {NachArt(wahl.ArtKuehlregelung, 1), NachArt(wahl.ArtKuehlregelungRk2, 3), 0, 0};
        return {NachArt(wahl.ArtKuehlregelung, 1), NurPWM(wahl.ArtKuehlregelung, 1), 0, 0};
    case rbaHeizenUndKuehlen:
        if (Gemeinsam(wahl))
            break;
        return {NachArt(wahl.ArtKuehlregelung, 1), NurPWM(wahl.ArtKuehlregelung, 1), 0, 0};
    case rbaGrundZusatzHeizenKuehlen:
        if (Gemeinsam(wahl))
            break;
        [[fallthrough]];
    case rbaGrundZusatzKuehlen:
        return {NachArt(wahl.ArtKuehlregelung, 4), NurPWM(wahl.ArtKuehlregelung, 2),
                NachArt(wahl.ArtZusatzstufeKuehlen, 1), NurPWM(wahl.ArtZusatzstufeKuehlen, 1)};
    case rbaHeizen:
    case rbaGrundZusatzHeizen:
        break;
    }
    return {0, 0, 0, 0};
}
