#include "climalib/GlobalParameterTarget.h"

#include <cstdio>
#include <set>

TGlobalParameterTarget::TGlobalParameterTarget(TRecordTable* table, TDatenStruktur* target)
{
    if (!table || !target)
        return;
    chain_.push_back(target);
    children_ = table->FilterFeldName("Parent", static_cast<std::int32_t>(target->Handle));
    if (!children_)
        return;
    std::set<std::int32_t> seen{target->Handle};
    std::int32_t next = target->Next;
    while (next > 0 && seen.insert(next).second) {
        TDatenStruktur* found = nullptr;
        for (TDatenStruktur* record = children_->First(); record; record = children_->Next()) {
            if (record->Handle == next) {
                found = record;
                break;
            }
        }
        if (!found)
            break;
        chain_.push_back(found);
        next = found->Next;
    }
}

TGlobalParameterTarget::~TGlobalParameterTarget()
{
    delete children_; // carries the written records back into the table
}

TDatenStruktur* TGlobalParameterTarget::Record(std::size_t index, std::string& message) const
{
    if (index < chain_.size())
        return chain_[index];
    char text[64];
    std::snprintf(text, sizeof text, "Handle: %d; Index: %d", chain_.empty() ? 0 : chain_.front()->Handle,
                  static_cast<int>(index));
    message = text;
    return nullptr;
}
