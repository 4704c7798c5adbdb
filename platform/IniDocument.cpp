#include "platform/IniDocument.h"

#include <algorithm>

namespace platform {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Lower case of a Windows-1252 letter.
unsigned char Fold(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: return 0x9A; // S caron
    case 0x8C: return 0x9C; // OE
    case 0x8E: return 0x9E; // Z caron
    case 0x9F: return 0xFF; // Y diaeresis
    default: return c;
    }
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Fold(static_cast<unsigned char>(x)) == Fold(static_cast<unsigned char>(y));
           });
}

// The name of a section header line, or nothing when the line is no header.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

bool IsComment(std::string_view line)
{
    line = Trim(line);
    return !line.empty() && line.front() == ';';
}

struct Entry {
    std::string_view key;
    std::string_view value;
    bool hasValue = false;
};

// A line inside a section that is neither blank nor a comment.
std::optional<Entry> ParseEntry(std::string_view line)
{
    if (Trim(line).empty() || IsComment(line))
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return Entry{Trim(line), {}, false};
    return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)), true};
}

} // namespace

TIniDocument::TIniDocument(std::string_view bytes)
{
    bool breakSeen = false;
    while (!bytes.empty()) {
        const auto newline = bytes.find('\n');
        if (newline == std::string_view::npos) {
            lines_.push_back({std::string(bytes), {}});
            break;
        }
        const bool crlf = newline > 0 && bytes[newline - 1] == '\r';
        const std::size_t length = crlf ? newline - 1 : newline;
        lines_.push_back({std::string(bytes.substr(0, length)), crlf ? "\r\n" : "\n"});
        if (!breakSeen) {
            lineBreak_ = lines_.back().ending;
            breakSeen = true;
        }
        bytes.remove_prefix(newline + 1);
    }
    // A carriage return that ends the file ends its last line: a line added after it would
    // otherwise join it into a CR LF and change what the line says.
    if (!lines_.empty() && lines_.back().ending.empty() && !lines_.back().text.empty() &&
        lines_.back().text.back() == '\r') {
        lines_.back().text.pop_back();
        lines_.back().ending.assign(1, '\r');
    }
}

std::optional<TIniDocument::Range> TIniDocument::FindSection(std::string_view section) const
{
    section = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i].text);
        if (!name || !SameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !HeaderName(lines_[end].text))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> TIniDocument::FindKey(const Range& range, std::string_view key) const
{
    key = Trim(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto entry = ParseEntry(lines_[i].text);
        if (entry && entry->hasValue && SameName(entry->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> TIniDocument::Value(std::string_view section, std::string_view key) const
{
    const auto range = FindSection(section);
    if (!range)
        return std::nullopt;
    const auto line = FindKey(*range, key);
    if (!line)
        return std::nullopt;
    return std::string(ParseEntry(lines_[*line].text)->value);
}

std::vector<std::string> TIniDocument::SectionEntries(std::string_view section) const
{
    std::vector<std::string> entries;
    const auto range = FindSection(section);
    if (!range)
        return entries;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto entry = ParseEntry(lines_[i].text);
        if (!entry)
            continue;
        std::string text(entry->key);
        if (entry->hasValue)
            text.append("=").append(entry->value);
        entries.push_back(std::move(text));
    }
    return entries;
}

void TIniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const auto range = FindSection(section);
    if (!range) {
        InsertLine(lines_.size(), std::string("[").append(Trim(section)).append("]"));
        InsertLine(lines_.size(), std::string(Trim(key)) + "=" + std::string(value));
        return;
    }
    if (const auto line = FindKey(*range, key)) {
        // The key keeps its spelling in the file.
        std::string text(ParseEntry(lines_[*line].text)->key);
        lines_[*line].text = text.append("=").append(value);
        return;
    }
    std::size_t after = range->header + 1;
    for (std::size_t i = range->end; i > range->header + 1; --i) {
        if (!Trim(lines_[i - 1].text).empty()) {
            after = i;
            break;
        }
    }
    InsertLine(after, std::string(Trim(key)) + "=" + std::string(value));
}

void TIniDocument::InsertLine(std::size_t position, std::string text)
{
    // The line before gets a line break when it has none; a lone carriage return becomes CR LF.
    if (position > 0 && lines_[position - 1].ending.empty())
        lines_[position - 1].ending = lineBreak_;
    else if (position > 0 && lines_[position - 1].ending == "\r")
        lines_[position - 1].ending += '\n';
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), Line{std::move(text), lineBreak_});
}

std::string TIniDocument::Text() const
{
    std::string text;
    for (const Line& line : lines_)
        text.append(line.text).append(line.ending);
    return text;
}

} // namespace platform
