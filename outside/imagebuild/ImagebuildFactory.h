#pragma once

#include "outside/imagebuild/TalvoCompiler.h"

// The program calls the image compiler through here, so that another object can take its place.
class TImagebuildFactory {
public:
    TImagebuildFactory() = default;
    virtual ~TImagebuildFactory() = default;
    TImagebuildFactory(const TImagebuildFactory&) = delete;
    TImagebuildFactory& operator=(const TImagebuildFactory&) = delete;

    // The library's TalvoCompiler.
    virtual bool TalvoCompiler(TTalvoZielsystem* target, TDatenManager<TDatenStruktur>* records,
                               TEtsDeviceParam* deviceParam, std::map<std::int32_t, std::uint16_t>* associations,
                               platform::TMemoryStream* characterData, platform::TMemoryStream* deviceText,
                               platform::TMemoryStream* compilerStream) const;

    // The library's own.
    static const TImagebuildFactory& Default();
};
