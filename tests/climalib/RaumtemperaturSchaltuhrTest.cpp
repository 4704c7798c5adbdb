#include "climalib/RaumtemperaturSchaltuhr.h"
#include "app/Sprclimalib.h"
#include "tests/climalib/DataObjectFixture.h"
#include "tests/climalib/support/NamedCase.h"

namespace climatest {
namespace {

using climatest::PrintTo;
using S = TRaumtemperaturSchaltuhr;
using Strings = std::vector<std::string>;
using namespace T_DB_EnumRaumtemperaturSchaltuhr;

// A distinct switching time for every slot.
tagSchaltDaten TimeOfSlot(int key)
{
    return {static_cast<std::int16_t>(key % 24), static_cast<std::int16_t>(key * 2),
            static_cast<std::int16_t>(key % 10 + 1), 0, static_cast<std::int16_t>(key % 4 + 1)};
}

void ExpectSameTime(const tagSchaltDaten& actual, const tagSchaltDaten& expected, int key)
{
    EXPECT_EQ(actual.Stunde, expected.Stunde) << "slot " << key;
    EXPECT_EQ(actual.Minute, expected.Minute) << "slot " << key;
    EXPECT_EQ(actual.Wochentag, expected.Wochentag) << "slot " << key;
    EXPECT_EQ(actual.Betriebsmodus, expected.Betriebsmodus) << "slot " << key;
}

class Schaltuhr : public DataObjectFixture<S> {
protected:
    void FillAllSlots()
    {
        for (auto& [key, entry] : *object->GetPointerMapSchaltDaten())
            entry = TimeOfSlot(key);
    }
    // A restored object with that record, as the device restores one.
    std::unique_ptr<S> Restore(const TDatenStruktur& record)
    {
        auto restored = std::make_unique<S>(window.Handle(), record.System, record.Parent, record.Name, record.Handle);
        restored->InitFromDB(record);
        return restored;
    }
};

TEST_F(Schaltuhr, IdentityOfTheClass)
{
    const TDataBasis& base = *object;
    EXPECT_EQ(base.GetTyp(), 6581);
    EXPECT_EQ(base.GetIcon(), 43);
    EXPECT_EQ(base.GetQuickHelpIndexOffset(), 1040);
    EXPECT_EQ(base.ListStyle(), 1);
    EXPECT_TRUE(base.GlobalParameterEnabled());
    EXPECT_TRUE(base.IsVisible());
}

TEST_F(Schaltuhr, ANewObjectHasTwentyEightFreeSlotsAndItsDefaults)
{
    EXPECT_EQ(object->RaumtempSchaltuhrAktiv, Nein);
    EXPECT_EQ(object->SperrenUeberObjekt, Nein);
    EXPECT_EQ(object->PolaritaetSperrobjekt, 1);
    const TMapSchaltDaten& map = *object->GetPointerMapSchaltDaten();
    ASSERT_EQ(map.size(), 28u);
    EXPECT_EQ(map.begin()->first, 1);
    EXPECT_EQ(map.rbegin()->first, 28);
    for (int key = 1; key <= 28; ++key)
        EXPECT_EQ(object->GetSchaltDatenIntFromMap(key), 0) << key;
}

TEST_F(Schaltuhr, ANewObjectWritesItsSettingsAndTwoAdditionalRecordsOfFreeSlots)
{
    TDatenStruktur& record = WriteRecord();
    EXPECT_EQ(record.Typ, 6581);
    EXPECT_FALSE(record.Bool3);
    EXPECT_FALSE(record.Bool4);
    EXPECT_EQ(record.Param3, 1);
    const auto chain = Device().Chain(record);
    ASSERT_EQ(chain.size(), 2u);
    for (const TDatenStruktur* additional : chain) {
        EXPECT_EQ(additional->Parent, object->GetHandle());
        for (int k = 1; k <= 14; ++k)
            EXPECT_EQ(additional->ParamAt(k), 0) << k;
    }
}

TEST_F(Schaltuhr, TheMapNeverGainsAKeyOutsideOneToTwentyEight)
{
    EXPECT_FALSE(object->InsertSchaltDatenIntToMap(29, 5));
    EXPECT_FALSE(object->InsertSchaltDatenIntToMap(0, 5));
    EXPECT_FALSE(object->InsertSchaltDatenIntToMap(-3, 5));
    EXPECT_EQ(object->MapSchaltDaten.size(), 28u);
    EXPECT_EQ(object->MapSchaltDaten.count(29), 0u);
    EXPECT_EQ(object->MapSchaltDaten.count(0), 0u);

    EXPECT_EQ(object->GetSchaltDatenIntFromMap(0), -1);
    EXPECT_EQ(object->GetSchaltDatenIntFromMap(29), -1);
    tagSchaltDaten out{9, 9, 9, 9, 9};
    EXPECT_FALSE(object->GetSchaltDatenStructFromMap(29, out));
    EXPECT_EQ(out.Stunde, 0);
    EXPECT_EQ(out.Wochentag, 0);
    EXPECT_EQ(out.Reserve, 9) << "the fourth word is not copied";
    EXPECT_EQ(object->MapSchaltDaten.size(), 28u) << "a look-up adds nothing";
}

TEST_F(Schaltuhr, ANegativePackedValueLeavesTheSlotAsItWas)
{
    ASSERT_TRUE(object->InsertSchaltDatenIntToMap(3, 16844574));
    EXPECT_FALSE(object->InsertSchaltDatenIntToMap(3, -7));
    EXPECT_EQ(object->GetSchaltDatenIntFromMap(3), 16844574);
}

TEST_F(Schaltuhr, SlotsAreSetAndReadWithoutTouchingTheFourthWord)
{
    object->MapSchaltDaten[5].Reserve = 0x1234;
    ASSERT_TRUE(object->InsertSchaltDatenIntToMap(5, 134419968));
    EXPECT_EQ(object->MapSchaltDaten[5].Reserve, 0x1234);
    tagSchaltDaten out{};
    out.Reserve = 77;
    ASSERT_TRUE(object->GetSchaltDatenStructFromMap(5, out));
    ExpectSameTime(out, {22, 0, wtWerktage, 0, bmNacht}, 5);
    EXPECT_EQ(out.Reserve, 77);
}

TEST_F(Schaltuhr, AllTwentyEightTimesAndTheSettingsSurviveTheRecord)
{
    FillAllSlots();
    object->RaumtempSchaltuhrAktiv = Ja;
    object->SperrenUeberObjekt = Ja;
    object->PolaritaetSperrobjekt = 0;
    const TDatenStruktur record = WriteRecord();
    const auto chain = Device().Chain(record);
    ASSERT_EQ(chain.size(), 2u);
    EXPECT_EQ(chain[0]->Param1, S::SchaltDatenToInt(TimeOfSlot(1)));
    EXPECT_EQ(chain[1]->Param14, S::SchaltDatenToInt(TimeOfSlot(28)));

    const auto restored = Restore(record);
    for (int key = 1; key <= 28; ++key)
        ExpectSameTime(restored->MapSchaltDaten.at(key), TimeOfSlot(key), key);
    EXPECT_EQ(restored->MapSchaltDaten.size(), 28u);
    EXPECT_EQ(restored->RaumtempSchaltuhrAktiv, Ja);
    EXPECT_EQ(restored->SperrenUeberObjekt, Ja);
    EXPECT_EQ(restored->PolaritaetSperrobjekt, 0);

    Build();
    const auto originalRows = RowTags();
    const std::string polarity = ValueCell(S::tagPolaritaetSperrobjekt).Text;
    grid.Clear();
    restored->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(RowTags(), originalRows);
    EXPECT_EQ(ValueCell(S::tagPolaritaetSperrobjekt).Text, polarity);
}

TEST_F(Schaltuhr, EveryWriteReplacesBothAdditionalRecords)
{
    WriteRecord();
    const std::size_t afterFirst = Device().RecordCount();
    TDatenStruktur& record = WriteRecord();
    EXPECT_EQ(Device().RecordCount(), afterFirst);
    EXPECT_EQ(afterFirst, 3u);
    EXPECT_EQ(Device().Chain(record).size(), 2u);
    EXPECT_EQ(window.Received(WM_USER_DELETENEXTDATENSATZ).size(), 1u) << "the old chain goes once";
}

TEST_F(Schaltuhr, WithoutAdditionalRecordsTheMainRecordIsWrittenAndTheMapKeepsTheTimes)
{
    FillAllSlots();
    object->PolaritaetSperrobjekt = 0;
    window.SetDeviceMissing(true); // no new record to be had
    TDatenStruktur record;
    object->Write(record);
    EXPECT_EQ(record.Typ, 6581);
    EXPECT_EQ(record.Param3, 0);
    EXPECT_EQ(record.Next, 0);
    ExpectSameTime(object->MapSchaltDaten.at(28), TimeOfSlot(28), 28);
}

TEST_F(Schaltuhr, TheEditorsChangeOfTheMapIsStoredByTheNextWrite)
{
    TMapSchaltDaten& map = *object->GetPointerMapSchaltDaten();
    EXPECT_EQ(&map, &object->MapSchaltDaten);
    map.clear();
    for (int key = 1; key <= 28; ++key)
        map[key] = tagSchaltDaten{};
    map[1] = {7, 30, wtMontag, 0, bmKomfort};
    map[20] = {22, 0, wtWerktage, 0, bmNacht};
    const TDatenStruktur record = WriteRecord();
    const auto chain = Device().Chain(record);
    ASSERT_EQ(chain.size(), 2u);
    EXPECT_EQ(chain[0]->Param1, 16844574);
    EXPECT_EQ(chain[1]->Param6, 134419968);
}

class SchaltuhrReading : public Schaltuhr {
protected:
    // A stored object with every slot used: its main record and additional record 1.
    void SetUp() override
    {
        FillAllSlots();
        main = WriteRecord();
        const auto chain = Device().Chain(main);
        ASSERT_EQ(chain.size(), 2u);
        first = *chain[0];
    }
    // A handle that no record of the device has.
    static constexpr std::int32_t UnknownHandle = 4000;
    TDatenStruktur main;
    TDatenStruktur first;
};

TEST_F(SchaltuhrReading, WithoutTheSecondAdditionalRecordSlotsFifteenToTwentyEightAreFree)
{
    Device().FindRecord(System, first.Handle)->Next = UnknownHandle;
    const std::size_t records = Device().RecordCount();
    const auto restored = Restore(main);
    for (int key = 1; key <= 14; ++key)
        ExpectSameTime(restored->MapSchaltDaten.at(key), TimeOfSlot(key), key);
    for (int key = 15; key <= 28; ++key)
        EXPECT_EQ(restored->GetSchaltDatenIntFromMap(key), 0) << key;
    EXPECT_EQ(restored->MapSchaltDaten.size(), 28u);
    EXPECT_EQ(Device().RecordCount(), records) << "reading creates no record";
}

TEST_F(SchaltuhrReading, WithoutTheFirstAdditionalRecordOrAChainEverySlotIsFree)
{
    for (const std::int32_t next : {0, UnknownHandle}) {
        TDatenStruktur record = main;
        record.Next = next;
        const std::size_t records = Device().RecordCount();
        const auto restored = Restore(record);
        for (int key = 1; key <= 28; ++key)
            EXPECT_EQ(restored->GetSchaltDatenIntFromMap(key), 0) << "Next " << next << ", slot " << key;
        EXPECT_EQ(Device().RecordCount(), records) << "reading creates no record";
    }
}

TEST_F(SchaltuhrReading, ReadingEmptiesTheTimesTheObjectHad)
{
    TDatenStruktur noChain = main;
    noChain.Next = 0;
    object->InitFromDB(noChain);
    for (int key = 1; key <= 28; ++key)
        EXPECT_EQ(object->GetSchaltDatenIntFromMap(key), 0) << key;
}

TEST_F(SchaltuhrReading, ANegativeStoredValueReadsAsAFreeSlot)
{
    Device().FindRecord(System, first.Handle)->Param2 = -5;
    const auto restored = Restore(main);
    EXPECT_EQ(restored->GetSchaltDatenIntFromMap(2), 0);
    ExpectSameTime(restored->MapSchaltDaten.at(3), TimeOfSlot(3), 3);
}

// Grid rows by the settings.
struct GridCase {
    const char* name;
    T_DB_EnumDataBasis::TEnumBool aktiv;
    T_DB_EnumDataBasis::TEnumBool sperren;
    std::vector<int> tags;
};

class SchaltuhrGrid : public DataObjectFixture<S>, public ::testing::WithParamInterface<GridCase> {};

TEST_P(SchaltuhrGrid, ShowsTheRowsThatTheSettingsNeed)
{
    object->RaumtempSchaltuhrAktiv = GetParam().aktiv;
    object->SperrenUeberObjekt = GetParam().sperren;
    Build(true);
    EXPECT_EQ(RowTags(), GetParam().tags);
    EXPECT_EQ(grid.GetCell(0, 0)->Text, Sprclimalib::Text14188);
    EXPECT_TRUE(ValueCell(S::tagRaumtempSchaltuhrAktiv).Flag) << "the first row takes the flag";
    for (const int tag : GetParam().tags)
        EXPECT_EQ(ValueCell(tag).HelpNumber, 1040 + tag);
}

INSTANTIATE_TEST_SUITE_P(Settings, SchaltuhrGrid,
                         ::testing::Values(GridCase{"Inactive", Nein, Ja, {0}},
                                           GridCase{"ActiveNotLockable", Ja, Nein, {0, 1}},
                                           GridCase{"ActiveLockable", Ja, Ja, {0, 1, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Schaltuhr, RowItemsAndTheFlagOfTheFirstRow)
{
    object->RaumtempSchaltuhrAktiv = Ja;
    object->SperrenUeberObjekt = Ja;
    object->PolaritaetSperrobjekt = 0;
    Build(false);
    EXPECT_FALSE(ValueCell(S::tagRaumtempSchaltuhrAktiv).Flag);
    EXPECT_EQ(ValueCell(S::tagRaumtempSchaltuhrAktiv).Text, "Ein");
    EXPECT_TRUE(ValueCell(S::tagSperrenUeberObjekt).Flag);
    EXPECT_EQ(ValueCell(S::tagSperrenUeberObjekt).Text, "Ja");
    const TCell& polarity = ValueCell(S::tagPolaritaetSperrobjekt);
    ASSERT_EQ(polarity.Choices.size(), 2u);
    EXPECT_EQ(polarity.Choices[0].Caption, "Invertiert (Sperren = 0)");
    EXPECT_EQ(polarity.Choices[0].Value, 0);
    EXPECT_EQ(polarity.Choices[1].Caption, "Nicht invertiert (Sperren = 1)");
    EXPECT_EQ(polarity.Choices[1].Value, 1);
    EXPECT_EQ(polarity.Text, "Invertiert (Sperren = 0)");
    EXPECT_EQ(grid.GetCell(0, Row(S::tagPolaritaetSperrobjekt))->Text, "Polarit\xE4t Sperrobjekt");
    EXPECT_TRUE(DeliveredTrace().empty());
    Build(false, 1, 2);
    EXPECT_EQ(DeliveredTrace(), Strings{"post ACTIVE 1,2"});
}

// Switching the time switch on and off (row 0).
TEST_F(Schaltuhr, SwitchingOnAdaptsTheKeysThenTheLockObjectThenTellsTheDevice)
{
    object->SperrenUeberObjekt = Ja;
    Build();
    ChooseItem(S::tagRaumtempSchaltuhrAktiv, 1);
    EXPECT_EQ(object->RaumtempSchaltuhrAktiv, Ja);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDM10:0/0", "UDT8:3600=1/1", "UDM16:0/1", "store", "post ABGLEICH 1,0",
                                         "post ALL 1,0"}));
    EXPECT_TRUE(StoredRecord()->Bool3);
}

TEST_F(Schaltuhr, SwitchingOnWithoutLockSetsTheLockObjectToNone)
{
    Build();
    ChooseItem(S::tagRaumtempSchaltuhrAktiv, 1);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDM10:0/0", "UDT8:3600=0/1", "UDM16:0/1", "store", "post ABGLEICH 1,0",
                                         "post ALL 1,0"}));
}

