#pragma once

#include <cstdint>
#include <list>
#include <map>
#include <string>

// The state of a group address used by imported communication objects; gsUngueltig: the value
// is no group address at all (out of range), shown as its raw number, never linked or created.
enum TEnumGaStatus : std::uint8_t { gsOk = 0, gsFalscherTyp = 1, gsFehlt = 2, gsUngueltig = 3 };

// The highest group address (15/7/255, 15/2047).
inline constexpr std::int64_t MaxGroupAddress = 0x7FFF;
// Whether a stored value is a group address (0 is none).
constexpr bool IsGroupAddress(std::int64_t value)
{
    return value > 0 && value <= MaxGroupAddress;
}

// One group address used by the imported records, filed under its current address.
struct TRecGroupAddrInfo {
    std::uint32_t Current = 0;  // the address in the records ("Ist-Adresse")
    std::int32_t Typ = 0;       // object type code of the first object found with it
    std::string TypText;
    TEnumGaStatus Status = gsOk;
    std::string StatusText;
    std::string ObjectsText;    // "Im Gerät verknüpfte Objekte:" and a line per object
    std::uint32_t Target = 0;   // the address the objects are to get ("Soll-Adresse"); 0 = none
};
using TUsedGroupAddrMap = std::map<unsigned long, TRecGroupAddrInfo>;

// A group address to create with the import.
struct RecNewGroupAddr {
    std::uint32_t Address = 0;
    std::string Name;
    std::int32_t SubAdrTyp = -1; // object type code − 1
};
using TNewGroupAddrList = std::list<RecNewGroupAddr>;
