#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"

#include <string>

class TDataBasis;
class TReglerFunktion;

// How the controller's pages reach their controller function: looked up on every use through the
// main window, and taken only when the answer really is a controller function.
namespace ReglerFunktionZugriff {

// The object as a controller function (type 6576), none for anything else.
TReglerFunktion* AsReglerFunktion(TDataBasis* object);

// The record of the controller function that another device's page record belongs to: false
// when the table holds no record of the target's parent or that record is not a controller
// function.
bool FindTargetController(const TDatenManager<TDatenStruktur>& table, const TDatenStruktur& target,
                          TDatenStruktur& controller);

// Whether a controller record has the structure of own: the same number of circuits and the same
// operating type.
bool SameStructure(const TReglerFunktion& own, const TDatenStruktur& controller);

// The settings in which a controller record differs from own, as the user reads them:
// "Regelkreise: 2 Regelkreise (im Gerät: 1 Regelkreis)", the operating type likewise, joined by
// "; "; empty when the structure is the same.
std::string StructureDifference(const TReglerFunktion& own, const TDatenStruktur& controller);

// Whether another device's page record belongs to a controller of the same structure as own:
// 1 yes; 0 another number of circuits or operating type (the message says which); -9 without own
// controller, or when the target's controller record cannot be found (FindTargetController).
int CompareTargetController(const TReglerFunktion* own, const TDatenManager<TDatenStruktur>& table,
                            const TDatenStruktur& target, std::string& message);

} // namespace ReglerFunktionZugriff
