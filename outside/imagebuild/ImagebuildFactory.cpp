#include "outside/imagebuild/ImagebuildFactory.h"

bool TImagebuildFactory::TalvoCompiler(TTalvoZielsystem* target, TDatenManager<TDatenStruktur>* records,
                                       TEtsDeviceParam* deviceParam,
                                       std::map<std::int32_t, std::uint16_t>* associations,
                                       platform::TMemoryStream* characterData, platform::TMemoryStream* deviceText,
                                       platform::TMemoryStream* compilerStream) const
{
    return ::TalvoCompiler(target, records, deviceParam, associations, characterData, deviceText, compilerStream);
}

const TImagebuildFactory& TImagebuildFactory::Default()
{
    static const TImagebuildFactory factory;
    return factory;
}
