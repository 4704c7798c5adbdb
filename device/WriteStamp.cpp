#include "device/WriteStamp.h"

#include "device/BlobSection.h"

#include <charconv>
#include <string>

std::uint64_t ReadWriteStamp(std::string_view block)
{
    const std::optional<TBlobSection> version = TBlobSection::Find(block, "Version");
    if (!version)
        return 0;
    std::string_view rest = block.substr(version->ContentBegin, version->ContentSize());
    const std::string key = std::string(KeyWriteStamp) + "=";
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.substr(0, key.size()) != key)
            continue;
        const std::string_view digits = line.substr(key.size());
        std::uint64_t stamp = 0;
        const auto [at, error] = std::from_chars(digits.data(), digits.data() + digits.size(), stamp);
        return error == std::errc() && at == digits.data() + digits.size() ? stamp : 0;
    }
    return 0;
}

bool BackupIsNewer(std::uint64_t backupStamp, std::uint64_t storedStamp)
{
    if (backupStamp == 0 && storedStamp == 0)
        return true;
    return backupStamp > storedStamp;
}
