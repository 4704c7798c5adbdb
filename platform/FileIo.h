#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace platform {

// The whole file as bytes; throws std::system_error when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// The same without throwing: none, with the reason in error, when the file cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, std::error_code& error);

// Writes the bytes to a temporary file beside the target and renames it over the target,
// so that the target is either the old file or the whole new one. Throws std::system_error.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace platform
