// The requests of the data objects.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

std::uint8_t TDeviceInstanzTalvo::UserDeviceMessage(platform::HWND /*mainWindow*/, tagWmUserDevice* /*request*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage");
    return 0;
}

std::uint8_t TDeviceInstanzTalvo::WmUserDatenTransport(platform::HWND /*mainWindow*/, tagRecDatenTransport* /*request*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport");
    return 0;
}
