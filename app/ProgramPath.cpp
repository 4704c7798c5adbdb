#include "app/ProgramPath.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The executable does not move while it runs: its path is read once.
const fs::path& ExecutablePath()
{
    static const fs::path exe = [] {
        std::error_code error;
        fs::path path = fs::read_symlink("/proc/self/exe", error);
        return error ? fs::path() : path;
    }();
    return exe;
}

} // namespace

std::string ProgramModulePath()
{
    const fs::path& exe = ExecutablePath();
    if (exe.empty())
        return {};
    std::error_code error;
    const char* home = std::getenv("PANELCONF_HOME");
    if (home == nullptr || *home == '\0')
        return exe.string();
    fs::path folder = fs::absolute(home, error);
    if (error)
        folder = home;
    return (folder.lexically_normal() / exe.filename()).string();
}
