#pragma once

#include "outside/viewkit/Canvas.h"
#include "outside/viewkit/DispLine.h"

#include <cstdint>
#include <memory>
#include <vector>

// Paints one character of the display's character set into the top left corner of a canvas:
// the cell of columns × rows display pixels, zoomed, is filled with the background colour and
// the lit pixels are drawn in the colour, one pixel row at a time through the line painter that
// CreateLine makes. In horizontal layout each word of the data is a pixel row from the top (bit
// columns - 1 leftmost); otherwise each word is a pixel column from the left (bit 0 at the top).
class TDispCharBasis {
public:
    explicit TDispCharBasis(TCanvas* canvas) : Canvas(canvas) {}
    virtual ~TDispCharBasis() = default;
    TDispCharBasis(const TDispCharBasis&) = delete;
    TDispCharBasis& operator=(const TDispCharBasis&) = delete;

    void SetZoom(int zoom) { Zoom = zoom; }
    void SetColor(TViewColor color) { Color = color; }
    void SetBackground(TViewColor color) { Background = color; }
    void SetRows(int rows) { Rows = rows; }
    void SetColumns(int columns) { Columns = columns; }
    void SetData(std::vector<std::uint32_t> data) { Data = std::move(data); }
    void SetHorizontal(bool horizontal) { Horizontal = horizontal; }

    TCanvas* GetCanvas() const { return Canvas; }
    void Paint();

protected:
    // The line painter on this painter's canvas.
    virtual std::unique_ptr<TDispLine> CreateLine() = 0;

private:
    // The pixel rows of the data, whatever its layout.
    std::vector<std::uint32_t> RowsOfData() const;

    TCanvas* Canvas;
    int Zoom = 1;
    TViewColor Color = 0;
    TViewColor Background = clViewWhite;
    int Rows = 8;
    int Columns = 6;
    std::vector<std::uint32_t> Data;
    bool Horizontal = true;
};
