#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace host {

class TSqlDatabase;

// What the host does to its own project around the editor's events: devices made, copied and
// removed, their "DeviceId" parameter, and links by object number. Each throws E_Sql.

// A new device on the line of the model device, with the model's product and program and the
// next free device number. Its parameters take the model's values (copy) or the program's
// defaults with the model's type number and key count (a device made new); its objects follow
// the values. The new id, or none when there is no model device.
std::optional<std::int32_t> AddDevice(TSqlDatabase& db, std::int32_t modelDeviceId, bool copyValues);

// The device's parameter values by display order, in that order.
std::vector<std::pair<std::int32_t, std::int32_t>> DeviceParameterValues(TSqlDatabase& db, std::int32_t deviceId);

// Sets the device's parameters of the display orders given (others stay); its objects follow.
void SetDeviceParameterValues(TSqlDatabase& db, std::int32_t deviceId,
                              const std::vector<std::pair<std::int32_t, std::int32_t>>& values);

// Removes the device with its parameters, objects and links.
void RemoveDevice(TSqlDatabase& db, std::int32_t deviceId);

// The links of the device's objects: (object number, sub-group id), in the order of the links.
std::vector<std::pair<std::int32_t, std::int32_t>> DeviceLinks(TSqlDatabase& db, std::int32_t deviceId);

// Sets the device's parameter "DeviceId"; false when it has none.
bool SetDeviceIdParameter(TSqlDatabase& db, std::int32_t deviceId, std::int32_t value);

// The device object of the device's object number, or none.
std::optional<std::int32_t> DeviceObjectId(TSqlDatabase& db, std::int32_t deviceId, std::int32_t objectNumber);

// The device at the physical address "area.line.device", or none.
std::optional<std::int32_t> DeviceAtAddress(TSqlDatabase& db, const std::string& address);

// The host's import folder.
std::string ImportFolder(TSqlDatabase& db);

} // namespace host
