#pragma once

#include <cstdint>

namespace host {

class TSqlDatabase;

// The tables of a project database of the host. Texts are stored as UTF-8; the host link
// hands them out in the Windows code page.
namespace ProjectSchema {

// Marks the file as ours ("ETS2") and the layout of its tables.
constexpr std::int32_t ApplicationId = 0x45545332;
// 2: the ids of devices, device parameters and objects, groups and links are never reused.
// 3: the bus of the project's devices (sim_device, sim_config).
constexpr std::int32_t Version = 3;

// Creates every table of an empty database and marks the file; run it inside a transaction.
void Create(TSqlDatabase& db);

// What a file is to this host: its mark and layout version.
enum class TFileKind { Current, Earlier, Newer, Foreign };
TFileKind Classify(TSqlDatabase& db);
// Brings a project of an earlier layout to the current one, in one transaction of its own (the
// file stays as it was when it fails); nothing happens when another connection did it already.
// Foreign keys must be off on the connection meanwhile. Throws E_Sql.
void Upgrade(TSqlDatabase& db);

} // namespace ProjectSchema
} // namespace host
