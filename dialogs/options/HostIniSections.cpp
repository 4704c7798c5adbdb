#include "dialogs/options/HostIniSections.h"

#include "dialogs/options/OptionRules.h"
#include "outside/hostlink/Ets2Cdi.h"
#include "platform/IniFile.h"

#include <optional>

namespace {

inline constexpr std::uint32_t SectionBufferSize = 32767;
inline constexpr std::size_t MaxValueLength = 259;

// The number before "=" and the text after it; none without "=" or a number before it.
std::optional<std::pair<std::int32_t, std::string_view>> SplitLine(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::optional<std::int32_t> key = WholeNumber(line.substr(0, equals));
    if (!key)
        return std::nullopt;
    return std::pair{*key, line.substr(equals + 1)};
}

std::optional<std::string> TextValue(std::string_view rest)
{
    const std::size_t first = rest.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    rest = rest.substr(first);
    rest = rest.substr(0, rest.find_first_of(" \t"));
    if (rest.size() > MaxValueLength)
        return std::nullopt;
    return std::string(rest);
}

template <class TMap>
bool ReadSection(TEts2Cdi* link, std::string_view section, TMap& map)
{
    tagETSINFO info;
    if (link == nullptr || !link->GetEtsInfo(info))
        return false;
    std::vector<std::string> lines;
    const std::uint32_t used = platform::GetPrivateProfileSection(section, lines, SectionBufferSize, HostIniPath(info));
    if (used == 0 || used == SectionBufferSize - 2)
        return false;
    ParseSectionLines(lines, map);
    return true;
}

} // namespace

std::string HostIniPath(const tagETSINFO& info)
{
    return info.HostFolder + info.IniName + ".ini";
}

void ParseSectionLines(const std::vector<std::string>& lines, TIntTextMap& map)
{
    map.clear();
    for (const std::string& line : lines) {
        const auto split = SplitLine(line);
        if (!split)
            continue;
        if (const std::optional<std::string> value = TextValue(split->second))
            map.try_emplace(split->first, *value);
    }
}

void ParseSectionLines(const std::vector<std::string>& lines, TIntIntMap& map)
{
    map.clear();
    for (const std::string& line : lines) {
        const auto split = SplitLine(line);
        if (!split)
            continue;
        if (const std::optional<std::int32_t> value = WholeNumber(split->second))
            map.try_emplace(split->first, *value);
    }
}

bool ReadHostIniSection(TEts2Cdi* link, std::string_view section, TIntTextMap& map)
{
    return ReadSection(link, section, map);
}

bool ReadHostIniSection(TEts2Cdi* link, std::string_view section, TIntIntMap& map)
{
    return ReadSection(link, section, map);
}
