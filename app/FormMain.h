#pragma once

#include "app/Timer.h"
#include "device/MainWindowServices.h"
#include "dialogs/project/GlobalParameterMainWindow.h"
#include "outside/printout/ReportRecords.h"
#include "platform/WindowMessages.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QMdiArea;
class TMdiFirstLayout;
class QMenu;
class TDeviceInstanz;
class TDeviceInstanzTalvo;
class TDeviceModelFactory;
class TDevicelinkFactory;
class TEts2Cdi_Extended1;
class TFormVerwBase;
class TGlobalParameterDialogServices;
class TImagebuildFactory;
class TFormVerwFactory;
class TOptionsDialogFactory;
class TPreviewManagerFactory;
class TPrintoutFactory;
class TSorvReport;
class TPreviewManagerServices;
class TTalvoZielsystem;
struct DAL_DEVICE;
struct tagDownloadRs232Options;
struct tagEIB_BASE_PROGRAMMING;
namespace platform {
class TMemoryStream;
}

// Where the main window gets the objects it makes; what is not given takes the program's own:
// placeholder configuration windows, TDeviceInstanzTalvo, no preview, no options dialog, the
// printout library's reports, a host link without a project (offline), imagebuild's compiler and
// devicelink's target systems.
struct TFormMainFactories {
    const TFormVerwFactory* Windows = nullptr;
    const TDeviceModelFactory* DeviceModels = nullptr;
    const TPreviewManagerFactory* Previews = nullptr;
    const TOptionsDialogFactory* Options = nullptr;
    const TImagebuildFactory* Imagebuild = nullptr;
    const TDevicelinkFactory* Devicelink = nullptr;
    const TPrintoutFactory* Reports = nullptr;
    std::function<std::unique_ptr<TEts2Cdi_Extended1>(const std::string& moduleName)> HostLink;
};

// The main window: an MDI frame around the configuration windows that owns everything of the
// editing of devices: the host link object, the device models by host device id, the display
// preview. It stays hidden while no device is edited. Its operations are split into files by
// concern (FormMainSettings.cpp, FormMainEndEdit.cpp, …).
class TFormMain : public QMainWindow, public TMainWindowServices, public TGlobalParameterMainWindow {
    Q_OBJECT

public:
    using TFactories = TFormMainFactories;

    // Takes the module name from the first argument after the program (empty without one),
    // sets FormMain to this window for its lifetime and runs FormCreate.
    TFormMain(QWidget* owner, const std::vector<std::string>& arguments, TFactories factories = {});
    ~TFormMain() override;

    // --- Construction and menus (FormMain.cpp) ---

    void LadeTexte();
    // The platform's application message box; its answer (Windows numbers).
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // Shows the system's text of the last error with the caption; nothing when there is none.
    void DisplayLastError(const std::string& caption);
    // The click of a tool menu entry: opens ToolFile + index with ToolParam + index.
    void ClickMenuTool(int index);
    // Shows the exception that escaped a handler with the added lines and ends the program.
    void ApplicationEventsException(const std::string& sender, const std::exception* failure);
    void ApplicationEventsMinimize();
    void ApplicationEventsRestore();
    void ApplicationEventsActivate();
    void ApplicationEventsDeactivate();
    void FormActivate();

    // --- Configuration windows (FormMainWindows.cpp) ---

