#pragma once

#include "views/PreviewManagerFactory.h"

// Makes the product's display preview, TPreviewManagerTalvo.
class TPreviewManagerTalvoFactory final : public TPreviewManagerFactory {
public:
    std::unique_ptr<TPreviewManagerServices> Create(QWidget* owner, platform::HWND target, TDeviceInstanzTalvo* device,
                                                    const std::string& imageFolder, int deviceType) const override;
};
