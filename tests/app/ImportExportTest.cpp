#include "app/FDlgImport.h"
#include "app/InitSettingKey.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "host/HostDeviceRows.h"
#include "host/ProjectDatabase.h"
#include "outside/datacore/EibHandle.h"
#include "outside/sysfunc/SysfuncFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "tests/app/FrameFixture.h"
#include "tests/hostevents/HostEventFixture.h"
#include "tests/support/DeviceProject.h"

#include <regex>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <list>

namespace {

namespace fs = std::filesystem;
using frametest::RecordingFormVerw;
using testing::IsEmpty;
using CallKind = testsupport::ScriptedUi::CallKind;

constexpr char BlockBytes[] = "a data block\r\n";

// A device model whose import keeps what it was given and answers as the test says.
class ImportingDevice final : public TDeviceInstanzTalvo {
public:
    using TDeviceInstanzTalvo::TDeviceInstanzTalvo;

    struct Call {
        std::string Data;
        bool WithGroupAddresses;
    };
    bool SorvImport(platform::TMemoryStream* data, bool withGroupAddresses) override
    {
        Imports.push_back({data->Bytes(), withGroupAddresses});
        AutoSaveWhileImporting = DM->GetTimerAutoSave().Enabled();
        ImportCancelled = CancelCheck;
        return Answer;
    }

    std::vector<Call> Imports;
    bool Answer = true;
    bool CancelCheck = false;
    bool AutoSaveWhileImporting = true;
};

void WriteFile(const std::string& path, const std::string& bytes)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void SetTypeNumber(const std::string& projectPath, int typeNumber)
{
    host::TProjectDatabase project(projectPath);
    project.Sql().Execute("UPDATE device_parameter SET value = " + std::to_string(typeNumber) +
                          " WHERE device_id = 1 AND parameter_id IN (SELECT id FROM parameter WHERE name = 'Typnummer')");
}

// The commands on the demo project's device 1 (type 18), whose model imports as the test says.
class ImportExport : public frametest::FrameFixture {
protected:
    void SetUp() override
    {
        Start();
        File = Folder + "templates/flur.bu18";
        WriteFile(File, BlockBytes);
    }

    ImportingDevice& Device()
    {
        if (Importing != nullptr)
            return *Importing;
        DAL_DEVICE record;
        record.DeviceId = 1;
        auto made = std::make_unique<ImportingDevice>(Main.get(), &record, FormVerw);
        made->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
        Importing = made.get();
        Main->MapDevInst[1] = std::move(made);
        Main->AktDevInst = Importing;
        auto system = TSysfuncFactory::Default().CreateTalvoSystem(Main->GetHandle(), 0, 0, Importing->GetDeviceName(), 1,
                                                                   -1, 0, false);
        TDataBasis* raw = system.get();
        EXPECT_TRUE(Importing->SetPointer2List(system.release()));
        raw->Write(*Importing->GetDatenSatz(raw));
        Importing->SetDevice(raw);
        return *Importing;
    }

    // The import dialog answers Cancel, or OK after the choice with group addresses is taken
    // when asked; it counts how often it was shown.
    void Choose(std::optional<bool> withGroupAddresses)
    {
        Ui.OnModal([this, withGroupAddresses](QDialog& dialog) {
            auto* choice = dynamic_cast<TFDlgImport*>(&dialog);
            if (choice == nullptr)
                return 2;
            ++Shown;
            if (!withGroupAddresses)
                return 2;
            if (*withGroupAddresses)
                QTest::mouseClick(choice->RBWithGroupAddress, Qt::LeftButton);
            return 1;
        });
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : Ui.boxes())
            texts.push_back(box.text);
        return texts;
    }

    RecordingFormVerw& First() { return *Windows.Made.at(0); }

    std::string File;
    ImportingDevice* Importing = nullptr;
    int Shown = 0;
};

TEST_F(ImportExport, DecliningTheQuestionOfTheCommandDoesNothing)
{
    ImportingDevice& device = Device();
    Ui.Answer({platform::IDNO});
    Dm->AImport->trigger();
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Beim Import werden alle aktuellen Daten verworfen.\nFortfahren?");
    EXPECT_EQ(Ui.boxes()[0].caption, "Import");
    EXPECT_EQ(Ui.boxes()[0].style, platform::MB_YESNO | platform::MB_ICONINFORMATION);
    EXPECT_THAT(Ui.fileDialogs(), IsEmpty());
    EXPECT_THAT(device.Imports, IsEmpty());
}

