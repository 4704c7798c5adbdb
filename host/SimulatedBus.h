#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class TSqlDatabase;

// A physical address "area.line.device" (area and line 0-15, device 0-255) as its 16-bit value
// area << 12 | line << 8 | device; none for any other text.
std::optional<std::uint16_t> ParsePhysicalAddress(std::string_view text);
std::string PhysicalAddressText(std::uint16_t address);

// What an operation on the bus does when it is run: its own work, or a forced failure, or an
// exception (one of the platform's exception class, or another).
enum class TSimOutcome { Ok, Fail, PlatformException, OtherException };
// "ok", "fail", "platform-exception", "other-exception".
std::optional<TSimOutcome> ParseSimOutcome(std::string_view text);
std::string SimOutcomeText(TSimOutcome outcome);

// The operations whose outcome can be forced: the target system's and the image compiler's.
inline constexpr const char* SimOperations[] = {"ProgPhysAddress", "Auslesen", "TalvoCompiler", "Download"};
bool IsSimOperation(std::string_view name);

// A device on the bus: its physical address, the host device it was programmed for (0: none
// yet), the image it holds and when its address and its image were last programmed (UTC,
// ISO 8601; empty: never).
struct TBusDevice {
    std::uint16_t Address = 0;
    std::int32_t DeviceId = 0;
    std::string Image;
    std::string AddressTime;
    std::string DownloadTime;
};

// The bus the devices of the project sit on, kept in the project file (tables sim_device and
// sim_config) so that the host and the editor see the same bus. Every call throws E_Sql.
class TSimulatedBus {
public:
    explicit TSimulatedBus(TSqlDatabase& db) : db_(db) {}

    // Every device, by address.
    std::vector<TBusDevice> Devices() const;
    // The device that answers at the address, or none.
    std::optional<TBusDevice> Device(std::uint16_t address) const;
    // Puts a device of the host device on the bus at the address; one that is there stays.
    void PutDevice(std::uint16_t address, std::int32_t deviceId);
    // Puts every device of the project on the bus at its address (area, line, device number).
    void PutProjectDevices();
    // Gives the device at the old address the new one; when none answers at the old address, a
    // new device is put on the bus with the new address. False, with nothing changed, when
    // another device answers at the new address already.
    bool ProgramAddress(std::uint16_t oldAddress, std::uint16_t newAddress, std::int32_t deviceId);
    // Stores the image in the device at the address for the host device; false when none
    // answers there.
    bool StoreImage(std::uint16_t address, std::int32_t deviceId, std::string_view image);

    // The outcome forced on the operation; Ok when none is.
    TSimOutcome Outcome(std::string_view operation) const;
    void SetOutcome(std::string_view operation, TSimOutcome outcome);

private:
    TSqlDatabase& db_;
};

} // namespace host
