#include "tests/dialogs/options/OptionsFixture.h"

#include "dialogs/options/OptionsMessages.h"
#include "platform/Cp1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <regex>

namespace optionstest {
namespace {

class HardwareTest : public OptionsFixture {
protected:
    static std::vector<std::string> Entries(const QComboBox* combo)
    {
        std::vector<std::string> entries;
        for (int i = 0; i < combo->count(); ++i)
            entries.push_back(platform::FromQString(combo->itemText(i)));
        return entries;
    }
    // The shape of an error report: the step, then "File: " and "Line: " of our own source.
    static void ExpectReport(const testsupport::ScriptedUi::Box& box, const std::string& step,
                             const std::string& operation)
    {
        EXPECT_EQ(box.caption, "TDlgOptionen::" + operation + "-Error");
        EXPECT_EQ(box.style, 16u);
        EXPECT_TRUE(std::regex_match(box.text, std::regex(std::regex_replace(step, std::regex(R"([().\\\[\]])"), R"(\$&)")
                                                          + "\nFile: [^\n]*DlgOptionenHardware\\.cpp\nLine: [0-9]+\n")))
            << box.text;
    }
};

TEST_F(HardwareTest, LoadFillsFirmwareAndLanguagesFromTheIniAndTheFolders)
{
    const auto dialog = Open();
    EXPECT_TRUE(Ui.boxes().empty());
    EXPECT_EQ(Entries(dialog->CbxIdUserFirm), (std::vector<std::string>{"vA.3 [2613]", "vB.0 [2816]", " [70000]"}));
    EXPECT_EQ(dialog->CbxIdUserFirm->currentText(), "vA.3 [2613]");
    EXPECT_EQ(dialog->PanelFileUserFirm->text(), " user_a35.dat");
    EXPECT_EQ(dialog->PanelFileUserFirm->toolTip(), "Firmware\\user_a35.dat");
    EXPECT_EQ(Entries(dialog->CbxDeviceLanguageName), (std::vector<std::string>{"Deutsch", "Englisch", "Russisch"}));
    EXPECT_EQ(dialog->CbxDeviceLanguageName->currentText(), "Deutsch");
    EXPECT_EQ(dialog->LCIDSelectedLanguage(), 1031);
    EXPECT_EQ(dialog->EditRepeat->text(), "3");
    EXPECT_TRUE(dialog->CheckBoxShowFwUpgradeMessage->isChecked());
    EXPECT_EQ(dialog->MapCharacterSet().size(), 2u);
}

TEST_F(HardwareTest, FirmwareIdIsTheEntrysDataEvenAboveTheVersionRange)
{
    const auto dialog = Open();
    dialog->CbxIdUserFirm->setCurrentIndex(2);
    dialog->CbxIdUserFirmChange();
    EXPECT_EQ(dialog->IdUserFirm(), 70000);
    EXPECT_EQ(dialog->FileUserFirm(), "Firmware\\user_big.dat");
    dialog->BtnOk->click();
    EXPECT_EQ(ProfileValue("Compiler", "UserFirmwareVersion"), "70000");
    EXPECT_EQ(ProfileValue("UserFirmware", "70000"), "Firmware\\user_big.dat");
}

TEST_F(HardwareTest, UnlistedStoredIdAndLcidFallBackToTheGreatest)
{
    Profile("Compiler", "UserFirmwareVersion", "5");
    Dm->DeviceTextLcid = 3082;
    const auto dialog = Open();
    EXPECT_EQ(dialog->IdUserFirm(), 70000);
    EXPECT_EQ(dialog->FileUserFirm(), " ");
    EXPECT_EQ(dialog->LCIDSelectedLanguage(), 1049);
    EXPECT_EQ(dialog->FileDeviceText(), " ");
    EXPECT_FALSE(ProfileValue("Compiler", "UserFirmwareVersion") != "5");
}

TEST_F(HardwareTest, MissingFirmwareSectionShowsOneReportAndLeavesThePageEmpty)
{
    WriteHostIni("[DeviceText]\n1031=c_de.dlg\n");
    const auto dialog = Open();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    ExpectReport(Ui.boxes()[0], "Can't read: ReadFirmwareFileDataFromProfile()", "GetEtsRegData");
    EXPECT_EQ(dialog->CbxIdUserFirm->count(), 0);
    EXPECT_EQ(dialog->CbxDeviceLanguageName->count(), 0);
    EXPECT_EQ(dialog->EditRepeat->text(), "EditRepeat");
    EXPECT_TRUE(dialog->MapUserFirmware().empty());
    EXPECT_TRUE(dialog->MapDeviceText().empty());

    // OK stores nothing that was never loaded and not changed.
    dialog->BtnOk->click();
    EXPECT_EQ(ProfileValue("Compiler", "UserFirmwareVersion"), "2613");
    EXPECT_FALSE(ProfileValue("UserFirmware", "-1"));
    EXPECT_FALSE(ProfileValue("Download", "MaxRepeat"));
    EXPECT_FALSE(ProfileValue("Download", "ShowFwUpgradeMessage"));
}

struct ReadFailure {
    const char* section;
    const char* key;
    const char* step;
};

class LoadFailureTest : public HardwareTest, public ::testing::WithParamInterface<ReadFailure> {};

TEST_P(LoadFailureTest, StopsAtTheFailingRead)
{
    Link->FailProfileRead(GetParam().section, GetParam().key);
    const auto dialog = Open();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    ExpectReport(Ui.boxes()[0], GetParam().step, "GetEtsRegData");
}

INSTANTIATE_TEST_SUITE_P(Reads, LoadFailureTest,
                         ::testing::Values(ReadFailure{"Compiler", "UserFirmwareVersion", "Can't read: UserFirmwareVersion"},
                                           ReadFailure{"UserFirmware", "2613", "Can't read: 2613"},
                                           ReadFailure{"DeviceText", "1031", "Can't read: 1031"},
                                           ReadFailure{"Download", "MaxRepeat", "Can't read: MaxRepeat"}));

TEST_F(HardwareTest, FailedMaxRepeatWriteShowsOneBoxAndStopsThere)
{
    const auto dialog = Open();
    dialog->CbxIdUserFirm->setCurrentIndex(1);
    dialog->CbxIdUserFirmChange();
    dialog->EditRepeat->setText("5");
    dialog->CheckBoxShowFwUpgradeMessage->setChecked(false);
    Link->FailProfileWrite("Download", "MaxRepeat");
    dialog->BtnOk->click();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    ExpectReport(Ui.boxes()[0], "Can't write: MaxRepeat", "SetEtsRegData");
    EXPECT_EQ(ProfileValue("Compiler", "UserFirmwareVersion"), "2816");
    EXPECT_EQ(ProfileValue("UserFirmware", "2816"), "Firmware\\user_b00.dat");
    EXPECT_FALSE(ProfileValue("Download", "ShowFwUpgradeMessage"));
}

TEST_F(HardwareTest, NoNumberInRepeatStoresTheValueLastRead)
{
    Profile("Download", "MaxRepeat", "7");
    const auto dialog = Open();
    dialog->EditRepeat->setText("abc");
    dialog->EditRepeatExit();
    EXPECT_EQ(dialog->EditRepeat->text(), "7");
    dialog->EditRepeat->setText("x");
    dialog->BtnOk->click();
    EXPECT_EQ(ProfileValue("Download", "MaxRepeat"), "7");
}

TEST_F(HardwareTest, ResetOnAnEmptyDefaultSectionStoresTheDefaults)
{
    DataFile("CharacterSet", "Cs01251.ezs", CharacterSet(1251));
    const auto dialog = Open();
    dialog->CheckBoxKeepScenesParameter->setEnabled(true);
    dialog->CheckBoxKeepScenesParameter->setChecked(true);
    dialog->ButtonDefault->click();
    EXPECT_TRUE(Ui.boxes().empty());
    EXPECT_EQ(ProfileValue("Default", "BcuFirmwareVersion"), "0");
    EXPECT_EQ(ProfileValue("Default", "UserFirmwareVersion"), "70000");
    EXPECT_EQ(ProfileValue("Default", "LCIDDeviceLanguage"), "1049");
    EXPECT_EQ(ProfileValue("Default", "MaxRepeat"), "3");
    EXPECT_EQ(ProfileValue("Default", "ShowFwUpgradeMessage"), "1");
    EXPECT_EQ(ProfileValue("Default", "DoDownloadAll"), "0");
    EXPECT_EQ(ProfileValue("Default", "AktDatenSzenenfunktion"), "1");
    // The user-parameter box is disabled (no controller function): neither read nor written.
    EXPECT_FALSE(ProfileValue("Default", "AktDatenUserDeviceParam"));
    EXPECT_FALSE(dialog->CheckBoxKeepScenesParameter->isChecked());
    EXPECT_EQ(dialog->CbxIdUserFirm->currentText(), " [70000]");
    EXPECT_EQ(dialog->FileUserFirm(), "Firmware\\user_big.dat");
    EXPECT_EQ(dialog->CbxDeviceLanguageName->currentText(), "Russisch");
    EXPECT_EQ(dialog->LCIDSelectedLanguage(), 1049);
}

TEST_F(HardwareTest, ResetThenCancelKeepsDefaultsAndFlagsButNotTheOtherEntries)
{
    Profile("Default", "DoDownloadAll", "1");
    Profile("Default", "UserFirmwareVersion", "2816");
    Device->SetSystemFlags(false, false, false, true, true, true);
    const auto dialog = Open();
    dialog->ButtonDefault->click();
    dialog->BtnCancel->click();
    bool flags[6] = {};
    Device->GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    EXPECT_TRUE(flags[0]);
    EXPECT_TRUE(flags[3] && flags[4] && flags[5]);
    EXPECT_EQ(ProfileValue("Default", "UserFirmwareVersion"), "2816");
    EXPECT_EQ(ProfileValue("Compiler", "UserFirmwareVersion"), "2613");
    EXPECT_FALSE(ProfileValue("Download", "MaxRepeat"));
}

TEST_F(HardwareTest, NegativeDefaultLanguageStopsTheResetAfterTheFirmware)
{
    Profile("Default", "LCIDDeviceLanguage", "-1");
    const auto dialog = Open();
    dialog->ButtonDefault->click();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    ExpectReport(Ui.boxes()[0], "Can't read: Profile.Read(\"Default\", \"LCIDDeviceLanguage\", ...)",
                 "ButtonDefaultClick");
    EXPECT_EQ(ProfileValue("Default", "UserFirmwareVersion"), "70000");
    EXPECT_FALSE(ProfileValue("Default", "MaxRepeat"));
}

class LanguageTest : public HardwareTest {};

TEST_F(LanguageTest, SameCodePageLoadsOnlyTheDeviceText)
{
    const auto dialog = Open();
    dialog->CbxDeviceLanguageNameEnter();
    dialog->CbxDeviceLanguageName->setCurrentIndex(1);
    dialog->CbxDeviceLanguageNameChange();
    EXPECT_EQ(dialog->LCIDSelectedLanguage(), 1033);
    dialog->BtnOk->click();
    EXPECT_EQ(Device->DeviceTextStream.Bytes(), "device text b_en.dlg");
    EXPECT_EQ(Dm->DeviceTextFileName, Dm->DeviceLanguageDir + "b_en.dlg");
    EXPECT_EQ(Dm->DeviceTextLcid, 1033);
    EXPECT_EQ(Device->CharSetStream.Bytes(), CharacterSet(1252));
    EXPECT_EQ(Count(options::WM_USER_UPDATEPREVIEWCHARDATA), 0);
}

TEST_F(LanguageTest, OtherCodePageLoadsTheCharacterSetAndTellsThePreview)
{
    DataFile("CharacterSet", "Cs01251.ezs", CharacterSet(1251));
    const auto dialog = Open();
    dialog->CbxDeviceLanguageNameEnter();
    dialog->CbxDeviceLanguageName->setCurrentIndex(2);
    dialog->CbxDeviceLanguageNameChange();
    dialog->BtnOk->click();
    EXPECT_EQ(Device->CharSetStream.Bytes(), CharacterSet(1251));
    EXPECT_EQ(Dm->CharSetFileName, Dm->CharacterSetDir + "Cs01251.ezs");
    EXPECT_EQ(Device->DeviceTextStream.Bytes(), "device text a_ru.dlg");
    EXPECT_EQ(Count(options::WM_USER_UPDATEPREVIEWCHARDATA), 1);
}

TEST_F(LanguageTest, MissingCharacterSetTakesTheChoiceBack)
{
    const auto dialog = Open();
    dialog->CbxDeviceLanguageNameEnter();
    dialog->CbxDeviceLanguageName->setCurrentIndex(2);
    dialog->CbxDeviceLanguageNameChange();
    ASSERT_EQ(Ui.boxes().size(), 2u);
    EXPECT_EQ(Ui.boxes()[0].text, "Can't find: " + Dm->CharacterSetDir + "Cs01251.ezs");
    EXPECT_EQ(Ui.boxes()[0].caption, "Fehler");
    EXPECT_EQ(Ui.boxes()[1].text, "Die gew\xFCnschte Ger\xE4tesprache (Russisch) kann aufgrund \n"
                                  "eines internen Fehlers nicht eingestellt werden!");
    EXPECT_EQ(dialog->CbxDeviceLanguageName->currentText(), "Deutsch");
    EXPECT_EQ(dialog->LCIDSelectedLanguage(), 1031);
}

TEST_F(LanguageTest, LanguageInUseLoadsAndPostsNothing)
{
    Device->DeviceTextStream = platform::TMemoryStream(std::string("in use"));
    const auto dialog = Open();
    dialog->BtnOk->click();
    EXPECT_EQ(Device->DeviceTextStream.Bytes(), "in use");
    EXPECT_EQ(Dm->DeviceTextFileName, Dm->DeviceLanguageDir + "c_de.dlg");
    EXPECT_EQ(Count(options::WM_USER_UPDATEPREVIEWCHARDATA), 0);
}

TEST_F(LanguageTest, TwoFilesOfOneLcidBothAppearTheMapKeepsOne)
{
    DataFile("DeviceLanguage", "C_DE.dlg", "upper");
    const auto dialog = Open();
    EXPECT_EQ(Entries(dialog->CbxDeviceLanguageName),
              (std::vector<std::string>{"Deutsch", "Deutsch", "Englisch", "Russisch"}));
    EXPECT_EQ(dialog->MapLanguageName().count(1031), 1u);
}

} // namespace
} // namespace optionstest