TEST_F(ImportExport, TheImportOffersTheDeviceFilesOfItsType)
{
    ImportingDevice& device = Device();
    Ui.Answer({platform::IDYES});
    Ui.AnswerFile(std::nullopt);
    Main->Import();
    ASSERT_EQ(Ui.fileDialogs().size(), 1u);
    const platform::TFileDialogInfo& dialog = Ui.fileDialogs()[0];
    const std::string name = device.GetDeviceName();
    EXPECT_EQ(dialog.Title, "Import");
    EXPECT_EQ(dialog.Filter, name + " (*.bu18)|*.bu18|" + name + " (*.bd18)|*.bd18|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(dialog.InitialDir, Main->DatenPfad);
    EXPECT_EQ(dialog.DefaultExt, "bu18");
    EXPECT_EQ(dialog.FileName, "");
    EXPECT_EQ(dialog.Options, platform::ofPathMustExist | platform::ofFileMustExist | platform::ofEnableSizing);
    // Cancelled: nothing more.
    EXPECT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Shown, 0);
    EXPECT_THAT(device.Imports, IsEmpty());
}

class ImportChoice : public ImportExport, public testing::WithParamInterface<bool> {};

TEST_P(ImportChoice, PassesTheFileAndTheChoiceAndSaysItIsDone)
{
    ImportingDevice& device = Device();
    Ui.Answer({platform::IDYES});
    Ui.AnswerFile(File);
    Choose(GetParam());
    Main->Import();
    EXPECT_EQ(Shown, 1);
    ASSERT_EQ(device.Imports.size(), 1u);
    EXPECT_EQ(device.Imports[0].Data, BlockBytes);
    EXPECT_EQ(device.Imports[0].WithGroupAddresses, GetParam());
    ASSERT_EQ(Ui.boxes().size(), 2u);
    EXPECT_EQ(Ui.boxes()[1].text, "Import beendet");
    EXPECT_EQ(Ui.boxes()[1].caption, "Import");
    EXPECT_EQ(Ui.boxes()[1].style, platform::MB_OK);
}

INSTANTIATE_TEST_SUITE_P(PresetAndWithGroupAddresses, ImportChoice, testing::Values(false, true));

TEST_F(ImportExport, AFailedImportIsReported)
{
    ImportingDevice& device = Device();
    device.Answer = false;
    Ui.Answer({platform::IDYES});
    Ui.AnswerFile(File);
    Choose(false);
    Main->Import();
    ASSERT_EQ(Ui.boxes().size(), 2u);
    EXPECT_EQ(Ui.boxes()[1].text, Spredit::Text9150);
    EXPECT_EQ(Ui.boxes()[1].caption, "Import");
    EXPECT_EQ(Ui.boxes()[1].style, platform::MB_ICONWARNING);
}

TEST_F(ImportExport, AFileThatCannotBeReadIsAFailedImport)
{
    ImportingDevice& device = Device();
    bool cancelled = true;
    Choose(false);
    EXPECT_FALSE(Main->DatenImport(Folder + "missing.bu18", cancelled));
    EXPECT_FALSE(cancelled);
    EXPECT_THAT(device.Imports, IsEmpty());
}

TEST_F(ImportExport, CancelInTheImportDialogImportsNothingAndSaysNothing)
{
    ImportingDevice& device = Device();
    Ui.Answer({platform::IDYES});
    Ui.AnswerFile(File);
    Choose(std::nullopt);
    Main->Import();
    EXPECT_EQ(Shown, 1);
    EXPECT_THAT(device.Imports, IsEmpty());
    EXPECT_EQ(Ui.boxes().size(), 1u);

    bool cancelled = false;
    EXPECT_FALSE(Main->DatenImport(File, cancelled));
    EXPECT_TRUE(cancelled);

    Ui.AnswerFile(File);
    EXPECT_FALSE(Main->ImportUserDaten());
    EXPECT_THAT(device.Imports, IsEmpty());
    EXPECT_EQ(Ui.boxes().size(), 1u);
    EXPECT_FALSE(ReadSetting(SECTION_INITIALISIERUNG, "InitFileCreateUser_bu18"));
}

TEST_F(ImportExport, CancelInTheCheckOfTheGroupAddressesSaysNothing)
{
    ImportingDevice& device = Device();
    device.Answer = false;
    device.CancelCheck = true;
    Ui.Answer({platform::IDYES});
    Ui.AnswerFile(File);
    Choose(true);
    Main->Import();
    EXPECT_EQ(device.Imports.size(), 1u);
    EXPECT_EQ(Ui.boxes().size(), 1u);
}

