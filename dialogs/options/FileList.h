#pragma once

#include <string>
#include <vector>

// The names (without folder) of the files that match the pattern, a folder followed by a name
// pattern with "*" and "?" ("…/Firmware/*.dat"), matched without regard to case; sorted by name.
std::vector<std::string> FindFiles(const std::string& pattern);
