#pragma once

#include "app/Color.h"
#include "device/RecDeviceEtsInfo.h"
#include "dialogs/options/HostIniSections.h"
#include "dialogs/options/OptionRules.h"
#include "dialogs/options/OptionSettings.h"
#include "platform/WindowMessages.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class TClickLabel;
class TColorPanel;
class TDeviceInstanz;
class TEts2Cdi;

// The options dialog: grid look, automatic saving and the initialisation template of the
// program's settings file on the pages "Tabelle" and "Optionen"; firmware, device language and
// download settings of the host's profile and the device's flags on the page "Hardware".
// Colours and grid lines act on the data module at once ("Vorschau" shows them); Cancel, the
// close box and Esc take them back; OK applies and stores everything. Shown modally through the
// UI service, it ends with done(1) on OK and done(2) otherwise. Texts are Windows-1252 bytes.
//
// The hardware page's operations live in DlgOptionenHardware.cpp, the language and character
// set in DlgOptionenLanguage.cpp.
class TDlgOptionen final : public QDialog {
    Q_OBJECT

public:
    // Loads every control (FormCreate); nothing is loaded without a data module.
    TDlgOptionen(QWidget* owner, TEts2Cdi* link, TDeviceInstanz* device);
    ~TDlgOptionen() override;

    const std::string& KeySuffix() const { return fKeySuffix; }

    // --- Settings file and device flags ---
    void GetRegData();
    void SetRegData();
    void LadeTexte();
    void GetSystemFlags();
    void SetSystemFlags();

    // --- Buttons and control handlers ---
    void BtnOkClick();
    void BtnCancelClick();
    void PnlColorDblClick(int row);
    void ButtonColorPreviewClick();
    void CBGridLineClick();
    void CBGridAutoSizeClick();
    void EditGridColDefSizeEnter();
    void EditGridColDefSizeExit();
    void CheckBoxAutoCellClick();
    void EditAutoCellRowExit();
    void CBShowGlobalParameterTagClick();
    void CBAutoSaveClick();
    void RBInitClick(std::int32_t mode, bool checked);
    void EditInitFileChange();
    void BtnInitFileClick();
    void ButtonDBCheckClick();
    void EditRepeatExit();

    // --- Host profile and host ini (DlgOptionenHardware.cpp) ---
    void GetEtsRegData();
    void SetEtsRegData();
    void ButtonDefaultClick();
    bool ReadFirmwareFileDataFromProfile(TIntTextMap& map) const;
    bool ReadDeviceTextFileDataFromProfile(TIntTextMap& map) const;
    bool ReadCharSetFileDataFromProfile(TIntTextMap& map) const;
    bool ReadCharSetToLanguageData(TIntIntMap& map) const;

    // --- Firmware, device language and character set (DlgOptionenLanguage.cpp) ---
    bool FillCbxWithIdUserFirm(QComboBox* combo, const std::string& mask, const std::string& selectedFile);
    bool FillCbxWithLanguages(QComboBox* combo, const std::string& mask, const std::string& selectedFile,
                              TIntTextMap& languageNames);
    bool SelectFirmwareIdFromId(QComboBox* combo, std::int32_t id);
    bool SelectLanguageFromLCID(QComboBox* combo, std::int32_t lcid);
    void SetIdUserFirm(std::int32_t id) { fIdUserFirm = id; }
    void SetFileUserFirm(const std::string& file);
    void SetLCIDSelectedLanguage(std::int32_t lcid) { fLCIDSelectedLanguage = lcid; }
    void SetFileDeviceText(const std::string& file) { fFileDeviceText = file; }
    void CbxIdUserFirmChange();
    void ShowFirmwareEntry();
    void CbxDeviceLanguageNameEnter();
    void CbxDeviceLanguageNameChange();
    bool ChangeLanguageSetting(const std::string& name);
    bool CheckLanguageChangesCharacterSet(const std::string& name, std::string& path);
    bool CheckLanguageChangesDeviceText(const std::string& name, std::string& path);
    bool ChangeDeviceText(const std::string& name);
    bool ChangeCharacterSet(const std::string& name);

    // The state the hardware page keeps.
    std::int32_t IdUserFirm() const { return fIdUserFirm; }
    const std::string& FileUserFirm() const { return fFileUserFirm; }
    std::int32_t LCIDSelectedLanguage() const { return fLCIDSelectedLanguage; }
    const std::string& FileDeviceText() const { return fFileDeviceText; }
    const TIntTextMap& MapUserFirmware() const { return fMapUserFirmware; }
    const TIntTextMap& MapDeviceText() const { return fMapDeviceText; }
    const TIntTextMap& MapCharacterSet() const { return fMapCharacterSet; }
    const TIntIntMap& MapLocaleIdToCodePageId() const { return fMapLocaleIdToCodePageId; }
    const TIntTextMap& MapLanguageName() const { return fMapLanguageName; }
    std::int32_t InitModus() const { return fInitModus; }
    std::int32_t AutoSaveMinuten() const { return fAutoSaveMinuten; }

    // The form's controls.
    QTabWidget* PageControl = nullptr;
    QWidget* TabSheetGrid = nullptr;
    QWidget* TabSheetOption = nullptr;
    QWidget* TabSheetCompDown = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnHelp = nullptr;

