#include "app/Sprfaultbox.h"

#include "app/StringBlocks.h"
#include "app/TextUnit.h"

#include <array>

namespace Sprfaultbox {
namespace {

constinit std::array<std::string, 12> Slots{};
constinit TTextUnit Unit{&StringBlocks::Sprfaultbox, 1, Slots};
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

const std::string& Text1 = Slots[0];
const std::string& Text2 = Slots[1];
const std::string& Text3 = Slots[2];
const std::string& Text4 = Slots[3];
const std::string& Text5 = Slots[4];
const std::string& Text6 = Slots[5];
const std::string& Text7 = Slots[6];
const std::string& Text8 = Slots[7];
const std::string& Text9 = Slots[8];
const std::string& Text10 = Slots[9];
const std::string& Text11 = Slots[10];
const std::string& Text12 = Slots[11];

} // namespace Sprfaultbox
