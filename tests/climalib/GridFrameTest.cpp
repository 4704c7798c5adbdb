#include "tests/climalib/support/NamedCase.h"
#include "tests/climalib/support/ProbeFixture.h"

#include <string>
#include <tuple>

namespace climatest {
namespace {

using climatest::PrintTo;
using P = TProbeDataObject;

class ColumnCount : public ProbeFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(ColumnCount, TwoColumnsOrThreeInGlobalParameterMode)
{
    const bool globalParameterMode = GetParam();
    if (globalParameterMode)
        probe->SetGlobalParameterMode();
    Build();
    EXPECT_EQ(grid.GetColCount(), globalParameterMode ? 3 : 2);
    // The mark column holds the declared parameters only.
    for (const int tag : {P::tagAuswahl, P::tagTemperatur, P::tagExtra})
        EXPECT_EQ(grid.GetCell(2, Row(tag)) != nullptr, globalParameterMode) << tag;
    for (const int tag : {P::tagFreigabe, P::tagZeit, P::tagGruppe})
        EXPECT_EQ(grid.GetCell(2, Row(tag)), nullptr) << tag;
}

INSTANTIATE_TEST_SUITE_P(Modes, ColumnCount, ::testing::Bool());

TEST_F(ProbeFixture, RowsCarryTagValueAndHelpNumberOfTheirParameter)
{
    Build();
    ASSERT_EQ(grid.GetRowCount(), 6);
    for (const int tag : {P::tagAuswahl, P::tagFreigabe, P::tagZeit, P::tagTemperatur, P::tagExtra}) {
        const TCell* value = grid.GetCell(1, Row(tag));
        ASSERT_NE(value, nullptr) << tag;
        EXPECT_EQ(value->Tag, tag);
        EXPECT_EQ(value->HelpNumber, P::QuickHelpOffset + tag);
    }
    EXPECT_EQ(grid.GetCell(1, Row(P::tagAuswahl))->Text, "Eins");
    EXPECT_EQ(grid.GetCell(1, Row(P::tagFreigabe))->Text, "Nein");
    EXPECT_EQ(grid.GetCell(1, Row(P::tagZeit))->Text, "10");
    EXPECT_EQ(grid.GetCell(1, Row(P::tagTemperatur))->Text, "21,5");
    EXPECT_EQ(grid.GetCell(0, Row(P::tagGruppe))->Kind, TCell::ckGroupTitle);
    EXPECT_TRUE(window.Messages().empty());
}

TEST_F(ProbeFixture, WithoutAGridNothingHappens)
{
    probe->BuildInfoWindow(nullptr, nullptr, false, 1, 0);
    window.DeliverPosted();
    EXPECT_TRUE(window.Messages().empty());
}

class ActiveCell : public ProbeFixture, public ::testing::WithParamInterface<std::tuple<int, int, bool>> {};

TEST_P(ActiveCell, IsPostedWhenColumnOrRowIsGiven)
{
    const auto [column, row, posted] = GetParam();
    Build(false, column, row);
    EXPECT_TRUE(window.Messages().empty()) << "nothing is handled inside the build";
    window.DeliverPosted();
    if (posted)
        EXPECT_EQ(window.Messages(), std::vector{Post(WM_USER_SETACTIVECELL, column, row)});
    else
        EXPECT_TRUE(window.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Cells, ActiveCell,
                         ::testing::Values(std::tuple{-1, -1, false}, std::tuple{1, 0, true}, std::tuple{1, 4, true},
                                           std::tuple{-1, 0, true}, std::tuple{0, -1, true}));

TEST_F(ProbeFixture, OneUserClickOnAGroupTitleSwitchesTheGroupOnce)
{
    Build();
    ASSERT_NE(Row(P::tagExtra), -1);

    grid.ClickGroupTitle(Row(P::tagGruppe));
    EXPECT_EQ(probe->GruppeState, TCell::gtsClosed);
    window.DeliverPosted();
    EXPECT_EQ(window.Posted(), std::vector{Post(WM_USER_UPDATEALLVIEWS, 0, Row(P::tagGruppe))});
    Build();
    EXPECT_EQ(Row(P::tagExtra), -1) << "a closed group shows its title only";

    window.Clear();
    grid.ClickGroupTitle(Row(P::tagGruppe));
    EXPECT_EQ(probe->GruppeState, TCell::gtsOpen);
    window.DeliverPosted();
    EXPECT_EQ(window.Posted().size(), 1u);
    Build();
    EXPECT_NE(Row(P::tagExtra), -1);
}

struct TitleCalls {
    const char* name;
    int calls;
    TCell::TEnumGroupTitleState state;
    std::size_t posts;
};

class TitleEvents : public ProbeFixture, public ::testing::WithParamInterface<TitleCalls> {};

TEST_P(TitleEvents, TheHandlerActsOnEveryOtherCall)
{
    const TitleCalls& c = GetParam();
    Build();
    TCell title = *grid.GetCell(0, Row(P::tagGruppe));
    for (int i = 0; i < c.calls; ++i)
        probe->GridGroupTitleClick(&grid, title, 0, 4, 0);
    EXPECT_EQ(probe->GruppeState, c.state);
    window.DeliverPosted();
    EXPECT_EQ(window.Posted().size(), c.posts);
}

INSTANTIATE_TEST_SUITE_P(Calls, TitleEvents,
                         ::testing::Values(TitleCalls{"OneCallCloses", 1, TCell::gtsClosed, 1},
                                           TitleCalls{"TheSecondCallIsIgnored", 2, TCell::gtsClosed, 1},
                                           TitleCalls{"TheThirdCallOpensAgain", 3, TCell::gtsOpen, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProbeFixture, AllGroupsOpenModeShowsTheRowsOfAClosedGroup)
{
    probe->GruppeState = TCell::gtsClosed;
    Build();
    EXPECT_EQ(Row(P::tagExtra), -1);
    probe->SetAllGroupsOpenMode();
    Build();
    EXPECT_NE(Row(P::tagExtra), -1);
    probe->ClearAllGroupsOpenMode();
    probe->GruppeState = TCell::gtsAlwaysOpen;
    Build();
    EXPECT_NE(Row(P::tagExtra), -1);
}

TEST_F(ProbeFixture, AClickOnAnotherTitleOnlyCountsTheCall)
{
    Build();
    TCell other = *grid.GetCell(0, Row(P::tagGruppe));
    other.Tag = 77;
    probe->GridGroupTitleClick(&grid, other, 0, 4, 0);
    EXPECT_EQ(probe->GruppeState, TCell::gtsOpen);
    EXPECT_EQ(probe->GroupTitleToggle, 1);
}

TEST_F(ProbeFixture, TheEventsOfAnObjectThatIsGoneReachNothing)
{
    Build();
    const int row = Row(P::tagAuswahl);
    Device().Unregister(probe->GetHandle());
    probe.reset();
    grid.SetActiveCell(1, row);
    grid.ChooseItem(2);
    grid.LeaveCell();
    window.DeliverPosted();
    EXPECT_TRUE(window.Messages().empty());
}

TEST_F(ProbeFixture, TheNextObjectFillingTheGridTakesOverItsEvents)
{
    TProbeDataObject other(window.Handle(), System, Parent, "Andere", 0);
    Device().Register(&other);
    Build();
    grid.Clear();
    other.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    grid.SetActiveCell(1, grid.FindRow(P::tagAuswahl));
    grid.ChooseItem(2);
    EXPECT_EQ(other.Auswahl, 5);
    EXPECT_EQ(probe->Auswahl, 1);
}

TEST_F(ProbeFixture, AnEventWithoutEditorChangesNothing)
{
    Build();
    TCell cell = *grid.GetCell(1, Row(P::tagAuswahl));
    probe->GridComboBoxChange(nullptr, cell, 1, 0);
    probe->GridExitCell(&grid, nullptr, cell, 1, 0);
    probe->GridExitCell(nullptr, nullptr, cell, 1, 0);
    window.DeliverPosted();
    EXPECT_TRUE(window.Messages().empty());
}

} // namespace
} // namespace climatest
