#pragma once

#include <QRect>

#include <vector>

// The places of count windows tiled over the area: vertical puts them side by side in columns,
// horizontal one above the other in rows. With more windows than fit one line comfortably
// (more than three) they go into a grid whose lines run that way; the last line takes the rest.
std::vector<QRect> TileRects(const QRect& area, int count, bool vertical);
