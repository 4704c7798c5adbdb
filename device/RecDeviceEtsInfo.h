#pragma once

#include <cstdint>
#include <string>

// What the project database knows about a device. A text stays empty when its record cannot be
// read.
struct tagRecDeviceEtsInfo {
    std::string DeviceName;
    // May hold line breaks.
    std::string DeviceDescription;
    std::string ProjectName;
    // "AA.LL.DDD"
    std::string PhysAdrText;
    // TypeNumber in decimal.
    std::string TypeNumberText;
    // Device parameter 60. Low byte: bits 0-2 key count, bit 4 room-temperature controller,
    // bit 5 infrared remote control, bit 6 clock.
    std::int32_t TypeNumber = 0;
};
