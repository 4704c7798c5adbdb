#pragma once

#include "platform/WindowMessages.h"

// Messages to the main window besides those of the data objects, the views and progresslib.
inline constexpr platform::UINT WM_CLOSE = 0x0010;
inline constexpr platform::UINT WM_USER_SETMODIFIED = platform::WM_USER + 106;           // 1130
inline constexpr platform::UINT WM_USER_TIMEOUTSTART = platform::WM_USER + 108;          // 1132, code, time-out
inline constexpr platform::UINT WM_USER_BUILDALLPROJECTFORMS = platform::WM_USER + 151;  // 1175
