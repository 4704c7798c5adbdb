#include "device/BlobSection.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// The first position from `from` on where the tag stands as a whole line; npos when none.
std::size_t FindTagLine(std::string_view block, std::string_view tag, std::size_t from)
{
    for (std::size_t at = block.find(tag, from); at != std::string_view::npos; at = block.find(tag, at + 1)) {
        const bool lineStart = at == 0 || block[at - 1] == '\n';
        const std::size_t after = at + tag.size();
        const bool lineEnd = after == block.size() || block[after] == '\r' || block[after] == '\n';
        if (lineStart && lineEnd)
            return at;
    }
    return std::string_view::npos;
}

// The names of the sections a data block holds; "ExpandedTreeNodes" carries a window number.
constexpr std::array<std::string_view, 7> SectionNames = {
    "Version", "DB", "CompData", "CharSet", "DeviceText", "GlobalParam", "BlobInfo",
};
constexpr std::string_view NumberedSectionName = "ExpandedTreeNodes ";

bool IsSectionName(std::string_view name)
{
    if (std::find(SectionNames.begin(), SectionNames.end(), name) != SectionNames.end())
        return true;
    if (name.substr(0, NumberedSectionName.size()) != NumberedSectionName)
        return false;
    const std::string_view number = name.substr(NumberedSectionName.size());
    return !number.empty() && std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsSectionTag(std::string_view line)
{
    if (line.size() < 3 || line.front() != '<' || line.back() != '>')
        return false;
    std::string_view name = line.substr(1, line.size() - 2);
    if (name.front() == '/')
        name.remove_prefix(1);
    return !name.empty() && IsSectionName(name);
}

} // namespace

std::optional<TBlobSection> TBlobSection::Find(std::string_view block, std::string_view name)
{
    const std::string openTag = "<" + std::string(name) + ">";
    const std::string closeTag = "</" + std::string(name) + ">";

    const std::size_t open = FindTagLine(block, openTag, 0);
    if (open == std::string_view::npos)
        return std::nullopt;
    std::size_t begin = open + openTag.size();
    if (begin < block.size() && block[begin] == '\r') {
        ++begin;
        if (begin < block.size() && block[begin] == '\n')
            ++begin;
    }

    const std::size_t close = FindTagLine(block, closeTag, begin);
    if (close == std::string_view::npos)
        return std::nullopt;
    std::size_t end = close;
    if (end > begin && block[end - 1] == '\n') {
        --end;
        if (end > begin && block[end - 1] == '\r')
            --end;
    }
    return TBlobSection{begin, end, close};
}

bool TBlobSection::HoldsSectionTagLine(std::string_view text)
{
    // Only a line that starts with '<' can be a tag; most texts hold none at all.
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        if (at > 0 && text[at - 1] != '\r' && text[at - 1] != '\n')
            continue;
        std::size_t stop = at;
        while (stop < text.size() && text[stop] != '\r' && text[stop] != '\n')
            ++stop;
        if (IsSectionTag(text.substr(at, stop - at)))
            return true;
    }
    return false;
}
