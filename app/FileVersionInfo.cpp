#include "app/FileVersionInfo.h"

#include "app/ProgramPath.h"
#include "app/Version.h"
#include "platform/FileIo.h"
#include "platform/VersionResource.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// German, Windows-1252: the language of the program's texts.
constexpr char ProgramTranslation[] = "040704E4";

bool IsRunningProgram(const std::string& file)
{
    std::error_code error;
    if (fs::equivalent(file, "/proc/self/exe", error))
        return true;
    const std::string program = ProgramModulePath();
    return !program.empty() && fs::path(file).lexically_normal() == fs::path(program).lexically_normal();
}

std::optional<std::string> VersionBlockOf(const std::string& file)
{
    if (file.empty())
        return std::nullopt;
    if (IsRunningProgram(file))
        return ProgramVersionBlock();
    std::error_code error;
    const auto sidecar = platform::ReadWholeFile(file + ".versioninfo", error);
    if (!sidecar)
        return std::nullopt;
    const auto resource = platform::ParseVersionIni(*sidecar);
    if (!resource)
        return std::nullopt;
    return platform::EncodeVersionResource(*resource);
}

} // namespace

std::string ProgramVersionBlock()
{
    const std::string table = std::string("\\StringFileInfo\\") + ProgramTranslation + "\\";
    const std::string name = fs::path(ProgramModulePath()).filename().string();
    platform::TVersionResource resource;
    resource.Translations.emplace_back(0x0407, 0x04E4);
    resource.Strings = {{table + "FileDescription", "panelconf"},
                        {table + "FileVersion", PROGRAM_FILE_VERSION},
                        {table + "InternalName", "panelconf"},
                        {table + "OriginalFilename", name},
                        {table + "ProductName", "panelconf"},
                        {table + "ProductVersion", PROGRAM_FILE_VERSION}};
    return platform::EncodeVersionResource(resource);
}

std::size_t GetFileVersionInfoSize(const std::string& file)
{
    const auto block = VersionBlockOf(file);
    return block ? block->size() : 0;
}

bool GetFileVersionInfo(const std::string& file, std::size_t size, char* data)
{
    const auto block = VersionBlockOf(file);
    if (!block || data == nullptr)
        return false;
    std::memcpy(data, block->data(), std::min(size, block->size()));
    return true;
}
