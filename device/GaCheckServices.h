#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"

// The check of the group addresses that imported records use, as the importer sees it. The main
// window makes it over the map of used addresses and the list to create
// (TMainWindowServices::CreateGaCheck), which the importer reads afterwards.
class TGaCheckServices {
public:
    virtual ~TGaCheckServices() = default;

    // 1 when the import may go on (nothing to check, all in order, or confirmed); any other
    // answer abandons it (3 cancelled, 2 closed).
    virtual int CheckGaConsistence(const TDatenManager<TDatenStruktur>* records) = 0;

protected:
    TGaCheckServices() = default;
    TGaCheckServices(const TGaCheckServices&) = default;
    TGaCheckServices& operator=(const TGaCheckServices&) = default;
};
