#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "outside/keyplan/TsTaste.h"
#include "tests/product/support/ManagerFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace managertest {
namespace {

using T_DB_EnumTsBetaetigung::tpWippe;
using T_DB_EnumTsBetaetigung::tpZweiTasten;

// What the user changes in a grid.
enum class Change { PairToRocker, RockerToPair, StatusLedOff, KeyFunctionNone };

struct LinkCase {
    const char* Name;
    Change What;
    bool Linked;
    int Answer; // to the question, when it comes
};

void PrintTo(const LinkCase& c, std::ostream* os)
{
    *os << c.Name;
}

// A change of the key sensor in its grids that removes a communication object, linked to a group
// address or not: the user is asked once before a linked one goes, and No keeps everything.
class LinkedObjectQuestion : public ManagerTest, public ::testing::WithParamInterface<LinkCase> {
protected:
    // Builds the key sensor for the change and answers the communication object that goes.
    TEtsObjekt* Prepare(Change what)
    {
        if (what == Change::RockerToPair)
            keyplan_.Modes = {tpWippe, tpZweiTasten, tpZweiTasten, tpZweiTasten, tpZweiTasten};
        MakeSwitchSystem(true, false, false, false, false, false);
        EXPECT_EQ(BuildFunction(), 1);
        switch (what) {
        case Change::PairToRocker:
        case Change::StatusLedOff: {
            // The status object of key 3 (display order 4630) is the one that goes.
            Choose(*Key(3), TTsTaste::tagStatusLed, TTsTaste::StatusLedUeberObjekt);
            const std::vector<TDataBasis*> states = Children(Key(3), DT_TS_TASTE_STATUS);
            EXPECT_EQ(states.size(), 1u);
            return states.empty() ? nullptr : EtsObjects(states.front()).front();
        }
        case Change::RockerToPair:
            return EtsObjects(Rocker(1)).front();
        case Change::KeyFunctionNone:
            return EtsObjects(Key(3)).front();
        }
        return nullptr;
    }

    void Make(Change what)
    {
        switch (what) {
        case Change::PairToRocker:
            Choose(*First(DT_TS_BETAETIGUNG), TTsBetaetigung::tagTastenpaar + 1, tpWippe);
            break;
        case Change::RockerToPair:
            Choose(*First(DT_TS_BETAETIGUNG), TTsBetaetigung::tagTastenpaar, tpZweiTasten);
            break;
        case Change::StatusLedOff:
            Choose(*Key(3), TTsTaste::tagStatusLed, 0);
            break;
        case Change::KeyFunctionNone:
            Choose(*Key(3), TTsTaste::tagFunktion, DT_TASTEN_FUNKTION_KEINE_FKT);
            break;
        }
    }

