#include "dialogs/options/HardwareLookups.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::int32_t KeyOfFile(std::string_view fileName, const TIntTextMap& map)
{
    if (fileName.empty())
        return -1;
    for (const auto& [key, text] : map)
        if (EqualIgnoringCase(FileNamePart(text), fileName))
            return key;
    return -1;
}

std::string TextOf(std::int32_t key, const TIntTextMap& map)
{
    const auto found = map.find(key);
    return found == map.end() ? std::string() : found->second;
}

std::int32_t LastKey(const TIntTextMap& map)
{
    return map.empty() ? -1 : map.rbegin()->first;
}

} // namespace

std::string FileNamePart(std::string_view path)
{
    const std::size_t slash = path.find_last_of("\\/:");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::int32_t GetIdUserFirmFromMap(std::string_view fileName, const TIntTextMap& map)
{
    return KeyOfFile(fileName, map);
}

std::int32_t GetLCIDFromMap(std::string_view fileName, const TIntTextMap& map)
{
    return KeyOfFile(fileName, map);
}

std::string GetFileUserFirmFromMap(std::int32_t id, const TIntTextMap& map)
{
    return id < 0 ? std::string() : TextOf(id, map);
}

std::string GetFileDeviceTextFromMap(std::int32_t lcid, const TIntTextMap& map)
{
    return TextOf(lcid, map);
}

std::string GetFileCharacterSetFromMap(std::int32_t codePage, const TIntTextMap& map)
{
    return codePage < 0 ? std::string() : TextOf(codePage, map);
}

std::int32_t GetLastValidIdUserFirmFromMap(const TIntTextMap& map)
{
    return LastKey(map);
}

std::int32_t GetLastValidLCIDDeviceTextFromMap(const TIntTextMap& map)
{
    return LastKey(map);
}

std::int32_t GetCPIDFromLCID(std::int32_t lcid, const TIntIntMap& map)
{
    const auto found = map.find(lcid);
    return found == map.end() ? -1 : found->second;
}

std::int32_t GetLCIDFromLanguage(std::string_view name, const TIntTextMap& languageNames)
{
    if (name.empty())
        return 0;
    for (const auto& [lcid, text] : languageNames)
        if (text == name)
            return lcid;
    return 0;
}

std::string GetVersionTextFromId(std::int64_t id)
{
    if (id < 0 || id > 65535)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "v%X.%X", static_cast<unsigned>((id >> 8) & 0xFF),
                  static_cast<unsigned>((id & 0xFF) >> 4));
    return text;
}

std::string FirmwareEntryText(std::int64_t id)
{
    return GetVersionTextFromId(id) + " [" + std::to_string(id) + "]";
}
