#pragma once

#include <cstddef>
#include <utility>
#include <vector>

class TSorvGrpAdrBasis;

// Group-address nodes by host id in ascending order, kept in one sorted array: ids that come in
// ascending order are appended, and a walk or a search stays in few cache lines. Read like a
// std::map; an insertion moves the entries above it, so iterators into the map do not outlive it.
class TGrpAdrNodeMap {
public:
    using key_type = int;
    using mapped_type = TSorvGrpAdrBasis*;
    using value_type = std::pair<int, TSorvGrpAdrBasis*>;
    using size_type = std::size_t;
    using const_iterator = std::vector<value_type>::const_iterator;
    using iterator = const_iterator;
    using const_reverse_iterator = std::vector<value_type>::const_reverse_iterator;
    using reverse_iterator = const_reverse_iterator;

    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }
    const_reverse_iterator rbegin() const { return entries_.rbegin(); }
    const_reverse_iterator rend() const { return entries_.rend(); }
    size_type size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    // The first entry whose id is not below the id, and the first one above it.
    const_iterator lower_bound(int id) const;
    const_iterator upper_bound(int id) const;
    const_iterator find(int id) const;
    size_type count(int id) const { return find(id) == end() ? 0 : 1; }

    // Files the node under the id unless an entry holds the id already; answers the entry
    // under the id and whether it is the new one.
    std::pair<const_iterator, bool> emplace(int id, TSorvGrpAdrBasis* node);
    // Files the node under the id just before the place, the first entry above the id (end() for
    // an id above all); a wrong place is searched for. Answers the entry under the id: one there
    // already stays.
    const_iterator emplace_hint(const_iterator place, int id, TSorvGrpAdrBasis* node);

    void reserve(size_type entries) { entries_.reserve(entries); }
    void clear() noexcept { entries_.clear(); }
    void swap(TGrpAdrNodeMap& other) noexcept { entries_.swap(other.entries_); }

private:
    std::vector<value_type> entries_;
};
