// Projects that others read or that cannot be written, damaged projects, and outputs that are no
// plain files: etshost reads what it can, writes only into a sound project it may write, and
// never replaces anything but a regular file.
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "platform/FileIo.h"
#include "tests/host/HostFixture.h"
#include "tests/support/ProgramRun.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace hosttest {
namespace {

namespace fs = std::filesystem;

using TRun = testsupport::TProgramRun;

// etshost, as this user or, given one, as another (a user id without a name is enough).
TRun RunEtsHost(const std::vector<std::string>& args, int user = -1)
{
    QStringList arguments;
    QString program = QStringLiteral(ETSHOST_PATH);
    if (user >= 0) {
        const QString id = QString::number(user);
        arguments << QStringLiteral("--reuid=") + id << QStringLiteral("--regid=") + id
                  << QStringLiteral("--clear-groups") << program;
        program = QStringLiteral("setpriv");
    }
    return testsupport::RunProgram(program, arguments + testsupport::Arguments(args));
}

std::int64_t Number(const std::string& path, const std::string& sql)
{
    host::TSqlDatabase db(path, host::TSqlDatabase::TOpenMode::ReadOnly);
    host::TSqlStatement query(db, sql);
    return query.Step() ? query.Int64(0) : -1;
}

bool HasSideFiles(const std::string& path)
{
    return fs::exists(path + "-wal") || fs::exists(path + "-shm");
}

// --- A damaged project is not written ---

class DamagedPageTest : public DemoProjectTest {};

// A page no read of the put needs: without the check the block would be stored into the file.
TEST_F(DamagedPageTest, RefusesThePutAndLeavesTheFileAsItWas)
{
    const std::int64_t page = Number(path_, "SELECT rootpage FROM sqlite_schema WHERE name = 'profile'");
    const std::int64_t pageSize = Number(path_, "PRAGMA page_size");
    ASSERT_GT(page, 1);
    std::string bytes = platform::ReadWholeFile(path_);
    for (std::int64_t at = (page - 1) * pageSize; at < page * pageSize; ++at)
        bytes[static_cast<std::size_t>(at)] = static_cast<char>(0xA5);
    fs::remove(path_);
    platform::WriteFileAtomically(path_, bytes);
    const std::string block = dir_.file("block.bin");
    platform::WriteFileAtomically(block, "<BlobInfo>\r\n</BlobInfo>\r\nnew");

    const TRun put = RunEtsHost({"blob", "--db", path_, "--device", "1", "--put", block});
    EXPECT_EQ(put.ExitCode, 1);
    EXPECT_NE(put.Err.find("is damaged"), std::string::npos) << put.Err;
    EXPECT_EQ(put.Err.rfind("etshost: ", 0), 0u) << put.Err;
    EXPECT_EQ(platform::ReadWholeFile(path_), bytes);
}

// --- Readers of other users, read-only folders ---

class SharedProjectTest : public DemoProjectTest {};

// A read-only connection, as every reader of etshost opens it, leaves nothing the owner's next
// write would trip over.
TEST_F(SharedProjectTest, AReaderLeavesNoSideFilesAndTheOwnersWriteWorks)
{
    ASSERT_FALSE(HasSideFiles(path_));
    {
        host::TProjectDatabase reader(path_, host::TProjectDatabase::TAccess::ReadOnly);
        EXPECT_TRUE(host::ReadDeviceBlob(reader.Sql(), FlurDevice).has_value());
    }
    EXPECT_FALSE(HasSideFiles(path_));
    const TRun dump = RunEtsHost({"dump", "--db", path_, "device", "1"});
    EXPECT_EQ(dump.ExitCode, 0) << dump.Err;
    EXPECT_FALSE(HasSideFiles(path_));

    host::TProjectDatabase owner(path_);
    EXPECT_TRUE(host::WriteDeviceBlob(owner.Sql(), FlurDevice, "stored"));
}

TEST_F(SharedProjectTest, AReaderBesideAWriterReadsWhatIsCommitted)
{
    host::TProjectDatabase owner(path_);
    ASSERT_TRUE(host::WriteDeviceBlob(owner.Sql(), FlurDevice, "first"));
    host::TProjectDatabase reader(path_, host::TProjectDatabase::TAccess::ReadOnly);
    EXPECT_EQ(host::ReadDeviceBlob(reader.Sql(), FlurDevice), "first");
    ASSERT_TRUE(host::WriteDeviceBlob(owner.Sql(), FlurDevice, "second"));
    EXPECT_EQ(host::ReadDeviceBlob(reader.Sql(), FlurDevice), "second");
}

// Two users besides root share a folder; only the owner may write the project file.
class TwoUsersTest : public ::testing::Test {
protected:
    static constexpr int Owner = 40001;
    static constexpr int Other = 40002;

    void SetUp() override
    {
        if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            GTEST_SKIP() << "needs root and setpriv to run etshost as two other users; the read-only "
                            "connection of SharedProjectTest shows the reader's road";
        fs::permissions(dir_.path(), fs::perms::all);
        folder_ = dir_.file("shared");
        fs::create_directory(folder_);
        ::chown(folder_.c_str(), Owner, Owner);
        path_ = folder_ + "/demo.ets";
        const TRun init = RunEtsHost({"init", "--db", path_}, Owner);
        ASSERT_EQ(init.ExitCode, 0) << init.Err;
        block_ = dir_.file("block.bin");
        platform::WriteFileAtomically(block_, "<BlobInfo>\r\n</BlobInfo>\r\nnew");
        ::chmod(block_.c_str(), 0644);
    }

