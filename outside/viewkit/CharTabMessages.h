#pragma once

#include "platform/WindowMessages.h"

// What the character table tells the main window: it opened (posted, lParam the table's
// window) and it closed (posted, 0, 0).
inline constexpr platform::UINT WM_USER_CHARTABCLOSED = platform::WM_USER + 115;
inline constexpr platform::UINT WM_USER_CHARTABOPENED = platform::WM_USER + 161;
