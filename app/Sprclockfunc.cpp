#include "app/Sprclockfunc.h"

#include "app/StringBlocks.h"
#include "app/TextUnit.h"

#include <array>

namespace Sprclockfunc {
namespace {

constinit std::array<std::string, 23> Slots{};
constinit TTextUnit Unit{&StringBlocks::Sprclockfunc, 16202, Slots};
const TTextUnitLifetime Lifetime{Unit};

} // namespace

void Init()
{
    Unit.Init();
}

void Fin()
{
    Unit.Fin();
}

const std::string& Text16202 = Slots[0];
const std::string& Text16203 = Slots[1];
const std::string& Text16204 = Slots[2];
const std::string& Text16205 = Slots[3];
const std::string& Text16206 = Slots[4];
const std::string& Text16207 = Slots[5];
const std::string& Text16208 = Slots[6];
const std::string& Text16209 = Slots[7];
const std::string& Text16210 = Slots[8];
const std::string& Text16211 = Slots[9];
const std::string& Text16212 = Slots[10];
const std::string& Text16213 = Slots[11];
const std::string& Text16214 = Slots[12];
const std::string& Text16215 = Slots[13];
const std::string& Text16216 = Slots[14];
const std::string& Text16217 = Slots[15];
const std::string& Text16218 = Slots[16];
const std::string& Text16219 = Slots[17];
const std::string& Text16220 = Slots[18];
const std::string& Text16221 = Slots[19];
const std::string& Text16222 = Slots[20];
const std::string& Text16224 = Slots[22];

} // namespace Sprclockfunc
