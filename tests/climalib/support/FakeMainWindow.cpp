#include "tests/climalib/support/FakeMainWindow.h"

#include "outside/datacore/MainWindowMessages.h"
#include "tests/support/RecordingWindow.h"

namespace climatest {

FakeMainWindow::FakeMainWindow()
    : registration_([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          return Receive(message, wParam, lParam);
      })
{
}

void FakeMainWindow::DeliverPosted()
{
    delivering_ = true;
    testsupport::DeliverPostedMessages();
    delivering_ = false;
}

std::vector<FakeMainWindow::Message> FakeMainWindow::Sent() const
{
    std::vector<Message> sent;
    for (const Message& m : messages_) {
        if (!m.posted)
            sent.push_back(m);
    }
    return sent;
}

std::vector<FakeMainWindow::Message> FakeMainWindow::Posted() const
{
    std::vector<Message> posted;
    for (const Message& m : messages_) {
        if (m.posted)
            posted.push_back(m);
    }
    return posted;
}

std::vector<FakeMainWindow::Message> FakeMainWindow::Received(platform::UINT message) const
{
    std::vector<Message> received;
    for (const Message& m : messages_) {
        if (m.message == message)
            received.push_back(m);
    }
    return received;
}

void FakeMainWindow::Clear()
{
    messages_.clear();
    device_.ClearRequests();
}

platform::LRESULT FakeMainWindow::Receive(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
{
    messages_.push_back({message, wParam, lParam, delivering_});
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
