#include "outside/viewkit/CharacterData.h"

#include "outside/viewkit/LoadS19.h"

#include <cstdio>
#include <string>

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

bool LoadS19ToHexStream(platform::TMemoryStream* destination, platform::TMemoryStream* source)
{
    if (!destination || !source)
        return false;
    source->SetPosition(0);
    TCharacterMap characters;
    if (!LoadS19StreamToMap(source, characters))
        return false;
    std::string text;
    char digits[16];
    for (const auto& [code, rows] : characters) {
        std::snprintf(digits, sizeof digits, "%08X",
                      static_cast<unsigned>(static_cast<std::uint32_t>(code) * BytesPerCharacter));
        text += digits;
        for (const std::uint32_t row : rows) {
            std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(row & 0xFF));
            text += digits;
        }
        text += "\r\n";
    }
    destination->Clear();
    destination->Write(text);
    destination->SetPosition(0);
    return true;
}

bool ConvertCharacterData(platform::TMemoryStream* destination, platform::TMemoryStream* source)
{
    if (!destination || !source)
        return false;
    const std::string& text = source->Bytes();
    std::string bytes;
    bytes.reserve(text.size() / 2);
    int high = -1;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            if (high >= 0)
                return false;
            continue;
        }
        const int value = DigitValue(c);
        if (value < 0)
            return false;
        if (high < 0) {
            high = value;
        } else {
            bytes += static_cast<char>(high << 4 | value);
            high = -1;
        }
    }
    if (high >= 0 || bytes.empty())
        return false;
    source->SetPosition(source->Size());
    destination->Clear();
    destination->Write(bytes);
    destination->SetPosition(0);
    return true;
}
