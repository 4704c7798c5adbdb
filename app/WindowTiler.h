#pragma once

#include <QRect>

#include <vector>

// The places of count windows tiled over the area: vertical puts them side by side in columns,
// horizontal one above the other in rows. With more windows than fit one line comfortably
// (more than three) they go into a grid whose lines run that way; the last line takes the rest.
std::vector<QRect> TileRects(const QRect& area, int count, bool vertical);

// The places of count windows cascaded from the area's top left, each step further down and
// right; all of one size, as large as the area allows for the last one (at least two thirds
// of the area where the steps would leave less).
std::vector<QRect> CascadeRects(const QRect& area, int count, int step);

// The largest part of the area to the left of, right of, above or below the window kept clear;
// the whole area when that window lies outside it.
QRect AreaBeside(const QRect& area, const QRect& keepClear);
