#pragma once

#include "device/DatenStruktur.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// The block with the record lines of its DB section changed by edit (which may drop a line by
// answering an empty one, or add one by answering two joined by CR LF).
std::string EditRecords(const std::string& block, const std::function<std::string(const TDatenStruktur&)>& edit);

// One way to damage a sound data block, and a part of the reason its refusal names.
struct Damage {
    const char* Name;
    std::function<std::string(const std::string&)> Make;
    const char* Reason;
};

// Cut at ten places across the sections, without DB section, without system record, with the
// handle of its first other record twice, with a chain from it to a missing record, binary
// garbage and an empty file.
std::vector<Damage> DamagedBlocks();

} // namespace testsupport
