#pragma once

#include <cstdint>
#include <list>
#include <map>
#include <string>

// The state of a group address used by imported communication objects.
enum TEnumGaStatus : std::uint8_t { gsOk = 0, gsFalscherTyp = 1, gsFehlt = 2 };

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
