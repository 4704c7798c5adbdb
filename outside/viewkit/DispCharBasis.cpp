#include "outside/viewkit/DispCharBasis.h"

#include <algorithm>

std::vector<std::uint32_t> TDispCharBasis::RowsOfData() const
{
    if (Horizontal)
        return Data;
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(std::max(Rows, 0)), 0);
    const int columns = std::min(Columns, static_cast<int>(Data.size()));
    for (int x = 0; x < columns && x < 32; ++x)
        for (int y = 0; y < Rows && y < 32; ++y)
            if ((Data[static_cast<std::size_t>(x)] >> y & 1u) != 0)
                rows[static_cast<std::size_t>(y)] |= 1u << (Columns - 1 - x);
    return rows;
}

void TDispCharBasis::Paint()
{
    if (Canvas == nullptr || Zoom < 1)
        return;
    for (int y = 0; y < Rows * Zoom; ++y)
        for (int x = 0; x < Columns * Zoom; ++x)
            Canvas->SetPixel(x, y, Background);
    const std::unique_ptr<TDispLine> line = CreateLine();
    if (!line)
        return;
    const std::vector<std::uint32_t> rows = RowsOfData();
    const int count = std::min(Rows, static_cast<int>(rows.size()));
    for (int y = 0; y < count; ++y)
        line->Paint(0, y, rows[static_cast<std::size_t>(y)], Columns, Zoom, Color);
}
