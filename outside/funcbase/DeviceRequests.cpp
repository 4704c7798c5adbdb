#include "outside/funcbase/DeviceRequests.h"

#include "outside/datacore/DataBasis.h"
#include "outside/datacore/MainWindowMessages.h"

namespace {

// A grid cell travels as column in wParam and row in lParam; -1 stays -1 on both sides.
platform::WPARAM ColumnParam(int column)
{
    return static_cast<platform::WPARAM>(static_cast<platform::LPARAM>(column));
}

bool Done(platform::LRESULT result)
{
    return static_cast<std::uint8_t>(result) != 0;
}

} // namespace

tagWmUserDevice TDeviceRequests::MakeRequest(std::uint8_t code) const
{
    tagWmUserDevice request;
    request.Handle = owner_.GetHandle();
    request.Code = code;
    request.Sender = const_cast<TDataBasis*>(&owner_);
    return request;
}

tagRecDatenTransport TDeviceRequests::MakeTransport(std::uint8_t code) const
{
    tagRecDatenTransport request;
    request.Handle = owner_.GetHandle();
    request.Code = code;
    request.Sender = const_cast<TDataBasis*>(&owner_);
    return request;
}

bool TDeviceRequests::Send(tagWmUserDevice& request) const
{
    return Done(platform::SendMessage(owner_.GetWindowHandle(), WM_USER_USERDEVICEMESSAGE, 0,
                                      reinterpret_cast<platform::LPARAM>(&request)));
}

bool TDeviceRequests::Send(tagRecDatenTransport& request) const
{
    return Done(platform::SendMessage(owner_.GetWindowHandle(), WM_USER_DATENTRANSPORT, 0,
                                      reinterpret_cast<platform::LPARAM>(&request)));
}

TDataBasis* TDeviceRequests::GetDataPointer(std::int32_t handle) const
{
    return reinterpret_cast<TDataBasis*>(platform::SendMessage(
        owner_.GetWindowHandle(), WM_USER_GETDATAPOINTER, static_cast<platform::WPARAM>(handle), 0));
}

TDatenStruktur* TDeviceRequests::GetOwnRecord() const
{
    return reinterpret_cast<TDatenStruktur*>(
        platform::SendMessage(owner_.GetWindowHandle(), WM_USER_GETDATENSATZ,
                              MakeSystemParentParam(owner_.GetSystem(), owner_.GetParentHandle()), owner_.GetHandle()));
}

void TDeviceRequests::DeleteNextDatenSatz(std::int32_t next) const
{
    platform::SendMessage(owner_.GetWindowHandle(), WM_USER_DELETENEXTDATENSATZ,
                          MakeSystemParentParam(owner_.GetSystem(), owner_.GetHandle()), next);
}

void TDeviceRequests::PostUpdateAllViews(int column, int row) const
{
    platform::PostMessage(owner_.GetWindowHandle(), WM_USER_UPDATEALLVIEWS, ColumnParam(column), row);
}

void TDeviceRequests::PostAbgleichFormVerw() const
{
    platform::PostMessage(owner_.GetWindowHandle(), WM_USER_ABGLEICHFORMVERW, ColumnParam(-1), -1);
}

void TDeviceRequests::PostSetActiveCell(int column, int row) const
{
    platform::PostMessage(owner_.GetWindowHandle(), WM_USER_SETACTIVECELL, ColumnParam(column), row);
}
