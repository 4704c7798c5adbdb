#include "tests/app/FrameFixture.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QMenu>

#include "outside/hostdata/EtsProfile.h"
#include "platform/IniFile.h"

#include <filesystem>
#include <fstream>

namespace {

using testsupport::ScriptedUi;

class MainWindowSettingsTest : public frametest::FrameFixture {
protected:
    // Makes the data module first, so that the settings can be written before the start.
    void Prepare() { Dm = std::make_unique<TDM>(nullptr); }
};

// Four fifths of the screen's available area, centred.
QRect FirstPlace()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect place(QPoint(), screen.size() * 4 / 5);
    place.moveCenter(screen.center());
    return place;
}

TEST_F(MainWindowSettingsTest, AFirstStartWritesTheDebugKeysAndTakesFourFifthsOfTheScreen)
{
    Start();
    EXPECT_EQ(Main->size(), FirstPlace().size());
    EXPECT_EQ(Main->pos(), FirstPlace().topLeft());
    EXPECT_EQ(ReadSetting("Debug", "Priority"), "1024");
    EXPECT_EQ(ReadSetting("Debug", "LogStart"), "0");
    EXPECT_EQ(ReadSetting("Debug", "LogFreigabe"), "-1");
    EXPECT_EQ(ReadSetting("Debug", "LogTime"), "1");
    EXPECT_EQ(ReadSetting("Reconstruction", "SaveRecoDataInFile"), std::nullopt);
}

TEST_F(MainWindowSettingsTest, WithRebuildEnabledTheRecoSwitchIsWrittenAndTheMenuShown)
{
    Prepare();
    Setting("Options", "EnableReconstruction", "1");
    Start();
    EXPECT_EQ(ReadSetting("Reconstruction", "SaveRecoDataInFile"), "1");
    EXPECT_TRUE(Main->GetMenu("MRekonstruktion")->menuAction()->isVisible());
    EXPECT_TRUE(Dm->AReconstructDevice->isEnabled());
    EXPECT_FALSE(Dm->AReadDeviceImage->isVisible());
}

TEST_F(MainWindowSettingsTest, TheRebuildMenuIsHiddenByDefault)
{
    Start();
    EXPECT_FALSE(Main->GetMenu("MRekonstruktion")->menuAction()->isVisible());
    EXPECT_FALSE(Dm->AReconstructDevice->isEnabled());
}

TEST_F(MainWindowSettingsTest, TheStoredValuesReachTheDataModule)
{
    Prepare();
    Setting("Window", "MainTop", "20");
    Setting("Window", "MainLeft", "30");
    Setting("Window", "MainHeight", "400");
    Setting("Window", "MainWidth", "500");
    Setting("Window", "MainState", "2");
    Setting("Options", "TabelAutoCellActivateRowNumber", "-4");
    Setting("Options", "AutoSaveMinuten", "7");
    Setting("Options", "FileCharSet", "Cs01250.ezs");
    Setting("InfoEx", "Count", "3");
    Setting("InfoEx", "Extension0", "keyplan.so");
    Setting("InfoEx", "Extension2", "sysfunc.so");
    Start();
    EXPECT_EQ(Main->size(), QSize(500, 400));
    EXPECT_EQ(Main->SavedWindowState, 2);
    EXPECT_EQ(Dm->TableAutoCellActivateRow, 0);
    EXPECT_EQ(Dm->AutoSaveMinutes, 7);
    EXPECT_TRUE(Dm->fAutoSave);
    EXPECT_EQ(Dm->CharSetFileName, Dm->CharacterSetDir + "Cs01250.ezs");
    EXPECT_EQ(Dm->DeviceTextFileName, Dm->DeviceLanguageDir + "Dl0407.dlg");
    EXPECT_EQ(Dm->InfoExModules, "keyplan.so\nsysfunc.so\n");
    EXPECT_EQ(Dm->GridColorCell, clInfoBk);
}

TEST_F(MainWindowSettingsTest, AMaximisedWindowWritesItsStateAndKeepsTheGeometry)
{
    Prepare();
    Setting("Window", "MainTop", "11");
    Setting("Window", "MainWidth", "600");
    Start();
    Main->showMaximized();
    Pump();
    ASSERT_TRUE(Main->isMaximized());
    Main->SetRegData();
    EXPECT_EQ(ReadSetting("Window", "MainState"), "2");
    EXPECT_EQ(ReadSetting("Window", "MainTop"), "11");
    EXPECT_EQ(ReadSetting("Window", "MainWidth"), "600");
    EXPECT_EQ(ReadSetting("Window", "MainLeft"), std::nullopt);
}

