#include "platform/VersionResource.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

namespace platform {

namespace {

void AppendWord(std::string& out, std::uint16_t word)
{
    out.push_back(static_cast<char>(word & 0xFF));
    out.push_back(static_cast<char>(word >> 8));
}

std::uint16_t WordAt(const char* data)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[0]) |
                                      (static_cast<unsigned char>(data[1]) << 8));
}

void AppendEntry(std::string& out, std::string_view path, std::string_view value)
{
    AppendWord(out, static_cast<std::uint16_t>(path.size()));
    out.append(path);
    AppendWord(out, static_cast<std::uint16_t>(value.size()));
    out.append(value);
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::uint16_t> HexWord(std::string_view text)
{
    std::uint16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "0407 04E4" or "040704E4".
std::optional<std::pair<std::uint16_t, std::uint16_t>> Translation(std::string_view text)
{
    std::string digits;
    for (char c : text)
        if (c != ' ' && c != '\t')
            digits.push_back(c);
    if (digits.size() != 8)
        return std::nullopt;
    const auto language = HexWord(std::string_view(digits).substr(0, 4));
    const auto codePage = HexWord(std::string_view(digits).substr(4, 4));
    if (!language || !codePage)
        return std::nullopt;
    return std::make_pair(*language, *codePage);
}

} // namespace

std::string EncodeVersionResource(const TVersionResource& resource)
{
    std::string block;
    if (!resource.Translations.empty()) {
        std::string table;
        for (const auto& [language, codePage] : resource.Translations) {
            AppendWord(table, language);
            AppendWord(table, codePage);
        }
        AppendEntry(block, "\\VarFileInfo\\Translation", table);
    }
    for (const auto& [path, text] : resource.Strings)
        AppendEntry(block, path, std::string_view(text.c_str(), text.size() + 1));
    AppendWord(block, 0);
    return block;
}

const char* VerQueryValue(const char* block, std::size_t size, std::string_view path, std::size_t* length)
{
    if (block == nullptr)
        return nullptr;
    std::size_t at = 0;
    while (at + 2 <= size) {
        const std::size_t pathLength = WordAt(block + at);
        at += 2;
        if (pathLength == 0 || at + pathLength + 2 > size)
            return nullptr;
        const std::string_view entry(block + at, pathLength);
        at += pathLength;
        const std::size_t valueLength = WordAt(block + at);
        at += 2;
        if (at + valueLength > size)
            return nullptr;
        if (EqualNoCase(entry, path)) {
            if (length)
                *length = valueLength;
            return block + at;
        }
        at += valueLength;
    }
    return nullptr;
}

std::optional<TVersionResource> ParseVersionIni(std::string_view bytes)
{
    TVersionResource resource;
    std::string section;
    std::istringstream lines{std::string(bytes)};
    for (std::string line; std::getline(lines, line);) {
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() == ';')
            continue;
        if (text.front() == '[' && text.back() == ']') {
            section = std::string(Trim(text.substr(1, text.size() - 2)));
            continue;
        }
        const auto equals = text.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = Trim(text.substr(0, equals));
        const std::string_view value = Trim(text.substr(equals + 1));
        static constexpr std::string_view StringTables = "StringFileInfo\\";
        if (EqualNoCase(section, "VarFileInfo") && EqualNoCase(key, "Translation")) {
            if (const auto translation = Translation(value))
                resource.Translations.push_back(*translation);
        } else if (section.size() > StringTables.size() &&
                   EqualNoCase(std::string_view(section).substr(0, StringTables.size()), StringTables)) {
            resource.Strings.emplace_back("\\" + section + "\\" + std::string(key), std::string(value));
        }
    }
    if (resource.Translations.empty() && resource.Strings.empty())
        return std::nullopt;
    return resource;
}

} // namespace platform
