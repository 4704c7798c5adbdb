#include "tests/climalib/support/TestRecords.h"

#include <string>

namespace climatest {

std::unique_ptr<TDatenManager<TDatenStruktur>> RecordTable(const std::vector<TDatenStruktur>& records)
{
    std::string text;
    for (const TDatenStruktur& record : records)
        text += record.ToString() + "\r\n";
    return std::make_unique<TDatenManager<TDatenStruktur>>(text.data(), text.size());
}

std::vector<TDatenStruktur> RecordWithChain(TDatenStruktur target, int additionalRecords,
                                            TDatenStruktur additional)
{
    target.Next = additionalRecords > 0 ? target.Handle + 1 : 0;
    std::vector<TDatenStruktur> records{target};
    for (int i = 0; i < additionalRecords; ++i) {
        additional.Handle = target.Handle + 1 + i;
        additional.Parent = target.Handle;
        additional.Next = i + 1 < additionalRecords ? additional.Handle + 1 : 0;
        records.push_back(additional);
    }
    return records;
}

TDatenStruktur* TableRecord(TDatenManager<TDatenStruktur>& table, std::int32_t handle)
{
    for (TDatenStruktur* record = table.First(); record; record = table.Next()) {
        if (record->Handle == handle)
            return record;
    }
    return nullptr;
}

} // namespace climatest
