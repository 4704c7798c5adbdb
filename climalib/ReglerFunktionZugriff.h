#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"

class TDataBasis;
class TReglerFunktion;

// How the controller's pages reach their controller function: looked up on every use through the
// main window, and taken only when the answer really is a controller function.
namespace ReglerFunktionZugriff {

// The object as a controller function (type 6576), none for anything else.
TReglerFunktion* AsReglerFunktion(TDataBasis* object);

// Whether another device's page record belongs to a controller of the same structure as own:
// 1 yes; 0 another number of circuits or operating type; -9 when the table holds no record of
// the target's parent or that record is not a controller function.
int CompareTargetController(const TReglerFunktion& own, const TDatenManager<TDatenStruktur>& table,
                            const TDatenStruktur& target);

} // namespace ReglerFunktionZugriff
