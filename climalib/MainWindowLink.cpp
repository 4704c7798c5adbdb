#include "climalib/MainWindowLink.h"

#include "outside/datacore/MainWindowMessages.h"

namespace {

// A grid cell travels as column in wParam and row in lParam; -1 stays -1 on both sides.
platform::WPARAM ColumnParam(int column)
{
    return static_cast<platform::WPARAM>(static_cast<platform::LPARAM>(column));
}

// Answers of device requests are read as a byte.
bool Done(platform::LRESULT result)
{
    return static_cast<std::uint8_t>(result) != 0;
}

} // namespace

TDataBasis* TMainWindowLink::GetDataPointer(std::int32_t handle) const
{
    return reinterpret_cast<TDataBasis*>(
        platform::SendMessage(window_, WM_USER_GETDATAPOINTER, static_cast<platform::WPARAM>(handle), 0));
}

TDatenStruktur* TMainWindowLink::GetDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle) const
{
    return reinterpret_cast<TDatenStruktur*>(
        platform::SendMessage(window_, WM_USER_GETDATENSATZ, MakeSystemParentParam(system, parent), handle));
}

void TMainWindowLink::DeleteNextDatenSatz(std::int32_t system, std::int32_t ownHandle, std::int32_t next) const
{
    platform::SendMessage(window_, WM_USER_DELETENEXTDATENSATZ, MakeSystemParentParam(system, ownHandle), next);
}

bool TMainWindowLink::UserDeviceMessage(tagWmUserDevice& request) const
{
    return Done(platform::SendMessage(window_, WM_USER_USERDEVICEMESSAGE, 0,
                                      reinterpret_cast<platform::LPARAM>(&request)));
}

bool TMainWindowLink::DatenTransport(tagRecDatenTransport& request) const
{
    return Done(platform::SendMessage(window_, WM_USER_DATENTRANSPORT, 0,
                                      reinterpret_cast<platform::LPARAM>(&request)));
}

bool TMainWindowLink::GetAccessMode() const
{
    return platform::SendMessage(window_, WM_USER_GETACCESSMODE, 0, 0) != 0;
}

void TMainWindowLink::PostUpdateAllViews(int column, int row) const
{
    platform::PostMessage(window_, WM_USER_UPDATEALLVIEWS, ColumnParam(column), row);
}

void TMainWindowLink::PostSetActiveCell(int column, int row) const
{
    platform::PostMessage(window_, WM_USER_SETACTIVECELL, ColumnParam(column), row);
}

void TMainWindowLink::PostAbgleichFormVerw(int column, int row) const
{
    platform::PostMessage(window_, WM_USER_ABGLEICHFORMVERW, ColumnParam(column), row);
}

void TMainWindowLink::PostUpdateOtherViews() const
{
    platform::PostMessage(window_, WM_USER_UPDATEOTHERVIEWS, 0, 0);
}
