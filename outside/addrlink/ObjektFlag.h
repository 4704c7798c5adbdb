#pragma once

#include <array>
#include <cstdint>

// The flags of a communication object, by kind as the flag request carries them.
enum TEnumObjektFlag : std::int32_t {
    OBJEKT_FLAG_KOMMUNIKATION = 0,
    OBJEKT_FLAG_LESEN = 1,
    OBJEKT_FLAG_SCHREIBEN = 2,
    OBJEKT_FLAG_UEBERTRAGEN = 3,
    OBJEKT_FLAG_AKTUALISIEREN = 4,
    OBJEKT_FLAG_LESEN_BEI_INIT = 5, // the host keeps no such flag
};
inline constexpr int ObjektFlagCount = 6;

// A request to change or test one flag of a device object in the project (WM_USER_OBJEKTFLAG).
// It lives on the sender's stack while the message is handled.
struct RecObjektFlag {
    std::int32_t DeviceObjectId = 0; // host id of the device object
    std::int32_t Flag = 0;           // TEnumObjektFlag
    std::int32_t Value = 0;          // change: non-zero = set; test: the value expected
};

// A read of the flags the project keeps of one device object (WM_USER_OBJEKTFLAGSLESEN); the
// answer tells a read from an object the project lacks and from a read that failed.
struct RecObjektFlagsLesen {
    std::int32_t DeviceObjectId = 0;
    std::array<bool, ObjektFlagCount> Flags{}; // by kind; the host keeps no sixth
};
enum TEnumObjektLesen : std::int32_t {
    OBJEKT_LESEN_FEHLER = 0,  // the project could not be read
    OBJEKT_LESEN_OK = 1,      // Flags hold the project's flags
    OBJEKT_LESEN_FEHLT = 2,   // the project has no such device object
};
