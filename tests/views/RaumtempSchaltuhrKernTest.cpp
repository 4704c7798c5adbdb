#include "outside/sysfunc/TalvoSystem.h"
#include "views/RaumtempSchaltuhrKern.h"
#include "views/SchaltuhrKern.h"
#include "tests/product/support/ProductDoubles.h"
#include "tests/support/ScriptedUi.h"
#include "tests/views/SchaltuhrTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace schaltzeit {
namespace {

using namespace T_DB_EnumRaumtemperaturSchaltuhr;

tagSchaltDaten Schaltzeit(int stunde, int minute, int tag, int modus, int reserve = 0)
{
    return {static_cast<std::int16_t>(stunde), static_cast<std::int16_t>(minute), static_cast<std::int16_t>(tag),
            static_cast<std::int16_t>(reserve), static_cast<std::int16_t>(modus)};
}

class RaumtempSchaltzeiten : public ::testing::Test {
protected:
    RaumtempSchaltzeiten()
    {
        for (int slot = 1; slot <= 28; ++slot)
            Map[slot] = tagSchaltDaten{};
    }
    std::unique_ptr<TRaumtempSchaltuhrKern> Oeffne(TMapSchaltDaten* map)
    {
        return std::make_unique<TRaumtempSchaltuhrKern>(nullptr, map, TZeitEingabe());
    }
    std::vector<std::string> Spalte(const TSchaltzeitenKern& kern, int spalte) const
    {
        std::vector<std::string> texte;
        for (const TSchaltzeitZeile& zeile : kern.Zeilen())
            texte.push_back(kern.Spaltentext(zeile, spalte));
        return texte;
    }

