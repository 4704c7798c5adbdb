#pragma once

#include "tests/climalib/support/FakeDevice.h"
#include "tests/support/MessageJournal.h"

#include "platform/WindowMessages.h"

#include <vector>

namespace climatest {

// Stands for the main window: a registered window that answers the data objects' messages from
// its device, as the main window's message hub does, and records every message it receives.
class FakeMainWindow : public testsupport::MessageJournal {
public:
    FakeMainWindow();
    FakeMainWindow(const FakeMainWindow&) = delete;
    FakeMainWindow& operator=(const FakeMainWindow&) = delete;

    platform::HWND Handle() const { return registration_.Handle(); }
    FakeDevice& Device() { return device_; }
    const FakeDevice& Device() const { return device_; }
    // Without a device every request is answered 0, as the main window does.
    void SetDeviceMissing(bool missing) { deviceMissing_ = missing; }

    void Clear();

private:
    platform::LRESULT Receive(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

    FakeDevice device_;
    bool deviceMissing_ = false;
    platform::TWindowRegistration registration_; // last: unregistered before the rest goes
};

// Splits wParam of a record request into System (high 16 bits) and Parent (low 16 bits).
inline std::int32_t SystemOf(platform::WPARAM wParam)
{
    return static_cast<std::int32_t>((wParam >> 16) & 0xFFFF);
}
inline std::int32_t ParentOf(platform::WPARAM wParam)
{
    return static_cast<std::int32_t>(wParam & 0xFFFF);
}

} // namespace climatest
