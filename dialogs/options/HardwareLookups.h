#pragma once

#include "dialogs/options/HostIniSections.h"

#include <cstdint>
#include <string>
#include <string_view>

// Look-ups in the maps of the host's ini file and the texts of the hardware page.

// The file-name part of a path: the text after its last "\", "/" or ":".
std::string FileNamePart(std::string_view path);

// The key of the first entry (ascending keys) whose file-name part equals the file name,
// ignoring case; -1 for an empty name, an empty map or no match.
std::int32_t GetIdUserFirmFromMap(std::string_view fileName, const TIntTextMap& map);
std::int32_t GetLCIDFromMap(std::string_view fileName, const TIntTextMap& map);

// The text under exactly that key, else empty; a negative firmware id or code page gives empty.
std::string GetFileUserFirmFromMap(std::int32_t id, const TIntTextMap& map);
std::string GetFileDeviceTextFromMap(std::int32_t lcid, const TIntTextMap& map);
std::string GetFileCharacterSetFromMap(std::int32_t codePage, const TIntTextMap& map);

// The greatest key; -1 for an empty map.
std::int32_t GetLastValidIdUserFirmFromMap(const TIntTextMap& map);
std::int32_t GetLastValidLCIDDeviceTextFromMap(const TIntTextMap& map);

// The code page of the LCID, -1 for none.
std::int32_t GetCPIDFromLCID(std::int32_t lcid, const TIntIntMap& map);
// The LCID of the first entry whose name equals the name; 0 for an empty name or no match.
std::int32_t GetLCIDFromLanguage(std::string_view name, const TIntTextMap& languageNames);

// "v%X.%X" of the id's upper byte and the upper four bits of its lower byte; empty for an id
// below 0 or above 65535.
std::string GetVersionTextFromId(std::int64_t id);
// The combo entry of a firmware id: version text + " [" + id + "]".
std::string FirmwareEntryText(std::int64_t id);
