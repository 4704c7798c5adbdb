// The version check of stored data, of the character set and of the device texts.
#include "app/Spredit.h"
#include "device/DataModuleServices.h"
#include "device/SharedTextConstants.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/FormattedScan.h"
#include "outside/viewkit/LoadS19.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <string>

namespace {

constexpr unsigned WarningBox = platform::MB_OK | platform::MB_ICONWARNING;

// The type word of the predecessor program's data, followed by "_" and the type number.
constexpr char DATEN_VERSION_TYP_ALT[] = "sorv/Talvo";

// The device code of a device text of this product.
constexpr char DEVICE_TEXT_DEVICE[] = "Vantu";
constexpr std::int32_t DEVICE_TEXT_MAJOR = 1;
constexpr std::int32_t DEVICE_TEXT_MINOR = 0;

std::string VersionNumber(int major, int minor)
{
    return std::to_string(major) + "." + std::to_string(minor);
}

// The first line of the text, without its line break.
std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}

} // namespace

int TDeviceInstanzTalvo::VersionCheck(TRecordTable* records, const std::string& storedVersion, bool withMessages)
{
    LOG_FKT_START("TDeviceInstanzTalvo::VersionCheck");
    const std::string typeNumber = GetDeviceEtsInfo().TypeNumberText;
    const std::string currentTyp = std::string("SORV/") + DIR_PRODUCT + "_" + typeNumber;
    const std::string formerTyp = std::string(DATEN_VERSION_TYP_ALT) + "_" + typeNumber;

    const auto refuse = [&](const std::string& text) {
        if (withMessages)
            platform::MessageBox(text, Spredit::Text9244, WarningBox);
        return 0;
    };

    if (storedVersion.empty() || storedVersion == "0")
        return refuse(Spredit::Text9129 + "\n" + Spredit::Text9143 + ":\n" + GetVersion());

    const TFormattedScan scan(storedVersion, DatenVersionFormat);
    if (scan.Count() < 3)
        return refuse(Spredit::Text9128 + "\n" + storedVersion + "\n" + Spredit::Text9143 + ":\n" + GetVersion());
    int major = scan.Int(0);
    int minor = scan.Int(1);
    const std::string storedTyp = scan.Text(2);
    // The message names the version as it was stored.
    const std::string stored = VersionNumber(major, minor);

    if (storedTyp == currentTyp) {
        if (major == DatenVersionMajor && minor == DatenVersionMinor)
            return 1;
        if (VersionConvertDBData(records, major, minor))
            return 1;
        return refuse(Spredit::Text9132 + ": " + stored + "\n" + Spredit::Text9143 + ":\n" + GetVersion());
    }
    if (storedTyp == formerTyp) {
        if (VersionConvertTalvoDBData(records, major, minor)) {
            if (TDataModuleServices* dataModule = TDataModuleServices::Current())
                dataModule->fDatenKonvertiert = true;
            return 1;
        }
        return refuse(Spredit::Text9132 + ": " + stored + "\n" + Spredit::Text9143 + ":" + GetVersion());
    }
    return refuse(Spredit::Text9139 + "\n" + Spredit::Text9143 + ":\n" + GetVersion());
}

bool TDeviceInstanzTalvo::VersionCheckCharData(platform::TMemoryStream* charSet)
{
    LOG_FKT_START("TDeviceInstanzTalvo::VersionCheckCharData");
    if (!charSet)
        return false;
    if (LoadS19StreamToMap(charSet, CharTable))
        return true;
    platform::ShowDetailMessageBox(Spredit::Text9118, GetDeviceName(), Spredit::Text9127, __FILE__, __LINE__,
                                   "TDeviceInstanzTalvo::VersionCheckCharData", platform::MB_ICONWARNING);
    return false;
}

bool TDeviceInstanzTalvo::VersionCheckDeviceText(platform::TMemoryStream* deviceText)
{
    LOG_FKT_START("TDeviceInstanzTalvo::VersionCheckDeviceText");
    TDataModuleServices* dataModule = TDataModuleServices::Current();
    if (!dataModule || !deviceText)
        return false;
    const std::string header = FirstLine(deviceText->Bytes());
    if (header.empty())
        return false;

    const TFormattedScan scan(header, DEVICE_TEXT_VERSION_FORMAT);
    if (scan.Count() < 6) {
        platform::MessageBox(Spredit::Text9128 + "\n" + header, Spredit::Text9263, WarningBox);
        return false;
    }
    const std::int32_t major = scan.Int(0);
    const std::int32_t minor = scan.Int(1);
    const std::string type = scan.Text(2);
    const std::string device = scan.Text(3);

    if (device == DEVICE_TEXT_DEVICE) {
        if (type != DEVICE_TEXT_TYPE) {
            platform::MessageBox(Spredit::Text9139 + "\n" + Spredit::Text9143 + ":\n" + GetVersion(), Spredit::Text9244,
                                 WarningBox);
            return false;
        }
        if (major != DEVICE_TEXT_MAJOR || minor != DEVICE_TEXT_MINOR) {
            platform::MessageBox(Spredit::Text9132 + ": " + VersionNumber(major, minor) + "\n" + Spredit::Text9143 +
                                     ":\n" + GetVersion(),
                                 Spredit::Text9244, WarningBox);
            return false;
        }
        dataModule->DeviceTextLcid = scan.Int(4);
        return true;
    }
    if (device == PRODUCT_NAME) {
        // The predecessor's device text: dropped, so that the default file takes its place.
        deviceText->SetPosition(0);
        deviceText->Clear();
        return false;
    }
    platform::MessageBox(Spredit::Text9142 + "\n", Spredit::Text9263, WarningBox);
    return false;
}
