#pragma once

#include <cstdint>

// One group address of a device object: the sub group's host id and its 16-bit address.
struct RecGroupAddress {
    std::int32_t SubGroupId = 0;
    std::int32_t GrpAdr = 0;

    bool operator==(const RecGroupAddress&) const = default;
};
