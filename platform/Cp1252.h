#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace platform {

// Text inside the system is Windows-1252 bytes; these convert where it meets Qt or UTF-8 files.
// Characters that code page 1252 cannot hold become '?'.
QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);

// Text that is no valid UTF-8 is taken as code page 1252 already and stays as it is.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

} // namespace platform
