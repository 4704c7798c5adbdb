#include "app/Sprcheckga.h"

#include "app/StringBlocks.h"
#include "app/TextUnit.h"

#include <array>

namespace Sprcheckga {
namespace {

constinit std::array<std::string, 22> Slots{};
constinit TTextUnit Unit{&StringBlocks::Sprcheckga, 8000, Slots};
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

const std::string& Text8000 = Slots[0];
const std::string& Text8001 = Slots[1];
const std::string& Text8002 = Slots[2];
const std::string& Text8003 = Slots[3];
const std::string& Text8004 = Slots[4];
const std::string& Text8005 = Slots[5];
const std::string& Text8006 = Slots[6];
const std::string& Text8007 = Slots[7];
const std::string& Text8008 = Slots[8];
const std::string& Text8009 = Slots[9];
const std::string& Text8010 = Slots[10];
const std::string& Text8011 = Slots[11];
const std::string& Text8012 = Slots[12];
const std::string& Text8013 = Slots[13];
const std::string& Text8014 = Slots[14];
const std::string& Text8015 = Slots[15];
const std::string& Text8016 = Slots[16];
const std::string& Text8017 = Slots[17];
const std::string& Text8018 = Slots[18];
const std::string& Text8019 = Slots[19];
const std::string& Text8020 = Slots[20];
const std::string& Text8021 = Slots[21];

} // namespace Sprcheckga
