#include "platform/SystemColors.h"

#include <array>
#include <optional>

namespace platform {

namespace {

struct TSystemColor {
    QRgb Rgb;
    std::optional<QPalette::ColorRole> Role;
};

// The Windows system colours in their standard scheme, by index, and the palette role that
// stands for each where Qt has one.
const std::array<TSystemColor, 31> SystemColorTable{{
    {0xFFC8C8C8, std::nullopt},                      // 0 scroll bar
    {0xFF000000, std::nullopt},                      // 1 desktop
    {0xFF99B4D1, std::nullopt},                      // 2 active caption
    {0xFFBFCDDB, std::nullopt},                      // 3 inactive caption
    {0xFFF0F0F0, std::nullopt},                      // 4 menu
    {0xFFFFFFFF, QPalette::Base},                    // 5 window
    {0xFF646464, std::nullopt},                      // 6 window frame
    {0xFF000000, std::nullopt},                      // 7 menu text
    {0xFF000000, QPalette::Text},                    // 8 window text
    {0xFF000000, std::nullopt},                      // 9 caption text
    {0xFFB4B4B4, std::nullopt},                      // 10 active border
    {0xFFF4F7FC, std::nullopt},                      // 11 inactive border
    {0xFFABABAB, std::nullopt},                      // 12 application workspace
    {0xFF0078D7, QPalette::Highlight},               // 13 highlight
    {0xFFFFFFFF, QPalette::HighlightedText},         // 14 highlight text
    {0xFFF0F0F0, QPalette::Button},                  // 15 button face
    {0xFFA0A0A0, QPalette::Dark},                    // 16 button shadow
    {0xFF6D6D6D, QPalette::PlaceholderText},         // 17 grey text
    {0xFF000000, QPalette::ButtonText},              // 18 button text
    {0xFF000000, std::nullopt},                      // 19 inactive caption text
    {0xFFFFFFFF, QPalette::Light},                   // 20 button highlight
    {0xFF696969, QPalette::Shadow},                  // 21 3D dark shadow
    {0xFFE3E3E3, QPalette::Midlight},                // 22 3D light
    {0xFF000000, QPalette::ToolTipText},             // 23 info text
    {0xFFFFFFE1, QPalette::ToolTipBase},             // 24 info background
    {0xFF000000, std::nullopt},                      // 25 (unused)
    {0xFF0066CC, QPalette::Link},                    // 26 hot-tracked item
    {0xFFB9D1EA, std::nullopt},                      // 27 gradient of the active caption
    {0xFFD7E4F2, std::nullopt},                      // 28 gradient of the inactive caption
    {0xFF3399FF, std::nullopt},                      // 29 menu highlight
    {0xFFF0F0F0, std::nullopt},                      // 30 menu bar
}};

constexpr int ColorBtnFace = 15;
constexpr int ColorWindowText = 8;
constexpr int ColorGrayText = 17;
constexpr int ColorBtnShadow = 16;

QColor TableColor(int index)
{
    return QColor::fromRgb(SystemColorTable[static_cast<std::size_t>(index)].Rgb);
}

} // namespace

QColor ToQColor(TColorValue color, const QPalette& palette)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0x80000000u) == 0)
        return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                      static_cast<int>((bits >> 16) & 0xFF));
    const auto index = static_cast<std::size_t>(bits & 0xFF);
    if (index >= SystemColorTable.size())
        return QColor(Qt::black);
    const TSystemColor& entry = SystemColorTable[index];
    return entry.Role ? palette.color(QPalette::Active, *entry.Role) : QColor::fromRgb(entry.Rgb);
}

QPalette FixedPalette()
{
    QPalette palette(TableColor(ColorBtnFace));
    for (const TSystemColor& entry : SystemColorTable) {
        if (entry.Role)
            palette.setColor(*entry.Role, QColor::fromRgb(entry.Rgb));
    }
    // Roles without a system colour of their own.
    palette.setColor(QPalette::Window, TableColor(ColorBtnFace));
    palette.setColor(QPalette::WindowText, TableColor(ColorWindowText));
    palette.setColor(QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
    palette.setColor(QPalette::Mid, TableColor(ColorBtnShadow).lighter(115));
    palette.setColor(QPalette::BrightText, Qt::white);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, TableColor(ColorGrayText));
    return palette;
}

} // namespace platform
