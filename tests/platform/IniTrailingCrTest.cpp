// A file whose last line ends with a lone carriage return: that line keeps what it says when
// entries are added behind it, and a value written is read back.
#include "platform/FileIo.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(IniTrailingCr, AValueWrittenBehindALastLineWithACarriageReturnIsReadBack)
{
    testsupport::TempDir dir;
    const std::string file = dir.file("test.ini");
    platform::WriteFileAtomically(file, "\n[x\r");
    ASSERT_TRUE(platform::WritePrivateProfileString("X", "Key", "42", file));
    EXPECT_EQ(platform::GetPrivateProfileInt("X", "Key", 7, file), 42);
    EXPECT_EQ(platform::GetPrivateProfileString("x", "Key", "", 64, file), "42");
}

TEST(IniTrailingCr, TheLastLineIsReadWithoutItsCarriageReturnAndWrittenBackWithIt)
{
    platform::TIniDocument document("[Debug]\r\nLogPrio=512\r");
    EXPECT_EQ(document.Value("Debug", "LogPrio"), "512");
    EXPECT_EQ(document.Text(), "[Debug]\r\nLogPrio=512\r");
    document.SetValue("Debug", "LogStart", "1");
    EXPECT_EQ(document.Text(), "[Debug]\r\nLogPrio=512\r\nLogStart=1\r\n");
}

} // namespace
