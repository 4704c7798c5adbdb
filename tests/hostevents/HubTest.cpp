#include "tests/hostevents/HostEventFixture.h"

#include "app/FrameMessages.h"
#include "app/HubMessages.h"
#include "device/DatenStruktur.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/progresslib/DlgProgress.h"
#include "views/PreviewMessages.h"
#include "views/ViewMessages.h"

#include <functional>

namespace hosttest {
namespace {

class Hub : public HostEventFixture {
public:
    using HostEventFixture::Main;
    using HostEventFixture::Windows;
    using HostEventFixture::Dm;
    using HostEventFixture::Ended;
    using HostEventFixture::Pump;
    platform::LRESULT Send(platform::UINT message, platform::WPARAM wParam = 0, platform::LPARAM lParam = 0)
    {
        return platform::SendMessage(Main->GetHandle(), message, wParam, lParam);
    }
    static platform::LPARAM Window(TFormVerwBase* window) { return reinterpret_cast<platform::LPARAM>(window); }
    // Three windows, in the list and none active.
    void ThreeWindows()
    {
        for (int i = 0; i < 3; ++i)
            Main->NewFormVerw();
        Pump();
        FormVerw = nullptr;
    }
};

// A row of the hub under one condition: arranged, sent, answered, checked.
struct HubCase {
    const char* Name;
    std::function<void(Hub&)> Arrange;
    platform::UINT Message;
    std::function<platform::WPARAM(Hub&)> WParam;
    std::function<platform::LPARAM(Hub&)> LParam;
    platform::LRESULT Expected;
    std::function<void(Hub&)> Check;
};

class HubRows : public Hub, public ::testing::WithParamInterface<HubCase> {};

TEST_P(HubRows, AnswerAndEffect)
{
    Start();
    const HubCase& row = GetParam();
    row.Arrange(*this);
    EXPECT_EQ(Send(row.Message, row.WParam(*this), row.LParam(*this)), row.Expected);
    row.Check(*this);
}

const auto None = [](Hub&) {};
const auto Zero = [](Hub&) { return 0; };
auto Value(std::int64_t value)
{
    return [value](Hub&) { return value; };
}
const auto WithDevice = [](Hub& h) { ASSERT_TRUE(h.Main->SetDevice(1, false)); };
const auto NothingChanged = [](Hub& h) {
    EXPECT_EQ(FormVerw, nullptr);
    EXPECT_FALSE(h.Main->fAbbruch);
    EXPECT_FALSE(h.Main->fSkipPreviewUpdate);
};

std::vector<HubCase> Rows()
{
    std::vector<HubCase> rows;
    for (const platform::UINT message : {WM_USER_GETDATAPOINTER, WM_USER_GETDATENSATZ, WM_USER_GETEIBHANDLE,
                                         WM_USER_GETDATENSATZANYPARENT, WM_USER_LOADGRPADR,
                                         WM_USER_USERDEVICEMESSAGE, WM_USER_DATENTRANSPORT})
        rows.push_back({"NoDeviceAnswers0", None, message, Value(1), Value(1), 0, NothingChanged});
    for (const platform::UINT message : {WM_USER_IGNORED100, WM_USER_IGNORED104, WM_USER_INFOWINDOWBUILT,
                                         WM_USER_IGNORED147, WM_USER_IGNORED160})
        rows.push_back({"Swallowed", WithDevice, message, Value(1), Value(1), 0, NothingChanged});
    rows.push_back({"SetActiveCellMakesTheOldestWindowActive", [](Hub& h) { h.ThreeWindows(); },
                    WM_USER_SETACTIVECELL, Zero, Zero, 0,
                    [](Hub& h) { EXPECT_EQ(FormVerw, h.Windows.Made.at(0)); }});
    rows.push_back({"SetActiveCellWithoutWindowsDoesNothing", None, WM_USER_SETACTIVECELL, Zero, Zero, 0,
                    [](Hub&) { EXPECT_EQ(FormVerw, nullptr); }});
    rows.push_back({"CreatedTwiceLeavesOneEntry", [](Hub& h) { h.ThreeWindows(); }, WM_USER_FORMVERWCREATED, Zero,
                    [](Hub& h) { return Hub::Window(h.Windows.Made.at(1)); }, 0,
                    [](Hub& h) {
                        EXPECT_EQ(h.Main->ListFormVerw, (std::vector<TFormVerwBase*>{h.Windows.Made.begin(),
                                                                                     h.Windows.Made.end()}));
                    }});
    rows.push_back({"DestroyedUnknownChangesNothing",
                    [](Hub& h) {
                        h.ThreeWindows();
                        FormVerw = h.Windows.Made.at(2);
                    },
                    WM_USER_FORMVERWDESTROYED, Zero, Value(0x1234), 0,
                    [](Hub& h) {
                        EXPECT_EQ(FormVerw, h.Windows.Made.at(2));
                        EXPECT_EQ(h.Main->ListFormVerw.size(), 3u);
                    }});
    rows.push_back({"DestroyingTheActiveGivesTheDeviceAnother",
                    [](Hub& h) {
                        h.ThreeWindows();
                        ASSERT_TRUE(h.Main->SetDevice(1, false));
                        FormVerw = h.Windows.Made.at(0);
                    },
                    WM_USER_FORMVERWDESTROYED, Zero, [](Hub& h) { return Hub::Window(h.Windows.Made.at(0)); }, 0,
                    [](Hub& h) {
                        EXPECT_EQ(FormVerw, h.Windows.Made.at(1));
                        EXPECT_EQ(h.Main->AktDevInst->ConfigWindow, h.Windows.Made.at(1));
                    }});
    rows.push_back({"DestroyingTheLastLeavesNone",
                    [](Hub& h) {
                        FormVerw = h.Main->NewFormVerw();
                        Hub::Pump();
                        ASSERT_TRUE(h.Main->SetDevice(1, false));
                    },
                    WM_USER_FORMVERWDESTROYED, Zero, [](Hub& h) { return Hub::Window(h.Windows.Made.at(0)); }, 0,
                    [](Hub& h) {
                        EXPECT_EQ(FormVerw, nullptr);
                        EXPECT_EQ(h.Main->AktDevInst->ConfigWindow, nullptr);
                    }});
    rows.push_back({"SelectTreeNodeOfTheSelectedDoesNothing",
                    [](Hub& h) {
                        FormVerw = h.Main->NewFormVerw();
                        h.Windows.Made.at(0)->Selected = reinterpret_cast<TDataBasis*>(0x10);
                    },
                    WM_USER_SELECTTREENODE, Zero, Value(0x10), 0,
                    [](Hub& h) { EXPECT_FALSE(h.Main->fSkipPreviewUpdate); }});
    rows.push_back({"UpdatePreviewWithoutPreviewClearsTheSkip", [](Hub& h) { h.Main->fSkipPreviewUpdate = true; },
                    WM_USER_UPDATEPREVIEW, Zero, Zero, 0,
                    [](Hub& h) { EXPECT_FALSE(h.Main->fSkipPreviewUpdate); }});
    rows.push_back({"ProgressCancelWithoutCancelDoesNothing", None, WM_USER_PROGRESSCANCEL, Zero, Zero, 0,
                    NothingChanged});
    rows.push_back({"ProgressCancelSetsTheAbort", None, WM_USER_PROGRESSCANCEL, Zero, Value(1), 0,
                    [](Hub& h) { EXPECT_TRUE(h.Main->fAbbruch); }});
    rows.push_back({"NumberSelectableOfAnUnknownObject", WithDevice, WM_USER_SETNUMBERSELECTABLEGRPADR, Value(3),
                    Value(999), 0, [](Hub&) {}});
    rows.push_back({"CloseHidesAndKeepsTheProgram", [](Hub& h) { h.Main->show(); }, WM_CLOSE, Zero, Zero, 1,
                    [](Hub& h) {
                        EXPECT_FALSE(h.Main->isVisible());
                        EXPECT_FALSE(h.Ended);
                    }});
    rows.push_back({"QueryOpenWithoutWindows", None, WM_QUERYOPEN, Zero, Zero, 0, [](Hub&) {}});
    rows.push_back({"SetModified", [](Hub& h) { h.Dm->fDataModified = false; }, WM_USER_SETMODIFIED, Zero, Zero, 0,
                    [](Hub& h) { EXPECT_TRUE(h.Dm->fDataModified); }});
    return rows;
}

std::string RowName(const ::testing::TestParamInfo<HubCase>& info)
{
    return std::string(info.param.Name) + "_" + std::to_string(info.param.Message);
}

INSTANTIATE_TEST_SUITE_P(Table, HubRows, ::testing::ValuesIn(Rows()), RowName);

class HubRecords : public Hub {};

TEST_F(HubRecords, GetDatensatzOfParent65535FindsTheRecordUnderItsParent)
{
    Start();
    ASSERT_TRUE(Main->SetDevice(1, false));
    const auto* record = reinterpret_cast<const TDatenStruktur*>(Send(WM_USER_GETDATENSATZ, 0xFFFF, 2));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->Handle, 2);
    EXPECT_EQ(record->Parent, 1);
    EXPECT_EQ(reinterpret_cast<const TDatenStruktur*>(Send(WM_USER_GETDATENSATZANYPARENT, 0, 2)), record);
}

} // namespace
} // namespace hosttest
