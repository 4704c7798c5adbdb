#include "outside/datacore/DataBasis.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/datacore/RequestRecords.h"
#include "outside/tablebox/ComboBox.h"
#include "outside/tablebox/DrawGridSE.h"
#include "tests/support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <list>
#include <memory>

namespace {

constexpr int PlainTyp = 42;

// The smallest data object: the base part and the pure operations.
class TPlainData final : public TDataBasis {
public:
    using TDataBasis::TDataBasis;
    int GetQuickHelpIndexOffset() const override { return 300; }
    int GetTyp() const override { return PlainTyp; }
    int ListStyle() const override { return 1; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return false; }
    bool AllowDrop(TDataBasis*) const override { return false; }
    void Drop(TDataBasis*) override {}
    void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}
};

// The main window's record look-ups over a plain record list, and the handle table.
class DataBasisTest : public ::testing::Test {
protected:
    DataBasisTest()
    {
        window.AnswerWith([this](const testsupport::RecordingWindow::Message& m) -> platform::LRESULT {
            switch (m.message) {
            case WM_USER_GETEIBHANDLE:
                return reinterpret_cast<platform::LRESULT>(table.get());
            case WM_USER_GETDATENSATZ:
            case WM_USER_GETDATENSATZANYPARENT: {
                const auto system = static_cast<std::int32_t>(
                    m.message == WM_USER_GETDATENSATZ ? (m.wParam >> 16) : m.wParam);
                for (TDatenStruktur& r : records) {
                    if (r.System == system && r.Handle == m.lParam)
                        return reinterpret_cast<platform::LRESULT>(&r);
                }
                TDatenStruktur& created = records.emplace_back();
                created.System = system;
                created.Handle = static_cast<std::int32_t>(m.lParam);
                return reinterpret_cast<platform::LRESULT>(&created);
            }
            case WM_USER_FINDDATENSATZ:
                for (TDatenStruktur& r : records) {
                    if (r.System == static_cast<std::int32_t>(m.wParam) && r.Handle == m.lParam)
                        return reinterpret_cast<platform::LRESULT>(&r);
                }
                return 0;
            case WM_USER_DATENTRANSPORT:
                transport = *reinterpret_cast<const tagRecDatenTransport*>(m.lParam);
                return transportAnswer;
            default:
                return 0;
            }
        });
    }

    std::unique_ptr<TEibHandle> table = std::make_unique<TEibHandle>(std::list<int>{1, 2, 3});
    std::list<TDatenStruktur> records;
    tagRecDatenTransport transport;
    platform::LRESULT transportAnswer = 1;
    testsupport::RecordingWindow window;
};

TEST_F(DataBasisTest, HandleZeroTakesANewHandleFromTheDeviceTable)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 0);
    EXPECT_EQ(data.GetHandle(), 4);
    ASSERT_EQ(window.messages().size(), 1u);
    EXPECT_EQ(window.messages()[0].message, WM_USER_GETEIBHANDLE);
}

TEST_F(DataBasisTest, AStoredHandleIsKeptAndNothingIsAsked)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 99);
    EXPECT_EQ(data.GetHandle(), 99);
    EXPECT_EQ(data.GetSystem(), 7);
    EXPECT_EQ(data.GetParentHandle(), 3);
    EXPECT_EQ(data.GetWindowHandle(), window.handle());
    EXPECT_TRUE(window.messages().empty());
}

TEST_F(DataBasisTest, WithoutAHandleTableANewObjectIsRefused)
{
    table.reset();
    EXPECT_THROW(TPlainData(window.handle(), 7, 3, "Plain", 0), E_Basis);
}

TEST_F(DataBasisTest, WriteAndInitFromDBCarryTheCommonFields)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    data.SetPosId(5);
    TDatenStruktur record;
    record.Next = 77;
    record.Param2 = 8;
    data.Write(record);
    EXPECT_EQ(record.Handle, 12);
    EXPECT_EQ(record.Name, "Plain");
    EXPECT_EQ(record.Typ, PlainTyp);
    EXPECT_EQ(record.Parent, 3);
    EXPECT_EQ(record.System, 7);
    EXPECT_EQ(record.Param1, 5);
    EXPECT_EQ(record.Next, 77) << "the chain belongs to the class";
    EXPECT_EQ(record.Param2, 8);

    record.Name = "Anders";
    record.Param1 = 9;
    record.Handle = 500;
    TPlainData restored(window.handle(), 7, 3, "", 12);
    restored.InitFromDB(record);
    EXPECT_EQ(restored.GetName(false), "Anders");
    EXPECT_EQ(restored.GetPosId(), 9);
    EXPECT_EQ(restored.GetHandle(), 12);
}

