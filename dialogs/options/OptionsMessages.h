#pragma once

#include "platform/WindowMessages.h"

// The messages the options dialog sends or posts to the main window.
namespace options {
inline constexpr platform::UINT WM_USER_LOADCOLOR = platform::WM_USER + 111;             // sent (0, 0)
inline constexpr platform::UINT WM_USER_LOADSIZE = platform::WM_USER + 113;              // sent (0, 0)
inline constexpr platform::UINT WM_USER_ETSOBJEKTCHECK = platform::WM_USER + 136;        // sent (0, 0)
inline constexpr platform::UINT WM_USER_UPDATEPREVIEWCHARDATA = platform::WM_USER + 162; // posted (0, 0)
} // namespace options
