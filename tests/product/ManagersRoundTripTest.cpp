#include "device/product/DatenTyp.h"
#include "tests/product/support/ManagerFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace managertest {
namespace {

using T = TTalvoSystem;

// Every function switched on and off as a user does, then the device checked against the project,
// written and reopened.
TEST_F(ManagerTest, AfterARunOfSwitchesTheDeviceAgreesWithTheProjectAndReopensAlike)
{
    MakeSwitchSystem(false, false, false, false, false, false);
    for (const int tag : {T::tagReglerFunktion, T::tagReglernebenstellenFunktion, T::tagSzenenFunktion,
                          T::tagSchaltuhr1, T::tagSchaltuhr2})
        ASSERT_TRUE(Switch(tag, true)) << tag;
    ASSERT_TRUE(Switch(T::tagSchaltuhr1, false));
    ASSERT_TRUE(Switch(T::tagReglernebenstellenFunktion, false));
    ASSERT_TRUE(Switch(T::tagReglernebenstellenFunktion, true));
    ASSERT_TRUE(device_->CreateIrFernbedienung(Window(), sys_, true));
    ASSERT_TRUE(ui_.boxes().empty());

    EXPECT_TRUE(device_->EtsObjektCheck());
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text.rfind("Datenbank \xDC" "berpr\xFC" "fung erfogreich beendet.", 0), 0u)
        << ui_.boxes()[0].text;

    ASSERT_TRUE(device_->WriteBlob());
    using TIdentity = std::tuple<int, std::string, std::int32_t, int>;
    std::map<std::int32_t, TIdentity> before;
    for (const auto& [handle, object] : device_->GetDataPointerMap())
        before[handle] = {object->GetTyp(), object->GetName(false), object->GetParentHandle(), object->GetPosId()};
    const std::size_t boxes = ui_.boxes().size();

    NewDevice();
    sys_ = nullptr;
    ASSERT_TRUE(device_->GetDataFromServer(Window(), false));
    std::map<std::int32_t, TIdentity> after;
    for (const auto& [handle, object] : device_->GetDataPointerMap())
        after[handle] = {object->GetTyp(), object->GetName(false), object->GetParentHandle(), object->GetPosId()};
    EXPECT_EQ(after, before);
    EXPECT_EQ(ui_.boxes().size(), boxes) << ui_.boxes().back().text;
    for (const int typ : {DT_SZENE, DT_SCHALTUHR, DT_IR_FERNBEDIENUNG, DT_REGLERNEBENSTELLEN_FUNKTION,
                          DT_RAUMTEMPERATUR_SCHALTUHR})
        EXPECT_FALSE(All(typ).empty()) << typ;
}

} // namespace
} // namespace managertest
