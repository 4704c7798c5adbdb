#include "app/DataModule.h"
#include "app/ProgramPath.h"
#include "app/Version.h"
#include "platform/TraceLog.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;
using testing::MatchesRegex;

namespace {

const char* const SixFolders[] = {"AboutImage", "PreviewImages", "CharacterSet",
                                  "DeviceLanguage", "CompilerFile", "BlobFile"};

std::string ExeFileName()
{
    return fs::read_symlink("/proc/self/exe").filename().string();
}

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path) << text;
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DataModuleTest : public testing::Test {
protected:
    std::string Home() const { return Dir.path().string() + "/"; }

    testsupport::TempDir Dir;
    testsupport::ScopedVariable HomeSetting{"PANELCONF_HOME", Dir.path().string()};
};

TEST_F(DataModuleTest, OptionValuesAndFlagsHaveTheirCreationValues)
{
    TDM dm(nullptr);

    EXPECT_EQ(dm.GridColorCommon, static_cast<TColor>(0x8000000F));
    EXPECT_EQ(dm.GridColorTitle, 0x00FFFFFF);
    EXPECT_EQ(dm.GridColorCell, 0x00FFFFFF);
    EXPECT_EQ(dm.GridColorCellReadOnly, static_cast<TColor>(0x8000000F));
    EXPECT_EQ(dm.GridLineWidth, 1);
    EXPECT_TRUE(dm.fGridAutoSize);
    EXPECT_EQ(dm.GridColDefWidth, 0);
    EXPECT_TRUE(dm.fTableAutoCellActivate);
    EXPECT_EQ(dm.TableAutoCellActivateRow, 0);
    // Until the main window has read the settings: auto-save off, 0 minutes, 2 version digits.
    EXPECT_FALSE(dm.fAutoSave);
    EXPECT_EQ(dm.AutoSaveMinutes, 0);
    EXPECT_EQ(dm.VersionDigits, 2);
    EXPECT_FALSE(dm.HighAccess());
    EXPECT_FALSE(dm.fEnableGlobalParameter);
    EXPECT_FALSE(dm.fShowGlobalParameterTag);
    EXPECT_FALSE(dm.fEnableRebuild);
    EXPECT_FALSE(dm.fSaveRecoDataInFile);
    EXPECT_FALSE(dm.fMenuRebuildDeviceImage);
    EXPECT_EQ(dm.LogPriority, 0);
    EXPECT_EQ(dm.LogMask, 0);
    EXPECT_FALSE(dm.fLogStart);
    EXPECT_FALSE(dm.fLogTime);
    EXPECT_EQ(dm.GrpAdrLevels, 3);
    EXPECT_EQ(dm.DeviceTextLcid, 0);

    EXPECT_FALSE(dm.fRs232Enabled);
    EXPECT_FALSE(dm.fRs232ContinueMode);
    EXPECT_TRUE(dm.fRs232AskForConnection);
    EXPECT_FALSE(dm.fRs232Sound);
    EXPECT_EQ(dm.Rs232ComPort, 0);
    EXPECT_EQ(dm.Rs232Baud, 19200u);
    EXPECT_EQ(dm.Rs232LineSetting, 3);
    EXPECT_EQ(dm.Rs232DownloadMode, 2);
    EXPECT_EQ(dm.Rs232Key, 123);

    EXPECT_EQ(dm.MainWindowHandle, platform::HWND{0});
    EXPECT_FALSE(dm.fDataModified);
    EXPECT_FALSE(dm.fLanguageChanged);
    EXPECT_EQ(dm.PreviewZOrder, -2);
    EXPECT_FALSE(dm.fGlobalParamSection);
    EXPECT_FALSE(dm.fDatenKonvertiert);
    EXPECT_FALSE(dm.fBlobExtern);
    EXPECT_FALSE(dm.fSaveCompilerFile);

    EXPECT_EQ(dm.SwCreatedVersion, "unknown");
    EXPECT_EQ(dm.SwCreatedDate, "unknown");
    EXPECT_EQ(dm.CharSetFileName, "");
    EXPECT_EQ(dm.DeviceTextFileName, "");
    EXPECT_EQ(dm.EtsIniFileName, "");
    EXPECT_EQ(dm.InfoExModules, "");

    // The auto-save timer is made disabled with ten minutes.
    EXPECT_EQ(dm.GetTimerAutoSave().Interval(), 600000);
    EXPECT_FALSE(dm.GetTimerAutoSave().Enabled());
    EXPECT_FALSE(dm.GetTimerAutoSave().Running());
}

TEST_F(DataModuleTest, DmAndTheDeviceModelsDataModuleAreThisWhileItLives)
{
    {
        TDM dm(nullptr);
        EXPECT_EQ(DM, &dm);
        EXPECT_EQ(TDataModuleServices::Current(), &dm);
    }
    EXPECT_EQ(DM, nullptr);
    EXPECT_EQ(TDataModuleServices::Current(), nullptr);
}

