#pragma once

#include "platform/WindowMessages.h"

#include <cstdint>
#include <string>

// Sent to the owner when the user cancels the progress dialog: lParam not 0 = cancelled.
inline constexpr platform::UINT WM_USER_PROGRESSCANCEL = platform::WM_USER + 123; // 1147

// What the progress dialog shows, handed over by value. The dialog shows the caption, the text
// and the step of the step count; the other fields are carried as given.
struct RecDlgProgress {
    std::string Caption;
    std::string Text;
    std::int32_t FirstStep = 0;
    std::int32_t StepCount = 0;
    std::int32_t Delay = 0;
    bool NoCancel = false;
    platform::HWND Owner = 0; // told of a cancel
    std::int32_t Kind = 0;
    bool StayOnTop = false;
};

// The one progress dialog of the program. Start opens it (or takes the new texts when it is
// open), Set shows a step with the record's texts, Stop closes it.
void StartDlgProgress(RecDlgProgress progress);
void SetDlgProgress(int step, RecDlgProgress progress);
void StopDlgProgress();
