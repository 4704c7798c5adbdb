// The sections of the device's data block.
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"

bool TDeviceInstanzTalvo::CopyDBDatenToStruktur(std::list<int>& /*handles*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CopyDBDatenToStruktur");
    return false;
}

void TDeviceInstanzTalvo::CopyStrukturDatenToDB(TRecordTable* /*records*/, platform::TMemoryStream* /*target*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CopyStrukturDatenToDB");
}
