#include "app/StringTable.h"

#include "platform/Cp1252.h"

#include <charconv>
#include <optional>

namespace {

// The text with its escapes resolved, or nothing for an unknown escape.
std::optional<std::string> Unescape(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            result.push_back(text[i]);
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case 'n': result.push_back('\n'); break;
        case 'r': result.push_back('\r'); break;
        case 't': result.push_back('\t'); break;
        case '\\': result.push_back('\\'); break;
        default: return std::nullopt;
        }
    }
    return result;
}

} // namespace

void TStringTable::AddBlock(std::string_view utf8Source)
{
    std::size_t lineNumber = 0;
    while (!utf8Source.empty()) {
        const std::size_t end = utf8Source.find('\n');
        std::string_view line = utf8Source.substr(0, end);
        utf8Source.remove_prefix(end == std::string_view::npos ? utf8Source.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        AddLine(line, ++lineNumber);
    }
}

void TStringTable::AddLine(std::string_view line, std::size_t lineNumber)
{
    if (line.empty() || line.front() == '#')
        return;
    const auto fault = [&](const char* why) {
        Faults.push_back("line " + std::to_string(lineNumber) + ": " + why + ": " + std::string(line));
    };
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
        return fault("no tab after the id");
    std::int32_t id = 0;
    const char* first = line.data();
    const char* last = line.data() + tab;
    const auto [end, error] = std::from_chars(first, last, id);
    if (error != std::errc() || end != last || id < 0 || id > 0xFFFF)
        return fault("the id is not a number from 0 to 65535");
    const std::optional<std::string> text = Unescape(line.substr(tab + 1));
    if (!text)
        return fault("unknown escape");
    std::string cp1252 = platform::Utf8ToCp1252(*text);
    if (platform::Cp1252ToUtf8(cp1252) != *text)
        return fault("not valid UTF-8 or not in code page 1252");
    if (!Texts.emplace(id, std::move(cp1252)).second)
        return fault("id given twice");
}

std::string TStringTable::Load(std::int32_t id) const
{
    const auto found = Texts.find(id);
    return found == Texts.end() ? std::string() : found->second;
}

bool TStringTable::Contains(std::int32_t id) const
{
    return Texts.count(id) != 0;
}

std::vector<std::int32_t> TStringTable::Ids() const
{
    std::vector<std::int32_t> ids;
    ids.reserve(Texts.size());
    for (const auto& entry : Texts)
        ids.push_back(entry.first);
    return ids;
}
