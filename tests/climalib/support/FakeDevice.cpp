#include "tests/climalib/support/FakeDevice.h"

#include "outside/datacore/DataBasis.h"

#include <set>

namespace climatest {

namespace {

bool Matches(const TDatenStruktur& record, std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    return record.System == system && record.Handle == handle && (parent < 0 || record.Parent == parent);
}

} // namespace

FakeDevice::FakeDevice() : handles_(std::make_unique<TEibHandle>(std::list<int>{})) {}

TDatenStruktur* FakeDevice::GetDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    for (TDatenStruktur& record : records_) {
        if (Matches(record, system, parent, handle))
            return &record;
    }
    TDatenStruktur created;
    created.System = system;
    created.Parent = parent;
    created.Handle = handle;
    records_.push_back(created);
    ++created_;
    return &records_.back();
}

void FakeDevice::DeleteNextDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    std::set<std::int32_t> seen;
    std::vector<std::int32_t> chain;
    for (std::int32_t next = handle; next != 0 && seen.insert(next).second;) {
        chain.push_back(next);
        next = GetDatenSatz(system, parent, next)->Next;
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        records_.remove_if([&](const TDatenStruktur& r) { return Matches(r, system, parent, *it); });
    }
}

TDatenStruktur& FakeDevice::AddRecord(const TDatenStruktur& record)
{
    records_.push_back(record);
    std::list<int> inUse;
    for (const TDatenStruktur& r : records_)
        inUse.push_back(r.Handle);
    handles_ = std::make_unique<TEibHandle>(inUse);
    handles_->BuildNewTable();
    return records_.back();
}

TDatenStruktur* FakeDevice::FindRecord(std::int32_t system, std::int32_t handle)
{
    for (TDatenStruktur& record : records_) {
        if (Matches(record, system, -1, handle))
            return &record;
    }
    return nullptr;
}

std::vector<const TDatenStruktur*> FakeDevice::Chain(const TDatenStruktur& main)
{
    std::vector<const TDatenStruktur*> chain;
    std::set<std::int32_t> seen{main.Handle};
    for (std::int32_t next = main.Next; next > 0 && seen.insert(next).second;) {
        const TDatenStruktur* record = FindRecord(main.System, next);
        if (!record)
            break;
        chain.push_back(record);
        next = record->Next;
    }
    return chain;
}

void FakeDevice::Register(TDataBasis* object)
{
    if (object)
        objects_[object->GetHandle()] = object;
}

TDataBasis* FakeDevice::GetDataPointer(std::int32_t handle) const
{
    const auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : it->second;
}

std::uint8_t FakeDevice::UserDeviceMessage(tagWmUserDevice& request)
{
    if (request.Code == UDM_GET_VALUE_OF_ZUGRIFF_AUF_BEDIENEBENEN)
        request.Integer = accessLevel_;
    DeviceRequest copy;
    copy.Handle = request.Handle;
    copy.Code = request.Code;
    copy.Sender = request.Sender;
    copy.Record = request.Record;
    copy.Text = request.Text;
    copy.Result = request.Result;
    copy.Integer = request.Integer;
    copy.Byte = request.Byte;
    deviceRequests_.push_back(copy);
    if (const auto handler = deviceHandlers_.find(request.Code); handler != deviceHandlers_.end())
        return handler->second(request);
    const auto it = deviceAnswers_.find(request.Code);
    return it == deviceAnswers_.end() ? 1 : it->second;
}

std::uint8_t FakeDevice::DatenTransport(tagRecDatenTransport& request)
{
    TransportRequest copy;
    copy.Handle = request.Handle;
    copy.Code = request.Code;
    copy.Sender = request.Sender;
    copy.DisplayOrder = request.DisplayOrder;
    copy.Value = request.Value;
    copy.PositionBase = request.PositionBase;
    copy.Ask = request.Ask;
    switch (request.Code) {
    case UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER:
        transportRequests_.push_back(copy);
        if (const auto it = addObjectAnswers_.find(request.DisplayOrder); it != addObjectAnswers_.end())
            return it->second;
        return addObjectAnswer_;
    case UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED:
        if (request.Payload)
            copy.ObjectNumbers = *static_cast<const std::list<int>*>(request.Payload);
        transportRequests_.push_back(copy);
        return deleteAllowedAnswer_;
    case UDT_GET_DEFAULT_NAME: {
        transportRequests_.push_back(copy);
        const auto it = request.Sender ? defaultNames_.find(request.Sender->GetTyp()) : defaultNames_.end();
        if (it == defaultNames_.end() || !request.Payload)
            return 0;
        *static_cast<std::string*>(request.Payload) = it->second;
        return 1;
    }
    default:
        transportRequests_.push_back(copy);
        return 0;
    }
}

void FakeDevice::ClearRequests()
{
    deviceRequests_.clear();
    transportRequests_.clear();
}

} // namespace climatest