    testsupport::TempDir dir_;
    std::string folder_;
    std::string path_;
    std::string block_;
};

TEST_F(TwoUsersTest, AnotherUsersReaderNeverBlocksTheOwner)
{
    fs::permissions(folder_, fs::perms::all); // anyone may make files here
    const TRun dump = RunEtsHost({"dump", "--db", path_, "device", "1"}, Other);
    EXPECT_EQ(dump.ExitCode, 0) << dump.Err;
    EXPECT_FALSE(HasSideFiles(path_));
    const TRun put = RunEtsHost({"blob", "--db", path_, "--device", "1", "--put", block_}, Owner);
    EXPECT_EQ(put.ExitCode, 0) << put.Err;
    EXPECT_EQ(host::ReadDeviceBlob(host::TProjectDatabase(path_).Sql(), FlurDevice).value_or(""),
              platform::ReadWholeFile(block_));
}

TEST_F(TwoUsersTest, AReadOnlyFolderIsReadAndNamedWhenAWriteIsAsked)
{
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    const std::string out = dir_.file("out.bin");
    const TRun dump = RunEtsHost({"dump", "--db", path_, "device", "1"}, Other);
    EXPECT_EQ(dump.ExitCode, 0) << dump.Err;
    const TRun get = RunEtsHost({"blob", "--db", path_, "--device", "1", "--get", out}, Other);
    EXPECT_EQ(get.ExitCode, 0) << get.Err;

    const std::string before = platform::ReadWholeFile(path_);
    const TRun put = RunEtsHost({"blob", "--db", path_, "--device", "1", "--put", block_}, Other);
    EXPECT_EQ(put.ExitCode, 1);
    EXPECT_NE(put.Err.find("the folder " + folder_ + " is read-only: the project can be read, not written"),
              std::string::npos)
        << put.Err;
    EXPECT_EQ(platform::ReadWholeFile(path_), before);
}

TEST_F(TwoUsersTest, AReadOnlyFileIsNamedWhenAWriteIsAsked)
{
    fs::permissions(folder_, fs::perms::all);
    const TRun put = RunEtsHost({"blob", "--db", path_, "--device", "1", "--put", block_}, Other);
    EXPECT_EQ(put.ExitCode, 1);
    EXPECT_NE(put.Err.find("the file " + path_ + " is read-only: the project can be read, not written"),
              std::string::npos)
        << put.Err;
}

// --- Outputs that are no regular files ---

class OutputTargetTest : public DemoProjectTest {};

TEST_F(OutputTargetTest, AFifoIsRefusedAndStaysAFifo)
{
    const std::string fifo = dir_.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const TRun get = RunEtsHost({"blob", "--db", path_, "--device", "1", "--get", fifo});
    EXPECT_EQ(get.ExitCode, 1);
    EXPECT_NE(get.Err.find(fifo + " is no regular file"), std::string::npos) << get.Err;
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(OutputTargetTest, AFolderIsRefused)
{
    const std::string folder = dir_.file("folder");
    fs::create_directory(folder);
    const TRun get = RunEtsHost({"blob", "--db", path_, "--device", "1", "--get", folder});
    EXPECT_EQ(get.ExitCode, 1);
    EXPECT_NE(get.Err.find(folder + " is a folder"), std::string::npos) << get.Err;
    EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(OutputTargetTest, ADeviceIsRefusedAndStaysADevice)
{
    const TRun get = RunEtsHost({"blob", "--db", path_, "--device", "1", "--get", "/dev/null"});
    EXPECT_EQ(get.ExitCode, 1);
    EXPECT_NE(get.Err.find("/dev/null is no regular file"), std::string::npos) << get.Err;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(OutputTargetTest, ALinkIsWrittenThroughToItsRegularFile)
{
    const std::string file = dir_.file("real.bin");
    const std::string link = dir_.file("link.bin");
    platform::WriteFileAtomically(file, "old");
    fs::create_symlink(file, link);
    const TRun get = RunEtsHost({"blob", "--db", path_, "--device", "1", "--get", link});
    EXPECT_EQ(get.ExitCode, 0) << get.Err;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(platform::ReadWholeFile(file), host::ReadDeviceBlob(host::TProjectDatabase(path_).Sql(), 1).value_or("?"));
}

TEST_F(OutputTargetTest, ALinkToAFifoOrToNothingIsRefused)
{
    const std::string fifo = dir_.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string toFifo = dir_.file("to-fifo");
    const std::string dangling = dir_.file("dangling");
    fs::create_symlink(fifo, toFifo);
    fs::create_symlink(dir_.file("nothing"), dangling);
    for (const std::string& target : {toFifo, dangling}) {
        const TRun get = RunEtsHost({"blob", "--db", path_, "--device", "1", "--get", target});
        EXPECT_EQ(get.ExitCode, 1) << target;
        EXPECT_TRUE(fs::is_symlink(target));
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_FALSE(fs::exists(dir_.file("nothing")));
}

} // namespace
} // namespace hosttest
