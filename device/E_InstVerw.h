#pragma once

#include "outside/datacore/E_Basis.h"

#include <string>

// Raised by the device model when a call breaks its assumptions.
class E_InstVerw : public E_Basis {
public:
    E_InstVerw(int code, std::string message, std::string context, std::string sourceFile, int line);
};
