#include "app/Spredit.h"
#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerSollwerte.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/MainWindowMessages.h"
#include "tests/product/support/ManagerFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace managertest {
namespace {

using T = TTalvoSystem;

// The children of the controller function by position id.
std::vector<std::string> Pages(ManagerTest& test, TDataBasis* function, const std::vector<TDataBasis*>& all)
{
    (void)test;
    std::vector<std::pair<int, std::string>> pages;
    for (TDataBasis* object : all)
        if (object->GetParentHandle() == function->GetHandle() && object->GetTyp() != DT_ETS_OBJEKT)
            pages.emplace_back(object->GetPosId(), std::to_string(object->GetTyp()));
    std::sort(pages.begin(), pages.end());
    std::vector<std::string> out;
    for (const auto& [pos, typ] : pages)
        out.push_back(std::to_string(pos) + ":" + typ);
    return out;
}

std::vector<TDataBasis*> Everything(const TDeviceInstanz& device)
{
    std::vector<TDataBasis*> all;
    for (const auto& [handle, object] : device.GetDataPointerMap())
        all.push_back(object);
    return all;
}

TEST_F(ManagerTest, ControllerOnMakesTheFunctionWithItsFivePagesAndMarksTheUserParameters)
{
    MakeSwitchSystem(false, false, false, false, false, false);
    ASSERT_TRUE(Switch(T::tagReglerFunktion, true));
    TDataBasis* function = Find(DT_REGLER_FUNKTION);
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function->GetPosId(), 4);
    EXPECT_EQ(Pages(*this, function, Everything(*device_)),
              (std::vector<std::string>{"1:6577", "2:6578", "3:6579", "4:6580", "5:6581"}));
    EXPECT_EQ(Flags(), "010000");
    // Six nodes, each below its parent, and the key-sensor function that the controller needs.
    int controllerNodes = 0;
    for (const auto& added : tree_.Added)
        if (added.Object->GetTyp() >= DT_REGLER_FUNKTION && added.Object->GetTyp() <= DT_RAUMTEMPERATUR_SCHALTUHR) {
            ++controllerNodes;
            EXPECT_TRUE(added.MakeVisible);
            EXPECT_GE(added.Depth, 1);
        }
    EXPECT_EQ(controllerNodes, 6);
    EXPECT_NE(Find(DT_TASTSENSOR_FUNKTION), nullptr);
    EXPECT_NE(device_->GetPointerRaumtempSchaltuhr(), nullptr);

    // On a second time: the request is refused and nothing new is made.
    const std::vector<std::string> before = Objects();
    EXPECT_EQ(Send(sys_, UDM_MODIFY_REGLER_FUNKTION), 0);
    EXPECT_EQ(Objects(), before);
}

TEST_F(ManagerTest, ControllerWithoutNodesAddsNoNode)
{
    MakeSwitchSystem(false, true, false, false, false, false);
    ASSERT_TRUE(device_->CreateReglerFunktion(sys_, false));
    for (const auto& added : tree_.Added)
        EXPECT_EQ(added.Object->GetTyp(), DT_ETS_OBJEKT) << added.Object->GetName(false);
    EXPECT_EQ(All(DT_REGLER_SOLLWERTE).size(), 1u);
    EXPECT_FALSE(device_->CreateReglerFunktion(sys_, false));
    EXPECT_EQ(All(DT_REGLER_FUNKTION).size(), 1u);
}

TEST_F(ManagerTest, ControllerOffWithTheSceneFlagOnDeletesOnlyItsSubtree)
{
    MakeSwitchSystem(false, true, false, true, false, false);
    ASSERT_TRUE(device_->CreateReglerFunktion(sys_, true));
    ASSERT_EQ(device_->CreateTastsensorFunktion(Window(), sys_, true), 1);
    ASSERT_TRUE(Switch(T::tagReglerFunktion, false));
    for (const int typ : {DT_REGLER_FUNKTION, DT_REGLER_SOLLWERTE, DT_REGLER_FUNKTIONALITAET,
                          DT_REGLER_RAUMTEMPERATUR_MESSUNG, DT_REGLER_STELLGROESSEN_STATUS_AUSGABE,
                          DT_RAUMTEMPERATUR_SCHALTUHR})
        EXPECT_TRUE(All(typ).empty()) << typ;
    EXPECT_NE(Find(DT_TASTSENSOR_FUNKTION), nullptr);
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(device_->GetPointerRaumtempSchaltuhr(), nullptr);
}

