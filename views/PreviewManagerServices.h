#pragma once

#include "outside/viewkit/CharacterMap.h"
#include "platform/WindowMessages.h"

class TDataBasis;

// The display preview as the main window sees it: a floating window with the device's display
// lines and keys. Deleting it closes the window.
class TPreviewManagerServices {
public:
    virtual ~TPreviewManagerServices() = default;

    // Builds the full preview, or the display alone, for the data object (none: the basic
    // state); false when it cannot.
    virtual bool Init(TDataBasis* object) = 0;
    virtual bool InitSmall(TDataBasis* object) = 0;
    virtual void StayOnTop(bool onTop) = 0;
    virtual void Show() = 0;
    virtual void BringToFront() = 0;
    // Stores the preview window's position in the settings file.
    virtual void SetRegData() = 0;
    // The preview window's messages WM_USER_PREVIEWIMAGECLICK to WM_USER_PREVIEWBUTTONMOUSEUP.
    virtual platform::LRESULT Message(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) = 0;
    // Reloads the character set and redraws the display lines.
    virtual void UpdateCharacterSet(TCharacterMap map) = 0;
    // Redraws the display lines and the key layout for the data object.
    virtual void UpdateData(TDataBasis* object, bool whole, bool redraw) = 0;
};
