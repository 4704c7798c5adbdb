#pragma once

#include "outside/datacore/DataBasis.h"

#include <cstdint>
#include <string>

// The device data object: the root of a device's tree. It carries the device's host id and
// its physical address text, and tells how many communication objects the device uses of how
// many it may have. The product's system object derives from it.
class TSorvEtsDevice : public TDataBasis {
public:
    TSorvEtsDevice(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                   std::int32_t etsDeviceId, std::int32_t handle);

    void SetPhysAdr(const std::string& physAdr) { PhysAdr = physAdr; }
    const std::string& GetPhysAdr() const { return PhysAdr; }

    std::int32_t GetEtsDeviceId() const { return EtsDeviceId; }
    void SetEtsDeviceId(std::int32_t etsDeviceId) { EtsDeviceId = etsDeviceId; }

    // Communication objects in use and the most the device may have; 0 and 0 here.
    virtual int GetObjektAnzahl() const { return 0; }
    virtual int GetMaxObjektAnzahl() const { return 0; }

protected:
    std::int32_t EtsDeviceId;
    std::string PhysAdr;
};
