#pragma once

#include <cstdint>

// The choices that data objects of every library share.
namespace T_DB_EnumDataBasis {

// A yes/no value as the data objects keep it: one byte, 0 = no, 1 = yes.
enum TEnumBool : std::uint8_t {
    Nein = 0,
    Ja = 1,
};

} // namespace T_DB_EnumDataBasis
