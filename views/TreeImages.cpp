#include "views/TreeImages.h"

#include "views/ImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace views {
namespace {

using TDrawing = std::function<void(QPainter&)>;

const QColor Ink(0x30, 0x30, 0x30);

// A 16 x 16 image from a drawing on a transparent ground.
QIcon Draw(const TDrawing& drawing)
{
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 1));
    drawing(painter);
    painter.end();
    return QIcon(image);
}

void Box(QPainter& p, const QRectF& r, const QColor& fill, qreal radius = 1.5)
{
    p.setPen(QPen(fill.darker(160), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

void Device(QPainter& p)
{
    Box(p, {1.5, 1.5, 13, 13}, QColor(0xE8, 0xE8, 0xE0));
    Box(p, {3.5, 3.5, 9, 4}, QColor(0x4A, 0x7A, 0x3A), 0.5);
    for (const qreal x : {3.5, 8.5})
        Box(p, {x, 9.5, 4, 3}, QColor(0xB0, 0xB0, 0xA8), 0.5);
}

void Display(QPainter& p)
{
    Box(p, {1.5, 3.5, 13, 9}, QColor(0x3C, 0x6E, 0x34));
    p.setPen(QPen(QColor(0xD8, 0xF0, 0xC8), 1.2));
    p.drawLine(QPointF(4, 7), QPointF(12, 7));
    p.drawLine(QPointF(4, 9.5), QPointF(9, 9.5));
}

void Clock(QPainter& p, const QColor& face)
{
    p.setPen(QPen(face.darker(170), 1));
    p.setBrush(face);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(QPen(Ink, 1.3));
    p.drawLine(QPointF(8, 8), QPointF(8, 3.8));
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

void DateSending(QPainter& p)
{
    Clock(p, QColor(0xF4, 0xEC, 0xC0));
    p.setPen(QPen(QColor(0xC0, 0x30, 0x30), 1.4));
    p.drawLine(QPointF(11, 13), QPointF(15, 13));
    p.drawLine(QPointF(13.2, 11.2), QPointF(15, 13));
}

void Key(QPainter& p, const QColor& top)
{
    Box(p, {2.5, 2.5, 11, 11}, QColor(0xD8, 0xD8, 0xD0), 2);
    Box(p, {4.5, 4.5, 7, 7}, top, 1);
}

void KeyFunction(QPainter& p)
{
    Key(p, QColor(0x5A, 0x8C, 0xD0));
    p.setPen(QPen(Qt::white, 1.3));
    p.drawLine(QPointF(8, 5.8), QPointF(8, 10.2));
}

void Rocker(QPainter& p)
{
    Box(p, {4.5, 1.5, 7, 13}, QColor(0xD8, 0xD8, 0xD0), 2);
    p.setPen(QPen(Ink, 1.2));
    p.drawLine(QPointF(6, 5), QPointF(8, 3.5));
    p.drawLine(QPointF(8, 3.5), QPointF(10, 5));
    p.drawLine(QPointF(6, 11), QPointF(8, 12.5));
    p.drawLine(QPointF(8, 12.5), QPointF(10, 11));
}

void State(QPainter& p)
{
    p.setPen(QPen(QColor(0x80, 0x60, 0x10), 1));
    p.setBrush(QColor(0xF8, 0xC8, 0x30));
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.setBrush(QColor(0xFF, 0xF0, 0xA0));
    p.drawEllipse(QPointF(7, 7), 1.8, 1.8);
}

void Sensor(QPainter& p)
{
    Box(p, {1.5, 1.5, 13, 13}, QColor(0xE8, 0xE8, 0xE0));
    for (const qreal y : {3.5, 8.5})
        for (const qreal x : {3.5, 8.5})
            Box(p, {x, y, 4, 4}, QColor(0x5A, 0x8C, 0xD0), 0.8);
}

void Lock(QPainter& p)
{
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 2, 6, 8), 0, 180 * 16);
    p.drawLine(QPointF(5, 6), QPointF(5, 8));
    p.drawLine(QPointF(11, 6), QPointF(11, 8));
    Box(p, {3.5, 7.5, 9, 7}, QColor(0xD0, 0xA0, 0x30), 1);
}

void Actuation(QPainter& p)
{
    Box(p, {1.5, 4.5, 13, 7}, QColor(0xD8, 0xD8, 0xD0), 2);
    for (const qreal x : {3.5, 6.5, 9.5})
        Box(p, {x, 6.5, 2.5, 3}, QColor(0x5A, 0x8C, 0xD0), 0.5);
}

void Scenes(QPainter& p, bool single)
{
    const QColor lamp(0xF0, 0xB0, 0x30);
    const auto bulb = [&](qreal x, qreal y) {
        p.setPen(QPen(lamp.darker(160), 1));
        p.setBrush(lamp);
        p.drawEllipse(QPointF(x, y), 3, 3);
        p.setBrush(QColor(0x90, 0x90, 0x90));
        p.drawRect(QRectF(x - 1.2, y + 2.6, 2.4, 2));
    };
    if (single) {
        bulb(8, 6.5);
        return;
    }
    bulb(5, 5.5);
    bulb(11, 8.5);
}

void Remote(QPainter& p)
{
    Box(p, {4.5, 1.5, 7, 13}, QColor(0x50, 0x50, 0x58), 2);
    p.setPen(QPen(QColor(0xE0, 0x40, 0x40), 1));
    p.setBrush(QColor(0xE0, 0x40, 0x40));
    p.drawEllipse(QPointF(8, 4), 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    for (const qreal y : {7.0, 10.0})
        for (const qreal x : {6.5, 9.5})
            p.drawRect(QRectF(x - 0.9, y, 1.8, 1.6));
}

void Thermometer(QPainter& p, const QColor& mercury)
{
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6.5, 1.5, 3, 10), 1.5, 1.5);
    p.setBrush(mercury);
    p.drawEllipse(QPointF(8, 12.5), 2.8, 2.8);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(7.3, 5, 1.4, 7));
}