TEST_F(Schaltuhr, RefusedKeyAdaptationPutsTheOldValueBack)
{
    Device().AnswerDeviceRequest(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION, 0);
    object->SperrenUeberObjekt = Ja;
    Build();
    ChooseItem(S::tagRaumtempSchaltuhrAktiv, 1);
    EXPECT_EQ(object->RaumtempSchaltuhrAktiv, Nein);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDM10:0/0", "post ALL 1,0"}));
    EXPECT_EQ(StoredRecord(), nullptr);
}

TEST_F(Schaltuhr, AFailedLockObjectPutsTheOldValueBackAfterTheKeysAdapted)
{
    Device().AnswerAddObject(0);
    object->SperrenUeberObjekt = Ja;
    Build();
    ChooseItem(S::tagRaumtempSchaltuhrAktiv, 1);
    EXPECT_EQ(object->RaumtempSchaltuhrAktiv, Nein);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDM10:0/0", "UDT8:3600=1/1", "post ALL 1,0"}));
}

class SchaltuhrAktiv : public Schaltuhr {
protected:
    void SetUp() override
    {
        object->RaumtempSchaltuhrAktiv = Ja;
        object->SperrenUeberObjekt = Ja;
        Build();
    }
};

TEST_F(SchaltuhrAktiv, SwitchingOffALockableSwitchAsksAboutTheLockObjectBeforeTheKeysAdapt)
{
    ChooseItem(S::tagRaumtempSchaltuhrAktiv, 0);
    EXPECT_EQ(object->RaumtempSchaltuhrAktiv, Nein);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT10:3600", "UDM10:0/0", "UDT8:3600=0/0", "UDM16:0/0", "store",
                                         "post ABGLEICH 1,0", "post ALL 1,0"}));
    EXPECT_FALSE(StoredRecord()->Bool3);
    EXPECT_TRUE(StoredRecord()->Bool4) << "the lock choice is kept";
}

