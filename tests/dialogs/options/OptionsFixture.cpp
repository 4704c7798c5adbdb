#include "tests/dialogs/options/OptionsFixture.h"

#include <filesystem>
#include <fstream>

namespace optionstest {

const std::string OptionsFixture::StandardIni = "[UserFirmware]\n"
                                                "2613=Firmware\\user_a35.dat\n"
                                                "2816=Firmware\\user_b00.dat\n"
                                                "70000=Firmware\\user_big.dat\n"
                                                "[DeviceText]\n"
                                                "1031=DeviceLanguage\\c_de.dlg\n"
                                                "1033=DeviceLanguage\\b_en.dlg\n"
                                                "1049=DeviceLanguage\\a_ru.dlg\n"
                                                "[LocaleId_2_CodePageId]\n"
                                                "1031=1252\n"
                                                "1033=1252\n"
                                                "1049=1251\n"
                                                "[CharacterSet]\n"
                                                "1252=CharacterSet\\Cs01252.ezs\n"
                                                "1251=CharacterSet\\Cs01251.ezs\n";

std::string CharacterSet(int codePage)
{
    return "SX Version: 1. 0 Typ:SORV/CharSet Device:Vantu CPID: " + std::to_string(codePage) + " CBU:0\r\n";
}

OptionsFixture::OptionsFixture()
{
    Start();
    Device = AddDevice(1);
    Dm->MainWindowHandle = Target.handle();
    WriteHostIni(StandardIni);
    for (const char* name : {"user_a35.dat", "user_b00.dat", "user_big.dat", "unlisted.dat"})
        DataFile("Firmware", name, "firmware");
    for (const char* name : {"c_de.dlg", "b_en.dlg", "a_ru.dlg"})
        DataFile("DeviceLanguage", name, std::string("device text ") + name);
    DataFile("CharacterSet", "Cs01252.ezs", CharacterSet(1252));
    Dm->CharSetFileName = Dm->CharacterSetDir + "Cs01252.ezs";
    Dm->DeviceTextFileName = Dm->DeviceLanguageDir + "c_de.dlg";
    Dm->DeviceTextLcid = 1031;
    Device->CharSetStream = platform::TMemoryStream(CharacterSet(1252));
    Profile("Compiler", "UserFirmwareVersion", "2613");
    Profile("UserFirmware", "2613", "Firmware\\user_a35.dat");
    Profile("DeviceText", "1031", "DeviceLanguage\\c_de.dlg");
}

std::unique_ptr<TDlgOptionen> OptionsFixture::Open()
{
    return std::make_unique<TDlgOptionen>(nullptr, Link, Device);
}

void OptionsFixture::WriteHostIni(const std::string& text) const
{
    std::ofstream(Folder + "Ets20.ini") << text;
}

void OptionsFixture::Profile(const std::string& section, const std::string& key, const std::string& value) const
{
    Link->SetProfileString(section, key, value);
}

std::optional<std::string> OptionsFixture::ProfileValue(const std::string& section, const std::string& key) const
{
    std::string value;
    if (!Link->GetProfileString(section, key, value))
        return std::nullopt;
    return value;
}

void OptionsFixture::DataFile(const std::string& folder, const std::string& name, const std::string& bytes) const
{
    std::filesystem::create_directories(Folder + "Vantu/" + folder);
    std::ofstream(Folder + "Vantu/" + folder + "/" + name, std::ios::binary) << bytes;
}

std::vector<testsupport::RecordingWindow::Message> OptionsFixture::Messages() const
{
    testsupport::DeliverPostedMessages();
    return Target.messages();
}

int OptionsFixture::Count(platform::UINT message) const
{
    int count = 0;
    for (const auto& received : Messages())
        count += received.message == message ? 1 : 0;
    return count;
}

} // namespace optionstest
