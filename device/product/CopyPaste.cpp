// Copy and paste of functions.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

int TDeviceInstanzTalvo::GetCopyData(TDataBasis* /*object*/, std::vector<std::string>& /*lines*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetCopyData");
    return 0;
}

bool TDeviceInstanzTalvo::Einfuegen(TDataBasis* /*target*/, const std::vector<std::string>& /*lines*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::Einfuegen");
    return false;
}
