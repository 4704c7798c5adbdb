// The function manager of the key-sensor function, its keys and rockers.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

bool TDeviceInstanzTalvo::InitDaten_TastsensorFunktion(TDatenStruktur& /*record*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_TastsensorFunktion");
    return false;
}

bool TDeviceInstanzTalvo::UserDeviceMessage_TastsensorFunktion(platform::HWND /*mainWindow*/,
                                                               tagWmUserDevice* /*request*/, std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_TastsensorFunktion");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_TastsensorFunktion(platform::HWND /*mainWindow*/,
                                                                  tagRecDatenTransport* /*request*/,
                                                                  std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_TastsensorFunktion");
    recognised = 0;
    return false;
}
