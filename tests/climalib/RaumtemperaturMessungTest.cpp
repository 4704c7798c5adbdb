#include "climalib/E_DataBasis.h"
#include "climalib/ReglerRaumtemperaturMessung.h"
#include "climalib/ReglernebenstellenRaumtemperaturMessung.h"
#include "climalib/ReglerFunktionalitaet.h"
#include "tests/climalib/PageFixture.h"
#include "tests/support/ScriptedUi.h"

#include <gmock/gmock.h>
#include <tuple>

namespace climatest {
namespace {

using ::testing::ElementsAre;
using B = TRaumtemperaturMessungBasis;
using Regler = TReglerRaumtemperaturMessung;
using Nebenstelle = TReglernebenstellenRaumtemperaturMessung;

const std::string WarnungUnterer =
    "Der untere ist gr\xF6\xDF" "er als der obere Temperaturwert!\n\nKorrigieren Sie erst den oberen Wert!";
const std::string WarnungOberer =
    "Der obere ist kleiner als der untere Temperaturwert !\n\nKorrigieren Sie erst den unteren Wert!";
const std::string WertAnpassen = "Wert anpassen";

// ---- what both measurements share ----

template <class T>
class Measurement : public PageFixture<T> {
protected:
    // A record of the type with the alarm on and the given limits in tenths.
    void LoadAlarm(int lower, int upper)
    {
        TDatenStruktur record = this->WriteRecord();
        record.Bool3 = true;
        record.Param10 = lower;
        record.Param11 = upper;
        this->page->InitFromDB(record);
    }
};

using MeasurementClasses = ::testing::Types<Regler, Nebenstelle>;
TYPED_TEST_SUITE(Measurement, MeasurementClasses);

TYPED_TEST(Measurement, NewRecordHoldsTheDefaultsAndReadsBack)
{
    const TDatenStruktur& record = this->WriteRecord();
    EXPECT_EQ(record.Typ, TypeParam::Typ);
    EXPECT_EQ(record.Param3, 0);
    EXPECT_EQ(record.Param4, 4);
    EXPECT_EQ(record.Param5, 0);
    EXPECT_EQ(record.Param6, 0);
    EXPECT_EQ(record.Param7, 0);
    EXPECT_EQ(record.Param8, 3);
    EXPECT_EQ(record.Param9, 15);
    EXPECT_EQ(record.Param10, 70);
    EXPECT_EQ(record.Param11, 350);
    EXPECT_FALSE(record.Bool3);
    EXPECT_EQ(record.Next, 0);

    TypeParam restored(this->window.Handle(), this->System, this->page->GetParentHandle(), "", record.Handle);
    restored.InitFromDB(record);
    EXPECT_DOUBLE_EQ(restored.UntererTemperaturwert, 7.0);
    EXPECT_DOUBLE_EQ(restored.ObererTemperaturwert, 35.0);
    EXPECT_EQ(restored.Messwertbildung, 4);
}

TYPED_TEST(Measurement, SignedChoicesTravelSignExtendedAndComeBackAsTheirLowByte)
{
    this->page->Messwertbildung = -2;
    TDatenStruktur record = this->WriteRecord();
    EXPECT_EQ(record.Param4, -2);
    record.Param3 = 0x102; // only the low byte counts
    this->page->InitFromDB(record);
    EXPECT_EQ(this->page->TemperaturErfassung, 2);
}

TYPED_TEST(Measurement, NewObjectCreatesNoObjectWithOneCircuitAndDeleteRemovesAllThree)
{
    ASSERT_TRUE(this->page->CreateObjects());
    EXPECT_THAT(this->Trace(), ElementsAre("UDT8:3010=0/0", "UDT8:4500=0/0", "UDT8:4550=0/0"));
    this->page->TemperaturErfassung = 2;
    this->page->TemperaturalarmUeberObjekt = T_DB_EnumDataBasis::Ja;
    this->Mark();
    ASSERT_TRUE(this->page->DeleteObjects());
    EXPECT_THAT(this->Trace(), ElementsAre("UDT8:3010=0/0", "UDT8:4500=0/0", "UDT8:4550=0/0"))
        << "no removal check of its own";
}

TYPED_TEST(Measurement, CreateObjectsStopsAtTheFirstFailure)
{
    this->Device().AnswerAddObject(0);
    EXPECT_FALSE(this->page->CreateObjects());
    EXPECT_THAT(this->Trace(), ElementsAre("UDT8:3010=0/0"));
}

TYPED_TEST(Measurement, SwitchingTheAlarmOnAsksFirstThenCreatesBothObjectsAndShowsTheLimits)
{
    this->Choose(B::tagTemperaturalarmUeberObjekt, 1);
    const int row = this->Row(B::tagTemperaturalarmUeberObjekt);
    const std::string cell = "1," + std::to_string(row);
    EXPECT_THAT(this->TakeTrace(), ElementsAre("UDT10:4500 4550", "UDT8:4500=1/0", "UDT8:4550=1/0", "store",
                                               "post ABGLEICH " + cell, "post ALL " + cell));
    EXPECT_TRUE(this->StoredRecord()->Bool3);

    this->Build();
    EXPECT_EQ(this->ValueCell(B::tagUntererTemperaturwert).Text, "7,0");
    EXPECT_EQ(this->ValueCell(B::tagObererTemperaturwert).Text, "35,0");
}

TYPED_TEST(Measurement, RefusedRemovalOfTheAlarmObjectsKeepsTheAlarmOn)
{
    this->LoadAlarm(70, 350);
    this->Device().AnswerDeleteAllowed(0);
    this->Choose(B::tagTemperaturalarmUeberObjekt, 0);
    const std::string cell = "1," + std::to_string(this->Row(B::tagTemperaturalarmUeberObjekt));
    EXPECT_THAT(this->TakeTrace(), ElementsAre("UDT10:4500 4550", "post ALL " + cell));
    EXPECT_EQ(this->page->TemperaturalarmUeberObjekt, T_DB_EnumDataBasis::Ja);
}

TYPED_TEST(Measurement, AFailingFirstAlarmObjectLeavesTheSecondUntouched)
{
    this->page->TemperaturalarmUeberObjekt = T_DB_EnumDataBasis::Ja;
    this->Device().AnswerAddObject(0);
    EXPECT_FALSE(this->page->ModifyTemperaturalarmObjekte(false, false));
    EXPECT_THAT(this->Trace(), ElementsAre("UDT8:4500=1/0"));
}

TYPED_TEST(Measurement, WeightingIsStoredAndRebuildsTheViews)
{
    this->page->TemperaturErfassung = 2;
    this->Choose(B::tagMesswertbildung, 7);
    const std::string cell = "1," + std::to_string(this->Row(B::tagMesswertbildung));
    EXPECT_THAT(this->TakeTrace(), ElementsAre("store", "post ALL " + cell));
    EXPECT_EQ(this->StoredRecord()->Param4, 7);
}

TYPED_TEST(Measurement, NumbersAreStoredAndTheOtherViewsFollow)
{
    this->page->TemperaturErfassung = 2;
    const std::vector<std::tuple<int, int, std::int32_t TDatenStruktur::*>> rows{
        {B::tagAbgleichInternerFuehler, -128, &TDatenStruktur::Param5},
        {B::tagAbgleichExternerFuehler, 127, &TDatenStruktur::Param6},
        {B::tagAbfragezeitExternerFuehler, 12, &TDatenStruktur::Param7},
        {B::tagSendenBeiAenderung, 0, &TDatenStruktur::Param8},
        {B::tagZyklischesSenden, 255, &TDatenStruktur::Param9}};
    for (const auto& [tag, value, field] : rows) {
        this->Spin(tag, value);
        EXPECT_THAT(this->TakeTrace(), ElementsAre("store", "post OTHER")) << tag;
        EXPECT_EQ(this->StoredRecord()->*field, value) << tag;
    }
    // The same value again changes nothing.
    this->Spin(B::tagZyklischesSenden, 255);
    EXPECT_TRUE(this->TakeTrace().empty());
}

// The limits of the alarm: (tag, entered value, lower and upper after it, warning text or none).
struct LimitCase {
    int tag;
    double entered;
    int lowerTenths;
    int upperTenths;
    const std::string* warning;
};

template <class T>
class MeasurementLimits : public Measurement<T> {
protected:
    // Starts from lower 20.0 and upper 25.0 and enters the value.
    std::vector<std::string> Enter(const LimitCase& c)
    {
        this->LoadAlarm(200, 250);
        this->Spin(c.tag, c.entered);
        return this->TakeTrace();
    }
};
TYPED_TEST_SUITE(MeasurementLimits, MeasurementClasses);

TYPED_TEST(MeasurementLimits, KeepLowerBelowUpperComparedInTenths)
{
    using P = TRaumtemperaturMessungBasis;
    const std::vector<LimitCase> cases{
        {P::tagUntererTemperaturwert, 25.0, 200, 250, &WarnungUnterer},  // lower = upper
        {P::tagUntererTemperaturwert, 31.5, 200, 250, &WarnungUnterer},  // lower above upper
        {P::tagUntererTemperaturwert, 24.96, 200, 250, &WarnungUnterer}, // 25.0 in tenths
        {P::tagUntererTemperaturwert, 24.9, 249, 250, nullptr},
        {P::tagUntererTemperaturwert, 21.299999, 213, 250, nullptr}, // tenths by rounding
        {P::tagObererTemperaturwert, 20.0, 200, 250, &WarnungOberer},   // upper = lower
        {P::tagObererTemperaturwert, 0.0, 200, 250, &WarnungOberer},
        {P::tagObererTemperaturwert, 20.04, 200, 250, &WarnungOberer}, // 20.0 in tenths
        {P::tagObererTemperaturwert, 20.1, 200, 201, nullptr},
        {P::tagObererTemperaturwert, 40.0, 200, 400, nullptr},
    };
    for (const LimitCase& c : cases) {
        testsupport::ScriptedUi ui;
        const std::vector<std::string> trace = this->Enter(c);
        const std::string cell = "1," + std::to_string(this->Row(c.tag));
        SCOPED_TRACE(::testing::Message() << "tag " << c.tag << " value " << c.entered);
        EXPECT_EQ(this->page->UntererTemperaturwert, c.lowerTenths / 10.0);
        EXPECT_EQ(this->page->ObererTemperaturwert, c.upperTenths / 10.0);
        if (c.warning) {
            ASSERT_EQ(ui.boxes().size(), 1u);
            EXPECT_EQ(ui.boxes()[0].text, *c.warning);
            EXPECT_EQ(ui.boxes()[0].caption, WertAnpassen);
            EXPECT_EQ(ui.boxes()[0].style, 0x30u);
            EXPECT_THAT(trace, ElementsAre("post ALL " + cell)) << "nothing is written";
        } else {
            EXPECT_TRUE(ui.boxes().empty());
            EXPECT_THAT(trace, ElementsAre("store", "post OTHER"));
            EXPECT_EQ(this->StoredRecord()->Param10, c.lowerTenths);
            EXPECT_EQ(this->StoredRecord()->Param11, c.upperTenths);
        }
    }
}

TYPED_TEST(MeasurementLimits, EnteringTheValueALimitHasDoesNothingAtAll)
{
    for (const auto& [tag, value] :
         {std::pair{B::tagUntererTemperaturwert, 20.0}, std::pair{B::tagObererTemperaturwert, 25.0}}) {
        testsupport::ScriptedUi ui;
        EXPECT_TRUE(this->Enter({tag, value, 200, 250, nullptr}).empty()) << tag;
        EXPECT_TRUE(ui.boxes().empty());
    }
}

TYPED_TEST(MeasurementLimits, StoredLimitsReadBackAsTheEnteredValue)
{
    this->Enter({B::tagUntererTemperaturwert, 12.3, 123, 250, nullptr});
    TypeParam restored(this->window.Handle(), this->System, this->page->GetParentHandle(), "",
                       this->page->GetHandle());
    restored.InitFromDB(*this->StoredRecord());
    EXPECT_DOUBLE_EQ(restored.UntererTemperaturwert, 12.3);
    EXPECT_DOUBLE_EQ(restored.ObererTemperaturwert, 25.0);
}

TYPED_TEST(Measurement, PasteTakesEverySettingFromTheFirstRecordOfItsType)
{
    TDatenStruktur source;
    source.Handle = 900;
    source.Typ = static_cast<std::int16_t>(TypeParam::Typ);
    source.Param3 = 2;
    source.Param4 = 6;
    source.Param5 = -12;
    source.Param6 = 8;
    source.Param7 = 9;
    source.Param8 = 10;
    source.Param9 = 11;
    source.Param10 = 155;
    source.Param11 = 301;
    source.Bool3 = true;
    TDatenStruktur other = source;
    other.Handle = 901;
    other.Typ = 6580;
    other.Param3 = 1;
    const auto table = RecordTable({other, source});
    std::string message;
    EXPECT_TRUE(this->page->Paste(table.get(), message));
    EXPECT_EQ(this->page->TemperaturErfassung, 2);
    EXPECT_EQ(this->page->Messwertbildung, 6);
    EXPECT_EQ(this->page->AbgleichInternerFuehler, -12);
    EXPECT_EQ(this->page->ZyklischesSenden, 11);
    EXPECT_DOUBLE_EQ(this->page->UntererTemperaturwert, 15.5);
    EXPECT_DOUBLE_EQ(this->page->ObererTemperaturwert, 30.1);
    EXPECT_EQ(this->page->TemperaturalarmUeberObjekt, T_DB_EnumDataBasis::Ja);
    EXPECT_TRUE(this->Device().TransportRequests().empty()) << "the paste switches no object";
}

TYPED_TEST(Measurement, PasteWithoutARecordOfItsTypeThrowsText209)
{
    TDatenStruktur other;
    other.Handle = 901;
    other.Typ = 6580;
    const auto table = RecordTable({other});
    std::string message;
    try {
        this->page->Paste(table.get(), message);
        FAIL() << "no exception";
    } catch (const E_DataBasis& e) {
        EXPECT_EQ(e.Message, "Seite:\nEs wurden keine g\xFCltigen Daten gefunden.");
    }
    EXPECT_EQ(this->page->Messwertbildung, 4) << "members unchanged";
}

TYPED_TEST(Measurement, DeclaresTheNumbersAndLimitsAsGlobalParameters)
{
    for (const int tag : {1, 2, 3, 4, 5, 6, 8, 9})
        EXPECT_NE(this->page->GetGlobalParameter(tag), nullptr) << tag;
    for (const int tag : {0, 7})
        EXPECT_EQ(this->page->GetGlobalParameter(tag), nullptr) << tag;
}

TYPED_TEST(Measurement, GlobalParametersWithoutTableOrTargetAnswerMinus9)
{
    TDatenStruktur target;
    std::string message = "kept";
    const auto table = RecordTable({});
    EXPECT_EQ(this->page->WriteGlobalParameter(nullptr, &target, message), -9);
    EXPECT_EQ(this->page->WriteGlobalParameter(table.get(), nullptr, message), -9);
    EXPECT_EQ(message, "kept");
}

// ---- the controller's measurement ----

using ReglerMessung = PageFixture<Regler>;

struct RowCase {
    int circuits;
    int sensor;
    bool alarm;
    std::vector<int> tags;
};

void PrintTo(const RowCase& c, std::ostream* os)
{
    *os << "circuits " << c.circuits << ", sensor " << c.sensor << (c.alarm ? ", alarm" : "");
}

class ReglerMessungRows : public ReglerMessung, public ::testing::WithParamInterface<RowCase> {};

TEST_P(ReglerMessungRows, FollowCircuitsSensorAndAlarm)
{
    const RowCase& c = GetParam();
    SetController(c.circuits, 0);
    page->TemperaturErfassung = static_cast<std::int8_t>(c.sensor);
    page->TemperaturalarmUeberObjekt = c.alarm ? T_DB_EnumDataBasis::Ja : T_DB_EnumDataBasis::Nein;
    Build(false);
    EXPECT_EQ(RowTags(), c.tags);
    // The first row shown carries the flag of the build, the others true.
    std::vector<bool> flags(c.tags.size(), true);
    flags.front() = false;
    EXPECT_EQ(RowFlags(), flags);
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, ReglerMessungRows,
    ::testing::Values(RowCase{0, 0, false, {0, 2, 5, 6, 7}}, RowCase{0, 0, true, {0, 2, 5, 6, 7, 8, 9}},
                      RowCase{0, 1, false, {0, 3, 4, 5, 6, 7}}, RowCase{0, 2, false, {0, 1, 2, 3, 4, 5, 6, 7}},
                      RowCase{0, 2, true, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}, RowCase{1, 0, false, {2, 3, 4, 5, 6, 7}},
                      RowCase{1, 1, true, {2, 3, 4, 5, 6, 7, 8, 9}}, RowCase{1, 2, false, {2, 3, 4, 5, 6, 7}}));

TEST_F(ReglerMessung, SensorChoiceOffersThreeSensorsAndTheWeightingStartsAtHalfAndHalf)
{
    page->TemperaturErfassung = 2;
    Build();
    EXPECT_THAT(ChoiceValues(B::tagTemperaturErfassung), ElementsAre(0, 1, 2));
    EXPECT_EQ(ValueCell(B::tagTemperaturErfassung).Choices[1].Caption, "Externer F\xFChler");
    EXPECT_EQ(ValueCell(B::tagMesswertbildung).Text, "50% zu 50%");
}

TEST_F(ReglerMessung, ChoosingTheExternalSensorSwitchesItsObjectAndRows)
{
    Choose(B::tagTemperaturErfassung, 1);
    const std::string cell = "1," + std::to_string(Row(B::tagTemperaturErfassung));
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT8:3010=1/1", "store", "post ABGLEICH " + cell, "post ALL " + cell));
    EXPECT_EQ(StoredRecord()->Param3, 1);
    Build();
    EXPECT_EQ(RowTags(), (std::vector<int>{0, 3, 4, 5, 6, 7}));

    Choose(B::tagTemperaturErfassung, 0);
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT8:3010=0/1", "store", "post ABGLEICH " + cell, "post ALL " + cell));
}

TEST_F(ReglerMessung, ARefusedSensorObjectPutsTheOldChoiceBack)
{
    Device().AnswerAddObject(0);
    Choose(B::tagTemperaturErfassung, 2);
    const std::string cell = "1," + std::to_string(Row(B::tagTemperaturErfassung));
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT8:3010=1/1", "post ALL " + cell));
    EXPECT_EQ(page->TemperaturErfassung, 0);
}

TEST_F(ReglerMessung, TwoCircuitsUseTheExternalSensorWhateverTheChoice)
{
    SetController(1, 1);
    ASSERT_TRUE(page->CreateObjects());
    EXPECT_EQ(ObjectValues().at(B::ObjektExternerTempFuehler), 1);
}

TEST_F(ReglerMessung, TheDeviceUpdateFallsBackToTheInternalSensor)
{
    page->TemperaturErfassung = 1;
    ASSERT_TRUE(page->ModifyValueTemperaturErfassung(true));
    EXPECT_EQ(page->TemperaturErfassung, 0);
    ASSERT_TRUE(page->ModifyValueExternerTempFuehler(true));
    EXPECT_THAT(Trace(), ElementsAre("UDT8:3010=0/1"));
}

TEST_F(ReglerMessung, WithoutControllerTheGridIsEmptyAndNoSensorObjectIsSwitchedOn)
{
    LoseController();
    Build(false, 1, 0);
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_FALSE(page->ModifyExternerTempFuehlerObjekt(false, false));
    EXPECT_TRUE(page->ModifyExternerTempFuehlerObjekt(true, false)) << "removing needs no controller";
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT8:3010=0/0"));
}

TEST_F(ReglerMessung, AParentThatIsNoControllerCountsAsNone)
{
    // Damaged data: the page's parent handle names an object of another type.
    LoseController();
    TReglerFunktionalitaet other(window.Handle(), System, 1, "Andere", controller->GetHandle());
    Device().Register(&other);
    Build();
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_FALSE(page->CreateObjects());
    std::string message;
    TDatenStruktur target;
    const auto table = RecordTable({});
    EXPECT_EQ(page->WriteGlobalParameter(table.get(), &target, message), -9);
    Device().Unregister(other.GetHandle());
}

TEST_F(ReglerMessung, TheControllerIsAskedOnEveryUse)
{
    Build();
    Build();
    page->CreateObjects();
    EXPECT_EQ(window.Received(WM_USER_GETDATAPOINTER).size(), 3u);
}

// Global parameters into another device: its records as the wizard hands them over.
class ReglerMessungGlobal : public PageGlobalFixture<Regler> {
protected:
    ReglerMessungGlobal()
    {
        target.Param10 = 300;
        target.Param11 = 350;
    }
};

TEST_F(ReglerMessungGlobal, WritesTheMarkedParametersIntoATargetOfTheSameStructure)
{
    page->AbgleichExternerFuehler = -7;
    page->ZyklischesSenden = 60;
    std::string message = "alt";
    EXPECT_EQ(Copy({3, 6}, message), 4);
    EXPECT_EQ(message, "");
    EXPECT_EQ(target.Param6, -7);
    EXPECT_EQ(target.Param9, 60);
    EXPECT_EQ(target.Param8, 0) << "unmarked";
}

TEST_F(ReglerMessungGlobal, LeavesATargetWithOtherCircuitsOrTypeAlone)
{
    const std::tuple<int, int, const char*> cases[] = {
        {1, 0, "Regelkreise: 1 Regelkreis (im Ger\xE4t: 2 Regelkreise)"},
        {0, 2, "Betriebsart: Heizen (im Ger\xE4t: Heizen und K\xFChlen)"}};
    for (const auto& [circuits, mode, difference] : cases) {
        targetController.Param15 = circuits;
        targetController.Param4 = mode;
        std::string message = "alt";
        EXPECT_EQ(Copy({3}, message), 0);
        EXPECT_EQ(message, difference) << "the setting that differs";
        EXPECT_EQ(target.Param6, 0);
    }
}

TEST_F(ReglerMessungGlobal, AnswersMinus9WithoutTheTargetsControllerRecord)
{
    targetController.Typ = 6580;
    std::string message;
    EXPECT_EQ(Copy({3}, message), -9);
    LoseController();
    targetController.Typ = static_cast<std::int16_t>(TReglerFunktion::Typ);
    EXPECT_EQ(Copy({3}, message), -9);
}

// A copy of the alarm limits keeps the target's lower limit below its upper one: (marked tags,
// the page's limits, the target's limits in tenths, answer, the target's limits afterwards,
// message).
struct LimitCopyCase {
    const char* name;
    std::vector<int> marked;
    double lower, upper;
    std::int32_t targetLower, targetUpper;
    int answer;
    std::int32_t lowerAfter, upperAfter;
    const char* message;
};

class LimitCopy : public ReglerMessungGlobal, public ::testing::WithParamInterface<LimitCopyCase> {};

TEST_P(LimitCopy, KeepsLowerBelowUpper)
{
    const LimitCopyCase& c = GetParam();
    page->UntererTemperaturwert = c.lower;
    page->ObererTemperaturwert = c.upper;
    page->AbgleichExternerFuehler = -7;
    target.Param10 = c.targetLower;
    target.Param11 = c.targetUpper;
    for (const int tag : c.marked)
        page->SetGlobalParameterValue(tag, gpvAendern);
    page->SetGlobalParameterValue(B::tagAbgleichExternerFuehler, gpvAendern);
    std::string message = "alt";
    const auto table = RecordTable({targetController, target});
    EXPECT_EQ(page->WriteGlobalParameter(table.get(), &target, message), c.answer);
    EXPECT_EQ(target.Param10, c.lowerAfter);
    EXPECT_EQ(target.Param11, c.upperAfter);
    EXPECT_EQ(target.Param6, c.answer == 4 ? -7 : 0) << "nothing is written when the pair is refused";
    EXPECT_EQ(message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, LimitCopy,
    ::testing::Values(
        LimitCopyCase{"LowerAloneAboveTheTargetsUpper", {B::tagUntererTemperaturwert}, 34.0, 38.0, 70, 300, -9, 70, 300,
                      "Unterer Temperaturwert 34,0 nicht unter oberem 30,0: nicht \xFC""bernommen"},
        LimitCopyCase{"LowerAloneEqualToTheTargetsUpper", {B::tagUntererTemperaturwert}, 30.0, 38.0, 70, 300, -9, 70,
                      300, "Unterer Temperaturwert 30,0 nicht unter oberem 30,0: nicht \xFC""bernommen"},
        LimitCopyCase{"UpperAloneBelowTheTargetsLower", {B::tagObererTemperaturwert}, 7.0, 12.5, 150, 350, -9, 150, 350,
                      "Unterer Temperaturwert 15,0 nicht unter oberem 12,5: nicht \xFC""bernommen"},
        LimitCopyCase{"LowerAloneBelowTheTargetsUpper", {B::tagUntererTemperaturwert}, 29.9, 38.0, 70, 300, 4, 299,
                      300, ""},
        LimitCopyCase{"BothTogether", {B::tagUntererTemperaturwert, B::tagObererTemperaturwert}, 34.0, 38.0, 70, 300,
                      4, 340, 380, ""},
        LimitCopyCase{"NoLimitMarked", {}, 34.0, 38.0, 350, 300, 4, 350, 300, ""}),
    [](const auto& info) { return std::string(info.param.name); });

using NebenstelleGlobal = PageGlobalFixture<Nebenstelle>;

TEST_F(NebenstelleGlobal, TheExtensionUnitRefusesTheSamePair)
{
    page->UntererTemperaturwert = 34.0;
    target.Param10 = 70;
    target.Param11 = 300;
    std::string message;
    EXPECT_EQ(Copy({B::tagUntererTemperaturwert}, message), -9);
    EXPECT_EQ(target.Param10, 70);
    EXPECT_EQ(message, "Unterer Temperaturwert 34,0 nicht unter oberem 30,0: nicht \xFC""bernommen");
}

// ---- the extension unit's measurement ----

using NebenstellenMessung = PageFixture<Nebenstelle>;

TEST_F(NebenstellenMessung, OffersInternalAndBothSensorsOnly)
{
    Build(false);
    EXPECT_EQ(RowTags(), (std::vector<int>{0, 2, 5, 6, 7}));
    ASSERT_EQ(ValueCell(B::tagTemperaturErfassung).Choices.size(), 2u);
    EXPECT_EQ(ValueCell(B::tagTemperaturErfassung).Choices[0].Caption, "Interner F\xFChler");
    EXPECT_EQ(ValueCell(B::tagTemperaturErfassung).Choices[1].Caption, "Interner und externer F\xFChler");
    EXPECT_THAT(ChoiceValues(B::tagTemperaturErfassung), ElementsAre(0, 2));
    EXPECT_EQ(RowFlags(), (std::vector<bool>{false, true, true, true, true}));
}

TEST_F(NebenstellenMessung, BothSensorsSwitchTheExternalSensorAndItsRows)
{
    Choose(B::tagTemperaturErfassung, 2);
    EXPECT_EQ(ObjectValues().at(B::ObjektExternerTempFuehler), 1);
    Build();
    EXPECT_EQ(RowTags(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    Choose(B::tagTemperaturErfassung, 0);
    EXPECT_EQ(ObjectValues().at(B::ObjektExternerTempFuehler), 0);
    Build();
    EXPECT_EQ(RowTags(), (std::vector<int>{0, 2, 5, 6, 7}));
}

TEST_F(NebenstellenMessung, AStoredExternalSensorStillWorks)
{
    TDatenStruktur record = WriteRecord();
    record.Param3 = 1;
    page->InitFromDB(record);
    Build();
    EXPECT_EQ(RowTags(), (std::vector<int>{0, 3, 4, 5, 6, 7}));
    ASSERT_TRUE(page->CreateObjects());
    EXPECT_EQ(ObjectValues().at(B::ObjektExternerTempFuehler), 1);
}

TEST_F(NebenstellenMessung, NeverAsksItsParent)
{
    LoseController();
    Build(false, 1, 0);
    EXPECT_EQ(grid.GetRowCount(), 5);
    EXPECT_TRUE(page->CreateObjects());
    std::string message;
    TDatenStruktur target;
    target.Typ = static_cast<std::int16_t>(Nebenstelle::Typ);
    const auto table = RecordTable({target});
    page->SetGlobalParameterValue(B::tagAbgleichInternerFuehler, gpvAendern);
    EXPECT_EQ(page->WriteGlobalParameter(table.get(), &target, message), 4);
    EXPECT_TRUE(window.Received(WM_USER_GETDATAPOINTER).empty());
}

} // namespace
} // namespace climatest
