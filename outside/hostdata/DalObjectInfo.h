#pragma once

#include <cstdint>
#include <string>

// One communication object of a device as the device parameters report it: the object that a
// parameter's value switches on, with the ids of its records in the project. Texts are
// Windows-1252 bytes.
struct tagDAL_OBJECT_INFO {
    std::int32_t DeviceParamId = 0;  // the device parameter that switches it
    std::string Name;
    std::string FunctionText;
    std::int32_t ParameterValue = 0; // the parameter's value for which it exists
    std::int32_t CommObjectId = 0;
    std::int32_t ParameterId = 0;
    std::int16_t ObjectNumber = 0;
    std::uint8_t ObjectType = 0xFF;  // the host's object type as a byte; 0xFF = free
    std::int32_t DeviceObjectId = 0;
};
