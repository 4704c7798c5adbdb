#include "climalib/ReglerFunktionZugriff.h"

#include "climalib/ReglerFunktion.h"

namespace ReglerFunktionZugriff {

TReglerFunktion* AsReglerFunktion(TDataBasis* object)
{
    if (!object || object->GetTyp() != TReglerFunktion::Typ)
        return nullptr;
    return dynamic_cast<TReglerFunktion*>(object);
}

bool FindTargetController(const TDatenManager<TDatenStruktur>& table, const TDatenStruktur& target,
                          TDatenStruktur& controller)
{
    return table.Find("Handle", target.Parent, controller) && controller.Typ == TReglerFunktion::Typ;
}

bool SameStructure(const TReglerFunktion& own, const TDatenStruktur& controller)
{
    return controller.Param15 == own.GetValueOfRegelkreise() && controller.Param4 == own.GetValueOfReglerBetriebsart();
}

int CompareTargetController(const TReglerFunktion* own, const TDatenManager<TDatenStruktur>& table,
                            const TDatenStruktur& target)
{
    if (!own)
        return -9;
    TDatenStruktur controller;
    if (!FindTargetController(table, target, controller))
        return -9;
    return SameStructure(*own, controller) ? 1 : 0;
}

} // namespace ReglerFunktionZugriff
