#pragma once

#include <cstddef>
#include <cstdint>

// Base of the target systems: what every medium shares.
class TZielsystem {
public:
    // The serial line's settings, as the serial-download library hands them over (little-endian,
    // 12 bytes).
    struct tagRS232Options {
        std::uint16_t ComPort = 0;
        std::uint16_t Reserved1 = 0;
        std::uint32_t Baud = 0;
        std::int16_t LineSetting = 0;
        std::uint16_t Reserved2 = 0;
    };

    // Media of SetMedium.
    static constexpr std::int32_t MediumBus = 1;
    static constexpr std::int32_t MediumSerial = 4;

    TZielsystem() = default;
    virtual ~TZielsystem() = default;
    TZielsystem(const TZielsystem&) = delete;
    TZielsystem& operator=(const TZielsystem&) = delete;
};

static_assert(sizeof(TZielsystem::tagRS232Options) == 12);
static_assert(offsetof(TZielsystem::tagRS232Options, Baud) == 4);
static_assert(offsetof(TZielsystem::tagRS232Options, LineSetting) == 8);
