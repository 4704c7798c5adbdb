#pragma once

#include "climalib/MainWindowLink.h"
#include "device/DatenStruktur.h"

#include <vector>

class TDataBasis;

// The records of data objects as they were before a change that may still be refused: for each
// object its record and the records chained to it. A request that adapts another object keeps
// that object's records here before it changes them (the sender passes the keep in the
// request's Result); when the change is refused the sender puts them back.
class TDatenSicherung {
public:
    // Keeps the records (the object's record first, then its chain in order). An object kept
    // already keeps its first records.
    void Sichern(const std::vector<TDatenStruktur>& records);
    bool IsEmpty() const { return kept_.empty(); }

    // Puts every kept object's records back in the device, the last kept first (its new chain
    // goes, the old chain comes back with its handles), and has the object read them again.
    // Answers the objects put back, in that order; an object no longer registered is passed over.
    std::vector<TDataBasis*> Zuruecksetzen(const TMainWindowLink& mainWindow) const;

private:
    std::vector<std::vector<TDatenStruktur>> kept_;
};
