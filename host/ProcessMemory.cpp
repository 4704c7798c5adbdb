#include "host/ProcessMemory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace host {

std::optional<std::int64_t> PeakResidentKb(std::int64_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) != 0)
            continue;
        std::istringstream fields(line.substr(6));
        std::int64_t kb = 0;
        if (fields >> kb)
            return kb;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace host
