#include "app/BackupCopy.h"

#include "device/WriteStamp.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

void TakeOverLegacyBackup(const std::string& legacyFile, const std::string& file)
{
    std::error_code error;
    if (legacyFile.empty() || file.empty() || !fs::is_regular_file(fs::symlink_status(legacyFile, error)))
        return;
    fs::path target(file);
    fs::create_directories(target.parent_path(), error);
    if (fs::exists(fs::symlink_status(target, error)))
        target.replace_extension(".earlier" + target.extension().string());
    if (fs::exists(fs::symlink_status(target, error)))
        return;
    fs::rename(legacyFile, target, error);
}

bool BackupNewerThanStored(const std::string& file, std::uint64_t storedStamp)
{
    std::error_code error;
    if (file.empty() || !fs::is_regular_file(file, error))
        return false;
    const std::optional<std::string> bytes = platform::ReadWholeFile(file, error);
    return bytes && BackupIsNewer(ReadWriteStamp(*bytes), storedStamp);
}
