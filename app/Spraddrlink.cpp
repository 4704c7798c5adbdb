#include "app/Spraddrlink.h"

#include "app/StringBlocks.h"
#include "app/TextUnit.h"

#include <array>

namespace Spraddrlink {
namespace {

constinit std::array<std::string, 48> Slots{};
constinit TTextUnit Unit{&StringBlocks::Spraddrlink, 1000, Slots};
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

const std::string& Text1000 = Slots[0];
const std::string& Text1001 = Slots[1];
const std::string& Text1002 = Slots[2];
const std::string& Text1003 = Slots[3];
const std::string& Text1004 = Slots[4];
const std::string& Text1005 = Slots[5];
const std::string& Text1006 = Slots[6];
const std::string& Text1007 = Slots[7];
const std::string& Text1008 = Slots[8];
const std::string& Text1009 = Slots[9];
const std::string& Text1010 = Slots[10];
const std::string& Text1011 = Slots[11];
const std::string& Text1012 = Slots[12];
const std::string& Text1013 = Slots[13];
const std::string& Text1014 = Slots[14];
const std::string& Text1015 = Slots[15];
const std::string& Text1016 = Slots[16];
const std::string& Text1017 = Slots[17];
const std::string& Text1018 = Slots[18];
const std::string& Text1019 = Slots[19];
const std::string& Text1020 = Slots[20];
const std::string& Text1021 = Slots[21];
const std::string& Text1022 = Slots[22];
const std::string& Text1023 = Slots[23];
const std::string& Text1024 = Slots[24];
const std::string& Text1025 = Slots[25];
const std::string& Text1026 = Slots[26];
const std::string& Text1027 = Slots[27];
const std::string& Text1028 = Slots[28];
const std::string& Text1029 = Slots[29];
const std::string& Text1030 = Slots[30];
const std::string& Text1031 = Slots[31];
const std::string& Text1032 = Slots[32];
const std::string& Text1033 = Slots[33];
const std::string& Text1034 = Slots[34];
const std::string& Text1035 = Slots[35];
const std::string& Text1036 = Slots[36];
const std::string& Text1037 = Slots[37];
const std::string& Text1038 = Slots[38];
const std::string& Text1039 = Slots[39];
const std::string& Text1040 = Slots[40];
const std::string& Text1041 = Slots[41];
const std::string& Text1042 = Slots[42];
const std::string& Text1043 = Slots[43];
const std::string& Text1044 = Slots[44];
const std::string& Text1045 = Slots[45];
const std::string& Text1046 = Slots[46];
const std::string& Text1047 = Slots[47];

} // namespace Spraddrlink
