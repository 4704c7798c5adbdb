#pragma once

#include "outside/viewkit/Canvas.h"

#include <cstdint>

// Draws one pixel row of a display character into a canvas: of the row's word, bit columns - 1
// is the leftmost pixel and bit 0 the rightmost; set bits are drawn in the colour as zoom × zoom
// squares, clear bits are left as they are. The display lines of the preview and the character
// painter draw every character through it.
class TDispLine {
public:
    explicit TDispLine(TCanvas* canvas) : Canvas(canvas) {}
    virtual ~TDispLine() = default;
    TDispLine(const TDispLine&) = delete;
    TDispLine& operator=(const TDispLine&) = delete;

    // left and top are in display pixels; the canvas pixel is their product with the zoom.
    void Paint(int left, int top, std::uint32_t bits, int columns, int zoom, TViewColor color) const;

private:
    TCanvas* Canvas;
};
