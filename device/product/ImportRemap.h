#pragma once

#include "device/DeviceInstanz.h"
#include "dialogs/project/RecGroupAddrInfo.h"

// Gives each communication-object record, and each record below one, that carries a used
// address whose target differs the target (0: no link, its group id goes too). Each record is
// mapped from its own address once, so that chained targets do not carry a record on twice.
void RemapGroupAddresses(TDeviceInstanz::TRecordTable& records, const TUsedGroupAddrMap& used);
