#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/keyplan/TsTaste.h"
#include "tests/product/support/ManagerFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace managertest {
namespace {

using T = TTalvoSystem;

struct SwitchOff {
    const char* Name;
    int Tag;          // of the function's switch in the system object's grid
    int KeyFunction;  // a key function that operates it
    int FunctionTyp;  // the function's object
};

void PrintTo(const SwitchOff& c, std::ostream* os)
{
    *os << c.Name;
}

// A function switched off in the system object's grid: the keys that operate it become keys
// without function in the same step, after the question at the switch.
class KeysFollowASwitchOff : public ManagerTest, public ::testing::WithParamInterface<SwitchOff> {
protected:
    // Key sensor and the function on, key 1 operating the function.
    void Prepare()
    {
        const SwitchOff& c = GetParam();
        MakeSwitchSystem(true, false, false, false, false, false);
        ASSERT_EQ(BuildFunction(), 1);
        ASSERT_TRUE(Switch(c.Tag, true));
        Choose(*Key(1), TTsTaste::tagFunktion, c.KeyFunction);
        ASSERT_EQ(Key(1)->GetFunktionsTyp(), c.KeyFunction);
        ASSERT_TRUE(ui_.boxes().empty());
    }

    // The stored key of that number, whatever the device's system object is.
    TTsTaste* StoredKey(int number)
    {
        for (TDataBasis* object : All(DT_TS_TASTE))
            if (auto* key = dynamic_cast<TTsTaste*>(object); key && key->GetTastenNummer() == number)
                return key;
        return nullptr;
    }
};

TEST_P(KeysFollowASwitchOff, TheKeysBecomeKeysWithoutFunctionAtTheSwitchAndStaySoWhenReopened)
{
    const SwitchOff& c = GetParam();
    Prepare();
    ui_.Answer({platform::IDYES});

    ASSERT_TRUE(Switch(c.Tag, false));

    ASSERT_EQ(ui_.boxes().size(), 1u) << "the question comes at the switch";
    EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9185);
    EXPECT_TRUE(All(c.FunctionTyp).empty());
    EXPECT_EQ(Key(1)->GetFunktionsTyp(), DT_TASTEN_FUNKTION_KEINE_FKT);
    EXPECT_EQ(device_->GetDatenSatz(Key(1))->Param3, DT_TASTEN_FUNKTION_KEINE_FKT);
    EXPECT_EQ(Children(Key(1), DT_TASTEN_FUNKTION_KEINE_FKT).size(), 1u);
    EXPECT_TRUE(Children(Key(1), c.KeyFunction).empty());
    EXPECT_TRUE(EtsObjects(Key(1)).empty()) << "a key without function has no objects";
    EXPECT_EQ(ParameterValue(100), 0);
    EXPECT_EQ(Key(2)->GetFunktionsTyp(), DT_TASTEN_FUNKTION_SCHALTEN) << "the other keys stay";
    EXPECT_TRUE(device_->CheckTastenWippenFkt(true));
    EXPECT_EQ(ui_.boxes().size(), 1u) << "nothing is left to ask later";

    ASSERT_TRUE(device_->WriteBlob());
    NewDevice();
    sys_ = nullptr;
    ASSERT_TRUE(device_->GetDataFromServer(Window(), false));
    TTsTaste* key = StoredKey(1);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->GetFunktionsTyp(), DT_TASTEN_FUNKTION_KEINE_FKT);
    EXPECT_EQ(device_->GetDatenSatz(key)->Param3, DT_TASTEN_FUNKTION_KEINE_FKT);
    EXPECT_EQ(Children(key, DT_TASTEN_FUNKTION_KEINE_FKT).size(), 1u);
    EXPECT_TRUE(All(c.KeyFunction).empty());
    EXPECT_TRUE(All(c.FunctionTyp).empty());
}

TEST_P(KeysFollowASwitchOff, NoToTheQuestionKeepsTheFunctionAndTheKeys)
{
    const SwitchOff& c = GetParam();
    Prepare();
    const std::vector<std::string> objects = Objects();
    const std::vector<std::string> records = Records();
    ui_.Answer({platform::IDNO});

    EXPECT_FALSE(Switch(c.Tag, false));

    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9185);
    EXPECT_EQ(Objects(), objects);
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(Key(1)->GetFunktionsTyp(), c.KeyFunction);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, KeysFollowASwitchOff,
    ::testing::Values(SwitchOff{"Controller", T::tagReglerFunktion, DT_TASTEN_FUNKTION_REGLER_BEDIENUNG,
                                DT_REGLER_FUNKTION},
                      SwitchOff{"ExtensionUnit", T::tagReglernebenstellenFunktion,
                                DT_TASTEN_FUNKTION_REGLERNEBENSTELLE, DT_REGLERNEBENSTELLEN_FUNKTION},
                      SwitchOff{"TimeSwitch", T::tagSchaltuhr1, DT_TASTEN_FUNKTION_SCHALTUHR_BEDIENUNG,
                                DT_SCHALTUHR}),
    [](const auto& info) { return std::string(info.param.Name); });

// A key that operates the controller with a linked object: one more question, about the links,
// before anything changes; No there changes nothing either.
TEST_F(ManagerTest, ControllerOffWithALinkedKeyObjectAsksOnceForAllLinks)
{
    MakeSwitchSystem(true, false, false, false, false, false);
    ASSERT_EQ(BuildFunction(), 1);
    ASSERT_TRUE(Switch(T::tagReglerFunktion, true));
    Choose(*Key(1), TTsTaste::tagFunktion, DT_TASTEN_FUNKTION_REGLER_BEDIENUNG);
    TEtsObjekt* object = EtsObjects(Key(1)).front();
    const std::int32_t sub = SubGroup(1, 0, 4);
    Link(object, sub);
    const auto objectId = object->GetDeviceObjectId(); // the object goes with the function
    const std::vector<std::string> objects = Objects();
    const std::vector<std::string> records = Records();
    ui_.Answer({platform::IDYES, platform::IDNO});

    EXPECT_FALSE(Switch(T::tagReglerFunktion, false));

    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9185);
    EXPECT_EQ(ui_.boxes()[1].text, Spredit::Text9044);
    EXPECT_EQ(Objects(), objects);
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(ProjectLinks(objectId, sub), 1);

    ui_.Answer({platform::IDYES, platform::IDYES});
    ASSERT_TRUE(Switch(T::tagReglerFunktion, false));
    EXPECT_EQ(ui_.boxes().size(), 4u) << "one question of each kind";
    EXPECT_EQ(Key(1)->GetFunktionsTyp(), DT_TASTEN_FUNKTION_KEINE_FKT);
    EXPECT_TRUE(All(DT_REGLER_FUNKTION).empty());
    EXPECT_EQ(ProjectLinks(objectId), 0);
}

} // namespace
} // namespace managertest
