#pragma once

#include "outside/viewkit/Canvas.h"
#include "outside/viewkit/LoadS19.h"

#include <string>

// One line of the device display, drawn character by character from the pixel words of a
// character table into a canvas: lit pixels in the line colour, the others in the background
// colour. A character the table lacks stays empty. The text is placed at a pixel offset from the
// canvas's left edge and from its top. A line without canvas keeps its text but draws nothing.
class TDisplayZeile {
public:
    // maxCharacters: how many characters of the text are drawn, -1 for all that fit;
    // scale: screen pixels per display pixel in both directions (1 or more).
    TDisplayZeile(TCanvas* canvas, int maxCharacters, int scale, const TCharacterMap& characters,
                  TViewColor lineColor, TViewColor backColor);

    // Empties the text, sets both offsets to 0 and fills the canvas with the background colour.
    void Clear();
    void SetText(const std::string& text) { Text = text; }
    const std::string& GetText() const { return Text; }
    void SetOffset(int pixels) { Offset = pixels; }
    void SetOffsetTop(int pixels) { OffsetTop = pixels; }
    int GetOffset() const { return Offset; }
    int GetOffsetTop() const { return OffsetTop; }
    // A copy of the table; the next Draw uses it.
    void SetCharData(const TCharacterMap& characters) { Characters = characters; }
    // Fills the canvas with the background colour and draws the text over it.
    void Draw();

    bool HasCanvas() const { return Canvas != nullptr; }

private:
    void DrawCharacter(TCharacterMap::TRows rows, int left);

    TCanvas* Canvas;
    int MaxCharacters;
    int Scale;
    TCharacterMap Characters;
    TViewColor LineColor;
    TViewColor BackColor;
    std::string Text;
    int Offset = 0;
    int OffsetTop = 0;
};
