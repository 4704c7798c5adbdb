#pragma once

#include "device/DatenStruktur.h"

class TDataBasis;

// Follows the chain of additional records from an object's main record by Next. A Next of 0
// or a record the device does not hold ends the chain; nothing is created.
class TRecordChainReader {
public:
    TRecordChainReader(TDataBasis& owner, const TDatenStruktur& mainRecord);

    const TDatenStruktur* Next();

private:
    TDataBasis& owner_;
    const TDatenStruktur* previous_;
};
