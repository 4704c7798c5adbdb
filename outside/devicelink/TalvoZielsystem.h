#pragma once

#include "host/SimulatedBus.h"
#include "outside/devicelink/Zielsystem.h"
#include "platform/WindowMessages.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TEts2Cdi_Extended1;
class TEtsDeviceParam;
struct tagEIB_BASE_PROGRAMMING;

namespace host {
class TProjectDatabase;
}

// The target system of the product: programs a device's physical address, reads the device out
// and loads its image, on the bus the project file holds (host/SimulatedBus.h). It keeps every
// setter and call in its journal, in order. The outcome forced on an operation in the project
// (sim_config) replaces the operation's work: a failure answers false, an exception is thrown.
//
// Addresses: ProgPhysAddress moves the device at the old address to the new one; Auslesen and
// Download talk to the device at the new address.
class TTalvoZielsystem : public TZielsystem {
public:
    // Both may be null: without a link's project there is no bus, and every operation fails.
    TTalvoZielsystem(TEts2Cdi_Extended1* link, TEtsDeviceParam* deviceParam);
    ~TTalvoZielsystem() override;

    virtual void SetMedium(std::int32_t medium);
    virtual void SetWndSupport(platform::HWND window);
    virtual void SetDeviceId(std::int32_t deviceId);
    virtual void SetNewPhysAddr(std::uint16_t address);
    virtual void SetOldPhysAddr(std::uint16_t address);
    // The programming record is kept by address and not read.
    virtual void SetProg(const tagEIB_BASE_PROGRAMMING* programming);
    virtual void SetMode(std::int16_t mode);
    virtual std::int16_t GetMode();
    // The download flags: all data, user device parameters, scenes, room-temperature time
    // switch, time switch 1, time switch 2.
    virtual void SetFlags(bool all, bool userParameters, bool scenes, bool roomTimeSwitch, bool timeSwitch1,
                          bool timeSwitch2);
    virtual void SetRS232Options(const tagRS232Options& options);
    virtual void SetClientBufferSize(std::int32_t size);
    virtual void SetProgressDialog(void* dialog);

    // The device at the old address gets the new one (a new device on the bus when none answers
    // at the old address); false when another device answers at the new address.
    virtual bool ProgPhysAddress();
    // Whether a device answers at the new address.
    virtual bool Auslesen();
    // Stores the image in the device at the new address; false without an image or a device.
    virtual bool Download();

    // The device image that the image compiler left here for the download.
    void SetImage(std::string image);
    const std::string& GetImage() const { return image_; }
    std::int32_t GetDeviceId() const { return deviceId_; }
    TEtsDeviceParam* GetEtsDeviceParam() const { return deviceParam_; }
    std::int32_t GetMedium() const { return medium_; }
    const tagRS232Options& GetRS232Options() const { return rs232Options_; }
    // The outcome the project forces on an operation of this target (Ok without a bus).
    host::TSimOutcome ForcedOutcome(std::string_view operation);

    const std::vector<std::string>& Journal() const { return journal_; }

protected:
    void Note(std::string entry) { journal_.push_back(std::move(entry)); }

private:
    // The bus of the link's project, opened on first use; null without a project.
    host::TSimulatedBus* Bus();
    // False when the operation's forced outcome is a failure; throws for a forced exception.
    bool Allowed(const char* operation);

    TEts2Cdi_Extended1* link_;
    TEtsDeviceParam* deviceParam_;
    std::int32_t medium_ = 0;
    platform::HWND window_ = 0;
    std::int32_t deviceId_ = 0;
    std::uint16_t newAddress_ = 0;
    std::uint16_t oldAddress_ = 0;
    const tagEIB_BASE_PROGRAMMING* programming_ = nullptr;
    std::int16_t mode_ = 0;
    std::array<bool, 6> flags_{};
    tagRS232Options rs232Options_{};
    std::int32_t clientBufferSize_ = 0;
    void* progressDialog_ = nullptr;
    std::string image_;
    std::vector<std::string> journal_;
    std::unique_ptr<host::TProjectDatabase> project_;
    std::unique_ptr<host::TSimulatedBus> bus_;
};
