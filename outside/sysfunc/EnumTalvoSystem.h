#pragma once

#include <cstdint>

// The choices of the device's system object that other data objects read.
namespace T_DB_EnumTalvoSystem {

// Who may use the operating levels of the device (one byte).
enum TEnumZugriffBedienebenen : std::uint8_t {
    zbGesperrt = 0,
    zbFreigegeben = 1,
    zbUeberObjekt = 2,
};

} // namespace T_DB_EnumTalvoSystem
