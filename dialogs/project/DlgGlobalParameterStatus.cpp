#include "dialogs/project/DlgGlobalParameterStatus.h"

#include "app/FileInfo.h"
#include "app/ProgramPath.h"
#include "app/Rtfprocs.h"
#include "app/Spredit.h"
#include "device/DeviceInstanz.h"
#include "dialogs/project/GlobalParameterMainWindow.h"
#include "dialogs/project/GlobalParameterReport.h"
#include "outside/datacore/DataBasis.h"
#include "platform/Cp1252.h"
#include "platform/FileIo.h"
#include "platform/RichText.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>

namespace {

// The number of version parts the report shows.
constexpr int VersionParts = 2;

std::string LowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The text with CR LF line ends, as the plain-text file holds it.
std::string PlainText(const QTextEdit& edit)
{
    std::string text = platform::FromQString(edit.toPlainText());
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

} // namespace

TDlgGlobalParameterStatus::TDlgGlobalParameterStatus(QWidget* owner, TGlobalParameterMainWindow* mainWindow,
                                                     TDataBasis* object, const std::vector<SDeviceData*>& devices,
                                                     const std::vector<std::string>& table)
    : QDialog(owner), mainWindow_(mainWindow), object_(object), devices_(devices), table_(table)
{
    LOG_FKT_START("TDlgGlobalParameterStatus::TDlgGlobalParameterStatus");
    setObjectName("DlgGlobalParameterStatus");
    resize(724, 434);
    setMinimumSize(340, 200);

    RichEdit = new QTextEdit(this);
    RichEdit->setReadOnly(true);
    RichEdit->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PanelButton = new QWidget(this);
    PanelButton->setFixedHeight(41);
    RichEditDrucken = new QTextEdit(PanelButton);
    RichEditDrucken->setReadOnly(true);
    RichEditDrucken->setLineWrapMode(QTextEdit::NoWrap);
    RichEditDrucken->hide();
    BtnOk = new QPushButton(PanelButton);
    BtnPrint = new QPushButton(PanelButton);
    BtnSaveAs = new QPushButton(PanelButton);
    BtnOk->setFixedSize(90, 25);
    BtnPrint->setFixedSize(90, 25);
    BtnSaveAs->setFixedSize(107, 25);
    BtnPrint->setEnabled(false);
    BtnSaveAs->setEnabled(false);
    auto* buttons = new QHBoxLayout(PanelButton);
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->addStretch();
    buttons->addWidget(BtnSaveAs);
    buttons->addWidget(BtnPrint);
    buttons->addWidget(BtnOk);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RichEdit);
    layout->addWidget(PanelButton);

    connect(BtnOk, &QPushButton::clicked, this, [this] { done(1); });
    connect(BtnSaveAs, &QPushButton::clicked, this, [this] { BtnSaveAsClick(); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });

    // FormCreate
    LadeTexte();
    FillMemoWitchDeviceStatus();
    if (!devices_.empty()) {
        BtnSaveAs->setEnabled(true);
        BtnPrint->setEnabled(true);
    }
}

TDlgGlobalParameterStatus::~TDlgGlobalParameterStatus() = default;

int TDlgGlobalParameterStatus::ShowModal()
{
    platform::Ui().ShowModal(*this);
    return 1;
}

void TDlgGlobalParameterStatus::closeEvent(QCloseEvent* event)
{
    setResult(1);
    QDialog::closeEvent(event);
}

void TDlgGlobalParameterStatus::reject()
{
    done(1);
}

void TDlgGlobalParameterStatus::LadeTexte()
{
    setWindowTitle(platform::ToQString(Spredit::Text9297));
    BtnOk->setText(platform::ToQString(Spredit::Text9011));
    BtnSaveAs->setText(platform::ToQString(Spredit::Text9282));
    BtnPrint->setText(platform::ToQString(Spredit::Text9200));
}

