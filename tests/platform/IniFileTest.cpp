#include "platform/IniFile.h"

#include "platform/FileIo.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using platform::GetPrivateProfileInt;
using platform::GetPrivateProfileSection;
using platform::GetPrivateProfileString;
using platform::WritePrivateProfileString;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class IniFile : public ::testing::Test {
protected:
    void Store(const std::string& bytes) { platform::WriteFileAtomically(path, bytes); }
    std::string Content() const { return platform::ReadWholeFile(path); }
    std::string Read(std::string_view section, std::string_view key, std::string_view fallback = "",
                     std::uint32_t size = 1024) const
    {
        return GetPrivateProfileString(section, key, fallback, size, path);
    }

    testsupport::TempDir dir;
    std::string path = dir.file("panelconf.ini");
};

TEST_F(IniFile, ValueIsReturnedAsStoredCommasIncluded)
{
    Store("[Options]\r\nNotClosed=12,34\r\nToolParam0=-a \"x, y\" ; z\r\n");
    EXPECT_EQ(Read("Options", "NotClosed"), "12,34");
    EXPECT_EQ(Read("Options", "ToolParam0"), "-a \"x, y\" ; z");
}

TEST_F(IniFile, SectionAndKeyMatchWithoutRegardToCase)
{
    Store("[debug]\nlogstart=1\n  PRIORITY =  512 \n[\xC4nderung]\n\xFC" "ber=ja\n");
    EXPECT_EQ(Read("Debug", "LogStart"), "1");
    EXPECT_EQ(Read("DEBUG", "Priority"), "512");
    EXPECT_EQ(GetPrivateProfileInt("Debug", "LOGSTART", 0, path), 1);
    EXPECT_EQ(Read("\xE4nderung", "\xDC" "BER"), "ja"); // Windows-1252 letters fold as well
}

TEST_F(IniFile, EveryReadSeesWhatAnotherWriterPutInTheFile)
{
    Store("[Window]\nMainTop=10\n");
    EXPECT_EQ(Read("Window", "MainTop"), "10");
    Store("[Window]\nMainTop=20\nMainLeft=3\n");
    EXPECT_EQ(Read("Window", "MainTop"), "20");
    EXPECT_EQ(GetPrivateProfileInt("Window", "MainLeft", -1, path), 3);
}

TEST_F(IniFile, MissingEntriesGiveTheDefaultAnEmptyValueDoesNot)
{
    EXPECT_EQ(Read("Options", "AutoSave", "Common"), "Common"); // no file at all
    Store("; comment\nOrphan=1\n[Options]\nEmpty=\n;AutoSave=1\nNoEquals\n");
    EXPECT_EQ(Read("Options", "AutoSave", "Common"), "Common");
    EXPECT_EQ(Read("Other", "Empty", "x"), "x");
    EXPECT_EQ(Read("Options", "Empty", "x"), "");
    EXPECT_EQ(Read("Options", "NoEquals", "x"), "x");
    EXPECT_EQ(Read("", "Orphan", "x"), "x"); // lines before the first section belong to none
    EXPECT_EQ(Read("Options", "Sentinel", "##kein Eintrag gefunden##"), "##kein Eintrag gefunden##");
}

TEST_F(IniFile, LongValuesAreCutToTheBufferSizeLessOne)
{
    const std::string longValue(1500, 'v');
    Store("[Tools]\nToolName0=" + longValue + "\nShort=abc\n");
    EXPECT_EQ(Read("Tools", "ToolName0"), std::string(1023, 'v'));
    EXPECT_EQ(Read("Tools", "Short", "", 4), "abc");
    EXPECT_EQ(Read("Tools", "Short", "", 3), "ab");
    EXPECT_EQ(Read("Tools", "Short", "", 1), "");
    EXPECT_EQ(Read("Tools", "Short", "", 0), "");
    EXPECT_EQ(Read("Tools", "Missing", "default", 4), "def");
}

struct IntCase {
    const char* line; // the entry of section [S], or nullptr for none
    std::int32_t expected;
};

void PrintTo(const IntCase& c, std::ostream* os)
{
    *os << (c.line == nullptr ? "(no entry)" : c.line);
}

class IniInt : public IniFile, public ::testing::WithParamInterface<IntCase> {};

