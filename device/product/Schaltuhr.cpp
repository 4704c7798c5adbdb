// The function manager of the time switches.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

bool TDeviceInstanzTalvo::InitDaten_Schaltuhr(TDatenStruktur& /*record*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_Schaltuhr");
    return false;
}

bool TDeviceInstanzTalvo::UserDeviceMessage_Schaltuhr(platform::HWND /*mainWindow*/, tagWmUserDevice* /*request*/,
                                                      std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_Schaltuhr");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_Schaltuhr(platform::HWND /*mainWindow*/,
                                                         tagRecDatenTransport* /*request*/, std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_Schaltuhr");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::ModifySchaltuhr(platform::HWND /*mainWindow*/, TTalvoSystem* /*system*/, int /*number*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifySchaltuhr");
    return false;
}
