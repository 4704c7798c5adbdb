#include "outside/printout/SorvReport.h"

#include "outside/printout/ReportPainter.h"
#include "platform/Cp1252.h"
#include "platform/UiService.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

namespace {

const QMarginsF Margins(15, 15, 15, 15);

} // namespace

TSorvReport::TSorvReport(const TTreeView* items, TDrawGridSE* grid, platform::HWND mainWindow, TRecReportInfo info,
                         const TImageList* images, const TCharBitmaps* characters, TRecCharTabInfo charTab,
                         QWidget* owner)
    : ReportInfo(std::move(info)), CharTab(std::move(charTab)), MainWindowHandle(mainWindow), Owner(owner)
{
    ReportContent.Items = GatherReportItems(items, grid, images);
    if (characters != nullptr)
        ReportContent.Characters = *characters;
}

TSorvReport::~TSorvReport() = default;

void TSorvReport::SetHeader(const std::string& header)
{
    ReportContent.Header = header;
}

bool TSorvReport::Render(QPagedPaintDevice& device) const
{
    device.setPageMargins(Margins, QPageLayout::Millimeter);
    TReportPainter painter(device, ReportInfo, CharTab);
    return painter.Paint(ReportContent);
}

void TSorvReport::Start()
{
    if (!ReportInfo.OutputFile.empty())
        StartFile();
    else if (ReportInfo.Preview)
        StartPreview();
    else
        StartPrinter();
}

void TSorvReport::StartPreview()
{
    PreviewDialog.reset();
    PreviewPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PreviewPrinter->setDocName(platform::ToQString(ReportInfo.Title));
    PreviewDialog = std::make_unique<QPrintPreviewDialog>(PreviewPrinter.get(), Owner.data());
    PreviewDialog->setWindowTitle(platform::ToQString(ReportInfo.Title));
    QObject::connect(PreviewDialog.get(), &QPrintPreviewDialog::paintRequested,
                     [this](QPrinter* printer) { Render(*printer); });
    platform::Ui().ShowWindow(*PreviewDialog);
}

void TSorvReport::StartPrinter()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(platform::ToQString(ReportInfo.Title));
    if (platform::Ui().PrintDialog(printer))
        Render(printer);
}

void TSorvReport::StartFile()
{
    const QString path = platform::ToQString(ReportInfo.OutputFile);
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0) {
        platform::MessageBox("Dieses Dateiformat kann nicht gedruckt werden:\n" + ReportInfo.OutputFile, "Drucken",
                             platform::MB_ICONERROR);
        return;
    }
    // Written beside the target and put in its place when whole.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter writer(&file);
        writer.setTitle(platform::ToQString(ReportInfo.Title));
        writer.setCreator(QStringLiteral("panelconf"));
        written = Render(writer);
    }
    if (!written || !file.commit())
        platform::MessageBox("Die Datei kann nicht geschrieben werden:\n" + ReportInfo.OutputFile, "Drucken",
                             platform::MB_ICONERROR);
}
