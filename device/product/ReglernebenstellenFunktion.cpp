// The function manager of the controller extension unit.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

bool TDeviceInstanzTalvo::InitDaten_ReglernebenstellenFunktion(TDatenStruktur& /*record*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::InitDaten_ReglernebenstellenFunktion");
    return false;
}

bool TDeviceInstanzTalvo::UserDeviceMessage_ReglernebenstellenFunktion(platform::HWND /*mainWindow*/,
                                                                       tagWmUserDevice* /*request*/,
                                                                       std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::UserDeviceMessage_ReglernebenstellenFunktion");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::WmUserDatenTransport_ReglernebenstellenFunktion(platform::HWND /*mainWindow*/,
                                                                          tagRecDatenTransport* /*request*/,
                                                                          std::uint8_t& recognised)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WmUserDatenTransport_ReglernebenstellenFunktion");
    recognised = 0;
    return false;
}

bool TDeviceInstanzTalvo::ModifyReglernebenstellenFunktion(TTalvoSystem* /*system*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyReglernebenstellenFunktion");
    return false;
}