TEST_F(MainWindowSettingsTest, AMinimisedWindowIsStoredAsNormal)
{
    Start();
    Main->showMinimized();
    Pump();
    ASSERT_TRUE(Main->isMinimized());
    Main->SetRegData();
    EXPECT_EQ(ReadSetting("Window", "MainState"), "0");
}

TEST_F(MainWindowSettingsTest, ANormalWindowStoresItsPlace)
{
    Start();
    Main->SetRegData();
    EXPECT_EQ(ReadSetting("Window", "MainState"), "0");
    EXPECT_EQ(ReadSetting("Window", "MainHeight"), std::to_string(FirstPlace().height()));
    EXPECT_EQ(ReadSetting("Window", "MainWidth"), std::to_string(FirstPlace().width()));
    EXPECT_EQ(ReadSetting("Window", "MainLeft"), std::to_string(FirstPlace().left()));
}

TEST_F(MainWindowSettingsTest, TheActiveWindowsPlaceIsStored)
{
    Start();
    Main->ShowMainWindow();
    FormVerw->parentWidget()->setGeometry(10, 20, 300, 200);
    Main->SetRegData();
    EXPECT_EQ(ReadSetting("Window", "VerwState"), "0");
    EXPECT_EQ(ReadSetting("Window", "VerwTop"), "20");
    EXPECT_EQ(ReadSetting("Window", "VerwLeft"), "10");
    EXPECT_EQ(ReadSetting("Window", "VerwWidth"), "300");
}

TEST_F(MainWindowSettingsTest, TheHostProfileKeepsWhatIsWrittenIntoIt)
{
    Start();
    const TEtsProfile profile(Link);
    EXPECT_TRUE(profile.Write("[Switches]", "CdiLinkToSubGroup", true));
    bool value = false;
    EXPECT_TRUE(profile.Read("[Switches]", "CdiLinkToSubGroup", false, value));
    EXPECT_TRUE(value);
    std::int32_t number = 0;
    EXPECT_TRUE(profile.Read("[Download]", "MaxRepeat", 3, number));
    EXPECT_EQ(number, 3);
    const TEtsProfile offline(nullptr);
    EXPECT_FALSE(offline.Read("[Download]", "MaxRepeat", 3, number));
    EXPECT_FALSE(offline.Write("[Download]", "MaxRepeat", 4));
}

TEST_F(MainWindowSettingsTest, TwoToolNamesGiveTwoEntriesThatOpenTheirFiles)
{
    Prepare();
    Setting("Options", "ToolAccess", "1");
    Setting("Tools", "ToolName0", "Editor");
    Setting("Tools", "ToolName1", "Rechner");
    Setting("Tools", "ToolFile1", "/usr/bin/calc");
    Setting("Tools", "ToolParam1", "-x");
    Start();
    ASSERT_NE(Main->GetToolEntry(1), nullptr);
    EXPECT_EQ(Main->GetToolEntry(2), nullptr);
    EXPECT_EQ(Main->GetToolEntry(0)->text(), "Editor");
    EXPECT_TRUE(Main->GetMenu("MTool")->menuAction()->isVisible());

    Main->GetToolEntry(0)->trigger(); // no ToolFile0: nothing
    Main->GetToolEntry(1)->trigger();
    ASSERT_EQ(Ui.shellOpens().size(), 1u);
    EXPECT_EQ(Ui.shellOpens()[0], std::make_pair(std::string("/usr/bin/calc"), std::string("-x")));
}

TEST_F(MainWindowSettingsTest, ABlankFirstToolNameGivesNoEntry)
{
    Prepare();
    Setting("Options", "ToolAccess", "1");
    Setting("Tools", "ToolName0", " ");
    Setting("Tools", "ToolName1", "Rechner");
    Start();
    EXPECT_EQ(Main->GetToolEntry(0), nullptr);
}

TEST_F(MainWindowSettingsTest, WithoutToolAccessTheToolMenuIsHidden)
{
    Start();
    EXPECT_FALSE(Main->GetMenu("MTool")->menuAction()->isVisible());
}