    QGroupBox* GBCols = nullptr;
    QCheckBox* CBGridAutoSize = nullptr;
    QLineEdit* EditGridColDefSize = nullptr;
    QLabel* LabelGridColDefSize = nullptr;
    QGroupBox* GBColor = nullptr;
    TColorPanel* PnlColorGridCommon = nullptr;
    TColorPanel* PnlColorGridCell = nullptr;
    TColorPanel* PnlColorGridTitle = nullptr;
    TColorPanel* PnlColorGridCellReadOnly = nullptr;
    TClickLabel* LabelColorGridCommon = nullptr;
    TClickLabel* LabelColorGridCell = nullptr;
    TClickLabel* LabelColorGridTitle = nullptr;
    TClickLabel* LabelColorGridCellReadOnly = nullptr;
    QCheckBox* CBGridLine = nullptr;
    QPushButton* ButtonColorPreview = nullptr;
    QGroupBox* GroupBoxCell = nullptr;
    QCheckBox* CheckBoxAutoCell = nullptr;
    QLineEdit* EditAutoCellRow = nullptr;
    QLabel* LabelAutoCellRow = nullptr;
    QGroupBox* GBGlobalParameter = nullptr;
    QCheckBox* CBShowGlobalParameterTag = nullptr;

    QCheckBox* CBAutoSave = nullptr;
    QSpinBox* UpDownAutoSave = nullptr;
    QLabel* LabelMinuten = nullptr;
    QLabel* LabelDBCheck = nullptr;
    QPushButton* ButtonDBCheck = nullptr;
    QGroupBox* GBInit = nullptr;
    QRadioButton* RBInitNone = nullptr;
    QRadioButton* RBInitAsk = nullptr;
    QRadioButton* RBInitFile = nullptr;
    QLineEdit* EditInitFile = nullptr;
    QPushButton* BtnInitFile = nullptr;
    QCheckBox* CBAskOverwrite = nullptr;
    QCheckBox* CBNoSystemFiles = nullptr;
    QCheckBox* CBShowDlgAbfrName = nullptr;

    QGroupBox* GroupBoxFirmware = nullptr;
    QLabel* LabelIdUserFirm = nullptr;
    QComboBox* CbxIdUserFirm = nullptr;
    QLabel* LabelFileUserFirm = nullptr;
    QLabel* PanelFileUserFirm = nullptr;
    QGroupBox* GroupBoxDeviceLanguage = nullptr;
    QComboBox* CbxDeviceLanguageName = nullptr;
    QGroupBox* GroupBoxDownload = nullptr;
    QLabel* LabelRepeat = nullptr;
    QLineEdit* EditRepeat = nullptr;
    QCheckBox* CheckBoxShowFwUpgradeMessage = nullptr;
    QCheckBox* CheckBoxAllTransfer = nullptr;
    QCheckBox* CheckBoxKeepUserParameter = nullptr;
    QCheckBox* CheckBoxKeepScenesParameter = nullptr;
    QPushButton* ButtonDefault = nullptr;

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildForm();
    QWidget* BuildPageGrid();
    QWidget* BuildPageOption();
    QWidget* BuildPageHardware();
    void ConnectHandlers();
    void FormCreate();
    void ShowColors();
    TColor* GridColor(int row) const;
    TColorPanel* ColorPanel(int row) const;
    // The main window's handle; 0 without a data module.
    static platform::HWND MainWindow();

    TEts2Cdi* fLink;
    TDeviceInstanz* fDevice;
    tagRecDeviceEtsInfo fDeviceEtsInfo;
    std::string fKeySuffix;
    std::string fTypeNumberText;
    std::string fFirmwareFolder;
    std::string fDeviceLanguageFolder;

    bool fAutoSave = false;
    std::int32_t fAutoSaveMinuten = 0;
    bool fShowGlobalParameterTag = false;
    TColor fKeptColors[4] = {0, 0, 0, 0};
    std::int32_t fKeptGridLines = 0;
    bool fKeptGridAutoSize = true;
    std::int32_t fKeptColDefSize = 0;
    std::int32_t fColDefSizeOnEnter = 0;
    std::int32_t fInitModus = imKeine;
    std::string fInitFile;
    std::string fInitFileUser;
    TStoredOptions fStored;

    // Hardware page.
    std::int32_t fLoadedIdUserFirm = -1;
    std::string fLoadedFileUserFirm;
    std::int32_t fMaxRepeat = -1;
    bool fShowFwUpgradeMessage = false;
    // The Download entries as the profile held them (the controls' first state when never read).
    std::int32_t fStoredMaxRepeat = -1;
    bool fStoredShowFwUpgradeMessage = false;
    // The firmware was picked or reset by the user; only then OK stores it.
    bool fFirmwareChosen = false;
    // OK loaded another device text; its file is then stored under its language.
    bool fDeviceTextChanged = false;
    TShownFlags fShownFlags;
    std::int32_t fIdUserFirm = -1;
    std::string fFileUserFirm;
    std::int32_t fLCIDSelectedLanguage = 0;
    std::string fFileDeviceText;
    std::int32_t fLanguageIndexOnEnter = -1;
    TIntTextMap fMapUserFirmware;
    TIntTextMap fMapDeviceText;
    TIntTextMap fMapCharacterSet;
    TIntIntMap fMapLocaleIdToCodePageId;
    TIntTextMap fMapLanguageName;
};
