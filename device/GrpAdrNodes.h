#pragma once

#include "device/GrpAdrNodeMap.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <utility>

class TSorvGrpAdrBasis;

// Group-address nodes by the host id of their group. Owns every node it holds and destroys it
// through its virtual destructor when it lets it go.
class TGrpAdrNodes {
public:
    using TMap = TGrpAdrNodeMap;

    // Ends a node made by Make; its memory stays the store's until the store is emptied.
    struct TDestroy {
        void operator()(TSorvGrpAdrBasis* node) const;
    };
    template <class TNode = TSorvGrpAdrBasis>
    using TNodePtr = std::unique_ptr<TNode, TDestroy>;

    TGrpAdrNodes() = default;
    ~TGrpAdrNodes();
    TGrpAdrNodes(const TGrpAdrNodes&) = delete;
    TGrpAdrNodes& operator=(const TGrpAdrNodes&) = delete;

    // A node of class TNode made from the arguments in the store's memory, so that tens of
    // thousands of nodes take a few allocations. To be filed here, or dropped, before the store
    // is emptied.
    template <class TNode, class... TArgs>
    TNodePtr<TNode> Make(TArgs&&... args)
    {
        return TNodePtr<TNode>(
            std::pmr::polymorphic_allocator<>(&nodeArena_).new_object<TNode>(std::forward<TArgs>(args)...));
    }

    // Files the node under its group's host id and answers the node filed there: a node filed
    // under that id already stays, and the given one is destroyed.
    TSorvGrpAdrBasis* Insert(TNodePtr<> node);
    TSorvGrpAdrBasis* Find(int hostId) const;
    // The node filed under the host id; when there is none, the node make() answers is filed there
    // (and none when it answers none). Ids that come in ascending order are filed without a search.
    template <class TMake>
    TSorvGrpAdrBasis* FindOrInsert(int hostId, TMake make)
    {
        const auto [place, found] = PlaceOf(hostId);
        if (found)
            return nodes_.begin()[place].second;
        TNodePtr<> node = make();
        return node ? FileAt(place, hostId, std::move(node)) : nullptr;
    }
    // Makes room for that many nodes in all.
    void Reserve(std::size_t nodes) { nodes_.reserve(nodes); }
    // Deletes every node.
    void Clear();

    const TMap& Map() const { return nodes_; }
    bool Empty() const { return nodes_.empty(); }

private:
    // The index of the host id's entry (true), or of the place where it would go (false).
    std::pair<std::size_t, bool> PlaceOf(int hostId) const;
    // Files the node at the index of its place, searched anew when it no longer fits; answers the
    // node filed under the id.
    TSorvGrpAdrBasis* FileAt(std::size_t place, int hostId, TNodePtr<> node);

    // A project has up to tens of thousands of groups. Nodes are only ever filed, or all dropped
    // at once: they come from an arena that is given back when the map is emptied.
    std::pmr::monotonic_buffer_resource nodeArena_;
    TMap nodes_;
    // The index after the entry filed last by FindOrInsert: the place of the next id in ascending
    // order. Checked against the ids around it before use, as other filings move the entries.
    std::size_t next_ = 0;
};
