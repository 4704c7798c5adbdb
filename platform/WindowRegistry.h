#pragma once

#include "platform/WindowMessages.h"

#include <map>
#include <memory>

namespace platform {

// The windows known by handle. Handlers are shared, so a window that goes away while its
// handler runs does not pull the handler from under the running call.
class TWindowRegistry {
public:
    static TWindowRegistry& Instance();

    HWND Add(TMessageHandler handler);
    void Remove(HWND window);
    std::shared_ptr<const TMessageHandler> Find(HWND window) const;

private:
    TWindowRegistry() = default;

    std::map<HWND, std::shared_ptr<const TMessageHandler>> windows_;
    HWND lastHandle_ = 0;
};

} // namespace platform
