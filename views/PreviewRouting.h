#pragma once

#include "platform/WindowMessages.h"

class TDeviceInstanz;
class TPreviewManagerServices;

// What the main window's message hub does with the preview's messages, given the preview (none
// while it is closed) and the current device model (none while no device is edited).

// WM_USER_PREVIEWIMAGECLICK to WM_USER_PREVIEWBUTTONMOUSEUP: the preview's answer; 0 without one.
platform::LRESULT RoutePreviewEvent(TPreviewManagerServices* preview, platform::UINT message, platform::WPARAM wParam,
                                    platform::LPARAM lParam);

// WM_USER_UPDATEPREVIEW (wParam: rebuild the whole preview, lParam: the data object or 0): the
// preview shows the object, a function (TFunktionBasis) by its parent. When skipOnce is set it
// is cleared instead, as the node was just selected for the preview (WM_USER_SELECTTREENODE).
void RouteUpdatePreview(TPreviewManagerServices* preview, TDeviceInstanz* device, platform::WPARAM wParam,
                        platform::LPARAM lParam, bool& skipOnce);

// WM_USER_UPDATEPREVIEWCHARDATA: reloads the device's character table from its character-set
// stream; when that works the preview gets a copy. False when nothing was loaded.
bool RouteUpdatePreviewCharData(TPreviewManagerServices* preview, TDeviceInstanz* device);