TEST_F(DataModuleTest, PathsLieBelowTheProgramFolder)
{
    const TDM dm(nullptr);
    const std::string home = Home();
    const std::string data = home + "Vantu/";

    EXPECT_EQ(dm.LongExeName, home + ExeFileName());
    std::string longExeName;
    dm.GetLongExeName(longExeName);
    EXPECT_EQ(longExeName, dm.LongExeName);
    EXPECT_EQ(dm.IniFileName, home + ExeFileName() + ".ini");
    EXPECT_EQ(dm.Rs232IniFileName, home + "serialsetup.ini");
    EXPECT_EQ(dm.Rs232DllFileName, home + "seriallink.dll");
    EXPECT_EQ(dm.HelpFileName, data + "Help/Vantu_Deu.hlp");
    EXPECT_EQ(dm.QuickHelpFileName, data + "Help/Vantu_Deu.rtf");
    EXPECT_EQ(dm.AboutImageDir, data + "AboutImage/");
    EXPECT_EQ(dm.PreviewImagesDir, data + "PreviewImages/");
    EXPECT_EQ(dm.CharacterSetDir, data + "CharacterSet/");
    EXPECT_EQ(dm.DeviceLanguageDir, data + "DeviceLanguage/");
    EXPECT_EQ(dm.CompilerFileDir, data + "CompilerFile/");
    EXPECT_EQ(dm.BlobFileDir, data + "BlobFile/");
}

// How PANELCONF_HOME is written must not change the paths; a dot in a folder name is no
// extension of the program file.
class ProgramFolderSpellingTest : public testing::TestWithParam<const char*> {};

TEST_P(ProgramFolderSpellingTest, GivesOneSlashAndTheSettingsFileBesideTheProgram)
{
    testsupport::TempDir dir;
    const fs::path folder = dir.path() / "my.home";
    fs::create_directory(folder);
    const testsupport::ScopedVariable home("PANELCONF_HOME", folder.string() + GetParam());

    const TDM dm(nullptr);

    EXPECT_EQ(dm.LongExeName, folder.string() + "/" + ExeFileName());
    EXPECT_EQ(dm.IniFileName, folder.string() + "/" + ExeFileName() + ".ini");
    EXPECT_EQ(dm.BlobFileDir, folder.string() + "/Vantu/BlobFile/");
}

INSTANTIATE_TEST_SUITE_P(Spellings, ProgramFolderSpellingTest, testing::Values("", "/", "/.", "//"));

TEST(ProgramModulePathTest, IsTheExecutableWithoutProgramHome)
{
    const testsupport::ScopedVariable home("PANELCONF_HOME", std::nullopt);
    EXPECT_EQ(ProgramModulePath(), fs::read_symlink("/proc/self/exe").string());
}

TEST_F(DataModuleTest, MakesTheSixDataFoldersButNotTheHelpFolder)
{
    const TDM dm(nullptr);

    for (const char* folder : SixFolders)
        EXPECT_TRUE(fs::is_directory(Dir.path() / "Vantu" / folder)) << folder;
    EXPECT_FALSE(fs::exists(Dir.path() / "Vantu" / "Help"));
}

TEST_F(DataModuleTest, LeavesAnExistingDataFolderAsItIs)
{
    fs::create_directories(Dir.path() / "Vantu" / "BlobFile");
    WriteFile(Dir.path() / "Vantu" / "BlobFile" / "Vantu7.blob", "kept");

    const TDM dm(nullptr);

    EXPECT_EQ(ReadFile(Dir.path() / "Vantu" / "BlobFile" / "Vantu7.blob"), "kept");
    for (const char* folder : SixFolders)
        EXPECT_TRUE(fs::is_directory(Dir.path() / "Vantu" / folder)) << folder;
}

TEST_F(DataModuleTest, AFolderThatCannotBeMadeIsLeftMissingAndTheOthersAreMade)
{
    fs::create_directories(Dir.path() / "Vantu");
    WriteFile(Dir.path() / "Vantu" / "CharacterSet", "a file in the way");

    const TDM dm(nullptr);

    EXPECT_EQ(dm.CharacterSetDir, Home() + "Vantu/CharacterSet/");
    EXPECT_TRUE(fs::is_regular_file(Dir.path() / "Vantu" / "CharacterSet"));
    for (const char* folder : {"AboutImage", "PreviewImages", "DeviceLanguage", "CompilerFile", "BlobFile"})
        EXPECT_TRUE(fs::is_directory(Dir.path() / "Vantu" / folder)) << folder;
}

TEST_F(DataModuleTest, ADataFolderThatCannotBeMadeStopsNothing)
{
    WriteFile(Dir.path() / "Vantu", "a file in the way");

    const TDM dm(nullptr);

    EXPECT_EQ(dm.BlobFileDir, Home() + "Vantu/BlobFile/");
    EXPECT_TRUE(fs::is_regular_file(Dir.path() / "Vantu"));
    EXPECT_EQ(DM, &dm);
}

