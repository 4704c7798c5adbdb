#pragma once

#include "outside/scenefunc/Szene.h"
#include "outside/scenefunc/SzenenFunktion.h"

#include <cstdint>
#include <memory>
#include <string>

// Makes the data objects of this library for the program, with the constructors' arguments.
// The program makes every one of them here, so that another factory can put others in their
// place.
class TScenefuncFactory {
public:
    TScenefuncFactory() = default;
    virtual ~TScenefuncFactory() = default;
    TScenefuncFactory(const TScenefuncFactory&) = delete;
    TScenefuncFactory& operator=(const TScenefuncFactory&) = delete;

    virtual std::unique_ptr<TSzenenFunktion> CreateSzenenFunktion(platform::HWND windowHandle, std::int32_t system,
                                                                  std::int32_t parent, const std::string& name,
                                                                  std::int32_t handle) const;
    virtual std::unique_ptr<TSzene> CreateSzene(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                                const std::string& name, std::int32_t handle) const;

    // The library's own factory.
    static const TScenefuncFactory& Default();
};
