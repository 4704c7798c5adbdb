#include "device/CommaText.h"

namespace {

bool IsBlank(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

bool NeedsQuotes(const std::string& field)
{
    for (const char c : field) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= 32 || c == '"' || c == ',')
            return true;
    }
    return false;
}

} // namespace

std::vector<std::string> SplitCommaText(std::string_view text)
{
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);

    std::vector<std::string> fields;
    std::size_t pos = 0;
    const std::size_t end = text.size();
    auto skipBlanks = [&] {
        while (pos < end && IsBlank(text[pos]))
            ++pos;
    };

    skipBlanks();
    while (pos < end) {
        std::string field;
        if (text[pos] == '"') {
            ++pos;
            while (pos < end) {
                if (text[pos] == '"') {
                    if (pos + 1 < end && text[pos + 1] == '"') {
                        field += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                field += text[pos++];
            }
        } else {
            const std::size_t start = pos;
            while (pos < end && static_cast<unsigned char>(text[pos]) > 32 && text[pos] != ',')
                ++pos;
            field.assign(text.substr(start, pos - start));
        }
        fields.push_back(std::move(field));

        skipBlanks();
        if (pos < end && text[pos] == ',') {
            if (pos + 1 == end)
                fields.emplace_back();
            ++pos;
            skipBlanks();
        }
    }
    return fields;
}

std::string JoinCommaText(const std::vector<std::string>& fields)
{
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += ',';
        const std::string& field = fields[i];
        if (!NeedsQuotes(field)) {
            text += field;
            continue;
        }
        text += '"';
        for (const char c : field) {
            if (c == '"')
                text += '"';
            text += c;
        }
        text += '"';
    }
    return text;
}
