#pragma once

#include <cstddef>
#include <string>

// The version functions of the platform for panelconf. The running program answers from the
// table compiled in with the build's file version; any other file from its sidecar
// "<file>.versioninfo", an ini file as platform::ParseVersionIni reads it. The block is the one of
// platform/VersionResource.h, cut at size bytes.

// The size of the file's version block; 0 when the file has none.
std::size_t GetFileVersionInfoSize(const std::string& file);
// Copies at most size bytes of the file's version block into data; false when it has none.
bool GetFileVersionInfo(const std::string& file, std::size_t size, char* data);
// The running program's version resource, from the build.
std::string ProgramVersionBlock();