TEST_F(DataBasisTest, NewAdditionalRecordIsChainedAndBelongsToNoLoader)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    TDatenStruktur main;
    TDatenStruktur* added = data.GetNewNebenDatensatz(&main);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Handle, 4);
    EXPECT_EQ(added->Parent, 12);
    EXPECT_EQ(added->System, 7);
    EXPECT_EQ(added->Typ, 0);
    EXPECT_EQ(main.Next, 4);
    const auto& sent = window.messages().back();
    EXPECT_EQ(sent.message, WM_USER_GETDATENSATZ);
    EXPECT_EQ(sent.wParam, (7u << 16) | 12u);
    EXPECT_EQ(sent.lParam, 4);
}

TEST_F(DataBasisTest, NoAdditionalRecordWithoutDevice)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    table.reset();
    TDatenStruktur main;
    EXPECT_EQ(data.GetNewNebenDatensatz(&main), nullptr);
    EXPECT_EQ(main.Next, 0);
    EXPECT_EQ(data.GetNewNebenDatensatz(nullptr), nullptr);
}

TEST_F(DataBasisTest, GetDatensatzFindsButNeverCreates)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    TDatenStruktur& stored = records.emplace_back();
    stored.System = 7;
    stored.Handle = 2;
    window.clear();

    EXPECT_EQ(data.GetDatensatz(7, 2), &stored);
    EXPECT_EQ(data.GetDatensatz(7, 40), nullptr);
    EXPECT_EQ(data.GetDatensatz(7, 0), nullptr);
    EXPECT_EQ(records.size(), 1u) << "a look-up of an unknown handle reached the creating message";
    int lookUps = 0;
    for (const auto& m : window.messages()) {
        lookUps += m.message == WM_USER_FINDDATENSATZ ? 1 : 0;
        EXPECT_NE(m.message, WM_USER_GETDATENSATZANYPARENT) << "a chain read asked the creating look-up";
    }
    EXPECT_EQ(lookUps, 1);
}

TEST_F(DataBasisTest, GetDatensatzOfAHandleInAnotherSystemFindsNothing)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    TDatenStruktur& other = records.emplace_back();
    other.System = 8;
    other.Handle = 2;

    EXPECT_EQ(data.GetDatensatz(7, 2), nullptr);
    EXPECT_EQ(records.size(), 1u);
}

struct ScaleCase {
    double value;
    int decimals;
    int scaled;
};

void PrintTo(const ScaleCase& c, std::ostream* os)
{
    *os << c.value << "_dec" << c.decimals;
}

class DataBasisScaling : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(DataBasisScaling, DecimalsAreStoredAsRoundedIntegers)
{
    const ScaleCase c = GetParam();
    EXPECT_EQ(TDataBasis::MakeDoubleToInt(c.value, c.decimals), c.scaled);
    EXPECT_NEAR(TDataBasis::MakeIntToDouble(c.scaled, c.decimals), c.value, 0.5 / std::pow(10.0, c.decimals));
}

INSTANTIATE_TEST_SUITE_P(Tenths, DataBasisScaling,
                         ::testing::Values(ScaleCase{21.5, 1, 215}, ScaleCase{7.0, 1, 70}, ScaleCase{-12.3, 1, -123},
                                           ScaleCase{0.29999, 1, 3}, ScaleCase{40.0, 0, 40}));

TEST_F(DataBasisTest, ModifyObjectAsksTheDeviceForTheObject)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    EXPECT_TRUE(data.ModifyObject(2, 3050, -500, true));
    EXPECT_EQ(transport.Code, UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER);
    EXPECT_EQ(transport.Handle, 12);
    EXPECT_EQ(transport.Sender, &data);
    EXPECT_EQ(transport.DisplayOrder, 3050);
    EXPECT_EQ(transport.Value, 2);
    EXPECT_EQ(transport.PositionBase, -500);
    EXPECT_EQ(transport.Ask, 1);

    transportAnswer = 0x100; // the answer is a byte
    EXPECT_FALSE(data.ModifyObject(0, 3050, -500, false));
    EXPECT_EQ(transport.Ask, 0);
}

