#pragma once

#include <cstdint>
#include <string>

// The folder below the backup folder that holds the backups and export files of one project's
// devices, from the project's identity: its id and the project file. The file's name and the id
// make it readable; a hash of the file's whole path keeps apart projects of one name in
// different folders. Only letters, digits, '-', '_' and '.' appear, never a leading '.', and the
// name stays short enough for any file system.
std::string BackupFolderName(std::int32_t projectId, const std::string& projectFile);