TEST_F(SchaltuhrAktiv, ARefusedLockObjectQuestionLeavesTheKeysAlone)
{
    Device().AnswerDeleteAllowed(0);
    ChooseItem(S::tagRaumtempSchaltuhrAktiv, 0);
    EXPECT_EQ(object->RaumtempSchaltuhrAktiv, Ja);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT10:3600", "post ALL 1,0"}));
}

TEST_F(SchaltuhrAktiv, SwitchingOnAgainWithTheLockStillChosenCreatesTheLockObjectAgain)
{
    ChooseItem(S::tagRaumtempSchaltuhrAktiv, 0);
    window.DeliverPosted();
    window.Clear();
    Build();
    ChooseItem(S::tagRaumtempSchaltuhrAktiv, 1);
    ASSERT_FALSE(Device().TransportRequests().empty());
    EXPECT_EQ(Device().TransportRequests()[0].DisplayOrder, 3600);
    EXPECT_EQ(Device().TransportRequests()[0].Value, 1);
    EXPECT_EQ(Device().TransportRequests()[0].PositionBase, -100);
}

TEST_F(SchaltuhrAktiv, TheLockRowSwitchesTheLockObject)
{
    ChooseItem(S::tagSperrenUeberObjekt, 0);
    EXPECT_EQ(object->SperrenUeberObjekt, Nein);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3600=0/1", "store", "post ABGLEICH 1,1", "post ALL 1,1"}));

    window.Clear();
    Device().AnswerAddObject(0);
    Build();
    ChooseItem(S::tagSperrenUeberObjekt, 1);
    EXPECT_EQ(object->SperrenUeberObjekt, Nein) << "refused: the old value is back";
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3600=1/1", "post ALL 1,1"}));
}

