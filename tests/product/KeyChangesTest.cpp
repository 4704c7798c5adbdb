#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/RequestRecords.h"
#include "tests/product/support/KeySensorFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keysensortest {
namespace {

const std::vector<std::string> AllKeys = {"Taste 1@1", "Taste 2@2", "Taste 3@3", "Taste 4@4",  "Taste 5@5",
                                          "Taste 6@6", "Taste 7@7", "Taste 8@8", "Taste 9@9", "Taste 10@10"};

// --- Pairs between two keys and a rocker ---

struct PairChange {
    const char* Name;
    std::array<std::uint8_t, 5> From;
    int Pair;
    std::uint8_t To;
    int LinkedDisplayOrder; // 0: nothing linked
    int Answer;             // to the question, when it comes
    std::uint8_t Result;
    std::vector<std::string> Layout;
};

void PrintTo(const PairChange& c, std::ostream* os)
{
    *os << c.Name;
}

class PairChanges : public KeySensorTest, public ::testing::WithParamInterface<PairChange> {
protected:
    // The communication object of that display order below the key-sensor function.
    TEtsObjekt* ObjectAt(int displayOrder)
    {
        for (const auto& [handle, object] : device_->GetDataPointerMap())
            if (auto* etsObject = dynamic_cast<TEtsObjekt*>(object);
                etsObject && etsObject->GetDisplayOrder() == displayOrder)
                return etsObject;
        return nullptr;
    }
};

TEST_P(PairChanges, AskOnceWhenALinkedObjectWouldGo)
{
    const PairChange& c = GetParam();
    MakeSystem(10);
    keyplan_.Modes = c.From;
    ASSERT_EQ(BuildFunction(), 1);
    if (c.LinkedDisplayOrder != 0)
        Link(ObjectAt(c.LinkedDisplayOrder), SubGroup(1, 0, 1));
    const std::vector<std::string> before = PairLayout();
    auto* operation = dynamic_cast<ScriptedBetaetigung*>(First(DT_TS_BETAETIGUNG));
    ASSERT_NE(operation, nullptr);
    operation->SetMode(c.Pair, c.To);
    ui_.Answer({c.Answer});
    tree_.Added.clear();
    const int brackets = tree_.Brackets;

    EXPECT_EQ(Send(operation, UDM_MODIFY_TS_BETAETIGUNG), c.Result);

    EXPECT_EQ(ui_.boxes().size(), c.LinkedDisplayOrder != 0 ? 1u : 0u);
    if (!ui_.boxes().empty()) {
        EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9044);
        EXPECT_EQ(ui_.boxes()[0].caption, Spredit::Text9043);
    }
    EXPECT_EQ(PairLayout(), c.Result ? c.Layout : before);
    EXPECT_EQ(tree_.Brackets, brackets + 1) << "one bracket around the whole change";
    EXPECT_EQ(tree_.Depth, 0);
    for (const TreeWindow::Addition& added : tree_.Added)
        EXPECT_GE(added.Depth, 1);
}

const std::array<std::uint8_t, 5> Keys5{1, 1, 1, 1, 1};
const std::array<std::uint8_t, 5> Rocker1{2, 1, 1, 1, 1};
const std::vector<std::string> Pair2Rocker = {"Taste 1@1", "Taste 2@2", "Wippe 2@3+Status Wippe", "Taste 5@5",
                                              "Taste 6@6", "Taste 7@7", "Taste 8@8", "Taste 9@9", "Taste 10@10"};
const std::vector<std::string> Pair2None = {"Taste 1@1", "Taste 2@2", "Taste 5@5", "Taste 6@6",
                                            "Taste 7@7", "Taste 8@8", "Taste 9@9", "Taste 10@10"};

