#pragma once

#include <string>

// The full path of the running program. Its folder is the executable's, unless the environment
// variable PANELCONF_HOME names another folder; the program's file name is kept either way.
// Empty when the platform cannot tell the executable.
std::string ProgramModulePath();
