#include "dialogs/project/GrpAddrValue.h"

#include "platform/UiService.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view Separators = "/ .,-";

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole part as a decimal number: digits and nothing else, no sign.
std::optional<std::int32_t> Number(std::string_view part)
{
    if (part.empty() || part.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc() || end != part.data() + part.size())
        return std::nullopt;
    return value;
}

// Takes the number after the last separator off the end of text.
std::optional<std::int32_t> TakeLastPart(std::string_view& text)
{
    const std::size_t separator = text.find_last_of(Separators);
    if (separator == std::string_view::npos)
        return std::nullopt;
    const std::optional<std::int32_t> value = Number(text.substr(separator + 1));
    text = text.substr(0, separator);
    return value;
}

std::optional<TGrpAddrParts> Parse(std::string_view text, bool threeLevels, bool strict)
{
    const std::optional<std::int32_t> sub = TakeLastPart(text);
    if (!sub)
        return std::nullopt;
    std::optional<std::int32_t> middle = 0;
    if (threeLevels && !(middle = TakeLastPart(text)))
        return std::nullopt;
    const std::optional<std::int32_t> main = Number(text);
    if (!main)
        return std::nullopt;

    if (*main < 0 || *main > 15)
        return std::nullopt;
    TGrpAddrParts parts;
    parts.Main = static_cast<std::int16_t>(*main);
    if (threeLevels) {
        if (*middle < 0 || *middle > 7 || *sub < 0 || *sub > 255)
            return std::nullopt;
        parts.Middle = static_cast<std::int16_t>(*middle);
        parts.Sub = static_cast<std::int16_t>(*sub);
    } else {
        if (*sub < 0 || *sub > 2047)
            return std::nullopt;
        parts.Middle = static_cast<std::int16_t>(*sub / 256);
        parts.Sub = static_cast<std::int16_t>(*sub % 256);
    }
    if (strict && parts.Main == 0 && parts.Middle == 0 && parts.Sub == 0)
        return std::nullopt;
    return parts;
}

} // namespace

std::uint16_t GetCompleteGroupAddress(std::int16_t main, std::int16_t middle, std::int16_t sub, bool threeLevel)
{
    return static_cast<std::uint16_t>((main << 11) | (threeLevel ? middle << 8 : 0) | sub);
}

TGrpAddrParts GetMainMiddleAndSubGroupAddr(std::uint16_t address, bool threeLevel)
{
    TGrpAddrParts parts;
    if (address == 0)
        return parts;
    parts.Main = static_cast<std::int16_t>((address >> 11) & 15);
    if (threeLevel) {
        parts.Middle = static_cast<std::int16_t>((address >> 8) & 7);
        parts.Sub = static_cast<std::int16_t>(address & 255);
    } else {
        parts.Sub = static_cast<std::int16_t>(address & 2047);
    }
    return parts;
}

std::string GrpAddrString(std::uint16_t address, bool threeLevel)
{
    if (address == 0)
        return {};
    const TGrpAddrParts parts = GetMainMiddleAndSubGroupAddr(address, threeLevel);
    std::string text = std::to_string(parts.Main) + "/";
    if (threeLevel)
        text += std::to_string(parts.Middle) + "/";
    return text + std::to_string(parts.Sub);
}

bool StringToGrpAddr(const std::string& text, int level, bool strict, TGrpAddrParts& parts)
{
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty())
        return false;
    const std::optional<TGrpAddrParts> parsed = Parse(trimmed, level == 3, strict);
    if (!parsed) {
        platform::MessageBox("Es wurde eine ung\xFCltige Gruppenadresse eingegeben!", "Fehler", platform::MB_OK);
        return false;
    }
    parts = *parsed;
    return true;
}

std::string StringToSearchGrpAddr(const std::string& text, const std::string& separator, int level)
{
    std::string_view rest = Trimmed(text);
    if (rest.empty())
        return {};
    // The part after the last separator (all of rest without one); rest keeps what lies before it.
    const auto takeLast = [&rest] {
        const std::size_t at = rest.find_last_of(Separators);
        if (at == std::string_view::npos) {
            const std::string_view part = rest;
            rest = {};
            return part;
        }
        const std::string_view part = rest.substr(at + 1);
        rest = rest.substr(0, at);
        return part;
    };
    const std::string sub(takeLast());
    if (level == 2)
        return std::string(rest) + separator + sub;
    if (level != 3)
        return {};
    const std::string middle(takeLast());
    const std::string main(rest);
    return (main.empty() ? std::string() : main + separator) + middle + separator + sub;
}

bool GrpAddrSuitsObjTyp(int subAdrTyp, int objTyp)
{
    return subAdrTyp == objTyp - 1 || subAdrTyp == -1;
}

TGrpAddrKeyDecision FilterGrpAddrKey(char key, bool enterPassesOn)
{
    if (key == '\r')
        return {true, enterPassesOn};
    const bool passes = (key >= '0' && key <= '9') || key == '\b' || Separators.find(key) != std::string_view::npos;
    return {false, passes};
}
