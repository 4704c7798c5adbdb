// The atomic file writer: the target is the old file or the whole new one, a temporary file a
// killed write left is replaced by the next write, and the target keeps its permissions.
#include "platform/FileIo.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

TEST(AtomicWrite, ALeftTemporaryFileIsTakenOverByTheNextWrite)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("device.bus");
    platform::WriteFileAtomically(path, "old");
    // What a write killed before its rename leaves: a part of the new content beside the target.
    platform::WriteFileAtomically(platform::TemporaryFileOf(path), "half of a much longer new cont");
    EXPECT_EQ("old", platform::ReadWholeFile(path));

    platform::WriteFileAtomically(path, "new");
    EXPECT_EQ("new", platform::ReadWholeFile(path));
    EXPECT_FALSE(fs::exists(platform::TemporaryFileOf(path)));
}

TEST(AtomicWrite, TheTargetKeepsItsPermissionsAndANewFileIsReadableByAll)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("panelconf.ini");
    platform::WriteFileAtomically(path, "a");
    EXPECT_EQ(fs::perms(0644), fs::status(path).permissions() & fs::perms::mask);
    fs::permissions(path, fs::perms(0600));
    platform::WriteFileAtomically(path, "b");
    EXPECT_EQ(fs::perms(0600), fs::status(path).permissions() & fs::perms::mask);
    EXPECT_EQ("b", platform::ReadWholeFile(path));
}

TEST(AtomicWrite, AFailedWriteLeavesTheTargetAndNoTemporaryFile)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("folder");
    fs::create_directory(path); // a folder cannot be replaced by a file
    EXPECT_THROW(platform::WriteFileAtomically(path, "x"), std::system_error);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_FALSE(fs::exists(platform::TemporaryFileOf(path)));
}

// What lies at the target decides: a regular file is replaced, a link is written through to
// the regular file it leads to, anything else stays as it is and the write fails.
struct TargetCase {
    const char* name;
    std::function<void(const std::string& target, const std::string& folder)> make;
    bool written;
};

class AtomicWriteTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(AtomicWriteTargetTest, OnlyARegularFileIsReplaced)
{
    testsupport::TempDir dir;
    const std::string target = dir.file("target");
    GetParam().make(target, dir.path().string() + "/");
    const fs::file_type before = fs::symlink_status(target).type();
    if (GetParam().written) {
        platform::WriteFileAtomically(target, "new");
        EXPECT_EQ(platform::ReadWholeFile(target), "new");
    } else {
        EXPECT_THROW(platform::WriteFileAtomically(target, "new"), std::system_error);
    }
    EXPECT_EQ(fs::symlink_status(target).type(), before == fs::file_type::not_found ? fs::file_type::regular : before);
    EXPECT_FALSE(fs::exists(platform::TemporaryFileOf(target)));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, AtomicWriteTargetTest,
    ::testing::Values(
        TargetCase{"Missing", [](const std::string&, const std::string&) {}, true},
        TargetCase{"RegularFile", [](const std::string& t, const std::string&) { platform::WriteFileAtomically(t, "old"); },
                   true},
        TargetCase{"LinkToARegularFile",
                   [](const std::string& t, const std::string& folder) {
                       platform::WriteFileAtomically(folder + "real", "old");
                       fs::create_symlink(folder + "real", t);
                   },
                   true},
        TargetCase{"Fifo", [](const std::string& t, const std::string&) { ASSERT_EQ(::mkfifo(t.c_str(), 0600), 0); },
                   false},
        TargetCase{"Folder", [](const std::string& t, const std::string&) { fs::create_directory(t); }, false},
        TargetCase{"LinkToAFifo",
                   [](const std::string& t, const std::string& folder) {
                       ASSERT_EQ(::mkfifo((folder + "fifo").c_str(), 0600), 0);
                       fs::create_symlink(folder + "fifo", t);
                   },
                   false},
        TargetCase{"LinkToNothing",
                   [](const std::string& t, const std::string& folder) { fs::create_symlink(folder + "none", t); },
                   false},
        TargetCase{"LinkToADevice", [](const std::string& t, const std::string&) { fs::create_symlink("/dev/null", t); },
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicWrite, AFifoAtTheTemporaryNameIsNotWaitedFor)
{
    testsupport::TempDir dir;
    const std::string target = dir.file("target");
    ASSERT_EQ(::mkfifo(platform::TemporaryFileOf(target).c_str(), 0600), 0);
    EXPECT_THROW(platform::WriteFileAtomically(target, "new"), std::system_error);
    EXPECT_FALSE(fs::exists(target));
}

} // namespace
