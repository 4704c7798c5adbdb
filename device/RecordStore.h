#pragma once

#include "device/DatenStruktur.h"

#include <cstdint>
#include <map>
#include <utility>

// The live records of a device: one table per System, each a multimap from Parent to record.
// Entries with equal Parent keep the order in which they were filed. A record's address stays
// valid until that record is removed or the store is cleared.
class TRecordStore {
public:
    using TSystemTable = std::multimap<std::int32_t, TDatenStruktur>;
    using TIteratorPair = std::pair<TSystemTable::iterator, TSystemTable::iterator>;
    using TTables = std::map<std::int32_t, TSystemTable>;

    // The table of the System, or null when there is none.
    TSystemTable* FindTable(std::int32_t system);
    const TSystemTable* FindTable(std::int32_t system) const;
    // The table of the System; an empty one is added when there is none.
    TSystemTable& Table(std::int32_t system);

    // The first entry with this Handle among those filed under Parent (among all entries when
    // Parent < 0); end() when there is none.
    static TSystemTable::iterator FindIn(TSystemTable& table, std::int32_t parent, std::int32_t handle);

    // The stored record with these keys; a default record carrying them is filed under Parent
    // (a negative Parent too) when there is none.
    TDatenStruktur& FindOrCreate(std::int32_t system, std::int32_t parent, std::int32_t handle);

    // Files a copy of the record under its Parent in the table of its System.
    void File(const TDatenStruktur& record);

    void Clear() { tables_.clear(); }
    bool Empty() const { return tables_.empty(); }
    const TTables& Tables() const { return tables_; }
    TTables::const_iterator begin() const { return tables_.begin(); }
    TTables::const_iterator end() const { return tables_.end(); }

private:
    TTables tables_;
};
