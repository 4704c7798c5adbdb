#include "tests/climalib/support/NamedCase.h"
#include "tests/climalib/support/ProbeFixture.h"

#include <functional>

namespace climatest {
namespace {

using climatest::PrintTo;
using P = TProbeDataObject;

// Drives one row's editor the way a user does: choose an item, or spin and leave the cell.
struct RowInput {
    const char* name;
    int tag;
    std::function<void(TDrawGridSE&)> input;
};

void ChooseItem(TDrawGridSE& grid, int index)
{
    grid.ChooseItem(index);
}

void SpinAndLeave(TDrawGridSE& grid, double value)
{
    grid.SpinTo(value);
    grid.LeaveCell();
}

class UnchangedValue : public ProbeFixture, public ::testing::WithParamInterface<RowInput> {};

TEST_P(UnchangedValue, NeitherWritesNorPosts)
{
    Build();
    grid.SetActiveCell(1, Row(GetParam().tag));
    GetParam().input(grid);
    window.DeliverPosted();
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_EQ(Device().RecordCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, UnchangedValue,
                         ::testing::Values(RowInput{"combo", P::tagAuswahl, [](TDrawGridSE& g) { ChooseItem(g, 1); }},
                                           RowInput{"yes", P::tagFreigabe, [](TDrawGridSE& g) { ChooseItem(g, 0); }},
                                           RowInput{"spin", P::tagZeit, [](TDrawGridSE& g) { SpinAndLeave(g, 10); }},
                                           RowInput{"comma", P::tagTemperatur,
                                                    [](TDrawGridSE& g) { SpinAndLeave(g, 21.5); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProbeFixture, AnAcceptedChangeStoresTheRecordAndThenPostsInTheClassOrder)
{
    Build();
    const int row = Row(P::tagAuswahl);
    grid.SetActiveCell(1, row);
    grid.ChooseItem(2); // "Fünf" = 5

    EXPECT_EQ(probe->Auswahl, 5);
    const platform::WPARAM systemParent = (platform::WPARAM{System} << 16) | Parent;
    const auto& sent = window.Messages();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[0].message, WM_USER_DATENTRANSPORT) << "the object is switched first";
    EXPECT_EQ(sent[1], Sent(WM_USER_GETDATENSATZ, systemParent, probe->GetHandle())) << "then the record is stored";
    EXPECT_TRUE(window.Posted().empty()) << "nothing posted is handled inside the event";
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(StoredRecord()->Param2, 5);
    EXPECT_EQ(StoredRecord()->Typ, P::Typ);

    window.Clear();
    window.DeliverPosted();
    EXPECT_EQ(window.Messages(),
              (std::vector{Post(WM_USER_ABGLEICHFORMVERW, 1, row), Post(WM_USER_UPDATEALLVIEWS, 1, row)}));
}

TEST_F(ProbeFixture, ARefusedChangePutsTheOldValueBackAndOnlyRebuildsTheViews)
{
    Build();
    const int row = Row(P::tagAuswahl);
    Device().AnswerDeleteAllowed(0);
    grid.SetActiveCell(1, row);
    grid.ChooseItem(0); // "Aus": the object would go

    EXPECT_EQ(probe->Auswahl, 1);
    ASSERT_EQ(Device().TransportRequests().size(), 1u);
    EXPECT_EQ(Device().TransportRequests()[0].Code, UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED);
    EXPECT_EQ(Device().TransportRequests()[0].ObjectNumbers, std::list<int>{P::ObjektAuswahl});
    EXPECT_EQ(StoredRecord(), nullptr) << "nothing written";
    window.Clear();
    window.DeliverPosted();
    EXPECT_EQ(window.Messages(), std::vector{Post(WM_USER_UPDATEALLVIEWS, 1, row)});
}

TEST_F(ProbeFixture, ADeviceRefusalPutsTheOldValueBack)
{
    Build();
    const int row = Row(P::tagFreigabe);
    Device().AnswerDeviceRequest(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION, 0);
    grid.SetActiveCell(1, row);
    grid.ChooseItem(1);

    EXPECT_EQ(probe->Freigabe, 0);
    ASSERT_EQ(Device().DeviceRequests().size(), 1u);
    EXPECT_EQ(StoredRecord(), nullptr);
    window.Clear();
    window.DeliverPosted();
    EXPECT_EQ(window.Messages(), std::vector{Post(WM_USER_UPDATEALLVIEWS, 1, row)});
}

TEST_F(ProbeFixture, ANumberChangeStoresAndRebuildsTheOtherViews)
{
    Build();
    grid.SetActiveCell(1, Row(P::tagZeit));
    grid.SpinTo(42);
    EXPECT_EQ(probe->Zeit, 10) << "spin rows change when the cell is left";
    grid.LeaveCell();

    EXPECT_EQ(probe->Zeit, 42);
    ASSERT_NE(StoredRecord(), nullptr);
    EXPECT_EQ(StoredRecord()->Param3, 42);
    window.Clear();
    window.DeliverPosted();
    EXPECT_EQ(window.Messages(), std::vector{Post(WM_USER_UPDATEOTHERVIEWS, 0, 0)});
}

TEST_F(ProbeFixture, ADecimalChangeReachesTheAdditionalRecordInTenths)
{
    Build();
    SpinAndLeave(P::tagTemperatur, 22.5);
    EXPECT_DOUBLE_EQ(probe->Temperatur, 22.5);
    ASSERT_NE(StoredRecord(), nullptr);
    const auto chain = Device().Chain(*StoredRecord());
    ASSERT_EQ(chain.size(), 2u);
    EXPECT_EQ(chain[0]->Param1, 225);
}

TEST_F(ProbeFixture, WithoutARecordTheChangeIsKeptButNotWritten)
{
    Build();
    const int row = Row(P::tagExtra);
    window.SetDeviceMissing(true);
    grid.SetActiveCell(1, row);
    grid.ChooseItem(1);
    EXPECT_EQ(probe->Extra, 1);
    EXPECT_EQ(Device().RecordCount(), 0u);
    window.Clear();
    window.DeliverPosted();
    EXPECT_EQ(window.Messages(), std::vector{Post(WM_USER_UPDATEALLVIEWS, 1, row)});
}

} // namespace
} // namespace climatest
