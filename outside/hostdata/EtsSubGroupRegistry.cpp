#include "outside/hostdata/EtsSubGroupRegistry.h"

#include <algorithm>

namespace {

bool IdBelow(const TEtsSubGroup* group, std::int32_t id)
{
    return group->GetEtsId() < id;
}

} // namespace

TEtsSubGroup* TEtsSubGroupRegistry::Find(std::int32_t id) const
{
    const auto place = std::lower_bound(index_.begin(), index_.end(), id, IdBelow);
    return place != index_.end() && (*place)->GetEtsId() == id ? *place : nullptr;
}

TEtsSubGroup& TEtsSubGroupRegistry::FindOrMake(std::int32_t id, std::int32_t middleGroupId)
{
    const auto place = index_.empty() || index_.back()->GetEtsId() < id
                           ? index_.end()
                           : std::lower_bound(index_.begin(), index_.end(), id, IdBelow);
    if (place != index_.end() && (*place)->GetEtsId() == id)
        return **place;
    TEtsSubGroup& group = groups_.emplace_back(id, middleGroupId);
    index_.insert(place, &group);
    return group;
}
