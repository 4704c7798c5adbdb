#include "climalib/ReglerStellgroessenStatusAusgabe.h"
#include "tests/climalib/ReglerFunktionFixture.h"
#include "tests/climalib/support/NamedCase.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <utility>

namespace climatest {
namespace {

using climatest::PrintTo;
using namespace T_DB_EnumReglerFunktion;
using R = TReglerFunktion;

class Aenderung : public ReglerFunktionFixture {
protected:
    // The posts of a change, delivered.
    std::vector<FakeMainWindow::Message> Posts() { return DeliveredPosts(); }
    std::vector<FakeMainWindow::Message> ObjectsAndAll(int tag)
    {
        return {Post(WM_USER_ABGLEICHFORMVERW, 1, Row(tag)), Post(WM_USER_UPDATEALLVIEWS, 1, Row(tag))};
    }
    std::vector<FakeMainWindow::Message> All(int tag) { return {Post(WM_USER_UPDATEALLVIEWS, 1, Row(tag))}; }
    std::vector<FakeMainWindow::Message> Others() { return {Post(WM_USER_UPDATEOTHERVIEWS, 0, 0)}; }
    bool Stored() { return !window.Received(WM_USER_GETDATENSATZ).empty(); }

    // Heating and cooling together, with a common object and values far from the defaults.
    void HeatingAndCoolingConfigured()
    {
        regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
        regler->StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Ja;
        regler->ArtRegelung = arSchaltendePWM;
        regler->ArtHeizregelung = arSchaltendePWM;
        regler->ArtKuehlregelung = arSchaltendePWM;
        regler->ArtHeizung = ahUeberRegelparameter;
        regler->RegelparameterHeizen = {77, 33, 9, -9};
        regler->ArtKuehlung = akSplitUnit;
        regler->RegelparameterKuehlen = {40, 90, 8, -8};
        regler->ArtHeizregelungRk2 = arZweiPunkt;
        regler->ArtHeizungRk2 = ahElektroheizung;
        regler->RegelparameterHeizenRk2 = {40, 100, 6, -6};
        regler->UmschaltungHeizenKuehlen = uhkUeberObjekt;
        regler->BetriebsartNachReset = bnrBetriebsartVorReset;
    }
};

// The number of circuits.

TEST_F(Aenderung, RefusingTwoCircuitsKeepsEverythingAndOnlyRebuildsTheViews)
{
    HeatingAndCoolingConfigured();
    const auto before = Members(*regler);
    Device().AnswerDeleteAllowed(0);

    Choose(R::tagRegelkreise, rkZweiRegelkreise);

    EXPECT_EQ(Requests(), std::vector<std::string>{AskCircuits}) << "exactly the objects that may go";
    EXPECT_EQ(regler->Regelkreise, rkEinRegelkreis);
    EXPECT_EQ(regler->ReglerBetriebsart, rbaHeizenUndKuehlen);
    EXPECT_EQ(Members(*regler), before);
    EXPECT_FALSE(Stored());
    EXPECT_EQ(StoredRecord(), nullptr);
    EXPECT_EQ(Posts(), All(R::tagRegelkreise));
}

TEST_F(Aenderung, AcceptingTwoCircuitsForcesHeatingAndSetsItsDefaults)
{
    HeatingAndCoolingConfigured();
    Choose(R::tagRegelkreise, rkZweiRegelkreise);
    const int row = Row(R::tagRegelkreise);

    EXPECT_EQ(Requests(), Lines({{AskCircuits, "set 3150=2 @-1000", "udm 8/0", "set 3150=2 @-1000"},
                                 Cooling(0, 0, 0, 0),
                                 Heating(3, 7, 0, 0),
                                 {"set 3090=0 @-1300", "udm 14/0", "udm 15/0"}}));
    EXPECT_EQ(regler->Regelkreise, rkZweiRegelkreise);
    EXPECT_EQ(regler->ReglerBetriebsart, rbaHeizen);
    EXPECT_EQ(regler->StellgrHeizenKuehlenGemObjekt, T_DB_EnumDataBasis::Nein);
    EXPECT_EQ(regler->ArtHeizregelung, arStetigePI);
    EXPECT_EQ(regler->ArtHeizung, ahWarmwasserheizung);
    EXPECT_EQ(regler->RegelparameterHeizen, (TRegelparameter{50, 150, 9, -9})) << "the limits stay";
    EXPECT_EQ(regler->ArtHeizregelungRk2, arStetigePI);
    EXPECT_EQ(regler->ArtHeizungRk2, ahWarmwasserheizung);
    EXPECT_EQ(regler->RegelparameterHeizenRk2, (TRegelparameter{50, 150, 6, -6}));
    EXPECT_EQ(regler->UmschaltungHeizenKuehlen, uhkAutomatisch);
    EXPECT_EQ(regler->BetriebsartNachReset, bnrHeizen);
    EXPECT_EQ(regler->ArtKuehlregelung, arSchaltendePWM) << "the cooling values are not those of heating";
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(StoredRecord()->Param15, 1);
    EXPECT_EQ(StoredRecord()->Param4, 0);
    EXPECT_EQ(Posts(), (std::vector{Post(WM_USER_UPDATEALLVIEWS, 1, row)}));
}

TEST_F(Aenderung, AFailedPageUpdateRestoresTheCircuitsTheTypeAndTheSavedValues)
{
    HeatingAndCoolingConfigured();
    const auto before = Members(*regler);
    Device().AnswerDeviceRequest(UDM_UPDATE_TABLE_RAUMTEMPERATUR_MESSUNG, 0);
    Choose(R::tagRegelkreise, rkZweiRegelkreise);

    EXPECT_EQ(Members(*regler), before);
    EXPECT_FALSE(Stored());
    EXPECT_EQ(Posts(), All(R::tagRegelkreise));
}

// The operating type: the question first, then the set-point page, then the objects.

TEST_F(Aenderung, AnAcceptedOperatingTypeAsksThenAdaptsTheSetPointsThenTheObjects)
{
    regler->ArtHeizregelung = arSchaltendePWM;
    Choose(R::tagBetriebsart, rbaHeizenUndKuehlen);

    EXPECT_EQ(Requests(), Lines({{AskOperatingType, "udm 27/0", "udm 8/0", "set 3150=0 @-1000"},
                                 Heating(3, 0, 0, 0),
                                 Cooling(3, 0, 0, 0),
                                 {"set 3090=1 @-1300"}}));
    EXPECT_EQ(regler->ReglerBetriebsart, rbaHeizenUndKuehlen);
    EXPECT_EQ(regler->ArtHeizregelung, arStetigePI) << "the defaults of the new type";
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(StoredRecord()->Param4, 2);
    EXPECT_EQ(Posts(), ObjectsAndAll(R::tagBetriebsart));
}

struct RefusalCase {
    const char* name;
    std::function<void(FakeDevice&)> refuse;
    std::vector<std::string> requests;
};

class OperatingTypeRefusal : public Aenderung, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(OperatingTypeRefusal, LeavesTheOldTypeAndTheOldControlChoices)
{
    HeatingAndCoolingConfigured();
    const auto before = Members(*regler);
    GetParam().refuse(Device());

