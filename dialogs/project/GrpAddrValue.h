#pragma once

#include <cstdint>
#include <string>

// A group address is 16 bits: main group (bits 14-11), then with three levels middle group
// (bits 10-8) and sub group (bits 7-0), with two levels sub group (bits 10-0). 0 is no address;
// bit 15 is never set and is ignored when an address is split or shown.

// The parts of an address; with two levels the sub group 0-2047 is carried as middle = sub
// div 256 and sub = sub mod 256, so that main × 2048 + middle × 256 + sub is the value in both
// forms.
struct TGrpAddrParts {
    std::int16_t Main = 0;
    std::int16_t Middle = 0;
    std::int16_t Sub = 0;
};

// Packs the parts; with two levels the middle group is ignored. No range check.
std::uint16_t GetCompleteGroupAddress(std::int16_t main, std::int16_t middle, std::int16_t sub, bool threeLevel);

// Splits an address; with two levels middle is 0 and sub holds bits 10-0.
TGrpAddrParts GetMainMiddleAndSubGroupAddr(std::uint16_t address, bool threeLevel);

// "main/middle/sub" or "main/sub" in decimal; the empty text for 0.
std::string GrpAddrString(std::uint16_t address, bool threeLevel);

// Parses a typed address at the level (3 = main/middle/sub, any other = main/sub). Any of
// "/ .,-" separates the parts; blanks and control characters around the text are ignored.
// An empty or blank text answers false silently; an invalid address (a part missing, not a
// decimal number or out of range, and in the strict form 0/0/0) shows the message "Es wurde
// eine ungültige Gruppenadresse eingegeben!" and answers false. parts is set only on true.
bool StringToGrpAddr(const std::string& text, int level, bool strict, TGrpAddrParts& parts);

// The text a typed address is looked for under in the lists: its parts as typed (not converted,
// leading zeros stay), joined by the separator; "main/sub" at level 2, "main/middle/sub" at
// level 3 (without "main/" when that part is empty), empty at any other level or for a blank
// text. Meant for a text the parse has accepted.
std::string StringToSearchGrpAddr(const std::string& text, const std::string& separator, int level);

// Whether a sub group of the sub-address type suits a communication object of the object type
// code: the type is the code − 1, or −1 (suits every object).
bool GrpAddrSuitsObjTyp(int subAdrTyp, int objTyp);

// What an address field does with a typed character: the digits, Backspace and the separators
// go into the field; Enter runs the dialog's action and goes into the field only where the
// dialog says so; everything else is dropped.
struct TGrpAddrKeyDecision {
    bool RunAction = false;
    bool PassOn = false;

    bool operator==(const TGrpAddrKeyDecision&) const = default;
};
TGrpAddrKeyDecision FilterGrpAddrKey(char key, bool enterPassesOn);
