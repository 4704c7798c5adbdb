// A new device and its default objects.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

int TDeviceInstanzTalvo::CreateNewDevice(platform::HWND /*mainWindow*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateNewDevice");
    return 0;
}
