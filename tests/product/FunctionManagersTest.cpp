#include "app/Spredit.h"
#include "app/Sprscenefunc.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/clockfunc/Schaltuhr.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/remotefunc/IrFernbedienung.h"
#include "outside/scenefunc/Szene.h"
#include "outside/scenefunc/SzenenFunktion.h"
#include "tests/product/support/ManagerFixture.h"
#include "tests/support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace managertest {
namespace {

using T = TTalvoSystem;

// --- Extension unit ---

TEST_F(ManagerTest, ExtensionUnitOnTwiceAnswersZeroTheSecondTime)
{
    MakeSwitchSystem(false, false, false, false, false, false);
    ASSERT_TRUE(Switch(T::tagReglernebenstellenFunktion, true));
    TDataBasis* function = Find(DT_REGLERNEBENSTELLEN_FUNKTION);
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function->GetPosId(), 5);
    ASSERT_EQ(All(DT_REGLERNEBENSTELLEN_RAUMTEMPERATUR_MESSUNG).size(), 1u);
    EXPECT_EQ(All(DT_REGLERNEBENSTELLEN_RAUMTEMPERATUR_MESSUNG).front()->GetPosId(), 1);
    EXPECT_NE(Find(DT_TASTSENSOR_FUNKTION), nullptr);
    EXPECT_EQ(Flags(), "000000");
    const std::vector<std::string> before = Objects();
    EXPECT_EQ(Send(sys_, UDM_MODIFY_REGLERNEBENSTELLEN_FUNKTION), 0);
    EXPECT_EQ(Objects(), before);
}

TEST_F(ManagerTest, ExtensionUnitPassesCode33OnWithItsIntegerAndByte)
{
    MakeSwitchSystem(false, false, true, false, false, false);
    ASSERT_TRUE(device_->CreateReglernebenstellenFunktion(sys_, false));
    TDataBasis* function = Find(DT_REGLERNEBENSTELLEN_FUNKTION);
    std::vector<TEtsObjekt*> objects = EtsObjects(function);
    ASSERT_FALSE(objects.empty());
    TEtsObjekt* object = objects.front();
    const int number = object->GetObjectNumber();
    object->SetEnableCellFlagStatus(true);
    EXPECT_EQ(Send(function, UDM_MODIFY_ENABLE_CELL_FLAG_STATUS, number, 0), 1);
    EXPECT_FALSE(object->GetEnableCellFlagStatus());
    EXPECT_EQ(Send(function, UDM_MODIFY_ENABLE_CELL_FLAG_STATUS, number, 1), 1);
    EXPECT_TRUE(object->GetEnableCellFlagStatus());
    // From another sender the code is not the extension unit's.
    device_->Asked.clear();
    std::uint8_t recognised = 9;
    tagWmUserDevice request;
    request.Sender = sys_;
    request.Code = UDM_MODIFY_ENABLE_CELL_FLAG_STATUS;
    EXPECT_FALSE(device_->UserDeviceMessage_ReglernebenstellenFunktion(Window(), &request, recognised));
    EXPECT_EQ(recognised, 0);
}

TEST_F(ManagerTest, ExtensionUnitWithoutItsMeasurementIsKept)
{
    MakeSwitchSystem(false, false, true, false, false, false);
    ASSERT_TRUE(device_->CreateReglernebenstellenFunktion(sys_, false));
    ASSERT_TRUE(device_->DeleteReglernebenstellenRaumtemperaturMessung(Find(DT_REGLERNEBENSTELLEN_FUNKTION)));
    EXPECT_FALSE(device_->DeleteReglernebenstellenFunktion(sys_));
    EXPECT_EQ(All(DT_REGLERNEBENSTELLEN_FUNKTION).size(), 1u);
}

// --- Scenes ---

struct SceneNumbers {
    std::vector<int> InUse;
    int Next;
};

class SceneNumbering : public ManagerTest, public ::testing::WithParamInterface<SceneNumbers> {};

