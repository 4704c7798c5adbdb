#pragma once

#include <cstdint>
#include <optional>

namespace host {

// The peak resident size (VmHWM) of a running process in KiB; none when it cannot be read.
std::optional<std::int64_t> PeakResidentKb(std::int64_t pid);

} // namespace host
