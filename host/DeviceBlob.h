#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host {

class TSqlDatabase;

// A device's data block, as bytes. Empty when the device has none yet; nullopt when the
// project has no such device. Throws E_Sql.
std::optional<std::string> ReadDeviceBlob(TSqlDatabase& db, std::int32_t deviceId);

// Replaces the device's data block; false when the project has no such device. Throws E_Sql.
bool WriteDeviceBlob(TSqlDatabase& db, std::int32_t deviceId, std::string_view bytes);

} // namespace host