TEST_P(SceneNumbering, TheNextSceneTakesTheLowestFreeNumber)
{
    MakeSwitchSystem(false, false, false, true, false, false);
    ASSERT_TRUE(device_->CreateSzenenFunktion(sys_, false));
    TDataBasis* function = Find(DT_SZENEN_FUNKTION);
    ASSERT_TRUE(device_->DeleteAllChildsFromDatentyp(function, DT_SZENE, false));
    for (const int n : GetParam().InUse) {
        auto scene = std::make_unique<TSzene>(Window(), function->GetSystem(), function->GetHandle(), "S", 0);
        TDataBasis* filed = device_->EnrolNew(std::move(scene), function, n, false);
        ASSERT_NE(filed, nullptr);
    }
    int number = 0;
    EXPECT_EQ(device_->GetTreePosSzene(function, number), static_cast<int>(GetParam().InUse.size()));
    EXPECT_EQ(number, GetParam().Next);
}

INSTANTIATE_TEST_SUITE_P(Table, SceneNumbering,
                         ::testing::Values(SceneNumbers{{}, 1}, SceneNumbers{{1, 2, 4, 5}, 3}, SceneNumbers{{2, 3}, 1},
                                           SceneNumbers{{1, 2, 3}, 4}, SceneNumbers{{1, 1, 2}, 3}));

TEST_F(ManagerTest, SceneFunctionMakesEightScenesAndRefusesTheNinth)
{
    MakeSwitchSystem(false, false, false, false, false, false);
    ASSERT_TRUE(Switch(T::tagSzenenFunktion, true));
    TDataBasis* function = Find(DT_SZENEN_FUNKTION);
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function->GetPosId(), 6);
    std::vector<std::string> scenes;
    for (TDataBasis* scene : All(DT_SZENE))
        scenes.push_back(scene->GetName(false) + "@" + std::to_string(device_->GetDatenSatz(scene)->Param1));
    std::sort(scenes.begin(), scenes.end());
    EXPECT_EQ(scenes, (std::vector<std::string>{"Szene 1@1", "Szene 2@2", "Szene 3@3", "Szene 4@4", "Szene 5@5",
                                                "Szene 6@6", "Szene 7@7", "Szene 8@8"}));
    EXPECT_EQ(Flags(), "001000");
    EXPECT_NE(Find(DT_TASTSENSOR_FUNKTION), nullptr);

    const std::vector<std::string> before = Objects();
    EXPECT_EQ(Send(function, UDM_CREATE_SZENEN_INSTANZ), 0);
    EXPECT_EQ(Objects(), before);
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, Sprscenefunc::Text16015);
    EXPECT_EQ(ui_.boxes()[0].caption, Spredit::Text9017);
    EXPECT_EQ(ui_.boxes()[0].style, 0u);
}

TEST_F(ManagerTest, DeletingAllScenesPostsTwiceAndTheNextSceneIsOne)
{
    MakeSwitchSystem(false, false, false, true, false, false);
    ASSERT_TRUE(device_->CreateSzenenFunktion(sys_, false));
    TDataBasis* function = Find(DT_SZENEN_FUNKTION);
    hub_.Window().clear();
    EXPECT_EQ(Send(function, UDM_DELETE_SZENEN_INSTANZEN), 1);
    EXPECT_TRUE(All(DT_SZENE).empty());
    testsupport::DeliverPostedMessages();
    std::vector<platform::UINT> posts;
    for (const auto& message : hub_.Window().messages())
        if (message.message == WM_USER_ABGLEICHFORMVERW || message.message == WM_USER_UPDATETREENAMES)
            posts.push_back(message.message);
    EXPECT_EQ(posts, (std::vector<platform::UINT>{WM_USER_ABGLEICHFORMVERW, WM_USER_UPDATETREENAMES}));
    EXPECT_EQ(Send(function, UDM_CREATE_SZENEN_INSTANZ), 1);
    ASSERT_EQ(All(DT_SZENE).size(), 1u);
    EXPECT_EQ(All(DT_SZENE).front()->GetName(false), "Szene 1");
}