TEST_F(ImportExport, TheImportPausesTheAutoSaveAndTheTrees)
{
    ImportingDevice& device = Device();
    Dm->fAutoSave = true;
    Dm->StartTimerAutoSave(true);
    Choose(false);
    EXPECT_TRUE(Main->DatenImport(File));
    EXPECT_FALSE(device.AutoSaveWhileImporting);
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
    EXPECT_EQ(First().Calls["TreeBeginUpdate"], 1);
    EXPECT_EQ(First().Calls["TreeEndUpdate"], 1);
    EXPECT_EQ(First().Calls["SortNone"], 1);
    EXPECT_EQ(First().Calls["SortByData"], 1);
    EXPECT_EQ(First().Calls["DeleteZellenKomponente"], 2);
    EXPECT_EQ(First().Calls["AktualisiereAnsicht(1,0)"], 1);

    // Cancelled, the auto-save runs again too.
    Choose(std::nullopt);
    EXPECT_FALSE(Main->DatenImport(File));
    EXPECT_TRUE(Dm->GetTimerAutoSave().Enabled());
}

class WithoutDevice : public ImportExport, public testing::WithParamInterface<int> {};

TEST_P(WithoutDevice, EachCommandSaysTheDeviceIsNotFound)
{
    Main->AktDevInst = nullptr;
    Ui.Answer({platform::IDYES});
    switch (GetParam()) {
    case 0: Main->Import(); break;
    case 1: Main->Export(); break;
    default: EXPECT_FALSE(Main->ImportUserDaten()); break;
    }
    ASSERT_FALSE(Ui.boxes().empty());
    EXPECT_EQ(Ui.boxes().back().text, "Device not found!!!");
    EXPECT_EQ(Ui.boxes().back().caption, "Fehler");
    EXPECT_EQ(Ui.boxes().back().style, platform::MB_ICONWARNING);
    EXPECT_THAT(Ui.fileDialogs(), IsEmpty());
    bool cancelled = true;
    EXPECT_FALSE(Main->DatenImport(File, cancelled));
    EXPECT_FALSE(cancelled);
}

INSTANTIATE_TEST_SUITE_P(ImportExportAndUserFile, WithoutDevice, testing::Values(0, 1, 2));

