#include "app/Spredit.h"
#include "host/ProjectDatabase.h"
#include "host/SimulatedBus.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "tests/hostevents/DownloadDoubles.h"
#include "tests/hostevents/HostEventFixture.h"

#include <algorithm>
#include <optional>

namespace hosttest {
namespace {

// The demo project with its devices on the bus, and the main window making journaling target
// systems.
class Download : public HostEventFixture {
protected:
    Download()
    {
        Devicelink = &Targets;
        host::TProjectDatabase project(ProjectPath);
        host::TSimulatedBus(project.Sql()).PutProjectDevices();
    }

    Answers Raise(std::int32_t id, const char* newAddress, const char* oldAddress, std::int16_t mode)
    {
        Answers answers;
        const tagEIB_BASE_PROGRAMMING programming;
        Main->OnCdiDoDownload2(answers.ReturnNow, answers.Result, id, *host::ParsePhysicalAddress(newAddress),
                               *host::ParsePhysicalAddress(oldAddress), programming, mode);
        return answers;
    }
    void Force(const std::string& operation, host::TSimOutcome outcome) const
    {
        host::TProjectDatabase project(ProjectPath);
        host::TSimulatedBus(project.Sql()).SetOutcome(operation, outcome);
    }
    std::optional<host::TBusDevice> OnBus(const char* address) const
    {
        host::TProjectDatabase project(ProjectPath);
        return host::TSimulatedBus(project.Sql()).Device(*host::ParsePhysicalAddress(address));
    }
    bool BlobWritten() const
    {
        return std::find(Link->Writes.begin(), Link->Writes.end(), "blob 1") != Link->Writes.end();
    }
    // The journal entry of the current device's download flags.
    std::string FlagsEntry() const
    {
        bool flags[6] = {};
        Main->AktDevInst->GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
        std::string entry = "SetFlags";
        for (const bool flag : flags)
            entry += flag ? " 1" : " 0";
        return entry;
    }

    JournalingTargets Targets;
};

// One request: mode, addresses, the operation forced to fail (none: all succeed), the calls after
// the configuration ("SetFlags" stands for the flags' entry) and the answer.
struct DownloadCase {
    const char* Name;
    std::int16_t Mode;
    const char* New;
    const char* Old;
    const char* Failing;
    std::vector<std::string> Steps;
    std::int32_t Result;
};

class DownloadModes : public Download, public ::testing::WithParamInterface<DownloadCase> {};

TEST_P(DownloadModes, CallsAnswerBusAndEnd)
{
    const DownloadCase& request = GetParam();
    if (request.Failing != nullptr)
        Force(request.Failing, host::TSimOutcome::Fail);
    Start();
    const Answers answers = Raise(1, request.New, request.Old, request.Mode);
    EXPECT_TRUE(answers.ReturnNow);
    EXPECT_EQ(answers.Result, request.Result);

    std::vector<std::string> expected = {"TTalvoZielsystem",
                                         "SetMedium 1",
                                         "SetWndSupport 0",
                                         "SetDeviceId 1",
                                         std::string("SetNewPhysAddr ") + request.New,
                                         std::string("SetOldPhysAddr ") + request.Old,
                                         "SetProg",
                                         "SetMode " + std::to_string(request.Mode),
                                         "GetMode",
                                         "GetMode",
                                         "GetMode"};
    for (const std::string& step : request.Steps)
        expected.push_back(step == "SetFlags" ? FlagsEntry() : step);
    expected.push_back("~TTalvoZielsystem");
    EXPECT_EQ(Targets.Journal, expected);

    const bool moved = std::find(request.Steps.begin(), request.Steps.end(), "ProgPhysAddress") != request.Steps.end()
                       && (request.Failing == nullptr || std::string(request.Failing) != "ProgPhysAddress");
    const auto device = OnBus(moved ? request.New : request.Old);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->AddressTime.empty(), !moved);
    const bool downloaded = request.Result == 1 && !request.Steps.empty() && request.Steps.back() == "Download";
    EXPECT_EQ(device->Image.rfind("TALVO-IMAGE\r\nDeviceId=1\r\nType=18\r\n", 0) == 0, downloaded) << device->Image;
    EXPECT_EQ(device->DownloadTime.empty(), !downloaded);

