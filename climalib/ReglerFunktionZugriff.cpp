#include "climalib/ReglerFunktionZugriff.h"

#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionAuswahl.h"
#include "app/Sprclimalib.h"
#include "climalib/EnumReglerFunktion.h"

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

std::string StructureDifference(const TReglerFunktion& own, const TDatenStruktur& controller)
{
    const auto caption = [](const std::vector<TComboWert>& items, int value) {
        for (const TComboWert& item : items)
            if (item.Value == value)
                return item.Caption;
        return std::to_string(value);
    };
    std::string difference;
    const auto add = [&](const std::string& setting, const std::vector<TComboWert>& items, int ownValue,
                         int targetValue) {
        if (ownValue == targetValue)
            return;
        if (!difference.empty())
            difference += "; ";
        difference += setting + ": " + caption(items, ownValue) + " (im Ger\xE4t: " + caption(items, targetValue) + ")";
    };
    add(Sprclimalib::Text14039, TReglerFunktionAuswahl::Regelkreise(), own.GetValueOfRegelkreise(), controller.Param15);
    const std::vector<TComboWert> types = own.GetValueOfRegelkreise() == T_DB_EnumReglerFunktion::rkZweiRegelkreise
        ? TReglerFunktionAuswahl::BetriebsartRegelkreise()
        : TReglerFunktionAuswahl::Betriebsart();
    add(Sprclimalib::Text14040, types, own.GetValueOfReglerBetriebsart(), controller.Param4);
    return difference;
}

int CompareTargetController(const TReglerFunktion* own, const TDatenManager<TDatenStruktur>& table,
                            const TDatenStruktur& target, std::string& message)
{
    if (!own)
        return -9;
    TDatenStruktur controller;
    if (!FindTargetController(table, target, controller))
        return -9;
    if (SameStructure(*own, controller))
        return 1;
    message = StructureDifference(*own, controller);
    return 0;
}

} // namespace ReglerFunktionZugriff
