#include "dialogs/options/DlgOptionen.h"

#include "app/DataModule.h"
#include "app/InitSettingKey.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "climalib/ReglerFunktion.h"
#include "device/DeviceInstanz.h"
#include "device/SharedTextConstants.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "dialogs/options/OptionSettings.h"
#include "dialogs/options/OptionWidgets.h"
#include "dialogs/options/OptionsMessages.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/scenefunc/SzenenFunktion.h"
#include "platform/Cp1252.h"
#include "platform/SystemColors.h"
#include "platform/UiService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>
#include <filesystem>

using platform::ToQString;

namespace {

inline constexpr int ColorRows = 4;

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// 0x00BBGGRR of a chosen colour.
TColor ToTColor(const QColor& color)
{
    return static_cast<TColor>((static_cast<unsigned>(color.blue()) << 16) | (static_cast<unsigned>(color.green()) << 8)
                               | static_cast<unsigned>(color.red()));
}

bool FileExists(const std::string& path)
{
    std::error_code unknown;
    return !path.empty() && std::filesystem::is_regular_file(path, unknown);
}

} // namespace

TDlgOptionen::TDlgOptionen(QWidget* owner, TEts2Cdi* link, TDeviceInstanz* device)
    : QDialog(owner), fLink(link), fDevice(device)
{
    if (fDevice != nullptr) {
        try {
            fDeviceEtsInfo = fDevice->GetDeviceEtsInfo();
        } catch (const std::exception&) {
            // Already reported by the device model; the dialog works without the type number.
        }
    }
    fTypeNumberText = fDevice != nullptr ? fDeviceEtsInfo.TypeNumberText : std::string();
    fKeySuffix = InitSetting::Word(fTypeNumberText);
    if (DM != nullptr) {
        const std::string dataFolder = FolderOf(DM->LongExeName) + DIR_PRODUCT + "/";
        fFirmwareFolder = dataFolder + DIR_FIRMWARE + "/";
        fDeviceLanguageFolder = dataFolder + DIR_DEVICE_LANGUAGE + "/";
    }
    BuildForm();
    ConnectHandlers();
    FormCreate();
}

TDlgOptionen::~TDlgOptionen() = default;

platform::HWND TDlgOptionen::MainWindow()
{
    return DM != nullptr ? DM->MainWindowHandle : 0;
}

// --- The form ---