    EXPECT_TRUE(BlobWritten());
    EXPECT_FALSE(Main->AktDevInst->GrpAdrLoaded);
    EXPECT_TRUE(Ended);
    EXPECT_TRUE(Ui.boxes().empty());
}

std::vector<DownloadCase> Cases()
{
    const std::vector<std::string> download = {"SetFlags", "Auslesen", "Download"};
    std::vector<std::string> both = {"ProgPhysAddress"};
    both.insert(both.end(), download.begin(), download.end());
    return {
        {"Mode0DoesNothing", 0, "1.1.1", "1.1.1", nullptr, {}, 0},
        {"Mode1ProgramsTheAddressOnly", 1, "1.1.9", "1.1.1", nullptr, {"ProgPhysAddress"}, 1},
        {"Mode1AddressFails", 1, "1.1.9", "1.1.1", "ProgPhysAddress", {"ProgPhysAddress"}, 0},
        {"Mode2Downloads", 2, "1.1.1", "1.1.1", nullptr, download, 1},
        {"Mode2ReadOutFails", 2, "1.1.1", "1.1.1", "Auslesen", {"SetFlags", "Auslesen"}, 0},
        {"Mode2CompileFails", 2, "1.1.1", "1.1.1", "TalvoCompiler", {"SetFlags", "Auslesen"}, 0},
        {"Mode2DownloadFails", 2, "1.1.1", "1.1.1", "Download", download, 0},
        {"Mode3AddressFailsAndNothingIsDownloaded", 3, "1.1.9", "1.1.1", "ProgPhysAddress", {"ProgPhysAddress"}, 0},
        {"Mode3ProgramsTheAddressAndDownloads", 3, "1.1.9", "1.1.1", nullptr, both, 1},
        {"Mode4Downloads", 4, "1.1.1", "1.1.1", nullptr, download, 1},
        {"Mode4DownloadFails", 4, "1.1.1", "1.1.1", "Download", download, 0},
        {"Mode5DownloadsWithoutTheAddress", 5, "1.1.1", "1.1.1", nullptr, download, 1},
        {"Mode5ReadOutFails", 5, "1.1.1", "1.1.1", "Auslesen", {"SetFlags", "Auslesen"}, 0},
    };
}

INSTANTIATE_TEST_SUITE_P(Table, DownloadModes, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<DownloadCase>& info) { return std::string(info.param.Name); });

TEST_F(Download, ADeviceThatIsNotHandedOverShowsTheBoxAndEnds)
{
    Start();
    const Answers answers = Raise(99, "1.1.1", "1.1.1", 2);
    EXPECT_EQ(answers.Result, 0);
    ASSERT_FALSE(Ui.boxes().empty());
    EXPECT_EQ(Ui.boxes().back().text, "TFormMain::OnCdiDoDownload2, SetDevice");
    EXPECT_EQ(Ui.boxes().back().caption, Spredit::Text9048);
    EXPECT_EQ(Ui.boxes().back().style, 0u);
    EXPECT_EQ(Targets.Made, 0);
    EXPECT_TRUE(Ended);
}

TEST_F(Download, AnOldHostIsRefusedAndTheProgramWaitsForItsTimeOut)
{
    HostVersion(0x00010002, 100);
    Start();
    Main->TimerTimeoutClose.SetEnabled(false);
    const Answers answers = Raise(1, "1.1.1", "1.1.1", 2);
    EXPECT_EQ(answers.Result, 0);
    EXPECT_TRUE(answers.ReturnNow);
    EXPECT_EQ(Targets.Made, 0);
    EXPECT_TRUE(Main->MapDevInst.empty());
    EXPECT_TRUE(Main->TimerTimeoutClose.Enabled());
    EXPECT_FALSE(Ended);
}

struct ExceptionCase {
    const char* Name;
    host::TSimOutcome Outcome;
    std::string Text;
    std::string Detail;
};

class DownloadThrows : public Download, public ::testing::WithParamInterface<ExceptionCase> {};

TEST_P(DownloadThrows, ShowsTheDetailBoxAnswersZeroAndEnds)
{
    Force("Auslesen", GetParam().Outcome);
    Start();
    const Answers answers = Raise(1, "1.1.1", "1.1.1", 2);
    EXPECT_EQ(answers.Result, 0);
    ASSERT_EQ(Ui.detailBoxes().size(), 1u);
    const auto& box = Ui.detailBoxes()[0];
    EXPECT_EQ(box.text, GetParam().Text);
    EXPECT_EQ(box.caption, Spredit::Text9048);
    EXPECT_EQ(box.detail, GetParam().Detail);
    EXPECT_EQ(box.function, "TFormMain::OnCdiDoDownload2");
    EXPECT_EQ(box.style, 16u);
    EXPECT_EQ(Targets.Journal.back(), "~TTalvoZielsystem");
    EXPECT_TRUE(BlobWritten());
    EXPECT_TRUE(Ended);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DownloadThrows,
    ::testing::Values(ExceptionCase{"Platform", host::TSimOutcome::PlatformException, "Ausnahme-Fehler",
                                    "Ausnahme-Fehler\nAuslesen: the bus failed"},
                      ExceptionCase{"Other", host::TSimOutcome::OtherException, "Unbekannter Fehler",
                                    "Unbekannter Fehler"}),
    [](const ::testing::TestParamInfo<ExceptionCase>& info) { return std::string(info.param.Name); });

TEST_F(Download, SystemFlagsGoNowhereWithoutATargetOrADevice)
{
    Start();
    Main->SetSystemFlags(nullptr);
    TTalvoZielsystem target(nullptr, nullptr);
    Main->SetSystemFlags(&target);
    EXPECT_EQ(target.Journal(), std::vector<std::string>{"TTalvoZielsystem"});
    ASSERT_TRUE(Main->SetDevice(1, false));
    Main->SetSystemFlags(nullptr);
    Main->SetSystemFlags(&target);
    EXPECT_EQ(target.Journal(), (std::vector<std::string>{"TTalvoZielsystem", FlagsEntry()}));
}

} // namespace
} // namespace hosttest
