#pragma once

#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"

#include <cstdint>
#include <memory>
#include <string>

// Makes the data objects of this library for the program, with the constructors' arguments.
// The program makes every one of them here, so that another factory can put others in their
// place.
class TSysfuncFactory {
public:
    TSysfuncFactory() = default;
    virtual ~TSysfuncFactory() = default;
    TSysfuncFactory(const TSysfuncFactory&) = delete;
    TSysfuncFactory& operator=(const TSysfuncFactory&) = delete;

    virtual std::unique_ptr<TTalvoSystem> CreateTalvoSystem(platform::HWND windowHandle, std::int32_t system,
                                                            std::int32_t parent, const std::string& name,
                                                            std::int32_t etsDeviceId, std::int32_t value,
                                                            std::int32_t handle, bool reserved) const;
    virtual std::unique_ptr<TTalvoDisplay> CreateTalvoDisplay(platform::HWND windowHandle, std::int32_t system,
                                                              std::int32_t parent, const std::string& name,
                                                              std::int32_t handle) const;
    virtual std::unique_ptr<TTalvoDatumUhrzeitSenden> CreateTalvoDatumUhrzeitSenden(platform::HWND windowHandle,
                                                                                    std::int32_t system,
                                                                                    std::int32_t parent,
                                                                                    const std::string& name,
                                                                                    std::int32_t handle) const;

    // The library's own factory.
    static const TSysfuncFactory& Default();
};
