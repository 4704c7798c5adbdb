#include "dialogs/project/SubGroupEntry.h"

#include "outside/addrlink/SorvGrpAdrSub.h"
#include "outside/hostdata/EtsGruppenAdressen.h"

TSubGroupEntry MakeSubGroupEntry(const TSorvGrpAdrSub& sub, const TEtsGruppenAdressen& groups)
{
    const std::int32_t id = sub.GetEtsId();
    return TSubGroupEntry{id, sub.GetName(false), groups.GrpAddrString(id), sub.GetGroupAddress(id),
                          sub.GetSubAdrTyp()};
}

std::vector<TSubGroupEntry> CollectSubGroups(const TGrpAdrNodes::TMap& nodes, const TEtsGruppenAdressen& groups)
{
    std::vector<TSubGroupEntry> entries;
    for (const auto& [id, node] : nodes)
        if (const auto* sub = dynamic_cast<const TSorvGrpAdrSub*>(node))
            entries.push_back(MakeSubGroupEntry(*sub, groups));
    return entries;
}
