#include "outside/viewkit/DispLine.h"

void TDispLine::Paint(int left, int top, std::uint32_t bits, int columns, int zoom, TViewColor color) const
{
    if (Canvas == nullptr || zoom < 1)
        return;
    for (int x = 0; x < columns && x < 32; ++x) {
        if ((bits >> (columns - 1 - x) & 1u) == 0)
            continue;
        for (int dy = 0; dy < zoom; ++dy)
            for (int dx = 0; dx < zoom; ++dx)
                Canvas->SetPixel((left + x) * zoom + dx, top * zoom + dy, color);
    }
}
