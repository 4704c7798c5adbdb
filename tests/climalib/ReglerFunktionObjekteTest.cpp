#include "tests/climalib/ReglerFunktionFixture.h"
#include "tests/climalib/support/NamedCase.h"

#include <array>
#include <functional>

namespace climatest {
namespace {

using climatest::PrintTo;
using namespace T_DB_EnumReglerFunktion;
using R = TReglerFunktion;

TEST_F(ReglerFunktionFixture, CreateObjectsSwitchesEveryObjectInTheFixedOrderWithoutAsking)
{
    EXPECT_TRUE(regler->CreateObjects());
    EXPECT_EQ(Requests(), Lines({{"set 3050=1 @-1900", "set 3060=1 @-1500"},
                                 Heating(3, 0, 0, 0),
                                 Heating(3, 0, 0, 0),
                                 Heating(3, 0, 0, 0),
                                 Cooling(0, 0, 0, 0),
                                 Cooling(0, 0, 0, 0),
                                 Cooling(0, 0, 0, 0),
                                 {"set 3130=0 @-1200", "set 3140=0 @-1100", "set 3080=1 @-1400", "set 3090=0 @-1300",
                                  "set 3000=1 @-2000", "set 3150=0 @-1000", "set 3280=0 @-100"}}));
}

TEST_F(ReglerFunktionFixture, CreateObjectsTakesTheValuesTheMembersSelect)
{
    regler->BetriebsmodusUmschaltung = bmuUeberSchalten;
    regler->ReglerBetriebsart = rbaGrundZusatzHeizenKuehlen;
    regler->SperrobjektZusatzstufe = T_DB_EnumDataBasis::Ja;
    regler->ArtKuehlregelung = arSchaltendePWM;
    regler->UmschaltungHeizenKuehlen = uhkUeberObjekt;
    regler->ReglerBedienungSperrbar = rbsUeberObjekt;
    regler->ReglerAbschalten = raUeberObjekt;
    regler->FrostHitzeschutz = fhsFrostschutzAutomatik;
    regler->LuefterstufenAnzeige = T_DB_EnumDataBasis::Ja;
    regler->ObjekttypLuefterstufen = olEinByte;

    EXPECT_TRUE(regler->CreateObjects());
    EXPECT_EQ(Requests(), Lines({{"set 3050=2 @-1900", "set 3060=0 @-1500"},
                                 Heating(9, 0, 3, 0),
                                 Heating(9, 0, 3, 0),
                                 Heating(9, 0, 3, 0),
                                 Cooling(5, 2, 1, 0),
                                 Cooling(5, 2, 1, 0),
                                 Cooling(5, 2, 1, 0),
                                 {"set 3130=1 @-1200", "set 3140=1 @-1100", "set 3080=0 @-1400", "set 3090=2 @-1300",
                                  "set 3000=1 @-2000", "set 3150=1 @-1000", "set 3280=2 @-100"}}));
}

TEST_F(ReglerFunktionFixture, DeleteObjectsSwitchesTheSameObjectsOff)
{
    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    regler->LuefterstufenAnzeige = T_DB_EnumDataBasis::Ja;
    ASSERT_TRUE(regler->CreateObjects());
    std::vector<std::string> expected;
    for (const std::string& line : Requests()) {
        const auto equals = line.find('=');
        const auto at = line.find(" @");
        expected.push_back(line.substr(0, equals + 1) + "0" + line.substr(at));
    }
    window.Clear();

    EXPECT_TRUE(regler->DeleteObjects());
    EXPECT_EQ(Requests(), expected);
}

TEST_F(ReglerFunktionFixture, TheFirstFailedSwitchEndsCreateObjects)
{
    Device().AnswerAddObject(3200, 0);
    EXPECT_FALSE(regler->CreateObjects());
    EXPECT_EQ(Requests(), (std::vector<std::string>{"set 3050=1 @-1900", "set 3060=1 @-1500", "set 3160=3 @-900",
                                                    "set 3200=0 @-899"}));
}

// The value tables of the heating and cooling objects.
struct ValueCase {
    const char* name;
    std::function<void(TReglerFunktion&)> setup;
    std::array<int, 4> heating;
    std::array<int, 4> cooling;
};

class ActuatingValueObjects : public ReglerFunktionFixture, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ActuatingValueObjects, TakeTheValuesOfTheTable)
{
    GetParam().setup(*regler);
    EXPECT_TRUE(regler->ModifyArtHeizregelungObjekte(false, false));
    EXPECT_TRUE(regler->ModifyArtKuehlregelungObjekte(false, false));
    const auto& h = GetParam().heating;
    const auto& c = GetParam().cooling;
    EXPECT_EQ(Requests(), Lines({Heating(h[0], h[1], h[2], h[3]), Cooling(c[0], c[1], c[2], c[3])}));
}

// Builds a setup: operating type, circuits, common object and the control types
// (heating, heating circuit 2, additional heating, cooling, cooling circuit 2, additional
// cooling, common, common additional stage).
std::function<void(TReglerFunktion&)> Setup(TEnumReglerBetriebsart type, TEnumRegelkreise circuits, bool common,
                                            std::array<TEnumArtRegelung, 8> arten)
{
    return [=](TReglerFunktion& r) {
        r.ReglerBetriebsart = type;
        r.Regelkreise = circuits;
        r.StellgrHeizenKuehlenGemObjekt = common ? T_DB_EnumDataBasis::Ja : T_DB_EnumDataBasis::Nein;
        r.ArtHeizregelung = arten[0];
        r.ArtHeizregelungRk2 = arten[1];
        r.ArtZusatzstufeHeizen = arten[2];
        r.ArtKuehlregelung = arten[3];
        r.ArtKuehlregelungRk2 = arten[4];
        r.ArtZusatzstufeKuehlen = arten[5];
        r.ArtRegelung = arten[6];
        r.ArtRegelungZusatzstufe = arten[7];
    };
}

constexpr TEnumRegelkreise One = rkEinRegelkreis;
constexpr TEnumRegelkreise Two = rkZweiRegelkreise;

INSTANTIATE_TEST_SUITE_P(
    Table, ActuatingValueObjects,
    ::testing::Values(
        ValueCase{"Heating2P", Setup(rbaHeizen, One, false, {P2, PI, PI, PWM, PWM, PWM, PWM, PWM}), {1, 0, 0, 0},
                  {0, 0, 0, 0}},
        ValueCase{"HeatingPWM", Setup(rbaHeizen, One, false, {PWM, P2, P2, P2, P2, P2, P2, P2}), {2, 1, 0, 0},
                  {0, 0, 0, 0}},
        ValueCase{"HeatingPI", Setup(rbaHeizen, One, false, {PI, PWM, PWM, PWM, PWM, PWM, PWM, PWM}), {3, 0, 0, 0},
                  {0, 0, 0, 0}},
        ValueCase{"HeatingTwoCircuits2P", Setup(rbaHeizen, Two, false, {PWM, P2, PI, PI, PI, PI, PI, PI}),
                  {2, 5, 0, 0}, {0, 0, 0, 0}},
        ValueCase{"HeatingTwoCircuitsPWM", Setup(rbaHeizen, Two, false, {PI, PWM, PI, PI, PI, PI, PI, PI}),
                  {3, 6, 0, 0}, {0, 0, 0, 0}},
        ValueCase{"HeatingTwoCircuitsPI", Setup(rbaHeizen, Two, false, {P2, PI, PI, PI, PI, PI, PI, PI}),
                  {1, 7, 0, 0}, {0, 0, 0, 0}},
        ValueCase{"CoolingPWM", Setup(rbaKuehlen, One, false, {PWM, PWM, PWM, PWM, P2, PI, PI, PI}), {0, 0, 0, 0},
                  {2, 1, 0, 0}},
        ValueCase{"CoolingTwoCircuits2P", Setup(rbaKuehlen, Two, false, {PI, PI, PI, PI, P2, PI, PI, PI}),
                  {0, 0, 0, 0}, {3, 3, 0, 0}},
        ValueCase{"CoolingTwoCircuitsPWM", Setup(rbaKuehlen, Two, false, {PI, PI, PI, P2, PWM, PI, PI, PI}),
                  {0, 0, 0, 0}, {1, 4, 0, 0}},
        ValueCase{"CoolingTwoCircuitsPI", Setup(rbaKuehlen, Two, false, {PI, PI, PI, PWM, PI, PI, PI, PI}),
                  {0, 0, 0, 0}, {2, 5, 0, 0}},
        ValueCase{"Type2Separate", Setup(rbaHeizenUndKuehlen, One, false, {PWM, PI, PI, P2, PI, PI, PI, PI}),
                  {2, 1, 0, 0}, {1, 0, 0, 0}},
        ValueCase{"Type2CommonPWM", Setup(rbaHeizenUndKuehlen, One, true, {PI, PI, PI, P2, PI, PI, PWM, PI}),
                  {5, 3, 0, 0}, {0, 0, 0, 0}},
        ValueCase{"Type2Common2P", Setup(rbaHeizenUndKuehlen, One, true, {PWM, PI, PI, PWM, PI, PI, P2, PI}),
                  {4, 0, 0, 0}, {0, 0, 0, 0}},
        ValueCase{"Type2CommonPI", Setup(rbaHeizenUndKuehlen, One, true, {P2, PI, PI, P2, PI, PI, PI, PI}),
                  {6, 0, 0, 0}, {0, 0, 0, 0}},
        ValueCase{"Type3PWM", Setup(rbaGrundZusatzHeizen, One, false, {PWM, PI, PWM, PWM, PI, PWM, PI, PI}),
                  {8, 2, 2, 1}, {0, 0, 0, 0}},
        ValueCase{"Type3Mixed", Setup(rbaGrundZusatzHeizen, One, true, {P2, PI, PI, PWM, PI, PWM, PWM, PWM}),
                  {7, 0, 3, 0}, {0, 0, 0, 0}},
        ValueCase{"Type4Mixed", Setup(rbaGrundZusatzKuehlen, One, false, {PWM, PI, PWM, PI, PI, PWM, PI, PI}),
                  {0, 0, 0, 0}, {6, 0, 2, 1}},
        ValueCase{"Type4CommonFlagIgnored", Setup(rbaGrundZusatzKuehlen, One, true, {PI, PI, PI, PWM, PI, P2, PI, PI}),
                  {0, 0, 0, 0}, {5, 2, 1, 0}},
        ValueCase{"Type5Separate", Setup(rbaGrundZusatzHeizenKuehlen, One, false, {PI, PI, P2, PWM, PI, PWM, P2, P2}),
                  {9, 0, 1, 0}, {5, 2, 2, 1}},
        ValueCase{"Type5CommonPWM", Setup(rbaGrundZusatzHeizenKuehlen, One, true, {PI, PI, PI, PI, PI, PI, PWM, PWM}),
                  {11, 4, 5, 2}, {0, 0, 0, 0}},
        ValueCase{"Type5CommonMixed", Setup(rbaGrundZusatzHeizenKuehlen, One, true, {PWM, PI, PWM, PWM, PI, PWM, P2, PI}),
                  {10, 0, 6, 0}, {0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

// Who asks before objects go.
struct QuestionCase {
    const char* name;
    std::function<bool(TReglerFunktion&)> operation;
    std::vector<std::string> requests;
};

class Questions : public ReglerFunktionFixture, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(Questions, AreAskedAsTheOperationSays)
{
    regler->ReglerBetriebsart = rbaGrundZusatzHeizen;
    regler->ArtHeizregelung = arSchaltendePWM;
    regler->ArtZusatzstufeHeizen = arSchaltendePWM;
    EXPECT_TRUE(GetParam().operation(*regler));
    EXPECT_EQ(Requests(), GetParam().requests);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, Questions,
    ::testing::Values(
        QuestionCase{"HeatingAsksWhateverTheValues", [](R& r) { return r.ModifyArtHeizregelungObjekte(false, true); },
                     Lines({{AskHeating}, Heating(8, 2, 2, 1)})},
        QuestionCase{"HeatingPassOnAsksTheSame", [](R& r) { return r.ModifyArtZusatzstufeHeizenObjekte(false, true); },
                     Lines({{AskHeating}, Heating(8, 2, 2, 1)})},
        QuestionCase{"CoolingAsksAsWell", [](R& r) { return r.ModifyArtKuehlregelungObjekte(false, true); },
                     Lines({{AskCooling}, Cooling(0, 0, 0, 0)})},
        QuestionCase{"CoolingPassOnAsksTheSame", [](R& r) { return r.ModifyArtKuehlregelungRk2Objekte(true, true); },
                     Lines({{AskCooling}, Cooling(0, 0, 0, 0)})},
        QuestionCase{"WithoutAskNobodyAsks", [](R& r) { return r.ModifyArtHeizregelungObjekte(true, false); },
                     Heating(0, 0, 0, 0)},
        QuestionCase{"OperatingModeAsksWhateverTheValues",
                     [](R& r) { return r.ModifyBetriebsmodusUmschaltungObjekte(false, true); },
                     {"ask 3050 3060", "set 3050=1 @-1900", "set 3060=1 @-1500"}},
        QuestionCase{"StandardObjectsAskOnlyWhenRemoving",
                     [](R& r) { return r.ModifyReglerStandardObjekte(false, true); }, {"set 3000=1 @-2000"}},
        QuestionCase{"StandardObjectsRemoved", [](R& r) { return r.ModifyReglerStandardObjekte(true, true); },
                     {"ask 3000", "set 3000=0 @-2000"}},
        QuestionCase{"WindowStatePassesTheQuestionOn", [](R& r) { return r.ModifyFensterstatusObjekte(false, true); },
                     {"set 3080=1 @-1400 ask"}},
        QuestionCase{"SwitchOverPassesTheQuestionOn",
                     [](R& r) { return r.ModifyHeizenKuehlenUmschaltungObjekte(false, true); }, {"set 3090=0 @-1300 ask"}},
        QuestionCase{"LockPassesTheQuestionOn", [](R& r) { return r.ModifyReglerBedienungSperrObjekte(true, true); },
                     {"set 3130=0 @-1200 ask"}},
        QuestionCase{"DewPointPassesTheQuestionOn", [](R& r) { return r.ModifyReglerSperrObjekte(false, true); },
                     {"set 3140=0 @-1100 ask"}},
        QuestionCase{"AdditionalStageLockPassesTheQuestionOn",
                     [](R& r) { return r.ModifySperrobjektZusatzstufe(false, true); }, {"set 3150=0 @-1000 ask"}},
        QuestionCase{"FanStagesPassTheQuestionOn",
                     [](R& r) { return r.ModifyLuefterstufenAnzeigeObjekte(false, true); }, {"set 3280=0 @-100 ask"}},
        QuestionCase{"CircuitsAlwaysAsk", [](R& r) { return r.ModifyRegelkreise(); },
                     Lines({{AskCircuits, "set 3150=0 @-1000", "udm 8/0", "set 3150=0 @-1000"},
                            Cooling(0, 0, 0, 0),
                            Heating(8, 2, 2, 1),
                            {"set 3090=0 @-1300", "udm 14/0", "udm 15/0"}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReglerFunktionFixture, ARefusedQuestionSwitchesNothing)
{
    Device().AnswerDeleteAllowed(0);
    EXPECT_FALSE(regler->ModifyArtHeizregelungObjekte(false, true));
    EXPECT_FALSE(regler->ModifyBetriebsmodusUmschaltungObjekte(false, true));
    EXPECT_FALSE(regler->ModifyReglerStandardObjekte(true, true));
    EXPECT_FALSE(regler->ModifyRegelkreise());
    EXPECT_TRUE(ObjectSwitches().empty());
    EXPECT_TRUE(Device().DeviceRequests().empty());
}

// The common actuating object.

TEST_F(ReglerFunktionFixture, SeparateObjectsSwitchHeatingThenCooling)
{
    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    regler->ArtKuehlregelung = arSchaltendePWM;
    EXPECT_TRUE(regler->ModifyStellgrHeizenKuehlenGemObjekt(true));
    EXPECT_EQ(Requests(), Lines({{AskCommonObject, "udm 8/0"}, Heating(3, 0, 0, 0), Cooling(2, 1, 0, 0)}));
}

TEST_F(ReglerFunktionFixture, ACommonObjectRemovesCoolingThenSwitchesHeating)
{
    regler->ReglerBetriebsart = rbaGrundZusatzHeizenKuehlen;
    regler->StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Ja;
    regler->ArtRegelung = arSchaltendePWM;
    EXPECT_TRUE(regler->ModifyStellgrHeizenKuehlenGemObjekt(false));
    EXPECT_EQ(Requests(), Lines({{"udm 8/0"}, Cooling(0, 0, 0, 0), Heating(11, 4, 6, 0)}));
}

TEST_F(ReglerFunktionFixture, WithoutHeatingAndCoolingOnlyTheOutputPageIsAdapted)
{
    regler->ReglerBetriebsart = rbaGrundZusatzHeizen;
    EXPECT_TRUE(regler->ModifyStellgrHeizenKuehlenGemObjekt(true));
    EXPECT_EQ(Requests(), (std::vector<std::string>{AskCommonObject, "udm 8/0"}));
}

TEST_F(ReglerFunktionFixture, TheCommonObjectFailsWhenTheOutputPageOrAQuestionRefuses)
{
    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    Device().AnswerDeviceRequest(UDM_UPDATE_TABLE_STELLGROESSEN_STATUS_AUSGABE, 0);
    EXPECT_FALSE(regler->ModifyStellgrHeizenKuehlenGemObjekt(false));
    EXPECT_TRUE(ObjectSwitches().empty());

    window.Clear();
    Device().AnswerDeleteAllowed(0);
    EXPECT_FALSE(regler->ModifyStellgrHeizenKuehlenGemObjekt(true));
    EXPECT_EQ(Requests(), std::vector<std::string>{AskCommonObject});
}

// A failed step is not hidden by the steps after it.
TEST_F(ReglerFunktionFixture, AFailedHeatingSwitchFailsTheCommonObjectChange)
{
    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    Device().AnswerAddObject(3170, 0);
    EXPECT_FALSE(regler->ModifyStellgrHeizenKuehlenGemObjekt(false));
    EXPECT_EQ(Requests(), (std::vector<std::string>{"udm 8/0", "set 3160=3 @-900", "set 3200=0 @-899",
                                                    "set 3170=0 @-898"}));

    window.Clear();
    regler->StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Ja;
    Device().AnswerAddObject(3170, 1);
    Device().AnswerAddObject(3220, 0);
    EXPECT_FALSE(regler->ModifyStellgrHeizenKuehlenGemObjekt(false)) << "the cooling objects could not go";
    EXPECT_EQ(Requests(), (std::vector<std::string>{"udm 8/0", "set 3180=0 @-500", "set 3220=0 @-499"}));
}

// The operating type.

struct OperatingTypeCase {
    const char* name;
    TEnumReglerBetriebsart type;
    std::vector<std::string> switches;
};

class OperatingTypeObjects : public ReglerFunktionFixture, public ::testing::WithParamInterface<OperatingTypeCase> {};

TEST_P(OperatingTypeObjects, FollowTheOperatingType)
{
    regler->ReglerBetriebsart = GetParam().type;
    regler->SperrobjektZusatzstufe = T_DB_EnumDataBasis::Ja;
    EXPECT_TRUE(regler->ModifyReglerBetriebsart(true));
    EXPECT_EQ(Requests(), Lines({{AskOperatingType, "udm 8/0"}, GetParam().switches}));
}

INSTANTIATE_TEST_SUITE_P(
    Types, OperatingTypeObjects,
    ::testing::Values(
        OperatingTypeCase{"Heating", rbaHeizen,
                          Lines({{"set 3150=0 @-1000"}, Cooling(0, 0, 0, 0), Heating(3, 0, 0, 0),
                                 {"set 3090=0 @-1300"}})},
        OperatingTypeCase{"Cooling", rbaKuehlen,
                          Lines({{"set 3150=0 @-1000"}, Heating(0, 0, 0, 0), Cooling(3, 0, 0, 0),
                                 {"set 3090=0 @-1300"}})},
        OperatingTypeCase{"HeatingAndCooling", rbaHeizenUndKuehlen,
                          Lines({{"set 3150=0 @-1000"}, Heating(3, 0, 0, 0), Cooling(3, 0, 0, 0),
                                 {"set 3090=1 @-1300"}})},
        OperatingTypeCase{"BaseAndAdditionalHeating", rbaGrundZusatzHeizen,
                          Lines({{"set 3150=1 @-1000"}, Cooling(0, 0, 0, 0), Heating(9, 0, 3, 0),
                                 {"set 3090=0 @-1300"}})},
        OperatingTypeCase{"BaseAndAdditionalCooling", rbaGrundZusatzKuehlen,
                          Lines({{"set 3150=1 @-1000"}, Heating(0, 0, 0, 0), Cooling(6, 0, 1, 0),
                                 {"set 3090=0 @-1300"}})},
        OperatingTypeCase{"BaseAndAdditionalBoth", rbaGrundZusatzHeizenKuehlen,
                          Lines({{"set 3150=1 @-1000"}, Heating(9, 0, 3, 0), Cooling(6, 0, 1, 0),
                                 {"set 3090=1 @-1300"}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReglerFunktionFixture, AFailedLockObjectFailsTheOperatingTypeChange)
{
    Device().AnswerAddObject(3150, 0);
    EXPECT_FALSE(regler->ModifyReglerBetriebsart(false));
    EXPECT_EQ(Requests(), Lines({{"udm 8/0", "set 3150=0 @-1000"}, Cooling(0, 0, 0, 0), Heating(3, 0, 0, 0)}))
        << "the stages are switched, the switch-over object is left";
}

TEST_F(ReglerFunktionFixture, ARefusedOutputPageEndsTheOperatingTypeChange)
{
    Device().AnswerDeviceRequest(UDM_UPDATE_TABLE_STELLGROESSEN_STATUS_AUSGABE, 0);
    EXPECT_FALSE(regler->ModifyReglerBetriebsart(false));
    EXPECT_EQ(Requests(), std::vector<std::string>{"udm 8/0"});
}

TEST_F(ReglerFunktionFixture, TwoCircuitsUpdateTheSetPointAndMeasurementPages)
{
    regler->Regelkreise = rkZweiRegelkreise;
    regler->ArtHeizregelungRk2 = arSchaltendePWM;
    EXPECT_TRUE(regler->ModifyRegelkreise());
    EXPECT_EQ(Requests(), Lines({{AskCircuits, "set 3150=2 @-1000", "udm 8/0", "set 3150=2 @-1000"},
                                 Cooling(0, 0, 0, 0),
                                 Heating(3, 6, 0, 0),
                                 {"set 3090=0 @-1300", "udm 14/0", "udm 15/0"}}));

    window.Clear();
    Device().AnswerDeviceRequest(UDM_UPDATE_TABLE_SOLLWERTE, 0);
    EXPECT_FALSE(regler->ModifyRegelkreise());
    EXPECT_EQ(Requests().back(), "udm 14/0") << "the measurement page is not updated after a failure";
}

} // namespace
} // namespace climatest
