#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The records of another device that a global-parameter copy writes into: the target record
// and its chain of additional records, collected from the table (the records whose Parent is
// the target's Handle, followed from the target's Next; the first Next not found ends the chain).
// The additional records are written into a filtered copy of the table that goes back into the
// table when this object ends.
class TGlobalParameterTarget {
public:
    using TRecordTable = TDatenManager<TDatenStruktur>;

    TGlobalParameterTarget(TRecordTable* table, TDatenStruktur* target);
    ~TGlobalParameterTarget();
    TGlobalParameterTarget(const TGlobalParameterTarget&) = delete;
    TGlobalParameterTarget& operator=(const TGlobalParameterTarget&) = delete;

    // False when the table or the target is missing.
    bool IsValid() const { return !chain_.empty(); }
    // Records in the chain, the target itself included.
    std::size_t Size() const { return chain_.size(); }
    // Record index of the chain (0 = the target). Beyond the chain: none, and the message becomes
    // "Handle: <target's Handle>; Index: <index>".
    TDatenStruktur* Record(std::size_t index, std::string& message) const;

private:
    TRecordTable* children_ = nullptr; // owned by the table; deleted (written back) by this object
    std::vector<TDatenStruktur*> chain_;
};
