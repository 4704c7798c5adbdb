#include "climalib/E_DataBasis.h"
#include "climalib/ReglerFunktionalitaet.h"
#include "tests/climalib/PageFixture.h"

#include <gmock/gmock.h>

namespace climatest {
namespace {

using ::testing::ElementsAre;
using F = TReglerFunktionalitaet;
using Funktionalitaet = PageFixture<F>;

TEST_F(Funktionalitaet, NewRecordHoldsTheDefaultsAndNoObjectIsCreated)
{
    const TDatenStruktur& record = WriteRecord();
    EXPECT_EQ(record.Typ, F::Typ);
    EXPECT_EQ(record.Param3, 1);
    EXPECT_EQ(record.Param4, 0);
    EXPECT_EQ(record.Param5, 30);
    EXPECT_EQ(record.Param6, 0);
    EXPECT_EQ(record.Next, 0);
    ASSERT_TRUE(page->CreateObjects());
    EXPECT_EQ(ObjectValues(), (std::map<int, int>{{3070, 0}}));
}

TEST_F(Funktionalitaet, RecordReadsBackWithTheDurationBetweenPresenceAndItsKind)
{
    TDatenStruktur record = WriteRecord();
    record.Param3 = 4;
    record.Param4 = 1;
    record.Param5 = 90;
    record.Param6 = 1;
    F restored(window.Handle(), System, controller->GetHandle(), "", page->GetHandle());
    restored.InitFromDB(record);
    EXPECT_EQ(restored.BetriebsmodusNachReset, 4);
    EXPECT_EQ(restored.GetValueOfAnwesenheitsErfassung(), 1);
    EXPECT_EQ(restored.DauerKomfortverlaengerung, 90);
    EXPECT_EQ(restored.GetValueOfArtPraesenzErfassung(), 1);
}

struct RowCase {
    int presence;
    int kind;
    std::vector<int> tags;
};

void PrintTo(const RowCase& c, std::ostream* os)
{
    *os << "presence " << c.presence << ", kind " << c.kind;
}

class FunktionalitaetRows : public Funktionalitaet, public ::testing::WithParamInterface<RowCase> {};

TEST_P(FunktionalitaetRows, FollowThePresenceSettings)
{
    page->AnwesenheitsErfassung = static_cast<std::int8_t>(GetParam().presence);
    page->ArtPraesenzErfassung = static_cast<std::int8_t>(GetParam().kind);
    Build(false);
    EXPECT_EQ(RowTags(), GetParam().tags);
    std::vector<bool> flags(GetParam().tags.size(), true);
    flags.front() = false;
    EXPECT_EQ(RowFlags(), flags);
}

INSTANTIATE_TEST_SUITE_P(Settings, FunktionalitaetRows,
                         ::testing::Values(RowCase{0, 0, {0, 1}}, RowCase{0, 1, {0, 1}}, RowCase{1, 0, {0, 1, 2, 3}},
                                           RowCase{1, 1, {0, 1, 2}}));

TEST_F(Funktionalitaet, TheGridNeedsNoController)
{
    LoseController();
    Build();
    EXPECT_EQ(RowTags(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(window.Received(WM_USER_GETDATAPOINTER).empty());
}

TEST_F(Funktionalitaet, PresenceOverObjectAdaptsTheKeysBeforeTheObjectIsCreated)
{
    Choose(F::tagAnwesenheitsErfassung, 1);
    const std::string cell = Cell(Row(F::tagAnwesenheitsErfassung));
    EXPECT_THAT(TakeTrace(), ElementsAre("UDM12:0/0", "UDT8:3070=1/0", "store", "post ABGLEICH " + cell,
                                         "post ALL " + cell));
    EXPECT_EQ(StoredRecord()->Param4, 1);
    Build();
    EXPECT_EQ(RowTags(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(Funktionalitaet, KeysRefusedByTheUserPutThePresenceBack)
{
    Device().AnswerDeviceRequest(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION_VALUES, 0);
    Choose(F::tagAnwesenheitsErfassung, 1);
    EXPECT_THAT(TakeTrace(), ElementsAre("UDM12:0/0", "post ALL " + Cell(Row(F::tagAnwesenheitsErfassung))));
    EXPECT_EQ(page->AnwesenheitsErfassung, 0);
    EXPECT_TRUE(ObjectValues().empty()) << "no object 3070";
}

TEST_F(Funktionalitaet, AFailingObjectAfterTheKeysPutsThePresenceBack)
{
    Device().AnswerAddObject(0);
    Choose(F::tagAnwesenheitsErfassung, 1);
    EXPECT_THAT(TakeTrace(),
                ElementsAre("UDM12:0/0", "UDT8:3070=1/0", "post ALL " + Cell(Row(F::tagAnwesenheitsErfassung))));
    EXPECT_EQ(page->AnwesenheitsErfassung, 0);
}

TEST_F(Funktionalitaet, SwitchingPresenceOffAsksAboutTheObjectBeforeTheKeysAreAdapted)
{
    page->AnwesenheitsErfassung = 1;
    Choose(F::tagAnwesenheitsErfassung, 0);
    const std::string cell = Cell(Row(F::tagAnwesenheitsErfassung));
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT10:3070", "UDM12:0/0", "UDT8:3070=0/0", "store",
                                         "post ABGLEICH " + cell, "post ALL " + cell));

    page->AnwesenheitsErfassung = 1;
    Device().AnswerDeleteAllowed(0);
    Choose(F::tagAnwesenheitsErfassung, 0);
    EXPECT_THAT(TakeTrace(), ElementsAre("UDT10:3070", "post ALL " + cell)) << "the keys stay as they were";
    EXPECT_EQ(page->AnwesenheitsErfassung, 1);
}

TEST_F(Funktionalitaet, KindOfPresenceAdaptsTheKeysAndKeepsTheHiddenDuration)
{
    page->AnwesenheitsErfassung = 1;
    Choose(F::tagArtPraesenzErfassung, 1);
    const std::string cell = Cell(Row(F::tagArtPraesenzErfassung));
    EXPECT_THAT(TakeTrace(), ElementsAre("UDM12:0/0", "store", "post ALL " + cell));
    Build();
    EXPECT_EQ(RowTags(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(StoredRecord()->Param5, 30);

    Device().AnswerDeviceRequest(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION_VALUES, 0);
    Choose(F::tagArtPraesenzErfassung, 0);
    EXPECT_THAT(TakeTrace(), ElementsAre("UDM12:0/0", "post ALL " + cell));
    EXPECT_EQ(page->ArtPraesenzErfassung, 1);
}

TEST_F(Funktionalitaet, ModeAfterResetAndDurationAreStoredOnly)
{
    Choose(F::tagBetriebsmodusNachReset, 3);
    EXPECT_THAT(TakeTrace(), ElementsAre("store", "post OTHER"));
    page->AnwesenheitsErfassung = 1;
    Spin(F::tagDauerKomfortverlaengerung, 120);
    EXPECT_THAT(TakeTrace(), ElementsAre("store", "post OTHER"));
    EXPECT_EQ(StoredRecord()->Param3, 3);
    EXPECT_EQ(StoredRecord()->Param5, 120);
    Spin(F::tagDauerKomfortverlaengerung, 120);
    EXPECT_TRUE(TakeTrace().empty());
}

TEST_F(Funktionalitaet, PasteTakesAllFourSettingsAndSwitchesNothing)
{
    TDatenStruktur source;
    source.Typ = static_cast<std::int16_t>(F::Typ);
    source.Param3 = 0;
    source.Param4 = 1;
    source.Param5 = 5;
    source.Param6 = 1;
    const auto table = RecordTable({source});
    std::string message;
    EXPECT_TRUE(page->Paste(table.get(), message));
    EXPECT_EQ(page->BetriebsmodusNachReset, 0);
    EXPECT_EQ(page->AnwesenheitsErfassung, 1);
    EXPECT_EQ(page->DauerKomfortverlaengerung, 5);
    EXPECT_EQ(page->ArtPraesenzErfassung, 1);
    EXPECT_TRUE(Trace().empty());
}

TEST_F(Funktionalitaet, PasteWithoutRecordOfItsTypeThrows)
{
    const auto table = RecordTable({});
    std::string message;
    EXPECT_THROW(page->Paste(table.get(), message), E_DataBasis);
}

class FunktionalitaetGlobal : public PageGlobalFixture<F> {
protected:
    FunktionalitaetGlobal()
    {
        page->BetriebsmodusNachReset = 2;
        page->DauerKomfortverlaengerung = 45;
    }
};

TEST_F(FunktionalitaetGlobal, DeclaresModeAfterResetAndDuration)
{
    EXPECT_NE(page->GetGlobalParameter(0), nullptr);
    EXPECT_NE(page->GetGlobalParameter(3), nullptr);
    EXPECT_EQ(page->GetGlobalParameter(1), nullptr);
    EXPECT_EQ(page->GetGlobalParameter(2), nullptr);
}

TEST_F(FunktionalitaetGlobal, WritesIntoAPresenceKeyTarget)
{
    std::string message = "alt";
    EXPECT_EQ(Copy({0, 3}, message), 4);
    EXPECT_EQ(message, "");
    EXPECT_EQ(target.Param3, 2);
    EXPECT_EQ(target.Param5, 45);
}

TEST_F(FunktionalitaetGlobal, APresenceDetectorTargetKeepsItsDurationAndIsReported)
{
    target.Param6 = 1;
    std::string message;
    EXPECT_EQ(Copy({0, 3}, message), -9);
    EXPECT_EQ(message, "Art der Pr\xE4senzerfassung nicht 'Pr\xE4senztaste'!");
    EXPECT_EQ(target.Param3, 2) << "the mode after reset is written";
    EXPECT_EQ(target.Param5, 0);
}

TEST_F(FunktionalitaetGlobal, AnotherControllerStructureIsLeftAlone)
{
    targetController.Param15 = 1;
    std::string message = "alt";
    EXPECT_EQ(Copy({0, 3}, message), 0);
    EXPECT_EQ(message, "Regelkreise: 1 Regelkreis (im Ger\xE4t: 2 Regelkreise)") << "the setting that differs";
    EXPECT_EQ(target.Param3, 0);
}

TEST_F(FunktionalitaetGlobal, AnswersMinus9WithoutControllers)
{
    std::string message;
    targetController.Handle = 499;
    EXPECT_EQ(Copy({0}, message), -9);
    targetController.Handle = 500;
    LoseController();
    EXPECT_EQ(Copy({0}, message), -9);
    EXPECT_EQ(target.Param3, 0);
}

} // namespace
} // namespace climatest
