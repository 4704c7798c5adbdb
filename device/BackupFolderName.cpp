#include "device/BackupFolderName.h"

#include <cstdio>
#include <filesystem>

namespace {

constexpr std::size_t MaxNameLength = 48;

// FNV-1a: the same path gives the same folder in every run.
std::uint32_t PathHash(const std::string& path)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : path) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

std::string SafeName(const std::string& name)
{
    std::string safe;
    for (const char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || c == '.';
        safe += plain ? c : '_';
        if (safe.size() == MaxNameLength)
            break;
    }
    if (!safe.empty() && safe.front() == '.')
        safe.front() = '_';
    return safe.empty() ? std::string("project") : safe;
}

} // namespace

std::string BackupFolderName(std::int32_t projectId, const std::string& projectFile)
{
    std::error_code unknown;
    std::filesystem::path whole = projectFile.empty() ? std::filesystem::path()
                                                      : std::filesystem::absolute(projectFile, unknown);
    whole = whole.lexically_normal();
    char hash[9];
    std::snprintf(hash, sizeof hash, "%08x", static_cast<unsigned>(PathHash(whole.string())));
    return SafeName(whole.filename().string()) + "-" + std::to_string(projectId) + "-" + hash;
}
