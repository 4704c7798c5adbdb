#include "app/FileInfo.h"

#include "app/FileVersionInfo.h"
#include "platform/VersionResource.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::size_t VersionBufferSize = 2048;
constexpr std::size_t QueryBufferSize = 1024;

} // namespace

TFileInfo::TFileInfo(const char* fileName)
{
    if (fileName == nullptr)
        return;
    std::error_code error;
    if (!std::filesystem::exists(fileName, error))
        return;
    Info[11] = fileName;
    ReadVersionInfo(fileName);
}

bool TFileInfo::ReadVersionInfo(const char* fileName)
{
    if (fileName == nullptr)
        return false;
    std::string block(VersionBufferSize, '\0');
    if (!GetFileVersionInfo(fileName, block.size(), block.data()))
        return false;
    std::size_t length = 0;
    const char* translation =
        platform::VerQueryValue(block.data(), block.size(), "\\VarFileInfo\\Translation", &length);
    if (translation == nullptr || length < 4)
        return false;
    const auto word = [translation](int at) {
        return static_cast<unsigned>(static_cast<unsigned char>(translation[at]) |
                                     (static_cast<unsigned char>(translation[at + 1]) << 8));
    };
    char langCodePage[9];
    std::snprintf(langCodePage, sizeof langCodePage, "%04X%04X", word(0), word(2));
    for (std::size_t i = 0; i < EntryNames.size(); ++i)
        if (const char* value = QueryValue(block, langCodePage, EntryNames[i]))
            Info[i + 1] = value;
    return true;
}

const char* TFileInfo::QueryValue(const std::string& block, const char* langCodePage, const char* entry)
{
    char path[QueryBufferSize];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%s\\%s", langCodePage, entry);
    std::size_t length = 0;
    const char* value = platform::VerQueryValue(block.data(), block.size(), path, &length);
    // A text cut off by the end of the block has no NUL byte inside it: not found.
    if (value == nullptr || length == 0 || value[length - 1] != '\0')
        return nullptr;
    return value;
}

std::string TFileInfo::GetValue(const int& index) const
{
    if (index == 0)
        return Info[11];
    if (index >= 1 && index <= 10)
        return Info[static_cast<std::size_t>(index)];
    return {};
}
