// The import of device data.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

bool TDeviceInstanzTalvo::SorvImport(platform::TMemoryStream* /*data*/, bool /*withGroupAddresses*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SorvImport");
    return false;
}
