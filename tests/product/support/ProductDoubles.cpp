#include "tests/product/support/ProductDoubles.h"

#include "outside/datacore/DataBasis.h"
#include "outside/datacore/EibHandle.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"

namespace producttest {

const TDatenStruktur* TestDevice::FindRecord(std::int32_t system, std::int32_t handle) const
{
    const TSystemTable* table = SystemMaps.FindTable(system);
    if (!table)
        return nullptr;
    for (const auto& [parent, record] : *table) {
        if (record.Handle == handle)
            return &record;
    }
    return nullptr;
}

void FakeConfigWindow::DeleteNode(TTreeNode* /*node*/, TDataBasis* object)
{
    if (OnDeleteNode)
        OnDeleteNode(object);
    DeletedNodes.push_back(object);
}

FakeMainWindow::FakeMainWindow()
    : registration_([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          return Receive(message, wParam, lParam);
      })
{
}

void FakeMainWindow::Clear()
{
    ClearMessages();
    DeviceRequests.clear();
    TransportRequests.clear();
}

platform::LRESULT FakeMainWindow::Receive(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
{
    Record(message, wParam, lParam);
    switch (message) {
    case WM_USER_USERDEVICEMESSAGE:
        return lParam ? DeviceMessage(*reinterpret_cast<tagWmUserDevice*>(lParam)) : 0;
    case WM_USER_DATENTRANSPORT:
        return lParam ? Transport(*reinterpret_cast<tagRecDatenTransport*>(lParam)) : 0;
    default:
        break;
    }
    if (!device_)
        return 0;
    switch (message) {
    case WM_USER_GETDATAPOINTER:
        return reinterpret_cast<platform::LRESULT>(device_->FindHandle(static_cast<std::int32_t>(wParam)));
    case WM_USER_GETDATENSATZ:
        return reinterpret_cast<platform::LRESULT>(
            device_->GetDatenSatz(SystemOf(wParam), ParentOf(wParam), static_cast<std::int32_t>(lParam)));
    case WM_USER_GETDATENSATZANYPARENT:
        return reinterpret_cast<platform::LRESULT>(
            device_->GetDatenSatz(static_cast<std::int32_t>(wParam), -1, static_cast<std::int32_t>(lParam)));
    case WM_USER_FINDDATENSATZ:
        return reinterpret_cast<platform::LRESULT>(
            device_->FindDatenSatz(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam)));
    case WM_USER_DELETENEXTDATENSATZ:
        device_->DeleteNextDatenSatz(SystemOf(wParam), ParentOf(wParam), static_cast<std::int32_t>(lParam));
        return 0;
    case WM_USER_GETEIBHANDLE:
        return reinterpret_cast<platform::LRESULT>(device_->EibHandle.get());
    default:
        return 0; // refreshes: recorded only
    }
}

std::uint8_t FakeMainWindow::DeviceMessage(tagWmUserDevice& request)
{
    DeviceRequests.push_back(
        {request.Handle, request.Code, request.Sender, request.Result, request.Integer, request.Byte});
    if (OnDeviceRequest)
        OnDeviceRequest(request);
    const auto answer = deviceAnswers_.find(request.Code);
    if (answer != deviceAnswers_.end() && answer->second == 0)
        return 0;
    auto* object = static_cast<TDataBasis*>(request.Result);
    switch (request.Code) {
    case UDM_REGISTER_OBJEKT:
        if (!device_ || !object)
            return 0;
        object->Write(*device_->GetDatenSatz(object));
        return device_->SetPointer2List(object) ? 1 : 0;
    case UDM_DELETE_OBJEKT:
        if (device_ && object) {
            device_->DeleteDatenSatzAndNext(object);
            device_->DeletePointerFromList(object);
        }
        return 1;
    case UDM_GET_SYSTEM:
        request.Result = device_ ? device_->GetDevice() : nullptr;
        return request.Result ? 1 : 0;
    case UDM_SHOW_DLG_EDIT_TIME: {
        auto* sender = dynamic_cast<TTalvoDatumUhrzeitSenden*>(request.Sender);
        if (!sender)
            return 0;
        request.Integer = sender->ShowDlgEditTime(GetHandle());
        return 1;
    }
    default:
        return answer != deviceAnswers_.end() ? answer->second : 1;
    }
}

std::uint8_t FakeMainWindow::Transport(tagRecDatenTransport& request)
{
    TransportRequests.push_back(
        {request.Code, request.Sender, request.DisplayOrder, request.Value, request.PositionBase, request.Ask});
    const auto answer = transportAnswers_.find(request.Code);
    return answer != transportAnswers_.end() ? answer->second : 1;
}

} // namespace producttest
