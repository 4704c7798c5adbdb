#include "outside/viewkit/DisplayZeile.h"

#include "outside/viewkit/CharacterCell.h"

#include <algorithm>

TDisplayZeile::TDisplayZeile(TCanvas* canvas, int maxCharacters, int scale, const TCharacterMap& characters,
                             TViewColor lineColor, TViewColor backColor)
    : Canvas(canvas), MaxCharacters(maxCharacters), Scale(std::max(scale, 1)), Characters(characters),
      LineColor(lineColor), BackColor(backColor)
{
}

void TDisplayZeile::Clear()
{
    Text.clear();
    Offset = 0;
    OffsetTop = 0;
    if (Canvas)
        Canvas->Fill(BackColor);
}

void TDisplayZeile::Draw()
{
    if (!Canvas)
        return;
    Canvas->Fill(BackColor);
    const int count = MaxCharacters < 0 ? static_cast<int>(Text.size())
                                        : std::min(MaxCharacters, static_cast<int>(Text.size()));
    for (int i = 0; i < count; ++i) {
        const int left = Offset + i * CharacterWidth;
        if (left * Scale >= Canvas->Width())
            break;
        const auto found = Characters.find(static_cast<unsigned char>(Text[static_cast<std::size_t>(i)]));
        if (found != Characters.end())
            DrawCharacter(found->second, left);
    }
}

void TDisplayZeile::DrawCharacter(const std::vector<std::uint32_t>& rows, int left)
{
    for (int y = 0; y < CharacterHeight; ++y)
        for (int x = 0; x < CharacterWidth; ++x) {
            if (!CharacterPixel(rows, x, y))
                continue;
            for (int dy = 0; dy < Scale; ++dy)
                for (int dx = 0; dx < Scale; ++dx)
                    Canvas->SetPixel((left + x) * Scale + dx, (OffsetTop + y) * Scale + dy, LineColor);
        }
}
