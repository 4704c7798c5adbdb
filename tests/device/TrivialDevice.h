#pragma once

#include "device/DeviceInstanz.h"
#include "outside/datacore/DataBasis.h"

#include <cstdint>
#include <list>
#include <string>
#include <vector>

namespace devicetest {

// The device model with every operation of the product answered trivially. Test doubles derive
// from it and play the product's part only where their tests need it.
class TrivialDevice : public TDeviceInstanz {
public:
    using TDeviceInstanz::TDeviceInstanz;

    bool DeviceRessourceCheckVerbindungen(std::int32_t, bool) override { return true; }
    int CreateNewDevice(platform::HWND) override { return 0; }
    std::uint8_t UserDeviceMessage(platform::HWND, tagWmUserDevice*) override { return 0; }
    std::uint8_t WmUserDatenTransport(platform::HWND, tagRecDatenTransport*) override { return 0; }
    std::string GetVersion() const override { return {}; }
    std::string GetDeviceName() const override { return {}; }
    int VersionCheck(TRecordTable*, const std::string&, bool) override { return 1; }
    bool VersionCheckCharData(platform::TMemoryStream*) override { return true; }
    bool VersionCheckDeviceText(platform::TMemoryStream*) override { return true; }
    int GetCopyData(TDataBasis*, std::vector<std::string>&) override { return 0; }
    void InitDataMainStruktur() override {}
    bool Einfuegen(TDataBasis*, const std::vector<std::string>&) override { return false; }
    bool CopyDBDatenToStruktur(std::list<int>&) override { return true; }
    void CopyStrukturDatenToDB(TRecordTable*, platform::TMemoryStream*) override {}
    int CheckForDeleteGlobalDeviceObjects(bool) override { return 0; }
    int Reset(bool) override { return 0; }
    TDataBasis* GetPointerFromHandle(std::int32_t handle) override { return FindHandle(handle); }
    int UpdatePreview() override { return 0; }
    bool DatenAbgleich(bool, bool) override { return true; }
    void SetInitModus(std::uint8_t) override {}
    void SetInitFileCreate(const std::string&) override {}
    void SetInitFileCreateUser(const std::string&) override {}
    int GetInitModus() const override { return 0; }
    std::string GetInitFileCreate() const override { return {}; }
    std::string GetInitFileCreateUser() const override { return {}; }
};

} // namespace devicetest