TEST_F(ManagerTest, ControllerOffAsLastFunctionAsksOnceForBothSubtrees)
{
    // The key functions (with their objects) come with the key-sensor switch on; it goes off
    // before the controller does.
    MakeSwitchSystem(true, true, false, false, false, false);
    ASSERT_TRUE(device_->CreateReglerFunktion(sys_, true));
    ASSERT_EQ(device_->CreateTastsensorFunktion(Window(), sys_, true), 1);
    sys_->SetFunctions(false, true, false, false, false, false);
    LinkFirstObject(Find(DT_REGLER_FUNKTION), 1);
    // A communication object somewhere below the key-sensor function.
    TDataBasis* keyObject = nullptr;
    const std::int32_t keySensor = Find(DT_TASTSENSOR_FUNKTION)->GetHandle();
    for (TDataBasis* object : All(DT_ETS_OBJEKT)) {
        for (TDataBasis* up = device_->FindHandle(object->GetParentHandle()); up && !keyObject;
             up = device_->FindHandle(up->GetParentHandle()))
            if (up->GetHandle() == keySensor)
                keyObject = object;
    }
    ASSERT_NE(keyObject, nullptr);
    Link(keyObject, SubGroup(1, 0, 2));

    // No: nothing goes, the switch stays on.
    const std::vector<std::string> before = Objects();
    ui_.Answer({platform::IDNO});
    EXPECT_FALSE(Switch(T::tagReglerFunktion, false));
    EXPECT_EQ(Objects(), before);
    EXPECT_EQ(sys_->GetValueOfReglerFunktion(), 1);
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9044);

    // Yes: one question, then both functions go.
    ui_.Answer({platform::IDYES});
    EXPECT_TRUE(Switch(T::tagReglerFunktion, false));
    EXPECT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(Find(DT_REGLER_FUNKTION), nullptr);
    EXPECT_EQ(Find(DT_TASTSENSOR_FUNKTION), nullptr);
    EXPECT_TRUE(All(DT_TS_TASTE).empty());
}

TEST_F(ManagerTest, ControllerWithAMissingPageKeepsWhatStaysAndAnswersFalse)
{
    MakeSwitchSystem(false, true, false, false, false, false);
    ASSERT_TRUE(device_->CreateReglerFunktion(sys_, true));
    TDataBasis* function = Find(DT_REGLER_FUNKTION);
    ASSERT_TRUE(device_->DeleteReglerRaumtemperaturMessung(function));
    EXPECT_FALSE(device_->DeleteReglerFunktion(sys_));
    // Set points and functionality went; the controller and the pages after the gap stay.
    EXPECT_TRUE(All(DT_REGLER_SOLLWERTE).empty());
    EXPECT_TRUE(All(DT_REGLER_FUNKTIONALITAET).empty());
    EXPECT_EQ(All(DT_REGLER_FUNKTION).size(), 1u);
    EXPECT_EQ(All(DT_REGLER_STELLGROESSEN_STATUS_AUSGABE).size(), 1u);
    EXPECT_EQ(All(DT_RAUMTEMPERATUR_SCHALTUHR).size(), 1u);
    EXPECT_EQ(Flags().substr(1, 1), "1");
}

TEST_F(ManagerTest, ControllerRecordsRestoreAsTheirClassesAndOthersAreNotTaken)
{
    MakeSwitchSystem(false, true, false, false, false, false);
    ASSERT_TRUE(device_->CreateReglerFunktion(sys_, false));
    TDatenStruktur record = *device_->GetDatenSatz(Find(DT_REGLER_STELLGROESSEN_STATUS_AUSGABE));
    TDatenStruktur scene = record;
    scene.Typ = DT_SZENEN_FUNKTION;
    EXPECT_FALSE(device_->InitDaten_RaumtemperaturReglerFunktion(scene));
}

} // namespace
} // namespace managertest
