#pragma once

#include "app/ActionList.h"
#include "app/Color.h"
#include "app/Timer.h"
#include "device/DataModuleServices.h"
#include "platform/WindowMessages.h"
#include "views/ImageList.h"

#include <QObject>

#include <cstdint>
#include <string>

class QAction;
class QKeyEvent;

// The data module: the program's shared state outside the device model. It holds the program's
// paths and data folders (made when missing), the option values, the flags that several parts
// share while a device is edited, and the auto-save timer. The main window fills the options
// from the settings files right after the data module is made.
//
// Texts are Windows-1252 bytes; folder texts end with "/".
class TDM : public QObject, public TDataModuleServices {
    Q_OBJECT

public:
    // Sets DM to this object for its lifetime (it is also the device model's current data
    // module then) and runs DataModuleCreate.
    explicit TDM(QObject* owner);
    ~TDM() override;

    // The full path of the running program, in its long form.
    void GetLongExeName(std::string& out) const override;
    std::string GetIniFileName() const override { return IniFileName; }
    std::string GetBlobFileDir() const override { return BlobFileDir; }
    std::string GetCharSetFileName() const override { return CharSetFileName; }
    std::string GetDeviceTextFileName() const override { return DeviceTextFileName; }
    int GetGrpAdrLevel() const override { return GrpAdrLevels; }

    // Interval := AutoSaveMinutes minutes; the timer runs when start and fAutoSave are set.
    void StartTimerAutoSave(bool start) override;
    // The auto-save timer's tick: asks the main window to save the device into its backup file.
    void TimerAutoSaveTimer();

    // The program's file version, as the build fixed it; empty when it has none.
    void GetSwVersion(std::string& out) const override;

    bool HighAccess() const { return fHighAccess; }

    const TTimer& GetTimerAutoSave() const { return TimerAutoSave; }

    // Paths and files.
    std::string LongExeName;
    std::string IniFileName;
    std::string Rs232IniFileName;
    std::string Rs232DllFileName;
    std::string HelpFileName;
    std::string QuickHelpFileName;
    std::string AboutImageDir;
    std::string PreviewImagesDir;
    std::string CharacterSetDir;
    std::string DeviceLanguageDir;
    std::string CompilerFileDir;
    std::string BlobFileDir;
    std::string CharSetFileName;
    std::string DeviceTextFileName;
    std::string EtsIniFileName;
    std::string InfoExModules;

    // Option values.
    TColor GridColorCommon = clBtnFace;
    TColor GridColorTitle = clWhite;
    TColor GridColorCell = clWhite;
    TColor GridColorCellReadOnly = clBtnFace;
    std::int32_t GridLineWidth = 1;
    bool fGridAutoSize = true;
    std::int32_t GridColDefWidth = 0;
    bool fTableAutoCellActivate = true;
    std::int32_t TableAutoCellActivateRow = 0;
    bool fAutoSave = false;
    std::int32_t AutoSaveMinutes = 0;
    std::int32_t VersionDigits = 2;
    bool fEnableGlobalParameter = false;
    bool fShowGlobalParameterTag = false;
    bool fEnableRebuild = false;
    bool fSaveRecoDataInFile = false;
    bool fMenuRebuildDeviceImage = false;
    std::int32_t LogPriority = 0;
    std::int32_t LogMask = 0;
    bool fLogStart = false;
    bool fLogTime = false;
    std::string GrpAdrLevelSection;
    std::string GrpAdrLevelName;
    std::int32_t GrpAdrLevels = 3;

    // Serial download.
    bool fRs232Enabled = false;
    bool fRs232ContinueMode = false;
    bool fRs232AskForConnection = true;
    bool fRs232Sound = false;
    std::uint16_t Rs232ComPort = 0;
    std::uint32_t Rs232Baud = 19200;
    std::int16_t Rs232LineSetting = 3; // third field of the serial line record
    std::int16_t Rs232DownloadMode = 2;
    std::int16_t Rs232Key = 123; // virtual-key code, F12

    // Shared while a device is edited; SwCreatedVersion, SwCreatedDate, fGlobalParamSection,
    // fDatenKonvertiert and DeviceTextLcid are the device model's (TDataModuleServices).
    platform::HWND MainWindowHandle = 0;
    bool fDataModified = false;
    bool fLanguageChanged = false;
    std::int32_t PreviewZOrder = -2; // -1 topmost, -2 not topmost
    bool fBlobExtern = false;
    bool fSaveCompilerFile = false;

    // --- Commands (DataModuleActions.cpp) ---

    // The shortcut test of the command list for a key press; handled is true when an enabled
    // command with that shortcut ran.
    void OnShortCut(const QKeyEvent& key, bool& handled);
    // The full-access mode; with a changed value the check mark follows and the main window
    // rebuilds every configuration window's tree. Nothing without a main window.
    void SetHighAccess(bool value);
    // Makes printing into a file available.
    void EnableDruckeInDatei();

