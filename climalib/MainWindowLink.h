#pragma once

#include "device/DatenStruktur.h"
#include "outside/datacore/RequestRecords.h"
#include "platform/WindowMessages.h"

#include <cstdint>

class TDataBasis;

// The messages by which a data object asks the main window and tells it to refresh. Requests
// are sent and answered at once; refreshes are posted and handled after the caller returned.
class TMainWindowLink {
public:
    explicit TMainWindowLink(platform::HWND window) : window_(window) {}

    platform::HWND Window() const { return window_; }

    // WM_USER_GETDATAPOINTER: the registered data object of the handle, or none.
    TDataBasis* GetDataPointer(std::int32_t handle) const;
    // WM_USER_GETDATENSATZ: the record (created by the device when missing), none without device.
    TDatenStruktur* GetDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle) const;
    // WM_USER_DELETENEXTDATENSATZ: deletes the record next and every record chained from it.
    void DeleteNextDatenSatz(std::int32_t system, std::int32_t ownHandle, std::int32_t next) const;
    // WM_USER_USERDEVICEMESSAGE: true when the device carried the request out.
    bool UserDeviceMessage(tagWmUserDevice& request) const;
    // WM_USER_DATENTRANSPORT: true when allowed or done.
    bool DatenTransport(tagRecDatenTransport& request) const;
    // WM_USER_GETACCESSMODE: true with full access.
    bool GetAccessMode() const;

    void PostUpdateAllViews(int column, int row) const;
    void PostSetActiveCell(int column, int row) const;
    void PostAbgleichFormVerw(int column, int row) const;
    void PostUpdateOtherViews() const;

private:
    platform::HWND window_;
};
