#pragma once

#include "outside/printout/ReportContent.h"
#include "outside/printout/ReportRecords.h"
#include "platform/WindowMessages.h"

#include <QPointer>

#include <memory>
#include <string>

class QPagedPaintDevice;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

// The report of a device: title, header, the function tree with each function's parameters and
// the character table. It copies what it prints when it is made, so the objects it was given may
// go afterwards. Start shows the preview (which stays open, and the report with it, until the
// report is destroyed), prints through the printer dialog, or writes the output file; a file
// must have the extension "pdf" (any case), any other is refused with a message.
class TSorvReport {
public:
    // owner: the preview's owner window; mainWindow: the handle of the main window.
    TSorvReport(const TTreeView* items, TDrawGridSE* grid, platform::HWND mainWindow, TRecReportInfo info,
                const TImageList* images, const TCharBitmaps* characters, TRecCharTabInfo charTab,
                QWidget* owner = nullptr);
    virtual ~TSorvReport();
    TSorvReport(const TSorvReport&) = delete;
    TSorvReport& operator=(const TSorvReport&) = delete;

    virtual void SetHeader(const std::string& header);
    virtual void Start();

    const TRecReportInfo& Info() const { return ReportInfo; }
    const TRecCharTabInfo& CharTabInfo() const { return CharTab; }
    const TReportContent& Content() const { return ReportContent; }
    platform::HWND MainWindow() const { return MainWindowHandle; }
    // The open preview, or none.
    QPrintPreviewDialog* Preview() const { return PreviewDialog.get(); }
    // Lays the report out on the device's pages; false when it cannot be painted on.
    bool Render(QPagedPaintDevice& device) const;

private:
    void StartPreview();
    void StartPrinter();
    void StartFile();

    TRecReportInfo ReportInfo;
    TRecCharTabInfo CharTab;
    TReportContent ReportContent;
    platform::HWND MainWindowHandle;
    QPointer<QWidget> Owner;
    std::unique_ptr<QPrinter> PreviewPrinter;
    std::unique_ptr<QPrintPreviewDialog> PreviewDialog;
};
