#include "climalib/ReglerFunktionZeilen.h"

#include "climalib/ReglerFunktionAuswahl.h"
#include "outside/datacore/DataBasis.h"

using namespace T_DB_EnumReglerFunktion;

void TReglerFunktionZeilen::Combo(const std::string& caption, int tag, const std::vector<TComboWert>& items, int wert)
{
    objekt_.AddRowComboBox(grid_, caption, tag, items, wert, 0, true);
}

void TReglerFunktionZeilen::JaNein(const std::string& caption, int tag, int wert)
{
    objekt_.AddRowComboBoxYes(grid_, caption, tag, wert, 0, true);
}

void TReglerFunktionZeilen::Spin(const std::string& caption, int tag, int maximum, int minimum, int wert)
{
    objekt_.AddRowSpinEdit(grid_, caption, tag, maximum, minimum, 1, wert, 0, true);
}

void TReglerFunktionZeilen::Anlage(const TAnlage& anlage)
{
    Combo(anlage.System, anlage.TagSystem,
          anlage.Kuehlen ? TReglerFunktionAuswahl::ArtKuehlung() : TReglerFunktionAuswahl::ArtHeizung(),
          anlage.SystemWert);
    const int ueberRegelparameter =
        anlage.Kuehlen ? static_cast<int>(akUeberRegelparameter) : static_cast<int>(ahUeberRegelparameter);
    if (anlage.SystemWert != ueberRegelparameter)
        return;
    Spin(anlage.Proportionalbereich, anlage.TagProportionalbereich, 127, 10, anlage.Satz.Proportionalbereich);
    Spin(anlage.Nachstellzeit, anlage.TagNachstellzeit, 255, 0, anlage.Satz.Nachstellzeit);
}

void TReglerFunktionZeilen::Hysterese(const TAnlage& anlage, bool oben, bool unten)
{
    if (oben)
        Spin(anlage.Oben, anlage.TagOben, 127, 5, anlage.Satz.ObereHysteresegrenze);
    if (unten)
        Spin(anlage.Unten, anlage.TagUnten, -5, -128, anlage.Satz.UntereHysteresegrenze);
}

void TReglerFunktionZeilen::Stufe(int tag, const std::string& caption, TEnumArtRegelung art, const TAnlage& anlage,
                                  bool oben, bool unten)
{
    Combo(caption, tag, TReglerFunktionAuswahl::ArtRegelung(), art);
    if (art != arZweiPunkt)
        Anlage(anlage);
    else
        Hysterese(anlage, oben, unten);
}

void TReglerFunktionZeilen::Gemeinsam(int tag, const std::string& caption, TEnumArtRegelung art,
                                      const TAnlage& heizen, const TAnlage& kuehlen, bool ueberObjekt)
{
    Combo(caption, tag, TReglerFunktionAuswahl::ArtRegelung(), art);
    if (art != arZweiPunkt) {
        Anlage(heizen);
        Anlage(kuehlen);
    } else {
        Hysterese(heizen, ueberObjekt, true);
        Hysterese(kuehlen, true, ueberObjekt);
    }
}
