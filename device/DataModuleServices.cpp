#include "device/DataModuleServices.h"

#include <algorithm>
#include <vector>

namespace {

// The data modules alive, in the order they were made.
std::vector<TDataModuleServices*>& Alive()
{
    static std::vector<TDataModuleServices*> alive;
    return alive;
}

} // namespace

TDataModuleServices* TDataModuleServices::Current()
{
    return Alive().empty() ? nullptr : Alive().back();
}

TDataModuleServices::TDataModuleServices()
{
    Alive().push_back(this);
}

TDataModuleServices::~TDataModuleServices()
{
    auto& alive = Alive();
    alive.erase(std::remove(alive.begin(), alive.end(), this), alive.end());
}
