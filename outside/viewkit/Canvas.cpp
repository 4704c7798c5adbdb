#include "outside/viewkit/Canvas.h"

QRgb ViewColorToRgb(TViewColor color)
{
    const auto value = static_cast<std::uint32_t>(color);
    return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QImage WithTransparentKey(const QImage& picture, TViewColor key)
{
    QImage copy = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = ViewColorToRgb(key);
    for (int y = 0; y < copy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            if ((line[x] | 0xFF000000u) == transparent)
                line[x] = 0;
    }
    return copy;
}

TCanvas::TCanvas(int width, int height) : Surface(width, height, QImage::Format_RGB32)
{
    Fill(clViewFuchsia);
}

void TCanvas::SetPixel(int x, int y, TViewColor color)
{
    if (Surface.valid(x, y))
        Surface.setPixel(x, y, ViewColorToRgb(color));
}

void TCanvas::Fill(TViewColor color)
{
    Surface.fill(ViewColorToRgb(color));
}

QRgb TCanvas::Pixel(int x, int y) const
{
    return Surface.valid(x, y) ? Surface.pixel(x, y) : 0;
}
