#include "dialogs/project/GlobalParameterDevice.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

int CompareText(const std::string& a, const std::string& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

bool PhysAddressToWord(std::uint16_t& word, int area, int line, int device)
{
    word = static_cast<std::uint16_t>(area * 4096 + line * 256 + device);
    return true;
}

bool PhysAddressToString(std::string& text, std::uint16_t address, char separator)
{
    if (address == 0) {
        text = "-.-.-";
        return true;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%03d", (address >> 12) & 0x0F, separator, (address >> 8) & 0x0F,
                  separator, address & 0xFF);
    text = buffer;
    return true;
}

std::string PhysAddressText(std::uint16_t address)
{
    if (address == 0)
        return "-.-.-";
    return std::to_string((address >> 12) & 0x0F) + "." + std::to_string((address >> 8) & 0x0F) + "."
        + std::to_string(address & 0xFF);
}

int CompareDevices(const SDeviceData& a, const SDeviceData& b, int column, bool ascending)
{
    int result = 0;
    switch (column) {
    case 0:
        result = a.PhysAddress == b.PhysAddress ? 0 : (a.PhysAddress < b.PhysAddress ? -1 : 1);
        break;
    case 1:
        result = CompareText(a.Name, b.Name);
        break;
    case 2:
        result = CompareText(a.Description, b.Description);
        break;
    default:
        break;
    }
    return ascending ? result : -result;
}