TEST_F(SchaltuhrAktiv, ThePolarityIsStoredAndOnlyTheOtherViewsRebuilt)
{
    ChooseItem(S::tagPolaritaetSperrobjekt, 0);
    EXPECT_EQ(object->PolaritaetSperrobjekt, 0);
    EXPECT_EQ(DeliveredTrace(), (Strings{"store", "post OTHER"}));
    EXPECT_EQ(StoredRecord()->Param3, 0);

    window.Clear();
    Build();
    ChooseItem(S::tagPolaritaetSperrobjekt, 0);
    EXPECT_TRUE(DeliveredTrace().empty()) << "the same value changes nothing";
}

TEST_F(Schaltuhr, CreateAndDeleteObjectsSwitchTheLockObjectByTheSettings)
{
    EXPECT_TRUE(object->CreateObjects());
    object->RaumtempSchaltuhrAktiv = Ja;
    object->SperrenUeberObjekt = Ja;
    EXPECT_TRUE(object->CreateObjects());
    EXPECT_TRUE(object->DeleteObjects());
    EXPECT_EQ(Trace(), (Strings{"UDT8:3600=0/0", "UDT8:3600=1/0", "UDT8:3600=0/0"}));
    Device().AnswerAddObject(0);
    EXPECT_FALSE(object->CreateObjects());
}

