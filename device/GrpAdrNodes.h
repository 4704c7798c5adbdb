#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <memory_resource>
#include <utility>

class TSorvGrpAdrBasis;

// Group-address nodes by the host id of their group. Owns every node it holds and deletes it
// through its virtual destructor when it lets it go.
class TGrpAdrNodes {
public:
    using TMap = std::pmr::map<int, TSorvGrpAdrBasis*>;

    TGrpAdrNodes() = default;
    ~TGrpAdrNodes();
    TGrpAdrNodes(const TGrpAdrNodes&) = delete;
    TGrpAdrNodes& operator=(const TGrpAdrNodes&) = delete;

    // Files the node under its group's host id and answers the node filed there: a node filed
    // under that id already stays, and the given one is deleted.
    TSorvGrpAdrBasis* Insert(std::unique_ptr<TSorvGrpAdrBasis> node);
    TSorvGrpAdrBasis* Find(int hostId) const;
    // The node filed under the host id; when there is none, the node make() answers is filed there
    // (and none when it answers none). Ids that come in ascending order are filed without a search.
    template <class TMake>
    TSorvGrpAdrBasis* FindOrInsert(int hostId, TMake make)
    {
        const auto [place, found] = PlaceOf(hostId);
        if (found)
            return place->second;
        std::unique_ptr<TSorvGrpAdrBasis> node = make();
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

    // A project has up to tens of thousands of groups. Entries are only ever filed, or all
    // dropped at once: they come from an arena that is given back when the map is emptied.
    std::pmr::monotonic_buffer_resource arena_;
    TMap nodes_{&arena_};
    TMap::iterator next_ = nodes_.end(); // the place after the node filed last by FindOrInsert
};
