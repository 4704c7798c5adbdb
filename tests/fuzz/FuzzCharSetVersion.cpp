// The version line of a character set: all six parts or none.
#include "device/CharSetVersion.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto version = ScanCharSetVersionLine(std::string_view(reinterpret_cast<const char*>(data), size));
    if (version)
        (void)version->CodePage;
    return 0;
}
