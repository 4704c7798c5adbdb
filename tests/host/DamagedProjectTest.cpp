// Files that are no sound project, and requests that would damage one, given to etshost and to
// the host link: a clear message, a failure, and the file as it was.
#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/FileIo.h"
#include "tests/host/HostFixture.h"
#include "tests/support/ProgramRun.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace hosttest {
namespace {

namespace fs = std::filesystem;

using TRun = testsupport::TProgramRun;

TRun RunEtsHost(const std::vector<std::string>& args)
{
    TRun run = testsupport::RunProgram(QStringLiteral(ETSHOST_PATH), testsupport::Arguments(args));
    EXPECT_FALSE(run.Crashed);
    return run;
}

// One message line of etshost's own words: no SQL text in it.
void ExpectOneClearMessage(const std::string& err)
{
    EXPECT_EQ(0u, err.rfind("etshost: ", 0)) << err;
    EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n')) << err;
    for (const char* sql : {"SELECT", "PRAGMA", "INSERT", "CREATE", " in: "})
        EXPECT_EQ(std::string::npos, err.find(sql)) << err;
}

std::string RandomBytes(std::size_t size)
{
    std::mt19937 random(18);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

std::int64_t Number(const std::string& path, const std::string& sql)
{
    host::TSqlDatabase db(path, host::TSqlDatabase::TOpenMode::Existing);
    host::TSqlStatement query(db, sql);
    return query.Step() ? query.Int64(0) : -1;
}

// A damaged file, made from the sound demo project at the path.
struct DamageCase {
    const char* label;
    std::function<void(const std::string& path)> damage;
};

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.label;
}

class DamagedProjectTest : public DemoProjectTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedProjectTest, IsRefusedWithAClearMessageAndLeftAsItWas)
{
    GetParam().damage(path_);
    const std::string bytes = platform::ReadWholeFile(path_);
    const std::string out = dir_.file("block.out");

    const TRun dump = RunEtsHost({"dump", "--db", path_, "device", "1"});
    EXPECT_EQ(1, dump.ExitCode);
    ExpectOneClearMessage(dump.Err);
    const TRun get = RunEtsHost({"blob", "--db", path_, "--device", "1", "--get", out});
    EXPECT_EQ(1, get.ExitCode);
    ExpectOneClearMessage(get.Err);
    EXPECT_FALSE(fs::exists(out));

    {
        TEts2Cdi_Extended1 link(path_);
        const char* data = nullptr;
        std::int32_t size = 0;
        EXPECT_FALSE(link.BlobRead(data, size, 1));
        EXPECT_FALSE(link.BlobWrite("x", 1, 1));
    }
    EXPECT_EQ(bytes, platform::ReadWholeFile(path_));
}