    testsupport::ScriptedUi Ui;
    TMapSchaltDaten Map;
};

TEST_F(RaumtempSchaltzeiten, AStoredProtectionModeIsListed)
{
    Map[5] = Schaltzeit(22, 0, 10, bmFrostHitzeschutz);
    auto kern = Oeffne(&Map);
    EXPECT_EQ(kern->Ueberschrift(3), "Betriebsmodus");
    EXPECT_EQ(Spalte(*kern, 3), std::vector<std::string>{"Frost-/Hitzeschutz"});
    EXPECT_EQ(Spalte(*kern, 0), std::vector<std::string>{"5"});
}

TEST_F(RaumtempSchaltzeiten, NewRowsTakeTheirSortedPlaceAtOnce)
{
    Map[1] = Schaltzeit(7, 0, 1, bmKomfort);
    auto kern = Oeffne(&Map);
    kern->ZeitTaste(TZeitTaste::Runter); // 06:00
    kern->ChkBoxClick(1, true);
    kern->SetModusIndex(2);
    kern->BtnAddClick();
    EXPECT_EQ(Spalte(*kern, 1), (std::vector<std::string>{"06:00", "07:00"}));
    EXPECT_EQ(Spalte(*kern, 3), (std::vector<std::string>{"Nacht-Betrieb", "Komfort-Betrieb"}));
}

TEST_F(RaumtempSchaltzeiten, OkStoresTheSlotsInTheListsOrderWithoutTheReserveBits)
{
    Map[1] = Schaltzeit(6, 0, 1, bmNacht, 0x5A5A);
    Map[2] = Schaltzeit(7, 0, 1, bmKomfort, 0x1111);
    Map[3] = Schaltzeit(8, 0, 1, bmStandby);
    auto kern = Oeffne(&Map);
    kern->LvSchaltzeitenColumnClick(3);
    EXPECT_EQ(kern->Ueberschrift(3), "Betriebsmodus *");
    kern->BtnOkClick();
    EXPECT_EQ(Map.size(), 28u);
    EXPECT_EQ(Map[1], Schaltzeit(7, 0, 1, bmKomfort));
    EXPECT_EQ(Map[2], Schaltzeit(6, 0, 1, bmNacht));
    EXPECT_EQ(Map[3], Schaltzeit(8, 0, 1, bmStandby));
    EXPECT_EQ(Map[4], tagSchaltDaten{});
}

TEST_F(RaumtempSchaltzeiten, EditingAProtectionRowKeepsItsModeUnlessAnotherIsChosen)
{
    Map[1] = Schaltzeit(22, 0, 10, bmFrostHitzeschutz);
    Map[2] = Schaltzeit(23, 0, 10, bmFrostHitzeschutz);
    auto kern = Oeffne(&Map);
    kern->SetAuswahl({0});
    kern->BtnEditClick();
    EXPECT_EQ(kern->Modi(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(kern->ModusIndex(), 3);
    kern->ZeitTaste(TZeitTaste::Hoch);
    kern->BtnEditClick();
    EXPECT_EQ(kern->Modi(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(kern->Zeilen()[0].Wert, bmFrostHitzeschutz);
    EXPECT_EQ(Spalte(*kern, 1)[0], "23:00");

    kern->SetAuswahl({1});
    kern->BtnEditClick();
    kern->SetModusIndex(1);
    kern->BtnEditClick();
    EXPECT_EQ(kern->Zeilen()[1].Wert, bmStandby);
}

TEST_F(RaumtempSchaltzeiten, AnUndefinedModeStartsOnComfortAndIsNeverStoredByApplying)
{
    Map[1] = Schaltzeit(6, 0, 2, 0);
    Map[2] = Schaltzeit(7, 0, 2, 9);
    auto kern = Oeffne(&Map);
    kern->SetAuswahl({0});
    kern->BtnEditClick();
    EXPECT_EQ(kern->ModusIndex(), 0);
    kern->BtnEditClick();
    kern->BtnOkClick();
    EXPECT_EQ(Map[1], Schaltzeit(6, 0, 2, bmKomfort));
    EXPECT_EQ(Map[2], Schaltzeit(7, 0, 2, 9)); // not edited: kept
}

TEST_F(RaumtempSchaltzeiten, WithoutAMapTheListIsEmptyAndOkWritesNothing)
{
    auto kern = Oeffne(nullptr);
    EXPECT_TRUE(kern->Zeilen().empty());
    kern->ChkBoxClick(0, true);
    kern->BtnAddClick();
    kern->BtnOkClick();
    EXPECT_EQ(kern->Zeilen().size(), 1u);
}

TEST_F(RaumtempSchaltzeiten, CancelLeavesTheMap)
{
    Map[1] = Schaltzeit(6, 0, 2, bmNacht);
    const TMapSchaltDaten vorher = Map;
    {
        auto kern = Oeffne(&Map);
        kern->SetAuswahl({0});
        kern->BtnDeleteClick();
    }
    EXPECT_EQ(Map, vorher);
}

// The six download flags and which of them each editor owns.
using TFlags = std::array<bool, 6>;

struct FlagFall {
    const char* Name;
    bool Raumtemp;
    TFlags Vorher;
    bool BoxAngehakt;
    bool Box;
    TFlags Nachher;
};

void PrintTo(const FlagFall& fall, std::ostream* out)
{
    *out << fall.Name;
}

class DownloadFlags : public ::testing::TestWithParam<FlagFall> {
protected:
    DownloadFlags()
    {
        auto owned = std::make_unique<TTalvoSystem>(0, 0, 0, "System", 7, -1, 1, false);
        TTalvoSystem* system = owned.get();
        EXPECT_TRUE(Device.SetPointer2List(owned.release()));
        Device.SetDevice(system);
    }

    testsupport::ScriptedUi Ui;
    producttest::TestDevice Device{nullptr, nullptr, nullptr};
};

TEST_P(DownloadFlags, OnlyTheEditorsOwnAreWritten)
{
    const FlagFall& fall = GetParam();
    Device.SetSystemFlags(fall.Vorher[0], fall.Vorher[1], fall.Vorher[2], fall.Vorher[3], fall.Vorher[4],
                          fall.Vorher[5]);
    std::unique_ptr<TSchaltzeitenKern> kern;
    TMapSchaltDaten map;
    auto schaltuhr = MachSchaltuhr(1, 0, 2);
    if (fall.Raumtemp)
        kern = std::make_unique<TRaumtempSchaltuhrKern>(&Device, &map, TZeitEingabe());
    else
        kern = std::make_unique<TSchaltuhrKern>(&Device, TSchaltuhrKern::TSchaltuhren{{1, schaltuhr.get()}},
                                                TSchaltuhrKern::TMaps{{1, schaltuhr->GetPointerMapSchaltDaten()}},
                                                TZeitEingabe());
    EXPECT_EQ(kern->Ueberschreiben(), fall.BoxAngehakt);
    kern->SetUeberschreiben(fall.Box);
    kern->BtnOkClick();
    TFlags nachher{};
    Device.GetSystemFlags(nachher[0], nachher[1], nachher[2], nachher[3], nachher[4], nachher[5]);
    EXPECT_EQ(nachher, fall.Nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, DownloadFlags,
    ::testing::Values(
        FlagFall{"SchaltuhrEinsGesetzt", false, {true, false, true, false, true, false}, true, true,
                 {true, false, true, false, true, true}},
        FlagFall{"SchaltuhrZweiGesetztAusgeschaltet", false, {false, true, false, true, false, true}, true, false,
                 {false, true, false, true, false, false}},
        FlagFall{"SchaltuhrNichtGesetzt", false, {true, true, true, true, false, false}, false, true,
                 {true, true, true, true, true, true}},
        FlagFall{"RaumtempGesetztAusgeschaltet", true, {false, false, false, true, true, true}, true, false,
                 {false, false, false, false, true, true}},
        FlagFall{"RaumtempNichtGesetzt", true, {true, true, true, false, false, false}, false, true,
                 {true, true, true, true, false, false}}));

TEST(DownloadFlagsOhneProduktgeraet, StayUntickedAndUnwritten)
{
    TMapSchaltDaten map;
    TRaumtempSchaltuhrKern kern(nullptr, &map, TZeitEingabe());
    EXPECT_FALSE(kern.Ueberschreiben());
    kern.SetUeberschreiben(true);
    kern.BtnOkClick(); // no device: nothing to write, nothing fails
    EXPECT_EQ(map.size(), 28u);
}

} // namespace
} // namespace schaltzeit