    // Whether the change shows in the key sensor.
    bool Made(Change what)
    {
        const TTsBetaetigung* operation = dynamic_cast<TTsBetaetigung*>(First(DT_TS_BETAETIGUNG));
        switch (what) {
        case Change::PairToRocker:
            return operation->GetValueOfTastenpaar(2) == tpWippe && Key(3) == nullptr && Rocker(2) != nullptr;
        case Change::RockerToPair:
            return operation->GetValueOfTastenpaar(1) == tpZweiTasten && Rocker(1) == nullptr && Key(1) != nullptr;
        case Change::StatusLedOff:
            return Key(3)->GetFktStatusLed() == 0 && Children(Key(3), DT_TS_TASTE_STATUS).empty();
        case Change::KeyFunctionNone:
            return Key(3)->GetFunktionsTyp() == DT_TASTEN_FUNKTION_KEINE_FKT && EtsObjects(Key(3)).empty();
        }
        return false;
    }
};

TEST_P(LinkedObjectQuestion, LinkedObjectsGoOnlyAfterTheUsersYes)
{
    const LinkCase& c = GetParam();
    TEtsObjekt* object = Prepare(c.What);
    ASSERT_NE(object, nullptr);
    const std::int32_t handle = object->GetHandle();
    const std::int32_t deviceObject = object->GetDeviceObjectId();
    const std::int32_t sub = SubGroup(1, 0, 4);
    if (c.Linked)
        Link(object, sub);
    const std::vector<std::string> objects = Objects();
    const std::vector<std::string> records = Records();
    ui_.Answer({c.Answer});

    Make(c.What);

    ASSERT_EQ(ui_.boxes().size(), c.Linked ? 1u : 0u);
    if (c.Linked) {
        EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9044);
        EXPECT_EQ(ui_.boxes()[0].caption, Spredit::Text9043);
        EXPECT_EQ(ui_.boxes()[0].style, platform::MB_YESNO | platform::MB_ICONQUESTION);
    }
    if (!c.Linked || c.Answer == platform::IDYES) {
        EXPECT_TRUE(Made(c.What));
        EXPECT_EQ(device_->FindHandle(handle), nullptr);
        EXPECT_EQ(device_->FindDatenSatz(device_->GetDevice()->GetSystem(), handle), nullptr);
        EXPECT_EQ(ProjectLinks(deviceObject), 0);
    } else {
        EXPECT_FALSE(Made(c.What));
        EXPECT_EQ(Objects(), objects);
        EXPECT_EQ(Records(), records) << "keys, objects and links as they were";
        EXPECT_EQ(device_->FindHandle(handle), object);
        EXPECT_EQ(ProjectLinks(deviceObject, sub), 1);
        ASSERT_EQ(object->GetGrpAdrIdList().size(), 1u);
        EXPECT_EQ(object->GetGrpAdrIdList().front().SubGroupId, sub);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LinkedObjectQuestion,
    ::testing::Values(LinkCase{"PairToRocker", Change::PairToRocker, false, platform::IDNO},
                      LinkCase{"PairToRockerLinkedNo", Change::PairToRocker, true, platform::IDNO},
                      LinkCase{"PairToRockerLinkedYes", Change::PairToRocker, true, platform::IDYES},
                      LinkCase{"RockerToPair", Change::RockerToPair, false, platform::IDNO},
                      LinkCase{"RockerToPairLinkedNo", Change::RockerToPair, true, platform::IDNO},
                      LinkCase{"RockerToPairLinkedYes", Change::RockerToPair, true, platform::IDYES},
                      LinkCase{"StatusLedOff", Change::StatusLedOff, false, platform::IDNO},
                      LinkCase{"StatusLedOffLinkedNo", Change::StatusLedOff, true, platform::IDNO},
                      LinkCase{"StatusLedOffLinkedYes", Change::StatusLedOff, true, platform::IDYES},
                      LinkCase{"KeyFunctionNone", Change::KeyFunctionNone, false, platform::IDNO},
                      LinkCase{"KeyFunctionNoneLinkedNo", Change::KeyFunctionNone, true, platform::IDNO},
                      LinkCase{"KeyFunctionNoneLinkedYes", Change::KeyFunctionNone, true, platform::IDYES}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ManagerTest, AnotherFunctionKeepsTheKeysObjectsAndTheirLinks)
{
    MakeSwitchSystem(true, false, false, false, false, false);
    ASSERT_EQ(BuildFunction(), 1);
    TEtsObjekt* object = EtsObjects(Key(3)).front();
    const std::int32_t sub = SubGroup(1, 0, 4);
    Link(object, sub);
    const std::int32_t handle = object->GetHandle();

    Choose(*Key(3), TTsTaste::tagFunktion, DT_TASTEN_FUNKTION_DIMMEN);

    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(Key(3)->GetFunktionsTyp(), DT_TASTEN_FUNKTION_DIMMEN);
    EXPECT_EQ(Children(Key(3), DT_TASTEN_FUNKTION_DIMMEN).size(), 1u);
    EXPECT_TRUE(Children(Key(3), DT_TASTEN_FUNKTION_SCHALTEN).empty());
    EXPECT_EQ(device_->FindHandle(handle), object);
    EXPECT_EQ(ProjectLinks(object->GetDeviceObjectId(), sub), 1);
    EXPECT_EQ(device_->GetDatenSatz(Key(3))->Param3, DT_TASTEN_FUNKTION_DIMMEN);
}

} // namespace
} // namespace managertest
