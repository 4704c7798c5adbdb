// Reset of the device and its alignment with the project.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

bool TDeviceInstanzTalvo::DeviceRessourceCheckVerbindungen(std::int32_t /*subGroupId*/, bool /*check*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeviceRessourceCheckVerbindungen");
    return true;
}

int TDeviceInstanzTalvo::CheckForDeleteGlobalDeviceObjects(bool /*ask*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CheckForDeleteGlobalDeviceObjects");
    return 0;
}

int TDeviceInstanzTalvo::Reset(bool /*ask*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::Reset");
    return 0;
}

bool TDeviceInstanzTalvo::DatenAbgleich(bool /*first*/, bool /*second*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DatenAbgleich");
    return false;
}
