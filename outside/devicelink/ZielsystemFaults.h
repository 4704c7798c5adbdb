#pragma once

#include "host/SimulatedBus.h"

#include <stdexcept>
#include <string>

// A failure of the bus that the target system reports by the platform's exception class.
class E_Zielsystem : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure of the bus that is no exception of the platform's class.
struct TZielsystemFault {
    std::string Operation;
};

// Throws what the outcome forced on the operation asks for: E_Zielsystem for a platform
// exception, TZielsystemFault for another; returns for every other outcome.
void RaiseForcedException(host::TSimOutcome outcome, const std::string& operation);
