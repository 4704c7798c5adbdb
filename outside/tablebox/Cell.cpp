#include "outside/tablebox/Cell.h"

#include <cmath>
#include <cstdio>

std::string TCell::ChoiceCaption(int value) const
{
    for (const TComboWert& choice : Choices) {
        if (choice.Value == value)
            return choice.Caption;
    }
    return {};
}

std::string TCell::FormatValue(double value) const
{
    switch (Kind) {
    case ckComboBox:
        return ChoiceCaption(static_cast<int>(std::lround(value)));
    case ckSpinEditComma: {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", Decimals, value);
        std::string shown(text);
        for (char& c : shown) {
            if (c == '.')
                c = ',';
        }
        return shown;
    }
    case ckSpinEdit:
        return std::to_string(std::lround(value));
    default:
        return Text;
    }
}
