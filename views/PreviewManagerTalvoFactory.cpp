#include "views/PreviewManagerTalvoFactory.h"

#include "device/product/DeviceInstanzTalvo.h"
#include "views/PreviewManagerTalvo.h"

std::unique_ptr<TPreviewManagerServices> TPreviewManagerTalvoFactory::Create(QWidget* owner, platform::HWND target,
                                                                             TDeviceInstanzTalvo* device,
                                                                             const std::string& imageFolder,
                                                                             int deviceType) const
{
    return std::make_unique<TPreviewManagerTalvo>(owner, target, device, imageFolder, deviceType);
}