    Choose(R::tagBetriebsart, rbaGrundZusatzHeizen);

    EXPECT_EQ(Requests(), GetParam().requests);
    EXPECT_EQ(Members(*regler), before);
    EXPECT_FALSE(Stored());
    EXPECT_EQ(Posts(), All(R::tagBetriebsart));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, OperatingTypeRefusal,
    ::testing::Values(RefusalCase{"QuestionBeforeTheSetPointPage", [](FakeDevice& d) { d.AnswerDeleteAllowed(0); },
                                  {AskOperatingType}},
                      RefusalCase{"SetPointPage",
                                  [](FakeDevice& d) { d.AnswerDeviceRequest(UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG, 0); },
                                  {AskOperatingType, "udm 27/0"}},
                      RefusalCase{"OutputPage",
                                  [](FakeDevice& d) {
                                      d.AnswerDeviceRequest(UDM_UPDATE_TABLE_STELLGROESSEN_STATUS_AUSGABE, 0);
                                  },
                                  {AskOperatingType, "udm 27/0", "udm 8/0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Aenderung, TwoCircuitsChangeTheirOperatingTypeTheSameWay)
{
    regler->Regelkreise = rkZweiRegelkreise;
    Choose(R::tagBetriebsartRegelkreise, rbaKuehlen);
    EXPECT_EQ(Requests(), Lines({{AskOperatingType, "udm 27/0", "udm 8/0", "set 3150=2 @-1000"},
                                 Heating(0, 0, 0, 0),
                                 Cooling(3, 5, 0, 0),
                                 {"set 3090=0 @-1300"}}));
    EXPECT_EQ(regler->ReglerBetriebsart, rbaKuehlen);
    EXPECT_EQ(regler->BetriebsartNachReset, bnrKuehlen);
}

// The lock of the controller's operation.

struct LockCase {
    const char* name;
    TEnumReglerBedienungSperrbar value;
    std::function<void(FakeDevice&)> refuse;
    std::vector<std::string> requests;
    bool accepted;
};

class OperationLock : public Aenderung, public ::testing::WithParamInterface<LockCase> {};

TEST_P(OperationLock, SendsTheRequestsInOrder)
{
    GetParam().refuse(Device());
    Choose(R::tagReglerBedienungSperrbar, GetParam().value);

    EXPECT_EQ(Requests(), GetParam().requests);
    if (GetParam().accepted) {
        EXPECT_EQ(regler->ReglerBedienungSperrbar, GetParam().value);
        ASSERT_NE(StoredRecord(), nullptr);
        EXPECT_EQ(StoredRecord()->Param5, GetParam().value);
        EXPECT_EQ(Posts(), ObjectsAndAll(R::tagReglerBedienungSperrbar));
    } else {
        EXPECT_EQ(regler->ReglerBedienungSperrbar, rbsNein);
        EXPECT_FALSE(Stored());
        EXPECT_EQ(Posts(), All(R::tagReglerBedienungSperrbar));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, OperationLock,
    ::testing::Values(
        LockCase{"AlwaysLockedAdaptsTheLevelsFirst", rbsImmerGesperrt, [](FakeDevice&) {},
                 {"udm 28/0", "udm 27/0", "udm 10/0", "set 3130=0 @-1200 ask"}, true},
        LockCase{"OverObjectOnlyAsksTheKeys", rbsUeberObjekt, [](FakeDevice&) {},
                 {"udm 10/0", "set 3130=1 @-1200 ask"}, true},
        LockCase{"RefusedLevelsStillSendTheSetPointRequest", rbsImmerGesperrt,
                 [](FakeDevice& d) { d.AnswerDeviceRequest(UDM_MODIFY_SYSTEM_ZUGRIFF_BEDIENEBENEN, 0); },
                 {"udm 28/0", "udm 27/0"}, false},
        LockCase{"RefusedSetPoints", rbsImmerGesperrt,
                 [](FakeDevice& d) { d.AnswerDeviceRequest(UDM_MODIFY_REGLER_SOLLWERTE_AENDERUNG, 0); },
                 {"udm 28/0", "udm 27/0"}, false},
        LockCase{"RefusedKeys", rbsImmerGesperrt,
                 [](FakeDevice& d) { d.AnswerDeviceRequest(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION, 0); },
                 {"udm 28/0", "udm 27/0", "udm 10/0"}, false},
        LockCase{"RefusedObject", rbsUeberObjekt, [](FakeDevice& d) { d.AnswerAddObject(0); },
                 {"udm 10/0", "set 3130=1 @-1200 ask"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Rows that switch objects and adapt other members.

TEST_F(Aenderung, WindowStateSwitchesFrostAutomaticOff)
{
    regler->FrostHitzeschutz = fhsFrostschutzAutomatik;
    regler->FrostschutzAutomatik = fsa04KProMin;
    Choose(R::tagFrostHitzeschutz, fhsUeberFensterstatus);

    EXPECT_EQ(Requests(), std::vector<std::string>{"set 3080=1 @-1400 ask"});
    EXPECT_EQ(regler->FrostschutzAutomatik, fsaAus);
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(StoredRecord()->Param11, 0);
    EXPECT_EQ(Posts(), ObjectsAndAll(R::tagFrostHitzeschutz));
}

TEST_F(Aenderung, ARefusedWindowStateObjectKeepsFrostAutomatic)
{
    regler->FrostHitzeschutz = fhsFrostschutzAutomatik;
    regler->FrostschutzAutomatik = fsa04KProMin;
    Device().AnswerAddObject(0);
    Choose(R::tagFrostHitzeschutz, fhsUeberFensterstatus);

    EXPECT_EQ(regler->FrostHitzeschutz, fhsFrostschutzAutomatik);
    EXPECT_EQ(regler->FrostschutzAutomatik, fsa04KProMin);
    EXPECT_FALSE(Stored());
}

TEST_F(Aenderung, AutomaticSwitchOverResetsTheTypeAfterReset)
{
    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    regler->UmschaltungHeizenKuehlen = uhkUeberObjekt;
    regler->BetriebsartNachReset = bnrBetriebsartVorReset;
    Choose(R::tagUmschaltungHeizenKuehlen, uhkAutomatisch);

    EXPECT_EQ(Requests(), std::vector<std::string>{"set 3090=1 @-1300 ask"});
    EXPECT_EQ(regler->BetriebsartNachReset, bnrHeizen);
    EXPECT_EQ(Posts(), ObjectsAndAll(R::tagUmschaltungHeizenKuehlen));
}

TEST_F(Aenderung, TheCommonControlTypeSetsBothStages)
{
    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    regler->StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Ja;
    Choose(R::tagArtRegelung, arZweiPunkt);

    EXPECT_EQ(Requests(), Lines({{"ask 3160 3200 3170 3210"}, Heating(4, 0, 0, 0)}));
    EXPECT_EQ(regler->ArtHeizregelung, arZweiPunkt);
    EXPECT_EQ(regler->ArtKuehlregelung, arZweiPunkt);
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(StoredRecord()->Param16, 2);
    EXPECT_EQ(StoredRecord()->Param18, 2);

    window.Clear();
    Device().AnswerDeleteAllowed(0);
    Choose(R::tagArtRegelung, arSchaltendePWM);
    EXPECT_EQ(regler->ArtRegelung, arZweiPunkt);
    EXPECT_EQ(regler->ArtHeizregelung, arZweiPunkt);
    EXPECT_EQ(regler->ArtKuehlregelung, arZweiPunkt);
}

TEST_F(Aenderung, TheCommonAdditionalControlTypeSetsBothAdditionalStages)
{
    regler->ReglerBetriebsart = rbaGrundZusatzHeizenKuehlen;
    regler->StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Ja;
    Choose(R::tagArtRegelungZusatzstufe, arSchaltendePWM);

    EXPECT_EQ(Requests(), Lines({{"ask 3160 3200 3170 3210"}, Heating(12, 0, 5, 2)}));
    EXPECT_EQ(regler->ArtZusatzstufeHeizen, arSchaltendePWM);
    EXPECT_EQ(regler->ArtZusatzstufeKuehlen, arSchaltendePWM);
}

TEST_F(Aenderung, TheCommonObjectRowCarriesTheChangeThroughTheOutputPage)
{
    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    Choose(R::tagStellgrHeizenKuehlenGemObjekt, 1);

    EXPECT_EQ(Requests(),
              Lines({{"ask 3160 3200 3170 3210 3180 3220 3190 3230 3090 3110 3120", "udm 8/0"}, Cooling(0, 0, 0, 0),
                     Heating(6, 0, 0, 0)}));
    EXPECT_EQ(regler->StellgrHeizenKuehlenGemObjekt, T_DB_EnumDataBasis::Ja);
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_TRUE(StoredRecord()->Bool4);
    EXPECT_EQ(Posts(), ObjectsAndAll(R::tagStellgrHeizenKuehlenGemObjekt));
}

// The common actuating object of operating types 2 and 5, switched on, switched off or refused,
// whatever control types the stages have: the grid, the objects, the output page and the record
// read back tell the same.
enum class CommonStep { On, Off, Refused };

struct CommonCase {
    std::string name;
    TEnumReglerBetriebsart type;
    TEnumArtRegelung heating;
    TEnumArtRegelung cooling;
    CommonStep step;
};

class CommonObject : public Aenderung, public ::testing::WithParamInterface<CommonCase> {
protected:
    bool Five() const { return GetParam().type == rbaGrundZusatzHeizenKuehlen; }
    // A user's choice; the objects it switched are kept.
    void Step(int tag, int value)
    {
        Choose(tag, value);
        KeepObjects(objects);
    }
    // The value each object switched since the last clear was set to.
    void KeepObjects(std::map<int, int>& into)
    {
        for (const FakeDevice::TransportRequest& request : Device().TransportRequests()) {
            if (request.Code == UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER)
                into[request.DisplayOrder] = request.Value;
        }
    }
    // The stages' control types as the user sets them up: the operating type, then the control
    // types; the additional stages take the base stages' types the other way round, so that
    // they differ as well. Switching off starts from a common object set up the same way.
    void SetUp() override
    {
        const auto [name, type, heating, cooling, step] = GetParam();
        Step(R::tagBetriebsart, type);
        if (step == CommonStep::Off) {
            Step(R::tagStellgrHeizenKuehlenGemObjekt, 1);
            Step(Five() ? R::tagArtRegelungGrundstufe : R::tagArtRegelung, heating);
            if (Five())
                Step(R::tagArtRegelungZusatzstufe, cooling);
            return;
        }
        Step(Five() ? R::tagArtRegelungGrundstufeHeizen : R::tagArtHeizregelung, heating);
        Step(Five() ? R::tagArtRegelungGrundstufeKuehlen : R::tagArtKuehlregelung, cooling);
        if (Five()) {
            Step(R::tagArtRegelungZusatzstufeHeizen, cooling);
            Step(R::tagArtRegelungZusatzstufeKuehlen, heating);
        }
    }
    int ShownValue(int tag) const { return static_cast<int>(ValueCell(tag).Value); }
    // The rows of a grid with their values.
    static std::vector<std::pair<int, double>> Shown(const TDrawGridSE& rows)
    {
        std::vector<std::pair<int, double>> shown;
        for (int row = 0; row < rows.GetRowCount(); ++row)
            shown.emplace_back(rows.GetCell(0, row)->Tag, rows.GetCell(1, row)->Value);
        return shown;
    }

    std::map<int, int> objects;
};

TEST_P(CommonObject, GridObjectsOutputPageAndRecordAgree)
{
    const auto [name, type, heating, cooling, step] = GetParam();
    const bool common = step == CommonStep::On;
    const auto before = Members(*regler);
    if (step == CommonStep::Refused)
        Device().AnswerDeleteAllowed(0);

    Step(R::tagStellgrHeizenKuehlenGemObjekt, step == CommonStep::Off ? 0 : 1);

    EXPECT_EQ(regler->StellgrHeizenKuehlenGemObjekt, common ? T_DB_EnumDataBasis::Ja : T_DB_EnumDataBasis::Nein);
    if (step == CommonStep::Refused) {
        EXPECT_EQ(Members(*regler), before) << "a refusal puts every member back";
        EXPECT_TRUE(ObjectSwitches().empty());
        EXPECT_FALSE(Stored());
    }
    // Heating, cooling, additional heating, additional cooling: a common object stands for the
    // heating stages, switched off it leaves their types to both directions.
    const std::array<TEnumArtRegelung, 4> stages = step == CommonStep::Refused
        ? std::array{heating, cooling, cooling, heating}
        : std::array{heating, heating, cooling, cooling};
    EXPECT_EQ(regler->ArtHeizregelung, stages[0]);
    EXPECT_EQ(regler->ArtKuehlregelung, stages[1]);
    if (Five()) {
        EXPECT_EQ(regler->ArtZusatzstufeHeizen, stages[2]);
        EXPECT_EQ(regler->ArtZusatzstufeKuehlen, stages[3]);
    }

    Build();
    if (common) {
        EXPECT_EQ(ShownValue(Five() ? R::tagArtRegelungGrundstufe : R::tagArtRegelung), stages[0]);
        if (Five()) {
            EXPECT_EQ(ShownValue(R::tagArtRegelungZusatzstufe), stages[2]);
        }
    } else {
        EXPECT_EQ(ShownValue(Five() ? R::tagArtRegelungGrundstufeHeizen : R::tagArtHeizregelung), stages[0]);
        EXPECT_EQ(ShownValue(Five() ? R::tagArtRegelungGrundstufeKuehlen : R::tagArtKuehlregelung), stages[1]);
        if (Five()) {
            EXPECT_EQ(ShownValue(R::tagArtRegelungZusatzstufeHeizen), stages[2]);
            EXPECT_EQ(ShownValue(R::tagArtRegelungZusatzstufeKuehlen), stages[3]);
        }
    }

    // The output page's time rows by the stages in use: sending on change with a continuous
    // stage, the cycle time with a PWM stage, cyclic sending with any other.
    TReglerStellgroessenStatusAusgabe page(window.Handle(), System, regler->GetHandle(), "Ausgabe", 0);
    TDrawGridSE pageGrid;
    page.BuildInfoWindow(&pageGrid, nullptr, false, -1, -1);
    const auto inUse = Five() ? std::vector(stages.begin(), stages.end()) : std::vector{stages[0], stages[1]};
    const auto any = [&inUse](auto test) { return std::any_of(inUse.begin(), inUse.end(), test); };
    std::vector<int> timeRows;
    if (any([](TEnumArtRegelung art) { return art == PI; }))
        timeRows.push_back(TReglerStellgroessenStatusAusgabe::tagAutomatischesSendenBeiAenderung);
    if (any([](TEnumArtRegelung art) { return art == PWM; }))
        timeRows.push_back(TReglerStellgroessenStatusAusgabe::tagStellzykluszeit);
    if (any([](TEnumArtRegelung art) { return art != PWM; }))
        timeRows.push_back(TReglerStellgroessenStatusAusgabe::tagZykluszeitAutomatischesSenden);
    std::vector<int> pageTimeRows = climatest::RowTags(pageGrid);
    std::erase_if(pageTimeRows, [](int tag) { return tag > 2; });
    EXPECT_EQ(pageTimeRows, timeRows);

    // Written and read back: the same rows, and the objects the device has are those the
    // stored setting switches.
    TReglerFunktion restored(window.Handle(), System, Parent, "Regler", regler->GetHandle());
    restored.InitFromDB(WriteRecord());
    TDrawGridSE restoredGrid;
    restored.BuildInfoWindow(&restoredGrid, nullptr, false, -1, -1);
    EXPECT_EQ(Shown(restoredGrid), Shown(grid));

    window.Clear();
    ASSERT_TRUE(restored.ModifyArtHeizregelungObjekte(false, false));
    ASSERT_TRUE(restored.ModifyArtKuehlregelungObjekte(false, false));
    std::map<int, int> stored;
    KeepObjects(stored);
    ASSERT_EQ(stored.size(), 8u);
    for (const auto& [number, value] : stored)
        EXPECT_EQ(objects[number], value) << "object " << number;
}

std::vector<CommonCase> CommonCases()
{
    const std::pair<TEnumArtRegelung, const char*> arten[]{{PI, "PI"}, {PWM, "PWM"}, {P2, "TwoPoint"}};
    const std::pair<CommonStep, const char*> steps[]{
        {CommonStep::On, "On"}, {CommonStep::Off, "Off"}, {CommonStep::Refused, "Refused"}};
    std::vector<CommonCase> cases;
    for (const auto type : {rbaHeizenUndKuehlen, rbaGrundZusatzHeizenKuehlen}) {
        for (const auto& [heating, heatingName] : arten) {
            for (const auto& [cooling, coolingName] : arten) {
                for (const auto& [step, stepName] : steps) {
                    cases.push_back({std::string("Type") + std::to_string(type) + "Heating" + heatingName + "Cooling"
                                         + coolingName + stepName,
                                     type, heating, cooling, step});
                }
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, CommonObject, ::testing::ValuesIn(CommonCases()),
                         [](const auto& info) { return info.param.name; });

TEST_F(Aenderung, TheOperatingModeRowAsksForItsTwoObjects)
{
    Choose(R::tagBetriebsmodusUmschaltung, bmuUeberSchalten);
    EXPECT_EQ(Requests(), (std::vector<std::string>{"ask 3050 3060", "set 3050=2 @-1900", "set 3060=0 @-1500"}));
    EXPECT_EQ(Posts(), ObjectsAndAll(R::tagBetriebsmodusUmschaltung));
}

TEST_F(Aenderung, TheFanStageRowsSwitchTheirObject)
{
    Choose(R::tagLuefterstufenAnzeige, 1);
    Choose(R::tagObjekttypLuefterstufen, olEinByte);
    EXPECT_EQ(Requests(), std::vector<std::string>{"set 3280=2 @-100 ask"});
    EXPECT_EQ(regler->ObjekttypLuefterstufen, olEinByte);
}

// Presets of the heating and cooling systems.

struct PresetCase {
    const char* name;
    std::function<void(TReglerFunktion&)> setup;
    int tag;
    int value;
    TRegelparameter TReglerFunktion::*satz;
    TRegelparameter expected;
};

class Presets : public Aenderung, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(Presets, SetBandAndResetTimeAndKeepTheLimits)
{
    GetParam().setup(*regler);
    (*regler).*GetParam().satz = {11, 22, 9, -9};
    Choose(GetParam().tag, GetParam().value);

    EXPECT_EQ((*regler).*GetParam().satz, GetParam().expected);
    EXPECT_TRUE(Requests().empty()) << "no object depends on the system";
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(Posts(), All(GetParam().tag));
}

const auto Nothing = [](TReglerFunktion&) {};

INSTANTIATE_TEST_SUITE_P(
    Systems, Presets,
    ::testing::Values(
        PresetCase{"Fussbodenheizung", Nothing, R::tagArtHeizung, ahFussbodenheizung, &R::RegelparameterHeizen,
                   {50, 240, 9, -9}},
        PresetCase{"Elektroheizung", Nothing, R::tagArtHeizung, ahElektroheizung, &R::RegelparameterHeizen,
                   {40, 100, 9, -9}},
        PresetCase{"OverControlParametersKeeps", Nothing, R::tagArtHeizung, ahUeberRegelparameter,
                   &R::RegelparameterHeizen, {11, 22, 9, -9}},
        PresetCase{"Grundheizung", [](R& r) { r.ReglerBetriebsart = rbaGrundZusatzHeizen; }, R::tagArtGrundheizung,
                   ahGeblaesekonvektor, &R::RegelparameterHeizen, {40, 90, 9, -9}},
        PresetCase{"Zusatzheizung", [](R& r) { r.ReglerBetriebsart = rbaGrundZusatzHeizen; }, R::tagArtZusatzheizung,
                   ahSplitUnit, &R::RegelparameterZusatzheizen, {40, 90, 9, -9}},
        PresetCase{"HeizungRk2", [](R& r) { r.Regelkreise = rkZweiRegelkreise; }, R::tagArtHeizungRk2,
                   ahElektroheizung, &R::RegelparameterHeizenRk2, {40, 100, 9, -9}},
        PresetCase{"Kuehlung", [](R& r) { r.ReglerBetriebsart = rbaKuehlen; }, R::tagArtKuehlung, akGeblaesekonvektor,
                   &R::RegelparameterKuehlen, {40, 90, 9, -9}},
        PresetCase{"Grundkuehlung",
                   [](R& r) {
                       r.ReglerBetriebsart = rbaGrundZusatzKuehlen;
                       r.ArtKuehlung = akSplitUnit;
                   },
                   R::tagArtGrundkuehlung, akKuehldecke, &R::RegelparameterKuehlen, {50, 240, 9, -9}},
        PresetCase{"Zusatzkuehlung",
                   [](R& r) {
                       r.ReglerBetriebsart = rbaGrundZusatzKuehlen;
                       r.ArtZusatzstufeKuehlen = arStetigePI;
                   },
                   R::tagArtZusatzkuehlung, akSplitUnit, &R::RegelparameterZusatzkuehlen, {40, 90, 9, -9}},
        PresetCase{"KuehlungRk2",
                   [](R& r) {
                       r.Regelkreise = rkZweiRegelkreise;
                       r.ReglerBetriebsart = rbaKuehlen;
                   },
                   R::tagArtKuehlungRk2, akGeblaesekonvektor, &R::RegelparameterKuehlenRk2, {40, 90, 9, -9}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Aenderung, OverControlParametersAfterAPresetShowsItsValuesAsRows)
{
    Choose(R::tagArtHeizung, ahFussbodenheizung);
    Choose(R::tagArtHeizung, ahUeberRegelparameter);
    Build();
    ASSERT_GE(Row(R::tagProportionalbereichHeizen), 0);
    EXPECT_EQ(grid.GetCell(1, Row(R::tagProportionalbereichHeizen))->Value, 50);
    EXPECT_EQ(grid.GetCell(1, Row(R::tagNachstellzeitHeizen))->Value, 240);
}

// Plain values.

struct NumberCase {
    const char* name;
    std::function<void(TReglerFunktion&)> setup;
    int tag;
    int value;
    std::function<std::int32_t(const TReglerFunktion&)> member;
};

class Numbers : public Aenderung, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(Numbers, AreStoredAndRebuildTheOtherViews)
{
    GetParam().setup(*regler);
    Spin(GetParam().tag, GetParam().value);
    EXPECT_EQ(GetParam().member(*regler), GetParam().value);
    EXPECT_TRUE(Requests().empty());
    EXPECT_TRUE(Stored());
    EXPECT_EQ(Posts(), Others());
}

INSTANTIATE_TEST_SUITE_P(
    SpinRows, Numbers,
    ::testing::Values(
        NumberCase{"HeatingBand", [](R& r) { r.ArtHeizung = ahUeberRegelparameter; }, R::tagProportionalbereichHeizen,
                   99, [](const R& r) { return r.RegelparameterHeizen.Proportionalbereich; }},
        NumberCase{"BaseHeatingLower",
                   [](R& r) {
                       r.ReglerBetriebsart = rbaGrundZusatzHeizen;
                       r.ArtHeizregelung = arZweiPunkt;
                   },
                   R::tagUntereHysteresegrenzeGrundheizen, -100,
                   [](const R& r) { return r.RegelparameterHeizen.UntereHysteresegrenze; }},
        NumberCase{"AdditionalCoolingUpper",
                   [](R& r) { r.ReglerBetriebsart = rbaGrundZusatzKuehlen; }, R::tagObereHysteresegrenzeZusatzkuehlen,
                   50, [](const R& r) { return r.RegelparameterZusatzkuehlen.ObereHysteresegrenze; }},
        NumberCase{"CoolingCircuit2Reset",
                   [](R& r) {
                       r.Regelkreise = rkZweiRegelkreise;
                       r.ReglerBetriebsart = rbaKuehlen;
                       r.ArtKuehlungRk2 = akUeberRegelparameter;
                   },
                   R::tagNachstellzeitKuehlenRk2, 0, [](const R& r) { return r.RegelparameterKuehlenRk2.Nachstellzeit; }},
        NumberCase{"WindowDelay", Nothing, R::tagVerzoegerungFensterstatus, 255,
                   [](const R& r) { return r.VerzoegerungFensterstatus; }},
        NumberCase{"FrostDuration",
                   [](R& r) {
                       r.FrostHitzeschutz = fhsFrostschutzAutomatik;
                       r.FrostschutzAutomatik = fsa02KProMin;
                   },
                   R::tagFrostschutzdauerAutomatik, 1, [](const R& r) { return r.FrostschutzdauerAutomatik; }},
        NumberCase{"CyclicSending", [](R& r) { r.ReglerBetriebsart = rbaHeizenUndKuehlen; },
                   R::tagZyklischesSendenUmschaltung, 17, [](const R& r) { return r.ZyklischesSendenUmschaltung; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Aenderung, AnUnchangedNumberNeitherStoresNorPosts)
{
    regler->FrostHitzeschutz = fhsFrostschutzAutomatik;
    regler->FrostschutzAutomatik = fsa02KProMin;
    Spin(R::tagFrostschutzdauerAutomatik, 20);
    EXPECT_FALSE(Stored());
    EXPECT_TRUE(Posts().empty());
}

TEST_F(Aenderung, PlainChoicesStoreAndRebuildAsTheirRuleSays)
{
    Choose(R::tagVentilschutz, 1);
    EXPECT_EQ(regler->Ventilschutz, T_DB_EnumDataBasis::Ja);
    EXPECT_TRUE(StoredRecord()->Bool3);
    EXPECT_EQ(Posts(), Others());

    regler->FrostHitzeschutz = fhsFrostschutzAutomatik;
    Choose(R::tagFrostschutzAutomatik, fsa06KProMin);
    EXPECT_EQ(regler->FrostschutzAutomatik, fsa06KProMin);
    EXPECT_EQ(Posts(), All(R::tagFrostschutzAutomatik));

    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    Choose(R::tagAutomatischesSendenUmschaltung, asuBeimAendernDerAusgangsgroesse);
    EXPECT_EQ(StoredRecord()->Param10, 1);
    EXPECT_EQ(Posts(), Others());
    EXPECT_TRUE(Requests().empty());
}

} // namespace
} // namespace climatest
