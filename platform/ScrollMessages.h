#pragma once

#include "platform/WindowMessages.h"

namespace platform {

// The vertical scroll message of a window and the requests it carries in wParam.
inline constexpr UINT WM_VSCROLL = 0x0115;
inline constexpr WPARAM SB_LINEUP = 0;
inline constexpr WPARAM SB_LINEDOWN = 1;

} // namespace platform
