#include "device/CharSetVersion.h"

#include "app/Spredit.h"
#include "device/DeviceInstanz.h"
#include "device/SharedTextConstants.h"
#include "platform/UiService.h"

#include <cstdio>
#include <string>

namespace {

// The shared format with a width for its words, so that a word cannot overrun its buffer.
std::string ScanFormat()
{
    std::string format = CHARSET_VERSION_FORMAT;
    for (std::size_t at = format.find("%s"); at != std::string::npos; at = format.find("%s", at))
        format.replace(at, 2, "%255s");
    return format;
}

} // namespace

std::optional<RecCharSetVersion> ScanCharSetVersionLine(std::string_view line)
{
    static const std::string format = ScanFormat();
    const std::string text(line);
    int major = 0;
    int minor = 0;
    char type[256] = {};
    char device[256] = {};
    int codePage = 0;
    int cbu = 0;
    if (std::sscanf(text.c_str(), format.c_str(), &major, &minor, type, device, &codePage, &cbu) != 6)
        return std::nullopt;
    return RecCharSetVersion{major, minor, codePage, cbu > 0};
}

bool TDeviceInstanz::GetCharSetVersion(RecCharSetVersion& out)
{
    const std::string& bytes = CharSetStream.Bytes();
    const std::string line = bytes.substr(0, bytes.find_first_of("\r\n"));
    if (line.empty())
        return false;
    const std::optional<RecCharSetVersion> version = ScanCharSetVersionLine(line);
    if (!version) {
        platform::MessageBox(Spredit::Text9128 + "\n" + line, Spredit::Text9263,
                             platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return false;
    }
    out = *version;
    return true;
}
