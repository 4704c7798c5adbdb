#pragma once

#include <cstdint>
#include <string_view>

// Every data block and backup copy carries in its version section the write stamp of the stored
// block it follows: the stored block's stamp plus one. So a backup whose stamp is higher than the
// stored block's holds changes the block has not; one with the same or a lower stamp is older.
inline constexpr std::string_view KeyWriteStamp = "WriteStamp";

// The write stamp of a data block or backup copy; 0 when it carries none (written before stamps
// were) or the value is no decimal number.
std::uint64_t ReadWriteStamp(std::string_view block);

// Whether a backup with this stamp holds more than the stored block with that one. When neither
// carries a stamp nothing tells them apart and the backup counts as newer, as it always did.
bool BackupIsNewer(std::uint64_t backupStamp, std::uint64_t storedStamp);
