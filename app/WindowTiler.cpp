#include "app/WindowTiler.h"

#include <algorithm>
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

std::vector<QRect> CascadeRects(const QRect& area, int count, int step)
{
    std::vector<QRect> rects;
    if (count <= 0 || area.isEmpty())
        return rects;
    const int width = std::max(area.width() - step * (count - 1), area.width() * 2 / 3);
    const int height = std::max(area.height() - step * (count - 1), area.height() * 2 / 3);
    // Where the steps would leave the area they start again at its top left.
    const int fit = std::max(1, std::min((area.width() - width) / std::max(step, 1),
                                         (area.height() - height) / std::max(step, 1)) + 1);
    for (int i = 0; i < count; ++i) {
        const int offset = step * (i % fit);
        rects.emplace_back(area.left() + offset, area.top() + offset, width, height);
    }
    return rects;
}

QRect AreaBeside(const QRect& area, const QRect& keepClear)
{
    if (!area.intersects(keepClear))
        return area;
    const QRect parts[] = {
        QRect(QPoint(area.left(), area.top()), QPoint(keepClear.left() - 1, area.bottom())),
        QRect(QPoint(keepClear.right() + 1, area.top()), QPoint(area.right(), area.bottom())),
        QRect(QPoint(area.left(), area.top()), QPoint(area.right(), keepClear.top() - 1)),
        QRect(QPoint(area.left(), keepClear.bottom() + 1), QPoint(area.right(), area.bottom())),
    };
    QRect best;
    for (const QRect& part : parts) {
        const QRect inside = part.intersected(area);
        if (inside.isValid() && inside.width() * inside.height() > best.width() * best.height())
            best = inside;
    }
    return best.isValid() ? best : area;
}
