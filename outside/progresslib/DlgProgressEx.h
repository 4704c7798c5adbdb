#pragma once

#include "platform/WindowMessages.h"

#include <cstdint>
#include <string>

// Sent to the parent window when the user cancels the progress dialog of the Ex form.
inline constexpr platform::UINT WM_USER_PROGRESSCANCELEX = platform::WM_USER + 185; // 1209

// What the Ex progress dialog shows, handed over by value: caption, text, the step count and the
// parent window that is told of a cancel. The other fields are carried as given.
struct RecDlgProgressEx {
    std::string Caption;
    std::string Text;
    std::int32_t Value8 = 0;
    std::int32_t StepCount = 0;
    std::int32_t Value16 = 0;
    std::uint8_t Flag20 = 0;
    platform::HWND Parent = 0;
    std::int32_t Value28 = 0;
    std::uint8_t Flag32 = 0;
    std::uint8_t Flag33 = 0;
    std::uint8_t Flag34 = 0;
};

// The progress dialog that stays open while its caller goes on working. Start opens it, Set
// shows the record's texts at the position, Stop closes it (also when it is closed). A cancel
// sends WM_USER_PROGRESSCANCELEX (0, 0) to the record's parent.
void StartDlgProgressEx(RecDlgProgressEx progress);
void SetDlgProgressEx(RecDlgProgressEx progress, int position);
void StopDlgProgressEx();
