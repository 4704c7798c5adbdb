#pragma once

#include "outside/remotefunc/IrFernbedienung.h"

#include <cstdint>
#include <memory>
#include <string>

// Makes the data objects of this library for the program, with the constructors' arguments.
// The program makes every one of them here, so that another factory can put others in their
// place.
class TRemotefuncFactory {
public:
    TRemotefuncFactory() = default;
    virtual ~TRemotefuncFactory() = default;
    TRemotefuncFactory(const TRemotefuncFactory&) = delete;
    TRemotefuncFactory& operator=(const TRemotefuncFactory&) = delete;

    virtual std::unique_ptr<TIrFernbedienung> CreateIrFernbedienung(platform::HWND windowHandle, std::int32_t system,
                                                                    std::int32_t parent, const std::string& name,
                                                                    std::int32_t keys, std::int32_t handle) const;

    // The library's own factory.
    static const TRemotefuncFactory& Default();
};
