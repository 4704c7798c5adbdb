#include "outside/printout/ReportPainter.h"

#include "platform/Cp1252.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

#include <algorithm>

namespace {

constexpr double PointsPerInch = 72.0;
constexpr double LineHeight = 13.0;
constexpr double RowHeight = 11.0;
constexpr double Indent = 14.0;
constexpr double FootHeight = 20.0;
constexpr double IndexWidth = 28.0;

} // namespace

TReportPainter::TReportPainter(QPagedPaintDevice& device, const TRecReportInfo& info, const TRecCharTabInfo& charTab)
    : Device(device), Info(info), CharTab(charTab)
{
}

QFont TReportPainter::Font(double size, bool bold) const
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(size));
    font.setBold(bold);
    return font;
}

bool TReportPainter::Paint(const TReportContent& content)
{
    if (!Painter.begin(&Device))
        return false;
    const double scale = Device.logicalDpiX() / PointsPerInch;
    Painter.scale(scale, scale);
    Width = Device.width() / scale;
    Height = Device.height() / scale - (Info.PageNumbers ? FootHeight : 0.0);
    PaintTitle(content.Header);
    if (Info.ShowTree)
        for (const TReportItem& item : content.Items)
            PaintItem(item);
    if (Info.CharTable)
        PaintCharTable(content.Characters);
    PaintFoot();
    return Painter.end();
}

void TReportPainter::Reserve(double height)
{
    if (Y + height <= Height || Y == 0)
        return;
    PaintFoot();
    Device.newPage();
    ++Page;
    Y = 0;
}

void TReportPainter::PaintFoot()
{
    if (!Info.PageNumbers)
        return;
    Painter.setFont(Font(8, false));
    Painter.setPen(Qt::black);
    Painter.drawText(QRectF(0, Height, Width, FootHeight), Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("Seite %1").arg(Page));
}

void TReportPainter::PaintTitle(const std::string& header)
{
    Painter.setPen(Qt::black);
    Painter.setFont(Font(16, true));
    Painter.drawText(QRectF(0, Y, Width, 22), Qt::AlignLeft | Qt::AlignVCenter, platform::ToQString(Info.Title));
    Y += 26;
    if (Info.ShowHeader && !header.empty()) {
        Painter.setFont(Font(10, false));
        for (const QString& line : platform::ToQString(header).split(QLatin1Char('\n'))) {
            Painter.drawText(QRectF(0, Y, Width, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetricsF(Painter.font()).elidedText(line, Qt::ElideRight, Width));
            Y += LineHeight;
        }
    }
    Y += 4;
    Painter.drawLine(QPointF(0, Y), QPointF(Width, Y));
    Y += 8;
}

void TReportPainter::PaintItem(const TReportItem& item)
{
    Reserve(LineHeight + (Info.ShowParameters && !item.Rows.empty() ? RowHeight : 0.0));
    const double left = item.Level * Indent;
    if (!item.Icon.isNull())
        Painter.drawImage(QRectF(left, Y + 1.5, 10, 10), item.Icon);
    Painter.setFont(Font(10, true));
    Painter.drawText(QRectF(left + 13, Y, Width - left - 13, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     platform::ToQString(item.Text));
    Y += LineHeight;
    if (Info.ShowParameters)
        for (const TReportRow& row : item.Rows) {
            Reserve(RowHeight);
            PaintRow(row, left + 13);
        }
    Y += 3;
}

void TReportPainter::PaintRow(const TReportRow& row, double left)
{
    Painter.setFont(Font(8, row.Fixed));
    const QFontMetricsF metrics(Painter.font());
    const double width = (Width - left) / static_cast<double>(std::max<std::size_t>(row.Cells.size(), 1));
    for (std::size_t column = 0; column < row.Cells.size(); ++column) {
        const QString text = metrics.elidedText(platform::ToQString(row.Cells[column]), Qt::ElideRight, width - 4);
        Painter.drawText(QRectF(left + static_cast<double>(column) * width, Y, width - 4, RowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    Y += RowHeight;
}

void TReportPainter::PaintCharTable(const TCharBitmaps& characters)
{
    const int columns = std::max(CharTab.Columns, 1);
    const double cell = std::max(CharTab.CellSize, 8);
    Reserve(CharTab.Top + LineHeight * 2 + cell);
    Y += CharTab.Top + 6;
    if (!CharTab.Text.empty()) {
        Painter.setFont(Font(11, true));
        Painter.drawText(QRectF(CharTab.Left, Y, Width - CharTab.Left, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         platform::ToQString(CharTab.Text));
        Y += LineHeight + 4;
    }
    const double left = CharTab.Left + (CharTab.ShowIndex ? IndexWidth : 0.0);
    const double pictureHeight = cell - 4;
    const double pictureWidth = pictureHeight * 6 / 8;
    Painter.setFont(Font(7, false));
    int slot = 0;
    for (const auto& [index, picture] : characters) {
        if (index < CharTab.FirstIndex || index > CharTab.LastIndex)
            continue;
        const int column = slot++ % columns;
        if (column == 0) {
            if (slot > 1)
                Y += cell;
            Reserve(cell);
            if (CharTab.ShowIndex)
                Painter.drawText(QRectF(CharTab.Left, Y, IndexWidth - 4, cell), Qt::AlignRight | Qt::AlignVCenter,
                                 QString::number(index));
        }
        const QRectF box(left + column * cell, Y, cell, cell);
        if (CharTab.ShowGrid)
            Painter.drawRect(box);
        // Enlarged here, pixel for pixel, so that no viewer smooths the picture.
        const QImage large = picture.scaled(picture.width() * 8, picture.height() * 8, Qt::IgnoreAspectRatio,
                                            Qt::FastTransformation);
        Painter.drawImage(QRectF(box.center().x() - pictureWidth / 2, box.top() + 2, pictureWidth, pictureHeight), large);
    }
    if (slot > 0)
        Y += cell;
}
