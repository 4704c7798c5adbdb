#include "outside/remotefunc/RemotefuncFactory.h"

std::unique_ptr<TIrFernbedienung> TRemotefuncFactory::CreateIrFernbedienung(platform::HWND windowHandle,
                                                                            std::int32_t system, std::int32_t parent,
                                                                            const std::string& name,
                                                                            std::int32_t keys,
                                                                            std::int32_t handle) const
{
    return std::make_unique<TIrFernbedienung>(windowHandle, system, parent, name, keys, handle);
}

const TRemotefuncFactory& TRemotefuncFactory::Default()
{
    static const TRemotefuncFactory factory;
    return factory;
}
