#pragma once

#include <cstdint>
#include <string>

// The name of a locale's language in the user's language (German, Windows-1252 bytes), without
// a part in brackets; LCID 0 stands for the system's default locale (0x0800). Empty for an LCID
// the table does not know.
std::string GetLanguageFromLCID(std::int32_t lcid);
