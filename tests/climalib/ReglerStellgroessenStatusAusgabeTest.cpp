#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerStellgroessenStatusAusgabe.h"
#include "climalib/ReglernebenstellenFunktion.h"
#include "outside/tablebox/DrawGridSEComboBox.h"
#include "outside/tablebox/LkSpinEdit.h"
#include "tests/climalib/DataObjectFixture.h"
#include "tests/climalib/support/NamedCase.h"

#include <algorithm>

namespace climatest {
namespace {

using climatest::PrintTo;
using A = TReglerStellgroessenStatusAusgabe;
using Strings = std::vector<std::string>;
using Tags = std::vector<int>;
using namespace T_DB_EnumReglerFunktion;

// The output page below its controller function (the page's Parent), both registered with the
// device.
class Ausgabe : public DataObjectFixture<A> {
protected:
    Ausgabe() : regler(std::make_unique<TReglerFunktion>(window.Handle(), System, 1, "Regler", Parent))
    {
        Device().Register(regler.get());
        window.Clear();
    }
    void Configure(TEnumRegelkreise kreise, TEnumReglerBetriebsart betriebsart, bool gemeinsam = false)
    {
        regler->Regelkreise = kreise;
        regler->ReglerBetriebsart = betriebsart;
        regler->StellgrHeizenKuehlenGemObjekt = gemeinsam ? Ja : Nein;
    }
    // The row tags without the time rows (tags 0 to 2).
    Tags ChoiceTags() const
    {
        Tags tags = RowTags();
        tags.erase(std::remove_if(tags.begin(), tags.end(), [](int tag) { return tag <= 2; }), tags.end());
        return tags;
    }
    Tags TimeTags() const
    {
        Tags tags = RowTags();
        tags.erase(std::remove_if(tags.begin(), tags.end(), [](int tag) { return tag > 2; }), tags.end());
        return tags;
    }
    std::unique_ptr<A> Restore(const TDatenStruktur& record)
    {
        auto restored = std::make_unique<A>(window.Handle(), record.System, record.Parent, record.Name, record.Handle);
        restored->InitFromDB(record);
        return restored;
    }

