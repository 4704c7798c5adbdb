#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "tests/product/support/KeySensorFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keysensortest {
namespace {

struct PairCase {
    const char* Name;
    int Keys;
    std::array<std::uint8_t, 5> Modes;
    std::uint8_t Result;
    bool Sperrverhalten;
    bool Betaetigung;
    std::vector<std::string> Layout;
};

void PrintTo(const PairCase& c, std::ostream* os)
{
    *os << c.Name;
}

class KeyPairs : public KeySensorTest, public ::testing::WithParamInterface<PairCase> {};

TEST_P(KeyPairs, BuildTheKeysAndRockersOfTheirModes)
{
    const PairCase& c = GetParam();
    MakeSystem(c.Keys);
    keyplan_.Modes = c.Modes;

    EXPECT_EQ(BuildFunction(), c.Result);

    TDataBasis* function = First(DT_TASTSENSOR_FUNKTION);
    ASSERT_NE(function, nullptr) << "the function stays whatever failed after it";
    EXPECT_EQ(function->GetName(false), "Tastsensor-Funktion");
    EXPECT_EQ(function->GetPosId(), 3);
    auto* sperren = dynamic_cast<TTsSperrverhalten*>(First(DT_TS_SPERRVERHALTEN));
    EXPECT_EQ(sperren != nullptr, c.Sperrverhalten);
    if (sperren) {
        EXPECT_EQ(sperren->GetName(false), "Sperren");
        EXPECT_EQ(sperren->GetAnzahlTasten(), c.Keys);
        EXPECT_EQ(sperren->GetPosId(), 1);
    }
    auto* operation = dynamic_cast<TTsBetaetigung*>(First(DT_TS_BETAETIGUNG));
    EXPECT_EQ(operation != nullptr, c.Betaetigung);
    if (operation) {
        EXPECT_EQ(operation->GetName(false), "Bedienung");
        EXPECT_EQ(operation->GetPosId(), 2);
    }
    EXPECT_EQ(PairLayout(), c.Layout);
    for (const TreeWindow::Addition& added : tree_.Added)
        EXPECT_TRUE(added.MakeVisible);
    EXPECT_TRUE(ui_.boxes().empty());
}

const std::vector<std::string> TenKeys = {"Taste 1@1", "Taste 2@2", "Taste 3@3", "Taste 4@4",  "Taste 5@5",
                                          "Taste 6@6", "Taste 7@7", "Taste 8@8", "Taste 9@9", "Taste 10@10"};

INSTANTIATE_TEST_SUITE_P(
    Table, KeyPairs,
    ::testing::Values(
        PairCase{"NoKeys", 0, {1, 1, 1, 1, 1}, 0, false, false, {}},
        PairCase{"OneKey", 1, {1, 1, 1, 1, 1}, 0, true, false, {}},
        PairCase{"TenKeys", 10, {1, 1, 1, 1, 1}, 1, true, true, TenKeys},
        PairCase{"TwelveKeysUseFivePairs", 12, {1, 1, 1, 1, 1}, 1, true, true, TenKeys},
        PairCase{"MixedPairs", 10, {1, 2, 1, 1, 2}, 1, true, true,
                 {"Taste 1@1", "Taste 2@2", "Wippe 2@3+Status Wippe", "Taste 5@5", "Taste 6@6", "Taste 7@7",
                  "Taste 8@8", "Wippe 5@9+Status Wippe"}},
        PairCase{"NoPairWithAMode", 10, {0, 3, 0, 0, 0}, 0, true, true, {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(KeySensorTest, TheKeysSwitchTheirObjectsInTheProject)
{
    MakeSystem(10);
    keyplan_.Modes = {1, 2, 1, 1, 1};
    ASSERT_EQ(BuildFunction(), 1);
    EXPECT_EQ(ParameterValue(100), 1);
    EXPECT_EQ(ParameterValue(2200), 1) << "rocker 2";
    EXPECT_EQ(ParameterValue(1710), 1) << "its status";
    EXPECT_EQ(ParameterValue(300), 0);
    ASSERT_NE(Key(1), nullptr);
    EXPECT_EQ(EtsObjects(Key(1)).size(), 2u);
    ASSERT_NE(Rocker(2), nullptr);
    EXPECT_EQ(EtsObjects(Rocker(2)).size(), 2u);
}

TEST_F(KeySensorTest, WithoutTheKeySensorSwitchedOnKeysGetNoFunction)
{
    MakeSystem(10).SetFunctions(false, true, false, false, false, false);
    ASSERT_EQ(BuildFunction(), 1);
    ASSERT_NE(Key(1), nullptr);
    EXPECT_EQ(Key(1)->GetFunktionsTyp(), DT_TASTEN_FUNKTION_KEINE_FKT);
    EXPECT_EQ(ParameterValue(100), 0);
}

TEST_F(KeySensorTest, CreatedTwiceTheFunctionIsThereAlready)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    const std::size_t objects = device_->GetDataPointerMap().size();
    const std::size_t nodes = tree_.Added.size();
    EXPECT_EQ(BuildFunction(), 2);
    EXPECT_EQ(device_->GetDataPointerMap().size(), objects);
    EXPECT_EQ(tree_.Added.size(), nodes);
}

TEST_F(KeySensorTest, AnExistingKeyIsKeptAndARockerWithStatusGetsNoSecond)
{
    MakeSystem(10);
    keyplan_.Modes = {1, 2, 1, 1, 1};
    ASSERT_EQ(BuildFunction(), 1);
    TDataBasis* operation = First(DT_TS_BETAETIGUNG);
    const std::size_t objects = device_->GetDataPointerMap().size();
    EXPECT_TRUE(device_->CreateTsTaste(Window(), operation, true, true, 3 - 2));
    EXPECT_FALSE(device_->CreateTsWippeStatus(Window(), Rocker(2), true, 2));
    EXPECT_TRUE(device_->CreateTsWippe(Window(), operation, true, true, 2));
    EXPECT_EQ(device_->GetDataPointerMap().size(), objects);
}

TEST_F(KeySensorTest, AKeyWithoutItsFunctionStaysWithoutRecordAndTheRestCopes)
{
    MakeSystem(10);
    link_.FailWrites(TCoCall::SetParameter, 0);
    EXPECT_EQ(BuildFunction(), 0);
    TTsTaste* key = Key(1);
    ASSERT_NE(key, nullptr) << "registered, and in the tree";
    EXPECT_EQ(Key(2), nullptr) << "the first failure ends the build";
    EXPECT_EQ(device_->FindChild(First(DT_TS_BETAETIGUNG), DT_TS_TASTE), nullptr) << "without a record";
    EXPECT_FALSE(tree_.Added.empty());
    EXPECT_EQ(tree_.Added.back().Object, key);

    link_.Heal();
    EXPECT_TRUE(device_->CheckTastenWippenFkt(true));
    EXPECT_TRUE(device_->WriteBlob());
    system_->SetFunctions(false, false, false, false, false, false);
    EXPECT_FALSE(device_->ModifyTastsensorFunktion(Window(), system_)) << "the key without record is not found";
    // What went before the failure stays gone; nothing is rolled back.
    EXPECT_EQ(First(DT_TS_SPERRVERHALTEN), nullptr);
    EXPECT_EQ(Key(1), key);
    EXPECT_NE(First(DT_TS_BETAETIGUNG), nullptr);
    EXPECT_NE(First(DT_TASTSENSOR_FUNKTION), nullptr);
}

TEST_F(KeySensorTest, AFunctionWithoutLockBehaviourIsNotDeleted)
{
    MakeSystem(10);
    ASSERT_EQ(BuildFunction(), 1);
    ASSERT_TRUE(device_->DeleteTsSperrverhalten(First(DT_TASTSENSOR_FUNKTION)));
    const std::size_t objects = device_->GetDataPointerMap().size();
    EXPECT_FALSE(device_->DeleteTastsensorFunktion(system_));
    EXPECT_EQ(device_->GetDataPointerMap().size(), objects);
}

} // namespace
} // namespace keysensortest
