#include "app/Sprremotefunc.h"

#include "app/StringBlocks.h"
#include "app/TextUnit.h"

#include <array>

namespace Sprremotefunc {
namespace {

constinit std::array<std::string, 60> Slots{};
constinit TTextUnit Unit{&StringBlocks::Sprremotefunc, 16500, Slots};
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

const std::string& Text16500 = Slots[0];
const std::string& Text16501 = Slots[1];
const std::string& Text16502 = Slots[2];
const std::string& Text16503 = Slots[3];
const std::string& Text16504 = Slots[4];
const std::string& Text16505 = Slots[5];
const std::string& Text16506 = Slots[6];
const std::string& Text16507 = Slots[7];
const std::string& Text16508 = Slots[8];
const std::string& Text16509 = Slots[9];
const std::string& Text16510 = Slots[10];
const std::string& Text16511 = Slots[11];
const std::string& Text16512 = Slots[12];
const std::string& Text16513 = Slots[13];
const std::string& Text16514 = Slots[14];
const std::string& Text16515 = Slots[15];
const std::string& Text16516 = Slots[16];
const std::string& Text16517 = Slots[17];
const std::string& Text16518 = Slots[18];
const std::string& Text16519 = Slots[19];
const std::string& Text16520 = Slots[20];
const std::string& Text16521 = Slots[21];
const std::string& Text16522 = Slots[22];
const std::string& Text16523 = Slots[23];
const std::string& Text16524 = Slots[24];
const std::string& Text16525 = Slots[25];
const std::string& Text16526 = Slots[26];
const std::string& Text16527 = Slots[27];
const std::string& Text16528 = Slots[28];
const std::string& Text16529 = Slots[29];
const std::string& Text16530 = Slots[30];
const std::string& Text16531 = Slots[31];
const std::string& Text16532 = Slots[32];
const std::string& Text16533 = Slots[33];
const std::string& Text16534 = Slots[34];
const std::string& Text16535 = Slots[35];
const std::string& Text16536 = Slots[36];
const std::string& Text16537 = Slots[37];
const std::string& Text16538 = Slots[38];
const std::string& Text16539 = Slots[39];
const std::string& Text16540 = Slots[40];
const std::string& Text16541 = Slots[41];
const std::string& Text16542 = Slots[42];
const std::string& Text16543 = Slots[43];
const std::string& Text16544 = Slots[44];
const std::string& Text16545 = Slots[45];
const std::string& Text16546 = Slots[46];
const std::string& Text16547 = Slots[47];
const std::string& Text16548 = Slots[48];
const std::string& Text16549 = Slots[49];
const std::string& Text16550 = Slots[50];
const std::string& Text16551 = Slots[51];
const std::string& Text16552 = Slots[52];
const std::string& Text16553 = Slots[53];
const std::string& Text16554 = Slots[54];
const std::string& Text16555 = Slots[55];
const std::string& Text16556 = Slots[56];
const std::string& Text16557 = Slots[57];
const std::string& Text16558 = Slots[58];
const std::string& Text16559 = Slots[59];

} // namespace Sprremotefunc
