#include "outside/devicelink/DevicelinkFactory.h"

std::unique_ptr<TTalvoZielsystem> TDevicelinkFactory::CreateTalvoZielsystem(TEts2Cdi_Extended1* link,
                                                                           TEtsDeviceParam* deviceParam) const
{
    return std::make_unique<TTalvoZielsystem>(link, deviceParam);
}

const TDevicelinkFactory& TDevicelinkFactory::Default()
{
    static const TDevicelinkFactory factory;
    return factory;
}