    // A new configuration window from the factory, added to the MDI area and shown; the first
    // is made by the program at start-up. Announced to the list like every window.
    TFormVerwBase* NewFormVerw();
    void TreeCollapseAll();
    void TreeExpandAll();
    void TreeCollapse();
    void TreeExpand();
    void StartQuickHelp();
    void CreateFormVerw();
    void AbgleichFormVerw(TFormVerwBase* window);
    // Cascades or tiles the configuration windows; vertical: side by side.
    void Cascade();
    void TileVertical();
    void TileHorizontal();
    void ArrangeIcons();
    // The first configuration window and the preview in the first-start layout where nothing
    // usable is stored for them: called when the main window shows and when the preview opens.
    void FitWindowLayout();
    void BuildAllProjectForms();
    // Every configuration window's grid takes the value of its open cell editor and closes it.
    void DeactivateActiveGridCell();
    // The MDI area's windows as their list, in list order.
    const std::vector<TFormVerwBase*>& GetFormVerwList() const { return ListFormVerw; }
    QMdiArea* GetMdiArea() const { return MdiArea; }
    QMenu* GetMenu(const std::string& name) const;
    QAction* GetToolEntry(int index) const;
    // The text of a status-bar panel.
    std::string GetStatusText(int panel) const;

    // --- TMainWindowServices ---

    TEts2Cdi_Extended1* GetEts2Cdi() const override { return Ets2Cdi.get(); }
    std::vector<TConfigWindowServices*> GetListFormVerw() const override;
    void UpdateObjektAnzahl(int count, int maximum) override;
    platform::HWND GetHandle() const override { return Registration.Handle(); }
    void SetStatusText(int panel, const std::string& text) override;
    void ProcessMessages() override;
    void CreateGroupAddressNodes(TSorvGrpAdrBasis* main, TSorvGrpAdrBasis* middle, TSorvGrpAdrBasis* sub) override;
    // Adds the object's node below the parent's in the active configuration window
    // (FormMainNodes.cpp); always true.
    bool MakeNode(TDataBasis* object, TDataBasis* parent, bool makeVisible) override;
    // The group-address selection dialog over the object's links (FormMainProjectTools.cpp).
    std::unique_ptr<TDlgSelGrpAddrServices> CreateDlgSelGrpAddr(int grpAdrLevel, TDataBasis* object,
                                                                TObjektBasis::TGrpAdrIdList& links,
                                                                const TGrpAdrNodes& nodes,
                                                                TEtsGruppenAdressen* groups) override;
    // The check of imported group addresses (FormMainProjectTools.cpp).
    std::unique_ptr<TGaCheckServices> CreateGaCheck(const TGrpAdrNodes& mainNodes, const TGrpAdrNodes& midSubNodes,
                                                    bool threeLevels, TUsedGroupAddrMap& used,
                                                    TNewGroupAddrList& toCreate) override;
    // Imports the file into the current device, group addresses as TFDlgImport asks
    // (FormMainImportExport.cpp); true when data were imported. cancelled tells whether the user
    // cancelled the dialog or the check of the group addresses; nothing was imported then.
    bool DatenImport(const std::string& file) override;
    bool DatenImport(const std::string& file, bool& cancelled);
    // Lets the user pick an initialisation file for the current device and imports it; on
    // success the file is remembered for the device's type. False when nothing was imported.
    bool ImportUserDaten() override;

    // --- Settings (FormMainSettings.cpp) ---

    void GetRegData();
    void SetRegData();
    void GetEtsRegData();

    // --- End of editing (FormMainEndEdit.cpp) ---

    void ApplCloseOrHide(bool close, bool discard, bool rememberWindowState, bool showProgress, bool returnToHost);
    void TimerStartEditTimer();
    void TimeOutStart(int code, int timeOut);
    void TimeOutStop();

    // --- Saving and preview (FormMainSave.cpp) ---

    bool SaveToFile(const std::string& name);
    void OpenPreview(bool rebuild);
    void TimerOpenPreviewTimer();

    // --- Recovery, host version and device id, hiding (FormMainRecovery.cpp) ---

    void RecoveryCheck(bool open, int deviceId);
    // The same for the device of the project whose backup folder is named.
    void RecoveryCheck(bool open, int deviceId, const std::string& projectFolder);
    // The name of the backup folder of the device's project.
    std::string BackupFolderOf(int deviceId);
    void RestoreSaveCopy();
    bool EtsVersionCheck();
    bool SetParamDeviceIdToEts(int deviceId);
    bool GetParamDeviceIdFromEts(int deviceId, int* value);
    bool MarkDeviceChangedInEts();
    void TimerTimeoutCloseStart(int interval);
    void TimerTimeoutCloseTimer();
    void HideMainWindow();
    void ShowMainWindow();

