// A write-back killed at any point of its I/O leaves every file as it was or as it was meant to
// be. A child process writes the data block into the project, the backup copy and an ini file,
// each from its old content A to its new content B; the test traces it (ptrace) and kills it
// with SIGKILL at the n-th write, sync, truncate or rename it starts, for n = 1, 2, ... until a
// run ends unkilled. After each kill the program's own readers must find A or B byte for byte.
#include "host/DemoProject.h"
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/MemoryStream.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hosttest {
namespace {

namespace fs = std::filesystem;

#if defined(__x86_64__)

// The calls at which the child is killed: every way to change a file's bytes or names.
const std::map<long, const char*> Points = {
    {SYS_write, "write"},         {SYS_pwrite64, "pwrite"},       {SYS_writev, "writev"},
    {SYS_pwritev, "pwritev"},     {SYS_pwritev2, "pwritev2"},     {SYS_fsync, "fsync"},
    {SYS_fdatasync, "fdatasync"}, {SYS_ftruncate, "ftruncate"},   {SYS_truncate, "truncate"},
    {SYS_rename, "rename"},       {SYS_renameat, "renameat"},     {SYS_renameat2, "renameat2"},
    {SYS_sync_file_range, "sync_file_range"},
};

const char* PointOf(pid_t child)
{
    user_regs_struct regs{};
    if (::ptrace(PTRACE_GETREGS, child, nullptr, &regs) != 0)
        return nullptr;
    const auto point = Points.find(static_cast<long>(regs.orig_rax));
    return point == Points.end() ? nullptr : point->second;
}

const std::string BlockA = "<BlobInfo>\r\nA\r\n</BlobInfo>\r\n" + std::string(3000, 'a');
const std::string BlockB = "<BlobInfo>\r\nB\r\n</BlobInfo>\r\n" + std::string(70000, 'b');
const std::string BackupA = "backup A\r\n";
const std::string BackupB = "backup B\r\n" + std::string(5000, 'B');
const std::string IniA = "[Debug]\r\nLogStart=0\r\nOther=kept\r\n";

// The write-backs of the program, as its own writers do them.
void WriteBack(const std::string& project, const std::string& backup, const std::string& ini)
{
    TEts2Cdi_Extended1 link(project);
    if (!link.BlobWrite(BlockB.data(), static_cast<std::int32_t>(BlockB.size()), WohnenDevice))
        ::_exit(3);
    platform::TMemoryStream(BackupB).SaveToFile(backup);
    if (!platform::WritePrivateProfileString("Debug", "LogStart", "1", ini))
        ::_exit(4);
}

struct TRunResult {
    bool Killed = false;
    const char* Point = nullptr; // the call the child was killed at
    int ExitCode = -1;
};

// Runs the write-back in a traced child and kills it at the killAt-th point.
TRunResult RunKilledAt(int killAt, const std::string& project, const std::string& backup, const std::string& ini)
{
    std::cout.flush();
    const pid_t child = ::fork();
    if (child == 0) {
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::raise(SIGSTOP);
        WriteBack(project, backup, ini);
        ::_exit(0);
    }
    TRunResult result;
    int status = 0;
    ::waitpid(child, &status, 0);
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    ::ptrace(PTRACE_SYSCALL, child, nullptr, nullptr);
    int points = 0;
    bool entering = true;
    for (;;) {
        if (::waitpid(child, &status, 0) < 0)
            return result;
        if (WIFEXITED(status)) {
            result.ExitCode = WEXITSTATUS(status);
            return result;
        }
        if (WIFSIGNALED(status))
            return result;
        int forward = 0;
        if (WSTOPSIG(status) == (SIGTRAP | 0x80)) {
            if (entering) {
                if (const char* point = PointOf(child); point && ++points == killAt) {
                    ::kill(child, SIGKILL);
                    ::waitpid(child, &status, 0);
                    result.Killed = true;
                    result.Point = point;
                    return result;
                }
            }
            entering = !entering;
        } else {
            forward = WSTOPSIG(status);
        }
        ::ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(static_cast<long>(forward)));
    }
}

std::string Read(const std::string& path)
{
    std::error_code error;
    return platform::ReadWholeFile(path, error).value_or("<unreadable>");
}

void ResetTo(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(KilledWriteBack, EveryKillLeavesTheOldOrTheNewContentAndASoundProject)
{
    testsupport::TempDir dir;
    const std::string templatePath = dir.file("template.ets");
    host::TProjectDatabase::CreateFile(
        templatePath, [&](host::TSqlDatabase& db) { host::FillDemoProject(db, dir.path().string() + "/"); });
    {
        host::TProjectDatabase db(templatePath);
        ASSERT_TRUE(host::WriteDeviceBlob(db.Sql(), WohnenDevice, BlockA));
    } // the last connection folds the WAL into the file
    const std::string projectA = platform::ReadWholeFile(templatePath);
    const std::string backup = dir.file("2.bus");
    const std::string ini = dir.file("panelconf.ini");
    ResetTo(ini, IniA);
    const std::string iniB = "[Debug]\r\nLogStart=1\r\nOther=kept\r\n";

    std::map<std::string, int> covered;
    int leftovers = 0;
    bool finished = false;
    for (int killAt = 1; killAt < 500 && !finished; ++killAt) {
        SCOPED_TRACE("killed at point " + std::to_string(killAt));
        // A fresh project for each run; the backup copy and the ini file stay where they are, with
        // whatever temporary file the last kill left beside them.
        const std::string project = dir.file("run" + std::to_string(killAt) + ".ets");
        ResetTo(project, projectA);
        ResetTo(backup, BackupA);
        ResetTo(ini, IniA);

        const TRunResult run = RunKilledAt(killAt, project, backup, ini);
        if (!run.Killed) {
            ASSERT_EQ(0, run.ExitCode) << "the write-back failed";
            finished = true;
        } else {
            ++covered[run.Point];
        }

        TEts2Cdi_Extended1 link(project);
        const char* data = nullptr;
        std::int32_t size = 0;
        ASSERT_TRUE(link.BlobRead(data, size, WohnenDevice));
        const std::string block(data, static_cast<std::size_t>(size));
        EXPECT_TRUE(block == BlockA || block == BlockB) << block.substr(0, 40);
        {
            host::TProjectDatabase db(project);
            host::TSqlStatement check(db.Sql(), "PRAGMA integrity_check");
            ASSERT_TRUE(check.Step());
            EXPECT_EQ("ok", check.Text(0));
        }
        const std::string backupNow = Read(backup);
        EXPECT_TRUE(backupNow == BackupA || backupNow == BackupB) << backupNow.substr(0, 20);
        const std::string iniNow = Read(ini);
        EXPECT_TRUE(iniNow == IniA || iniNow == iniB) << iniNow;
        EXPECT_EQ(iniNow == iniB ? "1" : "0", platform::GetPrivateProfileString("Debug", "LogStart", "", 8, ini));
        leftovers += fs::exists(platform::TemporaryFileOf(backup)) || fs::exists(platform::TemporaryFileOf(ini));

        if (finished) {
            EXPECT_EQ(BlockB, block);
            EXPECT_EQ(BackupB, backupNow);
            EXPECT_EQ(iniB, iniNow);
            // The last kills left temporary files; the finished writes took them over.
            EXPECT_FALSE(fs::exists(platform::TemporaryFileOf(backup)));
            EXPECT_FALSE(fs::exists(platform::TemporaryFileOf(ini)));
        }
    }
    EXPECT_TRUE(finished) << "the write-back never ended unkilled";
    EXPECT_GT(leftovers, 0) << "no kill left a temporary file behind";
    for (const char* point : {"write", "fsync", "ftruncate", "rename"})
        EXPECT_GT(covered[point], 0) << point;

    std::cout << "points covered:";
    int total = 0;
    for (const auto& [point, count] : covered) {
        std::cout << " " << point << " " << count;
        total += count;
    }
    std::cout << " (" << total << " kills, then one run unkilled)\n";
}

#else

TEST(KilledWriteBack, EveryKillLeavesTheOldOrTheNewContentAndASoundProject)
{
    GTEST_SKIP() << "the kill points are read from x86-64 registers; this machine is another";
}

#endif

} // namespace
} // namespace hosttest
