// The settings store on ini files and on the registry file of the program's folder.
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "platform/FileIo.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

// A settings file in a fresh folder that is also the program's folder; the store is made there.
class SettingsStore : public ::testing::Test {
protected:
    void WriteFile(const std::string& text) const { platform::WriteFileAtomically(File, text); }
    std::string FileText() const { return platform::ReadWholeFile(File); }
    void WriteRegistry(const std::string& text) const
    {
        platform::WriteFileAtomically(Dir.file("registry.ini"), text);
    }

    testsupport::TempDir Dir;
    testsupport::ScopedVariable Home{"PANELCONF_HOME", Dir.path().string()};
    std::string File = Dir.file("panelconf.ini");
    TMyRegistry Store;
};

struct IntegerCase {
    const char* stored; // nullptr: the key is missing
    std::int32_t expected;
};

void PrintTo(const IntegerCase& value, std::ostream* out)
{
    *out << (value.stored ? value.stored : "(missing)");
}

TEST_F(SettingsStore, ReadIniStringOfAMissingKeyGivesTheDefault)
{
    std::string out = "old";
    EXPECT_FALSE(Store.ReadIniString(File, "Options", "FileCharSet", "", out));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(Store.ReadIniString(File, "Options", "FileCharSet", "Common", out));
    EXPECT_EQ(out, "Common");
    EXPECT_FALSE(std::filesystem::exists(File));
}

TEST_F(SettingsStore, ReadIniStringTakesTheValueAsItStands)
{
    WriteFile("[options]\r\nnotclosed=12,34\r\nEmpty=\r\n");
    std::string out;
    EXPECT_TRUE(Store.ReadIniString(File, "Options", "NotClosed", "x", out));
    EXPECT_EQ(out, "12,34");
    EXPECT_FALSE(Store.ReadIniString(File, "Options", "Empty", "x", out));
    EXPECT_EQ(out, "");
}

TEST_F(SettingsStore, ReadIniStringCutsLongValuesTo1023Characters)
{
    const std::string value(1500, 'v');
    ASSERT_TRUE(Store.WriteIniString(File, "Options", "Long", value));
    std::string out;
    EXPECT_TRUE(Store.ReadIniString(File, "Options", "Long", "", out));
    EXPECT_EQ(out, value.substr(0, 1023));
}

class ReadIniIntegerTest : public SettingsStore, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(ReadIniIntegerTest, ReadsTheLeadingSignedNumber)
{
    WriteFile("[Window]\r\nOther=5\r\n");
    if (GetParam().stored) {
        ASSERT_TRUE(Store.WriteIniString(File, "Window", "MainTop", GetParam().stored));
    }
    std::int32_t out = 12345;
    EXPECT_TRUE(Store.ReadIniInteger(File, "Window", "MainTop", 77, out));
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadIniIntegerTest,
                         ::testing::Values(IntegerCase{"-1", -1}, IntegerCase{"abc", 0},
                                           IntegerCase{nullptr, 77}, IntegerCase{"12abc", 12},
                                           IntegerCase{"-2147483632", -2147483632}, IntegerCase{"+8", 8}));

TEST_F(SettingsStore, IntegersAreWrittenAsSignedDecimal)
{
    EXPECT_TRUE(Store.WriteIniInteger(File, "Options", "ColorGridCommmon", static_cast<std::int32_t>(0x80000010)));
    std::string out;
    Store.ReadIniString(File, "Options", "ColorGridCommmon", "", out);
    EXPECT_EQ(out, "-2147483632");
    std::int32_t value = 0;
    Store.ReadIniInteger(File, "Options", "ColorGridCommmon", 0, value);
    EXPECT_EQ(value, static_cast<std::int32_t>(0x80000010));
}