TEST_P(IniInt, ReadsTheLeadingNumber)
{
    const IntCase& c = GetParam();
    Store(c.line == nullptr ? "[S]\n" : std::string("[S]\n") + c.line + "\n");
    EXPECT_EQ(GetPrivateProfileInt("S", "K", 77, path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, IniInt,
                         ::testing::Values(IntCase{"K=-1", -1}, IntCase{"K=1024", 1024}, IntCase{"K=+5", 5},
                                           IntCase{"K=12abc", 12}, IntCase{"K=abc", 0}, IntCase{"K=-", 0},
                                           IntCase{"K= 2 ", 2}, IntCase{"K=-2147483632", -2147483632},
                                           IntCase{"K=4294967295", -1}, IntCase{"K=", 77},
                                           IntCase{nullptr, 77}));

TEST_F(IniFile, SectionEntriesInFileOrder)
{
    Store("[UserFirmware]\n; listed firmware\n2=b.dat\n 1 = a.dat x\n\n2=c.dat\nloose\n[CharacterSet]\n1252=w.chr\n");
    std::vector<std::string> entries;
    // "2=b.dat", "1=a.dat x", "2=c.dat", "loose": 8 + 10 + 8 + 6 bytes with their NULs.
    EXPECT_EQ(GetPrivateProfileSection("userfirmware", entries, 32767, path), 32u);
    EXPECT_THAT(entries, ElementsAre("2=b.dat", "1=a.dat x", "2=c.dat", "loose"));
}

TEST_F(IniFile, SectionThatDoesNotFitAnswersSizeLessTwo)
{
    Store("[S]\nab=1\ncd=2\n"); // needs 5 + 5 + 1 bytes
    std::vector<std::string> entries;
    EXPECT_EQ(GetPrivateProfileSection("S", entries, 11, path), 10u);
    EXPECT_THAT(entries, ElementsAre("ab=1", "cd=2"));
    EXPECT_EQ(GetPrivateProfileSection("S", entries, 10, path), 8u);
    EXPECT_THAT(entries, ElementsAre("ab=1"));
}

TEST_F(IniFile, EmptyOrMissingSectionAnswersZero)
{
    std::vector<std::string> entries{"stale"};
    EXPECT_EQ(GetPrivateProfileSection("Tools", entries, 32000, path), 0u);
    EXPECT_THAT(entries, IsEmpty());
    Store("[Tools]\n; nothing yet\n\n[Other]\nx=1\n");
    EXPECT_EQ(GetPrivateProfileSection("Tools", entries, 32000, path), 0u);
    EXPECT_EQ(GetPrivateProfileSection("Missing", entries, 32000, path), 0u);
}

TEST_F(IniFile, WritingKeepsEveryOtherLineAsItWas)
{
    Store("; settings\r\n[Window]\r\nMainTop=10\r\n\r\n[Options]\r\nnotclosed=12,34\r\nAutoSave=1\r\n");

    ASSERT_TRUE(WritePrivateProfileString("OPTIONS", "NotClosed", "5,6", path));
    ASSERT_TRUE(WritePrivateProfileString("Window", "MainLeft", "-2147483632", path));
    ASSERT_TRUE(WritePrivateProfileString("Debug", "LogStart", "0", path));

    EXPECT_EQ(Content(), "; settings\r\n[Window]\r\nMainTop=10\r\nMainLeft=-2147483632\r\n\r\n"
                         "[Options]\r\nnotclosed=5,6\r\nAutoSave=1\r\n[Debug]\r\nLogStart=0\r\n");
    EXPECT_EQ(Read("Options", "NotClosed"), "5,6");
}

TEST_F(IniFile, WritingCreatesTheFileAndCompletesALastLine)
{
    ASSERT_TRUE(WritePrivateProfileString("Tools", "ToolName0", " ", path));
    EXPECT_EQ(Content(), "[Tools]\r\nToolName0= \r\n");
    EXPECT_EQ(Read("Tools", "ToolName0", "x"), ""); // blanks around a value do not count

    Store("[A]\nx=1");
    ASSERT_TRUE(WritePrivateProfileString("A", "y", "2", path));
    EXPECT_EQ(Content(), "[A]\nx=1\ny=2\n");
    ASSERT_TRUE(WritePrivateProfileString("B", "z", "3", path));
    EXPECT_EQ(Content(), "[A]\nx=1\ny=2\n[B]\nz=3\n");
}

TEST_F(IniFile, WriteThatWouldBreakTheFileIsRefused)
{
    Store("[Options]\nAutoSave=1\n");
    EXPECT_FALSE(WritePrivateProfileString("Options", "AutoSave", "1\n[Debug]\nLogStart=1", path));
    EXPECT_FALSE(WritePrivateProfileString("Options", "Auto\rSave", "1", path));
    EXPECT_FALSE(WritePrivateProfileString("Opt]ions", "AutoSave", "1", path));
    EXPECT_FALSE(WritePrivateProfileString("Options", "A=B", "1", path));
    EXPECT_FALSE(WritePrivateProfileString("Options", " ", "1", path));
    EXPECT_FALSE(WritePrivateProfileString("", "AutoSave", "1", path));
    EXPECT_EQ(Content(), "[Options]\nAutoSave=1\n");
}

TEST_F(IniFile, WriteIntoAFolderThatDoesNotExistFails)
{
    EXPECT_FALSE(WritePrivateProfileString("S", "K", "1", dir.file("missing/panelconf.ini")));
}

} // namespace
