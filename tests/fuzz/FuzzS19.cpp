// S-record text of a character set, read from a position the first byte gives: taken whole, or
// refused with the map as it was.
#include "outside/viewkit/LoadS19.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    platform::TMemoryStream stream(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    stream.SetPosition(data[0]);
    TCharacterMap map{{-1, {1, 2, 3}}};
    const TCharacterMap before = map;
    if (!LoadS19StreamToMap(&stream, map)) {
        FUZZ_CHECK(map == before);
        return 0;
    }
    FUZZ_CHECK(!map.empty());
    for (const auto& [code, rows] : map)
        FUZZ_CHECK(rows.size() == static_cast<std::size_t>(BytesPerCharacter));
    return 0;
}
