#include "device/GrpAdrNodes.h"

#include "outside/addrlink/SorvGrpAdrBasis.h"

#include <iterator>

void TGrpAdrNodes::TDestroy::operator()(TSorvGrpAdrBasis* node) const
{
    std::destroy_at(node);
}

TGrpAdrNodes::~TGrpAdrNodes()
{
    Clear();
}

TSorvGrpAdrBasis* TGrpAdrNodes::Insert(TNodePtr<> node)
{
    if (!node)
        return nullptr;
    const auto [entry, inserted] = nodes_.emplace(node->GetEtsId(), node.get());
    if (inserted) {
        node.release();
        filed_ = nodes_.end(); // it may stand between that node and the place after it
    }
    return entry->second;
}

TSorvGrpAdrBasis* TGrpAdrNodes::Find(int hostId) const
{
    const auto entry = nodes_.find(hostId);
    return entry == nodes_.end() ? nullptr : entry->second;
}

std::pair<TGrpAdrNodes::TMap::iterator, bool> TGrpAdrNodes::PlaceOf(int hostId)
{
    // The place after the node filed last is tried first: the next id in ascending order goes there.
    if (filed_ != nodes_.end() && filed_->first < hostId && (next_ == nodes_.end() || hostId < next_->first))
        return {next_, false};
    const auto place = nodes_.lower_bound(hostId);
    return {place, place != nodes_.end() && place->first == hostId};
}

TSorvGrpAdrBasis* TGrpAdrNodes::FileAt(TMap::iterator place, int hostId, TSorvGrpAdrBasis* node)
{
    // The place is the first entry above the id: the new entry goes just before it.
    filed_ = nodes_.emplace_hint(place, hostId, node);
    next_ = place;
    return node;
}

void TGrpAdrNodes::Clear()
{
    {
        // Emptied first, so that nothing finds a node while it is being deleted.
        TMap nodes(&arena_);
        nodes.swap(nodes_);
        filed_ = next_ = nodes_.end();
        for (const auto& [id, node] : nodes)
            TDestroy{}(node);
    }
    arena_.release();
    nodeArena_.release();
}
