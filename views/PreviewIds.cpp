#include "views/PreviewIds.h"

#include <algorithm>

int NextImageIdOf(std::vector<int> ids)
{
    if (ids.empty())
        return 1;
    std::sort(ids.begin(), ids.end());
    for (std::size_t i = 1; i < ids.size(); ++i)
        if (ids[i] != ids[i - 1] + 1)
            return ids[i - 1] + 1;
    return ids.back() < 0xFFFF ? ids.back() + 1 : -1;
}
