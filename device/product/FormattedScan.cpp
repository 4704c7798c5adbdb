#include "device/product/FormattedScan.h"

#include <cctype>
#include <cstddef>
#include <limits>
#include <optional>

namespace {

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

int DigitValue(char c, int base)
{
    const auto u = static_cast<unsigned char>(c);
    int value = 99;
    if (std::isdigit(u))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The reading position in the text.
struct TCursor {
    std::string_view text;
    std::size_t at = 0;

    void SkipSpace()
    {
        while (at < text.size() && IsSpace(text[at]))
            ++at;
    }
    bool AtEnd() const { return at >= text.size(); }
    char Peek() const { return text[at]; }
};

// A number with at most width digits (0: any number); none when there is no digit or it does
// not fit into 32 bits.
std::optional<std::int32_t> ReadNumber(TCursor& in, int base, int width, bool withSign)
{
    in.SkipSpace();
    bool negative = false;
    if (withSign && !in.AtEnd() && (in.Peek() == '+' || in.Peek() == '-')) {
        negative = in.Peek() == '-';
        ++in.at;
    }
    std::int64_t value = 0;
    int digits = 0;
    while (!in.AtEnd() && (width == 0 || digits < width)) {
        const int digit = DigitValue(in.Peek(), base);
        if (digit < 0)
            break;
        value = value * base + digit;
        if (value > std::int64_t{std::numeric_limits<std::uint32_t>::max()})
            return std::nullopt;
        ++digits;
        ++in.at;
    }
    if (digits == 0)
        return std::nullopt;
    if (negative)
        value = -value;
    constexpr std::int64_t Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t Highest = std::numeric_limits<std::int32_t>::max();
    if (base == 10 && (value < Lowest || value > Highest))
        return std::nullopt;
    // A hexadecimal field fills all 32 bits.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

TFormattedScan::TFormattedScan(std::string_view text, std::string_view format)
{
    TCursor in{text};
    for (std::size_t f = 0; f < format.size();) {
        const char c = format[f];
        if (IsSpace(c)) {
            in.SkipSpace();
            ++f;
            continue;
        }
        if (c != '%' || (f + 1 < format.size() && format[f + 1] == '%')) {
            if (in.AtEnd() || in.Peek() != c)
                return;
            ++in.at;
            f += c == '%' ? 2 : 1;
            continue;
        }
        // A conversion: "%", an optional width (a leading 0 is a fill of printf and changes
        // nothing here), and its letter.
        ++f;
        int width = 0;
        while (f < format.size() && std::isdigit(static_cast<unsigned char>(format[f]))) {
            width = width * 10 + (format[f] - '0');
            ++f;
        }
        if (f >= format.size())
            return;
        const char conversion = format[f++];
        if (conversion == 'd' || conversion == 'X' || conversion == 'x') {
            const bool decimal = conversion == 'd';
            const std::optional<std::int32_t> number = ReadNumber(in, decimal ? 10 : 16, width, decimal);
            if (!number)
                return;
            fields_.emplace_back(*number);
        } else if (conversion == 's') {
            in.SkipSpace();
            const std::size_t start = in.at;
            const std::size_t most = width == 0 ? text.size() : static_cast<std::size_t>(width);
            while (!in.AtEnd() && !IsSpace(in.Peek()) && in.at - start < most)
                ++in.at;
            if (in.at == start)
                return;
            fields_.emplace_back(std::string(text.substr(start, in.at - start)));
        } else {
            return; // a conversion these lines do not use
        }
    }
}

std::int32_t TFormattedScan::Int(int n) const
{
    if (n < 0 || n >= Count())
        return 0;
    const auto* number = std::get_if<std::int32_t>(&fields_[static_cast<std::size_t>(n)]);
    return number ? *number : 0;
}

std::string TFormattedScan::Text(int n) const
{
    if (n < 0 || n >= Count())
        return {};
    const auto* word = std::get_if<std::string>(&fields_[static_cast<std::size_t>(n)]);
    return word ? *word : std::string();
}
