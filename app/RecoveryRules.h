#pragma once

#include <QDateTime>
#include <QLocale>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The list of devices whose editing did not end cleanly holds at most this many ids after an
// addition.
inline constexpr std::size_t NotClosedLimit = 16;

// A device's entry in the list: its project's backup folder and its id ("folder/id"), as device
// ids repeat in every project.
std::string NotClosedKey(const std::string& projectFolder, int deviceId);

// What opening a device does to the list: how many of its entries are the key (each one asks
// about the backup), and the list afterwards. A key not in the list is appended, the oldest
// entry dropped first when the list is full; the list is trimmed only then. Entries of the
// earlier form, the bare device id, count as the key and are replaced by it.
struct TNotClosedOpen {
    int Found = 0;
    std::vector<std::string> List;
};
TNotClosedOpen NotClosedOnOpen(std::vector<std::string> list, const std::string& key,
                               const std::string& legacyId = std::string());

// The list without the key's entries.
std::vector<std::string> NotClosedOnEnd(std::vector<std::string> list, const std::string& key);

// True when the host's version (major << 16 | minor) and build (the same) are at least the
// minimum (version major, version minor, build major, build minor), compared as unsigned 16-bit
// numbers in that order.
bool HostVersionAtLeast(std::uint32_t version, std::uint32_t build, const std::array<std::uint16_t, 4>& minimum);

// The date of the last backup as the restore question shows it: " mmmm d, yyyy , hh:mm" with the
// month's name in the locale's language, as Windows-1252 bytes.
std::string BackupDateText(const QDateTime& when, const QLocale& locale = QLocale());
