#include "outside/keyplan/KeyplanFactory.h"

std::unique_ptr<TTastsensorFunktion> TKeyplanFactory::CreateTastsensorFunktion(platform::HWND windowHandle,
                                                                               std::int32_t system, std::int32_t parent,
                                                                               const std::string& name,
                                                                               std::int32_t handle) const
{
    return std::make_unique<TTastsensorFunktion>(windowHandle, system, parent, name, handle);
}

std::unique_ptr<TTsSperrverhalten> TKeyplanFactory::CreateTsSperrverhalten(platform::HWND windowHandle,
                                                                           std::int32_t system, std::int32_t parent,
                                                                           const std::string& name, std::int32_t keys,
                                                                           std::int32_t handle) const
{
    return std::make_unique<TTsSperrverhalten>(windowHandle, system, parent, name, keys, handle);
}

std::unique_ptr<TTsBetaetigung> TKeyplanFactory::CreateTsBetaetigung(platform::HWND windowHandle, std::int32_t system,
                                                                     std::int32_t parent, const std::string& name,
                                                                     std::int32_t keys, std::int32_t handle) const
{
    return std::make_unique<TTsBetaetigung>(windowHandle, system, parent, name, keys, handle);
}

std::unique_ptr<TTsTaste> TKeyplanFactory::CreateTsTaste(platform::HWND windowHandle, std::int32_t system,
                                                         std::int32_t parent, const std::string& name,
                                                         std::int32_t number, std::int32_t handle) const
{
    return std::make_unique<TTsTaste>(windowHandle, system, parent, name, number, handle);
}

std::unique_ptr<TTsWippe> TKeyplanFactory::CreateTsWippe(platform::HWND windowHandle, std::int32_t system,
                                                         std::int32_t parent, const std::string& name,
                                                         std::int32_t number, std::int32_t handle) const
{
    return std::make_unique<TTsWippe>(windowHandle, system, parent, name, number, handle);
}

std::unique_ptr<TTsTasteStatus> TKeyplanFactory::CreateTsTasteStatus(platform::HWND windowHandle, std::int32_t system,
                                                                     std::int32_t parent, const std::string& name,
                                                                     std::int32_t number, std::int32_t handle) const
{
    return std::make_unique<TTsTasteStatus>(windowHandle, system, parent, name, number, handle);
}

std::unique_ptr<TTsWippeStatus> TKeyplanFactory::CreateTsWippeStatus(platform::HWND windowHandle, std::int32_t system,
                                                                     std::int32_t parent, const std::string& name,
                                                                     std::int32_t number, std::int32_t handle) const
{
    return std::make_unique<TTsWippeStatus>(windowHandle, system, parent, name, number, handle);
}

std::unique_ptr<TFunktionBasis> TKeyplanFactory::CreateFunktion(int typ, platform::HWND windowHandle,
                                                                std::int32_t system, std::int32_t parent,
                                                                const std::string& name, std::int32_t handle) const
{
    return KeyplanFunktionen::Create(typ, windowHandle, system, parent, name, handle);
}

const TKeyplanFactory& TKeyplanFactory::Default()
{
    static const TKeyplanFactory factory;
    return factory;
}
