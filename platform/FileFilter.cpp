#include "platform/FileFilter.h"

#include <algorithm>

namespace platform {
namespace {

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// "*.y;*.z" -> "*.y *.z"
std::string QtPatterns(std::string patterns)
{
    std::replace(patterns.begin(), patterns.end(), ';', ' ');
    return patterns;
}

} // namespace

std::vector<TFileFilterEntry> ParseFileFilter(const std::string& filter)
{
    std::vector<TFileFilterEntry> entries;
    if (filter.empty())
        return entries;
    const auto fields = Split(filter, '|');
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        TFileFilterEntry entry{fields[i], i + 1 < fields.size() ? fields[i + 1] : std::string("*")};
        if (entry.Description.empty() && entry.Patterns.empty())
            continue;
        if (entry.Patterns.empty())
            entry.Patterns = "*";
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string ConvertFileFilter(const std::string& filter)
{
    std::string converted;
    for (const auto& entry : ParseFileFilter(filter)) {
        if (!converted.empty())
            converted += ";;";
        const std::string patterns = QtPatterns(entry.Patterns);
        std::string description = entry.Description;
        // A description that shows its patterns already shows them once, in Qt's form.
        for (const std::string& shown : {" (" + entry.Patterns + ")", " (" + patterns + ")"}) {
            if (description.size() >= shown.size()
                && description.compare(description.size() - shown.size(), shown.size(), shown) == 0) {
                description.erase(description.size() - shown.size());
                break;
            }
        }
        converted += description.empty() ? patterns : description + " (" + patterns + ")";
    }
    return converted;
}

std::string NameWithFilterExtension(const std::string& name, const std::string& qtFilter)
{
    const std::size_t open = qtFilter.rfind('(');
    const std::size_t close = qtFilter.find_first_of(" ;)", open == std::string::npos ? 0 : open + 1);
    const std::string pattern =
        open == std::string::npos ? qtFilter : qtFilter.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0 || pattern.find_first_of("*?", 2) != std::string::npos)
        return name;
    const std::size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    return stem.empty() ? name : stem + pattern.substr(1);
}

} // namespace platform