TEST_F(DataBasisTest, MarkingAParameterCoversTheRowsThatDependOnIt)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    auto heating = std::make_unique<TGlobalParameter>();
    heating->Flag = 1;
    heating->Tag = 10;
    heating->AddDependentCellTag(11);
    heating->AddDependentCellTag(12);
    data.InsertGlobalParameterDataIntoMap(10, std::move(heating));
    auto band = std::make_unique<TGlobalParameter>();
    band->Tag = 12;
    data.InsertGlobalParameterDataIntoMap(12, std::move(band));

    EXPECT_FALSE(data.ChangeGlobalParameter());
    data.SetGlobalParameterValue(99, gpvAendern); // unknown: nothing
    EXPECT_FALSE(data.ChangeGlobalParameter());

    data.SetGlobalParameterValue(10, gpvAendern);
    EXPECT_TRUE(data.ChangeGlobalParameter());
    EXPECT_TRUE(data.ChangeParameter(10));
    EXPECT_TRUE(data.ChangeParameter(11)) << "a dependent row without entry of its own";
    EXPECT_EQ(data.GetGlobalParameter(12)->Value, gpvAendern) << "a dependent row with entry of its own";
    EXPECT_FALSE(data.ChangeParameter(13));

    std::int32_t field = 1;
    bool flag = false;
    data.WriteParameter(field, 5, 11);
    data.WriteParameter(flag, true, 13);
    EXPECT_EQ(field, 5);
    EXPECT_FALSE(flag);

    TComboBox combo;
    combo.Items = {"Nicht \xE4ndern", "\xC4ndern"};
    combo.ItemIndex = 0;
    data.SetGlobalParameterValue(10, &combo);
    EXPECT_FALSE(data.ChangeParameter(11));
    EXPECT_FALSE(data.ChangeGlobalParameter());

    data.ClearGlobalParameterMap();
    EXPECT_EQ(data.GetGlobalParameter(10), nullptr);
}

TEST_F(DataBasisTest, RowsCarryTagHelpNumberAndEditor)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    TDrawGridSE grid;
    data.AddRowCaption(&grid, 9, "Allgemein", "", TCell::gtsOpen, false);
    data.AddRowComboBox(&grid, "Art", 1, {{"A", 0}, {"B", 4}}, 4, 0, true);
    data.AddRowComboBoxYes(&grid, "Sperre", 2, 1, 0, true);
    data.AddRowComboBoxOnList(&grid, "Uhr", 3, 0, 0, true);
    data.AddRowSpinEdit(&grid, "Zeit", 4, 127, 10, 2, 50, 0, true);
    data.AddRowSpinEditComma(&grid, "Temperatur", 5, 40.0, 7.0, 5, 21.5, 1, 0, true);
    data.AddRowComboBoxYes(nullptr, "ohne Gitter", 6, 1, 0, true);

    ASSERT_EQ(grid.GetRowCount(), 6);
    const TCell* title = grid.GetCell(0, 0);
    EXPECT_EQ(title->Kind, TCell::ckGroupTitle);
    EXPECT_EQ(title->Text, "Allgemein");
    EXPECT_EQ(title->Tag, 9);
    EXPECT_EQ(title->GroupTitleState, TCell::gtsOpen);

    const TCell* art = grid.GetCell(1, 1);
    EXPECT_EQ(grid.GetCell(0, 1)->Text, "Art");
    EXPECT_EQ(art->Kind, TCell::ckComboBox);
    EXPECT_EQ(art->Tag, 1);
    EXPECT_EQ(art->HelpNumber, 301);
    EXPECT_EQ(grid.GetCell(0, 1)->HelpNumber, 301);
    EXPECT_EQ(art->Text, "B");
    EXPECT_FALSE(art->ReadOnly);

    const TCell* sperre = grid.GetCell(1, 2);
    ASSERT_EQ(sperre->Choices.size(), 2u);
    EXPECT_EQ(sperre->Choices[0].Caption, "Nein");
    EXPECT_EQ(sperre->Choices[1].Caption, "Ja");
    EXPECT_EQ(sperre->Text, "Ja");
    EXPECT_EQ(grid.GetCell(1, 3)->Choices[0].Caption, "Aus");
    EXPECT_EQ(grid.GetCell(1, 3)->Choices[1].Caption, "Ein");

    const TCell* zeit = grid.GetCell(1, 4);
    EXPECT_EQ(zeit->MaxValue, 127);
    EXPECT_EQ(zeit->MinValue, 10);
    EXPECT_EQ(zeit->Step, 2);
    EXPECT_EQ(zeit->Text, "50");

    const TCell* temperatur = grid.GetCell(1, 5);
    EXPECT_EQ(temperatur->Kind, TCell::ckSpinEditComma);
    EXPECT_EQ(temperatur->Decimals, 1);
    EXPECT_EQ(temperatur->Text, "21,5");
    EXPECT_EQ(grid.GetCell(2, 5), nullptr) << "no mark column outside global-parameter mode";
}