void TDlgOptionen::BuildForm()
{
    setObjectName(QStringLiteral("DlgOptionen"));
    PageControl = new QTabWidget(this);
    TabSheetGrid = BuildPageGrid();
    TabSheetOption = BuildPageOption();
    TabSheetCompDown = BuildPageHardware();
    PageControl->addTab(TabSheetGrid, QString());
    PageControl->addTab(TabSheetOption, QString());
    PageControl->addTab(TabSheetCompDown, QString());

    BtnOk = new QPushButton(this);
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(this);
    BtnHelp = new QPushButton(this);
    BtnHelp->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addWidget(BtnHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addLayout(buttons);
}

QWidget* TDlgOptionen::BuildPageGrid()
{
    auto* page = new QWidget;
    GBCols = new QGroupBox(page);
    CBGridAutoSize = new QCheckBox(GBCols);
    LabelGridColDefSize = new QLabel(GBCols);
    EditGridColDefSize = new QLineEdit(GBCols);
    EditGridColDefSize->setMaximumWidth(60);
    auto* cols = new QGridLayout(GBCols);
    cols->addWidget(CBGridAutoSize, 0, 0, 1, 2);
    cols->addWidget(LabelGridColDefSize, 1, 0);
    cols->addWidget(EditGridColDefSize, 1, 1);
    cols->setColumnStretch(2, 1);

    GBColor = new QGroupBox(page);
    auto* colors = new QGridLayout(GBColor);
    TColorPanel** panels[ColorRows] = {&PnlColorGridCommon, &PnlColorGridCell, &PnlColorGridTitle,
                                       &PnlColorGridCellReadOnly};
    TClickLabel** labels[ColorRows] = {&LabelColorGridCommon, &LabelColorGridCell, &LabelColorGridTitle,
                                       &LabelColorGridCellReadOnly};
    for (int row = 0; row < ColorRows; ++row) {
        *panels[row] = new TColorPanel(GBColor);
        *labels[row] = new TClickLabel(GBColor);
        colors->addWidget(*panels[row], row, 0);
        colors->addWidget(*labels[row], row, 1);
    }
    CBGridLine = new QCheckBox(GBColor);
    ButtonColorPreview = new QPushButton(GBColor);
    colors->addWidget(CBGridLine, ColorRows, 0, 1, 2);
    colors->addWidget(ButtonColorPreview, ColorRows + 1, 0, 1, 2, Qt::AlignLeft);
    colors->setColumnStretch(1, 1);

    GroupBoxCell = new QGroupBox(page);
    CheckBoxAutoCell = new QCheckBox(GroupBoxCell);
    LabelAutoCellRow = new QLabel(GroupBoxCell);
    EditAutoCellRow = new QLineEdit(GroupBoxCell);
    EditAutoCellRow->setMaximumWidth(60);
    auto* cell = new QGridLayout(GroupBoxCell);
    cell->addWidget(CheckBoxAutoCell, 0, 0, 1, 2);
    cell->addWidget(LabelAutoCellRow, 1, 0);
    cell->addWidget(EditAutoCellRow, 1, 1);
    cell->setColumnStretch(2, 1);

    GBGlobalParameter = new QGroupBox(page);
    CBShowGlobalParameterTag = new QCheckBox(GBGlobalParameter);
    (new QVBoxLayout(GBGlobalParameter))->addWidget(CBShowGlobalParameterTag);

    auto* layout = new QGridLayout(page);
    layout->addWidget(GBCols, 0, 0);
    layout->addWidget(GroupBoxCell, 1, 0);
    layout->addWidget(GBGlobalParameter, 2, 0);
    layout->addWidget(GBColor, 0, 1, 3, 1);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget* TDlgOptionen::BuildPageOption()
{
    auto* page = new QWidget;
    CBAutoSave = new QCheckBox(page);
    UpDownAutoSave = new QSpinBox(page);
    UpDownAutoSave->setRange(AutoSaveMinutesMin, AutoSaveMinutesMax);
    LabelMinuten = new QLabel(page);
    LabelDBCheck = new QLabel(page);
    ButtonDBCheck = new QPushButton(page);

    GBInit = new QGroupBox(page);
    RBInitNone = new QRadioButton(GBInit);
    RBInitAsk = new QRadioButton(GBInit);
    RBInitFile = new QRadioButton(GBInit);
    RBInitNone->setChecked(true);
    EditInitFile = new QLineEdit(GBInit);
    BtnInitFile = new QPushButton(GBInit);
    BtnInitFile->setFixedWidth(32);
    auto* init = new QGridLayout(GBInit);
    init->addWidget(RBInitNone, 0, 0, 1, 2);
    init->addWidget(RBInitAsk, 1, 0, 1, 2);
    init->addWidget(RBInitFile, 2, 0, 1, 2);
    init->addWidget(EditInitFile, 3, 0);
    init->addWidget(BtnInitFile, 3, 1);

    CBAskOverwrite = new QCheckBox(page);
    CBNoSystemFiles = new QCheckBox(page);
    CBShowDlgAbfrName = new QCheckBox(page);
    for (QCheckBox* hidden : {CBAskOverwrite, CBNoSystemFiles, CBShowDlgAbfrName})
        hidden->setVisible(false);

    auto* layout = new QGridLayout(page);
    layout->addWidget(CBAutoSave, 0, 0);
    layout->addWidget(UpDownAutoSave, 0, 1);
    layout->addWidget(LabelMinuten, 0, 2);
    layout->addWidget(LabelDBCheck, 1, 0);
    layout->addWidget(ButtonDBCheck, 1, 1, 1, 2);
    layout->addWidget(GBInit, 2, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget* TDlgOptionen::BuildPageHardware()
{
    auto* page = new QWidget;
    GroupBoxFirmware = new QGroupBox(page);
    LabelIdUserFirm = new QLabel(GroupBoxFirmware);
    CbxIdUserFirm = new QComboBox(GroupBoxFirmware);
    CbxIdUserFirm->setMinimumWidth(160);
    LabelFileUserFirm = new QLabel(GroupBoxFirmware);
    PanelFileUserFirm = new QLabel(GroupBoxFirmware);
    PanelFileUserFirm->setFrameShape(QFrame::StyledPanel);
    PanelFileUserFirm->setFrameShadow(QFrame::Sunken);
    PanelFileUserFirm->setMinimumWidth(160);
    auto* firmware = new QGridLayout(GroupBoxFirmware);
    firmware->addWidget(LabelIdUserFirm, 0, 0);
    firmware->addWidget(CbxIdUserFirm, 0, 1);
    firmware->addWidget(LabelFileUserFirm, 1, 0);
    firmware->addWidget(PanelFileUserFirm, 1, 1);
    firmware->setColumnStretch(1, 1);

    GroupBoxDeviceLanguage = new QGroupBox(page);
    CbxDeviceLanguageName = new QComboBox(GroupBoxDeviceLanguage);
    CbxDeviceLanguageName->installEventFilter(this);
    (new QVBoxLayout(GroupBoxDeviceLanguage))->addWidget(CbxDeviceLanguageName);

    GroupBoxDownload = new QGroupBox(page);
    LabelRepeat = new QLabel(GroupBoxDownload);
    EditRepeat = new QLineEdit(QStringLiteral("EditRepeat"), GroupBoxDownload);
    EditRepeat->setMaximumWidth(80);
    CheckBoxShowFwUpgradeMessage = new QCheckBox(GroupBoxDownload);
    CheckBoxAllTransfer = new QCheckBox(GroupBoxDownload);
    CheckBoxKeepUserParameter = new QCheckBox(GroupBoxDownload);
    CheckBoxKeepScenesParameter = new QCheckBox(GroupBoxDownload);
    auto* download = new QGridLayout(GroupBoxDownload);
    download->addWidget(LabelRepeat, 0, 0);
    download->addWidget(EditRepeat, 0, 1, Qt::AlignLeft);
    download->addWidget(CheckBoxShowFwUpgradeMessage, 1, 0, 1, 2);
    download->addWidget(CheckBoxAllTransfer, 2, 0, 1, 2);
    download->addWidget(CheckBoxKeepUserParameter, 3, 0, 1, 2);
    download->addWidget(CheckBoxKeepScenesParameter, 4, 0, 1, 2);
    download->setColumnStretch(1, 1);

    ButtonDefault = new QPushButton(page);
    auto* layout = new QGridLayout(page);
    layout->addWidget(GroupBoxFirmware, 0, 0);
    layout->addWidget(GroupBoxDeviceLanguage, 1, 0);
    layout->addWidget(GroupBoxDownload, 0, 1, 2, 1);
    layout->addWidget(ButtonDefault, 2, 1, Qt::AlignRight);
    layout->setRowStretch(3, 1);
    return page;
}

void TDlgOptionen::ConnectHandlers()
{
    connect(BtnOk, &QPushButton::clicked, this, [this] {
        BtnOkClick();
        done(platform::IDOK);
    });
    connect(BtnCancel, &QPushButton::clicked, this, &TDlgOptionen::reject);
    TColorPanel* panels[ColorRows] = {PnlColorGridCommon, PnlColorGridCell, PnlColorGridTitle,
                                      PnlColorGridCellReadOnly};
    TClickLabel* labels[ColorRows] = {LabelColorGridCommon, LabelColorGridCell, LabelColorGridTitle,
                                      LabelColorGridCellReadOnly};
    for (int row = 0; row < ColorRows; ++row) {
        connect(panels[row], &TColorPanel::doubleClicked, this, [this, row] { PnlColorDblClick(row); });
        connect(labels[row], &TClickLabel::clicked, this, [this, row] { PnlColorDblClick(row); });
    }
    connect(ButtonColorPreview, &QPushButton::clicked, this, &TDlgOptionen::ButtonColorPreviewClick);
    connect(CBGridLine, &QCheckBox::toggled, this, &TDlgOptionen::CBGridLineClick);
    connect(CBGridAutoSize, &QCheckBox::toggled, this, &TDlgOptionen::CBGridAutoSizeClick);
    connect(CheckBoxAutoCell, &QCheckBox::toggled, this, &TDlgOptionen::CheckBoxAutoCellClick);
    connect(CBShowGlobalParameterTag, &QCheckBox::toggled, this, &TDlgOptionen::CBShowGlobalParameterTagClick);
    connect(CBAutoSave, &QCheckBox::toggled, this, &TDlgOptionen::CBAutoSaveClick);
    connect(UpDownAutoSave, &QSpinBox::valueChanged, this, [this](int minutes) { fAutoSaveMinuten = minutes; });
    connect(RBInitNone, &QRadioButton::toggled, this, [this](bool on) { RBInitClick(imKeine, on); });
    connect(RBInitAsk, &QRadioButton::toggled, this, [this](bool on) { RBInitClick(imBenutzerFragen, on); });
    connect(RBInitFile, &QRadioButton::toggled, this, [this](bool on) { RBInitClick(imDatei, on); });
    connect(EditInitFile, &QLineEdit::textChanged, this, &TDlgOptionen::EditInitFileChange);
    connect(BtnInitFile, &QPushButton::clicked, this, &TDlgOptionen::BtnInitFileClick);
    connect(ButtonDBCheck, &QPushButton::clicked, this, &TDlgOptionen::ButtonDBCheckClick);
    connect(CbxIdUserFirm, &QComboBox::activated, this, &TDlgOptionen::CbxIdUserFirmChange);
    connect(CbxDeviceLanguageName, &QComboBox::activated, this, &TDlgOptionen::CbxDeviceLanguageNameChange);
    connect(ButtonDefault, &QPushButton::clicked, this, &TDlgOptionen::ButtonDefaultClick);
    for (QLineEdit* edit : {EditGridColDefSize, EditAutoCellRow, EditRepeat})
        edit->installEventFilter(this);
}

bool TDlgOptionen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == EditGridColDefSize)
            EditGridColDefSizeEnter();
        else if (watched == CbxDeviceLanguageName)
            CbxDeviceLanguageNameEnter();
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == EditGridColDefSize)
            EditGridColDefSizeExit();
        else if (watched == EditAutoCellRow)
            EditAutoCellRowExit();
        else if (watched == EditRepeat)
            EditRepeatExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TDlgOptionen::FormCreate()
{
    if (DM == nullptr)
        return;
    GetRegData();
    GetEtsRegData();
    GetSystemFlags();
    LadeTexte();

    ShowColors();
    CBGridLine->setChecked(DM->GridLineWidth > 0);
    CBGridLineClick();
    fKeptColors[0] = DM->GridColorCommon;
    fKeptColors[1] = DM->GridColorCell;
    fKeptColors[2] = DM->GridColorTitle;
    fKeptColors[3] = DM->GridColorCellReadOnly;
    fKeptGridLines = DM->GridLineWidth;
    fKeptGridAutoSize = DM->fGridAutoSize;
    fKeptColDefSize = DM->GridColDefWidth;

    GBGlobalParameter->setVisible(false);
    CBShowGlobalParameterTag->setVisible(false);
    if (DM->fEnableGlobalParameter) {
        GBGlobalParameter->setVisible(true);
        CBShowGlobalParameterTag->setVisible(true);
        CBShowGlobalParameterTag->setChecked(DM->fShowGlobalParameterTag);
        CBShowGlobalParameterTagClick();
    }

    if (fInitModus == imKeine)
        RBInitNone->setChecked(true);
    else if (fInitModus == imBenutzerFragen)
        RBInitAsk->setChecked(true);
    else if (fInitModus == imDatei)
        RBInitFile->setChecked(true);
    if (fInitModus == imKeine || fInitModus == imBenutzerFragen || fInitModus == imDatei) {
        EditInitFile->setEnabled(fInitModus == imDatei);
        BtnInitFile->setEnabled(fInitModus == imDatei);
    }

    if (fDevice != nullptr) {
        TDataBasis* own = fDevice->GetDevice();
        TDataBasis* regler = fDevice->GetPointerFromDatenTyp(own, static_cast<std::int16_t>(DT_REGLER_FUNKTION));
        TDataBasis* szenen = fDevice->GetPointerFromDatenTyp(own, static_cast<std::int16_t>(DT_SZENEN_FUNKTION));
        CheckBoxKeepUserParameter->setEnabled(dynamic_cast<TReglerFunktion*>(regler) != nullptr);
        CheckBoxKeepScenesParameter->setEnabled(dynamic_cast<TSzenenFunktion*>(szenen) != nullptr);
    }
}

void TDlgOptionen::LadeTexte()
{
    setWindowTitle(ToQString(Spredit::Text9074));
    BtnOk->setText(ToQString(Spredit::Text9011));
    BtnCancel->setText(ToQString(Spredit::Text9008));
    BtnHelp->setText(ToQString(Spredit::Text9012));
    PageControl->setTabText(PageControl->indexOf(TabSheetGrid), ToQString(Spredit::Text9088));
    PageControl->setTabText(PageControl->indexOf(TabSheetOption), ToQString(Spredit::Text9089));
    PageControl->setTabText(PageControl->indexOf(TabSheetCompDown), ToQString(Sprsysfunc::Text11065));

    GBCols->setTitle(ToQString(Spredit::Text9086));
    CBGridAutoSize->setText(ToQString(Spredit::Text9085));
    LabelGridColDefSize->setText(ToQString(Spredit::Text9084));
    GBColor->setTitle(ToQString(Spredit::Text9078));
    LabelColorGridCommon->setText(ToQString(Spredit::Text9081));
    LabelColorGridCell->setText(ToQString(Spredit::Text9079));
    LabelColorGridTitle->setText(ToQString(Spredit::Text9082));
    LabelColorGridCellReadOnly->setText(ToQString(Spredit::Text9080));
    CBGridLine->setText(ToQString(Spredit::Text9087));
    ButtonColorPreview->setText(ToQString(Spredit::Text9083));
    GroupBoxCell->setTitle(ToQString(Spredit::Text9003));
    CheckBoxAutoCell->setText(ToQString(Spredit::Text9004));
    LabelAutoCellRow->setText(ToQString(Spredit::Text9005));
    GBGlobalParameter->setTitle(ToQString(Spredit::Text9290));
    CBShowGlobalParameterTag->setText(ToQString(Spredit::Text9291));

    CBAutoSave->setText(ToQString(Spredit::Text9076));
    LabelMinuten->setText(ToQString(Spredit::Text9073));
    LabelDBCheck->setText(ToQString(Spredit::Text9075));
    ButtonDBCheck->setText(ToQString(Spredit::Text9239));
    GBInit->setTitle(ToQString(Sprsysfunc::Text11061));
    RBInitNone->setText(ToQString(Sprsysfunc::Text11062));
    RBInitAsk->setText(ToQString(Sprsysfunc::Text11063));
    RBInitFile->setText(ToQString(Sprsysfunc::Text11064));
    BtnInitFile->setText(QStringLiteral("..."));

    GroupBoxFirmware->setTitle(ToQString(Sprsysfunc::Text11043));
    LabelIdUserFirm->setText(ToQString(Sprsysfunc::Text11067));
    LabelFileUserFirm->setText(ToQString(Sprsysfunc::Text11066));
    GroupBoxDeviceLanguage->setTitle(ToQString(Sprsysfunc::Text11047));
    GroupBoxDownload->setTitle(ToQString(Sprsysfunc::Text11068));
    LabelRepeat->setText(ToQString(Sprsysfunc::Text11070));
    CheckBoxShowFwUpgradeMessage->setText(ToQString(Sprsysfunc::Text11080));
    CheckBoxAllTransfer->setText(ToQString(Sprsysfunc::Text11069));
    CheckBoxKeepUserParameter->setText(ToQString(Sprsysfunc::Text11081));
    CheckBoxKeepScenesParameter->setText(ToQString(Sprsysfunc::Text11114));
    ButtonDefault->setText(ToQString(Spredit::Text9036));
}

// --- Settings file ---

void TDlgOptionen::GetRegData()
{
    const TOptionSettings values = ReadOptionSettings(DM->IniFileName, fTypeNumberText);
    fStored = {values, ReadGridLook(DM->IniFileName)};
    CBAskOverwrite->setChecked(values.AskOverwrite);
    CBNoSystemFiles->setChecked(values.NoSysFile);
    CBAutoSave->setChecked(values.AutoSave);
    CBShowDlgAbfrName->setChecked(values.ShowDlgAbfrName);

    DM->fGridAutoSize = values.GridAutoSize;
    CBGridAutoSize->setChecked(values.GridAutoSize);
    DM->GridColDefWidth = values.GridColDefSize;
    EditGridColDefSize->setText(QString::number(values.GridColDefSize));
    CBGridAutoSizeClick();

    DM->fTableAutoCellActivate = values.TableAutoCellActivate;
    CheckBoxAutoCell->setChecked(values.TableAutoCellActivate);
    CheckBoxAutoCellClick();
    DM->TableAutoCellActivateRow = values.TabelAutoCellActivateRowNumber;
    EditAutoCellRow->setText(QString::number(values.TabelAutoCellActivateRowNumber + 1));

    fInitModus = values.Modus;
    fInitFile = values.InitFileCreate;
    EditInitFile->setText(ToQString(values.InitFileCreate));
    fInitFileUser = values.InitFileCreateUser;

    fAutoSave = values.AutoSave;
    CBAutoSave->setChecked(values.AutoSave);
    UpDownAutoSave->setValue(values.AutoSaveMinuten);
    fAutoSaveMinuten = UpDownAutoSave->value();

    fShowGlobalParameterTag = values.ShowGlobalParameterTag;
    CBShowGlobalParameterTag->setChecked(values.ShowGlobalParameterTag);
    PageControl->setCurrentIndex(PageFromStored(values.DlgOptRegKarte));
}

void TDlgOptionen::SetRegData()
{
    TOptionSettings values;
    values.AskOverwrite = CBAskOverwrite->isChecked();
    values.NoSysFile = CBNoSystemFiles->isChecked();
    values.ShowDlgAbfrName = CBShowDlgAbfrName->isChecked();
    values.GridAutoSize = DM->fGridAutoSize;
    values.GridColDefSize = DM->GridColDefWidth;
    DM->fTableAutoCellActivate = CheckBoxAutoCell->isChecked();
    values.TableAutoCellActivate = DM->fTableAutoCellActivate;
    DM->TableAutoCellActivateRow = AutoCellRowFromText(platform::FromQString(EditAutoCellRow->text())) - 1;
    values.TabelAutoCellActivateRowNumber = DM->TableAutoCellActivateRow;
    const TGridLook look{DM->GridColorCommon, DM->GridColorTitle, DM->GridColorCell, DM->GridColorCellReadOnly,
                         DM->GridLineWidth};

    const TInitDecision init = DecideInitFile(fInitModus, FileExists(fInitFile));
    if (init.FileMissing)
        platform::MessageBox(Sprsysfunc::Text11059 + Spredit::Text9137 + "\n" + fInitFile + "\n" + Spredit::Text9032,
                             Spredit::Text9099, platform::MB_ICONEXCLAMATION | platform::MB_OK);
    values.Modus = init.Mode;
    values.InitFileCreate = fInitFile;

    values.AutoSave = fAutoSave;
    values.AutoSaveMinuten = fAutoSaveMinuten;
    values.ShowGlobalParameterTag = fShowGlobalParameterTag;
    const int page = PageControl->currentIndex();
    values.DlgOptRegKarte = page == PageOptionen || page == PageHardware ? page : PageTabelle;
    WriteOptionSettings(DM->IniFileName, fTypeNumberText, values, look, init.WriteFile, fStored);
}

// --- Device flags ---

void TDlgOptionen::GetSystemFlags()
{
    auto* talvo = dynamic_cast<TDeviceInstanzTalvo*>(fDevice);
    if (talvo == nullptr)
        return;
    bool flags[6] = {};
    talvo->GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    fShownFlags = {flags[0], flags[1], flags[2]};
    const TFlagBoxes boxes = BoxesFromFlags(fShownFlags);
    CheckBoxAllTransfer->setChecked(boxes.AllTransfer);
    CheckBoxKeepUserParameter->setChecked(boxes.KeepUserParameter);
    CheckBoxKeepScenesParameter->setChecked(boxes.KeepScenesParameter);
}

void TDlgOptionen::SetSystemFlags()
{
    auto* talvo = dynamic_cast<TDeviceInstanzTalvo*>(fDevice);
    if (talvo == nullptr)
        return;
    bool flags[6] = {};
    talvo->GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    const TShownFlags shown = FlagsFromBoxes({CheckBoxAllTransfer->isChecked(), CheckBoxKeepUserParameter->isChecked(),
                                              CheckBoxKeepScenesParameter->isChecked()});
    if (shown == TShownFlags{flags[0], flags[1], flags[2]})
        return;
    talvo->SetSystemFlags(shown.DownloadAll, shown.UserDeviceParam, shown.Szenenfunktion, flags[3], flags[4], flags[5]);
}

// --- OK and Cancel ---

void TDlgOptionen::BtnOkClick()
{
    if (DM == nullptr)
        return;
    // An empty box (no entry matched the stored language) changes nothing.
    const std::string language = platform::FromQString(CbxDeviceLanguageName->currentText());
    fDeviceTextChanged = ChangeDeviceText(language);
    ChangeCharacterSet(language);

    DM->GridLineWidth = CBGridLine->isChecked() ? 1 : 0;
    platform::SendMessage(MainWindow(), options::WM_USER_LOADCOLOR, 0, 0);
    platform::SendMessage(MainWindow(), options::WM_USER_LOADSIZE, 0, 0);
    raise();

    SetRegData();
    SetEtsRegData();
    SetSystemFlags();

    DM->fAutoSave = fAutoSave;
    DM->AutoSaveMinutes = fAutoSaveMinuten;
    DM->StartTimerAutoSave(fAutoSave);
    if (DM->fShowGlobalParameterTag != fShowGlobalParameterTag)
        platform::PostMessage(MainWindow(), WM_USER_UPDATEALLVIEWS, static_cast<platform::WPARAM>(-1),
                              static_cast<platform::LPARAM>(-1));
    DM->fShowGlobalParameterTag = fShowGlobalParameterTag;
}

void TDlgOptionen::BtnCancelClick()
{
    if (DM == nullptr)
        return;
    DM->GridColorCommon = fKeptColors[0];
    DM->GridColorCell = fKeptColors[1];
    DM->GridColorTitle = fKeptColors[2];
    DM->GridColorCellReadOnly = fKeptColors[3];
    DM->GridLineWidth = fKeptGridLines;
    DM->fGridAutoSize = fKeptGridAutoSize;
    DM->GridColDefWidth = fKeptColDefSize;
    platform::SendMessage(MainWindow(), options::WM_USER_LOADCOLOR, 0, 0);
}

void TDlgOptionen::reject()
{
    BtnCancelClick();
    done(platform::IDCANCEL);
}

// --- Page "Tabelle" ---

TColor* TDlgOptionen::GridColor(int row) const
{
    TColor* colors[ColorRows] = {&DM->GridColorCommon, &DM->GridColorCell, &DM->GridColorTitle,
                                 &DM->GridColorCellReadOnly};
    return colors[row];
}

TColorPanel* TDlgOptionen::ColorPanel(int row) const
{
    TColorPanel* panels[ColorRows] = {PnlColorGridCommon, PnlColorGridCell, PnlColorGridTitle,
                                      PnlColorGridCellReadOnly};
    return panels[row];
}

void TDlgOptionen::ShowColors()
{
    for (int row = 0; row < ColorRows; ++row)
        ColorPanel(row)->SetColor(platform::ToQColor(*GridColor(row), palette()));
}

void TDlgOptionen::PnlColorDblClick(int row)
{
    if (DM == nullptr || row < 0 || row >= ColorRows)
        return;
    QColor color = platform::ToQColor(*GridColor(row), palette());
    // Light yellow (0x00E1FFFF) and the tooltip background as the custom colours.
    const std::vector<QColor> custom{QColor(0xFF, 0xFF, 0xE1), platform::ToQColor(clInfoBk, palette())};
    if (!platform::Ui().ChooseColor(color, custom))
        return;
    *GridColor(row) = ToTColor(color);
    ColorPanel(row)->SetColor(color);
}

void TDlgOptionen::ButtonColorPreviewClick()
{
    platform::SendMessage(MainWindow(), options::WM_USER_LOADCOLOR, 0, 0);
    raise();
    activateWindow();
}

void TDlgOptionen::CBGridLineClick()
{
    if (DM != nullptr)
        DM->GridLineWidth = CBGridLine->isChecked() ? 1 : 0;
}

void TDlgOptionen::CBGridAutoSizeClick()
{
    if (DM != nullptr)
        DM->fGridAutoSize = CBGridAutoSize->isChecked();
    EditGridColDefSize->setEnabled(!CBGridAutoSize->isChecked());
    LabelGridColDefSize->setEnabled(!CBGridAutoSize->isChecked());
}

void TDlgOptionen::EditGridColDefSizeEnter()
{
    if (DM != nullptr)
        fColDefSizeOnEnter = DM->GridColDefWidth;
}

void TDlgOptionen::EditGridColDefSizeExit()
{
    if (DM == nullptr)
        return;
    DM->GridColDefWidth =
        ColumnWidthFromText(platform::FromQString(EditGridColDefSize->text())).value_or(fColDefSizeOnEnter);
}

void TDlgOptionen::CheckBoxAutoCellClick()
{
    EditAutoCellRow->setEnabled(CheckBoxAutoCell->isChecked());
    LabelAutoCellRow->setEnabled(CheckBoxAutoCell->isChecked());
}

void TDlgOptionen::EditAutoCellRowExit()
{
    EditAutoCellRow->setText(QString::number(AutoCellRowFromText(platform::FromQString(EditAutoCellRow->text()))));
}

void TDlgOptionen::CBShowGlobalParameterTagClick()
{
    fShowGlobalParameterTag = CBShowGlobalParameterTag->isChecked();
}

// --- Page "Optionen" ---

void TDlgOptionen::CBAutoSaveClick()
{
    fAutoSave = CBAutoSave->isChecked();
}

void TDlgOptionen::RBInitClick(std::int32_t mode, bool checked)
{
    if (!checked)
        return;
    fInitModus = mode;
    EditInitFile->setEnabled(mode == imDatei);
    BtnInitFile->setEnabled(mode == imDatei);
}

void TDlgOptionen::EditInitFileChange()
{
    fInitFile = platform::FromQString(EditInitFile->text());
}

void TDlgOptionen::BtnInitFileClick()
{
    auto* talvo = dynamic_cast<TDeviceInstanzTalvo*>(fDevice);
    if (fDevice == nullptr)
        return;
    const std::string name = talvo != nullptr ? talvo->GetDeviceName() : std::string();
    platform::TFileDialogInfo info;
    info.Filter = name + " (*." + fKeySuffix + ")|*." + fKeySuffix + "|" + Sprsysfunc::Text11071;
    info.DefaultExt = fKeySuffix;
    info.FileName = fInitFileUser;
    info.Title = fTypeNumberText + ":" + Sprsysfunc::Text11072;
    if (!platform::Ui().OpenFileDialog(info))
        return;
    fInitFile = info.FileName;
    EditInitFile->setText(ToQString(info.FileName));
}

void TDlgOptionen::ButtonDBCheckClick()
{
    platform::SendMessage(MainWindow(), options::WM_USER_ETSOBJEKTCHECK, 0, 0);
}

// --- Page "Hardware" ---

void TDlgOptionen::EditRepeatExit()
{
    const std::optional<std::int32_t> number = WholeNumber(platform::FromQString(EditRepeat->text()));
    EditRepeat->setText(QString::number(number.value_or(fMaxRepeat)));
}
