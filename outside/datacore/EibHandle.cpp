#include "outside/datacore/EibHandle.h"

#include "outside/datacore/E_Basis.h"

#include <algorithm>

TEibHandle::TEibHandle(const std::list<int>& handlesInUse) : loaded_(handlesInUse.begin(), handlesInUse.end())
{
    std::sort(loaded_.begin(), loaded_.end());
    loaded_.erase(std::unique(loaded_.begin(), loaded_.end()), loaded_.end());
    BuildNewTable();
}

TEibHandle::~TEibHandle() = default;

void TEibHandle::BuildNewTable()
{
    // Both in ascending order: each goes in at the end, or near it, without a search.
    std::set<std::int32_t> inUse(loaded_.begin(), loaded_.end());
    inUse.insert(givenOut_.begin(), givenOut_.end());
    inUse_.swap(inUse);
    firstCandidate_ = 1;
}

std::int32_t TEibHandle::GetNewHandle()
{
    // Handles stay in use once taken, so the search never has to look below where the last one
    // ended.
    std::int32_t candidate = firstCandidate_;
    for (auto it = inUse_.lower_bound(candidate); it != inUse_.end() && *it == candidate; ++it)
        ++candidate;
    firstCandidate_ = candidate;
    if (candidate > MaxHandle)
        throw E_Basis(1, "No free handle left.", "TEibHandle", __FILE__, __LINE__, "E_Basis");
    inUse_.insert(candidate);
    givenOut_.insert(candidate);
    firstCandidate_ = candidate + 1;
    return candidate;
}

bool TEibHandle::IsInUse(std::int32_t handle) const
{
    return inUse_.count(handle) != 0;
}
