#include "outside/addrlink/ObjektBasis.h"

#include <algorithm>

bool TObjektBasis::CheckAnzahlVerbindungen() const
{
    return numberSelectable_ <= 0 || links_.size() < static_cast<std::size_t>(numberSelectable_);
}

bool TObjektBasis::ExistSubGroupId(std::int32_t subGroupId) const
{
    return std::any_of(links_.begin(), links_.end(),
                       [subGroupId](const RecGrpAdrId& link) { return link.SubGroupId == subGroupId; });
}

void TObjektBasis::AddSubGroupLink(std::int32_t subGroupId, std::uint16_t grpAdr, bool flag)
{
    // The heap's smallest block holds two links: room for both comes with the first.
    if (links_.empty())
        links_.reserve(2);
    links_.push_back(RecGrpAdrId{subGroupId, grpAdr, flag});
}

void TObjektBasis::DeleteSubGroupLink(std::int32_t subGroupId)
{
    std::erase_if(links_, [subGroupId](const RecGrpAdrId& link) { return link.SubGroupId == subGroupId; });
}

void TObjektBasis::ClearAllSubGroupLink()
{
    links_.clear();
}

void TObjektBasis::GetFlags(bool& read, bool& write, bool& communication, bool& transmit, bool& update,
                            bool& readOnInit) const
{
    communication = Flags[OBJEKT_FLAG_KOMMUNIKATION];
    read = Flags[OBJEKT_FLAG_LESEN];
    write = Flags[OBJEKT_FLAG_SCHREIBEN];
    transmit = Flags[OBJEKT_FLAG_UEBERTRAGEN];
    update = Flags[OBJEKT_FLAG_AKTUALISIEREN];
    readOnInit = Flags[OBJEKT_FLAG_LESEN_BEI_INIT];
}
