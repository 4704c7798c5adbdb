#include "climalib/ReglernebenstellenFunktion.h"
#include "tests/climalib/DataObjectFixture.h"
#include "tests/climalib/support/NamedCase.h"

namespace climatest {
namespace {

using climatest::PrintTo;
using N = TReglernebenstellenFunktion;
using Strings = std::vector<std::string>;

using Nebenstelle = DataObjectFixture<N>;

TEST_F(Nebenstelle, IdentityOfTheClass)
{
    const TDataBasis& base = *object;
    EXPECT_EQ(base.GetTyp(), 6593);
    EXPECT_EQ(base.GetIcon(), 48);
    EXPECT_EQ(base.GetQuickHelpIndexOffset(), 1600);
    EXPECT_EQ(base.ListStyle(), 1);
    EXPECT_FALSE(base.GlobalParameterEnabled());
    EXPECT_TRUE(base.IsVisible());
    EXPECT_TRUE(window.Messages().empty());
}

TEST_F(Nebenstelle, TakesNoPartInTheGlobalParameterCopy)
{
    TDatenStruktur target;
    target.Typ = 6593;
    target.Bool4 = true;
    target.Param4 = 1;
    const TDatenStruktur before = target;
    const auto table = RecordTable({target});
    std::string message = "vorher";
    EXPECT_EQ(object->WriteGlobalParameter(table.get(), &target, message), 1);
    EXPECT_EQ(target.ToString(), before.ToString());
    EXPECT_EQ(message, "vorher");
}

TEST_F(Nebenstelle, CreateObjectsSwitchesTheElevenObjectsWithTheirFlagCellRequestsInOrder)
{
    EXPECT_TRUE(object->CreateObjects());
    EXPECT_EQ(Trace(), (Strings{"UDT8:3000=1/0", "UDT8:3050=3/0", "UDM33:28/1", "UDT8:3060=2/0", "UDM33:32/1",
                               "UDT8:3260=2/0", "UDM33:52/1", "UDT8:3270=2/0", "UDT8:3070=2/0", "UDM33:33/1",
                               "UDT8:3100=3/0", "UDM33:36/1", "UDT8:3110=2/0", "UDM33:37/1", "UDT8:3120=2/0",
                               "UDM33:38/1", "UDT8:3240=2/0", "UDM33:50/1", "UDT8:3280=0/0"}));
    std::vector<int> bases;
    for (const auto& request : Device().TransportRequests()) {
        EXPECT_EQ(request.Sender, object.get());
        bases.push_back(request.PositionBase);
    }
    EXPECT_EQ(bases, (std::vector<int>{-1200, -1100, -1000, -400, -300, -900, -800, -700, -600, -500, -200}));
    for (const auto& request : Device().DeviceRequests()) {
        EXPECT_EQ(request.Handle, object->GetHandle());
        EXPECT_EQ(request.Sender, object.get());
    }
}

TEST_F(Nebenstelle, DeleteObjectsRemovesAllElevenAndSendsNoFlagCellRequest)
{
    object->LuefterstufenAnzeige = Ja;
    EXPECT_TRUE(object->DeleteObjects());
    EXPECT_EQ(Trace(), (Strings{"UDT8:3000=0/0", "UDT8:3050=0/0", "UDT8:3060=0/0", "UDT8:3260=0/0", "UDT8:3270=0/0",
                               "UDT8:3070=0/0", "UDT8:3100=0/0", "UDT8:3110=0/0", "UDT8:3120=0/0", "UDT8:3240=0/0",
                               "UDT8:3280=0/0"}));
}

TEST_F(Nebenstelle, ARefusedFlagCellRequestEndsCreateObjects)
{
    Device().AnswerDeviceRequest(UDM_MODIFY_ENABLE_CELL_FLAG_STATUS, 0);
    EXPECT_FALSE(object->CreateObjects());
    EXPECT_EQ(Trace(), (Strings{"UDT8:3000=1/0", "UDT8:3050=3/0", "UDM33:28/1"}));
}

TEST_F(Nebenstelle, AFailedObjectEndsDeleteObjects)
{
    Device().AnswerAddObject(0);
    EXPECT_FALSE(object->DeleteObjects());
    EXPECT_EQ(Trace(), (Strings{"UDT8:3000=0/0"}));
}

// One object operation with a failed object change.
struct FailedObject {
    const char* name;
    bool (N::*operation)(bool, bool);
    int objectNumber;
    Strings trace; // of (false, true) when ModifyObject fails
};

class NebenstelleFailedObject : public Nebenstelle, public ::testing::WithParamInterface<FailedObject> {};

TEST_P(NebenstelleFailedObject, AnswersFalseAndSendsTheFlagCellRequestOnlyWhereThePartSays)
{
    Device().AnswerAddObject(0);
    EXPECT_FALSE((object.get()->*GetParam().operation)(false, true));
    EXPECT_EQ(Trace(), GetParam().trace);

    window.Clear();
    EXPECT_FALSE((object.get()->*GetParam().operation)(true, true));
    EXPECT_EQ(Trace(), Strings{"UDT8:" + std::to_string(GetParam().objectNumber) + "=0/1"}) << "removing sends no request";
}

INSTANTIATE_TEST_SUITE_P(
    Operations, NebenstelleFailedObject,
    ::testing::Values(
        FailedObject{"IstTemperatur", &N::ModifyIstTemperaturObjekt, 3000, {"UDT8:3000=1/1"}},
        FailedObject{"BetriebsmodusUmschaltung", &N::ModifyBetriebsmodusUmschaltungObjekte, 3050, {"UDT8:3050=3/1"}},
        FailedObject{"BetriebsmodusZwang", &N::ModifyBetriebsmodusZwangsObjekte, 3060, {"UDT8:3060=2/1"}},
        FailedObject{"AktuelleSollwertverschiebung", &N::ModifyAktuelleSollwertverschiebungObjekte, 3260,
                     {"UDT8:3260=2/1"}},
        FailedObject{"Sollwertverschiebung", &N::ModifySollwertverschiebungObjekte, 3270, {"UDT8:3270=2/1"}},
        FailedObject{"Praesenz", &N::ModifyPraesenzObjekt, 3070, {"UDT8:3070=2/1", "UDM33:33/1"}},
        FailedObject{"StatusBetriebsmodus", &N::ModifyStatusBetriebsmodusObjekt, 3100, {"UDT8:3100=3/1", "UDM33:36/1"}},
        FailedObject{"MeldungHeizen", &N::ModifyMeldungHeizenObjekt, 3110, {"UDT8:3110=2/1", "UDM33:37/1"}},
        FailedObject{"MeldungKuehlen", &N::ModifyMeldungKuehlenObjekt, 3120, {"UDT8:3120=2/1", "UDM33:38/1"}},
        FailedObject{"SollTemperatur", &N::ModifySollTemperaturObjekt, 3240, {"UDT8:3240=2/1", "UDM33:50/1"}},
        FailedObject{"LuefterstufenAnzeige", &N::ModifyLuefterstufenAnzeigeObjekte, 3280, {"UDT8:3280=0/1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Nebenstelle, ARefusedFlagCellRequestFailsTheOperationAfterItsObjectWasSet)
{
    Device().AnswerDeviceRequest(UDM_MODIFY_ENABLE_CELL_FLAG_STATUS, 0);
    EXPECT_FALSE(object->ModifySollTemperaturObjekt(false, false));
    EXPECT_EQ(Trace(), (Strings{"UDT8:3240=2/0", "UDM33:50/1"}));
}

// The fan-stage display.
struct FanVariant {
    T_DB_EnumDataBasis::TEnumBool anzeige;
    std::int8_t objekttyp;
    int variant;
};

void PrintTo(const FanVariant& c, std::ostream* os)
{
    *os << "Anzeige" << (c.anzeige == Ja ? "Ja" : "Nein") << "_Typ" << static_cast<int>(c.objekttyp);
}

class NebenstelleFanVariant : public Nebenstelle, public ::testing::WithParamInterface<FanVariant> {};

TEST_P(NebenstelleFanVariant, FollowsTheDisplayAndItsObjectType)
{
    object->LuefterstufenAnzeige = GetParam().anzeige;
    object->ObjekttypLuefterstufen = GetParam().objekttyp;
    EXPECT_TRUE(object->ModifyLuefterstufenAnzeigeObjekte(false, false));
    EXPECT_EQ(Trace(), Strings{"UDT8:3280=" + std::to_string(GetParam().variant) + "/0"});
}

INSTANTIATE_TEST_SUITE_P(Settings, NebenstelleFanVariant,
                         ::testing::Values(FanVariant{Nein, 0, 0}, FanVariant{Nein, 1, 0}, FanVariant{Ja, 0, 1},
                                           FanVariant{Ja, 1, 2}, FanVariant{Ja, 5, 2}));

TEST_F(Nebenstelle, SwitchingTheDisplayOnUsesTheKeptObjectTypeAndRebuildsAllViewsBeforeTheAlignment)
{
    object->ObjekttypLuefterstufen = 1;
    Build();
    ChooseItem(N::tagLuefterstufenAnzeige, 1);
    EXPECT_EQ(object->LuefterstufenAnzeige, Ja);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3280=2/1", "store", "post ALL 1,1", "post ABGLEICH 1,1"}));
    EXPECT_TRUE(StoredRecord()->Bool4);
    EXPECT_EQ(StoredRecord()->Param4, 1);

    window.Clear();
    Build();
    ChooseItem(N::tagLuefterstufenAnzeige, 0);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3280=0/1", "store", "post ALL 1,1", "post ABGLEICH 1,1"}));
}

TEST_F(Nebenstelle, ChangingTheObjectTypeWhileTheDisplayIsOnSwitchesTheVariant)
{
    object->LuefterstufenAnzeige = Ja;
    Build();
    ChooseItem(N::tagObjekttypLuefterstufen, 1);
    EXPECT_EQ(object->ObjekttypLuefterstufen, 1);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3280=2/1", "store", "post ALL 1,2", "post ABGLEICH 1,2"}));
}

TEST_F(Nebenstelle, ARefusedObjectChangePutsTheOldValueBack)
{
    object->LuefterstufenAnzeige = Ja;
    Device().AnswerAddObject(0);
    Build();
    ChooseItem(N::tagLuefterstufenAnzeige, 0);
    EXPECT_EQ(object->LuefterstufenAnzeige, Ja);
    EXPECT_EQ(DeliveredTrace(), (Strings{"UDT8:3280=0/1", "post ALL 1,1"}));
    EXPECT_EQ(StoredRecord(), nullptr);
}

TEST_F(Nebenstelle, TheSameValueChangesNothing)
{
    Build();
    ChooseItem(N::tagLuefterstufenAnzeige, 0);
    EXPECT_TRUE(DeliveredTrace().empty());
}

// Grid rows.
TEST_F(Nebenstelle, TheTypeRowIsShownOnlyWhileTheDisplayIsOn)
{
    Build(true);
    EXPECT_EQ(RowTags(), (std::vector<int>{N::tagAllgemein, N::tagLuefterstufenAnzeige}));
    const TCell& title = *grid.GetCell(0, 0);
    EXPECT_EQ(title.Kind, TCell::ckGroupTitle);
    EXPECT_EQ(title.Text, "Allgemein");
    EXPECT_TRUE(title.Flag) << "the title row takes the flag";
    EXPECT_EQ(grid.GetCell(0, 1)->Text, "Anzeige der L\xFC" "fterstufen verwenden");
    EXPECT_EQ(ValueCell(N::tagLuefterstufenAnzeige).Text, "Nein");

    object->LuefterstufenAnzeige = Ja;
    object->ObjekttypLuefterstufen = 1;
    Build(false);
    EXPECT_FALSE(grid.GetCell(0, 0)->Flag);
    EXPECT_EQ(RowTags(), (std::vector<int>{N::tagAllgemein, N::tagLuefterstufenAnzeige, N::tagObjekttypLuefterstufen}));
    const TCell& type = ValueCell(N::tagObjekttypLuefterstufen);
    ASSERT_EQ(type.Choices.size(), 2u);
    EXPECT_EQ(type.Choices[0].Caption, "3 x 1 Bit");
    EXPECT_EQ(type.Choices[1].Caption, "1 Byte");
    EXPECT_EQ(type.Text, "1 Byte");
    EXPECT_TRUE(type.Flag);
    EXPECT_EQ(type.HelpNumber, 1602);
}

TEST_F(Nebenstelle, AClosedGroupShowsOnlyItsTitleUnlessAllGroupsAreOpen)
{
    object->LuefterstufenAnzeige = Ja;
    object->GruppeAllgemein = TCell::gtsClosed;
    Build();
    EXPECT_EQ(RowTags(), std::vector<int>{N::tagAllgemein});
    object->SetAllGroupsOpenMode();
    Build();
    EXPECT_EQ(RowTags(), (std::vector<int>{N::tagAllgemein, N::tagLuefterstufenAnzeige, N::tagObjekttypLuefterstufen}));
}

TEST_F(Nebenstelle, TwoTitleEventsSwitchTheGroupOnceAndOtherRowsStillToggle)
{
    Build();
    TCell title = *grid.GetCell(0, 0);
    object->GridGroupTitleClick(nullptr, title, 0, 0, 0);
    object->GridGroupTitleClick(nullptr, title, 0, 0, 1);
    EXPECT_EQ(object->GruppeAllgemein, TCell::gtsClosed);
    EXPECT_EQ(object->GroupTitleToggle, 0);

    TCell other = ValueCell(N::tagLuefterstufenAnzeige);
    object->GridGroupTitleClick(nullptr, other, 1, 1, 0);
    EXPECT_EQ(object->GroupTitleToggle, 1) << "any tag inverts the toggle";
    object->GridGroupTitleClick(nullptr, title, 0, 0, 0);
    EXPECT_EQ(object->GruppeAllgemein, TCell::gtsClosed) << "ignored while the toggle is 1";
    EXPECT_EQ(DeliveredTrace(), Strings{"post ALL 0,0"});
}

TEST_F(Nebenstelle, OneClickOnTheTitleClosesAndTheNextOpensTheGroup)
{
    Build();
    grid.ClickGroupTitle(0);
    EXPECT_EQ(object->GruppeAllgemein, TCell::gtsClosed);
    window.DeliverPosted();
    Build();
    EXPECT_EQ(RowTags(), std::vector<int>{N::tagAllgemein});
    grid.ClickGroupTitle(0);
    EXPECT_EQ(object->GruppeAllgemein, TCell::gtsOpen);
}

// Record and paste.
TEST_F(Nebenstelle, ANewObjectsRecordHoldsTheDefaults)
{
    const TDatenStruktur& record = WriteRecord();
    EXPECT_EQ(record.Typ, 6593);
    EXPECT_FALSE(record.Bool4);
    EXPECT_EQ(record.Param4, 0);
    EXPECT_EQ(record.Next, 0);
    EXPECT_EQ(Device().RecordCount(), 1u) << "one record, no chain";
}

TEST_F(Nebenstelle, TheSettingSurvivesTheRecordAndARestoredGroupIsOpen)
{
    object->LuefterstufenAnzeige = Ja;
    object->ObjekttypLuefterstufen = 1;
    object->GruppeAllgemein = TCell::gtsClosed;
    const TDatenStruktur record = WriteRecord();
    EXPECT_TRUE(record.Bool4);
    EXPECT_EQ(record.Param4, 1);
    N restored(window.Handle(), record.System, record.Parent, record.Name, record.Handle);
    window.Clear();
    restored.InitFromDB(record);
    EXPECT_EQ(restored.LuefterstufenAnzeige, Ja);
    EXPECT_EQ(restored.ObjekttypLuefterstufen, 1);
    EXPECT_EQ(restored.GruppeAllgemein, TCell::gtsOpen);
    EXPECT_TRUE(Trace().empty()) << "reading switches no object";
}

TDatenStruktur NebenstellenRecord(bool anzeige, int objekttyp)
{
    TDatenStruktur record;
    record.Handle = 70;
    record.Typ = 6593;
    record.Name = "Quelle";
    record.Bool4 = anzeige;
    record.Param4 = objekttyp;
    return record;
}

TEST_F(Nebenstelle, PasteTakesTheSettingOfTheFirstRecordOfTheType)
{
    TDatenStruktur other = NebenstellenRecord(false, 0);
    other.Typ = 806;
    const auto table = RecordTable({other, NebenstellenRecord(true, 1), NebenstellenRecord(false, 0)});
    std::string message;
    EXPECT_TRUE(object->Paste(table.get(), message));
    EXPECT_EQ(object->LuefterstufenAnzeige, Ja);
    EXPECT_EQ(object->ObjekttypLuefterstufen, 1);
    EXPECT_EQ(object->GetName(false), "Objekt") << "the name and identity stay";
    EXPECT_TRUE(Trace().empty()) << "the paste itself switches no object";
}

TEST_F(Nebenstelle, PasteWithoutARecordOfTheTypeThrowsAndChangesNothing)
{
    object->ObjekttypLuefterstufen = 1;
    TDatenStruktur other = NebenstellenRecord(true, 0);
    other.Typ = 6594;
    const auto table = RecordTable({other});
    std::string message;
    try {
        object->Paste(table.get(), message);
        FAIL() << "no exception";
    } catch (const E_DataBasis& e) {
        EXPECT_EQ(e.Code, 3);
        EXPECT_EQ(e.Message, "Objekt:\nEs wurden keine g\xFCltigen Daten gefunden.");
    }
    EXPECT_THROW(object->Paste(nullptr, message), E_DataBasis);
    EXPECT_EQ(object->LuefterstufenAnzeige, Nein);
    EXPECT_EQ(object->ObjekttypLuefterstufen, 1);
}

} // namespace
} // namespace climatest
