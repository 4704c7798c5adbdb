#pragma once

#include "app/StringTable.h"

#include <cstdint>
#include <string>

// The program's string table: the ten blocks of panelconf (not climalib's own block).
const TStringTable& ProgramStringTable();

// The text of the id in the program's string table; the empty text for an id it lacks.
std::string LoadStr(std::int32_t id);
