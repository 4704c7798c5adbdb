#include "tests/views/support/TestImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace viewstest {

void FillTestImages(TImageList& images, int count)
{
    static const std::array<QColor, 8> tiles{QColor(0x3B, 0x82, 0xC4), QColor(0x4C, 0xA0, 0x5A),
                                             QColor(0xD9, 0x8B, 0x2B), QColor(0x8E, 0x5B, 0xB5),
                                             QColor(0xC4, 0x4E, 0x4E), QColor(0x2E, 0x9E, 0x9A),
                                             QColor(0x7A, 0x7A, 0x7A), QColor(0xB5, 0x9B, 0x2E)};
    for (int index = 0; index < count; ++index) {
        QPixmap image(16, 16);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor tile = tiles[static_cast<std::size_t>((index * 3 + index / 8) % 8)];
        painter.setPen(tile.darker(130));
        painter.setBrush(tile);
        painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        painter.setPen(QPen(Qt::white, 1.6));
        painter.setBrush(Qt::white);
        switch ((index + index / 4) % 4) {
        case 0:
            painter.drawEllipse(QPointF(8, 8), 2.5, 2.5);
            break;
        case 1:
            painter.drawLine(QPointF(4.5, 6), QPointF(11.5, 6));
            painter.drawLine(QPointF(4.5, 10), QPointF(11.5, 10));
            break;
        case 2: {
            QPainterPath mark;
            mark.moveTo(4, 11);
            mark.lineTo(8, 4.5);
            mark.lineTo(12, 11);
            mark.closeSubpath();
            painter.drawPath(mark);
            break;
        }
        default:
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(4.5, 4.5, 7, 7));
            break;
        }
        painter.end();
        images.Add(QIcon(image));
    }
}

} // namespace viewstest
