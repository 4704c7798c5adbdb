#include "app/WindowTiler.h"

#include <cmath>

namespace {

// Splits length into parts as equal as possible; the parts' starts and sizes.
std::vector<std::pair<int, int>> Split(int start, int length, int parts)
{
    std::vector<std::pair<int, int>> spans;
    for (int i = 0; i < parts; ++i) {
        const int from = start + length * i / parts;
        const int to = start + length * (i + 1) / parts;
        spans.emplace_back(from, to - from);
    }
    return spans;
}

} // namespace

std::vector<QRect> TileRects(const QRect& area, int count, bool vertical)
{
    std::vector<QRect> rects;
    if (count <= 0 || area.isEmpty())
        return rects;
    // Lines across the tiling direction: one up to three windows, then a square-ish grid.
    const int lines = count <= 3 ? 1 : static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int perLine = (count + lines - 1) / lines;
    const int lineCount = (count + perLine - 1) / perLine;
    const auto lineSpans = vertical ? Split(area.top(), area.height(), lineCount) : Split(area.left(), area.width(), lineCount);
    int placed = 0;
    for (int line = 0; line < lineCount; ++line) {
        const int inLine = line == lineCount - 1 ? count - placed : perLine;
        const auto spans = vertical ? Split(area.left(), area.width(), inLine) : Split(area.top(), area.height(), inLine);
        for (const auto& [from, size] : spans) {
            if (vertical)
                rects.emplace_back(from, lineSpans[line].first, size, lineSpans[line].second);
            else
                rects.emplace_back(lineSpans[line].first, from, lineSpans[line].second, size);
        }
        placed += inLine;
    }
    return rects;
}
