#include "outside/scenefunc/ScenefuncFactory.h"

std::unique_ptr<TSzenenFunktion> TScenefuncFactory::CreateSzenenFunktion(platform::HWND windowHandle,
                                                                         std::int32_t system, std::int32_t parent,
                                                                         const std::string& name,
                                                                         std::int32_t handle) const
{
    return std::make_unique<TSzenenFunktion>(windowHandle, system, parent, name, handle);
}

std::unique_ptr<TSzene> TScenefuncFactory::CreateSzene(platform::HWND windowHandle, std::int32_t system,
                                                       std::int32_t parent, const std::string& name,
                                                       std::int32_t handle) const
{
    return std::make_unique<TSzene>(windowHandle, system, parent, name, handle);
}

const TScenefuncFactory& TScenefuncFactory::Default()
{
    static const TScenefuncFactory factory;
    return factory;
}
