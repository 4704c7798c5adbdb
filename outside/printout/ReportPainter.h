#pragma once

#include "outside/printout/ReportContent.h"
#include "outside/printout/ReportRecords.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

// Lays a report out on the pages of a printer or PDF writer, top to bottom, in points: the
// title, the header, the tree items with their parameter rows and the character table; a new
// page begins where the next block does not fit.
class TReportPainter {
public:
    TReportPainter(QPagedPaintDevice& device, const TRecReportInfo& info, const TRecCharTabInfo& charTab);
    TReportPainter(const TReportPainter&) = delete;
    TReportPainter& operator=(const TReportPainter&) = delete;

    // False when the device cannot be painted on.
    bool Paint(const TReportContent& content);

private:
    void PaintTitle(const std::string& header);
    void PaintItem(const TReportItem& item);
    void PaintRow(const TReportRow& row, double left);
    void PaintCharTable(const TCharBitmaps& characters);
    // Starts a new page unless the height fits below the cursor.
    void Reserve(double height);
    void PaintFoot();
    QFont Font(double size, bool bold) const;

    QPagedPaintDevice& Device;
    const TRecReportInfo& Info;
    const TRecCharTabInfo& CharTab;
    QPainter Painter;
    double Width = 0;
    double Height = 0;
    double Y = 0;
    int Page = 1;
};
