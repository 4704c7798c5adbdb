#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// A file's version resource: the translation table and the texts of its string tables, each
// text under its full path "\StringFileInfo\<language and code page>\<name>".
struct TVersionResource {
    std::vector<std::pair<std::uint16_t, std::uint16_t>> Translations; // language id, code page
    std::vector<std::pair<std::string, std::string>> Strings;          // path, text
};

// The resource as the one block of bytes the version functions hand out: its entries one after
// the other, each a 16-bit path length, the path, a 16-bit value length and the value (a text
// with its NUL byte; the translation table as pairs of 16-bit words), then a zero path length.
std::string EncodeVersionResource(const TVersionResource& resource);

// The value of the entry at the path ("\VarFileInfo\Translation", "\StringFileInfo\040704E4\FileVersion")
// in the first size bytes of the block, and its length; null when the entry is missing or reaches
// beyond those bytes. Paths are compared without regard to case.
const char* VerQueryValue(const char* block, std::size_t size, std::string_view path, std::size_t* length);

// A resource written as an ini file:
//   [VarFileInfo]
//   Translation=0407 04E4
//   [StringFileInfo\040704E4]
//   FileVersion=1.2.3.4
// Translations are pairs of hexadecimal words; every other section starting with "StringFileInfo\"
// is a string table. None when the text names neither a translation nor a text.
std::optional<TVersionResource> ParseVersionIni(std::string_view bytes);

} // namespace platform