void Controller(QPainter& p)
{
    Box(p, {1.5, 1.5, 13, 13}, QColor(0xF0, 0xE8, 0xE0));
    Thermometer(p, QColor(0xD0, 0x30, 0x30));
}

void SetPoints(QPainter& p)
{
    Thermometer(p, QColor(0x30, 0x60, 0xC8));
    p.setPen(QPen(Ink, 1.2));
    p.drawLine(QPointF(11, 4), QPointF(15, 4));
    p.drawLine(QPointF(11, 7), QPointF(14, 7));
}

void Folder(QPainter& p, const QColor& colour)
{
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(colour.darker(110));
    QPainterPath tab;
    tab.moveTo(1.5, 4.5);
    tab.lineTo(1.5, 2.5);
    tab.lineTo(6, 2.5);
    tab.lineTo(7.5, 4.5);
    tab.closeSubpath();
    p.drawPath(tab);
    p.setBrush(colour);
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
}

void Group(QPainter& p, const QColor& colour, int bars)
{
    Folder(p, colour);
    p.setPen(QPen(Qt::white, 1.2));
    for (int i = 0; i < bars; ++i)
        p.drawLine(QPointF(4 + 3 * i, 7), QPointF(4 + 3 * i, 11));
}

void SubGroup(QPainter& p)
{
    p.setPen(QPen(QColor(0x2C, 0x6C, 0x2C), 1));
    p.setBrush(QColor(0x70, 0xB8, 0x60));
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    p.setPen(QPen(Qt::white, 1.3));
    p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
    p.drawLine(QPointF(8.5, 5.8), QPointF(10.5, 8));
    p.drawLine(QPointF(8.5, 10.2), QPointF(10.5, 8));
}

void ComObject(QPainter& p, bool linked)
{
    const QColor colour = linked ? QColor(0x40, 0x90, 0x40) : QColor(0x90, 0x90, 0x90);
    Box(p, {2.5, 3.5, 8, 9}, colour, 1);
    p.setPen(QPen(colour.darker(150), 1.4));
    p.drawLine(QPointF(10.5, 8), QPointF(14.5, 8));
    if (linked) {
        p.setBrush(colour);
        p.drawEllipse(QPointF(14, 8), 1.5, 1.5);
    }
}

const std::map<int, TDrawing>& Drawings()
{
    static const std::map<int, TDrawing> drawings{
        {0, Device},
        {1, Display},
        {2, DateSending},
        {3, KeyFunction},
        {4, [](QPainter& p) { Key(p, QColor(0xE8, 0xE8, 0xE0)); }},
        {5, Rocker},
        {6, State},
        {7, Sensor},
        {8, Lock},
        {9, Actuation},
        {10, [](QPainter& p) { Scenes(p, false); }},
        {11, [](QPainter& p) { Scenes(p, true); }},
        {12, [](QPainter& p) { Clock(p, QColor(0xD8, 0xE8, 0xF8)); }},
        {13, Remote},
        {32, Controller},
        {39, SetPoints},
        {40, [](QPainter& p) { Folder(p, QColor(0xF0, 0xC8, 0x50)); }},
        {41, [](QPainter& p) { Group(p, QColor(0xE0, 0x90, 0x40), 1); }},
        {42, [](QPainter& p) { Group(p, QColor(0xD0, 0xB0, 0x50), 2); }},
        {43, SubGroup},
        {44, [](QPainter& p) { ComObject(p, false); }},
        {45, [](QPainter& p) { ComObject(p, true); }},
    };
    return drawings;
}

} // namespace

void FillTreeImages(TImageList& images)
{
    const auto& drawings = Drawings();
    const int last = drawings.rbegin()->first;
    for (int index = images.Count(); index <= last; ++index) {
        const auto drawing = drawings.find(index);
        images.Add(drawing != drawings.end() ? Draw(drawing->second) : QIcon());
    }
}

} // namespace views
