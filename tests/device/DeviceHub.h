#pragma once

#include "device/DeviceInstanz.h"
#include "tests/support/RecordingWindow.h"

#include <string>

namespace devicetest {

// The main window's message hub for the data objects of one device model: answers their record,
// handle-table, object, flag and group-address requests from the device and passes their device
// and data-transport requests to it, as the program's hub does, and records every message (posted ones when they are delivered).
class TDeviceHub {
public:
    explicit TDeviceHub(TDeviceInstanz*& device);

    platform::HWND Handle() const { return window_.handle(); }
    testsupport::RecordingWindow& Window() { return window_; }

    // The links an object's record and its chain keep: "subGroupId:address:flag" joined by ";".
    static std::string RecordLinks(TDeviceInstanz& device, TDataBasis* object);

private:
    platform::LRESULT Answer(const testsupport::RecordingWindow::Message& message);

    TDeviceInstanz*& device_;
    testsupport::RecordingWindow window_;
};

} // namespace devicetest
