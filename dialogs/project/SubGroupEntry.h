#pragma once

#include "device/GrpAdrNodes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TEtsGruppenAdressen;
class TSorvGrpAdrSub;

// One sub group of the project as the group-address dialogs see it.
struct TSubGroupEntry {
    std::int32_t Id = 0;       // host id
    std::string Name;          // GetName(false)
    std::string AdrText;       // the host's text of the address, for the project's level
    std::uint16_t Adr = 0;     // the group-address value
    int SubAdrTyp = -1;        // -1 suits every object type
};

TSubGroupEntry MakeSubGroupEntry(const TSorvGrpAdrSub& sub, const TEtsGruppenAdressen& groups);

// The sub groups among the middle and sub nodes, in the map's order (ascending host id).
std::vector<TSubGroupEntry> CollectSubGroups(const TGrpAdrNodes::TMap& nodes, const TEtsGruppenAdressen& groups);