void TDlgGlobalParameterStatus::FillMemoWitchDeviceStatus()
{
    LOG_FKT_START("TDlgGlobalParameterStatus::FillMemoWitchDeviceStatus");
    TDeviceInstanz* device = mainWindow_ ? mainWindow_->GlobalParameterDevice() : nullptr;
    if (devices_.empty() || !object_ || !device)
        return;
    const tagRecDeviceEtsInfo info = device->GetDeviceEtsInfo();
    TGlobalParameterReportHeader header;
    MakeDateTimeStamp(header.TimeStamp);
    header.Project = info.ProjectName;
    header.Device = info.DeviceName;
    header.Description = info.DeviceDescription;
    GetFormatedVersion(TFileInfo(ProgramModulePath().c_str()).GetValue(3), VersionParts, header.Version);
    header.DataVersion = device->GetVersion();
    RichEdit->document()->setDefaultFont(RichEdit->font());
    TGlobalParameterReport(*RichEdit->document()).Fill(header, object_->GetName(false), table_, devices_);
}

void TDlgGlobalParameterStatus::BtnSaveAsClick()
{
    const std::string folder = mainWindow_ ? mainWindow_->GlobalParameterProgramFolder() : std::string();
    OpenSaveAsDialog(folder + "GlobalParameterStatus.rtf");
}

bool TDlgGlobalParameterStatus::OpenSaveAsDialog(const std::string& proposal)
{
    platform::TFileDialogInfo info;
    info.Filter = Spredit::Text9280 + " (*.*)|*.*|" + Spredit::Text9299 + " (*.rtf)|*.rtf|" + Spredit::Text9281 +
                  " (*.txt)|*.txt";
    info.FilterIndex = 2;
    info.DefaultExt = "rtf";
    info.InitialDir = std::filesystem::path(proposal).parent_path().string();
    info.FileName = proposal;
    if (!platform::Ui().SaveFileDialog(info))
        return false;
    std::filesystem::path file(info.FileName);
    const bool plainText = LowerCase(file.extension().string()) == ".txt";
    if (LowerCase(file.extension().string()) != (plainText ? ".txt" : ".rtf"))
        file.replace_extension(".rtf");
    SaveReport(file.string(), plainText);
    return true;
}

bool TDlgGlobalParameterStatus::SaveReport(const std::string& fileName, bool plainText)
{
    try {
        platform::WriteFileAtomically(fileName,
                                      plainText ? PlainText(*RichEdit) : platform::WriteRtf(*RichEdit->document()));
    } catch (const std::exception&) {
        platform::MessageBox(Spredit::Text9130 + "\n" + fileName, Spredit::Text9017, platform::MB_OK);
        return false;
    }
    return true;
}

void TDlgGlobalParameterStatus::BtnPrintClick()
{
    LOG_FKT_START("TDlgGlobalParameterStatus::BtnPrintClick");
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!platform::Ui().PrinterSetup(*printer))
        return;
    RichEditDrucken->clear();
    QTextCursor all(RichEdit->document());
    all.select(QTextCursor::Document);
    RichEdit->setTextCursor(all);
    CopyRTF(*RichEdit, *RichEditDrucken);
    RichEdit->setTextCursor(QTextCursor(RichEdit->document()));
    // One inch on the left, half an inch elsewhere.
    printer->setPageMargins(QMarginsF(1.0, 0.5, 0.5, 0.5), QPageLayout::Inch);
    printer->setDocName(QStringLiteral("Status \"") + platform::ToQString(Spredit::Text9290) + QStringLiteral("\""));
    // The copy is laid out on the printer's area inside the margins (QTextDocument adds margins
    // of its own to a document without page size), its lines wrapping there as on paper.
    const std::unique_ptr<QTextDocument> paper(RichEditDrucken->document()->clone());
    const QPaintDevice* screen = paper->documentLayout()->paintDevice();
    const double dpiX = screen ? screen->logicalDpiX() : 96.0;
    const double dpiY = screen ? screen->logicalDpiY() : 96.0;
    const QRectF area = printer->pageLayout().paintRect(QPageLayout::Inch);
    paper->setDocumentMargin(0);
    paper->setPageSize(QSizeF(area.width() * dpiX, area.height() * dpiY));
    QTextOption wrapped = paper->defaultTextOption();
    wrapped.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    paper->setDefaultTextOption(wrapped);
    paper->print(printer.get());
    printer_ = std::move(printer);
}

int ShowDlgGlobalParameterStatus(QWidget* owner, TGlobalParameterMainWindow* mainWindow, TDataBasis* object,
                                 const std::vector<SDeviceData*>& devices, const std::vector<std::string>& table)
{
    TDlgGlobalParameterStatus dialog(owner, mainWindow, object, devices, table);
    return dialog.ShowModal();
}
