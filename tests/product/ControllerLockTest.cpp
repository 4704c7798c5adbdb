#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerSollwerte.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "tests/product/support/ManagerFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace managertest {
namespace {

using namespace T_DB_EnumReglerFunktion;

// "Bedienung Regler sperrbar" set to "Immer gesperrt" adapts the system object's level access
// and the set points before the push-button functions are asked; a refusal further on puts
// both back, records and communication objects included.
class ControllerLock : public ManagerTest {
protected:
    void SetUp() override
    {
        MakeSwitchSystem(true, true, false, false, false, false);
        ASSERT_EQ(device_->CreateTastsensorFunktion(Window(), sys_, true), 1);
        ASSERT_TRUE(device_->CreateReglerFunktion(sys_, true));
        regler_ = dynamic_cast<TReglerFunktion*>(Find(DT_REGLER_FUNKTION));
        sollwerte_ = dynamic_cast<TReglerSollwerte*>(Find(DT_REGLER_SOLLWERTE));
        ASSERT_TRUE(regler_ && sollwerte_);
        // The base set point may be changed on the display keys only: no object 3030.
        sollwerte_->AenderungBasisSollwert = T_DB_EnumReglerSollwerte::UeberAnzeigetasten;
        sollwerte_->AenderungSollwerteKuehlen = T_DB_EnumReglerSollwerte::UeberAnzeigetasten;
        ASSERT_TRUE(sollwerte_->ModifyBasisSollwertObjekt(false, false));
        device_->WriteData(sollwerte_);
        // The controller's operation can be locked through object 3130, linked in the project.
        Choose(*regler_, TReglerFunktion::tagReglerBedienungSperrbar, rbsUeberObjekt);
        ASSERT_EQ(regler_->GetValueOfReglerBedienungSperrbar(), rbsUeberObjekt);
        ASSERT_EQ(ParameterValue(3130), 1);
        sys_->LevelAfterLock = T_DB_EnumTalvoSystem::zbGesperrt;
        ASSERT_EQ(ParameterValue(3030), 0);
    }

    struct State {
        std::vector<std::string> Records;
        std::vector<std::string> Objects;
        std::int64_t Object3030;
        std::int64_t Object3130;
        std::int64_t ActiveObjects;
        bool operator==(const State&) const = default;
    };
    State Now()
    {
        return {Records(), Objects(), ParameterValue(3030), ParameterValue(3130),
                Query("SELECT COUNT(*) FROM device_object WHERE active = 1 AND device_id = " +
                      std::to_string(keysensortest::KuecheDevice))};
    }

    TReglerFunktion* regler_ = nullptr;
    TReglerSollwerte* sollwerte_ = nullptr;
};

TEST_F(ControllerLock, RefusedPushButtonQuestionChangesNothing)
{
    keyplan_.Checks[1] = {true, true}; // key 1 needs another function: the user is asked
    const State before = Now();
    ui_.Answer({platform::IDNO});
    Choose(*regler_, TReglerFunktion::tagReglerBedienungSperrbar, rbsImmerGesperrt);
    EXPECT_EQ(regler_->GetValueOfReglerBedienungSperrbar(), rbsUeberObjekt);
    EXPECT_EQ(sys_->GetValueOfZugriffAufBedienebenen(), T_DB_EnumTalvoSystem::zbFreigegeben);
    EXPECT_EQ(sollwerte_->AenderungBasisSollwert, T_DB_EnumReglerSollwerte::UeberAnzeigetasten);
    EXPECT_EQ(sollwerte_->AenderungSollwerteKuehlen, T_DB_EnumReglerSollwerte::UeberAnzeigetasten);
    EXPECT_EQ(Now(), before);
}

TEST_F(ControllerLock, LockObjectThatMayNotGoChangesNothing)
{
    LinkFirstObject(regler_, 3);
    std::int64_t linked = 0;
    for (TEtsObjekt* object : EtsObjects(regler_))
        if (object->GetDisplayOrder() == 3130)
            Link(object, SubGroup(1, 0, 4)), linked = 1;
    ASSERT_EQ(linked, 1);
    const State before = Now();
    ui_.Answer({platform::IDNO}); // the linked lock object may not go
    Choose(*regler_, TReglerFunktion::tagReglerBedienungSperrbar, rbsImmerGesperrt);
    EXPECT_EQ(regler_->GetValueOfReglerBedienungSperrbar(), rbsUeberObjekt);
    EXPECT_EQ(Now(), before);
}

TEST_F(ControllerLock, AcceptedLockAdaptsLevelAccessAndSetPoints)
{
    Choose(*regler_, TReglerFunktion::tagReglerBedienungSperrbar, rbsImmerGesperrt);
    EXPECT_EQ(regler_->GetValueOfReglerBedienungSperrbar(), rbsImmerGesperrt);
    EXPECT_EQ(sys_->GetValueOfZugriffAufBedienebenen(), T_DB_EnumTalvoSystem::zbGesperrt);
    EXPECT_EQ(sollwerte_->AenderungBasisSollwert, T_DB_EnumReglerSollwerte::UeberObjekt);
    EXPECT_EQ(sollwerte_->AenderungSollwerteKuehlen, T_DB_EnumReglerSollwerte::Deaktiviert);
    EXPECT_EQ(ParameterValue(3030), 1);
    EXPECT_EQ(ParameterValue(3130), 0);
    EXPECT_EQ(device_->GetDatenSatz(sys_)->Param11, T_DB_EnumTalvoSystem::zbGesperrt);
}

} // namespace
} // namespace managertest
