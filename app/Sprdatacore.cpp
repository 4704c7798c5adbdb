#include "app/Sprdatacore.h"

#include "app/StringBlocks.h"
#include "app/TextUnit.h"

#include <array>

namespace Sprdatacore {
namespace {

constinit std::array<std::string, 15> Slots{};
constinit TTextUnit Unit{&StringBlocks::Sprdatacore, 200, Slots};
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

const std::string& Text200 = Slots[0];
const std::string& Text201 = Slots[1];
const std::string& Text202 = Slots[2];
const std::string& Text203 = Slots[3];
const std::string& Text204 = Slots[4];
const std::string& Text205 = Slots[5];
const std::string& Text206 = Slots[6];
const std::string& Text207 = Slots[7];
const std::string& Text208 = Slots[8];
const std::string& Text209 = Slots[9];
const std::string& Text210 = Slots[10];
const std::string& Text211 = Slots[11];
const std::string& Text212 = Slots[12];
const std::string& Text213 = Slots[13];
const std::string& Text214 = Slots[14];

} // namespace Sprdatacore
