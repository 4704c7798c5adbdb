#include "tests/climalib/ReglerFunktionFixture.h"
#include "tests/climalib/support/NamedCase.h"

#include <functional>

namespace climatest {
namespace {

using climatest::PrintTo;
using namespace T_DB_EnumReglerFunktion;
using R = TReglerFunktion;

struct GridCase {
    const char* name;
    std::function<void(TReglerFunktion&, FakeDevice&)> setup;
    std::vector<int> tags;
};

// The rows of the group "Weitere Einstellungen" with the defaults (frost protection over the
// window state).
constexpr int W1 = 37, W2 = 38, W3 = 72, W4 = 42, W5 = 46;

class GridRows : public ReglerFunktionFixture, public ::testing::WithParamInterface<GridCase> {};

TEST_P(GridRows, ShowTheRowsOfTheConfiguration)
{
    GetParam().setup(*regler, Device());
    Build();
    EXPECT_EQ(RowTags(), GetParam().tags);
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, GridRows,
    ::testing::Values(
        GridCase{"NoFullAccess", [](R&, FakeDevice& d) { d.SetHighAccess(false); },
                 {56, 0, 73, 59, W1, W2, W3, W4, W5}},
        GridCase{"NoFullAccessWithFanStages",
                 [](R& r, FakeDevice& d) {
                     d.SetHighAccess(false);
                     r.LuefterstufenAnzeige = T_DB_EnumDataBasis::Ja;
                 },
                 {56, 0, 73, 74, 59, W1, W2, W3, W4, W5}},
        GridCase{"FullAccessDefaults", [](R&, FakeDevice&) {}, {56, 0, 73, 1, 2, 3, 4, 59, W1, W2, W3, W4, W5}},
        GridCase{"HeatingOverControlParameters", [](R& r, FakeDevice&) { r.ArtHeizung = ahUeberRegelparameter; },
                 {56, 0, 73, 1, 2, 3, 4, 5, 6, 59, W1, W2, W3, W4, W5}},
        GridCase{"HeatingTwoPoint", [](R& r, FakeDevice&) { r.ArtHeizregelung = arZweiPunkt; },
                 {56, 0, 73, 1, 2, 3, 7, 8, 59, W1, W2, W3, W4, W5}},
        GridCase{"CoolingOverControlParameters",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaKuehlen;
                     r.ArtKuehlung = akUeberRegelparameter;
                 },
                 {56, 0, 73, 1, 2, 9, 10, 11, 12, 59, W1, W2, W3, W4, W5}},
        GridCase{"Type2SeparateTwoPointAutomatic",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaHeizenUndKuehlen;
                     r.ArtHeizregelung = arZweiPunkt;
                     r.ArtKuehlregelung = arZweiPunkt;
                 },
                 {56, 0, 73, 1, 2, 15, 3, 8, 9, 13, 59, W1, W2, W3, W4, 41, 44, 45, W5}},
        GridCase{"Type2SeparateTwoPointOverObject",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaHeizenUndKuehlen;
                     r.ArtHeizregelung = arZweiPunkt;
                     r.ArtKuehlregelung = arZweiPunkt;
                     r.UmschaltungHeizenKuehlen = uhkUeberObjekt;
                 },
                 {56, 0, 73, 1, 2, 15, 3, 7, 8, 9, 13, 14, 59, W1, W2, W3, W4, 41, 43, W5}},
        GridCase{"Type2CommonContinuous",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaHeizenUndKuehlen;
                     r.StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Ja;
                     r.ArtKuehlung = akUeberRegelparameter;
                 },
                 {56, 0, 73, 1, 2, 15, 16, 4, 10, 11, 12, 59, W1, W2, W3, W4, 41, 44, 45, W5}},
        GridCase{"Type2CommonTwoPointAutomatic",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaHeizenUndKuehlen;
                     r.StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Ja;
                     r.ArtRegelung = arZweiPunkt;
                 },
                 {56, 0, 73, 1, 2, 15, 16, 8, 13, 59, W1, W2, W3, W4, 41, 44, 45, W5}},
        GridCase{"Type3",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaGrundZusatzHeizen;
                     r.ArtZusatzstufeHeizen = arZweiPunkt;
                 },
                 {56, 0, 73, 1, 2, 17, 18, 19, 24, 28, 29, 59, W1, W2, W3, W4, W5}},
        GridCase{"Type4",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaGrundZusatzKuehlen;
                     r.ArtKuehlregelung = arZweiPunkt;
                     r.ArtZusatzkuehlung = akUeberRegelparameter;
                     r.ArtZusatzstufeKuehlen = arSchaltendePWM;
                 },
                 {56, 0, 73, 1, 2, 17, 47, 31, 32, 50, 33, 51, 52, 59, W1, W2, W3, W4, W5}},
        GridCase{"Type5SeparateAutomatic",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaGrundZusatzHeizenKuehlen;
                     r.ArtHeizung = ahUeberRegelparameter;
                     r.ArtZusatzstufeHeizen = arZweiPunkt;
                     r.ArtKuehlregelung = arSchaltendePWM;
                     r.ArtZusatzstufeKuehlen = arZweiPunkt;
                 },
                 {56, 0, 73, 1, 2, 17, 15, 18, 19, 20, 21, 24, 29, 47, 30, 50, 34, 59, W1, W2, W3, W4, 41, 44, 45,
                  W5}},
        GridCase{"Type5SeparateBaseCoolingTwoPointAutomatic",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaGrundZusatzHeizenKuehlen;
                     r.ArtKuehlregelung = arZweiPunkt;
                 },
                 {56, 0, 73, 1, 2, 17, 15, 18, 19, 24, 25, 47, 31, 50, 34, 59, W1, W2, W3, W4, 41, 44, 45, W5}},
        GridCase{"Type5SeparateOverObject",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaGrundZusatzHeizenKuehlen;
                     r.UmschaltungHeizenKuehlen = uhkUeberObjekt;
                     r.ArtHeizregelung = arZweiPunkt;
                     r.ArtZusatzstufeHeizen = arZweiPunkt;
                     r.ArtKuehlregelung = arZweiPunkt;
                     r.ArtZusatzstufeKuehlen = arZweiPunkt;
                 },
                 {56, 0, 73, 1, 2, 17, 15, 18, 22, 23, 24, 28, 29, 47, 31, 32, 50, 34, 35, 59, W1, W2, W3, W4, 41, 43,
                  W5}},
        GridCase{"Type5CommonTwoPointAutomatic",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaGrundZusatzHeizenKuehlen;
                     r.StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Ja;
                     r.ArtRegelung = arZweiPunkt;
                     r.ArtRegelungZusatzstufe = arZweiPunkt;
                 },
                 {56, 0, 73, 1, 2, 17, 15, 53, 23, 31, 54, 29, 34, 59, W1, W2, W3, W4, 41, 44, 45, W5}},
        GridCase{"Type5CommonOverControlParameters",
                 [](R& r, FakeDevice&) {
                     r.ReglerBetriebsart = rbaGrundZusatzHeizenKuehlen;
                     r.StellgrHeizenKuehlenGemObjekt = T_DB_EnumDataBasis::Ja;
                     r.ArtHeizung = ahUeberRegelparameter;
                     r.ArtKuehlung = akUeberRegelparameter;
                     r.ArtRegelungZusatzstufe = arSchaltendePWM;
                 },
                 {56, 0, 73, 1, 2, 17, 15, 53, 19, 20, 21, 30, 48, 49, 54, 25, 33, 59, W1, W2, W3, W4, 41, 44, 45,
                  W5}},
        GridCase{"TwoCircuitsHeating", [](R& r, FakeDevice&) { r.Regelkreise = rkZweiRegelkreise; },
                 {56, 0, 73, 1, 55, 57, 3, 4, 58, 60, 61, 59, W1, W2, W3, W4, W5}},
        GridCase{"TwoCircuitsHeatingSecondTwoPoint",
                 [](R& r, FakeDevice&) {
                     r.Regelkreise = rkZweiRegelkreise;
                     r.ArtHeizregelungRk2 = arZweiPunkt;
                     r.ArtHeizungRk2 = ahUeberRegelparameter;
                 },
                 {56, 0, 73, 1, 55, 57, 3, 4, 58, 60, 64, 65, 59, W1, W2, W3, W4, W5}},
        GridCase{"TwoCircuitsCooling",
                 [](R& r, FakeDevice&) {
                     r.Regelkreise = rkZweiRegelkreise;
                     r.ReglerBetriebsart = rbaKuehlen;
                     r.ArtKuehlregelung = arZweiPunkt;
                     r.ArtKuehlungRk2 = akUeberRegelparameter;
                 },
                 {56, 0, 73, 1, 55, 57, 9, 13, 14, 58, 66, 67, 68, 69, 59, W1, W2, W3, W4, W5}},
        GridCase{"TwoCircuitsGroupsClosed",
                 [](R& r, FakeDevice&) {
                     r.Regelkreise = rkZweiRegelkreise;
                     r.GruppeRegelkreis1 = TCell::gtsClosed;
                     r.GruppeRegelkreis2 = TCell::gtsClosed;
                 },
                 {56, 0, 73, 1, 55, 57, 58, 59, W1, W2, W3, W4, W5}},
        GridCase{"GroupsClosed",
                 [](R& r, FakeDevice&) {
                     r.GruppeAllgemein = TCell::gtsClosed;
                     r.GruppeWeitereEinstellungen = TCell::gtsClosed;
                 },
                 {56, 59}},
        GridCase{"AllGroupsOpenMode",
                 [](R& r, FakeDevice&) {
                     r.Regelkreise = rkZweiRegelkreise;
                     r.GruppeAllgemein = TCell::gtsClosed;
                     r.GruppeRegelkreis2 = TCell::gtsClosed;
                     r.GruppeWeitereEinstellungen = TCell::gtsClosed;
                     r.SetAllGroupsOpenMode();
                 },
                 {56, 0, 73, 1, 55, 57, 3, 4, 58, 60, 61, 59, W1, W2, W3, W4, W5}},
        GridCase{"FrostAutomaticOff", [](R& r, FakeDevice&) { r.FrostHitzeschutz = fhsFrostschutzAutomatik; },
                 {56, 0, 73, 1, 2, 3, 4, 59, W1, W2, W3, 39, W5}},
        GridCase{"FrostAutomaticOn",
                 [](R& r, FakeDevice&) {
                     r.FrostHitzeschutz = fhsFrostschutzAutomatik;
                     r.FrostschutzAutomatik = fsa03KProMin;
                 },
                 {56, 0, 73, 1, 2, 3, 4, 59, W1, W2, W3, 39, 40, W5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReglerFunktionFixture, TheAccessModeIsAskedBeforeAnyRowAndChangesNothing)
{
    Build();
    ASSERT_FALSE(window.Messages().empty());
    EXPECT_EQ(window.Messages().front().message, WM_USER_GETACCESSMODE);
    EXPECT_EQ(window.Sent().size(), 1u) << "building the grid asks nothing else";
}

TEST_F(ReglerFunktionFixture, RowsCarryTheirItemsLimitsAndFlags)
{
    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    regler->ArtHeizregelung = arZweiPunkt;
    regler->UmschaltungHeizenKuehlen = uhkUeberObjekt;
    Build(false);

    const TCell* betriebsart = grid.GetCell(1, Row(R::tagBetriebsart));
    ASSERT_EQ(betriebsart->Choices.size(), 6u);
    EXPECT_EQ(betriebsart->Choices[5].Caption, "Grund- /Zusatz- Heizen/K\xFChlen");
    EXPECT_EQ(betriebsart->Value, 2);
    EXPECT_EQ(grid.GetCell(0, Row(R::tagUmschaltungHeizenKuehlen))->Text,
              "Umschalten zwischen Heizen und K\xFChlen ")
        << "the caption ends with a blank";
    const TCell* untere = grid.GetCell(1, Row(R::tagUntereHysteresegrenzeHeizen));
    EXPECT_EQ(untere->Kind, TCell::ckSpinEdit);
    EXPECT_EQ(untere->MinValue, -128);
    EXPECT_EQ(untere->MaxValue, -5);
    EXPECT_EQ(untere->Value, -5);
    EXPECT_EQ(untere->HelpNumber, 808);

    EXPECT_FALSE(grid.GetCell(0, Row(R::tagGruppeAllgemein))->Flag) << "the caller's flag";
    EXPECT_TRUE(grid.GetCell(0, Row(R::tagGruppeWeitereEinstellungen))->Flag);
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        const TCell* value = grid.GetCell(1, row);
        if (value->IsEditable()) {
            EXPECT_TRUE(value->Flag) << "row " << grid.GetCell(0, row)->Tag;
        }
    }
    Build(true);
    EXPECT_TRUE(grid.GetCell(0, Row(R::tagGruppeAllgemein))->Flag);
}

