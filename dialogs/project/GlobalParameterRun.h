#pragma once

#include "dialogs/project/GlobalParameterDevice.h"
#include "platform/WindowMessages.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TDataBasis;
class TEts2Cdi;
class TGlobalParameterMainWindow;

namespace platform {
class TMemoryStream;
}

// The work of the device selection without its window: finds the project's devices of the
// same program as the own device, and copies the data object's marked parameters into the
// chosen ones straight in the project database, one device after the other, with a backup of
// each block. Every device ends with a status and a message. The progress dialog tells its
// cancel to the progress parent, whose handler calls Cancel; the message queue is served after
// each record and each device.
class TGlobalParameterRun {
public:
    TGlobalParameterRun(TEts2Cdi* link, TDataBasis* object, TGlobalParameterMainWindow* mainWindow,
                        std::int32_t ownDeviceId, platform::HWND progressParent);
    ~TGlobalParameterRun();
    TGlobalParameterRun(const TGlobalParameterRun&) = delete;
    TGlobalParameterRun& operator=(const TGlobalParameterRun&) = delete;

    // Loads the device list (devices whose address cannot be read are dropped); false when it
    // stays empty for want of the own device or by a cancel.
    bool InitData();
    const std::vector<std::unique_ptr<SDeviceData>>& Devices() const { return devices_; }
    void ClearViewList() { devices_.clear(); }

    bool GetDeviceData(std::int32_t deviceId, std::int32_t& projectId, std::int32_t& match);
    bool GetDevicesFromProject(std::int32_t projectId, std::int32_t match);
    bool GetPhysAddress(std::int32_t deviceId, std::uint16_t& address);

    // The copy into the devices, in order; the devices not reached keep gpsNichtBearbeitet.
    void EditDevicesFromList(const std::vector<SDeviceData*>& devices);
    void Cancel() { stop_ = true; }
    bool Stopped() const { return stop_; }

    bool ReadBlobFromDevice(std::int32_t deviceId, platform::TMemoryStream& stream);
    // The backup's path: "<area>_<line>_<device>_<id>[_n].gps" in the backup folder, the first
    // name that is free.
    std::string BackupFileName(const SDeviceData& device) const;
    bool BackupBlobData(const platform::TMemoryStream& stream, const SDeviceData& device, std::string& fileName);
    // > 0 written, 0 no record of the function, -8 version not accepted, -9 failed.
    int WriteGlobalParam(platform::TMemoryStream& stream, std::string& message);
    bool WriteBlobToDevice(std::int32_t deviceId, const platform::TMemoryStream& stream);
    bool ResetParameterFlag(std::int32_t deviceId, std::string& message);
    bool CheckBlobVersion(platform::TMemoryStream& stream, const std::string& current, int& major, int& minor,
                          bool showMessage);
    static bool CheckBlobVersionNo(int major, int minor);

private:
    void ServeMessages() const;
    void EditDevice(SDeviceData& device, platform::TMemoryStream& stream);

    TEts2Cdi* link_;
    TDataBasis* object_;
    TGlobalParameterMainWindow* mainWindow_;
    std::int32_t ownDeviceId_;
    platform::HWND progressParent_;
    std::vector<std::unique_ptr<SDeviceData>> devices_;
    bool stop_ = false;
    const bool backup_ = true;
};
