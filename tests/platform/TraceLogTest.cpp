#include "platform/TraceLog.h"

#include "platform/FileIo.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class TraceLog : public ::testing::Test {
protected:
    ~TraceLog() override { platform::CloseLogFkt(); }
    std::string Log() const { return platform::ReadWholeFile(file); }

    testsupport::TempDir dir;
    std::string file = dir.file("trace.log");
};

TEST_F(TraceLog, ClosedLogWritesNothing)
{
    EXPECT_FALSE(platform::TTraceLog::IsOn());
    LOG_FKT_START("TDM::DataModuleCreate");
    platform::InitLogFkt(nullptr, 1024, -1, false, file);
    platform::CloseLogFkt();
    LOG_FKT_START("TDM::DataModuleDestroy");
    EXPECT_EQ(Log(), "");
}

TEST_F(TraceLog, EntryCarriesNameLevelFileAndLineOfTheCallSite)
{
    platform::InitLogFkt(nullptr, 1024, -1, false, file);
    ASSERT_TRUE(platform::TTraceLog::IsOn());
    const int line = __LINE__ + 1;
    LOG_FKT_START("TDM::DataModuleCreate");
    LOG_FKT_START_TEXT("TFormMain::SaveToFile", 1536, "!!Ende!!");

    const std::string log = Log();
    EXPECT_THAT(log, HasSubstr("1024 TDM::DataModuleCreate [" __FILE__ ":" + std::to_string(line) + "]\n"));
    EXPECT_THAT(log, HasSubstr("1536 TFormMain::SaveToFile [" __FILE__ ":" + std::to_string(line + 1) + "] !!Ende!!\n"));
}

TEST_F(TraceLog, PriorityAndMaskChooseTheEntries)
{
    platform::InitLogFkt(nullptr, 1024, 0x0F, false, file);
    LOG_FKT_START_LEVEL("TFormMain::WndProc", 256);
    LOG_FKT_START_LEVEL("TDM::StartTimerAutoSave", 1024);
    platform::LogFktStart("Masked", 1024, 0x10, "f.cpp", "1", "");
    platform::LogFktStart("Matched", 1024, 0x01, "f.cpp", "2", "");

    const std::string log = Log();
    EXPECT_THAT(log, Not(HasSubstr("WndProc")));
    EXPECT_THAT(log, HasSubstr("TDM::StartTimerAutoSave"));
    EXPECT_THAT(log, Not(HasSubstr("Masked")));
    EXPECT_THAT(log, HasSubstr("Matched"));
}

TEST_F(TraceLog, TimeStampsWhenAskedAndAppendsAcrossOpenings)
{
    platform::InitLogFkt(nullptr, 1024, -1, true, file);
    LOG_FKT_START("First");
    platform::InitLogFkt(nullptr, 1024, -1, false, file);
    LOG_FKT_START("Second");

    const std::string log = Log();
    EXPECT_THAT(log, ::testing::MatchesRegex("[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2},[0-9]{3} 1024 First .*\n"
                                             "1024 Second .*\n"));
}

TEST_F(TraceLog, WithoutAFileNameTheLogGoesToTheProgramFolder)
{
    ::setenv("PANELCONF_HOME", dir.path().c_str(), 1);
    platform::InitLogFkt(nullptr, 1024, -1, false, "");
    LOG_FKT_START("TDM::DataModuleCreate");
    platform::CloseLogFkt();
    ::unsetenv("PANELCONF_HOME");
    EXPECT_THAT(platform::ReadWholeFile(dir.file("panelconf.log")), HasSubstr("TDM::DataModuleCreate"));
}

TEST_F(TraceLog, LogThatCannotBeOpenedStaysOff)
{
    platform::InitLogFkt(nullptr, 1024, -1, false, dir.file("missing/trace.log"));
    EXPECT_FALSE(platform::TTraceLog::IsOn());
}

} // namespace
