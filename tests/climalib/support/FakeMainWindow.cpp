#include "tests/climalib/support/FakeMainWindow.h"

#include "outside/datacore/MainWindowMessages.h"

namespace climatest {

FakeMainWindow::FakeMainWindow()
    : registration_([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          return Receive(message, wParam, lParam);
      })
{
}

void FakeMainWindow::Clear()
{
    ClearMessages();
    device_.ClearRequests();
}

platform::LRESULT FakeMainWindow::Receive(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
{
    Record(message, wParam, lParam);
    if (deviceMissing_)
        return 0;
    switch (message) {
    case WM_USER_GETDATAPOINTER:
        return reinterpret_cast<platform::LRESULT>(device_.GetDataPointer(static_cast<std::int32_t>(wParam)));
    case WM_USER_GETDATENSATZ: {
        const std::int32_t parent = ParentOf(wParam) == 0xFFFF ? -1 : ParentOf(wParam);
        return reinterpret_cast<platform::LRESULT>(
            device_.GetDatenSatz(SystemOf(wParam), parent, static_cast<std::int32_t>(lParam)));
    }
    case WM_USER_DELETENEXTDATENSATZ:
        device_.DeleteNextDatenSatz(SystemOf(wParam), ParentOf(wParam), static_cast<std::int32_t>(lParam));
        return 0;
    case WM_USER_GETEIBHANDLE:
        return reinterpret_cast<platform::LRESULT>(device_.HandleTable());
    case WM_USER_USERDEVICEMESSAGE:
        return lParam ? device_.UserDeviceMessage(*reinterpret_cast<tagWmUserDevice*>(lParam)) : 0;
    case WM_USER_DATENTRANSPORT:
        return lParam ? device_.DatenTransport(*reinterpret_cast<tagRecDatenTransport*>(lParam)) : 0;
    case WM_USER_GETDATENSATZANYPARENT:
        return reinterpret_cast<platform::LRESULT>(
            device_.GetDatenSatz(static_cast<std::int32_t>(wParam), -1, static_cast<std::int32_t>(lParam)));
    case WM_USER_FINDDATENSATZ:
        return reinterpret_cast<platform::LRESULT>(
            device_.FindRecord(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam)));
    case WM_USER_GETACCESSMODE:
        return device_.HighAccess() ? 1 : 0;
    default:
        return 0; // the refresh requests: recorded only
    }
}

} // namespace climatest
