#include "platform/WindowRegistry.h"

namespace platform {

TWindowRegistry& TWindowRegistry::Instance()
{
    static TWindowRegistry registry;
    return registry;
}

HWND TWindowRegistry::Add(TMessageHandler handler)
{
    const HWND handle = ++lastHandle_;
    windows_.emplace(handle, std::make_shared<const TMessageHandler>(std::move(handler)));
    return handle;
}

void TWindowRegistry::Remove(HWND window)
{
    windows_.erase(window);
}

std::shared_ptr<const TMessageHandler> TWindowRegistry::Find(HWND window) const
{
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second;
}

} // namespace platform
