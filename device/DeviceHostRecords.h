#pragma once

#include "outside/hostlink/HostRecords.h"

#include <cstdint>

// What the project holds of the device itself: its record, its project, the parts of its
// physical address and its type number (device parameter 60). Read at once when the device is
// opened and handed on to the steps of the open that ask for it.
struct TDeviceHostRecords {
    bool HasDevice = false;
    DAL_DEVICE Device;
    bool HasProject = false;
    DAL_PROJECT Project;
    bool HasPhysAdr = false;
    std::int32_t Area = 0;
    std::int32_t Line = 0;
    std::int32_t DeviceNumber = 0;
    // The answer of the type number's read (true: it failed) and the number.
    bool TypeNumberFailed = true;
    std::int32_t TypeNumber = 0;
};
