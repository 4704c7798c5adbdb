#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// A string table: texts by id, as Windows-1252 bytes.
//
// A block is read from its UTF-8 source form, one "id<TAB>text" line per text. In the text,
// "\n", "\r", "\t" and "\\" stand for a line feed, a carriage return, a tab and a backslash;
// everything after the tab up to the end of the line belongs to the text, blanks included.
// Empty lines and lines starting with '#' are skipped.
class TStringTable {
public:
    TStringTable() = default;

    // Adds the texts of one block. A line that cannot be read, or an id that is already in the
    // table, is skipped and noted in Problems().
    void AddBlock(std::string_view utf8Source);

    // The text of the id; the empty text when the table has no such id.
    std::string Load(std::int32_t id) const;
    bool Contains(std::int32_t id) const;
    std::vector<std::int32_t> Ids() const;
    std::size_t Count() const { return Texts.size(); }

    // One line per skipped source line, saying which line and why.
    const std::vector<std::string>& Problems() const { return Faults; }

private:
    void AddLine(std::string_view line, std::size_t lineNumber);

    std::map<std::int32_t, std::string> Texts;
    std::vector<std::string> Faults;
};
