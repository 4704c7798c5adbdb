#pragma once

#include <cstdint>
#include <string>

// What became of one device in a global-parameter copy (the status byte).
enum TEnumGlobalParameterStatus : std::uint8_t {
    gpsKeineGleichartige = 0, // no record of the same function in the device
    gpsBlobGelesen = 2,       // the data block was read but is empty
    gpsOk = 3,                // parameters written and the block written back
    gpsNichtBearbeitet = 246, // the run never reached the device
    gpsFehler = 247,          // not read, not written back, or the copy failed
    gpsNichtKompatibel = 248, // the stored data version is not accepted
};

// One device of the project that the parameters can be copied into.
struct SDeviceData {
    std::int32_t DeviceId = 0;
    // area × 4096 + line × 256 + device number; 0 until it is read.
    std::uint16_t PhysAddress = 0;
    std::string Name;
    // Line breaks (CR LF) replaced by one blank.
    std::string Description;
    std::uint8_t Status = gpsNichtBearbeitet;
    // What the data object and the DeviceId reset reported; at most MaxMessage characters.
    std::string Message;

    static constexpr std::size_t MaxMessage = 255;
};

// The address word of area, line and device number, in 16 bits; always true.
bool PhysAddressToWord(std::uint16_t& word, int area, int line, int device);
// "01.02.017" with the separator "."; "-.-.-" for the address 0. Always true.
bool PhysAddressToString(std::string& text, std::uint16_t address, char separator);
// The address as the host shows it, "1.2.17"; "-.-.-" for the address 0.
std::string PhysAddressText(std::uint16_t address);

// The order of two devices by a column of the list (0 address, 1 name, 2 description; names and
// descriptions without regard to case): negative, 0 or positive; descending turns it round.
int CompareDevices(const SDeviceData& a, const SDeviceData& b, int column, bool ascending);
