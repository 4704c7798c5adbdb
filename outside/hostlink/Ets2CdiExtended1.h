#pragma once

#include "outside/hostlink/Ets2Cdi.h"

// The host link object that the main window owns.
class TEts2Cdi_Extended1 : public TEts2Cdi {
public:
    explicit TEts2Cdi_Extended1(const std::string& databasePath);
};
