#pragma once

#include "platform/WindowMessages.h"

// The messages between the display preview and the main window.
inline constexpr platform::UINT WM_USER_PREVIEWCLOSED = platform::WM_USER + 118;          // 1142, posted
inline constexpr platform::UINT WM_USER_UPDATEPREVIEWCHARDATA = platform::WM_USER + 162;  // 1186, posted
inline constexpr platform::UINT WM_USER_PREVIEWIMAGECLICK = platform::WM_USER + 163;      // 1187, image id
inline constexpr platform::UINT WM_USER_PREVIEWIMAGEDBLCLICK = platform::WM_USER + 164;   // 1188
inline constexpr platform::UINT WM_USER_PREVIEWIMAGEMOUSEDOWN = platform::WM_USER + 165;  // 1189
inline constexpr platform::UINT WM_USER_PREVIEWIMAGEMOUSEUP = platform::WM_USER + 166;    // 1190
inline constexpr platform::UINT WM_USER_PREVIEWBUTTONCLICK = platform::WM_USER + 167;     // 1191, button id, identifier
inline constexpr platform::UINT WM_USER_PREVIEWBUTTONDBLCLICK = platform::WM_USER + 168;  // 1192
inline constexpr platform::UINT WM_USER_PREVIEWBUTTONMOUSEDOWN = platform::WM_USER + 169; // 1193
inline constexpr platform::UINT WM_USER_PREVIEWBUTTONMOUSEUP = platform::WM_USER + 170;   // 1194
inline constexpr platform::UINT WM_USER_SELECTTREENODE = platform::WM_USER + 171;         // 1195, posted, 0, object

// The target handle that receives nothing from the preview window.
inline constexpr platform::HWND NoPreviewTarget = static_cast<platform::HWND>(-1);
