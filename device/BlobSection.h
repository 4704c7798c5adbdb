#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Where the content of one section of a data block lies: the bytes between "<name>" and
// "</name>", without the line break that follows the opening tag (CR, or CR LF) and the one
// that precedes the closing tag (LF, or CR LF). A tag counts only as a whole line, as the writer
// writes it: at the block's start or after an LF, and followed by CR, LF or the block's end; so a
// text inside a line (a name holding "</DB>") never opens or closes a section. Only the first
// opening tag counts, and the first closing tag after it; tags are compared byte for byte.
struct TBlobSection {
    std::size_t ContentBegin = 0;
    std::size_t ContentEnd = 0; // ContentBegin <= ContentEnd
    std::size_t CloseTag = 0;   // position of the closing tag

    std::size_t ContentSize() const { return ContentEnd - ContentBegin; }

    // The section of that name, or none when either tag is missing.
    static std::optional<TBlobSection> Find(std::string_view block, std::string_view name);

    // Whether one of the text's lines (split at CR and LF) is a tag of a data block's sections:
    // such a text, written into its section, would end it or open another.
    static bool HoldsSectionTagLine(std::string_view text);
};
