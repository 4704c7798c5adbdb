// The function manager of the scene function.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

bool TDeviceInstanzTalvo::InitDaten_SzenenFunktion(TDatenStruktur& /*record*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_SzenenFunktion");
    return false;
}

bool TDeviceInstanzTalvo::UserDeviceMessage_SzenenFunktion(platform::HWND /*mainWindow*/, tagWmUserDevice* /*request*/,
                                                           std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_SzenenFunktion");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_SzenenFunktion(platform::HWND /*mainWindow*/,
                                                              tagRecDatenTransport* /*request*/,
                                                              std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_SzenenFunktion");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::ModifySzenenFunktion(TTalvoSystem* /*system*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifySzenenFunktion");
    return false;
}
