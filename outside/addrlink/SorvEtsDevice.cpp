#include "outside/addrlink/SorvEtsDevice.h"

TSorvEtsDevice::TSorvEtsDevice(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                               const std::string& name, std::int32_t etsDeviceId, std::int32_t handle)
    : TDataBasis(windowHandle, system, parent, name, handle), EtsDeviceId(etsDeviceId)
{
}
