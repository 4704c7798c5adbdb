#include "app/SettingKeys.h"
#include "outside/devicelink/TalvoZielsystem.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "tests/hostevents/DownloadDoubles.h"
#include "tests/hostevents/HostEventFixture.h"

#include <filesystem>
#include <stdexcept>

namespace hosttest {
namespace {

// The demo device's character set: its version line and one character, 'A' (address 0x208).
const std::string VersionLine = "SX Version: 1. 0 Typ:SORV/CharSet Device:Vantu CPID: 1252 CBU:0";
const std::string CharacterA = std::string("\x00\x00\x02\x08\x0E\x11\x11\x11\x1F\x11\x11\x00", 12);

std::size_t RecordCount(TDeviceInstanzTalvo& device)
{
    TDeviceInstanz::TRecordTable table("", 0);
    device.CopyStrukturDatenToDB(&table, nullptr);
    return table.Count();
}

class Compile : public HostEventFixture {
protected:
    Compile()
    {
        Imagebuild = &Spy;
        Start();
    }
    bool Run() { return Main->Compiler(&Target); }
    void Debug(const std::string& file) const
    {
        platform::WritePrivateProfileString(SECTION_DEBUG, std::string(KEY_WRITENEWCOMPDATA), "1", Dm->IniFileName);
        platform::WritePrivateProfileString(SECTION_DEBUG, std::string(KEY_NEWCOMPDATA), file, Dm->IniFileName);
    }

    SpyCompiler Spy;
    TTalvoZielsystem Target{nullptr, nullptr};
};

TEST_F(Compile, WithoutADeviceIsFalseAndCallsNothing)
{
    EXPECT_FALSE(Run());
    EXPECT_EQ(Spy.Calls, 0);
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(Compile, PutsTheVersionLineAndANulInFrontOfTheCharacterBytes)
{
    ASSERT_TRUE(Main->SetDevice(1, false));
    EXPECT_TRUE(Run());
    EXPECT_EQ(Spy.Calls, 1);
    EXPECT_EQ(Spy.CharacterData, VersionLine + std::string(1, '\0') + CharacterA);
    EXPECT_EQ(Spy.Records, RecordCount(*Main->AktDevInst));
}

TEST_F(Compile, AnEmptyFirstLineGivesTheBytesAloneAndStillCompiles)
{
    ASSERT_TRUE(Main->SetDevice(1, false));
    Main->AktDevInst->CharSetStream.Clear();
    Main->AktDevInst->CharSetStream.Write("\r\nS10B02080E1111111F11110068\r\nS9030000FC\r\n");
    EXPECT_TRUE(Run());
    EXPECT_EQ(Spy.Calls, 1);
    EXPECT_EQ(Spy.CharacterData, CharacterA);
}

TEST_F(Compile, ACharacterSetThatCannotBeConvertedIsFalseWithoutABox)
{
    ASSERT_TRUE(Main->SetDevice(1, false));
    Main->AktDevInst->CharSetStream.Clear();
    Main->AktDevInst->CharSetStream.Write(VersionLine + "\r\nS10B02080E1111111F11110069\r\n");
    EXPECT_FALSE(Run());
    EXPECT_EQ(Spy.Calls, 0);
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(Compile, TheAnswerOfTheImageCompilerIsTheResult)
{
    ASSERT_TRUE(Main->SetDevice(1, false));
    Spy.Answer = false;
    EXPECT_FALSE(Run());
    EXPECT_EQ(Spy.Calls, 1);
}

TEST_F(Compile, TheDebugSwitchWritesNoFileThatIsNotThere)
{
    ASSERT_TRUE(Main->SetDevice(1, false));
    const std::string file = Folder + "NewCompData.txt";
    Debug(file);
    EXPECT_TRUE(Run());
    EXPECT_FALSE(std::filesystem::exists(file));
}

struct ThrowCase {
    const char* Name;
    std::function<void()> Fail;
    std::string Text;
};

class CompileThrows : public Compile, public ::testing::WithParamInterface<ThrowCase> {};

TEST_P(CompileThrows, ShowsTheBoxAndIsFalse)
{
    ASSERT_TRUE(Main->SetDevice(1, false));
    Spy.Fail = GetParam().Fail;
    EXPECT_FALSE(Run());
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, GetParam().Text);
    EXPECT_EQ(Ui.boxes()[0].caption, "Compiler");
    EXPECT_EQ(Ui.boxes()[0].style, 0u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CompileThrows,
                         ::testing::Values(ThrowCase{"Platform", [] { throw std::runtime_error("bus gone"); },
                                                     "Exception from Server:\r\nbus gone"},
                                           ThrowCase{"Other", [] { throw 7; }, "Unknown Exception from Server"}),
                         [](const ::testing::TestParamInfo<ThrowCase>& info) { return std::string(info.param.Name); });

// The library's own compiler on the demo device.
class CompileImage : public HostEventFixture {
protected:
    CompileImage() { Start(); }
};

TEST_F(CompileImage, TheImageNamesItsInputsAndGoesToTargetAndDebugFile)
{
    ASSERT_TRUE(Main->SetDevice(1, false));
    const std::string file = Folder + "debug.txt";
    platform::WriteFileAtomically(file, "old");
    platform::WritePrivateProfileString(SECTION_DEBUG, std::string(KEY_WRITENEWCOMPDATA), "1", Dm->IniFileName);
    platform::WritePrivateProfileString(SECTION_DEBUG, std::string(KEY_NEWCOMPDATA), file, Dm->IniFileName);
    TTalvoZielsystem target(Link, Main->AktDevInst->GetEtsDeviceParam());
    ASSERT_TRUE(Main->Compiler(&target));
    const std::string head = "TALVO-IMAGE\r\nDeviceId=1\r\nType=18\r\nRecords="
                             + std::to_string(RecordCount(*Main->AktDevInst)) + "\r\nAssociations=0\r\nCharSet="
                             + VersionLine + "\r\n[Records ";
    EXPECT_EQ(target.GetImage().substr(0, head.size()), head);
    EXPECT_NE(target.GetImage().find("[CharacterData 12]\r\n" + CharacterA + "\r\n[DeviceText "), std::string::npos);
    EXPECT_EQ(platform::ReadWholeFile(file), target.GetImage());
}

} // namespace
} // namespace hosttest
