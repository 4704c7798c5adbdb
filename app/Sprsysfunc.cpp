#include "app/Sprsysfunc.h"

#include "app/StringBlocks.h"
#include "app/TextUnit.h"

#include <array>

namespace Sprsysfunc {
namespace {

constinit std::array<std::string, 197> Slots{};
constinit TTextUnit Unit{&StringBlocks::Sprsysfunc, 11001, Slots};
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

const std::string& Text11001 = Slots[0];
const std::string& Text11002 = Slots[1];
const std::string& Text11003 = Slots[2];
const std::string& Text11004 = Slots[3];
const std::string& Text11005 = Slots[4];
const std::string& Text11006 = Slots[5];
const std::string& Text11007 = Slots[6];
const std::string& Text11008 = Slots[7];
const std::string& Text11009 = Slots[8];
const std::string& Text11010 = Slots[9];
const std::string& Text11011 = Slots[10];
const std::string& Text11012 = Slots[11];
const std::string& Text11013 = Slots[12];
const std::string& Text11014 = Slots[13];
const std::string& Text11015 = Slots[14];
const std::string& Text11016 = Slots[15];
const std::string& Text11017 = Slots[16];
const std::string& Text11018 = Slots[17];
const std::string& Text11019 = Slots[18];
const std::string& Text11020 = Slots[19];
const std::string& Text11021 = Slots[20];
const std::string& Text11022 = Slots[21];
const std::string& Text11023 = Slots[22];
const std::string& Text11024 = Slots[23];
const std::string& Text11025 = Slots[24];
const std::string& Text11026 = Slots[25];
const std::string& Text11027 = Slots[26];
const std::string& Text11028 = Slots[27];
const std::string& Text11029 = Slots[28];
const std::string& Text11030 = Slots[29];
const std::string& Text11031 = Slots[30];
const std::string& Text11032 = Slots[31];
const std::string& Text11033 = Slots[32];
const std::string& Text11034 = Slots[33];
const std::string& Text11035 = Slots[34];
const std::string& Text11036 = Slots[35];
const std::string& Text11037 = Slots[36];
const std::string& Text11038 = Slots[37];
const std::string& Text11039 = Slots[38];
const std::string& Text11040 = Slots[39];
const std::string& Text11041 = Slots[40];
const std::string& Text11042 = Slots[41];
const std::string& Text11043 = Slots[42];
const std::string& Text11044 = Slots[43];
const std::string& Text11045 = Slots[44];
const std::string& Text11046 = Slots[45];
const std::string& Text11047 = Slots[46];
const std::string& Text11048 = Slots[47];
const std::string& Text11049 = Slots[48];
const std::string& Text11050 = Slots[49];
const std::string& Text11051 = Slots[50];
const std::string& Text11052 = Slots[51];
const std::string& Text11053 = Slots[52];
const std::string& Text11054 = Slots[53];
const std::string& Text11055 = Slots[54];
const std::string& Text11056 = Slots[55];
const std::string& Text11057 = Slots[56];
const std::string& Text11058 = Slots[57];
const std::string& Text11059 = Slots[58];
const std::string& Text11060 = Slots[59];
const std::string& Text11061 = Slots[60];
const std::string& Text11062 = Slots[61];
const std::string& Text11063 = Slots[62];
const std::string& Text11064 = Slots[63];
const std::string& Text11065 = Slots[64];
const std::string& Text11066 = Slots[65];
const std::string& Text11067 = Slots[66];
const std::string& Text11068 = Slots[67];
const std::string& Text11069 = Slots[68];
const std::string& Text11070 = Slots[69];
const std::string& Text11071 = Slots[70];
const std::string& Text11072 = Slots[71];
const std::string& Text11073 = Slots[72];
const std::string& Text11074 = Slots[73];
const std::string& Text11075 = Slots[74];
const std::string& Text11076 = Slots[75];
const std::string& Text11077 = Slots[76];
const std::string& Text11078 = Slots[77];
const std::string& Text11079 = Slots[78];
const std::string& Text11080 = Slots[79];
const std::string& Text11081 = Slots[80];
const std::string& Text11082 = Slots[81];
const std::string& Text11083 = Slots[82];
const std::string& Text11084 = Slots[83];
const std::string& Text11085 = Slots[84];
const std::string& Text11086 = Slots[85];
const std::string& Text11087 = Slots[86];
const std::string& Text11088 = Slots[87];
const std::string& Text11089 = Slots[88];
const std::string& Text11090 = Slots[89];
const std::string& Text11091 = Slots[90];
const std::string& Text11092 = Slots[91];
const std::string& Text11093 = Slots[92];
const std::string& Text11094 = Slots[93];
const std::string& Text11095 = Slots[94];
const std::string& Text11096 = Slots[95];
const std::string& Text11097 = Slots[96];
const std::string& Text11098 = Slots[97];
const std::string& Text11099 = Slots[98];
const std::string& Text11100 = Slots[99];
const std::string& Text11101 = Slots[100];
const std::string& Text11102 = Slots[101];
const std::string& Text11103 = Slots[102];
const std::string& Text11104 = Slots[103];
const std::string& Text11105 = Slots[104];
const std::string& Text11106 = Slots[105];
const std::string& Text11107 = Slots[106];
const std::string& Text11108 = Slots[107];
const std::string& Text11109 = Slots[108];
const std::string& Text11110 = Slots[109];
const std::string& Text11111 = Slots[110];
const std::string& Text11112 = Slots[111];
const std::string& Text11113 = Slots[112];
const std::string& Text11114 = Slots[113];
const std::string& Text11115 = Slots[114];
const std::string& Text11116 = Slots[115];
const std::string& Text11117 = Slots[116];
const std::string& Text11118 = Slots[117];
const std::string& Text11119 = Slots[118];
const std::string& Text11120 = Slots[119];
const std::string& Text11121 = Slots[120];
const std::string& Text11122 = Slots[121];
const std::string& Text11123 = Slots[122];
const std::string& Text11124 = Slots[123];
const std::string& Text11125 = Slots[124];
const std::string& Text11126 = Slots[125];
const std::string& Text11127 = Slots[126];
const std::string& Text11128 = Slots[127];
const std::string& Text11129 = Slots[128];
const std::string& Text11130 = Slots[129];
const std::string& Text11131 = Slots[130];
const std::string& Text11132 = Slots[131];
const std::string& Text11133 = Slots[132];
const std::string& Text11134 = Slots[133];
const std::string& Text11135 = Slots[134];
const std::string& Text11136 = Slots[135];
const std::string& Text11137 = Slots[136];
const std::string& Text11138 = Slots[137];
const std::string& Text11139 = Slots[138];
const std::string& Text11140 = Slots[139];
const std::string& Text11141 = Slots[140];
const std::string& Text11142 = Slots[141];
const std::string& Text11143 = Slots[142];
const std::string& Text11144 = Slots[143];
const std::string& Text11145 = Slots[144];
const std::string& Text11146 = Slots[145];
const std::string& Text11147 = Slots[146];
const std::string& Text11148 = Slots[147];
const std::string& Text11149 = Slots[148];
const std::string& Text11150 = Slots[149];
const std::string& Text11151 = Slots[150];
const std::string& Text11152 = Slots[151];
const std::string& Text11153 = Slots[152];
const std::string& Text11154 = Slots[153];
const std::string& Text11155 = Slots[154];
const std::string& Text11156 = Slots[155];
const std::string& Text11157 = Slots[156];
const std::string& Text11158 = Slots[157];
const std::string& Text11159 = Slots[158];
const std::string& Text11160 = Slots[159];
const std::string& Text11161 = Slots[160];
const std::string& Text11162 = Slots[161];
const std::string& Text11163 = Slots[162];
const std::string& Text11164 = Slots[163];
const std::string& Text11165 = Slots[164];
const std::string& Text11166 = Slots[165];
const std::string& Text11167 = Slots[166];
const std::string& Text11168 = Slots[167];
const std::string& Text11169 = Slots[168];
const std::string& Text11170 = Slots[169];
const std::string& Text11171 = Slots[170];
const std::string& Text11172 = Slots[171];
const std::string& Text11173 = Slots[172];
const std::string& Text11174 = Slots[173];
const std::string& Text11175 = Slots[174];
const std::string& Text11176 = Slots[175];
const std::string& Text11177 = Slots[176];
const std::string& Text11178 = Slots[177];
const std::string& Text11179 = Slots[178];
const std::string& Text11180 = Slots[179];
const std::string& Text11181 = Slots[180];
const std::string& Text11182 = Slots[181];
const std::string& Text11183 = Slots[182];
const std::string& Text11184 = Slots[183];
const std::string& Text11185 = Slots[184];
const std::string& Text11186 = Slots[185];
const std::string& Text11187 = Slots[186];
const std::string& Text11188 = Slots[187];
const std::string& Text11189 = Slots[188];
const std::string& Text11190 = Slots[189];
const std::string& Text11191 = Slots[190];
const std::string& Text11192 = Slots[191];
const std::string& Text11193 = Slots[192];
const std::string& Text11194 = Slots[193];
const std::string& Text11195 = Slots[194];
const std::string& Text11196 = Slots[195];
const std::string& Text11197 = Slots[196];

} // namespace Sprsysfunc
