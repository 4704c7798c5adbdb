#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerSollwerte.h"
#include "device/product/DatenTyp.h"
#include "outside/datacore/MainWindowMessages.h"
#include "tests/product/support/ManagerFixture.h"
#include "tests/support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace managertest {
namespace {

// One controller request: sender type, code, fields, answer, the hooks asked, the posts and the
// download flags after it.
struct Request {
    const char* Name;
    int SenderTyp;   // 0: no sender object, the record carries the type
    bool WithSender; // false: only the sender's record
    std::uint8_t Code;
    std::int32_t Integer;
    std::uint8_t Byte;
    std::uint8_t Answer;
    std::vector<int> Asked;
    bool Posts;          // WM_USER_ABGLEICHFORMVERW then WM_USER_UPDATEOTHERVIEWS
    const char* Flags;   // the six download flags after the request
};

void PrintTo(const Request& r, std::ostream* os)
{
    *os << r.Name;
}

const std::vector<int> OnlyController{0, 1};
const std::vector<int> EveryHook{0, 1, 2, 3, 4, 5};

class ControllerRequests : public ManagerTest, public ::testing::WithParamInterface<Request> {};

TEST_P(ControllerRequests, AnswerAndEffect)
{
    const Request& r = GetParam();
    MakeSwitchSystem(false, true, false, false, false, false);
    ASSERT_TRUE(device_->CreateReglerFunktion(sys_, false));
    sys_->SetSystemFlags(false, false, false, true, false, false);
    TDataBasis* sender = Find(r.SenderTyp);
    ASSERT_NE(sender, nullptr);
    device_->Asked.clear();
    hub_.Window().clear();

    tagWmUserDevice request;
    request.Handle = sender->GetHandle();
    request.Code = r.Code;
    request.Integer = r.Integer;
    request.Byte = r.Byte;
    TDatenStruktur record = *device_->GetDatenSatz(sender);
    if (r.WithSender)
        request.Sender = sender;
    else
        request.Record = &record;
    const auto answer = static_cast<std::uint8_t>(
        platform::SendMessage(Window(), WM_USER_USERDEVICEMESSAGE, 0, reinterpret_cast<platform::LPARAM>(&request)));
    EXPECT_EQ(answer, r.Answer);
    EXPECT_EQ(device_->Asked, r.Asked);
    EXPECT_EQ(Flags(), r.Flags);
    if (r.Code == UDM_GET_VALUE_OF_ZUGRIFF_AUF_BEDIENEBENEN) {
        EXPECT_EQ(request.Integer, sys_->GetValueOfZugriffAufBedienebenen());
    }

    testsupport::DeliverPostedMessages();
    std::vector<platform::UINT> posts;
    for (const auto& message : hub_.Window().messages())
        if (message.message == WM_USER_ABGLEICHFORMVERW || message.message == WM_USER_UPDATEOTHERVIEWS)
            posts.push_back(message.message);
    if (r.Posts)
        EXPECT_EQ(posts, (std::vector<platform::UINT>{WM_USER_ABGLEICHFORMVERW, WM_USER_UPDATEOTHERVIEWS}));
    else
        EXPECT_TRUE(posts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ControllerRequests,
    ::testing::Values(
        Request{"OutputAdaptsToTheOperatingType", DT_REGLER_FUNKTION, true, 8, 0, 0, 1, OnlyController, true,
                "000100"},
        Request{"KeyFunctionsFromTheController", DT_REGLER_FUNKTION, true, 10, 0, 0, 1, OnlyController, false,
                "000100"},
        Request{"SetPointsWithOneCircuit", DT_REGLER_FUNKTION, true, 14, 0, 0, 1, OnlyController, true, "000100"},
        Request{"MeasurementFollows", DT_REGLER_FUNKTION, true, 15, 0, 0, 1, OnlyController, true, "000100"},
        Request{"LevelAccessAnswered", DT_REGLER_FUNKTION, true, 26, 0, 0, 1, OnlyController, false, "000100"},
        // The set points ask the controller's level access on the way (code 26, nested).
        Request{"SetPointChangeOptions", DT_REGLER_FUNKTION, true, 27, 0, 0, 1, {0, 1, 0, 1}, true, "000100"},
        Request{"SystemLevelAccess", DT_REGLER_FUNKTION, true, 28, 0, 0, 1, OnlyController, true, "000100"},
        Request{"UnknownCodeOfTheController", DT_REGLER_FUNKTION, true, 12, 0, 0, 0, EveryHook, false, "000100"},
        Request{"HalfKelvinStepMarksTheUserParameters", DT_REGLER_SOLLWERTE, true, 37, 1, 0, 1, OnlyController,
                false, "010100"},
        Request{"TenthKelvinStepChangesNoFlag", DT_REGLER_SOLLWERTE, true, 37, 0, 0, 1, OnlyController, false,
                "000100"},
        Request{"FunctionalityKeyValues", DT_REGLER_FUNKTIONALITAET, true, 12, 0, 0, 1, OnlyController, false,
                "000100"},
        Request{"FunctionalityOtherCode", DT_REGLER_FUNKTIONALITAET, true, 10, 0, 0, 0, EveryHook, false,
                "000100"},
        Request{"TimeSwitchKeyFunctions", DT_RAUMTEMPERATUR_SCHALTUHR, true, 10, 0, 0, 1, OnlyController, false,
                "000100"},
        Request{"TimeSwitchInactiveClearsItsFlag", DT_RAUMTEMPERATUR_SCHALTUHR, true, 16, 0, 0, 1, OnlyController,
                false, "000000"},
        Request{"TimeSwitchActiveSetsItsFlag", DT_RAUMTEMPERATUR_SCHALTUHR, true, 16, 0, 1, 1, OnlyController,
                false, "000100"},
        Request{"NoSenderObjectGoesOnToTheNextManager", DT_REGLER_FUNKTION, false, 8, 0, 0, 0, EveryHook, false,
                "000100"},
        Request{"NoSenderObjectForTheSetPoints", DT_REGLER_FUNKTION, false, 14, 0, 0, 0, EveryHook, false,
                "000100"},
        Request{"NoSenderObjectForTheMeasurement", DT_REGLER_FUNKTION, false, 15, 0, 0, 0, EveryHook, false,
                "000100"}),
    [](const ::testing::TestParamInfo<Request>& info) { return std::string(info.param.Name); });

TEST_F(ManagerTest, SetPointsWithTwoCircuitsAnswerWithoutWritingOrPosting)
{
    MakeSwitchSystem(false, true, false, false, false, false);
    ASSERT_TRUE(device_->CreateReglerFunktion(sys_, false));
    auto* regler = dynamic_cast<TReglerFunktion*>(Find(DT_REGLER_FUNKTION));
    ASSERT_NE(regler, nullptr);
    regler->Regelkreise = T_DB_EnumReglerFunktion::rkZweiRegelkreise;
    hub_.Window().clear();
    EXPECT_EQ(Send(regler, UDM_UPDATE_TABLE_SOLLWERTE), 1);
    testsupport::DeliverPostedMessages();
    for (const auto& message : hub_.Window().messages())
        EXPECT_NE(message.message, WM_USER_ABGLEICHFORMVERW);
}

TEST_F(ManagerTest, TransportRequestsAreNeverTakenByTheControllerManagers)
{
    MakeSwitchSystem(false, true, false, false, false, false);
    std::uint8_t recognised = 7;
    tagRecDatenTransport request;
    EXPECT_FALSE(device_->WmUserDatenTransport_RaumtemperaturReglerFunktion(Window(), &request, recognised));
    EXPECT_EQ(recognised, 0);
    EXPECT_FALSE(device_->WmUserDatenTransport_ReglernebenstellenFunktion(Window(), &request, recognised));
    EXPECT_FALSE(device_->UserDeviceMessage_RaumtemperaturReglerFunktion(Window(), nullptr, recognised));
}

} // namespace
} // namespace managertest
