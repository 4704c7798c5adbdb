#pragma once

#include "device/DatenStruktur.h"

#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

// The live records of a device: one table per System, each a multimap from Parent to record.
// Entries with equal Parent keep the order in which they were filed. A record's address stays
// valid until that record is removed or the store is cleared. The store finds a record by its
// Handle at once, whatever the size of its table: the Handle a record was filed with is its key
// and is not changed in place (its other fields are the caller's to change).
class TRecordStore {
public:
    using TSystemTable = std::multimap<std::int32_t, TDatenStruktur>;
    using TIteratorPair = std::pair<TSystemTable::iterator, TSystemTable::iterator>;
    using TTables = std::map<std::int32_t, TSystemTable>;

    // The table of the System, or null when there is none. Its records may be changed through
    // it; entries are filed and removed through the store only.
    TSystemTable* FindTable(std::int32_t system);
    const TSystemTable* FindTable(std::int32_t system) const;

    // The first entry in table order with this Handle among those filed under Parent (among all
    // entries when Parent < 0); null when there is none.
    TDatenStruktur* Find(std::int32_t system, std::int32_t parent, std::int32_t handle);

    // The stored record with these keys; a default record carrying them is filed under Parent
    // (a negative Parent too) when there is none.
    TDatenStruktur& FindOrCreate(std::int32_t system, std::int32_t parent, std::int32_t handle);

    // Files a copy of the record under its Parent in the table of its System.
    void File(const TDatenStruktur& record);

    // Removes the entry Find answers; false when there is none.
    bool Remove(std::int32_t system, std::int32_t parent, std::int32_t handle);

    void Clear();
    bool Empty() const { return tables_.empty(); }
    const TTables& Tables() const { return tables_; }
    TTables::const_iterator begin() const { return tables_.begin(); }
    TTables::const_iterator end() const { return tables_.end(); }

private:
    using TPlace = TSystemTable::iterator;
    // The places of the entries of one System and Handle.
    using THandleIndex = std::unordered_multimap<std::uint64_t, TPlace>;

    static std::uint64_t Key(std::int32_t system, std::int32_t handle);
    // The place of the entry Find answers; none when there is none.
    std::optional<TPlace> FindPlace(std::int32_t system, std::int32_t parent, std::int32_t handle);
    TPlace Insert(std::int32_t system, const TDatenStruktur& record);

    TTables tables_;
    THandleIndex index_;
};