TEST_F(ManagerTest, TheQuestionsNameTheScenesThatUseTheOutput)
{
    MakeSwitchSystem(false, false, false, true, false, false);
    ASSERT_TRUE(device_->CreateSzenenFunktion(sys_, false));
    TDataBasis* function = Find(DT_SZENEN_FUNKTION);
    for (TDataBasis* object : All(DT_SZENE)) {
        auto* scene = dynamic_cast<TSzene*>(object);
        if (scene->GetName(false) != "Szene 1" && scene->GetName(false) != "Szene 4")
            scene->ModifyDefaultValues(2, true);
    }
    ui_.Answer({platform::IDYES, platform::IDNO});
    EXPECT_EQ(Send(function, UDM_ASK_USER_BEFOR_MODIFY_DATENTYP, 2), 1);
    EXPECT_EQ(Send(function, UDM_ASK_USER_BEFOR_MODIFY_WERTE_TYP, 2), 0);
    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[0].text,
              "Die Datentyp\xE4nderung des Ausgangs 2 hat in den folgenden\n\rSzenen eine Deaktivierung des "
              "Ausgangs zur Folge.\n\r\n\rSzene 1\n\rSzene 4\n\r\n\rSoll der Datentyp ge\xE4ndert werden?");
    EXPECT_EQ(ui_.boxes()[1].text,
              "Die \xC4nderung des Werte-Typs des Ausgangs 2 hat in den folgenden\n\rSzenen eine \xC4nderung der "
              "Werte zur Folge.\n\r\n\rSzene 1\n\rSzene 4\n\r\n\rSoll der Werte-Typ ge\xE4ndert werden?");
    EXPECT_EQ(ui_.boxes()[0].caption, Spredit::Text9043);
    EXPECT_EQ(ui_.boxes()[0].style, static_cast<unsigned>(platform::MB_YESNO | platform::MB_ICONQUESTION));
    // An output no scene uses needs no question.
    for (TDataBasis* object : All(DT_SZENE))
        dynamic_cast<TSzene*>(object)->ModifyDefaultValues(3, true);
    EXPECT_EQ(Send(function, UDM_ASK_USER_BEFOR_MODIFY_DATENTYP, 3), 1);
    EXPECT_EQ(ui_.boxes().size(), 2u);
}

