#include "device/DataObjectRegistry.h"

#include "outside/datacore/DataBasis.h"

#include <utility>

TDataObjectRegistry::~TDataObjectRegistry()
{
    Clear();
}

bool TDataObjectRegistry::Register(TDataBasis* object)
{
    if (!object)
        return false;
    const auto [it, inserted] = objects_.emplace(object->GetHandle(), object);
    return inserted || it->second == object;
}

bool TDataObjectRegistry::Remove(TDataBasis* object)
{
    if (!object)
        return false;
    const auto it = objects_.find(object->GetHandle());
    if (it == objects_.end() || it->second != object)
        return false;
    objects_.erase(it);
    delete object;
    return true;
}

void TDataObjectRegistry::Clear()
{
    while (!objects_.empty()) {
        TMap doomed;
        doomed.swap(objects_);
        for (auto& [handle, object] : doomed)
            delete object;
    }
}

TDataBasis* TDataObjectRegistry::Find(std::int32_t handle) const
{
    const auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : it->second;
}
