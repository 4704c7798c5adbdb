#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class TEts2Cdi;
struct tagETSINFO;

// The sections of the host's ini file that list the firmware, device-text and character-set
// files and the code page of every device language.
using TIntTextMap = std::map<std::int32_t, std::string>;
using TIntIntMap = std::map<std::int32_t, std::int32_t>;

inline constexpr char SECTION_USERFIRMWARE[] = "UserFirmware";
inline constexpr char SECTION_DEVICETEXT[] = "DeviceText";
inline constexpr char SECTION_CHARACTERSET[] = "CharacterSet";
inline constexpr char SECTION_LOCALEID_2_CODEPAGEID[] = "LocaleId_2_CodePageId";

// The host's ini file: the host folder, the ini name and ".ini".
std::string HostIniPath(const tagETSINFO& info);

// The entries of a section as "number=value" lines into the map, which is cleared first. A line
// that does not parse whole (a decimal number, "=", a value) is skipped; the value is the text
// after "=" and its blanks up to the next blank, at most 259 characters (longer ones skip the
// line). The first line of a number wins.
void ParseSectionLines(const std::vector<std::string>& lines, TIntTextMap& map);
// The same with a second decimal number as the value, nothing but blanks after it.
void ParseSectionLines(const std::vector<std::string>& lines, TIntIntMap& map);

// Reads the section of the host's ini file into the map. False, the map unchanged, without a
// host link, without host information, or for a section that is missing, empty or too long
// for the buffer of 32767 characters.
bool ReadHostIniSection(TEts2Cdi* link, std::string_view section, TIntTextMap& map);
bool ReadHostIniSection(TEts2Cdi* link, std::string_view section, TIntIntMap& map);
