#include "host/DemoProject.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "tests/host/HostFixture.h"
#include "tests/support/ProgramRun.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

namespace hosttest {
namespace {

namespace fs = std::filesystem;

using TRun = testsupport::TProgramRun;

// Runs the built etshost with these arguments.
TRun RunEtsHost(const std::vector<std::string>& args)
{
    TRun run = testsupport::RunProgram(QStringLiteral(ETSHOST_PATH), testsupport::Arguments(args));
    EXPECT_FALSE(run.Crashed);
    return run;
}

std::string EveryByte()
{
    std::string bytes;
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 256; ++i)
            bytes += static_cast<char>(i);
    return bytes;
}

TEST(EtsHostInit, CreatesTheDemoProjectThatTheHostLinkReads)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("demo.ets");
    const TRun init = RunEtsHost({"init", "--db", path});
    ASSERT_EQ(0, init.ExitCode) << init.Err;

    TEts2Cdi_Extended1 link(path);
    DAL_DEVICE device;
    std::vector<std::string> names;
    for (int mode = DAL_GET_FIRST; link.DalGetDeviceData(mode, -1, -1, -1, -1, ProjectId, &device) == DAL_OK;
         mode = DAL_GET_NEXT)
        names.push_back(device.Name);
    EXPECT_EQ((std::vector<std::string>{"Tastsensor Flur", "Tastsensor Wohnen", "Tastsensor K\xFC" "che"}), names);
    tagETSINFO info;
    ASSERT_TRUE(link.GetEtsInfo(info));
    EXPECT_EQ(fs::canonical(dir.path()).string() + "/", info.HostFolder);
}

TEST(EtsHostInit, WritesTheHostsIniWithTheFourSectionsOfTheOptions)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("demo.ets");
    ASSERT_EQ(0, RunEtsHost({"init", "--db", path}).ExitCode);
    TEts2Cdi_Extended1 link(path);
    tagETSINFO info;
    ASSERT_TRUE(link.GetEtsInfo(info));
    const std::string ini = info.HostFolder + info.IniName + ".ini";
    std::vector<std::string> entries;
    ASSERT_GT(platform::GetPrivateProfileSection("UserFirmware", entries, 32767, ini), 0u);
    EXPECT_EQ((std::vector<std::string>{"2613=Firmware\\user_a35.dat", "2816=Firmware\\user_b00.dat"}), entries);
    for (const char* section : {"DeviceText", "LocaleId_2_CodePageId", "CharacterSet"})
        EXPECT_GT(platform::GetPrivateProfileSection(section, entries, 32767, ini), 0u) << section;

    // A second project beside it keeps the ini as the user may have changed it.
    platform::WriteFileAtomically(ini, "[UserFirmware]\n1=mine.dat\n");
    ASSERT_EQ(0, RunEtsHost({"init", "--db", dir.file("second.ets")}).ExitCode);
    EXPECT_EQ("[UserFirmware]\n1=mine.dat\n", platform::ReadWholeFile(ini));
}

TEST(EtsHostInit, RefusesToOverwriteAnExistingFile)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("taken.ets");
    platform::WriteFileAtomically(path, "keep me");
    const TRun run = RunEtsHost({"init", "--db", path});
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_NE(run.Err.find("exists"), std::string::npos) << run.Err;
    EXPECT_EQ("keep me", platform::ReadWholeFile(path));

    const std::string project = dir.file("project.ets");
    ASSERT_EQ(0, RunEtsHost({"init", "--db", project}).ExitCode);
    {
        TEts2Cdi_Extended1 link(project);
        ASSERT_TRUE(link.BlobWrite("abc", 3, FlurDevice));
    }
    EXPECT_EQ(1, RunEtsHost({"init", "--db", project}).ExitCode);
    TEts2Cdi_Extended1 link(project);
    const char* data = nullptr;
    std::int32_t size = 0;
    ASSERT_TRUE(link.BlobRead(data, size, FlurDevice));
    EXPECT_EQ("abc", std::string(data, static_cast<std::size_t>(size)));
}

class EtsHostTest : public DemoProjectTest {};

TEST_F(EtsHostTest, DumpShowsTheDeviceItsParametersAndAnEmptyBlock)
{
    const TRun run = RunEtsHost({"dump", "--db", path_, "device", "3"});
    ASSERT_EQ(0, run.ExitCode) << run.Err;
    for (const char* line : {"Device 3: Tastsensor Küche\n", "  Description: Küche\n               mit Uhr\n",
                             "  Project: 1 Talvo Demo\n", "  Physical address: 1.1.3\n",
                             "  60 Typnummer = 117", "  61 AnzahlTasten = 10", "  62 DeviceId = 0",
                             "Objects:\n  none\n", "Links:\n  none\n", "Data block: 0 bytes\n"})
        EXPECT_NE(run.Out.find(line), std::string::npos) << "missing: " << line << "\nin:\n" << run.Out;
}

