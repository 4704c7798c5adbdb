#include "device/DatenManager.h"

#include "device/CommaText.h"

#include <charconv>

std::vector<std::string_view> SplitRecordTextLines(std::string_view text)
{
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        lines.push_back(text.substr(start, end - start));
        if (end == text.size())
            break;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

bool IsCommentedRecord(std::string_view line)
{
    if (line.empty() || line.front() != '#')
        return false;
    // The column line has the field names, so its third field is no number.
    const std::vector<std::string> fields = SplitCommaText(line.substr(1));
    if (fields.size() < 39)
        return false;
    const std::string& typ = fields[2];
    int value = 0;
    const auto [end, ec] = std::from_chars(typ.data(), typ.data() + typ.size(), value);
    return ec == std::errc() && end == typ.data() + typ.size();
}

std::string RecordLineFinding(std::int32_t handle, const std::string& what, std::string_view line)
{
    constexpr std::size_t ShownStart = 60;
    std::string finding = "Handle " + std::to_string(handle) + ": " + what + "\n    ";
    finding += line.substr(0, ShownStart);
    if (line.size() > ShownStart)
        finding += "...";
    return finding;
}