TEST_F(SettingsStore, BooleansAreWrittenAsOneAndZeroAndReadAsNumbers)
{
    EXPECT_TRUE(Store.WriteIniBool(File, "Debug", "LogStart", true));
    EXPECT_NE(FileText().find("LogStart=1"), std::string::npos) << FileText();
    EXPECT_TRUE(Store.WriteIniBool(File, "Debug", "LogTime", false));
    EXPECT_NE(FileText().find("LogTime=0"), std::string::npos) << FileText();

    bool out = false;
    EXPECT_TRUE(Store.ReadIniBool(File, "Debug", "LogStart", false, out));
    EXPECT_TRUE(out);
    EXPECT_TRUE(Store.ReadIniBool(File, "Debug", "LogTime", true, out));
    EXPECT_FALSE(out);

    Store.WriteIniString(File, "Debug", "LogStart", "2");
    Store.ReadIniBool(File, "Debug", "LogStart", false, out);
    EXPECT_TRUE(out);
    Store.WriteIniString(File, "Debug", "LogStart", "yes");
    Store.ReadIniBool(File, "Debug", "LogStart", true, out);
    EXPECT_FALSE(out);

    EXPECT_TRUE(Store.ReadIniBool(File, "Debug", "Missing", true, out));
    EXPECT_TRUE(out);
    EXPECT_TRUE(Store.ReadIniBool(File, "Debug", "Missing", false, out));
    EXPECT_FALSE(out);
}

TEST_F(SettingsStore, IniValueExistsTellsAPresentKeyEvenWithAnEmptyValue)
{
    WriteFile("[Options]\r\nNoSysFile=\r\nAskOverwrite=0\r\n");
    EXPECT_TRUE(Store.IniValueExists(File, "Options", "NoSysFile"));
    EXPECT_TRUE(Store.IniValueExists(File, "options", "askoverwrite"));
    EXPECT_FALSE(Store.IniValueExists(File, "Options", "ShowDlgAbfrName"));
    EXPECT_FALSE(Store.IniValueExists(File, "Window", "NoSysFile"));
}

TEST_F(SettingsStore, ReadIniSectionIsTrueOnlyForASectionWithEntries)
{
    WriteFile("[Empty]\r\n\r\n[Tools]\r\nToolName0=Editor\r\n");
    EXPECT_TRUE(Store.ReadIniSection(File, "Tools"));
    EXPECT_FALSE(Store.ReadIniSection(File, "Empty"));
    EXPECT_FALSE(Store.ReadIniSection(File, "Missing"));
    EXPECT_FALSE(Store.ReadIniSection(Dir.file("nofile.ini"), "Tools"));
}

// Nothing is cached: a change by another writer is seen by the next read of the same store.
TEST_F(SettingsStore, EveryReadSeesTheFileAsItIsNow)
{
    std::int32_t value = 0;
    Store.ReadIniInteger(File, "Window", "MainWidth", 640, value);
    EXPECT_EQ(value, 640);
    WriteFile("[Window]\r\nMainWidth=800\r\n");
    Store.ReadIniInteger(File, "Window", "MainWidth", 640, value);
    EXPECT_EQ(value, 800);
}

TEST_F(SettingsStore, WritesCreateFileAndSectionAndKeepOtherLines)
{
    WriteFile("; comment\r\n[Window]\r\nMainTop=1\r\n");
    EXPECT_TRUE(Store.WriteIniString(File, "Tools", "ToolName0", "Editor"));
    EXPECT_TRUE(Store.WriteIniInteger(File, "Window", "MainTop", 5));
    EXPECT_EQ(FileText(), "; comment\r\n[Window]\r\nMainTop=5\r\n[Tools]\r\nToolName0=Editor\r\n");

    const std::string fresh = Dir.file("fresh.ini");
    EXPECT_TRUE(Store.WriteIniBool(fresh, "Reconstruction", "SaveRecoDataInFile", true));
    std::string out;
    EXPECT_TRUE(Store.ReadIniString(fresh, "Reconstruction", "SaveRecoDataInFile", "", out));
    EXPECT_EQ(out, "1");
}

TEST_F(SettingsStore, AWriteTheFileRefusesAnswersFalse)
{
    EXPECT_FALSE(Store.WriteIniString(Dir.file("no/such/folder/x.ini"), "Options", "AutoSave", "1"));
    EXPECT_FALSE(Store.WriteIniString(File, "Options", "AutoSave", "two\r\nlines"));
}

