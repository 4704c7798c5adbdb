#pragma once

#include "platform/WindowMessages.h"

// The global-parameter dialog as the main window's hub sees it while it is open.
class TGlobalParameterDialogServices {
public:
    virtual ~TGlobalParameterDialogServices() = default;
    // Fills the dialog's lists (WM_USER_GLOBALPARAMETERINITDATA, its arguments passed on).
    virtual void InitData(platform::WPARAM wParam, platform::LPARAM lParam) = 0;
};