TEST_F(ImportExport, TheUserFileIsOfferedAndRememberedForTheType)
{
    ImportingDevice& device = Device();
    device.SetInitFileCreateUser(Folder + "last.bu18");
    Ui.AnswerFile(File);
    Choose(false);
    EXPECT_TRUE(Main->ImportUserDaten());
    ASSERT_EQ(Ui.fileDialogs().size(), 1u);
    const platform::TFileDialogInfo& dialog = Ui.fileDialogs()[0];
    EXPECT_EQ(dialog.Title, Sprsysfunc::Text11072);
    EXPECT_EQ(dialog.Filter, device.GetDeviceName() + " (*.bu18)|*.bu18|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(dialog.FileName, Folder + "last.bu18");
    EXPECT_EQ(dialog.InitialDir, Main->DatenPfad);
    EXPECT_EQ(dialog.DefaultExt, "bu18");
    EXPECT_EQ(device.GetInitFileCreateUser(), File);
    EXPECT_EQ(ReadSetting(SECTION_INITIALISIERUNG, "InitFileCreateUser_bu18"), File);
    EXPECT_THAT(Ui.boxes(), IsEmpty());
}

TEST_F(ImportExport, AFailedImportOfTheUserFileIsNotRemembered)
{
    ImportingDevice& device = Device();
    device.Answer = false;
    Ui.AnswerFile(File);
    Choose(false);
    EXPECT_FALSE(Main->ImportUserDaten());
    EXPECT_FALSE(ReadSetting(SECTION_INITIALISIERUNG, "InitFileCreateUser_bu18"));
    EXPECT_NE(device.GetInitFileCreateUser(), File);
}

// A three-digit type number: everything is offered, written and read under "bu" + all of it.
class ThreeDigitType : public ImportExport {
protected:
    void SetUp() override
    {
        ImportExport::SetUp();
        SetTypeNumber(ProjectPath, 123);
    }
};

TEST_F(ThreeDigitType, FilesAreOfferedAndTheUserFileWrittenUnderTheWholeNumber)
{
    ImportingDevice& device = Device();
    ASSERT_EQ(device.GetDeviceEtsInfo().TypeNumberText, "123");
    const std::string name = device.GetDeviceName();
    Ui.Answer({platform::IDYES});
    Ui.AnswerFile(std::nullopt);
    Main->Import();
    Ui.AnswerFile(std::nullopt);
    Main->Export();
    Ui.AnswerFile(File);
    Choose(false);
    ASSERT_TRUE(Main->ImportUserDaten());
    ASSERT_EQ(Ui.fileDialogs().size(), 3u);
    EXPECT_EQ(Ui.fileDialogs()[0].Filter,
              name + " (*.bu123)|*.bu123|" + name + " (*.bd123)|*.bd123|Alle Dateien (*.*)|*.*");
    for (const platform::TFileDialogInfo& dialog : Ui.fileDialogs())
        EXPECT_EQ(dialog.DefaultExt, "bu123");
    EXPECT_EQ(Ui.fileDialogs()[1].Filter, name + " (*.bu123)|*.bu123|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(Ui.fileDialogs()[2].Filter, name + " (*.bu123)|*.bu123|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(ReadSetting(SECTION_INITIALISIERUNG, "InitFileCreateUser_bu123"), File);
    EXPECT_FALSE(ReadSetting(SECTION_INITIALISIERUNG, "InitFileCreateUser_bu23"));
}

TEST_F(ThreeDigitType, TheUserFileIsReadUnderTheWholeNumberAndElseUnderTheLastTwoDigits)
{
    ImportingDevice& device = Device();
    Setting(SECTION_INITIALISIERUNG, "InitFileCreateUser_bu23", "/former.bu23");
    Main->SetInitDataToDevice(&device);
    EXPECT_EQ(device.GetInitFileCreateUser(), "/former.bu23");

    Ui.AnswerFile(File);
    Choose(false);
    ASSERT_TRUE(Main->ImportUserDaten());
    device.SetInitFileCreateUser("");
    Main->SetInitDataToDevice(&device);
    EXPECT_EQ(device.GetInitFileCreateUser(), File);
    // Offered the next time.
    Ui.AnswerFile(std::nullopt);
    EXPECT_FALSE(Main->ImportUserDaten());
    EXPECT_EQ(Ui.fileDialogs().back().FileName, File);
}

TEST_F(ImportExport, TheExportOffersTheDeviceFilesOfItsTypeAndACancelWritesNothing)
{
    TDeviceInstanzTalvo* device = AddDevice();
    ASSERT_NE(device, nullptr);
    Ui.AnswerFile(std::nullopt);
    Dm->AExport->trigger();
    ASSERT_EQ(Ui.fileDialogs().size(), 1u);
    const platform::TFileDialogInfo& dialog = Ui.fileDialogs()[0];
    EXPECT_EQ(dialog.Title, "Export");
    EXPECT_EQ(dialog.Filter, device->GetDeviceName() + " (*.bu18)|*.bu18|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(dialog.InitialDir, Main->DatenPfad);
    EXPECT_EQ(dialog.DefaultExt, "bu18");
    EXPECT_EQ(dialog.FileName, "");
    EXPECT_EQ(dialog.Options, platform::ofOverwritePrompt | platform::ofNoReadOnlyReturn | platform::ofEnableSizing);
    EXPECT_THAT(Ui.boxes(), IsEmpty());
    EXPECT_EQ(Ui.ScreenCursor(), platform::crDefault);
}

TEST_F(ImportExport, TheExportIntoANewFolderMakesItAndWritesTheBackupCopysContent)
{
    TDeviceInstanzTalvo* device = AddDevice();
    ASSERT_NE(device, nullptr);
    const std::string file = Folder + "exports/new/flur.bu18";
    Ui.AnswerFile(file);
    Main->Export();
    ASSERT_TRUE(fs::exists(file));
    ASSERT_TRUE(Main->SaveToFile(Folder + "copy.bup"));
    EXPECT_EQ(platform::ReadWholeFile(file), platform::ReadWholeFile(Folder + "copy.bup"));
    EXPECT_EQ(device->DataSrc, TDeviceInstanz::dsDatabase);
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Export beendet");
    EXPECT_EQ(Ui.boxes()[0].caption, "Export");
    EXPECT_EQ(Ui.boxes()[0].style, platform::MB_OK);
}

TEST_F(ImportExport, AFolderThatCannotBeMadeWritesNothing)
{
    ASSERT_NE(AddDevice(), nullptr);
    WriteFile(Folder + "plain", "a file, not a folder");
    const std::string file = Folder + "plain/flur.bu18";
    Ui.AnswerFile(file);
    Main->Export();
    EXPECT_FALSE(fs::exists(file));
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, "Can not create file :\n" + file);
    EXPECT_EQ(Ui.boxes()[0].caption, "Export");
    EXPECT_EQ(Ui.boxes()[0].style, platform::MB_ICONWARNING);
}

TEST_F(ImportExport, TheImportDialogAsItOpens)
{
    TFDlgImport dialog(Main.get());
    EXPECT_EQ(dialog.size(), QSize(452, 258));
    EXPECT_EQ(dialog.windowTitle(), "Vorlage importieren");
    EXPECT_EQ(dialog.RBWithoutGroupAddress->text(), "&Import ohne ETS-Gruppenadressen");
    EXPECT_EQ(dialog.RBWithGroupAddress->text(), "Import &mit ETS-Gruppenadressen");
    EXPECT_TRUE(dialog.RBWithoutGroupAddress->isChecked());
    EXPECT_TRUE(dialog.RBWithoutGroupAddress->font().bold());
    EXPECT_TRUE(dialog.RBWithGroupAddress->font().bold());
    EXPECT_FALSE(dialog.WithGroupAddresses());
    EXPECT_FALSE(dialog.ButtonHelp->isEnabled());
    EXPECT_EQ(dialog.ButtonOk->text(), "&Ok");
    EXPECT_EQ(dialog.ButtonCancel->text(), "Abbre&chen");
    EXPECT_TRUE(dialog.ButtonOk->isDefault());
    dialog.show();
    EXPECT_FALSE(dialog.ButtonHelp->isVisible());
    const QString folder = QStringLiteral(IMPORTEXPORT_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("/import_dialog.png")));
    QTest::mouseClick(dialog.RBWithGroupAddress, Qt::LeftButton);
    EXPECT_TRUE(dialog.WithGroupAddresses());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), 2);
}

