#pragma once

#include "device/DatenStruktur.h"
#include "outside/datacore/RequestRecords.h"

#include <cstdint>

class TDataBasis;

// The messages by which one data object asks the device behind the main window and tells the
// views to refresh. Requests are sent and answered inside the call (the answer read as a byte);
// refreshes are posted.
class TDeviceRequests {
public:
    explicit TDeviceRequests(const TDataBasis& owner) : owner_(owner) {}

    // A device request of the owner with the code; every other field empty.
    tagWmUserDevice MakeRequest(std::uint8_t code) const;
    tagRecDatenTransport MakeTransport(std::uint8_t code) const;
    bool Send(tagWmUserDevice& request) const;
    bool Send(tagRecDatenTransport& request) const;

    // The registered data object of the handle, or none.
    TDataBasis* GetDataPointer(std::int32_t handle) const;
    // The owner's record (the device makes it when it has none); none without a device.
    TDatenStruktur* GetOwnRecord() const;
    // Deletes the chain of additional records that starts with next.
    void DeleteNextDatenSatz(std::int32_t next) const;

    void PostUpdateAllViews(int column, int row) const;
    void PostAbgleichFormVerw() const;
    void PostSetActiveCell(int column, int row) const;

private:
    const TDataBasis& owner_;
};
