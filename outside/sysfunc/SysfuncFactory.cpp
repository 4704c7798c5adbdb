#include "outside/sysfunc/SysfuncFactory.h"

std::unique_ptr<TTalvoSystem> TSysfuncFactory::CreateTalvoSystem(platform::HWND windowHandle, std::int32_t system,
                                                                 std::int32_t parent, const std::string& name,
                                                                 std::int32_t etsDeviceId, std::int32_t value,
                                                                 std::int32_t handle, bool reserved) const
{
    return std::make_unique<TTalvoSystem>(windowHandle, system, parent, name, etsDeviceId, value, handle, reserved);
}

std::unique_ptr<TTalvoDisplay> TSysfuncFactory::CreateTalvoDisplay(platform::HWND windowHandle, std::int32_t system,
                                                                   std::int32_t parent, const std::string& name,
                                                                   std::int32_t handle) const
{
    return std::make_unique<TTalvoDisplay>(windowHandle, system, parent, name, handle);
}

std::unique_ptr<TTalvoDatumUhrzeitSenden> TSysfuncFactory::CreateTalvoDatumUhrzeitSenden(platform::HWND windowHandle,
                                                                                         std::int32_t system,
                                                                                         std::int32_t parent,
                                                                                         const std::string& name,
                                                                                         std::int32_t handle) const
{
    return std::make_unique<TTalvoDatumUhrzeitSenden>(windowHandle, system, parent, name, handle);
}

const TSysfuncFactory& TSysfuncFactory::Default()
{
    static const TSysfuncFactory factory;
    return factory;
}