    void APrintExecute();
    void AImportExecute();
    void AExportExecute();
    void ABeendenExecute();
    void AVerwerfenExecute();
    void APrintPreviewExecute();
    void ARestoreSaveCopyExecute();
    void AOptionExecute();
    void ASpracheExecute();
    void A_DeviceHelpExecute();
    void AQuickHelpExecute();
    void AAboutExecute();
    void ACollapseAllExecute();
    void AExpandAllExecute();
    void ACopyExecute();
    void APasteExecute();
    void AExpandExecute();
    void ADefaultExecute();
    void AProjektierungsfensterExecute();
    void AUeberlappendExecute();
    void ANebeneinanderExecute();
    void AUebereinanderExecute();
    void ASymboleExecute();
    void APreviewExecute();
    void ACollapseExecute();
    void AVollzugriffExecute();
    void ALinkObjToGrpAddrExecute();
    void ARaumtempSchaltuhrEditorExecute();
    void ASchaltuhrEditorenExecute();
    void ASchaltuhrEditorExecute();
    void AAutoSaveExecute();
    void AZeichensatzExecute();
    void ASearchCommObjectExecute();
    void APreviewAlwaysOnTopExecute();
    void APreviewShowDisplayOnlyExecute();
    void APreviewSmallExecute();
    void ADownloadRs232StartExecute();
    void ADownloadRs232OptionsExecute();
    void ADownloadRs232OptionsStartExecute();
    void APrintFileExecute();
    void AGlobalParameterExecute();
    void AReconstructDeviceExecute();
    void AReadDeviceImageExecute();
    void AReconstructDeviceImageExecute();
    void ARecoDataPrintToFileExecute();

    TActionList ActionList1{this};
    // The images of the function tree and the child list, by the icon index of a data object.
    TImageList ImageList1;
    QAction* APrint = nullptr;
    QAction* AImport = nullptr;
    QAction* AExport = nullptr;
    QAction* ABeenden = nullptr;
    QAction* AVerwerfen = nullptr;
    QAction* APrintPreview = nullptr;
    QAction* ARestoreSaveCopy = nullptr;
    QAction* AOption = nullptr;
    QAction* ASprache = nullptr;
    QAction* ADeviceHelp = nullptr;
    QAction* AQuickHelp = nullptr;
    QAction* AAbout = nullptr;
    QAction* ACollapseAll = nullptr;
    QAction* AExpandAll = nullptr;
    QAction* ACopy = nullptr;
    QAction* APaste = nullptr;
    QAction* AExpand = nullptr;
    QAction* ADefault = nullptr;
    QAction* AProjektierungsfenster = nullptr;
    QAction* AUeberlappend = nullptr;
    QAction* ANebeneinander = nullptr;
    QAction* AUebereinander = nullptr;
    QAction* ASymbole = nullptr;
    QAction* APreview = nullptr;
    QAction* ACollapse = nullptr;
    QAction* AVollzugriff = nullptr;
    QAction* ALinkObjToGrpAddr = nullptr;
    QAction* ARaumtempSchaltuhrEditor = nullptr;
    QAction* ASchaltuhrEditoren = nullptr;
    QAction* ASchaltuhrEditor = nullptr;
    QAction* AAutoSave = nullptr;
    QAction* AZeichensatz = nullptr;
    QAction* ASearchCommObject = nullptr;
    QAction* APreviewAlwaysOnTop = nullptr;
    QAction* APreviewShowDisplayOnly = nullptr;
    QAction* APreviewSmall = nullptr;
    QAction* ADownloadRs232Start = nullptr;
    QAction* ADownloadRs232Options = nullptr;
    QAction* ADownloadRs232OptionsStart = nullptr;
    QAction* APrintFile = nullptr;
    QAction* AGlobalParameter = nullptr;
    QAction* AReconstructDevice = nullptr;
    QAction* AReadDeviceImage = nullptr;
    QAction* AReconstructDeviceImage = nullptr;
    QAction* ARecoDataPrintToFile = nullptr;

signals:
    // Emitted on every tick of the auto-save timer; the main window saves the current device
    // into its backup file (SaveToFile with "0"). Nobody listens while there is no main window.
    void AutoSaveDue();

private:
    // Makes the 45 commands with their categories, captions, shortcuts and states, and binds
    // their handlers.
    void CreateActions();
    void DataModuleCreate();
    void DataModuleDestroy();
    // Gives the commands their captions from the user texts.
    void LadeTexte();

    bool fHighAccess = false;
    TTimer TimerAutoSave{600000, false};
};

// The one data module, set while it lives.
extern TDM* DM;
