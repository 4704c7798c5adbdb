#include "outside/hostlink/Ets2CdiExtended1.h"

TEts2Cdi_Extended1::TEts2Cdi_Extended1(const std::string& databasePath) : TEts2Cdi(databasePath) {}
