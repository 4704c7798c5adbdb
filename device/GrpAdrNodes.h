#pragma once

#include <cstdint>
#include <map>
#include <memory>

class TSorvGrpAdrBasis;

// Group-address nodes by the host id of their group. Owns every node it holds and deletes it
// through its virtual destructor when it lets it go.
class TGrpAdrNodes {
public:
    using TMap = std::map<int, TSorvGrpAdrBasis*>;

    TGrpAdrNodes() = default;
    ~TGrpAdrNodes();
    TGrpAdrNodes(const TGrpAdrNodes&) = delete;
    TGrpAdrNodes& operator=(const TGrpAdrNodes&) = delete;

    // Files the node under its group's host id and answers the node filed there: a node filed
    // under that id already stays, and the given one is deleted.
    TSorvGrpAdrBasis* Insert(std::unique_ptr<TSorvGrpAdrBasis> node);
    TSorvGrpAdrBasis* Find(int hostId) const;
    // Deletes every node.
    void Clear();

    const TMap& Map() const { return nodes_; }
    bool Empty() const { return nodes_.empty(); }

private:
    TMap nodes_;
};
