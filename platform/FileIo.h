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

// Writes the bytes to a temporary file beside the target (TemporaryFileOf), syncs it and renames
// it over the target, so that the target is either the old file or the whole new one, also when
// the process is killed at any point. A temporary file a killed write left behind is never read
// and is replaced by the next write of the same file. The target keeps its permissions (0644 for
// a new file). Only a regular file is replaced: a symbolic link is written through to the regular
// file it leads to; a device, FIFO, socket or folder at the path (or at the link's end) is refused.
// Throws std::system_error.
void WriteFileAtomically(const std::string& path, std::string_view bytes);
// The temporary file WriteFileAtomically uses for the path.
std::string TemporaryFileOf(const std::string& path);

} // namespace platform
