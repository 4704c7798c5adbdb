#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// One character of the display's character set is a cell of CharacterWidth × CharacterHeight
// pixels, one word per row from the top. Bit CharacterWidth - 1 of a row is its leftmost
// pixel, bit 0 its rightmost; a set bit is a lit pixel.
inline constexpr int CharacterWidth = 6;
inline constexpr int CharacterHeight = 8;

// Whether the pixel (x, y) of the character is lit; false outside the cell or the rows given.
inline bool CharacterPixel(std::span<const std::uint32_t> rows, int x, int y)
{
    if (x < 0 || x >= CharacterWidth || y < 0 || y >= static_cast<int>(rows.size()))
        return false;
    return (rows[static_cast<std::size_t>(y)] >> (CharacterWidth - 1 - x) & 1u) != 0;
}
