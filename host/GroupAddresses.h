#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace host {

class TSqlDatabase;

// The group address main/middle/sub of the project: its sub group's id. A missing main or
// middle group is created with an empty name, a missing sub group with the given name (UTF-8);
// an address that exists is only found, its name stays. nullopt when the project does not
// exist or a part is out of range (main 0-15, middle 0-7, sub 0-255). Throws E_Sql.
std::optional<std::int32_t> CreateGroupAddress(TSqlDatabase& db, std::int32_t projectId, int main, int middle,
                                               int sub, std::string_view name);

} // namespace host
