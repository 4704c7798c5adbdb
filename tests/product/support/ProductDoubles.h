#pragma once

#include "device/ConfigWindowServices.h"
#include "device/MainWindowServices.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/RequestRecords.h"
#include "platform/WindowMessages.h"
#include "tests/support/MessageJournal.h"

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <string>
#include <vector>

class TEts2Cdi_Extended1;

namespace producttest {

// The product's device model with its load-time tables in view.
class TestDevice : public TDeviceInstanzTalvo {
public:
    using TDeviceInstanzTalvo::TDeviceInstanzTalvo;
    using TDeviceInstanz::HandleMap;
    using TDeviceInstanz::ParentMap;
    using TDeviceInstanz::SystemMaps;
    using TDeviceInstanz::TypMap;

    // The stored record of that System and Handle under any Parent, without creating one.
    const TDatenStruktur* FindRecord(std::int32_t system, std::int32_t handle) const;
};

// A configuration window that notes the nodes it is asked to delete and calls a probe first.
class FakeConfigWindow final : public TConfigWindowServices {
public:
    void DeleteNode(TTreeNode* node, TDataBasis* object) override;

    std::vector<TDataBasis*> DeletedNodes;
    std::function<void(TDataBasis*)> OnDeleteNode;
};

// What a device request carried, copied while it was handled.
struct DeviceRequest {
    std::int32_t Handle = 0;
    std::uint8_t Code = 0;
    TDataBasis* Sender = nullptr;
    void* Result = nullptr;
    std::int32_t Integer = 0;
    std::uint8_t Byte = 0;
};
// What a data-transport request carried.
struct TransportRequest {
    std::uint8_t Code = 0;
    TDataBasis* Sender = nullptr;
    std::uint16_t DisplayOrder = 0;
    std::int32_t Value = 0;
    std::int32_t PositionBase = 0;
    std::uint8_t Ask = 0;
};

// The main window: a registered window that answers the data objects' record, handle and
// object requests from its device, as the message hub does, and records every message. The
// device and data-transport requests are answered from a script (1 unless told otherwise);
// registering (7) and deleting (1) an object, the system object (2) and the time dialog (29)
// are carried out on the device as its message hooks do.
class FakeMainWindow final : public TMainWindowServices, public testsupport::MessageJournal {
public:

    FakeMainWindow();
    FakeMainWindow(const FakeMainWindow&) = delete;
    FakeMainWindow& operator=(const FakeMainWindow&) = delete;

    platform::HWND GetHandle() const override { return registration_.Handle(); }
    TEts2Cdi_Extended1* GetEts2Cdi() const override { return link_; }
    std::vector<TConfigWindowServices*> GetListFormVerw() const override { return Windows; }

    void SetDevice(TDeviceInstanzTalvo* device) { device_ = device; }
    void SetHostLink(TEts2Cdi_Extended1* link) { link_ = link; }
    void AnswerDeviceRequest(std::uint8_t code, std::uint8_t answer) { deviceAnswers_[code] = answer; }
    void AnswerTransport(std::uint8_t code, std::uint8_t answer) { transportAnswers_[code] = answer; }

    void Clear();

    // The configuration windows of the main window's list.
    std::vector<TConfigWindowServices*> Windows;
    std::vector<DeviceRequest> DeviceRequests;
    std::vector<TransportRequest> TransportRequests;
    // Called with every device request before it is answered.
    std::function<void(const tagWmUserDevice&)> OnDeviceRequest;

private:
    platform::LRESULT Receive(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
    std::uint8_t DeviceMessage(tagWmUserDevice& request);
    std::uint8_t Transport(tagRecDatenTransport& request);

    TDeviceInstanzTalvo* device_ = nullptr;
    TEts2Cdi_Extended1* link_ = nullptr;
    std::map<std::uint8_t, std::uint8_t> deviceAnswers_;
    std::map<std::uint8_t, std::uint8_t> transportAnswers_;
    platform::TWindowRegistration registration_; // last: unregistered before the rest goes
};

// Splits wParam of a record request into System (high 16 bits) and Parent (low 16 bits).
inline std::int32_t SystemOf(platform::WPARAM wParam)
{
    return static_cast<std::int32_t>((wParam >> 16) & 0xFFFF);
}
inline std::int32_t ParentOf(platform::WPARAM wParam)
{
    const auto parent = static_cast<std::int32_t>(wParam & 0xFFFF);
    return parent == 0xFFFF ? -1 : parent;
}

} // namespace producttest
