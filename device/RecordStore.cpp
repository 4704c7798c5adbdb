#include "device/RecordStore.h"

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

TRecordStore::TSystemTable& TRecordStore::Table(std::int32_t system)
{
    return tables_[system];
}

TRecordStore::TSystemTable::iterator TRecordStore::FindIn(TSystemTable& table, std::int32_t parent,
                                                          std::int32_t handle)
{
    auto first = table.begin();
    auto last = table.end();
    if (parent >= 0)
        std::tie(first, last) = table.equal_range(parent);
    for (auto it = first; it != last; ++it) {
        if (it->second.Handle == handle)
            return it;
    }
    return table.end();
}

TDatenStruktur& TRecordStore::FindOrCreate(std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    TSystemTable& table = Table(system);
    if (const auto it = FindIn(table, parent, handle); it != table.end())
        return it->second;
    TDatenStruktur record;
    record.System = system;
    record.Parent = parent;
    record.Handle = handle;
    return table.emplace(parent, std::move(record))->second;
}

void TRecordStore::File(const TDatenStruktur& record)
{
    Table(record.System).emplace(record.Parent, record);
}
