#pragma once

#include <string>

namespace testsupport {

// Lays out the program's data folder at home as scripts/run does (scripts/lay-out-home with the
// build folder); the script's complaint, empty when it went well.
std::string LayOutProgramHome(const std::string& script, const std::string& buildDir, const std::string& home);

} // namespace testsupport
