#pragma once

#include <cstdint>
#include <map>

namespace T_DB_EnumRaumtemperaturSchaltuhr {

// Day code of a switching time; 0 marks a free slot.
enum TEnumWochentag : std::int16_t {
    wtUnbenutzt = 0,
    wtMontag = 1,
    wtDienstag = 2,
    wtMittwoch = 3,
    wtDonnerstag = 4,
    wtFreitag = 5,
    wtSamstag = 6,
    wtSonntag = 7,
    wtWerktage = 8,
    wtWochenende = 9,
    wtTaeglich = 10,
};

// Operating mode the controller takes at a switching time.
enum TEnumBetriebsmodus : std::int16_t {
    bmKomfort = 1,
    bmStandby = 2,
    bmNacht = 3,
    bmFrostHitzeschutz = 4,
};

} // namespace T_DB_EnumRaumtemperaturSchaltuhr

// One switching time of the room-temperature time switch: five 16-bit words, shared in place
// with the program's switching-time editor. All words 0 is a free slot; Reserve has no meaning.
struct tagSchaltDaten {
    std::int16_t Stunde = 0;
    std::int16_t Minute = 0;
    std::int16_t Wochentag = 0;     // T_DB_EnumRaumtemperaturSchaltuhr::TEnumWochentag
    std::int16_t Reserve = 0;
    std::int16_t Betriebsmodus = 0; // T_DB_EnumRaumtemperaturSchaltuhr::TEnumBetriebsmodus
    bool operator==(const tagSchaltDaten&) const = default;
};

// The switching times by slot key.
using TMapSchaltDaten = std::map<int, tagSchaltDaten>;

// Packed form of a switching time, one integer: day in bits 24-31, mode in 16-23, hour in 8-15,
// minute in 0-7, each word taken to its low 8 bits. Reserve plays no part.
std::int32_t PackSchaltDaten(const tagSchaltDaten& schaltDaten);
// The switching time of a packed value; a negative value gives a free slot. Reserve is 0.
tagSchaltDaten UnpackSchaltDaten(std::int32_t packed);
// Copies hour, minute, day and mode; the target's Reserve stays.
void CopySchaltZeit(const tagSchaltDaten& from, tagSchaltDaten& to);
