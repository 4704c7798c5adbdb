#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace climatest {

// A record table holding copies of the records, as a paste or a global-parameter copy gets it.
std::unique_ptr<TDatenManager<TDatenStruktur>> RecordTable(const std::vector<TDatenStruktur>& records);

// A target record with its chain of additional records, as another device's table holds them:
// each additional record a copy of additional with Handle target.Handle + 1, + 2, …, Parent
// target.Handle and Next the Handle of the one after it; the target's Next is the first of them.
std::vector<TDatenStruktur> RecordWithChain(TDatenStruktur target, int additionalRecords,
                                            TDatenStruktur additional);

// The record of the table with that Handle, none when the table holds none.
TDatenStruktur* TableRecord(TDatenManager<TDatenStruktur>& table, std::int32_t handle);

} // namespace climatest
