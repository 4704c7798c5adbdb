#include "app/Registry.h"

#include "app/ProgramPath.h"
#include "platform/IniFile.h"

#include <charconv>
#include <filesystem>
#include <vector>

namespace {

const char* RootKeyName(HKEY root)
{
    switch (root) {
    case HKEY_CLASSES_ROOT: return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER: return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE: return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS: return "HKEY_USERS";
    default: return nullptr;
    }
}

} // namespace

TRegistry::TRegistry() : TRegistry(DefaultFile()) {}

TRegistry::TRegistry(std::string file) : File(std::move(file)) {}

std::string TRegistry::DefaultFile()
{
    const std::filesystem::path program = ProgramModulePath();
    return (program.parent_path() / "registry.ini").string();
}

bool TRegistry::OpenKeyReadOnly(const std::string& key)
{
    CloseKey();
    const char* root = RootKeyName(RootKey);
    if (root == nullptr)
        return false;
    std::string path = key;
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    while (!path.empty() && path.front() == '\\')
        path.erase(0, 1);
    std::string section = path.empty() ? std::string(root) : std::string(root) + "\\" + path;
    std::vector<std::string> entries;
    if (platform::GetPrivateProfileSection(section, entries, 1024, File) == 0)
        return false;
    CurrentKey = std::move(section);
    return true;
}

void TRegistry::CloseKey()
{
    CurrentKey.clear();
}

bool TRegistry::ReadBool(const std::string& name) const
{
    if (CurrentKey.empty())
        throw ERegistryException("No registry key is open");
    // A stored value never holds a line break, so this default tells a missing value.
    const std::string value = platform::GetPrivateProfileString(CurrentKey, name, "\n", 1024, File);
    if (value == "\n")
        throw ERegistryException("Registry value not found: " + name);
    std::int64_t number = 0;
    const char* first = value.data();
    const char* last = value.data() + value.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last)
        throw ERegistryException("Invalid data type for '" + name + "'");
    return number != 0;
}
