#include "outside/devicelink/ZielsystemFaults.h"

void RaiseForcedException(host::TSimOutcome outcome, const std::string& operation)
{
    if (outcome == host::TSimOutcome::PlatformException)
        throw E_Zielsystem(operation + ": the bus failed");
    if (outcome == host::TSimOutcome::OtherException)
        throw TZielsystemFault{operation};
}
