#include "app/ProgramPath.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string ProgramModulePath()
{
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    const char* home = std::getenv("PANELCONF_HOME");
    if (home == nullptr || *home == '\0')
        return exe.string();
    fs::path folder = fs::absolute(home, error);
    if (error)
        folder = home;
    return (folder.lexically_normal() / exe.filename()).string();
}
