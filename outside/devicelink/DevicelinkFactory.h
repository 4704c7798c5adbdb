#pragma once

#include "outside/devicelink/TalvoZielsystem.h"

#include <memory>

// Makes the target-system objects of this library for the program, with the constructor's
// arguments, so that another factory can put others in their place.
class TDevicelinkFactory {
public:
    TDevicelinkFactory() = default;
    virtual ~TDevicelinkFactory() = default;
    TDevicelinkFactory(const TDevicelinkFactory&) = delete;
    TDevicelinkFactory& operator=(const TDevicelinkFactory&) = delete;

    virtual std::unique_ptr<TTalvoZielsystem> CreateTalvoZielsystem(TEts2Cdi_Extended1* link,
                                                                    TEtsDeviceParam* deviceParam) const;

    // The library's own factory.
    static const TDevicelinkFactory& Default();
};
