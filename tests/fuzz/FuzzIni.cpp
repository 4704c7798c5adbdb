// The ini layer. The first line of the input names a section and a key ("section=key"), the rest
// is the file: the document gives its text back unchanged, every read answers, and a value set is
// read back as set.
#include "platform/FileIo.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace {

// A folder of this process for the ini file, removed at the end.
class TIniFolder {
public:
    TIniFolder()
        : folder_(std::filesystem::temp_directory_path() / ("panelconf-fuzz-ini-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder_);
    }
    ~TIniFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string File() const { return (folder_ / "fuzz.ini").string(); }

private:
    std::filesystem::path folder_;
};

const std::string& IniFile()
{
    static const TIniFolder folder;
    static const std::string path = folder.File();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view names = input.substr(0, newline);
    const std::string_view text = newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
    const std::size_t equals = names.find('=');
    const std::string section(names.substr(0, equals));
    const std::string key(equals == std::string_view::npos ? std::string_view("Key") : names.substr(equals + 1));

    platform::TIniDocument document(text);
    FUZZ_CHECK(document.Text() == text);
    (void)document.Value(section, key);
    (void)document.SectionEntries(section);
    document.SetValue(section, key, "fuzz");
    (void)document.Text();

    const std::string& file = IniFile();
    platform::WriteFileAtomically(file, text);
    (void)platform::GetPrivateProfileString(section, key, "default", 64, file);
    (void)platform::GetPrivateProfileInt(section, key, 7, file);
    std::vector<std::string> entries;
    (void)platform::GetPrivateProfileSection(section, entries, 4096, file);
    if (platform::WritePrivateProfileString(section, key, "42", file))
        FUZZ_CHECK(platform::GetPrivateProfileInt(section, key, 7, file) == 42);
    return 0;
}