void Replace(const std::string& path, const std::string& bytes)
{
    fs::remove(path);
    platform::WriteFileAtomically(path, bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedProjectTest,
    ::testing::Values(
        DamageCase{"RandomBytes", [](const std::string& path) { Replace(path, RandomBytes(8192)); }},
        DamageCase{"EmptyFile", [](const std::string& path) { Replace(path, ""); }},
        DamageCase{"AnotherProgramsDatabase",
                   [](const std::string& path) {
                       fs::remove(path);
                       host::TSqlDatabase db(path, host::TSqlDatabase::TOpenMode::CreateNew);
                       db.Execute("CREATE TABLE device (id INTEGER PRIMARY KEY, name TEXT)");
                       db.Execute("INSERT INTO device VALUES (1, 'not ours')");
                   }},
        DamageCase{"NoLayoutVersion",
                   [](const std::string& path) {
                       host::TSqlDatabase db(path, host::TSqlDatabase::TOpenMode::Existing);
                       db.Execute("PRAGMA user_version = 0");
                   }},
        DamageCase{"ANewerLayout",
                   [](const std::string& path) {
                       host::TSqlDatabase db(path, host::TSqlDatabase::TOpenMode::Existing);
                       db.Execute("PRAGMA user_version = 99");
                   }},
        DamageCase{"OverwrittenPage",
                   [](const std::string& path) {
                       // The page the device table starts on.
                       const std::int64_t page = Number(path, "SELECT rootpage FROM sqlite_schema WHERE name = 'device'");
                       const std::int64_t pageSize = Number(path, "PRAGMA page_size");
                       std::string bytes = platform::ReadWholeFile(path);
                       const std::string noise = RandomBytes(static_cast<std::size_t>(pageSize));
                       bytes.replace(static_cast<std::size_t>((page - 1) * pageSize), noise.size(), noise);
                       Replace(path, bytes);
                   }},
        DamageCase{"CutFile",
                   [](const std::string& path) {
                       const std::string bytes = platform::ReadWholeFile(path);
                       Replace(path, bytes.substr(0, 1500));
                   }}),
    [](const auto& info) { return std::string(info.param.label); });

class EtsHostRequestTest : public DemoProjectTest {};

TEST_F(EtsHostRequestTest, ADeviceIdThatNamesNoDeviceIsToldAsSuch)
{
    const std::string out = dir_.file("block.out");
    for (const std::string& id : std::vector<std::string>{"0", "-1", "abc", "4294967296", "99"}) {
        const TRun dump = RunEtsHost({"dump", "--db", path_, "device", id});
        EXPECT_EQ(1, dump.ExitCode) << id;
        ExpectOneClearMessage(dump.Err);
        EXPECT_NE(std::string::npos, dump.Err.find("no device " + id)) << dump.Err;
        const TRun get = RunEtsHost({"blob", "--db", path_, "--device", id, "--get", out});
        EXPECT_EQ(1, get.ExitCode) << id;
        EXPECT_NE(std::string::npos, get.Err.find("no device " + id)) << get.Err;
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(EtsHostRequestTest, TheProjectOrItsSideFilesAreNeverTheOutputOfABlock)
{
    const std::string bytes = platform::ReadWholeFile(path_);
    const std::string relative = fs::relative(path_, fs::current_path()).string();
    for (const std::string& out : {path_, path_ + "-wal", path_ + "-shm", relative}) {
        const TRun get = RunEtsHost({"blob", "--db", path_, "--device", "1", "--get", out});
        EXPECT_EQ(1, get.ExitCode) << out;
        ExpectOneClearMessage(get.Err);
        EXPECT_NE(std::string::npos, get.Err.find("is the project")) << get.Err;
    }
    EXPECT_EQ(bytes, platform::ReadWholeFile(path_));
    EXPECT_EQ(3, Number(path_, "SELECT count(*) FROM device"));
}

TEST_F(EtsHostRequestTest, ABlockOverTheLimitIsToldTooBigBeforeItIsRead)
{
    const std::string big = dir_.file("big.blob");
    {
        platform::WriteFileAtomically(big, "");
        ASSERT_EQ(0, ::truncate(big.c_str(), std::int64_t{1} << 31)); // sparse: nothing to read
    }
    const std::string bytes = platform::ReadWholeFile(path_);
    const TRun put = RunEtsHost({"blob", "--db", path_, "--device", "1", "--put", big});
    EXPECT_EQ(1, put.ExitCode);
    ExpectOneClearMessage(put.Err);
    EXPECT_NE(std::string::npos, put.Err.find("too big")) << put.Err;
    EXPECT_EQ(bytes, platform::ReadWholeFile(path_));
}

TEST_F(EtsHostRequestTest, TextThatIsNoUtf8IsTakenAsWindows1252)
{
    Execute("UPDATE device SET name = CAST(x'4bfc636865208041' AS TEXT) WHERE id = 1");
    TEts2Cdi_Extended1 link(path_);
    DAL_DEVICE device;
    ASSERT_EQ(DAL_OK, link.DalGetDeviceData(DAL_GET_BY_ID, 1, -1, -1, -1, -1, &device));
    EXPECT_EQ("K\xFC" "che \x80" "A", device.Name);
    EXPECT_EQ(0, RunEtsHost({"dump", "--db", path_, "device", "1"}).ExitCode);
}

} // namespace
} // namespace hosttest