// The real device model of the demo project's device 1.
class DeviceDataRoundTrip : public hosttest::HostEventFixture {};

TEST_F(DeviceDataRoundTrip, AnExportImportedIntoTheSameDeviceGivesTheSameBlock)
{
    Start();
    ASSERT_TRUE(Main->SetDevice(1, false));
    Ui.OnModal([](QDialog&) { return 1; });
    // The stored block was written under another device id: the first import makes it this
    // device's; from then on an export imported again gives the same block.
    std::vector<std::string> files;
    for (const char* name : {"first", "second", "third"}) {
        files.push_back(Folder + "Vantu/export/" + name + ".bu18");
        Ui.AnswerFile(files.back());
        Main->Export();
        Ui.Answer({platform::IDYES});
        Ui.AnswerFile(files.back());
        Main->Import();
    }
    std::vector<std::string> texts;
    for (const auto& box : Ui.boxes())
        texts.push_back(box.text);
    EXPECT_THAT(texts, testing::Each(testing::AnyOf("Export beendet", Spredit::Text9151, "Import beendet")));
    EXPECT_EQ(texts.size(), 9u);
    // Each import stores the block, so each export carries the next write stamp; nothing else
    // differs.
    const std::regex stamp("WriteStamp=[0-9]+\r\n");
    const std::string second = platform::ReadWholeFile(files[1]);
    EXPECT_NE(second.find("DeviceId=1\r\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(second, stamp));
    EXPECT_EQ(std::regex_replace(platform::ReadWholeFile(files[2]), stamp, ""), std::regex_replace(second, stamp, ""));
}

TEST_F(DeviceDataRoundTrip, ANewDeviceWhoseImportIsCancelledGetsItsDefaults)
{
    const std::string file = Folder + "user.bu18";
    WriteFile(file, BlockBytes);
    Start();
    platform::WritePrivateProfileString(SECTION_INITIALISIERUNG, "Modus_bu18", "1", Dm->IniFileName);
    // A new device takes its character set and device texts from the program's files.
    WriteFile(Dm->GetCharSetFileName(), testsupport::DeviceProject::CharSet());
    WriteFile(Dm->GetDeviceTextFileName(), testsupport::DeviceProject::DeviceText());
    std::int32_t id = 0;
    {
        host::TProjectDatabase project(ProjectPath);
        id = *host::AddDevice(project.Sql(), 1, false);
    }
    Ui.AnswerFile(file);
    int shown = 0;
    Ui.OnModal([&shown](QDialog& dialog) {
        if (dynamic_cast<TFDlgImport*>(&dialog) != nullptr)
            ++shown;
        return 2;
    });
    hosttest::Answers answers;
    Main->OnCdiCreateDevice(answers.ReturnNow, answers.Result, 0, id);
    EXPECT_EQ(answers.Result, 1);
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(Ui.boxes().size(), 1u);
    EXPECT_EQ(Ui.boxes()[0].text, Spredit::Text9152);
    EXPECT_EQ(Ui.boxes()[0].caption, Spredit::Text9047);
    // The block written for the new device holds the default display.
    EXPECT_NE(Block(id).find(",6551,"), std::string::npos);
}

} // namespace
