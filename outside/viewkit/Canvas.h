#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>

// A colour as the class library keeps it: 0x00BBGGRR.
using TViewColor = std::int32_t;

inline constexpr TViewColor clViewFuchsia = 0x00FF00FF; // the preview's transparent colour
inline constexpr TViewColor clViewWhite = 0x00FFFFFF;

// The opaque RGB value of a colour.
QRgb ViewColorToRgb(TViewColor color);

// A copy of the picture in which every pixel of the key colour is fully transparent.
QImage WithTransparentKey(const QImage& picture, TViewColor key);

// A surface of fixed size to draw single pixels on: the area of an image button. It starts
// filled with the preview's transparent colour.
class TCanvas {
public:
    TCanvas(int width, int height);

    int Width() const { return Surface.width(); }
    int Height() const { return Surface.height(); }
    // Pixels outside the surface are ignored.
    void SetPixel(int x, int y, TViewColor color);
    void Fill(TViewColor color);
    // The pixel's RGB value; 0 outside the surface.
    QRgb Pixel(int x, int y) const;
    const QImage& Image() const { return Surface; }

private:
    QImage Surface;
};
