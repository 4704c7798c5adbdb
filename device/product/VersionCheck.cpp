// The version check of stored data.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

int TDeviceInstanzTalvo::VersionCheck(TRecordTable* /*records*/, const std::string& /*storedVersion*/,
                                      bool /*withMessages*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::VersionCheck");
    return 0;
}

bool TDeviceInstanzTalvo::VersionCheckCharData(platform::TMemoryStream* /*charSet*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::VersionCheckCharData");
    return false;
}

bool TDeviceInstanzTalvo::VersionCheckDeviceText(platform::TMemoryStream* /*deviceText*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::VersionCheckDeviceText");
    return false;
}
