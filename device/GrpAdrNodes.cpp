#include "device/GrpAdrNodes.h"

#include "outside/addrlink/SorvGrpAdrBasis.h"

TGrpAdrNodes::~TGrpAdrNodes()
{
    Clear();
}

TSorvGrpAdrBasis* TGrpAdrNodes::Insert(std::unique_ptr<TSorvGrpAdrBasis> node)
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

void TGrpAdrNodes::Clear()
{
    // Emptied first, so that nothing finds a node while it is being deleted.
    TMap nodes;
    nodes.swap(nodes_);
    for (const auto& [id, node] : nodes)
        delete node;
}
