#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <memory_resource>
#include <utility>

class TSorvGrpAdrBasis;

// Group-address nodes by the host id of their group. Owns every node it holds and destroys it
// through its virtual destructor when it lets it go.
class TGrpAdrNodes {
public:
    using TMap = std::pmr::map<int, TSorvGrpAdrBasis*>;

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
            return place->second;
        TNodePtr<> node = make();
        return node ? FileAt(place, hostId, node.release()) : nullptr;
    }
    // Deletes every node.
    void Clear();

    const TMap& Map() const { return nodes_; }
    bool Empty() const { return nodes_.empty(); }

private:
    // The node of the host id (true), or the place where it would go (false).
    std::pair<TMap::iterator, bool> PlaceOf(int hostId);
    // Files the node (now owned) at its place.
    TSorvGrpAdrBasis* FileAt(TMap::iterator place, int hostId, TSorvGrpAdrBasis* node);

    // A project has up to tens of thousands of groups. Entries and nodes are only ever filed, or
    // all dropped at once: they come from arenas that are given back when the map is emptied. The
    // entries have one of their own, so that a search through them stays in few cache lines.
    std::pmr::monotonic_buffer_resource arena_;
    std::pmr::monotonic_buffer_resource nodeArena_;
    TMap nodes_{&arena_};
    // The entry filed last by FindOrInsert and the place after it; none when another was filed
    // since.
    TMap::iterator filed_ = nodes_.end();
    TMap::iterator next_ = nodes_.end();
};
