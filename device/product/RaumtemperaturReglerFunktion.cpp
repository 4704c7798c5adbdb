// The function manager of the room-temperature controller.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

bool TDeviceInstanzTalvo::InitDaten_RaumtemperaturReglerFunktion(TDatenStruktur& /*record*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_RaumtemperaturReglerFunktion");
    return false;
}

bool TDeviceInstanzTalvo::UserDeviceMessage_RaumtemperaturReglerFunktion(platform::HWND /*mainWindow*/,
                                                                         tagWmUserDevice* /*request*/,
                                                                         std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_RaumtemperaturReglerFunktion");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_RaumtemperaturReglerFunktion(platform::HWND /*mainWindow*/,
                                                                            tagRecDatenTransport* /*request*/,
                                                                            std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_RaumtemperaturReglerFunktion");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::ModifyReglerFunktion(TTalvoSystem* /*system*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyReglerFunktion");
    return false;
}
