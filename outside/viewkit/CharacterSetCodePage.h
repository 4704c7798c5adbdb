#pragma once

#include "platform/MemoryStream.h"

#include <cstdint>

// The code page of a loaded character set: the number after "CPID:" in its first line (the
// version line "SX Version:… CPID:%5d …"). False, and codePage unchanged, when the first line
// carries none.
bool GetCPIDFromCharacterSet(const platform::TMemoryStream& charSet, std::int32_t& codePage);
