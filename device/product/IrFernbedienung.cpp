// The function manager of the infrared remote control.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

bool TDeviceInstanzTalvo::InitDaten_IrFernbedienung(TDatenStruktur& /*record*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_IrFernbedienung");
    return false;
}

bool TDeviceInstanzTalvo::UserDeviceMessage_IrFernbedienung(platform::HWND /*mainWindow*/, tagWmUserDevice* /*request*/,
                                                            std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_IrFernbedienung");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_IrFernbedienung(platform::HWND /*mainWindow*/,
                                                               tagRecDatenTransport* /*request*/,
                                                               std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_IrFernbedienung");
    recognised = 0;
    return false;
}
