#include "outside/datacore/EibHandle.h"

#include "outside/datacore/E_Basis.h"

TEibHandle::TEibHandle(const std::list<int>& handlesInUse) : loaded_(handlesInUse)
{
    BuildNewTable();
}

TEibHandle::~TEibHandle() = default;

void TEibHandle::BuildNewTable()
{
    inUse_.clear();
    inUse_.insert(loaded_.begin(), loaded_.end());
    inUse_.insert(givenOut_.begin(), givenOut_.end());
}

std::int32_t TEibHandle::GetNewHandle()
{
    std::int32_t candidate = 1;
    for (auto it = inUse_.lower_bound(candidate); it != inUse_.end() && *it == candidate; ++it)
        ++candidate;
    if (candidate > MaxHandle)
        throw E_Basis(1, "No free handle left.", "TEibHandle", __FILE__, __LINE__, "E_Basis");
    inUse_.insert(candidate);
    givenOut_.insert(candidate);
    return candidate;
}

bool TEibHandle::IsInUse(std::int32_t handle) const
{
    return inUse_.count(handle) != 0;
}
