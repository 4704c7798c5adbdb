// The atomic file writer: the target is the old file or the whole new one, a temporary file a
// killed write left is replaced by the next write, and the target keeps its permissions.
#include "platform/FileIo.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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

} // namespace