TEST_F(EtsHostTest, DumpShowsObjectsWithFlagsTheirLinksAndTheBlockSize)
{
    AddObjects();
    {
        TEts2Cdi_Extended1 link(path_);
        ASSERT_TRUE(link.BlobWrite("12345", 5, WohnenDevice));
    }
    const TRun run = RunEtsHost({"dump", "--db", path_, "device", "2"});
    ASSERT_EQ(0, run.ExitCode) << run.Err;
    for (const char* line : {"  57 Uhrzeit [Empfangen]  type 9, flags C--T-, device object 1\n",
                             "  58 Datum  type 9, flags C-W-U, device object 2, inactive\n",
                             "  object 57 -> 1/0/2 Wohnen Licht (sending)", "  object 57 -> 1/0/1 Flur Licht  (link",
                             "  object 58 -> 2/1/1 Wohnen Sollwert", "  3300 Uhrzeit = 1",
                             "Data block: 5 bytes\n"})
        EXPECT_NE(run.Out.find(line), std::string::npos) << "missing: " << line << "\nin:\n" << run.Out;
    // The sending link comes first.
    EXPECT_LT(run.Out.find("1/0/2"), run.Out.find("1/0/1"));
}

TEST_F(EtsHostTest, BlobPutAndGetCarryEveryByteValue)
{
    const std::string in = dir_.file("in.bin");
    const std::string out = dir_.file("out.bin");
    platform::WriteFileAtomically(in, EveryByte());
    const TRun put = RunEtsHost({"blob", "--db", path_, "--device", "2", "--put", in});
    ASSERT_EQ(0, put.ExitCode) << put.Err;

    TEts2Cdi_Extended1 link(path_);
    const char* data = nullptr;
    std::int32_t size = 0;
    ASSERT_TRUE(link.BlobRead(data, size, WohnenDevice));
    EXPECT_EQ(EveryByte(), std::string(data, static_cast<std::size_t>(size)));

    ASSERT_TRUE(link.BlobWrite("\x80\0\xFF", 3, WohnenDevice));
    const TRun get = RunEtsHost({"blob", "--db", path_, "--device", "2", "--get", out});
    ASSERT_EQ(0, get.ExitCode) << get.Err;
    EXPECT_EQ(std::string("\x80\0\xFF", 3), platform::ReadWholeFile(out));
}

TEST_F(EtsHostTest, AnUnknownDeviceOrProjectFileFails)
{
    const std::string out = dir_.file("out.bin");
    EXPECT_EQ(1, RunEtsHost({"dump", "--db", path_, "device", "9"}).ExitCode);
    EXPECT_EQ(1, RunEtsHost({"blob", "--db", path_, "--device", "9", "--get", out}).ExitCode);
    EXPECT_FALSE(fs::exists(out));
    platform::WriteFileAtomically(out, "x");
    EXPECT_EQ(1, RunEtsHost({"blob", "--db", path_, "--device", "9", "--put", out}).ExitCode);

    const std::string missing = dir_.file("missing.ets");
    const TRun run = RunEtsHost({"dump", "--db", missing, "device", "1"});
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_FALSE(run.Err.empty());
    EXPECT_FALSE(fs::exists(missing));
}

class EtsHostUsageTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(EtsHostUsageTest, AWrongCommandLineShowsTheUsage)
{
    const TRun run = RunEtsHost(GetParam());
    EXPECT_EQ(2, run.ExitCode);
    EXPECT_NE(run.Err.find("usage: etshost init --db FILE"), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, EtsHostUsageTest,
    ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"frobnicate", "--db", "x.ets"},
                      std::vector<std::string>{"init"}, std::vector<std::string>{"init", "--db"},
                      std::vector<std::string>{"init", "--db", "a.ets", "--db", "b.ets"},
                      std::vector<std::string>{"init", "--db", "a.ets", "extra"},
                      std::vector<std::string>{"dump", "--db", "x.ets", "device"},
                      std::vector<std::string>{"dump", "--db", "x.ets", "object", "1"},
                      std::vector<std::string>{"blob", "--db", "x.ets", "--device", "1"},
                      std::vector<std::string>{"blob", "--db", "x.ets", "--device", "1", "--get", "o", "--put", "i"}));

// An id that can name no device is told as such, before any file is opened.
class EtsHostDeviceIdTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(EtsHostDeviceIdTest, AnIdThatNamesNoDeviceIsToldWithItsCause)
{
    const TRun run = RunEtsHost(GetParam());
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_EQ(0u, run.Err.rfind("etshost: no device ", 0)) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, EtsHostDeviceIdTest,
    ::testing::Values(std::vector<std::string>{"dump", "--db", "x.ets", "device", "abc"},
                      std::vector<std::string>{"dump", "--db", "x.ets", "device", "0"},
                      std::vector<std::string>{"blob", "--db", "x.ets", "--device", "-1", "--get", "o"}));

} // namespace
} // namespace hosttest
