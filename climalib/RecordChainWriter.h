#pragma once

#include "climalib/MainWindowLink.h"
#include "device/DatenStruktur.h"

#include <cstdint>

class TDataBasis;

// Replaces the chain of additional records behind an object's main record: the old chain
// (remembered by its first handle) is deleted and the main record's Next cleared; each call of
// Next then chains a new record to the previous one. Once a record cannot be had, the chain
// ends there and Next answers none.
class TRecordChainWriter {
public:
    TRecordChainWriter(TDataBasis& owner, const TMainWindowLink& mainWindow, TDatenStruktur& mainRecord,
                       std::int32_t oldNext);

    TDatenStruktur* Next();

private:
    TDataBasis& owner_;
    TDatenStruktur* previous_;
};