INSTANTIATE_TEST_SUITE_P(
    Table, PairChanges,
    ::testing::Values(PairChange{"KeysToRocker", Keys5, 2, 2, 0, platform::IDNO, 1, Pair2Rocker},
                      PairChange{"KeysToRockerLinkedNo", Keys5, 2, 2, 300, platform::IDNO, 0, {}},
                      PairChange{"KeysToRockerLinkedYes", Keys5, 2, 2, 300, platform::IDYES, 1, Pair2Rocker},
                      PairChange{"RockerToKeys", Rocker1, 1, 1, 0, platform::IDNO, 1, AllKeys},
                      PairChange{"RockerToKeysLinkedNo", Rocker1, 1, 1, 2100, platform::IDNO, 0, {}},
                      PairChange{"RockerToKeysStatusLinkedNo", Rocker1, 1, 1, 1700, platform::IDNO, 0, {}},
                      PairChange{"RockerToKeysStatusLinkedYes", Rocker1, 1, 1, 1700, platform::IDYES, 1, AllKeys},
                      PairChange{"KeysToNeither", Keys5, 2, 0, 0, platform::IDNO, 1, Pair2None}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(KeySensorTest, ARockerMadeOfTwoKeysSwitchesTheProjectsObjects)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    auto* operation = dynamic_cast<ScriptedBetaetigung*>(First(DT_TS_BETAETIGUNG));
    ASSERT_NE(operation, nullptr);
    operation->SetMode(2, 2);
    ASSERT_EQ(Send(operation, UDM_MODIFY_TS_BETAETIGUNG), 1);
    EXPECT_EQ(ParameterValue(300), 0);
    EXPECT_EQ(ParameterValue(400), 0);
    EXPECT_EQ(ParameterValue(2200), 1);
    EXPECT_EQ(ParameterValue(1710), 1);
    EXPECT_EQ(Key(3), nullptr);
    ASSERT_NE(Rocker(2), nullptr);
    EXPECT_EQ(EtsObjects(Rocker(2)).size(), 2u);
}

TEST_F(KeySensorTest, AKeyStatusGoesWithItsKey)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    auto* key = dynamic_cast<ScriptedTaste*>(Key(3));
    ASSERT_NE(key, nullptr);
    key->SetStatusLed(TTsTaste::StatusLedUeberObjekt);
    ASSERT_EQ(Send(key, UDM_MODIFY_TASTEN_STATUS, key->GetHandle(), 1), 1);
    ASSERT_EQ(Children(key, DT_TS_TASTE_STATUS).size(), 1u);
    EXPECT_EQ(ParameterValue(4630), 1);

    auto* operation = dynamic_cast<ScriptedBetaetigung*>(First(DT_TS_BETAETIGUNG));
    operation->SetMode(2, 2);
    ASSERT_EQ(Send(operation, UDM_MODIFY_TS_BETAETIGUNG), 1);
    EXPECT_EQ(ParameterValue(4630), 0);
    EXPECT_EQ(Key(3), nullptr);
    for (const auto& [handle, object] : device_->GetDataPointerMap())
        EXPECT_NE(object->GetTyp(), DT_TS_TASTE_STATUS);
}

TEST_F(KeySensorTest, DeletingAPairWithEqualOrBadNumbersDoesNothing)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    Link(EtsObjects(Key(1)).front(), SubGroup(1, 0, 1));
    TDataBasis* operation = First(DT_TS_BETAETIGUNG);
    EXPECT_EQ(device_->DeleteTastenPaar(operation, 1, true, 1), 0);
    EXPECT_EQ(device_->DeleteTastenPaar(operation, 0, true, 2), 0);
    EXPECT_EQ(device_->DeleteTastenPaar(nullptr, 1, true, 2), 0);
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(PairLayout(), AllKeys);
}

// --- The key-sensor flag of the system object ---

TEST_F(KeySensorTest, OnlyTheKeySensorFlagOnAndTheFunctionThereAnswersFalse)
{
    MakeSystem(10).SetFunctions(true, false, false, false, false, false);
    ASSERT_EQ(BuildFunction(), 1);
    const std::size_t objects = device_->GetDataPointerMap().size();
    EXPECT_EQ(Send(system_, UDM_MODIFY_TASTSENSOR_FUNKTION), 0);
    EXPECT_EQ(device_->GetDataPointerMap().size(), objects);

    system_->SetFunctions(true, true, false, false, false, false);
    EXPECT_EQ(Send(system_, UDM_MODIFY_TASTSENSOR_FUNKTION), 1) << "the controller needs it too";
    EXPECT_EQ(device_->GetDataPointerMap().size(), objects);
}

