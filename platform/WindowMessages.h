#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// A window handle is a key into the registry of message receivers; 0 is no window.
// Handles are never reused, so a stale handle simply reaches nobody.
using HWND = std::uintptr_t;
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

inline constexpr UINT WM_USER = 0x0400;

// What a window does with a message; the result goes back to a sender.
using TMessageHandler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

// Calls the window's handler at once and returns its result; 0 when the handle is unknown.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Queues the message on the Qt event loop: it is handled after the caller has returned, in
// posting order, by whatever window then holds the handle (none when it is gone by then).
// False when the handle is unknown or there is no application object to carry the queue.
bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// True while a window holds the handle.
bool IsWindow(HWND window);

// Registers a handler under a new handle for the lifetime of this object; the handle is freed
// when it ends. Safe to destroy from inside its own handler.
class TWindowRegistration {
public:
    explicit TWindowRegistration(TMessageHandler handler);
    ~TWindowRegistration();
    TWindowRegistration(const TWindowRegistration&) = delete;
    TWindowRegistration& operator=(const TWindowRegistration&) = delete;

    HWND Handle() const { return handle_; }

private:
    HWND handle_;
};

} // namespace platform
