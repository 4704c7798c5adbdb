#include "app/PrintRules.h"

#include "app/DispChar.h"
#include "outside/viewkit/CharacterCell.h"
#include "outside/viewkit/LoadS19.h"

#include <algorithm>
#include <cctype>

std::string PdfFileName(const std::string& chosen)
{
    static const std::string extension = ".pdf";
    std::string name = chosen;
    const bool hasPdf = name.size() >= extension.size()
        && std::equal(extension.begin(), extension.end(), name.end() - static_cast<std::ptrdiff_t>(extension.size()),
                      [](char wanted, char actual) {
                          return wanted == std::tolower(static_cast<unsigned char>(actual));
                      });
    if (!hasPdf)
        return name + extension;
    name.replace(name.size() - extension.size(), extension.size(), extension);
    return name;
}

TCharBitmaps RenderCharBitmaps(platform::TMemoryStream& charSet)
{
    TCharBitmaps bitmaps;
    charSet.SetPosition(0);
    TCharacterMap characters;
    if (!LoadS19StreamToMap(&charSet, characters))
        return bitmaps;
    int index = 0;
    for (const auto& [code, rows] : characters) {
        TCanvas bitmap(CharacterWidth, CharacterHeight);
        {
            TDispChar painter(&bitmap);
            painter.SetZoom(1);
            painter.SetColor(0);
            painter.SetBackground(0xFFFFFF);
            painter.SetRows(CharacterHeight);
            painter.SetColumns(CharacterWidth);
            painter.SetData({rows.begin(), rows.end()});
            painter.SetHorizontal(true);
            painter.Paint();
        }
        bitmaps.emplace(index++, bitmap.Image());
    }
    return bitmaps;
}