TEST_F(KeySensorTest, AFlagSwitchedOnCreatesTheFunctionWithNodes)
{
    MakeSystem(10).SetFunctions(false, false, false, true, false, false);
    EXPECT_EQ(Send(system_, UDM_MODIFY_TASTSENSOR_FUNKTION), 1);
    EXPECT_NE(First(DT_TASTSENSOR_FUNKTION), nullptr);
    EXPECT_FALSE(tree_.Added.empty());
    EXPECT_EQ(tree_.Added.front().Parent, system_);
}

TEST_F(KeySensorTest, AllFlagsOffWithoutObjectsDeletesTheFunctionWithoutAQuestion)
{
    MakeSystem(10).SetFunctions(false, true, false, false, false, false);
    ASSERT_EQ(BuildFunction(), 1);
    system_->SetFunctions(false, false, false, false, false, false);
    tree_.OnDelete = [this](TDataBasis* object) {
        EXPECT_EQ(device_->FindHandle(object->GetHandle()), object) << "the node goes before the object";
    };

    EXPECT_EQ(Send(system_, UDM_MODIFY_TASTSENSOR_FUNKTION), 1);

    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(First(DT_TASTSENSOR_FUNKTION), nullptr);
    for (const auto& [handle, object] : device_->GetDataPointerMap())
        EXPECT_TRUE(object == system_) << object->GetName(false);
    EXPECT_EQ(device_->FindChild(system_, DT_TASTSENSOR_FUNKTION), nullptr);
}

TEST_F(KeySensorTest, AllFlagsOffWithALinkedObjectAsksAndNoKeepsEverything)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    Link(EtsObjects(Key(4)).front(), SubGroup(1, 0, 1));
    system_->SetFunctions(false, false, false, false, false, false);
    const std::size_t objects = device_->GetDataPointerMap().size();
    ui_.Answer({platform::IDNO});

    EXPECT_EQ(Send(system_, UDM_MODIFY_TASTSENSOR_FUNKTION), 0);
    EXPECT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(device_->GetDataPointerMap().size(), objects);

    ui_.Answer({platform::IDYES});
    EXPECT_EQ(Send(system_, UDM_MODIFY_TASTSENSOR_FUNKTION), 1);
    EXPECT_EQ(First(DT_TASTSENSOR_FUNKTION), nullptr);
    EXPECT_EQ(ParameterValue(400), 0) << "the key's objects are gone from the project";
}

// --- The status LED of a key ---

TEST_F(KeySensorTest, TheStatusLedCreatesTheKeyStatusOnceAndDeletesIt)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    auto* key = dynamic_cast<ScriptedTaste*>(Key(2));
    ASSERT_NE(key, nullptr);
    key->SetStatusLed(TTsTaste::StatusLedUeberObjekt);
    ASSERT_EQ(Send(key, UDM_MODIFY_TASTEN_STATUS, key->GetHandle(), 1), 1);
    const std::vector<TDataBasis*> states = Children(key, DT_TS_TASTE_STATUS);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(states[0]->GetName(false), "Status Taste");
    EXPECT_EQ(states[0]->GetPosId(), 1);
    EXPECT_EQ(ParameterValue(4620), 1);
    const std::size_t objects = device_->GetDataPointerMap().size();

    EXPECT_EQ(Send(key, UDM_MODIFY_TASTEN_STATUS, key->GetHandle(), 1), 1);
    EXPECT_EQ(device_->GetDataPointerMap().size(), objects) << "nothing new";

    tagWmUserDevice answer;
    EXPECT_EQ(Send(key, UDM_GET_TS_TASTE_STATUS, 0, 0, nullptr, &answer), 1);
    EXPECT_EQ(answer.Result, states[0]);

    Link(EtsObjects(states[0]).front(), SubGroup(1, 0, 4));
    key->SetStatusLed(0);
    ui_.Answer({platform::IDNO});
    EXPECT_EQ(Send(key, UDM_MODIFY_TASTEN_STATUS, key->GetHandle(), 1), 0);
    EXPECT_EQ(Children(key, DT_TS_TASTE_STATUS).size(), 1u);
    ui_.Answer({platform::IDYES});
    EXPECT_EQ(Send(key, UDM_MODIFY_TASTEN_STATUS, key->GetHandle(), 1), 1);
    EXPECT_TRUE(Children(key, DT_TS_TASTE_STATUS).empty());
    EXPECT_EQ(ParameterValue(4620), 0);
    EXPECT_EQ(ui_.boxes().size(), 2u);
}

