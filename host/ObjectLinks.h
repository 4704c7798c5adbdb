#pragma once

#include <cstdint>

namespace host {

class TSqlDatabase;

// What linking a device object to a group address came to.
enum class TLinkResult {
    Linked,
    Failed,    // no such device object or group address, or they belong to different projects
    TypeUnfit, // the group address carries objects of another type
};

// Links the device object to the sub group; a link that exists already is kept. A group
// address without a type takes the object's type; one with a type takes only objects of that
// type. The link made (or found) becomes the one the object sends on: its sending flag is set
// and those of the object's other links are cleared. Throws E_Sql.
TLinkResult LinkObjectToSubGroup(TSqlDatabase& db, std::int32_t deviceObjectId, std::int32_t subGroupId);

// Removes the link; false when there was none. Throws E_Sql.
bool UnlinkObjectFromSubGroup(TSqlDatabase& db, std::int32_t deviceObjectId, std::int32_t subGroupId);

// Sets or clears the sending flag of one link, nothing else; false when there is no such link.
// Throws E_Sql.
bool SetLinkSendFlag(TSqlDatabase& db, std::int32_t linkId, bool sending);

// The five flags of a device object.
enum class TObjectFlag { Communication, Read, Write, Transmit, Update };

// Sets or clears one flag; false when there is no such device object. Throws E_Sql.
bool SetDeviceObjectFlag(TSqlDatabase& db, std::int32_t deviceObjectId, TObjectFlag flag, bool value);

} // namespace host
