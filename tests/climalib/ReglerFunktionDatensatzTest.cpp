#include "tests/climalib/ReglerFunktionFixture.h"
#include "tests/climalib/support/NamedCase.h"

#include <array>
#include <functional>

namespace climatest {
namespace {

using climatest::PrintTo;
using namespace T_DB_EnumReglerFunktion;
using R = TReglerFunktion;
using T_DB_EnumDataBasis::Ja;
using T_DB_EnumDataBasis::Nein;

// Every member away from its default.
void Configure(TReglerFunktion& r)
{
    r.BetriebsmodusUmschaltung = bmuUeberSchalten;
    r.ReglerBetriebsart = rbaGrundZusatzHeizenKuehlen;
    r.ReglerBedienungSperrbar = rbsUeberObjekt;
    r.ReglerAbschalten = raUeberObjekt;
    r.UmschaltungHeizenKuehlen = uhkUeberObjekt;
    r.BetriebsartNachReset = bnrBetriebsartVorReset;
    r.AutomatischesSendenUmschaltung = asuBeimAendernDerAusgangsgroesse;
    r.FrostschutzAutomatik = fsa04KProMin;
    r.VerzoegerungFensterstatus = 42;
    r.FrostschutzdauerAutomatik = 33;
    r.ZyklischesSendenUmschaltung = 17;
    r.Regelkreise = rkZweiRegelkreise;
    r.ArtHeizregelung = arSchaltendePWM;
    r.ArtRegelung = arSchaltendePWM;
    r.ArtHeizung = ahSplitUnit;
    r.ArtKuehlregelung = arZweiPunkt;
    r.ArtKuehlung = akSplitUnit;
    r.Ventilschutz = Ja;
    r.StellgrHeizenKuehlenGemObjekt = Ja;
    r.SperrobjektZusatzstufe = Ja;
    r.RegelparameterHeizen = {61, 62, 63, -64};
    r.RegelparameterKuehlen = {71, 72, 73, -74};
    r.RegelparameterZusatzheizen = {81, 82, 83, -84};
    r.RegelparameterZusatzkuehlen = {91, 92, 93, -94};
    r.RegelparameterHeizenRk2 = {101, 102, 103, -104};
    r.RegelparameterKuehlenRk2 = {111, 112, 113, -114};
    r.ArtZusatzstufeHeizen = arSchaltendePWM;
    r.ArtRegelungZusatzstufe = arSchaltendePWM;
    r.ArtZusatzstufeKuehlen = arStetigePI;
    r.ArtZusatzheizung = ahGeblaesekonvektor;
    r.ArtZusatzkuehlung = akGeblaesekonvektor;
    r.FrostHitzeschutz = fhsFrostschutzAutomatik;
    r.ArtHeizregelungRk2 = arZweiPunkt;
    r.ArtKuehlregelungRk2 = arSchaltendePWM;
    r.ArtHeizungRk2 = ahUeberRegelparameter;
    r.ArtKuehlungRk2 = akUeberRegelparameter;
    r.ObjekttypLuefterstufen = olEinByte;
    r.LuefterstufenAnzeige = Ja;
}

std::vector<std::int32_t> Params(const TDatenStruktur& record)
{
    std::vector<std::int32_t> params;
    for (int n = 1; n <= TDatenStruktur::ParamCount; ++n)
        params.push_back(record.ParamAt(n));
    return params;
}

std::vector<bool> Bools(const TDatenStruktur& record)
{
    std::vector<bool> bools;
    for (int n = 1; n <= TDatenStruktur::BoolCount; ++n)
        bools.push_back(record.BoolAt(n));
    return bools;
}

using Datensatz = ReglerFunktionFixture;

TEST_F(ReglerFunktionFixture, TheClassAnswersItsConstantsAndARestoredObjectSendsNothing)
{
    EXPECT_EQ(regler->GetTyp(), 6576);
    EXPECT_EQ(regler->GetIcon(), 32);
    EXPECT_EQ(regler->GetQuickHelpIndexOffset(), 800);
    EXPECT_EQ(regler->ListStyle(), 1);
    EXPECT_FALSE(regler->AllowChild(6577));
    EXPECT_TRUE(regler->GlobalParameterEnabled());

    TReglerFunktion restored(window.Handle(), System, Parent, "Regler", 4711);
    EXPECT_EQ(restored.GetHandle(), 4711);
    EXPECT_TRUE(window.Messages().empty());
}

TEST_F(ReglerFunktionFixture, NameAlignmentTakesTheDevicesDefaultName)
{
    Device().SetDefaultName(R::Typ, "Raumtemperaturregler-Funktion");
    EXPECT_TRUE(regler->DatenAbgleich(true, false));
    EXPECT_EQ(regler->GetName(true), "Raumtemperaturregler-Funktion");
}

TEST_F(Datensatz, WriteFillsTheMainRecordAndThreeAdditionalRecords)
{
    Configure(*regler);
    regler->SetPosId(7);
    const TDatenStruktur& main = WriteRecord();

    EXPECT_EQ(main.Typ, R::Typ);
    EXPECT_EQ(main.Handle, regler->GetHandle());
    EXPECT_EQ(Params(main), (std::vector<std::int32_t>{7, 0, 1, 5, 2, 1, 0, 1, 2, 1, 3, 42, 33, 17, 1, 1, 4, 2, 2}));
    EXPECT_EQ(Bools(main), (std::vector<bool>{false, false, true, true, true, false, false, false, false, false}));
    const auto chain = Device().Chain(main);
    ASSERT_EQ(chain.size(), 3u);
    for (const TDatenStruktur* added : chain) {
        EXPECT_EQ(added->Typ, 0);
        EXPECT_EQ(added->Parent, regler->GetHandle());
    }
    EXPECT_EQ(Params(*chain[0]),
              (std::vector<std::int32_t>{0, 61, 62, 63, 71, 72, 73, -64, -74, 1, 0, 3, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Params(*chain[1]),
              (std::vector<std::int32_t>{0, 81, 82, 83, -84, 91, 92, 93, -94, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Params(*chain[2]),
              (std::vector<std::int32_t>{0, 2, 1, 5, 3, 101, 102, 103, -104, 111, 112, 113, -114, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(Bools(*chain[2]), (std::vector<bool>{true, false, false, false, false, false, false, false, false, false}));
    EXPECT_EQ(chain[2]->Next, 0);
}

TEST_F(Datensatz, WritingTwiceReplacesTheWholeChain)
{
    TDatenStruktur& main = WriteRecord();
    regler->Write(main);
    EXPECT_EQ(Device().RecordCount(), 4u);
    EXPECT_EQ(Device().Chain(main).size(), 3u);
}

TEST_F(Datensatz, ARecordReadBackGivesEqualMembers)
{
    Configure(*regler);
    const TDatenStruktur& main = WriteRecord();

    TReglerFunktion restored(window.Handle(), System, Parent, "anders", main.Handle);
    restored.InitFromDB(main);
    EXPECT_EQ(Members(restored), Members(*regler));
    EXPECT_EQ(restored.GetName(false), "Regler");
}

TEST_F(Datensatz, TheCommonControlTypesFollowTheStagesTheyStandFor)
{
    regler->ArtHeizregelung = arZweiPunkt;
    regler->ArtRegelung = arStetigePI;
    regler->ArtZusatzstufeHeizen = arSchaltendePWM;
    regler->ArtRegelungZusatzstufe = arStetigePI;
    const TDatenStruktur& main = WriteRecord();

    TReglerFunktion restored(window.Handle(), System, Parent, "Regler", main.Handle);
    restored.InitFromDB(main);
    EXPECT_EQ(restored.ArtRegelung, arZweiPunkt);
    EXPECT_EQ(restored.ArtRegelungZusatzstufe, arSchaltendePWM);
}

// A chain that ends early: the members of the missing records keep their values.
struct MissingCase {
    const char* name;
    int present; // additional records that exist
};

class MissingAdditionalRecord : public Datensatz, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingAdditionalRecord, KeepsTheDefaultsOfItsMembers)
{
    Configure(*regler);
    TDatenStruktur written = WriteRecord();
    const auto chain = Device().Chain(written);
    std::vector<TDatenStruktur> additional;
    for (const TDatenStruktur* record : chain)
        additional.push_back(*record);

    // A fresh device holding the main record and only the first additional records; the last
    // one present points at a record that is not there.
    FakeMainWindow other;
    written.Next = GetParam().present > 0 ? additional[0].Handle : 900;
    TDatenStruktur& main = other.Device().AddRecord(written);
    for (int i = 0; i < GetParam().present; ++i) {
        TDatenStruktur record = additional[static_cast<std::size_t>(i)];
        if (i + 1 == GetParam().present)
            record.Next = 900;
        other.Device().AddRecord(record);
    }
    const std::size_t records = other.Device().RecordCount();
    const int created = other.Device().CreatedRecords();

    TReglerFunktion restored(other.Handle(), System, Parent, "Regler", main.Handle);
    restored.InitFromDB(main);

    TReglerFunktion defaults(other.Handle(), System, Parent, "Regler", main.Handle);
    EXPECT_EQ(restored.ReglerBetriebsart, regler->ReglerBetriebsart) << "the main record is read";
    EXPECT_EQ(restored.ArtRegelung, regler->ArtHeizregelung);
    const bool first = GetParam().present >= 1;
    const bool second = GetParam().present >= 2;
    const auto& expectFirst = first ? *regler : defaults;
    const auto& expectSecond = second ? *regler : defaults;
    EXPECT_EQ(restored.RegelparameterHeizen, expectFirst.RegelparameterHeizen);
    EXPECT_EQ(restored.ArtZusatzstufeKuehlen, expectFirst.ArtZusatzstufeKuehlen);
    EXPECT_EQ(restored.FrostHitzeschutz, expectFirst.FrostHitzeschutz);
    EXPECT_EQ(restored.ArtRegelungZusatzstufe, expectFirst.ArtRegelungZusatzstufe);
    EXPECT_EQ(restored.RegelparameterZusatzkuehlen, expectSecond.RegelparameterZusatzkuehlen);
    EXPECT_EQ(restored.RegelparameterKuehlenRk2, defaults.RegelparameterKuehlenRk2);
    EXPECT_EQ(restored.LuefterstufenAnzeige, Nein);
    EXPECT_EQ(restored.ArtHeizungRk2, ahWarmwasserheizung);
    EXPECT_EQ(other.Device().RecordCount(), records);
    EXPECT_EQ(other.Device().CreatedRecords(), created) << "reading creates no record";
}

INSTANTIATE_TEST_SUITE_P(Chains, MissingAdditionalRecord,
                         ::testing::Values(MissingCase{"First", 0}, MissingCase{"Second", 1}, MissingCase{"Third", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Datensatz, WithoutNextNoAdditionalRecordIsLookedFor)
{
    TDatenStruktur main;
    main.Handle = regler->GetHandle();
    main.Param4 = rbaKuehlen;
    regler->InitFromDB(main);
    EXPECT_EQ(regler->ReglerBetriebsart, rbaKuehlen);
    EXPECT_EQ(regler->ArtZusatzstufeKuehlen, arZweiPunkt);
    EXPECT_EQ(regler->FrostHitzeschutz, fhsUeberFensterstatus);
    EXPECT_TRUE(window.Received(WM_USER_GETDATENSATZANYPARENT).empty());
}

// Queries of the output page.
struct StageCase {
    const char* name;
    std::function<void(TReglerFunktion&)> setup;
    std::uint8_t artZykluszeit;
    std::uint8_t automatischesSenden;
};

class StagesInUse : public ReglerFunktionFixture, public ::testing::WithParamInterface<StageCase> {};

TEST_P(StagesInUse, DecideCycleTimeAndAutomaticSending)
{
    GetParam().setup(*regler);
    EXPECT_EQ(regler->GetArtZykluszeit(), GetParam().artZykluszeit);
    EXPECT_EQ(regler->GetAutomatischesSenden(), GetParam().automatischesSenden);
}

std::function<void(TReglerFunktion&)> Stages(TEnumReglerBetriebsart type, TEnumRegelkreise circuits,
                                             std::array<TEnumArtRegelung, 6> arten)
{
    return [=](TReglerFunktion& r) {
        r.ReglerBetriebsart = type;
        r.Regelkreise = circuits;
        r.ArtHeizregelung = arten[0];
        r.ArtKuehlregelung = arten[1];
        r.ArtZusatzstufeHeizen = arten[2];
        r.ArtZusatzstufeKuehlen = arten[3];
        r.ArtHeizregelungRk2 = arten[4];
        r.ArtKuehlregelungRk2 = arten[5];
    };
}

INSTANTIATE_TEST_SUITE_P(
    Types, StagesInUse,
    ::testing::Values(
        StageCase{"HeatingPWMCoolingPI", Stages(rbaHeizenUndKuehlen, rkEinRegelkreis, {PWM, PI, PWM, PWM, PWM, PWM}),
                  3, 1},
        StageCase{"BothPWM", Stages(rbaHeizenUndKuehlen, rkEinRegelkreis, {PWM, PWM, PI, PI, PI, PI}), 1, 0},
        StageCase{"NeitherPWM", Stages(rbaHeizenUndKuehlen, rkEinRegelkreis, {PI, P2, PWM, PWM, PWM, PWM}), 2, 1},
        StageCase{"TwoPointOnly", Stages(rbaHeizenUndKuehlen, rkEinRegelkreis, {P2, P2, PI, PI, PI, PI}), 2, 0},
        StageCase{"SingleStagePWM", Stages(rbaHeizen, rkEinRegelkreis, {PWM, PI, PI, PI, PI, PI}), 1, 0},
        StageCase{"SingleStage2P", Stages(rbaKuehlen, rkEinRegelkreis, {PWM, P2, PWM, PWM, PWM, PWM}), 2, 0},
        StageCase{"AdditionalHeating", Stages(rbaGrundZusatzHeizen, rkEinRegelkreis, {PWM, PI, PWM, PI, PI, PI}), 1, 0},
        StageCase{"AdditionalCooling", Stages(rbaGrundZusatzKuehlen, rkEinRegelkreis, {PI, PWM, PI, PI, PI, PI}), 3, 1},
        StageCase{"AdditionalCoolingStageOfItsOwn",
                  Stages(rbaGrundZusatzKuehlen, rkEinRegelkreis, {P2, PWM, PI, PWM, PI, PI}), 1, 0},
        StageCase{"FourStages", Stages(rbaGrundZusatzHeizenKuehlen, rkEinRegelkreis, {PWM, PWM, PWM, PI, P2, P2}), 3,
                  1},
        StageCase{"TwoCircuitsHeating", Stages(rbaHeizen, rkZweiRegelkreise, {PWM, PI, PI, PI, P2, PI}), 3, 0},
        StageCase{"TwoCircuitsCooling", Stages(rbaKuehlen, rkZweiRegelkreise, {PWM, PI, PWM, PWM, PWM, PI}), 2, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReglerFunktionFixture, TheQueriesAnswerTheMembers)
{
    Configure(*regler);
    EXPECT_EQ(regler->GetValueOfRegelkreise(), 1);
    EXPECT_EQ(regler->GetValueOfReglerBetriebsart(), 5);
    EXPECT_EQ(regler->GetValueOfReglerBedienungSperrbar(), 2);
    EXPECT_EQ(regler->GetValueOfStellgrHeizenKuehlenGemObjekt(), 1);
    EXPECT_TRUE(window.Messages().empty());
}

TEST_F(ReglerFunktionFixture, TheLevelAccessComesFromTheDeviceAndIsZeroWithoutAnswer)
{
    Device().SetZugriffAufBedienebenen(0x102);
    T_DB_EnumTalvoSystem::TEnumZugriffBedienebenen level{};
    EXPECT_TRUE(regler->CallGetValueOfZugriffAufBedienebenen(level));
    EXPECT_EQ(level, 2) << "the low byte";

    window.SetDeviceMissing(true);
    EXPECT_FALSE(regler->CallGetValueOfZugriffAufBedienebenen(level));
    EXPECT_EQ(level, 0);
}

TEST_F(ReglerFunktionFixture, TheTableUpdatesCarryTheAskFlag)
{
    EXPECT_TRUE(regler->CallUpdateTableSollwerte(true));
    EXPECT_TRUE(regler->CallUpdateTableRaumtemperaturMessung(false));
    Device().AnswerDeviceRequest(UDM_UPDATE_TABLE_STELLGROESSEN_STATUS_AUSGABE, 0);
    EXPECT_FALSE(regler->CallUpdateTableStellgroessenStatusAusgabe(true));
    EXPECT_EQ(Requests(), (std::vector<std::string>{"udm 14/1", "udm 15/0", "udm 8/1"}));
    for (const auto& request : Device().DeviceRequests()) {
        EXPECT_EQ(request.Sender, regler.get());
        EXPECT_EQ(request.Handle, regler->GetHandle());
    }
}

// Defaults of the operating types.
struct DefaultCase {
    const char* name;
    TEnumReglerBetriebsart type;
    std::function<void(TReglerFunktion&)> expected; // what the defaults change
};

class OperatingTypeDefaults : public ReglerFunktionFixture, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(OperatingTypeDefaults, SetOnlyTheMembersOfTheType)
{
    Configure(*regler);
    regler->ReglerBetriebsart = GetParam().type;
    TReglerFunktion expected(window.Handle(), System, Parent, "Regler", 999);
    Configure(expected);
    expected.ReglerBetriebsart = GetParam().type;
    expected.StellgrHeizenKuehlenGemObjekt = Nein;
    GetParam().expected(expected);

    regler->SetDefaultValuesBetriebsart();
    EXPECT_EQ(Members(*regler), Members(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Types, OperatingTypeDefaults,
    ::testing::Values(
        DefaultCase{"Heizen", rbaHeizen,
                    [](R& e) {
                        e.ArtHeizregelung = PI;
                        e.ArtHeizung = ahWarmwasserheizung;
                        e.RegelparameterHeizen = {50, 150, 63, -64};
                        e.ArtHeizregelungRk2 = PI;
                        e.ArtHeizungRk2 = ahWarmwasserheizung;
                        e.RegelparameterHeizenRk2 = {50, 150, 103, -104};
                        e.UmschaltungHeizenKuehlen = uhkAutomatisch;
                        e.BetriebsartNachReset = bnrHeizen;
                    }},
        DefaultCase{"Kuehlen", rbaKuehlen,
                    [](R& e) {
                        e.ArtKuehlregelung = PI;
                        e.ArtKuehlung = akKuehldecke;
                        e.RegelparameterKuehlen = {50, 240, 73, -74};
                        e.ArtKuehlregelungRk2 = PI;
                        e.ArtKuehlungRk2 = akKuehldecke;
                        e.RegelparameterKuehlenRk2 = {50, 240, 113, -114};
                        e.UmschaltungHeizenKuehlen = uhkAutomatisch;
                        e.BetriebsartNachReset = bnrKuehlen;
                    }},
        DefaultCase{"HeizenUndKuehlen", rbaHeizenUndKuehlen,
                    [](R& e) {
                        e.ArtRegelung = PI;
                        e.ArtHeizregelung = PI;
                        e.ArtKuehlregelung = PI;
                        e.ArtHeizung = ahWarmwasserheizung;
                        e.ArtKuehlung = akKuehldecke;
                        e.RegelparameterHeizen = {50, 150, 63, -64};
                        e.RegelparameterKuehlen = {50, 240, 73, -74};
                        e.BetriebsartNachReset = bnrHeizen;
                    }},
        DefaultCase{"GrundZusatzHeizen", rbaGrundZusatzHeizen,
                    [](R& e) {
                        e.ArtHeizregelung = PI;
                        e.ArtHeizung = ahFussbodenheizung;
                        e.RegelparameterHeizen = {50, 240, 63, -64};
                        e.ArtZusatzstufeHeizen = PI;
                        e.ArtZusatzheizung = ahWarmwasserheizung;
                        e.RegelparameterZusatzheizen = {50, 150, 83, -84};
                        e.UmschaltungHeizenKuehlen = uhkAutomatisch;
                        e.BetriebsartNachReset = bnrHeizen;
                    }},
        DefaultCase{"GrundZusatzKuehlen", rbaGrundZusatzKuehlen,
                    [](R& e) {
                        e.ArtKuehlregelung = P2;
                        e.ArtKuehlung = akKuehldecke;
                        e.ArtZusatzstufeKuehlen = P2;
                        e.ArtZusatzkuehlung = akKuehldecke;
                        e.UmschaltungHeizenKuehlen = uhkAutomatisch;
                        e.BetriebsartNachReset = bnrKuehlen;
                    }},
        DefaultCase{"GrundZusatzHeizenKuehlen", rbaGrundZusatzHeizenKuehlen,
                    [](R& e) {
                        e.ArtRegelung = PI;
                        e.ArtHeizregelung = PI;
                        e.ArtKuehlregelung = PI;
                        e.ArtHeizung = ahWarmwasserheizung;
                        e.RegelparameterHeizen = {50, 150, 63, -64};
                        e.ArtKuehlung = akKuehldecke;
                        e.RegelparameterKuehlen = {50, 240, 73, -74};
                        e.ArtRegelungZusatzstufe = PI;
                        e.ArtZusatzstufeHeizen = PI;
                        e.ArtZusatzstufeKuehlen = PI;
                        e.ArtZusatzheizung = ahWarmwasserheizung;
                        e.RegelparameterZusatzheizen = {50, 150, 83, -84};
                        e.ArtZusatzkuehlung = akKuehldecke;
                        e.RegelparameterZusatzkuehlen = {50, 240, 93, -94};
                        e.BetriebsartNachReset = bnrHeizen;
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReglerFunktionFixture, TheSavedCopyLeavesOutTheTypeAndTheCircuits)
{
    Configure(*regler);
    const auto configured = Members(*regler);
    regler->SaveValuesBetriebsart();

    TReglerFunktion other(window.Handle(), System, Parent, "Regler", 999);
    // Every member changed, then the saved values back.
    regler->ReglerBetriebsart = rbaKuehlen;
    regler->Regelkreise = rkEinRegelkreis;
    regler->SetDefaultValuesBetriebsart();
    regler->UmschaltungHeizenKuehlen = uhkAutomatisch;
    regler->ArtRegelung = arZweiPunkt;
    regler->ArtHeizung = ahWarmwasserheizung;
    regler->RegelparameterHeizen.Nachstellzeit = 1;
    regler->RestoreValuesBetriebsart();

    Configure(other);
    other.ReglerBetriebsart = rbaKuehlen;
    other.Regelkreise = rkEinRegelkreis;
    EXPECT_EQ(Members(*regler), Members(other));
    EXPECT_NE(Members(*regler), configured);
}

// Global parameters.

TEST_F(ReglerFunktionFixture, DeclaresTheParametersWithTheirDependentRows)
{
    std::vector<int> declared;
    for (int tag = 0; tag <= 74; ++tag) {
        if (const TGlobalParameter* parameter = regler->GetGlobalParameter(tag)) {
            declared.push_back(tag);
            EXPECT_EQ(parameter->Flag, 1);
            EXPECT_EQ(parameter->Value, gpvNichtAendern);
        }
    }
    EXPECT_EQ(declared, (std::vector<int>{4,  5,  6,  7,  8,  10, 11, 12, 13, 14, 19, 20, 21, 22, 23, 25,
                                          26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 39, 40, 42, 43, 44, 45,
                                          46, 48, 49, 51, 52, 61, 62, 63, 64, 65, 67, 68, 69, 70, 71}));
    EXPECT_EQ(regler->GetGlobalParameter(19)->DependentCellTags, (std::vector<int>{4, 5, 6, 21, 20}));
    EXPECT_EQ(regler->GetGlobalParameter(48)->DependentCellTags, (std::vector<int>{10, 11, 12, 30, 49}));
    EXPECT_EQ(regler->GetGlobalParameter(31)->DependentCellTags, (std::vector<int>{13}));
    EXPECT_TRUE(regler->GetGlobalParameter(46)->DependentCellTags.empty());
    EXPECT_TRUE(regler->GlobalParameterEnabled());
}

// Another device's table: its controller record (Handle 77) and a chain of additional records.
class ReglerFunktionWriteGlobalParameter : public ReglerFunktionFixture {
protected:
    void Load(int additionalRecords, std::int32_t circuits = 0, std::int32_t type = 0)
    {
        TDatenStruktur target;
        target.Handle = 77;
        target.Typ = R::Typ;
        target.Param4 = type;
        target.Param15 = circuits;
        target.Param17 = 5;
        target.Param19 = 3;
        TDatenStruktur added;
        for (int n = 1; n <= TDatenStruktur::ParamCount; ++n)
            added.ParamAt(n) = -1;
        table = RecordTable(RecordWithChain(target, additionalRecords, added));
    }

    TDatenStruktur* Stored(int handle) { return TableRecord(*table, handle); }

    void MarkAll()
    {
        for (int tag = 0; tag <= 74; ++tag)
            regler->SetGlobalParameterValue(tag, gpvAendern);
    }

    std::unique_ptr<TDatenManager<TDatenStruktur>> table;
};

TEST_F(ReglerFunktionWriteGlobalParameter, WritesTheMarkedParametersAndTheRowsThatBelongToThem)
{
    Configure(*regler);
    regler->Regelkreise = rkEinRegelkreis;
    regler->ReglerBetriebsart = rbaHeizen;
    Load(3);
    regler->SetGlobalParameterValue(19, gpvAendern); // with 4, 5, 6, 20 and 21
    regler->SetGlobalParameterValue(46, gpvAendern);
    regler->SetGlobalParameterValue(71, gpvAendern);
    std::string message = "alt";

    EXPECT_EQ(regler->WriteGlobalParameter(table.get(), Stored(77), message), 4);
    EXPECT_EQ(message, "");
    EXPECT_EQ(Stored(77)->Param17, ahSplitUnit);
    EXPECT_EQ(Stored(77)->Param19, 3) << "not marked";
    EXPECT_TRUE(Stored(77)->Bool3);
    EXPECT_EQ(Params(*Stored(78)),
              (std::vector<std::int32_t>{-1, 61, 62, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(Params(*Stored(79)), std::vector<std::int32_t>(19, -1));
    EXPECT_EQ(Stored(80)->Param13, -114);
    EXPECT_EQ(Stored(80)->Param12, -1);
}

TEST_F(ReglerFunktionWriteGlobalParameter, EveryParameterGoesToItsField)
{
    Configure(*regler);
    regler->Regelkreise = rkEinRegelkreis;
    regler->ReglerBetriebsart = rbaHeizen;
    Load(3);
    MarkAll();
    std::string message;

    EXPECT_EQ(regler->WriteGlobalParameter(table.get(), Stored(77), message), 4);
    EXPECT_EQ(Params(*Stored(77)), (std::vector<std::int32_t>{0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 3, 42, 33, 17, 0, 0, 4, 0, 2}));
    EXPECT_TRUE(Stored(77)->Bool3);
    EXPECT_FALSE(Stored(77)->Bool4) << "the common object switches objects and is not copied";
    EXPECT_EQ(Params(*Stored(78)),
              (std::vector<std::int32_t>{-1, 61, 62, 63, 71, 72, 73, -64, -74, -1, -1, 3, 1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(Params(*Stored(79)),
              (std::vector<std::int32_t>{-1, 81, 82, 83, -84, 91, 92, 93, -94, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(Params(*Stored(80)), (std::vector<std::int32_t>{-1, -1, -1, 5, 3, 101, 102, 103, -104, 111, 112, 113,
                                                              -114, -1, -1, -1, -1, -1, -1}));
}

struct ShortChainCase {
    const char* name;
    int additionalRecords;
    const char* message;
};

class ShortChain : public ReglerFunktionWriteGlobalParameter, public ::testing::WithParamInterface<ShortChainCase> {};

TEST_P(ShortChain, NamesTheTargetAndTheMissingRecordAndKeepsWhatWasWritten)
{
    Configure(*regler);
    regler->Regelkreise = rkEinRegelkreis;
    regler->ReglerBetriebsart = rbaHeizen;
    Load(GetParam().additionalRecords);
    MarkAll();
    std::string message;

    EXPECT_EQ(regler->WriteGlobalParameter(table.get(), Stored(77), message), 0);
    EXPECT_EQ(message, GetParam().message);
    EXPECT_EQ(Stored(77)->Param17, ahSplitUnit);
    if (GetParam().additionalRecords >= 1) {
        EXPECT_EQ(Stored(78)->Param2, 61);
    }
    if (GetParam().additionalRecords >= 2) {
        EXPECT_EQ(Stored(79)->Param2, 81);
    }
}

INSTANTIATE_TEST_SUITE_P(Chains, ShortChain,
                         ::testing::Values(ShortChainCase{"NoAdditionalRecord", 0, "Handle: 77; Index: 1"},
                                           ShortChainCase{"OneAdditionalRecord", 1, "Handle: 77; Index: 2"},
                                           ShortChainCase{"TwoAdditionalRecords", 2, "Handle: 77; Index: 3"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReglerFunktionWriteGlobalParameter, AnotherControllerStructureIsLeftAlone)
{
    regler->ReglerBetriebsart = rbaHeizen;
    MarkAll();
    for (const auto& [circuits, type] : {std::pair{1, 0}, std::pair{0, 2}}) {
        Load(3, circuits, type);
        std::string message = "alt";
        EXPECT_EQ(regler->WriteGlobalParameter(table.get(), Stored(77), message), 0);
        EXPECT_EQ(message, "alt");
        EXPECT_EQ(Stored(77)->Param17, 5);
        EXPECT_EQ(Stored(78)->Param2, -1);
    }
}

TEST_F(ReglerFunktionWriteGlobalParameter, AMissingTableOrTargetAnswersMinusNine)
{
    Load(3);
    std::string message = "alt";
    EXPECT_EQ(regler->WriteGlobalParameter(nullptr, Stored(77), message), -9);
    EXPECT_EQ(regler->WriteGlobalParameter(table.get(), nullptr, message), -9);
    EXPECT_EQ(message, "alt");
}

} // namespace
} // namespace climatest
