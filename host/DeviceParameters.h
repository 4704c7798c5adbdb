#pragma once

#include <cstdint>
#include <optional>

namespace host {

class TSqlDatabase;

// Sets one device parameter to a value, and the device's objects follow it: the device objects
// of the parameter's communication objects for other values go, with their links; those for
// the new value come, active, with the type and the flags of their communication object. Empty
// when there is no such device parameter; otherwise whether any device object came or went.
// Throws E_Sql.
std::optional<bool> SetDeviceParameterValue(TSqlDatabase& db, std::int32_t deviceParamId, std::int32_t value);

} // namespace host
