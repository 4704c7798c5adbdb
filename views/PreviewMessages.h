#pragma once

#include "platform/WindowMessages.h"
#include "views/ViewMessages.h"

// The main window reloads the device's character table and hands it to the preview.
inline constexpr platform::UINT WM_USER_UPDATEPREVIEWCHARDATA = platform::WM_USER + 162; // 1186, posted (0, 0)

// The target handle that receives nothing from the preview window.
inline constexpr platform::HWND NoPreviewTarget = static_cast<platform::HWND>(-1);