TEST_F(ManagerTest, SceneCodesFromAnotherSenderAreRefused)
{
    MakeSwitchSystem(false, false, false, true, false, false);
    ASSERT_TRUE(device_->CreateSzenenFunktion(sys_, false));
    for (std::uint8_t code = UDM_MODIFY_DEFAULT_VALUE_SZENEN_AUSGAENGE; code <= UDM_ASK_USER_BEFOR_MODIFY_WERTE_TYP;
         ++code) {
        EXPECT_EQ(Send(All(DT_SZENE).front(), code, 1, 1), 0) << int(code);
        EXPECT_EQ(Send(nullptr, code, 1, 1), 0) << int(code);
    }
    EXPECT_EQ(All(DT_SZENE).size(), 8u);
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(ManagerTest, RefusedSceneSwitchOffDeletesNothing)
{
    MakeSwitchSystem(false, false, false, true, false, false);
    ASSERT_TRUE(device_->CreateSzenenFunktion(sys_, true));
    ASSERT_EQ(device_->CreateTastsensorFunktion(Window(), sys_, true), 1);
    LinkFirstObject(Find(DT_SZENEN_FUNKTION), 1);
    const std::vector<std::string> before = Objects();
    ui_.Answer({platform::IDNO});
    EXPECT_FALSE(Switch(T::tagSzenenFunktion, false));
    EXPECT_EQ(Objects(), before);
    ui_.Answer({platform::IDYES});
    EXPECT_TRUE(Switch(T::tagSzenenFunktion, false));
    EXPECT_TRUE(All(DT_SZENE).empty());
    EXPECT_EQ(Find(DT_SZENEN_FUNKTION), nullptr);
    EXPECT_EQ(Find(DT_TASTSENSOR_FUNKTION), nullptr);
    EXPECT_EQ(Flags(), "000000");
}

// A device that cannot delete scenes.
class SceneKeepingDevice final : public keysensortest::KeyDevice {
public:
    using KeyDevice::KeyDevice;
    bool DeleteInstanz(TDataBasis* object, bool postRefresh) override
    {
        if (object && object->GetTyp() == DT_SZENE)
            return false;
        return KeyDevice::DeleteInstanz(object, postRefresh);
    }
};

// A scene function whose scenes cannot go keeps its communication objects.
TEST_F(ManagerTest, FailingSceneDeletionLeavesTheFunctionItsObjects)
{
    UseDevice<SceneKeepingDevice>(device_->Factories());
    MakeSwitchSystem(false, false, false, true, false, false);
    ASSERT_TRUE(device_->CreateSzenenFunktion(sys_, false));
    TDataBasis* function = Find(DT_SZENEN_FUNKTION);
    const std::size_t objects = EtsObjects(function).size();
    ASSERT_GT(objects, 0u);
    const std::int64_t parameter = ParameterValue(TSzenenFunktion::DisplayOrder);
    EXPECT_FALSE(device_->DeleteSzenenFunktion(sys_));
    ASSERT_EQ(Find(DT_SZENEN_FUNKTION), function);
    EXPECT_EQ(EtsObjects(function).size(), objects);
    EXPECT_EQ(ParameterValue(TSzenenFunktion::DisplayOrder), parameter);
    EXPECT_EQ(All(DT_SZENE).size(), 8u);
}

// --- Time switches ---

TEST_F(ManagerTest, TimeSwitchOneOnMakesItAndTheKeySensorFunction)
{
    MakeSwitchSystem(false, false, false, false, false, false);
    ASSERT_TRUE(Switch(T::tagSchaltuhr1, true));
    TSchaltuhr* uhr = device_->GetPointerSchaltuhr(sys_, 1);
    ASSERT_NE(uhr, nullptr);
    EXPECT_EQ(uhr->GetName(false), "Schaltuhr 1");
    EXPECT_EQ(uhr->GetPosId(), 7);
    EXPECT_EQ(Flags(), "000010");
    EXPECT_NE(Find(DT_TASTSENSOR_FUNKTION), nullptr);
    EXPECT_FALSE(All(DT_TS_TASTE).empty());
    EXPECT_EQ(device_->GetSchaltuhr(sys_, 2), nullptr);
    EXPECT_EQ(device_->GetPointerSchaltuhr(sys_, 3), nullptr);

    // A number that exists: true, nothing new.
    const std::vector<std::string> before = Objects();
    EXPECT_TRUE(device_->CreateSchaltuhr(Window(), sys_, true, 1));
    EXPECT_EQ(Objects(), before);

    ASSERT_TRUE(Switch(T::tagSchaltuhr2, true));
    EXPECT_EQ(Flags(), "000011");
    ASSERT_TRUE(Switch(T::tagSchaltuhr2, false));
    EXPECT_EQ(Flags(), "000010");
    EXPECT_NE(device_->GetPointerSchaltuhr(sys_, 1), nullptr);
    EXPECT_NE(Find(DT_TASTSENSOR_FUNKTION), nullptr);
}

TEST_F(ManagerTest, TimeSwitchNumbersOtherThanOneAndTwoAreRefusedWithoutAsking)
{
    MakeSwitchSystem(false, false, false, false, true, true);
    for (const int number : {0, 3}) {
        EXPECT_FALSE(device_->ModifySchaltuhr(Window(), sys_, number));
        EXPECT_FALSE(device_->CreateSchaltuhr(Window(), sys_, true, number));
    }
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_TRUE(All(DT_SCHALTUHR).empty());
}

// --- Infrared remote control ---

class RemoteFactory final : public TRemotefuncFactory {
public:
    std::unique_ptr<TIrFernbedienung> CreateIrFernbedienung(platform::HWND window, std::int32_t system,
                                                            std::int32_t parent, const std::string& name,
                                                            std::int32_t keys, std::int32_t handle) const override
    {
        return std::make_unique<Remote>(window, system, parent, name, keys, handle);
    }
    class Remote final : public TIrFernbedienung {
    public:
        using TIrFernbedienung::TIrFernbedienung;
        void SetDefaultValues() override
        {
            TIrFernbedienung::SetDefaultValues();
            DefaultsBeforeWrite = !Written;
        }
        void Write(TDatenStruktur& record) override
        {
            Written = true;
            TIrFernbedienung::Write(record);
        }
        bool Written = false;
        bool DefaultsBeforeWrite = false;
    };
};

TEST_F(ManagerTest, RemoteControlOnceWithItsDefaultsWritten)
{
    RemoteFactory remotes;
    TObjectFactories factories = device_->Factories();
    factories.Remotefunc = &remotes;
    UseDevice<keysensortest::KeyDevice>(factories);
    MakeSwitchSystem(false, false, false, false, false, false);
    ASSERT_TRUE(device_->CreateIrFernbedienung(Window(), sys_, false));
    auto* remote = dynamic_cast<RemoteFactory::Remote*>(Find(DT_IR_FERNBEDIENUNG));
    ASSERT_NE(remote, nullptr);
    EXPECT_TRUE(remote->DefaultsBeforeWrite);
    EXPECT_EQ(remote->GetPosId(), 10);
    EXPECT_TRUE(device_->GetDatenSatz(remote)->Bool1);
    EXPECT_FALSE(device_->CreateIrFernbedienung(Window(), sys_, false));
    EXPECT_EQ(All(DT_IR_FERNBEDIENUNG).size(), 1u);

    // Without keys: none made, none restored.
    TDatenStruktur stored = *device_->GetDatenSatz(remote);
    device_->DeleteInstanz(remote, false);
    sys_->SetAnzahlTasten(0);
    EXPECT_FALSE(device_->CreateIrFernbedienung(Window(), sys_, false));
    EXPECT_FALSE(device_->InitDaten_IrFernbedienung(stored));
    EXPECT_TRUE(All(DT_IR_FERNBEDIENUNG).empty());
}

// --- The keep rule over the five switch-off roads ---

struct KeepCase {
    int Tag;  // the function switched off
    std::array<bool, 6> Others; // the switches left on: key sensor, controller, extension, scenes, 1, 2
    bool KeySensorStays;
};

class KeepRule : public ManagerTest, public ::testing::WithParamInterface<KeepCase> {};

TEST_P(KeepRule, TheKeySensorFunctionGoesOnlyWithTheLastFunctionThatNeedsIt)
{
    const KeepCase& c = GetParam();
    MakeSwitchSystem(false, false, false, false, false, false);
    const int tags[] = {T::tagTastsensorFunktion, T::tagReglerFunktion,  T::tagReglernebenstellenFunktion,
                        T::tagSzenenFunktion,     T::tagSchaltuhr1,      T::tagSchaltuhr2};
    // The function to switch off first, then the others.
    ASSERT_TRUE(Switch(c.Tag, true));
    for (int i = 0; i < 6; ++i) {
        if (c.Others[static_cast<std::size_t>(i)] && tags[i] != c.Tag) {
            ASSERT_TRUE(Switch(tags[i], true)) << tags[i];
        }
    }
    ASSERT_NE(Find(DT_TASTSENSOR_FUNKTION), nullptr);
    EXPECT_TRUE(Switch(c.Tag, false));
    EXPECT_EQ(Find(DT_TASTSENSOR_FUNKTION) != nullptr, c.KeySensorStays);
    EXPECT_TRUE(ui_.boxes().empty());
}

constexpr std::array<bool, 6> None{};
constexpr std::array<bool, 6> OnlyKeys{true, false, false, false, false, false};
constexpr std::array<bool, 6> OnlyController{false, true, false, false, false, false};
constexpr std::array<bool, 6> OnlyExtension{false, false, true, false, false, false};
constexpr std::array<bool, 6> OnlyScenes{false, false, false, true, false, false};
constexpr std::array<bool, 6> OnlyClock1{false, false, false, false, true, false};
constexpr std::array<bool, 6> OnlyClock2{false, false, false, false, false, true};

INSTANTIATE_TEST_SUITE_P(
    Table, KeepRule,
    ::testing::Values(KeepCase{T::tagReglerFunktion, None, false}, KeepCase{T::tagReglerFunktion, OnlyKeys, true},
                      KeepCase{T::tagReglerFunktion, OnlyExtension, true},
                      KeepCase{T::tagReglernebenstellenFunktion, None, false},
                      KeepCase{T::tagReglernebenstellenFunktion, OnlyClock1, true},
                      KeepCase{T::tagReglernebenstellenFunktion, OnlyController, true},
                      KeepCase{T::tagSzenenFunktion, None, false}, KeepCase{T::tagSzenenFunktion, OnlyExtension, true},
                      KeepCase{T::tagSchaltuhr1, None, false}, KeepCase{T::tagSchaltuhr1, OnlyExtension, true},
                      KeepCase{T::tagSchaltuhr2, OnlyClock1, true}, KeepCase{T::tagSchaltuhr2, OnlyScenes, true},
                      KeepCase{T::tagTastsensorFunktion, None, false},
                      KeepCase{T::tagTastsensorFunktion, OnlyClock2, true},
                      KeepCase{T::tagTastsensorFunktion, OnlyExtension, true}));

} // namespace
} // namespace managertest
