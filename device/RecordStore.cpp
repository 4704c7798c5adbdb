#include "device/RecordStore.h"

#include <optional>

std::uint64_t TRecordStore::Key(std::int32_t system, std::int32_t handle)
{
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(system)) << 32 | static_cast<std::uint32_t>(handle);
}

TRecordStore::TSystemTable* TRecordStore::FindTable(std::int32_t system)
{
    const auto it = tables_.find(system);
    return it == tables_.end() ? nullptr : &it->second;
}

const TRecordStore::TSystemTable* TRecordStore::FindTable(std::int32_t system) const
{
    const auto it = tables_.find(system);
    return it == tables_.end() ? nullptr : &it->second;
}

std::optional<TRecordStore::TPlace> TRecordStore::FindPlace(std::int32_t system, std::int32_t parent,
                                                            std::int32_t handle)
{
    // The entries with the handle: those under the lowest Parent (or under the one asked for).
    // Entries under one Parent keep their filing order, which only the table knows.
    const auto [first, last] = index_.equal_range(Key(system, handle));
    std::optional<TPlace> found;
    bool several = false;
    for (auto it = first; it != last; ++it) {
        const TPlace place = it->second;
        if (parent >= 0 && place->first != parent)
            continue;
        if (!found || place->first < (*found)->first) {
            found = place;
            several = false;
        } else if (place->first == (*found)->first) {
            several = true;
        }
    }
    if (found && several) {
        TSystemTable& table = tables_.find(system)->second;
        for (auto [it, end] = table.equal_range((*found)->first); it != end; ++it) {
            if (it->second.Handle == handle)
                return it;
        }
    }
    return found;
}

TDatenStruktur* TRecordStore::Find(std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    const std::optional<TPlace> place = FindPlace(system, parent, handle);
    return place ? &(*place)->second : nullptr;
}

TRecordStore::TPlace TRecordStore::Insert(std::int32_t system, const TDatenStruktur& record)
{
    TSystemTable& table = tables_[system];
    const TPlace place = table.emplace(record.Parent, record);
    try {
        index_.emplace(Key(system, record.Handle), place);
    } catch (...) {
        table.erase(place);
        throw;
    }
    return place;
}

TDatenStruktur& TRecordStore::FindOrCreate(std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    if (TDatenStruktur* record = Find(system, parent, handle))
        return *record;
    TDatenStruktur record;
    record.System = system;
    record.Parent = parent;
    record.Handle = handle;
    return Insert(system, record)->second;
}

void TRecordStore::File(const TDatenStruktur& record)
{
    Insert(record.System, record);
}

bool TRecordStore::Remove(std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    const std::optional<TPlace> place = FindPlace(system, parent, handle);
    if (!place)
        return false;
    for (auto [it, end] = index_.equal_range(Key(system, handle)); it != end; ++it) {
        if (it->second == *place) {
            index_.erase(it);
            break;
        }
    }
    tables_.find(system)->second.erase(*place);
    return true;
}

void TRecordStore::Clear()
{
    index_.clear();
    tables_.clear();
}
