#include "climalib/ReglerFunktionZugriff.h"

#include "climalib/ReglerFunktion.h"

namespace ReglerFunktionZugriff {

TReglerFunktion* AsReglerFunktion(TDataBasis* object)
{
    if (!object || object->GetTyp() != TReglerFunktion::Typ)
        return nullptr;
    return dynamic_cast<TReglerFunktion*>(object);
}

int CompareTargetController(const TReglerFunktion& own, const TDatenManager<TDatenStruktur>& table,
                            const TDatenStruktur& target)
{
    TDatenStruktur controller;
    if (!table.Find("Handle", target.Parent, controller) || controller.Typ != TReglerFunktion::Typ)
        return -9;
    if (controller.Param15 != own.GetValueOfRegelkreise() || controller.Param4 != own.GetValueOfReglerBetriebsart())
        return 0;
    return 1;
}

} // namespace ReglerFunktionZugriff
