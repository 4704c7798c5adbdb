#include "views/PreviewRouting.h"

#include "device/DeviceInstanz.h"
#include "outside/keyplan/FunktionBasis.h"
#include "outside/viewkit/LoadS19.h"
#include "platform/TraceLog.h"
#include "views/PreviewManagerServices.h"
#include "views/ViewMessages.h"

platform::LRESULT RoutePreviewEvent(TPreviewManagerServices* preview, platform::UINT message, platform::WPARAM wParam,
                                    platform::LPARAM lParam)
{
    if (!preview || message < WM_USER_PREVIEWIMAGECLICK || message > WM_USER_PREVIEWBUTTONMOUSEUP)
        return 0;
    return preview->Message(message, wParam, lParam);
}

void RouteUpdatePreview(TPreviewManagerServices* preview, TDeviceInstanz* device, platform::WPARAM wParam,
                        platform::LPARAM lParam, bool& skipOnce)
{
    LOG_FKT_START("RouteUpdatePreview");
    if (skipOnce) {
        skipOnce = false;
        return;
    }
    if (!preview)
        return;
    auto* object = reinterpret_cast<TDataBasis*>(lParam);
    if (object && dynamic_cast<TFunktionBasis*>(object)) {
        TDataBasis* parent = nullptr;
        if (device)
            device->GetDataPointer(object->GetParentHandle(), parent);
        object = parent;
    }
    preview->UpdateData(object, wParam != 0, true);
}

bool RouteUpdatePreviewCharData(TPreviewManagerServices* preview, TDeviceInstanz* device)
{
    LOG_FKT_START("RouteUpdatePreviewCharData");
    if (!device)
        return false;
    device->CharSetStream.SetPosition(0);
    if (!LoadS19StreamToMap(&device->CharSetStream, device->CharTable))
        return false;
    if (preview)
        preview->UpdateCharacterSet(device->CharTable);
    return true;
}
