#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The lines of one ini file. Finds sections and keys without regard to case and changes single
// entries, leaving every other line byte for byte as it was.
class TIniDocument {
public:
    explicit TIniDocument(std::string_view bytes);

    // The value of the key with the blanks around it removed; nothing when the key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // The entries of the section in file order: "key=value", or the line itself when it has no "=".
    std::vector<std::string> SectionEntries(std::string_view section) const;

    // Sets the key's value in place, or adds the key at the end of its section, or adds the
    // section at the end of the document.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

private:
    struct Line {
        std::string text;
        std::string ending; // the line break that followed it; empty on a last line without one
    };
    struct Range {
        std::size_t header;
        std::size_t end; // one past the section's last line
    };

    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
    void InsertLine(std::size_t position, std::string text);

    std::vector<Line> lines_;
    std::string lineBreak_ = "\r\n";
};

} // namespace platform
