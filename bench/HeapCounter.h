#pragma once

#include <cstdint>

namespace bench {

// Counts the heap bytes of operator new (as malloc hands them out) while it is switched on, and
// the peak above the count at the start. SQLite's own allocations are counted by SQLite.
class THeapCounter {
public:
    // Switches counting on, from zero.
    static void Start();
    // Switches counting off; answers the peak of heap bytes above the start, operator new's and
    // SQLite's added.
    static std::int64_t Stop();
};

} // namespace bench