    // --- Host events (FormMainHostEvents.cpp) ---

    // Binds the host link's events to the handlers below.
    void BindHostEvents();
    void OnCdiCreateDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t kind, std::int32_t id);
    void OnCdiDeleteDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id);
    void OnCdiEditParameters(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id);
    void OnWmUserSvStop();
    void OnCdiLinkObjToSubGroup(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id, std::int16_t objectNumber,
                                std::int32_t subGroupId);
    void OnCdiUnlinkObjFromSubGroup(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id,
                                    std::int16_t objectNumber, std::int32_t subGroupId);
    void OnCdiEditObject(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t deviceObjectId);
    void OnCdiExportDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id, std::vector<std::string>& files);
    void OnCdiImportDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id);
    void OnCdiCopyDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t newId, std::int32_t sourceId, bool flag);
    void OnCdiDoReconstruct(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id, std::int32_t number,
                            std::int32_t mode, const std::string& fileName);
    bool OpenSorvVisible(int hostDeviceId);

    // --- Download for the host (FormMainDownload.cpp) ---

    // Programs the device's address, or reads it out and loads its image, or both, as the mode
    // asks; ends the program afterwards unless the host is too old or the group addresses
    // cannot be refreshed.
    void OnCdiDoDownload2(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id, std::uint16_t newAddress,
                          std::uint16_t oldAddress, const tagEIB_BASE_PROGRAMMING& programming, std::int16_t mode);
    // Hands the current device's six download flags to the target; nothing without either.
    void SetSystemFlags(TTalvoZielsystem* target);

    // --- Compile (FormMainCompile.cpp) ---

    // Builds the current device's image into the target with imagebuild; true when it reported
    // success. False without a device, when its associations or its character set cannot be
    // converted, and after an exception (shown).
    bool Compiler(TTalvoZielsystem* target);
    // Puts the first line of the character set (its version line) and a NUL in front of the
    // data; false, the data unchanged, without a device, a stream, or a first line.
    bool RebuildCharacterDataHeader(platform::TMemoryStream* data, platform::TMemoryStream* charSet);

    // --- Serial download (FormMainDownloadRs232.cpp) ---

    // The serial-download library's options dialog over the data module's serial settings;
    // true, the settings taken over, when the user confirmed. False, nothing shown, while the
    // serial download is off; "DLL not found!" when the library or its entry is missing.
    bool DownloadRs232Options();
    // Programs the current device over the serial line, device after device in continue mode,
    // with the library's connection, progress and status dialogs; true when the library was
    // used to the end.
    bool DownloadRs232Start();
    // One transfer of the current device with the options' line and mode; true when the device
    // was programmed. The device's data block is written back and the data module's modified
    // flag cleared on every way out.
    bool DoDownloadRs232(void* progressDialog, tagDownloadRs232Options options);

    // --- Device hand-over and device map (FormMainHandOver.cpp) ---

    bool SetDevice(int id, bool show);
    bool CreateDevice(const DAL_DEVICE* record);
    bool DeleteDevice(const DAL_DEVICE* record);
    // Gives the device its initialisation mode and files from the settings file.
    void SetInitDataToDevice(TDeviceInstanzTalvo* device);
    // The host's record of the device; one that carries only the id when it cannot be read
    // (found false).
    DAL_DEVICE ReadDeviceRecord(int id, bool* found);
    // Makes the model of the record's id current, from the map or newly made and entered;
    // false for a null entry or a failed entry.
    bool FindOrCreateDevice(const DAL_DEVICE& record);

    // --- Import and copy of a device for the host (FormMainHostImport.cpp) ---

    bool ImportDevice(int id);
    bool CopyDevice(int newId, int sourceId, bool flag);

    // --- The message hub (FormMainDispatch.cpp) ---

    platform::LRESULT Dispatch(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

    // --- Keys and small services (FormMainKeys.cpp); clipboard and reset, go to object, the
    // info grid and the rebuild requests have files of their own (FormMainClipboard.cpp,
    // FormMainReset.cpp, FormMainJumpToObject.cpp, FormMainInfoGrid.cpp, FormMainReconstruct.cpp) ---

    // F1 (virtual key 112) runs the device help; other keys do nothing here.
    void FormKeyDown(std::uint16_t& key, Qt::KeyboardModifiers shift);
    // The command list runs the enabled command of the key; handled tells whether one ran.
    void FormShortCut(const QKeyEvent& key, bool& handled);
    // Brings the open dialog to the foreground: the main window may be hidden while it is open.
    void OpenDialogShow(QWidget* dialog);
    // True when the current device loaded the project's group addresses.
    bool LoadGrpAdr();
    // Nothing is rebuilt from a communication image; always false.
    bool ReadDeviceCommunicationImage(const std::string& file, std::int32_t number);

    // --- Switching-time editors (FormMainSchaltuhr.cpp) ---

    bool NeedDlgRaumtempSchaltuhr();
    bool NeedDlgSchaltuhr();
    void ShowDlgRaumtempSchaltuhr();
    void ShowDlgSchaltuhr();

    // --- Import and export of device data (FormMainImportExport.cpp) ---

    // Asks, lets the user pick a data file of the device's type and imports it.
    void Import();
    // Writes the current device's data block into a file the user names.
    void Export();

    // --- Project tools (FormMainProjectTools.cpp) ---

    void CreateDlgLinkToGrpAddr();
    void CreateDlgGlobalParameter();

    // --- TGlobalParameterMainWindow (FormMainProjectTools.cpp) ---

    platform::HWND GlobalParameterWindow() const override { return GetHandle(); }
    TDeviceInstanz* GlobalParameterDevice() const override;
    std::string GlobalParameterProgramFolder() const override;
    // Needs a current device model and a name; creates missing folders. A folder that cannot
    // be made ("Cannot create save file") or a file not written ("Fehler beim Schreiben der
    // Datei.") is told in a box and answers false.
    bool SaveGlobalParameterToFile(const platform::TMemoryStream& stream, const std::string& fileName) override;
    // --- The printed report (FormMainPrint.cpp) ---

    void SeitenVorschau();
    void Drucken();
    // Asks for the file (the extension pdf is made sure of), then PdfDrucken.
    void DruckeInDatei();
    void PdfDrucken(const std::string& file);
    // The report library chooses the file's format by its extension.
    void VpeDrucken(const std::string& file);
    // Builds and starts the report of the current device in the active configuration window;
    // the report replaces the former one and stays until the next or the end of the window.
    void MakeDrucken(TRecReportInfo info);
    TSorvReport* GetReport() const { return Report.get(); }

    // --- The character table (FormMainCharTab.cpp) ---

    // Brings the open character table to the front, or opens the current device's.
    void OpenCharTab();

    // --- Further commands, each in a file of its concern (FormMainClipboard.cpp, FormMainReset.cpp, …) ---

    void Kopieren();
    void Einfuegen();
    void ResetAktDevInst();
    void JumpToObject();
    void ReconstructDevice();
    bool ReadDeviceImage(bool ask, const std::string& file);
    bool ReconstructDeviceImage(bool ask, const std::string& file, std::int32_t mode);
    bool RecoDataPrintToFile();
    void t1Click();

    // --- Fields, in their order of declaration ---

    std::array<std::uint16_t, 4> MinEtsVersion{};
    bool fCdiLinkToSubGroup = false;
    bool fSkipPreviewUpdate = false;
    std::int32_t TimeOutDefault = 0;
    std::int32_t TimeOutCode = 0;
    std::int32_t TimeoutCloseInterval = 0;
    std::int32_t DeleteDeviceId = -1;
    std::map<std::int32_t, std::unique_ptr<TDeviceInstanzTalvo>> MapDevInst;
    QPointer<QWidget> ZeichentabelleFenster;
    std::uint8_t SavedWindowState = 0; // 0 normal, 1 minimised, 2 maximised
    std::string DatenPfad;
    std::string ModulName;
    std::string ExportExt;
    bool fShowPreview = true;
    bool fAbbruch = false;
    std::unique_ptr<TPreviewManagerServices> PreviewManager;
    TDeviceInstanzTalvo* AktDevInst = nullptr;
    std::vector<TFormVerwBase*> ListFormVerw;
    std::unique_ptr<TEts2Cdi_Extended1> Ets2Cdi;
    // The open global-parameter dialog, or none.
    TGlobalParameterDialogServices* DlgGlobalParameter = nullptr;

    TTimer TimerOpenPreview{1, false};
    TTimer TimerStartEdit{10, false};
    TTimer TimerTimeoutClose{1800000, true};

    // Runs a handler that Qt calls (a command, a timer, a posted message): an exception that
    // leaves it is shown as the fatal display and ends the program.
    void RunGuarded(const char* sender, const std::function<void()>& handler);
    const TFactories& GetFactories() const { return Factories; }

    // The window state as 0 normal, 1 minimised, 2 maximised.
    std::uint8_t WindowStateNumber() const;

signals:
    // The program is to end: the main window has closed itself.
    void Ended();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void BuildMenus();
    void BuildStatusBar();
    void BuildToolMenu();
    void SetUpRebuildMenu();
    // Appends the window to the list (creation order, no duplicates).
    void FormVerwCreated(TFormVerwBase* window);
    void FormVerwDestroyed(TFormVerwBase* window);
    void FormVerwActivated(TFormVerwBase* window);
    // Closes the main window itself: the one way the program ends.
    void CloseProgram();
    // Starts the trace log when the setting LogStart is on.
    void HostEventLogStart();
    // The start of an event on one device: a pending delete is over, an old host is refused (answer
    // 0, false; whether it returns at once is the caller's), else the log starts and the close
    // timer stops.
    bool AcceptHostEvent(std::int32_t& CdiResult);
    // The configuration window made for a hand-over, made the active one and entered in the list.
    TFormVerwBase* NewActiveFormVerw();
    std::unique_ptr<TDeviceInstanzTalvo> MakeDeviceModel(const DAL_DEVICE& record);

    TFactories Factories;
    QMdiArea* MdiArea = nullptr;
    // Owned by the MDI area.
    TMdiFirstLayout* FirstLayout = nullptr;
    // The stored place of the first configuration window was judged once.
    bool fConfigPlaceChecked = false;
    std::array<QLabel*, 4> StatusPanels{};
    std::map<std::string, QMenu*> Menus;
    QAction* t1 = nullptr;
    std::vector<QAction*> ToolEntries;
    int FormVerwCount = 0;
    bool fClosing = false;
    // The remembered window state is applied when the shown window is first activated.
    bool fApplySavedState = false;
    // The key press a configuration window let rise to the MDI area (and its time), while it
    // rises further.
    std::pair<const QEvent*, std::uint64_t> KeyOfWindows{nullptr, 0};
    platform::TWindowRegistration Registration;
    // The last report; its preview may still be open.
    std::unique_ptr<TSorvReport> Report;
};

// The one main window, set while it lives.
extern TFormMain* FormMain;

// The host device id of the model's device data object; 0 without model or object.
int HostDeviceIdOf(const TDeviceInstanz* device);

// The application's title: a plain text of the program (shown by the host's task list in the
// original), set when a device is handed over; the windows' titles do not depend on it.
void SetApplicationTitle(const std::string& title);
std::string ApplicationTitle();
