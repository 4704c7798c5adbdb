#include "outside/tablebox/DrawGridSEComboBox.h"

TDrawGridSEComboBox::TDrawGridSEComboBox(const std::vector<TComboWert>& items, int value)
{
    for (const TComboWert& item : items)
        AddItem(item.Caption, item.Value);
    SelectValue(value);
}

void TDrawGridSEComboBox::AddItem(const std::string& caption, int value)
{
    Items.push_back(caption);
    values_.push_back(value);
}

bool TDrawGridSEComboBox::ItemValue(int& value) const
{
    if (ItemIndex < 0 || ItemIndex >= static_cast<int>(values_.size()))
        return false;
    value = values_[static_cast<std::size_t>(ItemIndex)];
    return true;
}

bool TDrawGridSEComboBox::SelectValue(int value)
{
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (values_[i] == value) {
            ItemIndex = static_cast<int>(i);
            return true;
        }
    }
    ItemIndex = -1;
    return false;
}
