#pragma once

#include "outside/keyplan/FunktionBasis.h"
#include "outside/keyplan/StatusObjekt.h"
#include "outside/keyplan/TastsensorFunktion.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "outside/keyplan/TsSperrverhalten.h"
#include "outside/keyplan/TsTaste.h"
#include "outside/keyplan/TsWippe.h"

#include <cstdint>
#include <memory>
#include <string>

// Makes the data objects of this library for the program, with the constructors' arguments.
// The program makes every one of them here, so that another factory can put others in their
// place. The extra integer is the key count, the key number or the rocker number.
class TKeyplanFactory {
public:
    TKeyplanFactory() = default;
    virtual ~TKeyplanFactory() = default;
    TKeyplanFactory(const TKeyplanFactory&) = delete;
    TKeyplanFactory& operator=(const TKeyplanFactory&) = delete;

    virtual std::unique_ptr<TTastsensorFunktion> CreateTastsensorFunktion(platform::HWND windowHandle,
                                                                          std::int32_t system, std::int32_t parent,
                                                                          const std::string& name,
                                                                          std::int32_t handle) const;
    virtual std::unique_ptr<TTsSperrverhalten> CreateTsSperrverhalten(platform::HWND windowHandle, std::int32_t system,
                                                                      std::int32_t parent, const std::string& name,
                                                                      std::int32_t keys, std::int32_t handle) const;
    virtual std::unique_ptr<TTsBetaetigung> CreateTsBetaetigung(platform::HWND windowHandle, std::int32_t system,
                                                                std::int32_t parent, const std::string& name,
                                                                std::int32_t keys, std::int32_t handle) const;
    virtual std::unique_ptr<TTsTaste> CreateTsTaste(platform::HWND windowHandle, std::int32_t system,
                                                    std::int32_t parent, const std::string& name, std::int32_t number,
                                                    std::int32_t handle) const;
    virtual std::unique_ptr<TTsWippe> CreateTsWippe(platform::HWND windowHandle, std::int32_t system,
                                                    std::int32_t parent, const std::string& name, std::int32_t number,
                                                    std::int32_t handle) const;
    virtual std::unique_ptr<TTsTasteStatus> CreateTsTasteStatus(platform::HWND windowHandle, std::int32_t system,
                                                                std::int32_t parent, const std::string& name,
                                                                std::int32_t number, std::int32_t handle) const;
    virtual std::unique_ptr<TTsWippeStatus> CreateTsWippeStatus(platform::HWND windowHandle, std::int32_t system,
                                                                std::int32_t parent, const std::string& name,
                                                                std::int32_t number, std::int32_t handle) const;
    // A key or rocker function of that type number; none for any other type.
    virtual std::unique_ptr<TFunktionBasis> CreateFunktion(int typ, platform::HWND windowHandle, std::int32_t system,
                                                           std::int32_t parent, const std::string& name,
                                                           std::int32_t handle) const;

    // The library's own factory.
    static const TKeyplanFactory& Default();
};