TEST_F(DataBasisTest, GlobalParameterModeAddsTheMarkOfDeclaredParameters)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    data.InsertGlobalParameterDataIntoMap(1, std::make_unique<TGlobalParameter>());
    data.SetGlobalParameterValue(1, gpvAendern);
    data.SetGlobalParameterMode();
    TDrawGridSE grid;
    data.AddRowComboBoxYes(&grid, "Sperre", 1, 0, 0, true);
    data.AddRowComboBoxYes(&grid, "Anderes", 2, 0, 0, true);

    const TCell* mark = grid.GetCell(2, 0);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->Kind, TCell::ckComboBox);
    EXPECT_EQ(mark->Tag, 1);
    ASSERT_EQ(mark->Choices.size(), 2u);
    EXPECT_EQ(mark->Choices[0].Caption, "Nicht \xE4ndern");
    EXPECT_EQ(mark->Choices[1].Caption, "\xC4ndern");
    EXPECT_EQ(mark->Text, "\xC4ndern");
    EXPECT_EQ(grid.GetCell(2, 1), nullptr);

    data.ClearGlobalParameterMode();
    EXPECT_FALSE(data.GetGlobalParameterMode());
}

struct TitleCase {
    TCell::TEnumGroupTitleState before;
    TCell::TEnumGroupTitleState after;
    bool changed;
};

void PrintTo(const TitleCase& c, std::ostream* os)
{
    switch (c.before) {
    case TCell::gtsNone:
        *os << "None";
        break;
    case TCell::gtsClosed:
        *os << "Closed";
        break;
    case TCell::gtsOpen:
        *os << "Open";
        break;
    case TCell::gtsAlwaysOpen:
        *os << "AlwaysOpen";
        break;
    default:
        *os << "State" << static_cast<int>(c.before);
        break;
    }
}

class GroupTitleState : public ::testing::TestWithParam<TitleCase> {};

TEST_P(GroupTitleState, SwitchesBetweenClosedAndOpen)
{
    TCell::TEnumGroupTitleState state = GetParam().before;
    EXPECT_EQ(TDataBasis::ChangeGroupTitleState(state), GetParam().changed);
    EXPECT_EQ(state, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(States, GroupTitleState,
                         ::testing::Values(TitleCase{TCell::gtsClosed, TCell::gtsOpen, true},
                                           TitleCase{TCell::gtsOpen, TCell::gtsClosed, true},
                                           TitleCase{TCell::gtsAlwaysOpen, TCell::gtsAlwaysOpen, false},
                                           TitleCase{TCell::gtsNone, TCell::gtsNone, false}));

TEST_F(DataBasisTest, CommonPasteAndInsertNeedARecordOfTheType)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    std::string message;
    EXPECT_FALSE(data.Paste(nullptr, message));

    TDatenStruktur other;
    other.Typ = 5;
    TDatenStruktur own;
    own.Typ = PlainTyp;
    const std::string text = other.ToString() + "\r\n" + own.ToString() + "\r\n";
    TDatenManager<TDatenStruktur> withOwn(text.data(), text.size());
    EXPECT_TRUE(data.Paste(&withOwn, message));
    const std::string otherText = other.ToString() + "\r\n";
    TDatenManager<TDatenStruktur> withoutOwn(otherText.data(), otherText.size());
    EXPECT_FALSE(data.Paste(&withoutOwn, message));

    TDataBasis::TRecordMap map{{1, other}};
    EXPECT_FALSE(data.Einfuegen(map));
    map.emplace(2, own);
    EXPECT_TRUE(data.Einfuegen(map));
}

TEST_F(DataBasisTest, IdentityDefaults)
{
    TPlainData data(window.handle(), 7, 3, "Plain", 12);
    TPlainData other(window.handle(), 7, 3, "Other", 13);
    other.SetPosId(8);
    data.SetPosId(&other);
    EXPECT_EQ(data.GetPosId(), 8);
    data.SetPosId(nullptr);
    EXPECT_EQ(data.GetPosId(), 8);
    data.SetTreePosId(3);
    EXPECT_EQ(data.GetTreePosId(), 3);
    EXPECT_EQ(data.GetPointerFromHandle(12), &data);
    EXPECT_EQ(data.GetPointerFromHandle(13), nullptr);
    EXPECT_EQ(data.GetAuxNumber(), 10);
    EXPECT_TRUE(data.IsVisible());
    EXPECT_FALSE(data.SetObjIdent(2));
    std::string message;
    EXPECT_EQ(data.WriteGlobalParameter(nullptr, nullptr, message), 1);
    data.SetAllGroupsOpenMode();
    EXPECT_TRUE(data.GetAllGroupsOpenMode());
    data.ClearAllGroupsOpenMode();
    EXPECT_FALSE(data.GetAllGroupsOpenMode());
}

} // namespace