struct AutoSaveCase {
    const char* name;
    bool autoSave;
    std::int32_t minutes;
    bool start;
    std::int32_t interval;
    bool enabled;
    bool running;
};

void PrintTo(const AutoSaveCase& c, std::ostream* os)
{
    *os << c.name;
}

class AutoSaveTimerTest : public DataModuleTest, public testing::WithParamInterface<AutoSaveCase> {};

TEST_P(AutoSaveTimerTest, IntervalAndStateFollowTheOptions)
{
    const AutoSaveCase& c = GetParam();
    TDM dm(nullptr);
    dm.fAutoSave = c.autoSave;
    dm.AutoSaveMinutes = c.minutes;

    dm.StartTimerAutoSave(c.start);

    EXPECT_EQ(dm.GetTimerAutoSave().Interval(), c.interval);
    EXPECT_EQ(dm.GetTimerAutoSave().Enabled(), c.enabled);
    EXPECT_EQ(dm.GetTimerAutoSave().Running(), c.running);
}

constexpr std::int32_t Longest = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, AutoSaveTimerTest,
    testing::Values(AutoSaveCase{"TenMinutes", true, 10, true, 600000, true, true},
                    AutoSaveCase{"OneMinute", true, 1, true, 60000, true, true},
                    AutoSaveCase{"ZeroMinutesNeverFires", true, 0, true, 0, true, false},
                    AutoSaveCase{"AutoSaveOff", false, 10, true, 600000, false, false},
                    AutoSaveCase{"Stopped", true, 10, false, 600000, false, false},
                    AutoSaveCase{"NegativeMinutesNeverFire", true, -5, true, 0, true, false},
                    AutoSaveCase{"TooManyMinutesAreCut", true, 40000, true, Longest, true, true}),
    [](const testing::TestParamInfo<AutoSaveCase>& info) { return std::string(info.param.name); });

TEST_F(DataModuleTest, AutoSaveTimerTakesTheOptionsAnewOnEveryStartAndStopsOnFalse)
{
    TDM dm(nullptr);
    dm.fAutoSave = true;
    dm.AutoSaveMinutes = 10;
    dm.StartTimerAutoSave(true);

    dm.AutoSaveMinutes = 2;
    dm.StartTimerAutoSave(true);
    EXPECT_EQ(dm.GetTimerAutoSave().Interval(), 120000);
    EXPECT_TRUE(dm.GetTimerAutoSave().Running());

    dm.StartTimerAutoSave(false);
    EXPECT_FALSE(dm.GetTimerAutoSave().Running());
}

TEST_F(DataModuleTest, AutoSaveTickAsksForTheSaveAndKeepsTheTimerRunning)
{
    TDM dm(nullptr);
    dm.fAutoSave = true;
    dm.AutoSaveMinutes = 10;
    dm.StartTimerAutoSave(true);
    int saves = 0;
    QObject::connect(&dm, &TDM::AutoSaveDue, [&saves] { ++saves; });

    dm.TimerAutoSaveTimer();
    dm.TimerAutoSaveTimer();

    EXPECT_EQ(saves, 2);
    EXPECT_TRUE(dm.GetTimerAutoSave().Running());
}

// Closes the trace log however the test ends.
struct ScopedTraceLog {
    explicit ScopedTraceLog(const std::string& file) { platform::InitLogFkt(nullptr, 0, -1, false, file); }
    ~ScopedTraceLog() { platform::CloseLogFkt(); }
    ScopedTraceLog(const ScopedTraceLog&) = delete;
    ScopedTraceLog& operator=(const ScopedTraceLog&) = delete;
};

std::vector<std::string> LogLinesOf(const std::string& text, const std::string& name)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.find(" " + name + " [") != std::string::npos)
            lines.push_back(line);
    return lines;
}

TEST_F(DataModuleTest, TimerOperationsLogTheirStartAndTheirEnd)
{
    TDM dm(nullptr);
    const std::string logFile = Dir.file("trace.log");
    {
        const ScopedTraceLog log(logFile);
        dm.StartTimerAutoSave(true);
        dm.TimerAutoSaveTimer();
    }

    const std::string log = ReadFile(logFile);
    for (const char* name : {"TDM::StartTimerAutoSave", "TDM::TimerAutoSaveTimer"}) {
        const auto lines = LogLinesOf(log, name);
        ASSERT_EQ(lines.size(), 2u) << log;
        EXPECT_THAT(lines[0], MatchesRegex("1024 .*\\]"));
        EXPECT_THAT(lines[1], MatchesRegex("1024 .*\\] !!Ende!!"));
    }
}

TEST_F(DataModuleTest, SwVersionIsTheBuildsFileVersion)
{
    const TDM dm(nullptr);
    std::string version = "old";

    dm.GetSwVersion(version);

    EXPECT_EQ(version, PROGRAM_FILE_VERSION);
    EXPECT_THAT(version, MatchesRegex("[0-9]+(\\.[0-9]+){1,3}"));
}

} // namespace
