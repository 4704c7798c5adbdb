#include "outside/datacore/GlobalParameter.h"

#include <algorithm>

bool TGlobalParameter::HasDependentCellTag(int tag) const
{
    return std::find(DependentCellTags.begin(), DependentCellTags.end(), tag) != DependentCellTags.end();
}
