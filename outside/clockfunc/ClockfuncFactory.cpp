#include "outside/clockfunc/ClockfuncFactory.h"

std::unique_ptr<TSchaltuhr> TClockfuncFactory::CreateSchaltuhr(platform::HWND windowHandle, std::int32_t system,
                                                               std::int32_t parent, const std::string& name,
                                                               std::int32_t number, std::int32_t handle) const
{
    return std::make_unique<TSchaltuhr>(windowHandle, system, parent, name, number, handle);
}

const TClockfuncFactory& TClockfuncFactory::Default()
{
    static const TClockfuncFactory factory;
    return factory;
}
