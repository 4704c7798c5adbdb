#pragma once

#include "platform/WindowMessages.h"

#include <memory>
#include <string>

class QWidget;
class TDeviceInstanzTalvo;
class TPreviewManagerServices;

// Makes the display preview of the device being edited.
class TPreviewManagerFactory {
public:
    virtual ~TPreviewManagerFactory() = default;

    // The preview for the device: owner form, the window that receives its messages, the
    // device model, the folder of the preview images and the device type number. None when
    // there is no preview to make.
    virtual std::unique_ptr<TPreviewManagerServices> Create(QWidget* owner, platform::HWND target,
                                                            TDeviceInstanzTalvo* device,
                                                            const std::string& imageFolder,
                                                            int deviceType) const = 0;
};
