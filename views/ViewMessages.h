#pragma once

#include "platform/WindowMessages.h"

// Messages between the configuration windows, the display preview and the main window.
inline constexpr platform::UINT WM_USER_PREVIEWCLOSED = platform::WM_USER + 118;         // 1142, posted by the preview
inline constexpr platform::UINT WM_USER_INFOWINDOWBUILT = platform::WM_USER + 119;       // 1143, posted (0, object)
inline constexpr platform::UINT WM_USER_FORMVERWCREATED = platform::WM_USER + 130;       // 1154, posted (0, window)
inline constexpr platform::UINT WM_USER_FORMVERWDESTROYED = platform::WM_USER + 131;     // 1155, sent (0, window)
inline constexpr platform::UINT WM_USER_FORMVERWACTIVATED = platform::WM_USER + 132;     // 1156, posted (0, window)
inline constexpr platform::UINT WM_USER_DELETEZELLENKOMPONENTE = platform::WM_USER + 138; // 1162, to a window
inline constexpr platform::UINT WM_USER_LOADGRPADR = platform::WM_USER + 143;            // 1167, sent
inline constexpr platform::UINT WM_USER_NEWFORMVERW = platform::WM_USER + 144;           // 1168, posted
inline constexpr platform::UINT WM_USER_GRPADRNODESCREATED = platform::WM_USER + 149;    // 1173, posted (1, folder)
inline constexpr platform::UINT WM_USER_PREVIEWIMAGECLICK = platform::WM_USER + 163;     // 1187, sent
inline constexpr platform::UINT WM_USER_PREVIEWIMAGEDBLCLICK = platform::WM_USER + 164;  // 1188
inline constexpr platform::UINT WM_USER_PREVIEWIMAGEMOUSEDOWN = platform::WM_USER + 165; // 1189
inline constexpr platform::UINT WM_USER_PREVIEWIMAGEMOUSEUP = platform::WM_USER + 166;   // 1190
inline constexpr platform::UINT WM_USER_PREVIEWBUTTONCLICK = platform::WM_USER + 167;    // 1191
inline constexpr platform::UINT WM_USER_PREVIEWBUTTONDBLCLICK = platform::WM_USER + 168; // 1192
inline constexpr platform::UINT WM_USER_PREVIEWBUTTONMOUSEDOWN = platform::WM_USER + 169; // 1193
inline constexpr platform::UINT WM_USER_PREVIEWBUTTONMOUSEUP = platform::WM_USER + 170;  // 1194, sent
inline constexpr platform::UINT WM_USER_SELECTTREENODE = platform::WM_USER + 171;        // 1195, posted (0, object)
