#pragma once

#include "device/DeviceInstanz.h"

#include <cstdint>

// Sets the model's data source for its own lifetime and puts the former one back when it goes.
class TDataSourceMark {
public:
    TDataSourceMark(TDeviceInstanz& device, std::uint8_t mark) : Device(device), Previous(device.DataSrc)
    {
        Device.DataSrc = mark;
    }
    ~TDataSourceMark() { Device.DataSrc = Previous; }
    TDataSourceMark(const TDataSourceMark&) = delete;
    TDataSourceMark& operator=(const TDataSourceMark&) = delete;

private:
    TDeviceInstanz& Device;
    std::uint8_t Previous;
};
