#include "platform/IniFile.h"

#include "platform/FileIo.h"
#include "platform/IniDocument.h"

#include <optional>
#include <system_error>

namespace platform {
namespace {

// The file's current content; nothing when it exists but cannot be read.
std::optional<std::string> ReadIni(const std::string& file)
{
    // A file that is not there reads as empty; one that cannot be read gives none.
    std::error_code error;
    std::optional<std::string> content = ReadWholeFile(file, error);
    if (!content && error == std::errc::no_such_file_or_directory)
        return std::string();
    return content;
}

TIniDocument LoadIni(const std::string& file)
{
    return TIniDocument(ReadIni(file).value_or(std::string()));
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::uint32_t size,
                                    const std::string& file)
{
    if (size == 0)
        return {};
    std::string value = LoadIni(file).Value(section, key).value_or(std::string(defaultValue));
    if (value.size() > size - 1)
        value.resize(size - 1);
    return value;
}

std::int32_t GetPrivateProfileInt(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue, const std::string& file)
{
    const auto value = LoadIni(file).Value(section, key);
    if (!value || value->empty())
        return defaultValue;
    std::string_view text(*value);
    bool negative = false;
    if (text.front() == '-' || text.front() == '+') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Overlong numbers wrap as 32-bit values do.
    std::uint32_t number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        number = number * 10u + static_cast<std::uint32_t>(c - '0');
    }
    return static_cast<std::int32_t>(negative ? 0u - number : number);
}

std::uint32_t GetPrivateProfileSection(std::string_view section, std::vector<std::string>& entries,
                                       std::uint32_t size, const std::string& file)
{
    entries.clear();
    std::uint64_t used = 0;
    for (std::string& entry : LoadIni(file).SectionEntries(section)) {
        // Each entry with its NUL, and room for the NUL that ends the list.
        if (used + entry.size() + 2 > size)
            return size >= 2 ? size - 2 : 0;
        used += entry.size() + 1;
        entries.push_back(std::move(entry));
    }
    return static_cast<std::uint32_t>(used);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& file)
{
    // A name that cannot be read back, or a line break that would split the entry, is refused.
    if (TrimBlanks(section).empty() || TrimBlanks(key).empty() || HasLineBreak(section) || HasLineBreak(key) ||
        HasLineBreak(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || TrimBlanks(key).front() == ';' ||
        TrimBlanks(key).front() == '[')
        return false;
    const auto content = ReadIni(file);
    if (!content)
        return false; // never replace a file whose content we could not see
    TIniDocument document(*content);
    document.SetValue(section, key, value);
    std::string text = document.Text();
    // A file that holds the entry as it is already stays untouched: no write, no flush to disk.
    if (text == *content)
        return true;
    try {
        WriteFileAtomically(file, text);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

} // namespace platform
