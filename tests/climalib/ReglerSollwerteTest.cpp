#include "climalib/E_DataBasis.h"
#include "climalib/ReglerSollwerte.h"
#include "tests/climalib/PageFixture.h"
#include "tests/climalib/support/NamedCase.h"

#include <gmock/gmock.h>

#include <iomanip>

namespace climatest {
namespace {

using climatest::PrintTo;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using S = TReglerSollwerte;
using Sollwerte = PageFixture<S>;

TEST_F(Sollwerte, NewRecordsHoldTheDefaults)
{
    const TDatenStruktur& main = WriteRecord();
    EXPECT_EQ(main.Typ, S::Typ);
    EXPECT_EQ(main.Param3, 210) << "21.0 in tenths";
    EXPECT_EQ(main.Param18, 2);
    EXPECT_EQ(main.Param6, 7);
    EXPECT_EQ(main.Param7, 35);
    EXPECT_EQ(main.Param9, 20);
    EXPECT_EQ(main.Param10, 1);
    EXPECT_EQ(main.Param11, 0);
    EXPECT_EQ(main.Param12, 3);
    EXPECT_EQ(main.Param13, -3);
    EXPECT_EQ(main.Param14, -20);
    EXPECT_EQ(main.Param15, -40);
    EXPECT_EQ(main.Param16, 20);
    EXPECT_EQ(main.Param17, 40);
    EXPECT_FALSE(main.Bool3);
    EXPECT_FALSE(main.Bool4);

    const auto chain = Device().Chain(main);
    ASSERT_EQ(chain.size(), 1u) << "one additional record";
    const TDatenStruktur& additional = *chain[0];
    EXPECT_EQ(additional.Parent, page->GetHandle());
    EXPECT_EQ(additional.Param1, 2);
    EXPECT_EQ(additional.Param2, 210);
    EXPECT_EQ(additional.Param3, 20);
    EXPECT_EQ(additional.Param4, -20);
    EXPECT_EQ(additional.Param5, -40);
    EXPECT_EQ(additional.Param6, 20);
    EXPECT_EQ(additional.Param7, 40);
    EXPECT_EQ(additional.Param8, 0);
    EXPECT_EQ(additional.Param9, 0);
    EXPECT_FALSE(additional.Bool1);
}

TEST_F(Sollwerte, RecordsReadBackAndWritingTwiceKeepsOneChain)
{
    page->BasistemperaturRk2NachReset = 19.5;
    page->EigeneSollwerteRk2 = T_DB_EnumDataBasis::Ja;
    page->WertigkeitStufeSollwertverschiebung = T_DB_EnumReglerSollwerte::Stufe05K;
    page->Totzonenverschiebung = 1;
    WriteRecord();
    const TDatenStruktur& main = WriteRecord();
    ASSERT_EQ(Device().Chain(main).size(), 1u);
    EXPECT_EQ(Device().RecordCount(), 2u);

    S restored(window.Handle(), System, controller->GetHandle(), "", page->GetHandle());
    restored.InitFromDB(main);
    EXPECT_DOUBLE_EQ(restored.BasistemperaturRk2NachReset, 19.5);
    EXPECT_EQ(restored.EigeneSollwerteRk2, T_DB_EnumDataBasis::Ja);
    EXPECT_EQ(restored.WertigkeitStufeSollwertverschiebung, T_DB_EnumReglerSollwerte::Stufe05K);
    EXPECT_EQ(restored.Totzonenverschiebung, 1);
}

TEST_F(Sollwerte, WithoutAdditionalRecordItsMembersKeepTheirValues)
{
    TDatenStruktur main = WriteRecord();
    main.Next = 0;
    main.Param3 = 225;
    S restored(window.Handle(), System, controller->GetHandle(), "", page->GetHandle());
    restored.Stufenabstand = 33;
    restored.InitFromDB(main);
    EXPECT_DOUBLE_EQ(restored.BasistemperaturNachReset, 22.5);
    EXPECT_EQ(restored.Stufenabstand, 33);
}

// ---- objects ----

TEST_F(Sollwerte, ObjectsUnderOneCircuit)
{
    ASSERT_TRUE(page->CreateObjects());
    EXPECT_THAT(Trace(), ElementsAre("UDT8:3030=1/0", "UDT8:3240=1/0", "UDT8:3250=0/0", "UDT8:3040=0/0",
                                     "UDT8:3260=1/0", "UDT8:3270=1/0"));
    Mark();
    ASSERT_TRUE(page->DeleteObjects());
    EXPECT_THAT(Trace(), ElementsAre("UDT8:3030=0/0", "UDT8:3240=0/0", "UDT8:3250=0/0", "UDT8:3040=0/0",
                                     "UDT8:3260=0/0", "UDT8:3270=0/0"));
}

TEST_F(Sollwerte, ObjectsUnderTwoCircuitsFollowTheOwnSetPointsOfCircuit2)
{
    SetController(1, 0);
    page->EigeneSollwerteRk2 = T_DB_EnumDataBasis::Ja;
    ASSERT_TRUE(page->CreateObjects());
    EXPECT_EQ(ObjectValues(), (std::map<int, int>{{3030, 1}, {3040, 1}, {3240, 1}, {3250, 1}, {3260, 1}, {3270, 1}}));

    Mark();
    page->AenderungBasisSollwertRk2 = T_DB_EnumReglerSollwerte::Deaktiviert;
    page->AenderungBasisSollwert = T_DB_EnumReglerSollwerte::UeberAnzeigetasten;
    ASSERT_TRUE(page->CreateObjects());
    EXPECT_EQ(ObjectValues().at(3040), 0);
    EXPECT_EQ(ObjectValues().at(3030), 0);
    EXPECT_EQ(ObjectValues().at(3250), 1);
}

TEST_F(Sollwerte, WithoutControllerCreateObjectsStopsAfterTheFirstTwo)
{
    LoseController();
    EXPECT_FALSE(page->CreateObjects());
    EXPECT_THAT(Trace(), ElementsAre("UDT8:3030=1/0", "UDT8:3240=1/0"));
    Mark();
    EXPECT_TRUE(page->DeleteObjects()) << "removing needs no controller";
}

// ---- rows ----

struct RowCase {
    const char* name;
    int circuits;
    int mode;
    int lock;
    int level;
    int aenderung;
    int aenderungRk2;
    bool eigeneRk2;
    int kuehlen;
    std::vector<int> tags;
};

class SollwerteRows : public Sollwerte, public ::testing::WithParamInterface<RowCase> {};

TEST_P(SollwerteRows, FollowTheController)
{
    const RowCase& c = GetParam();
    SetController(c.circuits, c.mode, c.lock);
    Device().SetZugriffAufBedienebenen(c.level);
    page->AenderungBasisSollwert = static_cast<std::int8_t>(c.aenderung);
    page->AenderungBasisSollwertRk2 = static_cast<std::int8_t>(c.aenderungRk2);
    page->EigeneSollwerteRk2 = c.eigeneRk2 ? T_DB_EnumDataBasis::Ja : T_DB_EnumDataBasis::Nein;
    page->AenderungSollwerteKuehlen = static_cast<std::int8_t>(c.kuehlen);
    Build(false);
    EXPECT_EQ(RowTags(), c.tags);
    std::vector<bool> flags(c.tags.size(), true);
    flags.front() = false;
    EXPECT_EQ(RowFlags(), flags) << "only the page's first row takes the flag";
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, SollwerteRows,
    ::testing::Values(
        RowCase{"HeizenKeys", 0, 0, 0, 1, 2, 2, false, 0, {28, 0, 1, 2, 3, 5, 6, 7, 12, 13, 14, 15, 16, 17}},
        RowCase{"HeizenNoLevelAccess", 0, 0, 0, 0, 2, 2, false, 0, {28, 0, 1, 2, 3, 7, 12, 13, 14, 15, 16, 17}},
        RowCase{"HeizenAlwaysLocked", 0, 0, 1, 1, 2, 2, false, 0, {28, 0, 1, 2, 3, 7, 12, 13, 14, 15, 16, 17}},
        RowCase{"HeizenLockedOverObject",
                0, 0, 2, 1, 2, 2, false, 0,
                {28, 0, 1, 2, 3, 5, 6, 7, 12, 13, 14, 15, 16, 17}},
        RowCase{"HeizenChangeOff", 0, 0, 0, 1, 0, 2, false, 0, {28, 0, 1, 2, 5, 6, 7, 12, 13, 14, 15, 16, 17}},
        RowCase{"Kuehlen", 0, 1, 0, 1, 2, 2, false, 0, {28, 0, 1, 2, 3, 5, 6, 8, 12, 13, 14, 15, 18, 19}},
        RowCase{"BothCoolingOnKeys",
                0, 2, 0, 1, 2, 2, false, 1,
                {28, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
        RowCase{"BothNoKeys",
                0, 2, 0, 0, 2, 2, false, 1,
                {28, 0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
        RowCase{"AdditionalStages",
                0, 5, 0, 1, 2, 2, false, 0,
                {28, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 23, 12, 13, 14, 15, 16, 17, 18, 19}},
        RowCase{"AdditionalHeating", 0, 3, 0, 1, 2, 2, false, 0, {28, 0, 1, 2, 3, 5, 6, 7, 23, 12, 13, 14, 15, 16, 17}},
        RowCase{"TwoCircuits", 1, 0, 0, 1, 2, 2, false, 0, {20, 28, 0, 1, 2, 3, 5, 6, 7, 12, 13, 14, 15, 16, 17}},
        RowCase{"TwoCircuitsOwnHeizen",
                1, 0, 0, 1, 2, 2, true, 0,
                {20, 28, 0, 21, 1, 2, 22, 3, 5, 6, 7, 12, 13, 14, 15, 16, 17, 24, 25}},
        RowCase{"TwoCircuitsOwnKuehlen",
                1, 1, 0, 1, 2, 2, true, 0,
                {20, 28, 0, 21, 1, 2, 22, 3, 5, 6, 8, 12, 13, 14, 15, 18, 19, 26, 27}},
        RowCase{"TwoCircuitsOnlyCircuit2ByObject",
                1, 0, 0, 0, 0, 2, true, 0,
                {20, 28, 0, 21, 1, 2, 22, 3, 7, 12, 13, 14, 15, 16, 17, 24, 25}},
        RowCase{"TwoCircuitsNoChange",
                1, 0, 0, 0, 0, 0, true, 0,
                {20, 28, 0, 21, 1, 2, 22, 7, 12, 13, 14, 15, 16, 17, 24, 25}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Sollwerte, BaseSetPointChoicesFollowTheDisplayKeys)
{
    Build();
    EXPECT_THAT(ChoiceValues(S::tagAenderungBasisSollwert), ElementsAre(0, 1, 2, 3));
    SetController(0, 0, 1); // always locked
    Build();
    EXPECT_THAT(ChoiceValues(S::tagAenderungBasisSollwert), ElementsAre(0, 2));
    EXPECT_EQ(ValueCell(S::tagAenderungBasisSollwert).Choices[1].Caption, "\xDC" "ber Objekt zulassen");
}

TEST_F(Sollwerte, StepAndLimitsFollowTheWeight)
{
    SetController(0, 5);
    Build();
    EXPECT_THAT(grid.GetCell(0, Row(S::tagTotzone))->Text, HasSubstr("(0..127) * 0.1 K"));
    EXPECT_THAT(grid.GetCell(0, Row(S::tagAbsenkenStandbyHeizen))->Text, HasSubstr("(-128..0) * 0.1 K"));
    EXPECT_EQ(ValueCell(S::tagTotzone).MaxValue, 127);
    EXPECT_EQ(ValueCell(S::tagAbsenkenNachtHeizen).MinValue, -128);
    EXPECT_EQ(ValueCell(S::tagBasistemperaturNachReset).Step, 1);
    EXPECT_EQ(ValueCell(S::tagBasistemperaturNachReset).Text, "21,0");

    page->WertigkeitStufeSollwertverschiebung = T_DB_EnumReglerSollwerte::Stufe05K;
    Build();
    EXPECT_THAT(grid.GetCell(0, Row(S::tagAnhebenNachtKuehlen))->Text, HasSubstr("(0..125) * 0.1 K"));
    EXPECT_THAT(grid.GetCell(0, Row(S::tagAbsenkenNachtHeizen))->Text, HasSubstr("(-125..0) * 0.1 K"));
    EXPECT_EQ(ValueCell(S::tagTotzone).MaxValue, 125);
    EXPECT_EQ(ValueCell(S::tagTotzone).Step, 5);
    EXPECT_EQ(ValueCell(S::tagBasistemperaturNachReset).Step, 5);
    EXPECT_EQ(ValueCell(S::tagStufenabstand).Step, 1) << "not a stepped value";
}

TEST_F(Sollwerte, WithoutControllerOrLevelAccessAnswerTheGridStaysEmpty)
{
    Device().AnswerDeviceRequest(UDM_GET_VALUE_OF_ZUGRIFF_AUF_BEDIENEBENEN, 0);
    Build(false, 1, 0);
    EXPECT_EQ(grid.GetRowCount(), 0);
    Device().AnswerDeviceRequest(UDM_GET_VALUE_OF_ZUGRIFF_AUF_BEDIENEBENEN, 1);
    LoseController();
    Build(false, 1, 0);
    EXPECT_EQ(grid.GetRowCount(), 0);
    window.DeliverPosted();
    EXPECT_TRUE(window.Received(WM_USER_SETACTIVECELL).empty());
}

// ---- the weight "0,5 K" ----

struct TemperatureRounding {
    double before;
    double after;
};

void PrintTo(const TemperatureRounding& c, std::ostream* os)
{
    // Enough digits to tell 21.299999 from 21.3.
    *os << std::setprecision(10) << c.before << " -> " << c.after;
}

class SollwerteTemperatureRounding : public Sollwerte, public ::testing::WithParamInterface<TemperatureRounding> {};

TEST_P(SollwerteTemperatureRounding, ToWholeHalfDegrees)
{
    page->BasistemperaturNachReset = GetParam().before;
    page->BasistemperaturRk2NachReset = GetParam().before;
    Choose(S::tagWertigkeitStufeSollwertverschiebung, 1);
    EXPECT_DOUBLE_EQ(page->BasistemperaturNachReset, GetParam().after);
    EXPECT_DOUBLE_EQ(page->BasistemperaturRk2NachReset, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Table, SollwerteTemperatureRounding,
                         ::testing::Values(TemperatureRounding{21.3, 21.5}, TemperatureRounding{21.2, 21.0},
                                           TemperatureRounding{21.299999, 21.5}, TemperatureRounding{21.0, 21.0},
                                           TemperatureRounding{7.0, 7.0}, TemperatureRounding{39.8, 40.0},
                                           TemperatureRounding{22.7, 22.5}));

struct StepRounding {
    const char* memberName;
    std::int32_t TReglerSollwerte::*member;
    std::int32_t before;
    std::int32_t after;
};

void PrintTo(const StepRounding& c, std::ostream* os)
{
    *os << c.memberName << " " << c.before << " -> " << c.after;
}

class SollwerteStepRounding : public Sollwerte, public ::testing::WithParamInterface<StepRounding> {};

TEST_P(SollwerteStepRounding, ToMultiplesOfFiveWithin125)
{
    (*page).*GetParam().member = GetParam().before;
    Choose(S::tagWertigkeitStufeSollwertverschiebung, 1);
    EXPECT_EQ((*page).*GetParam().member, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SollwerteStepRounding,
    ::testing::Values(StepRounding{"Totzone", &S::Totzone, 22, 20},
                      StepRounding{"Totzone", &S::Totzone, 23, 25},
                      StepRounding{"Totzone", &S::Totzone, 127, 125},
                      StepRounding{"Totzone", &S::Totzone, 0, 0},
                      StepRounding{"AnhebenNachtKuehlen", &S::AnhebenNachtKuehlen, 127, 125},
                      StepRounding{"AnhebenStandbyKuehlenRk2", &S::AnhebenStandbyKuehlenRk2, 3, 5},
                      StepRounding{"AnhebenStandbyKuehlen", &S::AnhebenStandbyKuehlen, 22, 20},
                      StepRounding{"AnhebenNachtKuehlenRk2", &S::AnhebenNachtKuehlenRk2, 23, 25},
                      StepRounding{"AbsenkenStandbyHeizen", &S::AbsenkenStandbyHeizen, -22, -20},
                      StepRounding{"AbsenkenNachtHeizen", &S::AbsenkenNachtHeizen, -23, -25},
                      StepRounding{"AbsenkenNachtHeizenRk2", &S::AbsenkenNachtHeizenRk2, -128, -125},
                      StepRounding{"AbsenkenStandbyHeizenRk2", &S::AbsenkenStandbyHeizenRk2, -2, 0},
                      StepRounding{"Stufenabstand", &S::Stufenabstand, 22, 22},
                      StepRounding{"SendenBeiAenderung", &S::SendenBeiAenderung, 3, 3}));

TEST_F(Sollwerte, ChoosingTheWeightTellsTheDeviceAndTheWayBackChangesNothing)
{
    page->BasistemperaturNachReset = 21.3;
    page->Totzone = 22;
    page->AbsenkenNachtHeizen = -128;
    Choose(S::tagWertigkeitStufeSollwertverschiebung, 1);
    const std::string cell = Cell(Row(S::tagWertigkeitStufeSollwertverschiebung));
    EXPECT_THAT(TakeTrace(), ElementsAre("UDM37:1/0", "store", "post ALL " + cell));
    EXPECT_EQ(StoredRecord()->Param3, 215);

    Choose(S::tagWertigkeitStufeSollwertverschiebung, 0);
    EXPECT_THAT(TakeTrace(), ElementsAre("UDM37:0/0", "store", "post ALL " + cell));
    EXPECT_DOUBLE_EQ(page->BasistemperaturNachReset, 21.5);
    EXPECT_EQ(page->Totzone, 20);
    EXPECT_EQ(page->AbsenkenNachtHeizen, -125);
}

TEST_F(Sollwerte, ARefusalOfTheDeviceDoesNotStopTheWeight)
{
    Device().AnswerDeviceRequest(UDM_MODIFY_WERTIGKEIT_STUFE_SOLLWERTVERSCHIEBUNG_VALUE, 0);
    page->Totzone = 22;
    Choose(S::tagWertigkeitStufeSollwertverschiebung, 1);
    EXPECT_EQ(page->WertigkeitStufeSollwertverschiebung, T_DB_EnumReglerSollwerte::Stufe05K);
    EXPECT_EQ(page->Totzone, 20);
}

TEST_F(Sollwerte, ConvertAfterTemplateImportResetsOnlyTheWeight)
{
    page->WertigkeitStufeSollwertverschiebung = T_DB_EnumReglerSollwerte::Stufe05K;
    page->BasistemperaturNachReset = 22.5;
    page->Totzone = 25;
    EXPECT_TRUE(page->ConvertDBDataAfterTemplateImport());
    EXPECT_EQ(page->WertigkeitStufeSollwertverschiebung, T_DB_EnumReglerSollwerte::Stufe01K);
    EXPECT_DOUBLE_EQ(page->BasistemperaturNachReset, 22.5);
    EXPECT_EQ(page->Totzone, 25);
    EXPECT_TRUE(window.Messages().empty());
}

// ---- spin rows ----

TEST_F(Sollwerte, BaseTemperatureIsTakenInTenthsByRounding)
{
    Spin(S::tagBasistemperaturNachReset, 21.299999);
    const std::string cell = Cell(Row(S::tagBasistemperaturNachReset));
    EXPECT_THAT(TakeTrace(), ElementsAre("store", "post ALL " + cell));
    EXPECT_EQ(StoredRecord()->Param3, 213);

    Spin(S::tagBasistemperaturNachReset, 21.3);
    EXPECT_TRUE(TakeTrace().empty()) << "the same tenths change nothing";
}

TEST_F(Sollwerte, SteppedValuesKeepTheHalfKelvinSteps)
{
    page->WertigkeitStufeSollwertverschiebung = T_DB_EnumReglerSollwerte::Stufe05K;
    SetController(0, 2);
    Spin(S::tagBasistemperaturNachReset, 21.3);
    TakeTrace();
    EXPECT_EQ(StoredRecord()->Param3, 215);
    Spin(S::tagTotzone, 23);
    EXPECT_THAT(TakeTrace(), ElementsAre("store", "post ALL " + Cell(Row(S::tagTotzone))));
    EXPECT_EQ(StoredRecord()->Param9, 25);
}

TEST_F(Sollwerte, PlainNumbersAreStoredAndTheOtherViewsFollow)
{
    SetController(0, 3);
    for (const auto& [tag, value] :
         {std::pair{S::tagSolltemperaturFrostschutz, 12}, std::pair{S::tagStufenabstand, 23},
          std::pair{S::tagEinstellungNachUnten, -10}, std::pair{S::tagZyklischesSenden, 255}}) {
        Spin(tag, value);
        EXPECT_THAT(TakeTrace(), ElementsAre("store", "post OTHER")) << tag;
    }
    EXPECT_EQ(StoredRecord()->Param6, 12);
    EXPECT_EQ(StoredRecord()->Param13, -10);
    EXPECT_EQ(StoredRecord()->Param11, 255);
    EXPECT_EQ(Device().Chain(*StoredRecord()).at(0)->Param3, 23);
}

// ---- combo rows ----

TEST_F(Sollwerte, OwnSetPointsOfCircuit2AskThenSwitchTheirObjects)
{
    SetController(1, 0);
    Choose(S::tagEigeneSollwerteRk2, 1);
    const std::string cell = Cell(Row(S::tagEigeneSollwerteRk2));
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT10:3250 3040", "UDT8:3250=1/0", "UDT8:3040=1/0", "store",
                                         "post ABGLEICH " + cell, "post ALL " + cell));
    EXPECT_TRUE(Device().Chain(*StoredRecord()).at(0)->Bool1);

    Device().AnswerDeleteAllowed(0);
    Choose(S::tagEigeneSollwerteRk2, 0);
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT10:3250 3040", "post ALL " + cell));
    EXPECT_EQ(page->EigeneSollwerteRk2, T_DB_EnumDataBasis::Ja);
}

TEST_F(Sollwerte, BaseSetPointChangeSwitchesItsObjectOrGoesBack)
{
    Choose(S::tagAenderungBasisSollwert, 1);
    const std::string cell = Cell(Row(S::tagAenderungBasisSollwert));
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT8:3030=0/1", "store", "post ABGLEICH " + cell, "post ALL " + cell));

    Device().AnswerAddObject(0);
    Choose(S::tagAenderungBasisSollwert, 3);
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT8:3030=1/1", "post ALL " + cell));
    EXPECT_EQ(page->AenderungBasisSollwert, T_DB_EnumReglerSollwerte::UeberAnzeigetasten);
}

TEST_F(Sollwerte, ChangeOptionsWithoutObjectsAreStoredOnly)
{
    SetController(0, 2);
    Choose(S::tagAenderungSollwerteKuehlen, 1);
    EXPECT_THAT(TakeTrace(), ElementsAre("store", "post ALL " + Cell(Row(S::tagAenderungSollwerteKuehlen))));
    for (const int tag :
         {S::tagBasisSollwertverschiebungDauerhaft, S::tagBasisSollwertDauerhaft, S::tagAenderungStandbyTemperaturRk1,
          S::tagAenderungNachtTemperaturRk1, S::tagTotzonenposition, S::tagTotzonenverschiebung}) {
        Choose(tag, 1);
        EXPECT_THAT(TakeTrace(), ElementsAre("store", "post OTHER")) << tag;
    }
    const TDatenStruktur& main = *StoredRecord();
    EXPECT_TRUE(main.Bool3);
    EXPECT_TRUE(main.Bool4);
    EXPECT_EQ(main.Param5, 1);
    EXPECT_EQ(main.Param4, 1);
    EXPECT_EQ(main.Param8, 1);
    EXPECT_EQ(main.Param19, 1);
}

// ---- called back by the device ----

TEST_F(Sollwerte, AlwaysLockedOperationMovesTheBaseSetPointToTheObject)
{
    page->AenderungBasisSollwert = T_DB_EnumReglerSollwerte::UeberAnzeigetasten;
    page->AenderungStandbyTemperaturRk1 = 1;
    page->AenderungNachtTemperaturRk1 = 1;
    page->AenderungSollwerteKuehlen = 1;
    page->Totzonenverschiebung = 1;
    SetController(0, 2, 1);
    ASSERT_TRUE(page->ModifyValueAenderungSollwerte(true));
    EXPECT_THAT(Trace(), ElementsAre("UDM26:1/0", "UDT8:3030=1/1"));
    EXPECT_EQ(page->AenderungBasisSollwert, T_DB_EnumReglerSollwerte::UeberObjekt);
    EXPECT_EQ(page->AenderungStandbyTemperaturRk1, 0);
    EXPECT_EQ(page->AenderungNachtTemperaturRk1, 0);
    EXPECT_EQ(page->AenderungSollwerteKuehlen, 0);
    EXPECT_EQ(page->Totzonenverschiebung, 0);
}

TEST_F(Sollwerte, AFailedBaseSetPointObjectPutsTheOldChoiceBack)
{
    page->AenderungBasisSollwert = T_DB_EnumReglerSollwerte::UeberAnzeigetastenUndObjekt;
    page->AenderungStandbyTemperaturRk1 = 1;
    Device().SetZugriffAufBedienebenen(0);
    Device().AnswerAddObject(0);
    EXPECT_FALSE(page->ModifyValueAenderungSollwerte(true));
    EXPECT_EQ(page->AenderungBasisSollwert, T_DB_EnumReglerSollwerte::UeberAnzeigetastenUndObjekt);
    EXPECT_EQ(page->AenderungStandbyTemperaturRk1, 1);
}

TEST_F(Sollwerte, WithUsableKeysTheCoolingOptionFollowsTheMode)
{
    for (const auto& [mode, before, after] : {std::tuple{0, 1, 0}, std::tuple{3, 1, 0}, std::tuple{1, 0, 1},
                                              std::tuple{4, 0, 1}, std::tuple{2, 1, 1}, std::tuple{5, 0, 0}}) {
        SetController(0, mode);
        page->AenderungSollwerteKuehlen = static_cast<std::int8_t>(before);
        ASSERT_TRUE(page->ModifyValueAenderungSollwerte(true)) << mode;
        EXPECT_EQ(page->AenderungSollwerteKuehlen, after) << mode;
    }
    EXPECT_TRUE(ObjectValues().empty());
}

TEST_F(Sollwerte, ChangeOptionsNeedControllerAndLevelAccess)
{
    Device().AnswerDeviceRequest(UDM_GET_VALUE_OF_ZUGRIFF_AUF_BEDIENEBENEN, 0);
    EXPECT_FALSE(page->ModifyValueAenderungSollwerte(true));
    LoseController();
    EXPECT_FALSE(page->ModifyValueAenderungSollwerte(true));
}

TEST_F(Sollwerte, OneCircuitFromTheDeviceRemovesTheObjectsOfCircuit2)
{
    SetController(1, 0);
    page->EigeneSollwerteRk2 = T_DB_EnumDataBasis::Ja;
    ASSERT_TRUE(page->CreateObjects());
    SetController(0, 0);
    Mark();
    ASSERT_TRUE(page->ModifyValueEigeneSollwerteRk2(T_DB_EnumDataBasis::Nein, false));
    EXPECT_THAT(Trace(), ElementsAre("UDT8:3250=0/0", "UDT8:3040=0/0"));
    EXPECT_EQ(page->EigeneSollwerteRk2, T_DB_EnumDataBasis::Nein);
}

// ---- paste and global parameters ----

TEST_F(Sollwerte, PasteTakesTheMainRecordOnly)
{
    S source(window.Handle(), System, controller->GetHandle(), "Quelle", 0);
    source.BasistemperaturNachReset = 23.5;
    source.AenderungBasisSollwert = 0;
    source.Totzone = 35;
    source.AbsenkenNachtHeizen = -60;
    source.BasisSollwertDauerhaft = T_DB_EnumDataBasis::Ja;
    source.Stufenabstand = 50;
    source.EigeneSollwerteRk2 = T_DB_EnumDataBasis::Ja;
    TDatenStruktur record;
    source.Write(record);
    record.Next = 0;
    const auto table = RecordTable({record});
    std::string message;
    Mark();
    EXPECT_TRUE(page->Paste(table.get(), message));
    EXPECT_DOUBLE_EQ(page->BasistemperaturNachReset, 23.5);
    EXPECT_EQ(page->AenderungBasisSollwert, 0);
    EXPECT_EQ(page->Totzone, 35);
    EXPECT_EQ(page->AbsenkenNachtHeizen, -60);
    EXPECT_EQ(page->BasisSollwertDauerhaft, T_DB_EnumDataBasis::Ja);
    EXPECT_EQ(page->Stufenabstand, 20) << "kept in the additional record";
    EXPECT_EQ(page->EigeneSollwerteRk2, T_DB_EnumDataBasis::Nein);
    EXPECT_TRUE(Trace().empty()) << "no object is switched";
}

TEST_F(Sollwerte, PasteWithoutRecordOfItsTypeThrows)
{
    TDatenStruktur other;
    other.Typ = 6578;
    const auto table = RecordTable({other});
    std::string message;
    EXPECT_THROW(page->Paste(table.get(), message), E_DataBasis);
}

TEST_F(Sollwerte, DeclaresTwentyTwoGlobalParameters)
{
    for (const int tag : {0, 21, 1, 3, 7, 8, 9, 10, 11, 23, 12, 13, 14, 15, 16, 17, 18, 19, 24, 25, 26, 27})
        EXPECT_NE(page->GetGlobalParameter(tag), nullptr) << tag;
    for (const int tag : {2, 4, 5, 6, 20, 22, 28})
        EXPECT_EQ(page->GetGlobalParameter(tag), nullptr) << tag;
}

class SollwerteGlobal : public PageGlobalFixture<S> {
protected:
    SollwerteGlobal()
    {
        target.Next = 502;
        additional.Handle = 502;
        additional.Parent = 501;
    }
    // The copy into the target and, when there is one, its additional record.
    int Copy(std::initializer_list<int> marked, std::string& message, bool withAdditional = true)
    {
        MarkParameters(marked);
        std::vector<TDatenStruktur> records{targetController, target};
        if (withAdditional)
            records.push_back(additional);
        auto table = RecordTable(records);
        const int answer = page->WriteGlobalParameter(table.get(), &target, message);
        TDatenStruktur written;
        if (table->Find("Handle", additional.Handle, written))
            additional = written;
        return answer;
    }

    TDatenStruktur additional;
};

TEST_F(SollwerteGlobal, WritesTheMarkedParametersIntoBothRecords)
{
    page->BasistemperaturNachReset = 22.5;
    page->BasistemperaturRk2NachReset = 19.0;
    page->Stufenabstand = 40;
    page->AnhebenNachtKuehlen = 55;
    std::string message = "alt";
    EXPECT_EQ(Copy({0, 21, 23, 19}, message), 4);
    EXPECT_EQ(message, "");
    EXPECT_EQ(target.Param3, 225);
    EXPECT_EQ(target.Param17, 55);
    EXPECT_EQ(target.Param9, 0) << "unmarked";
    EXPECT_EQ(additional.Param2, 190);
    EXPECT_EQ(additional.Param3, 40);
}

TEST_F(SollwerteGlobal, WithoutAdditionalRecordTheMainRecordIsWrittenAndIndex1Reported)
{
    page->SolltemperaturFrostschutz = 9;
    std::string message;
    EXPECT_EQ(Copy({7, 23}, message, false), 0);
    EXPECT_EQ(target.Param6, 9);
    EXPECT_EQ(message, "Handle: 501; Index: 1");
}

TEST_F(SollwerteGlobal, LeavesATargetOfAnotherStructureAlone)
{
    targetController.Param4 = 1;
    std::string message = "alt";
    EXPECT_EQ(Copy({7}, message), 0);
    EXPECT_EQ(target.Param6, 0);
    EXPECT_EQ(message, "Betriebsart: Heizen (im Ger\xE4t: K\xFChlen)") << "the setting that differs";
}

TEST_F(SollwerteGlobal, AnswersMinus9WithoutControllers)
{
    std::string message;
    targetController.Typ = 6579;
    EXPECT_EQ(Copy({7}, message), -9);
    targetController.Typ = static_cast<std::int16_t>(TReglerFunktion::Typ);
    LoseController();
    EXPECT_EQ(Copy({7}, message), -9);
    EXPECT_EQ(target.Param6, 0);
}

} // namespace
} // namespace climatest
