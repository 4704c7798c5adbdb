#include "device/GrpAdrNodes.h"

#include "outside/addrlink/SorvGrpAdrBasis.h"

#include <algorithm>
#include <utility>

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
    if (inserted)
        node.release();
    return entry->second;
}

TSorvGrpAdrBasis* TGrpAdrNodes::Find(int hostId) const
{
    const auto entry = nodes_.find(hostId);
    return entry == nodes_.end() ? nullptr : entry->second;
}

std::pair<std::size_t, bool> TGrpAdrNodes::PlaceOf(int hostId) const
{
    // The place after the node filed last is tried first: the next id in ascending order goes there.
    const std::size_t size = nodes_.size();
    if (next_ > 0 && next_ <= size && nodes_.begin()[next_ - 1].first < hostId &&
        (next_ == size || hostId < nodes_.begin()[next_].first))
        return {next_, false};
    const auto place = nodes_.lower_bound(hostId);
    return {static_cast<std::size_t>(place - nodes_.begin()), place != nodes_.end() && place->first == hostId};
}

TSorvGrpAdrBasis* TGrpAdrNodes::FileAt(std::size_t place, int hostId, TNodePtr<> node)
{
    const auto entry = nodes_.emplace_hint(nodes_.begin() + std::min(place, nodes_.size()), hostId, node.get());
    if (entry->second == node.get()) {
        node.release();
        next_ = static_cast<std::size_t>(entry - nodes_.begin()) + 1;
    }
    return entry->second;
}

void TGrpAdrNodes::Clear()
{
    {
        // Emptied first, so that nothing finds a node while it is being deleted.
        TMap nodes;
        nodes.swap(nodes_);
        next_ = 0;
        for (const auto& [id, node] : nodes)
            TDestroy{}(node);
    }
    nodeArena_.release();
}
