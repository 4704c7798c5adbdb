#pragma once

#include <cstdint>
#include <ostream>

namespace host {

class TSqlDatabase;

// Writes a device as a person reads it: its record, its parameters, its communication objects
// with their flags, their links to group addresses and the size of its data block (UTF-8).
// False when the project has no such device. Throws E_Sql.
bool DumpDevice(TSqlDatabase& db, std::int32_t deviceId, std::ostream& out);

} // namespace host
