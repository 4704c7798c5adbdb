#include "outside/viewkit/DisplayZeile.h"

#include "outside/viewkit/CharacterCell.h"
#include "outside/viewkit/DispLine.h"

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
            DrawCharacter(found->Rows, left);
    }
}

void TDisplayZeile::DrawCharacter(TCharacterMap::TRows rows, int left)
{
    const TDispLine line(Canvas);
    const int count = std::min(CharacterHeight, static_cast<int>(rows.size()));
    for (int y = 0; y < count; ++y)
        line.Paint(left, OffsetTop + y, rows[static_cast<std::size_t>(y)], CharacterWidth, Scale, LineColor);
}
