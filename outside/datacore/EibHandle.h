#pragma once

#include <bitset>
#include <cstdint>
#include <list>
#include <vector>

// The device's handle table: knows the handles in use and gives out new ones. Messages carry a
// handle in 16 bits, where 0xFFFF means "any parent", so new handles stay below 0xFFFF.
class TEibHandle {
public:
    static constexpr std::int32_t MaxHandle = 0xFFFE; // 0xFFFF stands for "any parent"

    // The handles of every loaded record are in use from the start.
    explicit TEibHandle(const std::list<int>& handlesInUse);
    ~TEibHandle();
    TEibHandle(const TEibHandle&) = delete;
    TEibHandle& operator=(const TEibHandle&) = delete;

    // Builds the table anew from the handles given to the constructor; handles given out since
    // stay in use.
    void BuildNewTable();

    // The lowest handle above 0 that is not in use; it is in use from now on. Throws E_Basis
    // when every handle up to MaxHandle is taken.
    std::int32_t GetNewHandle();

    bool IsInUse(std::int32_t handle) const;

private:
    using THandleSet = std::bitset<MaxHandle + 1>;

    THandleSet loaded_;                     // the handles given to the constructor, of 0..MaxHandle
    std::vector<std::int32_t> loadedOther_; // those outside 0..MaxHandle, ascending, each once
    THandleSet inUse_;                      // of 0..MaxHandle
    THandleSet givenOut_;
    // Every handle from 1 below it is in use: the search for a free one starts there.
    std::int32_t firstCandidate_ = 1;
};