TEST_F(MainWindowSettingsTest, AnEmptyToolsSectionGetsTheTemplateThatReadsBackEmpty)
{
    Start();
    Main->SetRegData();
    EXPECT_EQ(ReadSetting("Tools", "ToolName0"), "");
    EXPECT_EQ(ReadSetting("Tools", "ToolFile0"), "");
    EXPECT_EQ(ReadSetting("Tools", "ToolParam0"), "");
    EXPECT_EQ(ReadSetting("Options", "ToolAccess"), "0");
}

TEST_F(MainWindowSettingsTest, APresentToolsSectionIsLeftAlone)
{
    Prepare();
    Setting("Tools", "ToolName3", "Mein Werkzeug");
    Setting("Options", "ToolAccess", "1");
    Start();
    Main->SetRegData();
    EXPECT_EQ(ReadSetting("Tools", "ToolName0"), std::nullopt);
    EXPECT_EQ(ReadSetting("Options", "ToolAccess"), "1");
}

TEST_F(MainWindowSettingsTest, WithoutTheSerialFilesNoSerialKeyIsTouched)
{
    Start();
    EXPECT_FALSE(Dm->fRs232Enabled);
    Main->SetRegData();
    EXPECT_FALSE(std::filesystem::exists(Dm->Rs232IniFileName));
}

TEST_F(MainWindowSettingsTest, WithTheSerialFilesTheSerialKeysAreReadAndWritten)
{
    Prepare();
    platform::WritePrivateProfileString("DownloadRs232Options", "DownloadRs232Enabled", "1", Dm->Rs232IniFileName);
    platform::WritePrivateProfileString("DownloadRs232Options", "DownloadRs232Key", "122", Dm->Rs232IniFileName);
    std::ofstream(Dm->Rs232DllFileName) << "library";
    Start();
    EXPECT_TRUE(Dm->fRs232Enabled);
    EXPECT_EQ(Dm->Rs232Key, 122);
    EXPECT_EQ(Dm->Rs232ComPort, 1);
    Main->SetRegData();
    EXPECT_EQ(platform::GetPrivateProfileString("DownloadRs232Options", "DownloadRs232ComPort", "", 64,
                                                Dm->Rs232IniFileName),
              "1");
}

TEST_F(MainWindowSettingsTest, TheRegistrySwitchMakesPrintingIntoAFileAvailable)
{
    std::ofstream(Folder + "registry.ini") << "[HKEY_LOCAL_MACHINE\\Software\\Kestrow Elektronik GmbH]\r\n"
                                              "PrintFileEnabled=1\r\n";
    Start();
    EXPECT_TRUE(Dm->APrintFile->isVisible());
}

TEST_F(MainWindowSettingsTest, ThePreviewSwitchFollowsTheOpenPreview)
{
    Start();
    Main->SetRegData();
    EXPECT_EQ(ReadSetting("Window", "ShowPreview"), "0");
}

TEST_F(MainWindowSettingsTest, WithoutHostInformationTheHostReadsGoOnAfterAMessage)
{
    Start();
    Link->FailEtsInfo();
    Main->GetEtsRegData();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].caption, "Fehler");
    EXPECT_EQ(Ui.boxes()[0].text.rfind("Can't read EtsInfo\n\nTFormMain::GetEtsRegData\nFile: ", 0), 0u);
    EXPECT_EQ(Dm->GrpAdrLevels, 3);
    EXPECT_EQ(Dm->EtsIniFileName, "/Ets20.ini");
}

TEST_F(MainWindowSettingsTest, TheHostSettingsComeFromItsIniFileAndProfile)
{
    Start();
    platform::WritePrivateProfileString("Common", "GroupAddressLevels", "2", Folder + "host.ini");
    Setting("Ets", "Ets20Ini", Folder + "host.ini");
    Link->SetProfileString("[Switches]", "CdiLinkToSubGroup", "1");
    Main->GetEtsRegData();
    EXPECT_EQ(Dm->GrpAdrLevels, 2);
    EXPECT_TRUE(Main->fCdiLinkToSubGroup);
    EXPECT_TRUE(Ui.boxes().empty());
}

TEST_F(MainWindowSettingsTest, TheObjectCountShowsOnlyWithAMaximum)
{
    Start();
    Main->UpdateObjektAnzahl(5, 0);
    EXPECT_EQ(Main->GetStatusText(2), "");
    Main->UpdateObjektAnzahl(5, 40);
    EXPECT_EQ(Main->GetStatusText(2), "5/40");
    Main->UpdateObjektAnzahl(6, 0);
    EXPECT_EQ(Main->GetStatusText(2), "5/40");
}

} // namespace
