#pragma once

#include "platform/WindowMessages.h"

// Closes the character table that belongs to the main window, when one is open. The character
// table tells the main window of its opening and closing itself (WM_USER_CHARTABOPENED,
// WM_USER_CHARTABCLOSED).
void DeleteZeichentabelle(platform::HWND mainWindow);