TEST_F(SettingsStore, MakingAndDroppingAStoreLeavesTheFilesAlone)
{
    {
        TMyRegistry other;
    }
    EXPECT_TRUE(std::filesystem::is_empty(Dir.path()));
}

TEST_F(SettingsStore, ReadRegBoolReadsTheValueOfTheRegistryFile)
{
    WriteRegistry("[HKEY_LOCAL_MACHINE\\Software\\Kestrow Elektronik GmbH]\r\nPrintFileEnabled=1\r\n"
                  "[HKEY_CURRENT_USER\\Software\\Kestrow Elektronik GmbH]\r\nPrintFileEnabled=0\r\n");
    bool out = false;
    EXPECT_TRUE(Store.ReadRegBool(HKEY_LOCAL_MACHINE, std::string(REG_KEY_PATH), false, out,
                                  std::string(REG_VALUE_PRINTFILEENABLED)));
    EXPECT_TRUE(out);
    EXPECT_TRUE(Store.ReadRegBool(HKEY_CURRENT_USER, "software\\kestrow elektronik gmbh", true, out,
                                  "printfileenabled"));
    EXPECT_FALSE(out);
}

TEST_F(SettingsStore, ReadRegBoolGivesTheDefaultWhenTheKeyDoesNotOpen)
{
    bool out = false;
    EXPECT_TRUE(Store.ReadRegBool(HKEY_LOCAL_MACHINE, "Software\\Kestrow Elektronik GmbH\\", true, out,
                                  "PrintFileEnabled"));
    EXPECT_TRUE(out);
    WriteRegistry("[HKEY_LOCAL_MACHINE\\Software\\Other]\r\nPrintFileEnabled=0\r\n");
    EXPECT_TRUE(Store.ReadRegBool(HKEY_LOCAL_MACHINE, "Software\\Kestrow Elektronik GmbH\\", true, out,
                                  "PrintFileEnabled"));
    EXPECT_TRUE(out);
    EXPECT_FALSE(std::filesystem::exists(File));
}

// A value that cannot be read raises an exception of the registry, which the store reports.
TEST_F(SettingsStore, ReadRegBoolReportsAValueThatCannotBeRead)
{
    WriteRegistry("[HKEY_LOCAL_MACHINE\\Software\\Kestrow Elektronik GmbH]\r\nOther=1\r\nText=on\r\n");
    bool out = false;
    EXPECT_FALSE(Store.ReadRegBool(HKEY_LOCAL_MACHINE, "Software\\Kestrow Elektronik GmbH\\", true, out,
                                   "PrintFileEnabled"));
    EXPECT_TRUE(out);
    EXPECT_FALSE(Store.ReadRegBool(HKEY_LOCAL_MACHINE, "Software\\Kestrow Elektronik GmbH\\", false, out,
                                   "Text"));
    EXPECT_FALSE(out);
    // The store stays usable afterwards.
    EXPECT_TRUE(Store.ReadRegBool(HKEY_LOCAL_MACHINE, "Software\\Kestrow Elektronik GmbH\\", false, out,
                                  "Other"));
    EXPECT_TRUE(out);
}

TEST(SettingKeys, SectionsAreTheWordsAndKeysKeepTheirSpelling)
{
    EXPECT_EQ(SECTION_PREFIX, "");
    EXPECT_EQ(SECTION_WINDOW, "Window");
    EXPECT_EQ(SECTION_INITIALISIERUNG, "Initialisierung");
    EXPECT_EQ(KEY_COLORGRIDCOMMMON, "ColorGridCommmon");
    EXPECT_EQ(KEY_TABELAUTOCELLACTIVATEROWNUMBER, "TabelAutoCellActivateRowNumber");
    EXPECT_EQ(IndexedKey(KEY_TOOLNAME, 0), "ToolName0");
    EXPECT_EQ(IndexedKey(KEY_SPRACHEXT, 12), "SprachExt12");
    EXPECT_EQ(SuffixedKey(KEY_INITFILECREATEUSER, "244"), "InitFileCreateUser_244");
}

} // namespace
