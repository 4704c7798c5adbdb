#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"

// The check of the group addresses that imported records use, as the device model sees it. The
// main window makes it (TMainWindowServices::CreateDlgGaCheck) over the map of used addresses
// and the list of addresses to create, which the check fills.
class TDlgGaCheckServices {
public:
    virtual ~TDlgGaCheckServices() = default;

    // 1 when the import may go on: every entry of the map then holds the address to use as its
    // target (0 = none) and the list the addresses to create. Any other answer: cancelled.
    virtual int CheckGaConsistence(const TDatenManager<TDatenStruktur>* records) = 0;

protected:
    TDlgGaCheckServices() = default;
    TDlgGaCheckServices(const TDlgGaCheckServices&) = default;
    TDlgGaCheckServices& operator=(const TDlgGaCheckServices&) = default;
};
