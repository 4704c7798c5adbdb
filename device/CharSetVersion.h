#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The version of a character set, as its first line gives it.
struct RecCharSetVersion {
    std::int32_t Major = 0;
    std::int32_t Minor = 0;
    std::int32_t CodePage = 0;
    bool Cbu = false; // the number after "CBU:" is greater than 0
};

// Scans a version line in the format CHARSET_VERSION_FORMAT
// ("SX Version:%2d.%2d Typ:%s Device:%s CPID:%5d CBU:%1d"); none unless all six parts match.
// The type and device words (at most 255 characters each) are read and dropped.
std::optional<RecCharSetVersion> ScanCharSetVersionLine(std::string_view line);
