// The version lines: of stored data (the version check, which may convert predecessor data) and
// of a device text, and the scan both go through. The first byte chooses, the rest is the text.
#include "device/DatenManager.h"
#include "device/SharedTextConstants.h"
#include "device/product/FormattedScan.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/DeviceProject.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

testsupport::DeviceProject& Project()
{
    static testsupport::DeviceProject project;
    return project;
}

void Scan(std::string_view text, std::string_view format)
{
    const TFormattedScan scan(text, format);
    FUZZ_CHECK(scan.Count() >= 0 && scan.Count() <= 6);
    for (int n = -1; n <= scan.Count(); ++n) {
        (void)scan.Int(n);
        (void)scan.Text(n);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    Project();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        Scan(text, DATEN_VERSION_FORMAT);
        Scan(text, DEVICE_TEXT_VERSION_FORMAT);
        Scan(text, CHARSET_VERSION_FORMAT);
        break;
    case 1: {
        // The stored version with a table of records the conversion may work on.
        auto device = Project().MakeDevice();
        static const std::string lines =
            "1,System,111,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,false,false,false,false,false,false,false,"
            "false,false,false,,,,,,Ende\r\n"
            "6,Objekt,806,1,0,0,0,0,0,57,0,0,0,0,0,0,0,0,0,0,0,3300,1,0,0,false,false,false,false,false,false,"
            "false,false,false,false,,,,,,Ende\r\n";
        TDatenManager<TDatenStruktur> records(lines.data(), lines.size());
        const int accepted = device->VersionCheck(&records, text, true);
        FUZZ_CHECK(accepted == 0 || accepted == 1);
        break;
    }
    default: {
        auto device = Project().MakeDevice();
        platform::TMemoryStream deviceText(text);
        (void)device->VersionCheckDeviceText(&deviceText);
        break;
    }
    }
    return 0;
}
