#pragma once

#include <cstdint>
#include <string>

// Moves the backup copy that the earlier layout kept for a device (named by the device id alone)
// to the device's place in its project's folder. A backup already there is newer and stays; the
// earlier one then goes beside it as "<id>.earlier.bus", or, when that name is taken too, stays
// where it is. Nothing is deleted; a move that fails leaves the file where it was.
void TakeOverLegacyBackup(const std::string& legacyFile, const std::string& file);

// Whether the backup copy holds more than the stored block whose write stamp is given: the file
// can be read and its stamp is newer.
bool BackupNewerThanStored(const std::string& file, std::uint64_t storedStamp);
