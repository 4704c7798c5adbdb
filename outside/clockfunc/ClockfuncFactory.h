#pragma once

#include "outside/clockfunc/Schaltuhr.h"

#include <cstdint>
#include <memory>
#include <string>

// Makes the data objects of this library for the program, with the constructors' arguments.
// The program makes every one of them here, so that another factory can put others in their
// place.
class TClockfuncFactory {
public:
    TClockfuncFactory() = default;
    virtual ~TClockfuncFactory() = default;
    TClockfuncFactory(const TClockfuncFactory&) = delete;
    TClockfuncFactory& operator=(const TClockfuncFactory&) = delete;

    virtual std::unique_ptr<TSchaltuhr> CreateSchaltuhr(platform::HWND windowHandle, std::int32_t system,
                                                        std::int32_t parent, const std::string& name,
                                                        std::int32_t number, std::int32_t handle) const;

    // The library's own factory.
    static const TClockfuncFactory& Default();
};
