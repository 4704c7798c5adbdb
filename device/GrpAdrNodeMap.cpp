#include "device/GrpAdrNodeMap.h"

#include <algorithm>
#include <iterator>

TGrpAdrNodeMap::const_iterator TGrpAdrNodeMap::lower_bound(int id) const
{
    return std::lower_bound(begin(), end(), id, [](const value_type& entry, int key) { return entry.first < key; });
}

TGrpAdrNodeMap::const_iterator TGrpAdrNodeMap::upper_bound(int id) const
{
    return std::upper_bound(begin(), end(), id, [](int key, const value_type& entry) { return key < entry.first; });
}

TGrpAdrNodeMap::const_iterator TGrpAdrNodeMap::find(int id) const
{
    const auto entry = lower_bound(id);
    return entry != end() && entry->first == id ? entry : end();
}

std::pair<TGrpAdrNodeMap::const_iterator, bool> TGrpAdrNodeMap::emplace(int id, TSorvGrpAdrBasis* node)
{
    if (entries_.empty() || entries_.back().first < id) {
        entries_.emplace_back(id, node);
        return {std::prev(end()), true};
    }
    const auto place = lower_bound(id);
    if (place->first == id)
        return {place, false};
    return {entries_.emplace(place, id, node), true};
}

TGrpAdrNodeMap::const_iterator TGrpAdrNodeMap::emplace_hint(const_iterator place, int id, TSorvGrpAdrBasis* node)
{
    const bool fits = (place == begin() || std::prev(place)->first < id) && (place == end() || id < place->first);
    if (!fits)
        return emplace(id, node).first;
    return entries_.emplace(place, id, node);
}
