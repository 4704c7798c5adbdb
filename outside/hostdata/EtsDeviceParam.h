#pragma once

#include <cstdint>

class TEts2Cdi;

// The device parameters of one device of the host project, addressed by display order.
// Reads through the host link's device-parameter and parameter reads, so it starts that
// link's iteration of device parameters anew.
class TEtsDeviceParam {
public:
    TEtsDeviceParam(TEts2Cdi* link, std::int32_t deviceId);

    // The device's value of the parameter with that display order. False when the value was
    // delivered; true on failure (no link, no such device or parameter, a host error), which
    // leaves value alone.
    bool GetDeviceParamData(std::int16_t number, std::int32_t& value) const;

    std::int32_t DeviceId() const { return deviceId_; }

private:
    TEts2Cdi* link_;
    std::int32_t deviceId_;
};
