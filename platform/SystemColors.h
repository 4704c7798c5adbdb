#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace platform {

// A colour as the settings and the grid keep it: 0x00BBGGRR, or a Windows system colour
// 0x80000000 + its index (COLOR_BTNFACE = 15, COLOR_INFOBK = 24, ...).
using TColorValue = std::int32_t;

// The colour for a value. A system colour that stands for a palette role is read from the
// palette, so the look of the program decides it; the others come from the fixed table of
// system colours.
QColor ToQColor(TColorValue color, const QPalette& palette);

// The one palette of the program: every role that has a Windows system colour gets that colour
// from the fixed table.
QPalette FixedPalette();

} // namespace platform
