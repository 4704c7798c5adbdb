#include "outside/datacore/EibHandle.h"

#include "outside/datacore/E_Basis.h"

#include <algorithm>

TEibHandle::TEibHandle(const std::list<int>& handlesInUse)
{
    for (const int handle : handlesInUse) {
        if (handle >= 0 && handle <= MaxHandle)
            loaded_.set(static_cast<std::size_t>(handle));
        else
            loadedOther_.push_back(handle);
    }
    std::sort(loadedOther_.begin(), loadedOther_.end());
    loadedOther_.erase(std::unique(loadedOther_.begin(), loadedOther_.end()), loadedOther_.end());
    BuildNewTable();
}

TEibHandle::~TEibHandle() = default;

void TEibHandle::BuildNewTable()
{
    inUse_ = loaded_ | givenOut_;
    firstCandidate_ = 1;
}

std::int32_t TEibHandle::GetNewHandle()
{
    // Handles stay in use once taken, so the search never has to look below where the last one
    // ended.
    std::int32_t candidate = firstCandidate_;
    while (candidate <= MaxHandle && inUse_.test(static_cast<std::size_t>(candidate)))
        ++candidate;
    firstCandidate_ = candidate;
    if (candidate > MaxHandle)
        throw E_Basis(1, "No free handle left.", "TEibHandle", __FILE__, __LINE__, "E_Basis");
    inUse_.set(static_cast<std::size_t>(candidate));
    givenOut_.set(static_cast<std::size_t>(candidate));
    firstCandidate_ = candidate + 1;
    return candidate;
}

bool TEibHandle::IsInUse(std::int32_t handle) const
{
    if (handle >= 0 && handle <= MaxHandle)
        return inUse_.test(static_cast<std::size_t>(handle));
    return std::binary_search(loadedOther_.begin(), loadedOther_.end(), handle);
}
