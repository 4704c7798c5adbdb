#include "outside/viewkit/CharacterSetCodePage.h"

#include <cctype>
#include <string_view>

bool GetCPIDFromCharacterSet(const platform::TMemoryStream& charSet, std::int32_t& codePage)
{
    std::string_view text(charSet.Bytes());
    text = text.substr(0, text.find_first_of("\r\n"));
    const std::size_t mark = text.find("CPID:");
    if (mark == std::string_view::npos)
        return false;
    std::size_t at = mark + 5;
    while (at < text.size() && text[at] == ' ')
        ++at;
    std::int32_t value = 0;
    const std::size_t first = at;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0 && at - first < 9; ++at)
        value = value * 10 + (text[at] - '0');
    if (at == first)
        return false;
    codePage = value;
    return true;
}
