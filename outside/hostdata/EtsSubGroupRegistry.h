#pragma once

#include "outside/hostdata/EtsSubGroup.h"

#include <cstdint>
#include <deque>
#include <vector>

// The sub groups of a project by host id. A group, once made, keeps its address as long as the
// registry lives, and none is ever removed. A project has up to tens of thousands of them: they
// are kept in blocks and found through an index in order of id.
class TEtsSubGroupRegistry {
public:
    // The group of the id; none when there is none.
    TEtsSubGroup* Find(std::int32_t id) const;
    // The group of the id, made with its middle group's id when there is none. Ids that come in
    // ascending order, as the host hands them over, are filed without a search.
    TEtsSubGroup& FindOrMake(std::int32_t id, std::int32_t middleGroupId);

private:
    std::deque<TEtsSubGroup> groups_;
    std::vector<TEtsSubGroup*> index_; // in order of id
};
