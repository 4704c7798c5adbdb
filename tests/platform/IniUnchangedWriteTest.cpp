// Writing an entry that already stands as written leaves the file as it is: not replaced, not
// flushed again. Any other write replaces it.
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

ino_t FileNumber(const std::string& file)
{
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 ? status.st_ino : 0;
}

struct TIniWrite {
    const char* Value;
    bool Replaced;
};

class IniUnchangedWrite : public ::testing::TestWithParam<TIniWrite> {};

TEST_P(IniUnchangedWrite, OnlyAChangedEntryReplacesTheFile)
{
    testsupport::TempDir dir;
    const std::string file = dir.file("panelconf.ini");
    const std::string before = "[Window]\r\nMainTop=10\r\n";
    platform::WriteFileAtomically(file, before);
    const ino_t number = FileNumber(file);
    ASSERT_NE(number, 0u);

    ASSERT_TRUE(platform::WritePrivateProfileString("Window", "MainTop", GetParam().Value, file));
    EXPECT_EQ(platform::GetPrivateProfileString("Window", "MainTop", "", 64, file), GetParam().Value);
    // A replaced file is a new one (written beside and renamed over the old one).
    EXPECT_EQ(FileNumber(file) != number, GetParam().Replaced);
    if (!GetParam().Replaced) {
        EXPECT_EQ(platform::ReadWholeFile(file), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, IniUnchangedWrite,
                         ::testing::Values(TIniWrite{"10", false}, TIniWrite{"11", true}, TIniWrite{"", true}));

TEST(IniUnchangedWriteNewFile, AnEntryWrittenToAMissingFileMakesIt)
{
    testsupport::TempDir dir;
    const std::string file = dir.file("panelconf.ini");
    ASSERT_TRUE(platform::WritePrivateProfileString("Window", "MainTop", "10", file));
    EXPECT_EQ(platform::GetPrivateProfileString("Window", "MainTop", "", 64, file), "10");
}

} // namespace
