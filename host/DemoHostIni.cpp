#include "host/DemoHostIni.h"

#include "host/DemoProject.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <system_error>

namespace host {

namespace {

constexpr char DemoHostIniText[] = "[UserFirmware]\r\n"
                                   "2613=Firmware\\user_a35.dat\r\n"
                                   "2816=Firmware\\user_b00.dat\r\n"
                                   "[DeviceText]\r\n"
                                   "1031=DeviceLanguage\\Deu.dlg\r\n"
                                   "1033=DeviceLanguage\\Eng.dlg\r\n"
                                   "[LocaleId_2_CodePageId]\r\n"
                                   "1031=1252\r\n"
                                   "1033=1252\r\n"
                                   "1049=1251\r\n"
                                   "[CharacterSet]\r\n"
                                   "1252=CharacterSet\\Cs01252.ezs\r\n"
                                   "1251=CharacterSet\\Cs01251.ezs\r\n";

} // namespace

bool WriteDemoHostIni(const std::string& hostFolder)
{
    const std::string path = hostFolder + DemoHostIniName + ".ini";
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return true;
    try {
        platform::WriteFileAtomically(path, DemoHostIniText);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace host