TEST_F(KeySensorTest, TheStatusLedOfAHandleThatIsNoKeyDoesNothing)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    const std::size_t objects = device_->GetDataPointerMap().size();
    EXPECT_EQ(Send(Key(1), UDM_MODIFY_TASTEN_STATUS, First(DT_TS_SPERRVERHALTEN)->GetHandle(), 1), 1);
    EXPECT_EQ(device_->GetDataPointerMap().size(), objects);
    EXPECT_TRUE(device_->DeleteTsTasteStatus(Key(1), true)) << "no status object: nothing to do";
}

// --- The functions of keys and rockers follow the device ---

TEST_F(KeySensorTest, CheckWithoutKeyOperationAsksNothing)
{
    MakeSystem(10);
    EXPECT_TRUE(device_->CheckTastenWippenFkt(true));
    EXPECT_TRUE(device_->CheckTastenWippenFktValues(true));
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(KeySensorTest, CheckWithNothingToChangeStillAppliesEveryKey)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    keyplan_.Calls.clear();
    const int brackets = tree_.Brackets;
    EXPECT_TRUE(device_->CheckTastenWippenFkt(true));
    EXPECT_TRUE(ui_.boxes().empty());
    std::vector<std::int32_t> applied;
    for (const CheckCall& call : keyplan_.Calls)
        if (call.Apply)
            applied.push_back(call.Number);
    EXPECT_EQ(applied, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(tree_.Brackets, brackets + 1);
}

TEST_F(KeySensorTest, CheckRefusedChangesNothing)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    keyplan_.Checks[3] = {true, true};
    keyplan_.Calls.clear();
    ui_.Answer({platform::IDNO});
    EXPECT_FALSE(device_->CheckTastenWippenFkt(true));
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9185);
    EXPECT_EQ(ui_.boxes()[0].caption, Spredit::Text9043);
    EXPECT_EQ(ui_.boxes()[0].style, platform::MB_YESNO | platform::MB_ICONQUESTION);
    ASSERT_EQ(keyplan_.Calls.size(), 3u) << "the first key that needs a change ends the look";
    for (const CheckCall& call : keyplan_.Calls)
        EXPECT_FALSE(call.Apply);
}

TEST_F(KeySensorTest, CheckAcceptedAppliesUntilTheFirstFailure)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    keyplan_.Checks[2] = {true, true};
    ui_.Answer({platform::IDYES});
    EXPECT_TRUE(device_->CheckTastenWippenFkt(true));

    keyplan_.Checks[5] = {false, false};
    keyplan_.Calls.clear();
    EXPECT_FALSE(device_->CheckTastenWippenFkt(false));
    EXPECT_EQ(ui_.boxes().size(), 1u) << "asked only the first time";
    ASSERT_EQ(keyplan_.Calls.size(), 5u);
    EXPECT_EQ(keyplan_.Calls.back().Number, 5);
    EXPECT_TRUE(keyplan_.Calls.back().Apply);
}

TEST_F(KeySensorTest, AFunctionTheDeviceLacksBecomesNoFunction)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    // A key made to need the controller, which the device does not have.
    auto* key = Key(1);
    TDatenStruktur record = *device_->GetDatenSatz(key);
    record.Param3 = DT_TASTEN_FUNKTION_REGLER_BEDIENUNG;
    key->InitFromDB(record);
    ui_.Answer({platform::IDYES});
    EXPECT_TRUE(device_->ModifyTastenWippenFunktion(true));
    EXPECT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(Key(1)->GetFunktionsTyp(), DT_TASTEN_FUNKTION_KEINE_FKT);
}

} // namespace
} // namespace keysensortest