// Copying the lock polarity into another device.
class SchaltuhrGlobal : public Schaltuhr {
protected:
    TDatenStruktur Target(bool active)
    {
        TDatenStruktur target;
        target.Handle = 900;
        target.Typ = 6581;
        target.Bool3 = active;
        target.Param3 = 1;
        return target;
    }
    TDatenManager<TDatenStruktur> table{TDatenManager<TDatenStruktur>::Records{}, nullptr};
};

TEST_F(SchaltuhrGlobal, MissingTableOrTargetAnswersMinusNine)
{
    TDatenStruktur target = Target(true);
    std::string message = "vorher";
    EXPECT_EQ(object->WriteGlobalParameter(nullptr, &target, message), -9);
    EXPECT_EQ(object->WriteGlobalParameter(&table, nullptr, message), -9);
    EXPECT_EQ(message, "vorher");
}

TEST_F(SchaltuhrGlobal, AnUnmarkedPolarityWritesNothing)
{
    object->PolaritaetSperrobjekt = 0;
    TDatenStruktur target = Target(false);
    std::string message = "vorher";
    EXPECT_EQ(object->WriteGlobalParameter(&table, &target, message), 4);
    EXPECT_EQ(message, "");
    EXPECT_EQ(target.Param3, 1);
}

TEST_F(SchaltuhrGlobal, AMarkedPolarityGoesOnlyIntoAnActiveTarget)
{
    object->PolaritaetSperrobjekt = 0;
    object->SetGlobalParameterValue(S::tagPolaritaetSperrobjekt, gpvAendern);
    TDatenStruktur active = Target(true);
    std::string message = "vorher";
    EXPECT_EQ(object->WriteGlobalParameter(&table, &active, message), 4);
    EXPECT_EQ(message, "");
    EXPECT_EQ(active.Param3, 0);

    TDatenStruktur inactive = Target(false);
    EXPECT_EQ(object->WriteGlobalParameter(&table, &inactive, message), -9);
    EXPECT_EQ(message, "Raumtemperatur-Schaltuhr nicht aktiv!");
    EXPECT_EQ(inactive.Param3, 1);
}

TEST_F(Schaltuhr, OnlyThePolarityIsAGlobalParameter)
{
    object->SetGlobalParameterMode();
    object->RaumtempSchaltuhrAktiv = Ja;
    object->SperrenUeberObjekt = Ja;
    Build();
    EXPECT_EQ(grid.GetCell(2, Row(S::tagRaumtempSchaltuhrAktiv)), nullptr);
    EXPECT_EQ(grid.GetCell(2, Row(S::tagSperrenUeberObjekt)), nullptr);
    EXPECT_NE(grid.GetCell(2, Row(S::tagPolaritaetSperrobjekt)), nullptr);
}

} // namespace
} // namespace climatest
