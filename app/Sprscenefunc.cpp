#include "app/Sprscenefunc.h"

#include "app/StringBlocks.h"
#include "app/TextUnit.h"

#include <array>

namespace Sprscenefunc {
namespace {

constinit std::array<std::string, 29> Slots{};
constinit TTextUnit Unit{&StringBlocks::Sprscenefunc, 16000, Slots};
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

const std::string& Text16000 = Slots[0];
const std::string& Text16001 = Slots[1];
const std::string& Text16002 = Slots[2];
const std::string& Text16003 = Slots[3];
const std::string& Text16004 = Slots[4];
const std::string& Text16005 = Slots[5];
const std::string& Text16006 = Slots[6];
const std::string& Text16007 = Slots[7];
const std::string& Text16008 = Slots[8];
const std::string& Text16009 = Slots[9];
const std::string& Text16010 = Slots[10];
const std::string& Text16011 = Slots[11];
const std::string& Text16012 = Slots[12];
const std::string& Text16013 = Slots[13];
const std::string& Text16014 = Slots[14];
const std::string& Text16015 = Slots[15];
const std::string& Text16016 = Slots[16];
const std::string& Text16017 = Slots[17];
const std::string& Text16018 = Slots[18];
const std::string& Text16019 = Slots[19];
const std::string& Text16020 = Slots[20];
const std::string& Text16021 = Slots[21];
const std::string& Text16022 = Slots[22];
const std::string& Text16023 = Slots[23];
const std::string& Text16024 = Slots[24];
const std::string& Text16025 = Slots[25];
const std::string& Text16026 = Slots[26];
const std::string& Text16027 = Slots[27];
const std::string& Text16028 = Slots[28];

} // namespace Sprscenefunc
