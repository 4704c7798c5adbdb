#pragma once

#include "device/DatenStruktur.h"
#include "outside/datacore/EibHandle.h"
#include "outside/datacore/RequestRecords.h"

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TDataBasis;

namespace climatest {

// Stands for the device model behind the main window: a live record store that creates a record
// on look-up as the device does, the registry of data objects by handle, the handle table, and
// scripted answers to the device and data-transport requests, each of which it records.
class FakeDevice {
public:
    // What a device request carried (a copy taken while it was handled).
    struct DeviceRequest {
        std::int32_t Handle = 0;
        std::uint8_t Code = 0;
        TDataBasis* Sender = nullptr;
        TDatenStruktur* Record = nullptr;
        std::string Text;
        void* Result = nullptr;
        std::int32_t Integer = 0;
        std::uint8_t Byte = 0;
    };
    // What a data-transport request carried.
    struct TransportRequest {
        std::int32_t Handle = 0;
        std::uint8_t Code = 0;
        TDataBasis* Sender = nullptr;
        std::list<int> ObjectNumbers; // code 10
        std::uint16_t DisplayOrder = 0;
        std::int32_t Value = 0;
        std::int32_t PositionBase = 0;
        std::uint8_t Ask = 0;
    };

    FakeDevice();

    // Records, as the device files them: found by System, Handle and Parent (any Parent when
    // it is negative), created when missing. Pointers stay valid until the record is deleted.
    TDatenStruktur* GetDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle);
    // Deletes the record and, first, the rest of its chain.
    void DeleteNextDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle);
    // Adds a record as loaded; the handle table is built anew from the handles of all records,
    // as loading does.
    TDatenStruktur& AddRecord(const TDatenStruktur& record);
    // The record of that System and Handle under any Parent, without creating one.
    TDatenStruktur* FindRecord(std::int32_t system, std::int32_t handle);
    std::size_t RecordCount() const { return records_.size(); }
    int CreatedRecords() const { return created_; }
    // The chain behind a record, following Next in the store.
    std::vector<const TDatenStruktur*> Chain(const TDatenStruktur& main);

    TEibHandle* HandleTable() { return handles_.get(); }

    void Register(TDataBasis* object);
    void Unregister(std::int32_t handle) { objects_.erase(handle); }
    TDataBasis* GetDataPointer(std::int32_t handle) const;

    // Device requests: answer per code (default 1); code 26 also puts the access level into the
    // integer field.
    std::uint8_t UserDeviceMessage(tagWmUserDevice& request);
    void AnswerDeviceRequest(std::uint8_t code, std::uint8_t answer) { deviceAnswers_[code] = answer; }
    void SetZugriffAufBedienebenen(std::int32_t level) { accessLevel_ = level; }
    const std::vector<DeviceRequest>& DeviceRequests() const { return deviceRequests_; }
    // Requests of that code are carried out by the handler, whose result is the answer, as the
    // device model does with the requests it answers by calling other data objects.
    void CarryOutDeviceRequest(std::uint8_t code, std::function<std::uint8_t(tagWmUserDevice&)> handler)
    {
        deviceHandlers_[code] = std::move(handler);
    }

    // Data-transport requests: code 8 answers AnswerAddObject (default 1), code 10 answers
    // AnswerDeleteAllowed (default 1), code 15 writes the default name of the sender's type
    // (none set: answers 0).
    std::uint8_t DatenTransport(tagRecDatenTransport& request);
    void AnswerAddObject(std::uint8_t answer) { addObjectAnswer_ = answer; }
    // Code 8 for that display order only answers this (the others keep AnswerAddObject).
    void AnswerAddObject(std::uint16_t displayOrder, std::uint8_t answer) { addObjectAnswers_[displayOrder] = answer; }
    void AnswerDeleteAllowed(std::uint8_t answer) { deleteAllowedAnswer_ = answer; }
    void SetDefaultName(int typ, std::string name) { defaultNames_[typ] = std::move(name); }
    const std::vector<TransportRequest>& TransportRequests() const { return transportRequests_; }

    void SetHighAccess(bool on) { highAccess_ = on; }
    bool HighAccess() const { return highAccess_; }

    void ClearRequests();

private:
    std::list<TDatenStruktur> records_;
    int created_ = 0;
    std::unique_ptr<TEibHandle> handles_;
    std::map<std::int32_t, TDataBasis*> objects_;
    std::map<std::uint8_t, std::uint8_t> deviceAnswers_;
    std::map<std::uint8_t, std::function<std::uint8_t(tagWmUserDevice&)>> deviceHandlers_;
    std::int32_t accessLevel_ = 0;
    std::vector<DeviceRequest> deviceRequests_;
    std::uint8_t addObjectAnswer_ = 1;
    std::map<std::uint16_t, std::uint8_t> addObjectAnswers_;
    std::uint8_t deleteAllowedAnswer_ = 1;
    std::map<int, std::string> defaultNames_;
    std::vector<TransportRequest> transportRequests_;
    bool highAccess_ = true;
};

} // namespace climatest
