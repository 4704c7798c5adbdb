#include "app/MyRegistry.h"

#include "platform/IniFile.h"

namespace {

// GetPrivateProfileString fills a buffer of this size; longer values are cut.
constexpr std::uint32_t IniStringBufferSize = 1024;
// GetPrivateProfileSection fills a buffer of this size.
constexpr std::uint32_t IniSectionBufferSize = 32000;
// Read as the default of a key whose presence is tested.
constexpr char NoEntry[] = "##kein Eintrag gefunden##";

} // namespace

bool TMyRegistry::ReadIniString(const std::string& file, std::string_view section, std::string_view key,
                                const std::string& defaultValue, std::string& out) const
{
    out = platform::GetPrivateProfileString(section, key, defaultValue, IniStringBufferSize, file);
    return !out.empty();
}

bool TMyRegistry::ReadIniBool(const std::string& file, std::string_view section, std::string_view key,
                              bool defaultValue, bool& out) const
{
    out = platform::GetPrivateProfileInt(section, key, defaultValue ? 1 : 0, file) != 0;
    return true;
}

bool TMyRegistry::ReadIniInteger(const std::string& file, std::string_view section, std::string_view key,
                                 std::int32_t defaultValue, std::int32_t& out) const
{
    out = platform::GetPrivateProfileInt(section, key, defaultValue, file);
    return true;
}

bool TMyRegistry::WriteIniString(const std::string& file, std::string_view section, std::string_view key,
                                 std::string_view value) const
{
    return platform::WritePrivateProfileString(section, key, value, file);
}

bool TMyRegistry::WriteIniInteger(const std::string& file, std::string_view section, std::string_view key,
                                  std::int32_t value) const
{
    return WriteIniString(file, section, key, std::to_string(value));
}

bool TMyRegistry::WriteIniBool(const std::string& file, std::string_view section, std::string_view key,
                               bool value) const
{
    return WriteIniString(file, section, key, value ? "1" : "0");
}

bool TMyRegistry::IniValueExists(const std::string& file, std::string_view section, std::string_view key) const
{
    return platform::GetPrivateProfileString(section, key, NoEntry, IniStringBufferSize, file) != NoEntry;
}

bool TMyRegistry::ReadIniSection(const std::string& file, std::string_view section) const
{
    std::vector<std::string> entries;
    return platform::GetPrivateProfileSection(section, entries, IniSectionBufferSize, file) > 0;
}

bool TMyRegistry::ReadRegBool(HKEY rootKey, const std::string& keyPath, bool defaultValue, bool& out,
                              const std::string& valueName)
{
    out = defaultValue;
    try {
        Registry.RootKey = rootKey;
        if (Registry.OpenKeyReadOnly(keyPath)) {
            out = Registry.ReadBool(valueName);
            Registry.CloseKey();
        }
        return true;
    } catch (const ERegistryException&) {
        Registry.CloseKey();
        out = defaultValue;
        return false;
    }
}
