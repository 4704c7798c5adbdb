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
    std::vector<std::string> fields;
    SplitCommaText(text, fields);
    return fields;
}

void SplitCommaText(std::string_view text, std::vector<std::string>& fields)
{
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);

    std::size_t count = 0;
    // The next field: one of those given, emptied (its room kept), or a new one.
    const auto next = [&]() -> std::string& {
        if (count == fields.size())
            fields.emplace_back();
        std::string& field = fields[count++];
        field.clear();
        return field;
    };
    std::size_t pos = 0;
    const std::size_t end = text.size();
    auto skipBlanks = [&] {
        while (pos < end && IsBlank(text[pos]))
            ++pos;
    };

    skipBlanks();
    while (pos < end) {
        std::string& field = next();
        if (text[pos] == '"') {
            ++pos;
            while (pos < end) {
                const std::size_t quote = text.find('"', pos);
                if (quote == std::string_view::npos) {
                    field.append(text.substr(pos));
                    pos = end;
                    break;
                }
                field.append(text.substr(pos, quote - pos));
                pos = quote + 1;
                if (pos < end && text[pos] == '"') {
                    field += '"';
                    ++pos;
                    continue;
                }
                break;
            }
        } else {
            const std::size_t start = pos;
            while (pos < end && static_cast<unsigned char>(text[pos]) > 32 && text[pos] != ',')
                ++pos;
            field.assign(text.substr(start, pos - start));
        }

        skipBlanks();
        if (pos < end && text[pos] == ',') {
            if (pos + 1 == end)
                next();
            ++pos;
            skipBlanks();
        }
    }
    fields.resize(count);
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
