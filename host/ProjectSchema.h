#pragma once

#include <cstdint>

namespace host {

class TSqlDatabase;

// The tables of a project database of the host. Texts are stored as UTF-8; the host link
// hands them out in the Windows code page.
namespace ProjectSchema {

// Marks the file as ours ("ETS2") and the layout of its tables.
constexpr std::int32_t ApplicationId = 0x45545332;
constexpr std::int32_t Version = 1;

// Creates every table of an empty database and marks the file; run it inside a transaction.
void Create(TSqlDatabase& db);
// Whether the file carries our mark and layout version.
bool IsProject(TSqlDatabase& db);

} // namespace ProjectSchema
} // namespace host