    std::unique_ptr<TReglerFunktion> regler;
};

TEST_F(Ausgabe, IdentityOfTheClass)
{
    const TDataBasis& base = *object;
    EXPECT_EQ(base.GetTyp(), 6580);
    EXPECT_EQ(base.GetIcon(), 42);
    EXPECT_EQ(base.GetQuickHelpIndexOffset(), 1010);
    EXPECT_EQ(base.ListStyle(), 1);
    EXPECT_TRUE(base.GlobalParameterEnabled());
}

TEST_F(Ausgabe, IsShownInTheTreeOnlyWithFullAccess)
{
    EXPECT_TRUE(object->IsVisible());
    Device().SetHighAccess(false);
    EXPECT_FALSE(object->IsVisible());
    EXPECT_EQ(window.Received(WM_USER_GETACCESSMODE).size(), 2u);
}

TEST_F(Ausgabe, ANewObjectsRecordHoldsTheDefaults)
{
    const TDatenStruktur& record = WriteRecord();
    EXPECT_EQ(record.Typ, 6580);
    EXPECT_EQ(record.Param3, 3);
    EXPECT_EQ(record.Param4, 15);
    EXPECT_EQ(record.Param5, 10);
    for (const int field : {6, 7, 10, 11, 12, 13, 14, 15})
        EXPECT_EQ(record.ParamAt(field), 1) << "Param" << field;
    EXPECT_EQ(record.Param8, 0);
    EXPECT_EQ(record.Param9, 0);
    EXPECT_TRUE(record.Bool3);
    EXPECT_FALSE(record.Bool4);
    EXPECT_FALSE(record.Bool5);
    EXPECT_EQ(record.Next, 0);
    EXPECT_EQ(Device().RecordCount(), 1u);
}

// The output-direction, message and status rows by circuits, operating type and common object.
struct ChoiceRows {
    const char* name;
    TEnumRegelkreise kreise;
    TEnumReglerBetriebsart betriebsart;
    bool gemeinsam;
    Tags tags;
};

class AusgabeChoiceRows : public Ausgabe, public ::testing::WithParamInterface<ChoiceRows> {};

TEST_P(AusgabeChoiceRows, FollowTheControllerFunction)
{
    Configure(GetParam().kreise, GetParam().betriebsart, GetParam().gemeinsam);
    Build();
    EXPECT_EQ(ChoiceTags(), GetParam().tags);
    for (const int tag : GetParam().tags) {
        EXPECT_TRUE(ValueCell(tag).Flag) << tag;
        EXPECT_EQ(ValueCell(tag).HelpNumber, 1010 + tag);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, AusgabeChoiceRows,
    ::testing::Values(ChoiceRows{"Heizen", rkEinRegelkreis, rbaHeizen, false, {4, 7, 9}},
                      ChoiceRows{"HeizenZweiKreise", rkZweiRegelkreise, rbaHeizen, false, {4, 11, 7, 9}},
                      ChoiceRows{"Kuehlen", rkEinRegelkreis, rbaKuehlen, false, {5, 8, 9}},
                      ChoiceRows{"KuehlenZweiKreise", rkZweiRegelkreise, rbaKuehlen, false, {5, 12, 8, 9}},
                      ChoiceRows{"HeizenUndKuehlen", rkEinRegelkreis, rbaHeizenUndKuehlen, false, {4, 5, 7, 8, 9}},
                      ChoiceRows{"HeizenUndKuehlenGemeinsam", rkEinRegelkreis, rbaHeizenUndKuehlen, true,
                                 {6, 7, 8, 9}},
                      ChoiceRows{"HeizenUndKuehlenZweiKreise", rkZweiRegelkreise, rbaHeizenUndKuehlen, false,
                                 {4, 5, 7, 8, 9}},
                      ChoiceRows{"GrundZusatzHeizen", rkEinRegelkreis, rbaGrundZusatzHeizen, false, {13, 14, 7, 9}},
                      ChoiceRows{"GrundZusatzKuehlen", rkEinRegelkreis, rbaGrundZusatzKuehlen, false,
                                 {15, 16, 8, 9}},
                      ChoiceRows{"GrundZusatzHeizenKuehlen", rkEinRegelkreis, rbaGrundZusatzHeizenKuehlen, false,
                                 {13, 14, 15, 16, 7, 8, 9}},
                      ChoiceRows{"GrundZusatzHeizenKuehlenGemeinsam", rkEinRegelkreis, rbaGrundZusatzHeizenKuehlen,
                                 true, {17, 18, 7, 8, 9}}),
    [](const auto& info) { return std::string(info.param.name); });

// The time rows by the control types of the stages in use.
struct TimeRows {
    const char* name;
    TEnumReglerBetriebsart betriebsart;
    TEnumArtRegelung heizen;
    TEnumArtRegelung kuehlen;
    Tags tags;
};

class AusgabeTimeRows : public Ausgabe, public ::testing::WithParamInterface<TimeRows> {};

TEST_P(AusgabeTimeRows, FollowTheControlTypesAndTheFirstTakesTheFlag)
{
    Configure(rkEinRegelkreis, GetParam().betriebsart);
    regler->ArtHeizregelung = GetParam().heizen;
    regler->ArtKuehlregelung = GetParam().kuehlen;
    Build(false);
    ASSERT_EQ(TimeTags(), GetParam().tags);
    EXPECT_FALSE(ValueCell(GetParam().tags.front()).Flag) << "the first row shown takes the flag";
    for (std::size_t i = 1; i < GetParam().tags.size(); ++i)
        EXPECT_TRUE(ValueCell(GetParam().tags[i]).Flag) << GetParam().tags[i];
    Build(true);
    EXPECT_TRUE(ValueCell(GetParam().tags.front()).Flag);
}

INSTANTIATE_TEST_SUITE_P(
    ControlTypes, AusgabeTimeRows,
    ::testing::Values(TimeRows{"Continuous", rbaHeizen, arStetigePI, arStetigePI, {0, 2}},
                      TimeRows{"Pwm", rbaHeizen, arSchaltendePWM, arStetigePI, {1}},
                      TimeRows{"PwmAndContinuous", rbaHeizenUndKuehlen, arSchaltendePWM, arStetigePI, {0, 1, 2}},
                      TimeRows{"TwoPointOnly", rbaHeizenUndKuehlen, arZweiPunkt, arZweiPunkt, {2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Ausgabe, TimeRowsCarryTheirLimits)
{
    Configure(rkEinRegelkreis, rbaHeizenUndKuehlen);
    regler->ArtHeizregelung = arSchaltendePWM;
    Build();
    const TCell& aenderung = ValueCell(A::tagAutomatischesSendenBeiAenderung);
    EXPECT_EQ(aenderung.MaxValue, 100);
    EXPECT_EQ(aenderung.MinValue, 0);
    EXPECT_EQ(aenderung.Text, "3");
    const TCell& zyklus = ValueCell(A::tagStellzykluszeit);
    EXPECT_EQ(zyklus.MaxValue, 255);
    EXPECT_EQ(zyklus.MinValue, 1);
    EXPECT_EQ(zyklus.Text, "15");
    EXPECT_EQ(ValueCell(A::tagZykluszeitAutomatischesSenden).MinValue, 0);
}

TEST_F(Ausgabe, WithoutAControllerTheGridStaysEmpty)
{
    Device().Unregister(Parent);
    Build(false, 1, 0);
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(DeliveredTrace(), Strings{}) << "no active cell either";
    EXPECT_EQ(grid.GetColCount(), 2);
}

TEST_F(Ausgabe, AParentThatIsNoControllerCountsAsNone)
{
    TReglernebenstellenFunktion other(window.Handle(), System, 1, "Andere", Parent);
    Device().Register(&other);
    Build(false, 1, 0);
    EXPECT_EQ(grid.GetRowCount(), 0);
    TDatenStruktur target;
    const auto table = RecordTable({target});
    std::string message;
    EXPECT_EQ(object->WriteGlobalParameter(table.get(), &target, message), -9);
}

TEST_F(Ausgabe, TheActiveCellIsPostedAfterTheRows)
{
    Build(false, 1, 3);
    EXPECT_EQ(DeliveredTrace(), Strings{"post ACTIVE 1,3"});
}

// Changes in the grid.
TEST_F(Ausgabe, TheCommonDirectionGoesIntoBothStoredDirectionsAndComesBack)
{
    Configure(rkEinRegelkreis, rbaHeizenUndKuehlen, true);
    Build();
    ChooseItem(A::tagAusgabeStellgroesse, 0);
    EXPECT_EQ(object->AusgabeStellgroesseHeizen, 0);
    EXPECT_EQ(object->AusgabeStellgroesseKuehlen, 0);
    EXPECT_EQ(DeliveredTrace(), (Strings{"store", "post OTHER"}));
    const TDatenStruktur record = *StoredRecord();
    EXPECT_EQ(record.Param6, 0);
    EXPECT_EQ(record.Param7, 0);

    const auto restored = Restore(record);
    grid.Clear();
    restored->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(ValueCell(A::tagAusgabeStellgroesse).Text, "Invertiert");
}

TEST_F(Ausgabe, TheCommonBasicStageSetsBothBasicStagesOnly)
{
    Configure(rkEinRegelkreis, rbaGrundZusatzHeizenKuehlen, true);
    Build();
    ChooseItem(A::tagAusgabeStellgroesseGrundstufe, 0);
    EXPECT_EQ(object->AusgabeStellgroesseGrundstufeHeizen, 0);
    EXPECT_EQ(object->AusgabeStellgroesseGrundstufeKuehlen, 0);
    EXPECT_EQ(object->AusgabeStellgroesseZusatzstufeHeizen, 1);
    EXPECT_EQ(object->AusgabeStellgroesseZusatzstufeKuehlen, 1);

    window.Clear();
    Build();
    ChooseItem(A::tagAusgabeStellgroesseZusatzstufe, 0);
    EXPECT_EQ(object->AusgabeStellgroesseZusatzstufeHeizen, 0);
    EXPECT_EQ(object->AusgabeStellgroesseZusatzstufeKuehlen, 0);
    EXPECT_EQ(StoredRecord()->Param13, 0);
    EXPECT_EQ(StoredRecord()->Param15, 0);
    EXPECT_EQ(StoredRecord()->Param12, 0);
}

struct PlainChoice {
    const char* name;
    TEnumRegelkreise kreise;
    TEnumReglerBetriebsart betriebsart;
    int tag;
    int itemIndex;
    int field; // Param field that stores it
    int stored;
};

class AusgabePlainChoice : public Ausgabe, public ::testing::WithParamInterface<PlainChoice> {};

TEST_P(AusgabePlainChoice, IsStoredAndRebuildsTheOtherViews)
{
    Configure(GetParam().kreise, GetParam().betriebsart);
    object->StatusRegler = 2;
    Build();
    ChooseItem(GetParam().tag, GetParam().itemIndex);
    EXPECT_EQ(DeliveredTrace(), (Strings{"store", "post OTHER"}));
    EXPECT_EQ(StoredRecord()->ParamAt(GetParam().field), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AusgabePlainChoice,
    ::testing::Values(PlainChoice{"Heizen", rkEinRegelkreis, rbaHeizen, 4, 0, 6, 0},
                      PlainChoice{"Kuehlen", rkEinRegelkreis, rbaKuehlen, 5, 0, 7, 0},
                      PlainChoice{"HeizenRk2", rkZweiRegelkreise, rbaHeizen, 11, 0, 10, 0},
                      PlainChoice{"KuehlenRk2", rkZweiRegelkreise, rbaKuehlen, 12, 0, 11, 0},
                      PlainChoice{"GrundstufeHeizen", rkEinRegelkreis, rbaGrundZusatzHeizen, 13, 0, 12, 0},
                      PlainChoice{"ZusatzstufeHeizen", rkEinRegelkreis, rbaGrundZusatzHeizen, 14, 0, 13, 0},
                      PlainChoice{"GrundstufeKuehlen", rkEinRegelkreis, rbaGrundZusatzKuehlen, 15, 0, 14, 0},
                      PlainChoice{"ZusatzstufeKuehlen", rkEinRegelkreis, rbaGrundZusatzKuehlen, 16, 0, 15, 0},
                      PlainChoice{"EinzelStatus", rkEinRegelkreis, rbaHeizen, 10, 7, 9, 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Ausgabe, TheStatusObjectFollowsTheStatusChoice)
{
    Build();
    EXPECT_EQ(Row(A::tagEinzelStatus), -1);
    const std::string row = std::to_string(Row(A::tagStatusRegler));
    const Strings posts{"store", "post ABGLEICH 1," + row, "post ALL 1," + row};
    ChooseItem(A::tagStatusRegler, 1);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3100=1/1", posts[0], posts[1], posts[2]}));
    EXPECT_EQ(Device().TransportRequests()[0].PositionBase, -100);
    Build();
    EXPECT_EQ(Row(A::tagEinzelStatus), -1);

    window.Clear();
    ChooseItem(A::tagStatusRegler, 2);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3100=2/1", posts[0], posts[1], posts[2]}));
    Build();
    EXPECT_NE(Row(A::tagEinzelStatus), -1) << "the single state is shown";
    ChooseItem(A::tagEinzelStatus, 4);
    window.DeliverPosted();

    window.Clear();
    Build();
    ChooseItem(A::tagStatusRegler, 0);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3100=0/1", posts[0], posts[1], posts[2]}));
    Build();
    EXPECT_EQ(Row(A::tagEinzelStatus), -1);
    EXPECT_EQ(object->EinzelStatus, 4) << "the hidden single state keeps its value";
    EXPECT_EQ(StoredRecord()->Param8, 0);
    EXPECT_EQ(StoredRecord()->Param9, 4);
}

TEST_F(Ausgabe, ARefusedStatusObjectPutsTheOldValueBack)
{
    Device().AnswerAddObject(0);
    Build();
    ChooseItem(A::tagStatusRegler, 2);
    EXPECT_EQ(object->StatusRegler, 0);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3100=2/1", "post ALL 1," + std::to_string(Row(A::tagStatusRegler))}));
    EXPECT_EQ(StoredRecord(), nullptr);
}

struct MessageChoice {
    const char* name;
    TEnumReglerBetriebsart betriebsart;
    int tag;
    std::string switched; // the object change it sends
    int positionBase;
};

class AusgabeMessage : public Ausgabe, public ::testing::WithParamInterface<MessageChoice> {};

TEST_P(AusgabeMessage, SwitchesItsObjectOrPutsTheOldValueBack)
{
    Configure(rkEinRegelkreis, GetParam().betriebsart);
    Build();
    ChooseItem(GetParam().tag, 1);
    const std::string row = std::to_string(Row(GetParam().tag));
    EXPECT_EQ(DeliveredTrace(),
              (Strings{GetParam().switched, "store", "post ABGLEICH 1," + row, "post ALL 1," + row}));
    EXPECT_EQ(Device().TransportRequests()[0].PositionBase, GetParam().positionBase);

    window.Clear();
    Device().AnswerAddObject(0);
    Build();
    ChooseItem(GetParam().tag, 0);
    EXPECT_EQ(DeliveredTrace().back(), "post ALL 1," + row);
    EXPECT_EQ(object->MeldungHeizen + object->MeldungKuehlen, 1) << "the old value is back";
}

INSTANTIATE_TEST_SUITE_P(Messages, AusgabeMessage,
                         ::testing::Values(MessageChoice{"Heizen", rbaHeizen, 7, "UDT8:3110=1/1", -300},
                                           MessageChoice{"Kuehlen", rbaKuehlen, 8, "UDT8:3120=1/1", -200}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Ausgabe, ATimeIsStoredWhenTheSpinEditorIsLeft)
{
    Build();
    SpinAndLeave(A::tagAutomatischesSendenBeiAenderung, 50);
    EXPECT_EQ(object->AutomatischesSendenBeiAenderung, 50);
    EXPECT_EQ(DeliveredTrace(), (Strings{"store", "post OTHER"}));
    EXPECT_EQ(StoredRecord()->Param3, 50);

    window.Clear();
    Build();
    SpinAndLeave(A::tagAutomatischesSendenBeiAenderung, 50);
    EXPECT_TRUE(DeliveredTrace().empty()) << "the same value changes nothing";
}

TEST_F(Ausgabe, TheSpinHandlerActsOnlyOnTheSpinEditor)
{
    TCell cell;
    cell.Tag = A::tagStellzykluszeit;
    TDrawGridSEComboBox combo({{"a", 40}}, 40);
    object->GridExitCell(&grid, &combo, cell, 1, 0);
    object->GridExitCell(&grid, nullptr, cell, 1, 0);
    TLkSpinEdit spin;
    spin.Value = 40;
    object->GridExitCell(nullptr, &spin, cell, 1, 0);
    EXPECT_EQ(object->Stellzykluszeit, 15);
    object->GridExitCell(&grid, &spin, cell, 1, 0);
    EXPECT_EQ(object->Stellzykluszeit, 40);
}

// Communication objects.
TEST_F(Ausgabe, CreateAndDeleteObjectsSwitchTheMessagesThenTheStatus)
{
    object->MeldungKuehlen = Ja;
    object->StatusRegler = 2;
    EXPECT_TRUE(object->CreateObjects());
    EXPECT_TRUE(object->DeleteObjects());
    EXPECT_EQ(Trace(), (Strings{"UDT8:3110=0/0", "UDT8:3120=1/0", "UDT8:3100=2/0", "UDT8:3110=0/0", "UDT8:3120=0/0",
                               "UDT8:3100=0/0"}));
    window.Clear();
    Device().AnswerAddObject(0);
    EXPECT_FALSE(object->CreateObjects());
    EXPECT_EQ(Trace(), Strings{"UDT8:3110=0/0"}) << "the first failure ends the call";
}

TEST_F(Ausgabe, AStoredStatusOutsideItsChoicesRemovesTheStatusObject)
{
    TDatenStruktur record = WriteRecord();
    record.Param8 = 5;
    object->InitFromDB(record);
    window.Clear();
    EXPECT_TRUE(object->ModifyStatusBetriebsmodusObjekt(false, false));
    EXPECT_EQ(Trace(), Strings{"UDT8:3100=0/0"});
}

// The operations the device calls after the controller changed.
TEST_F(Ausgabe, EveryOutputDirectionBecomesNormalWithoutWritingOrPosting)
{
    for (std::int8_t* ausgabe :
         {&object->AusgabeStellgroesse, &object->AusgabeStellgroesseHeizen, &object->AusgabeStellgroesseKuehlen,
          &object->AusgabeStellgroesseHeizenRk2, &object->AusgabeStellgroesseKuehlenRk2,
          &object->AusgabeStellgroesseGrundstufeHeizen, &object->AusgabeStellgroesseZusatzstufeHeizen,
          &object->AusgabeStellgroesseGrundstufeKuehlen, &object->AusgabeStellgroesseZusatzstufeKuehlen,
          &object->AusgabeStellgroesseGrundstufe, &object->AusgabeStellgroesseZusatzstufe})
        *ausgabe = 0;
    EXPECT_TRUE(object->ModifyValueAusgabeStellgroessen());
    for (const std::int8_t ausgabe :
         {object->AusgabeStellgroesse, object->AusgabeStellgroesseHeizen, object->AusgabeStellgroesseKuehlen,
          object->AusgabeStellgroesseHeizenRk2, object->AusgabeStellgroesseKuehlenRk2,
          object->AusgabeStellgroesseGrundstufeHeizen, object->AusgabeStellgroesseZusatzstufeHeizen,
          object->AusgabeStellgroesseGrundstufeKuehlen, object->AusgabeStellgroesseZusatzstufeKuehlen,
          object->AusgabeStellgroesseGrundstufe, object->AusgabeStellgroesseZusatzstufe})
        EXPECT_EQ(ausgabe, 1);
    EXPECT_TRUE(DeliveredTrace().empty());
}

TEST_F(Ausgabe, AMessageSetByTheDeviceSwitchesItsObjectOnly)
{
    object->MeldungHeizen = Ja;
    EXPECT_TRUE(object->ModifyValueMeldungHeizen(Nein, true));
    EXPECT_EQ(object->MeldungHeizen, Nein);
    EXPECT_TRUE(object->ModifyValueMeldungKuehlen(Ja, false));
    EXPECT_EQ(object->MeldungKuehlen, Ja);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3110=0/1", "UDT8:3120=1/0"})) << "no store, no post";

    window.Clear();
    Device().AnswerAddObject(0);
    EXPECT_FALSE(object->ModifyValueMeldungKuehlen(Nein, true));
    EXPECT_EQ(object->MeldungKuehlen, Ja);
    EXPECT_FALSE(object->ModifyValueMeldungHeizen(Ja, true));
    EXPECT_EQ(object->MeldungHeizen, Nein);
}

// The device's answer to the controller's request after a change of its operating type, as the
// device model carries it out: the page's three operations, its record, two posts.
class AusgabeUnterGeraet : public Ausgabe {
protected:
    void SetUp() override
    {
        Device().CarryOutDeviceRequest(UDM_UPDATE_TABLE_STELLGROESSEN_STATUS_AUSGABE,
                                       [this](tagWmUserDevice& request) { return UpdateTable(request); });
    }
    std::uint8_t UpdateTable(tagWmUserDevice& request)
    {
        auto* sender = dynamic_cast<TReglerFunktion*>(request.Sender);
        if (!sender || !object->ModifyValueAusgabeStellgroessen())
            return 0;
        const bool ask = request.Byte != 0;
        const int betriebsart = sender->GetValueOfReglerBetriebsart();
        if ((betriebsart == 0 || betriebsart == 3) && !object->ModifyValueMeldungKuehlen(Nein, ask))
            return 0;
        if ((betriebsart == 1 || betriebsart == 4) && !object->ModifyValueMeldungHeizen(Nein, ask))
            return 0;
        object->Write(*Device().GetDatenSatz(System, Parent, object->GetHandle()));
        platform::PostMessage(window.Handle(), WM_USER_ABGLEICHFORMVERW, static_cast<platform::WPARAM>(-1), -1);
        platform::PostMessage(window.Handle(), WM_USER_UPDATEOTHERVIEWS, 0, 0);
        return 1;
    }
};

TEST_F(AusgabeUnterGeraet, ChangingTheControllerToCoolingSwitchesTheHeatingMessageOffAndEveryDirectionToNormal)
{
    object->MeldungHeizen = Ja;
    object->AusgabeStellgroesseHeizen = 0;
    object->AusgabeStellgroesseGrundstufeKuehlen = 0;
    regler->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ChooseItem(TReglerFunktion::tagBetriebsart, rbaKuehlen);
    ASSERT_EQ(regler->ReglerBetriebsart, rbaKuehlen);

    EXPECT_EQ(object->MeldungHeizen, Nein);
    EXPECT_EQ(object->AusgabeStellgroesseHeizen, 1);
    EXPECT_EQ(object->AusgabeStellgroesseGrundstufeKuehlen, 1);
    const auto& removed = Device().TransportRequests();
    EXPECT_TRUE(std::any_of(removed.begin(), removed.end(), [this](const auto& r) {
        return r.Sender == object.get() && r.DisplayOrder == A::ObjektMeldungHeizen && r.Value == 0;
    })) << "the heating message object goes";
    const TDatenStruktur* record = StoredRecord();
    ASSERT_NE(record, nullptr);
    EXPECT_FALSE(record->Bool4);
    EXPECT_EQ(record->Param6, 1);

    grid.Clear();
    object->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(ChoiceTags(), (Tags{5, 8, 9})) << "the page follows the new operating type";
}

TEST_F(AusgabeUnterGeraet, ChangingTheControllerToHeatingKeepsTheHeatingMessage)
{
    regler->ReglerBetriebsart = rbaHeizenUndKuehlen;
    object->MeldungHeizen = Ja;
    object->MeldungKuehlen = Ja;
    regler->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ChooseItem(TReglerFunktion::tagBetriebsart, rbaHeizen);
    ASSERT_EQ(regler->ReglerBetriebsart, rbaHeizen);
    EXPECT_EQ(object->MeldungHeizen, Ja);
    EXPECT_EQ(object->MeldungKuehlen, Nein);
}

// Record and paste.
TEST_F(Ausgabe, EveryMemberSurvivesTheRecordAndTheCommonRowsFollowTheHeatingMembers)
{
    object->AutomatischesSendenBeiAenderung = 77;
    object->Stellzykluszeit = 200;
    object->ZykluszeitAutomatischesSenden = 0;
    object->AusgabeStellgroesseHeizen = 0;
    object->AusgabeStellgroesseGrundstufeHeizen = 0;
    object->AusgabeStellgroesseZusatzstufeHeizen = 1;
    object->AusgabeStellgroesseKuehlenRk2 = 0;
    object->StatusRegler = 2;
    object->EinzelStatus = 6;
    object->MeldungKuehlen = Ja;
    object->Flag3 = Nein;
    object->AusgabeStellgroesse = 1; // the common ones are not stored
    const TDatenStruktur record = WriteRecord();
    EXPECT_FALSE(record.Bool3);
    const auto restored = Restore(record);
    EXPECT_EQ(restored->AutomatischesSendenBeiAenderung, 77);
    EXPECT_EQ(restored->Stellzykluszeit, 200);
    EXPECT_EQ(restored->ZykluszeitAutomatischesSenden, 0);
    EXPECT_EQ(restored->AusgabeStellgroesseHeizen, 0);
    EXPECT_EQ(restored->AusgabeStellgroesseKuehlenRk2, 0);
    EXPECT_EQ(restored->StatusRegler, 2);
    EXPECT_EQ(restored->EinzelStatus, 6);
    EXPECT_EQ(restored->MeldungHeizen, Nein);
    EXPECT_EQ(restored->MeldungKuehlen, Ja);
    EXPECT_EQ(restored->Flag3, Nein);
    EXPECT_EQ(restored->AusgabeStellgroesse, 0);
    EXPECT_EQ(restored->AusgabeStellgroesseGrundstufe, 0);
    EXPECT_EQ(restored->AusgabeStellgroesseZusatzstufe, 1);
    TDatenStruktur again;
    restored->Write(again);
    EXPECT_EQ(again.ToString(), record.ToString());
}

TDatenStruktur AusgabeRecord(int heizen, bool flag3)
{
    TDatenStruktur record;
    record.Handle = 80 + heizen;
    record.Typ = 6580;
    record.Name = "Quelle";
    record.Param3 = 9;
    record.Param6 = heizen;
    record.Param8 = 1;
    record.Param12 = 0;
    record.Bool3 = flag3;
    record.Bool4 = true;
    return record;
}

TEST_F(Ausgabe, PasteTakesEveryMemberOfTheFirstRecordOfTheType)
{
    TDatenStruktur other = AusgabeRecord(1, true);
    other.Typ = 6579;
    const auto table = RecordTable({other, AusgabeRecord(0, false), AusgabeRecord(1, true)});
    std::string message;
    EXPECT_TRUE(object->Paste(table.get(), message));
    EXPECT_EQ(object->AutomatischesSendenBeiAenderung, 9);
    EXPECT_EQ(object->AusgabeStellgroesseHeizen, 0);
    EXPECT_EQ(object->AusgabeStellgroesse, 0) << "the common rows follow";
    EXPECT_EQ(object->AusgabeStellgroesseGrundstufe, 0);
    EXPECT_EQ(object->StatusRegler, 1);
    EXPECT_EQ(object->MeldungHeizen, Ja);
    EXPECT_EQ(object->Flag3, Nein) << "the flag without a row is pasted too";
    EXPECT_EQ(object->GetName(false), "Objekt");
    EXPECT_TRUE(Trace().empty()) << "the paste switches no object";
}

TEST_F(Ausgabe, PasteWithoutUsableDataThrowsAndChangesNothing)
{
    std::string message;
    try {
        object->Paste(nullptr, message);
        FAIL() << "no exception";
    } catch (const E_DataBasis& e) {
        EXPECT_EQ(e.Message, "Objekt:\nDatenquelle f\xFCr den Import wurde nicht gefunden.");
    }
    const auto empty = RecordTable({});
    EXPECT_THROW(object->Paste(empty.get(), message), E_DataBasis);
    EXPECT_EQ(object->StatusRegler, 0);
    EXPECT_EQ(object->Flag3, Ja);
}

// Copying into other devices.
class AusgabeGlobal : public Ausgabe {
protected:
    // Another device's controller record (Param15 circuits, Param4 operating type, Bool4 common
    // object) and its output record below it.
    void SetUp() override
    {
        zielRegler.Handle = 500;
        zielRegler.Typ = 6576;
        target.Handle = 501;
        target.Parent = 500;
        target.Typ = 6580;
        for (const int field : {3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15})
            target.ParamAt(field) = 55;
        object->AusgabeStellgroesseHeizen = 0;
        object->AusgabeStellgroesseKuehlen = 0;
        object->AutomatischesSendenBeiAenderung = 20;
        object->EinzelStatus = 3;
    }
    int Copy()
    {
        const auto table = RecordTable({zielRegler, target});
        return object->WriteGlobalParameter(table.get(), &target, message);
    }
    void Mark(std::initializer_list<int> tags)
    {
        for (const int tag : tags)
            object->SetGlobalParameterValue(tag, gpvAendern);
    }
    TDatenStruktur zielRegler;
    TDatenStruktur target;
    std::string message = "vorher";
};

TEST_F(AusgabeGlobal, WritesTheMarkedParametersIntoAFittingTarget)
{
    Mark({A::tagAutomatischesSendenBeiAenderung, A::tagAusgabeStellgroesseHeizen, A::tagEinzelStatus});
    EXPECT_EQ(Copy(), 4);
    EXPECT_EQ(message, "");
    EXPECT_EQ(target.Param3, 20);
    EXPECT_EQ(target.Param6, 0);
    EXPECT_EQ(target.Param9, 3);
    EXPECT_EQ(target.Param7, 55) << "not marked";
    EXPECT_EQ(target.Param4, 55);
}

TEST_F(AusgabeGlobal, TheCommonDirectionCarriesBothStoredDirections)
{
    Mark({A::tagAusgabeStellgroesse});
    EXPECT_EQ(Copy(), 4);
    EXPECT_EQ(target.Param6, 0);
    EXPECT_EQ(target.Param7, 0);
    EXPECT_EQ(target.Param3, 55);
}

TEST_F(AusgabeGlobal, ACommonStageCarriesTheStageOfBothDirections)
{
    object->AusgabeStellgroesseGrundstufeHeizen = 0;
    object->AusgabeStellgroesseGrundstufeKuehlen = 0;
    Mark({A::tagAusgabeStellgroesseGrundstufe});
    TDatenStruktur expected = target;
    expected.Param12 = 0;
    expected.Param14 = 0;
    EXPECT_EQ(Copy(), 4);
    EXPECT_EQ(target.ToString(), expected.ToString()) << "the stage fields and nothing else";
}

struct Mismatch {
    const char* name;
    TEnumRegelkreise kreise;
    TEnumReglerBetriebsart betriebsart;
    bool gemeinsam;
    int zielKreise;
    int zielBetriebsart;
    bool zielGemeinsam;
    int answer;
};

class AusgabeGlobalFit : public AusgabeGlobal, public ::testing::WithParamInterface<Mismatch> {};

TEST_P(AusgabeGlobalFit, NeedsTheSameControllerStructure)
{
    Configure(GetParam().kreise, GetParam().betriebsart, GetParam().gemeinsam);
    zielRegler.Param15 = GetParam().zielKreise;
    zielRegler.Param4 = GetParam().zielBetriebsart;
    zielRegler.Bool4 = GetParam().zielGemeinsam;
    Mark({A::tagAusgabeStellgroesseHeizen});
    EXPECT_EQ(Copy(), GetParam().answer);
    EXPECT_EQ(target.Param6, GetParam().answer == 4 ? 0 : 55);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, AusgabeGlobalFit,
    ::testing::Values(Mismatch{"Same", rkEinRegelkreis, rbaHeizen, false, 0, 0, false, 4},
                      Mismatch{"CommonObjectIgnoredForHeating", rkEinRegelkreis, rbaHeizen, false, 0, 0, true, 4},
                      Mismatch{"OtherCircuits", rkEinRegelkreis, rbaHeizen, false, 1, 0, false, 0},
                      Mismatch{"OtherOperatingType", rkEinRegelkreis, rbaHeizen, false, 0, 1, false, 0},
                      Mismatch{"OtherCommonObject", rkEinRegelkreis, rbaHeizenUndKuehlen, true, 0, 2, false, 0},
                      Mismatch{"OtherCommonObjectStages", rkEinRegelkreis, rbaGrundZusatzHeizenKuehlen, false, 0, 5,
                               true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AusgabeGlobal, AMissingTableTargetOrControllerAnswersMinusNine)
{
    Mark({A::tagAusgabeStellgroesseHeizen});
    EXPECT_EQ(object->WriteGlobalParameter(nullptr, &target, message), -9);
    const auto table = RecordTable({zielRegler, target});
    EXPECT_EQ(object->WriteGlobalParameter(table.get(), nullptr, message), -9);

    const auto withoutController = RecordTable({target});
    EXPECT_EQ(object->WriteGlobalParameter(withoutController.get(), &target, message), -9);
    zielRegler.Typ = 6577;
    const auto wrongType = RecordTable({zielRegler, target});
    EXPECT_EQ(object->WriteGlobalParameter(wrongType.get(), &target, message), -9);

    Device().Unregister(Parent);
    EXPECT_EQ(Copy(), -9);
    EXPECT_EQ(target.Param6, 55);
    EXPECT_EQ(message, "vorher");
}

TEST_F(Ausgabe, TheGlobalParametersAreTheTimesTheDirectionsAndTheSingleState)
{
    object->SetGlobalParameterMode();
    Configure(rkEinRegelkreis, rbaHeizen);
    object->StatusRegler = 2;
    Build();
    for (const int tag : {0, 2, 4, 10})
        EXPECT_NE(grid.GetCell(2, Row(tag)), nullptr) << tag;
    for (const int tag : {7, 9})
        EXPECT_EQ(grid.GetCell(2, Row(tag)), nullptr) << tag;
}

} // namespace
} // namespace climatest
