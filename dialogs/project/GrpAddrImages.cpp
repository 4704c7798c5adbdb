#include "dialogs/project/GrpAddrImages.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

constexpr int Size = 16;

QPixmap Draw(const std::function<void(QPainter&)>& paint)
{
    QPixmap image(Size, Size);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}

QPixmap Blank()
{
    return Draw([](QPainter&) {});
}

QPixmap Tick()
{
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(0, 150, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    });
}

QPixmap Exclamation()
{
    return Draw([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 80, 210));
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(6.8, 3, 2.4, 7), 1, 1);
        p.drawEllipse(QRectF(6.8, 11, 2.4, 2.4));
    });
}

QPixmap Prohibition()
{
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(210, 20, 20), 2.2));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.drawLine(QPointF(3.8, 12.2), QPointF(12.2, 3.8));
    });
}

QPixmap Cross()
{
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(220, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
    });
}

QPixmap Root()
{
    return Draw([](QPainter& p) {
        p.setPen(QColor(120, 90, 20));
        p.setBrush(QColor(240, 200, 80));
        QPainterPath folder;
        folder.moveTo(1.5, 4);
        folder.lineTo(6, 4);
        folder.lineTo(7.5, 5.5);
        folder.lineTo(14.5, 5.5);
        folder.lineTo(14.5, 13.5);
        folder.lineTo(1.5, 13.5);
        folder.closeSubpath();
        p.drawPath(folder);
    });
}

// Three linked squares: the group symbol, in the colour of its level.
QPixmap Group(const QColor& colour)
{
    return Draw([colour](QPainter& p) {
        p.setPen(QPen(colour.darker(150), 1));
        p.drawLine(QPointF(4.5, 5), QPointF(4.5, 12.5));
        p.drawLine(QPointF(4.5, 12.5), QPointF(10, 12.5));
        p.drawLine(QPointF(4.5, 7.5), QPointF(10, 7.5));
        p.setBrush(colour);
        p.drawRect(QRectF(1.5, 1.5, 6, 5));
        p.drawRect(QRectF(9.5, 5, 5, 5));
        p.drawRect(QRectF(9.5, 10.5, 5, 4));
    });
}

} // namespace

std::vector<QPixmap> MakeGaCheckImages()
{
    return {Blank(), Blank(), Blank(), Tick(), Exclamation(), Prohibition()};
}

std::vector<QPixmap> MakeGaChangeImages()
{
    return {Cross(), Root(), Group(QColor(40, 90, 220)), Group(QColor(30, 160, 60)), Group(QColor(210, 40, 40))};
}

QPixmap WithOverlay(const QPixmap& image, const QPixmap& overlay)
{
    QPixmap combined = image;
    QPainter painter(&combined);
    painter.drawPixmap(0, 0, overlay);
    return combined;
}