TEST_F(ReglerFunktionFixture, TwoCircuitsOfferTwoOperatingTypesAndTheirGroups)
{
    regler->Regelkreise = rkZweiRegelkreise;
    Build();
    const TCell* betriebsart = grid.GetCell(1, Row(R::tagBetriebsartRegelkreise));
    ASSERT_EQ(betriebsart->Choices.size(), 2u);
    EXPECT_EQ(betriebsart->Choices[1].Caption, "K\xFChlen");
    EXPECT_EQ(grid.GetCell(0, Row(R::tagGruppeRegelkreis2))->Text, "Regelkreis 2");
    EXPECT_TRUE(grid.GetCell(0, Row(R::tagGruppeRegelkreis1))->Flag);
    EXPECT_EQ(grid.GetCell(1, Row(R::tagArtHeizungRk2))->Choices.size(), 6u);
}

TEST_F(ReglerFunktionFixture, AClickOnRegelkreis2SwitchesOnlyThatGroup)
{
    regler->Regelkreise = rkZweiRegelkreise;
    Build();
    window.Clear();
    grid.ClickGroupTitle(Row(R::tagGruppeRegelkreis2));

    EXPECT_EQ(regler->GruppeRegelkreis2, TCell::gtsClosed);
    EXPECT_EQ(regler->GruppeRegelkreis1, TCell::gtsOpen);
    EXPECT_EQ(regler->GruppeAllgemein, TCell::gtsOpen);
    EXPECT_EQ(regler->GruppeWeitereEinstellungen, TCell::gtsOpen);
    const int row = Row(R::tagGruppeRegelkreis2);
    EXPECT_EQ(DeliveredPosts(), std::vector{Post(WM_USER_UPDATEALLVIEWS, 0, row)});
    Build();
    EXPECT_EQ(RowTags(), (std::vector<int>{56, 0, 73, 1, 55, 57, 3, 4, 58, 59, W1, W2, W3, W4, W5}));
}

TEST_F(ReglerFunktionFixture, ATitleClickWithAnotherTagChangesNoGroup)
{
    TCell cell;
    cell.Tag = R::tagArtHeizregelung;
    regler->GridGroupTitleClick(nullptr, cell, 0, 3, 0);
    for (const auto state : {regler->GruppeAllgemein, regler->GruppeRegelkreis1, regler->GruppeRegelkreis2,
                             regler->GruppeWeitereEinstellungen})
        EXPECT_EQ(state, TCell::gtsOpen);
    window.DeliverPosted();
    EXPECT_TRUE(window.Messages().empty());
}

} // namespace
} // namespace climatest
