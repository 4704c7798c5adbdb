#include "outside/tablebox/ComboBox.h"

std::string TComboBox::Text() const
{
    if (ItemIndex < 0 || ItemIndex >= static_cast<int>(Items.size()))
        return {};
    return Items[static_cast<std::size_t>(ItemIndex)];
}
