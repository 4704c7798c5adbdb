#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The Windows profile functions on an ini file given by its full path. Text is Windows-1252
// bytes and is taken as it stands. Section and key names are matched without regard to case;
// blanks around names and values do not count. Every read reads the file again, every write
// goes to the file at once; lines the call does not concern (comments, other sections, order)
// stay as they are. A missing file reads as empty.

// The value of the key, or the default when the key is missing; cut to size - 1 characters,
// as a buffer of `size` bytes would take it (size 0 gives the empty text).
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::uint32_t size,
                                    const std::string& file);

// The value's leading decimal number with optional sign (0 when it has none); the default when
// the key is missing or its value is empty.
std::int32_t GetPrivateProfileInt(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue, const std::string& file);

// The entries of the section in file order as "key=value" (lines without "=" as they stand;
// comment lines left out), as many whole entries as fit a buffer of `size` bytes that holds each
// entry with a terminating NUL and one more NUL at the end. The result is what Windows answers:
// the bytes used without the final NUL, 0 for a missing or empty section, size - 2 when the
// section did not fit.
std::uint32_t GetPrivateProfileSection(std::string_view section, std::vector<std::string>& entries,
                                       std::uint32_t size, const std::string& file);

// Writes "key=value": an existing key keeps its place and takes the new value, a new key goes
// after the last entry of its section, a new section to the end of the file (the file is created
// when missing). False when the file cannot be written, or when a name is empty or a name or the
// value holds a line break; nothing is written then.
bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& file);

} // namespace platform
