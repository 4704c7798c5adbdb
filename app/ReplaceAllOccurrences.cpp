#include "app/ReplaceAllOccurrences.h"

std::string ReplaceAllOccurrences(const std::string& text, const std::string& pattern,
                                  const std::string& replacement)
{
    if (pattern.empty())
        return text;
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t found = text.find(pattern); found != std::string::npos;
         found = text.find(pattern, from)) {
        result.append(text, from, found - from).append(replacement);
        from = found + pattern.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}
