#pragma once

#include "outside/tablebox/ComboBox.h"
#include "outside/tablebox/ComboWert.h"

#include <vector>

// The grid's in-place combo box: its items carry values besides their captions.
class TDrawGridSEComboBox final : public TComboBox {
public:
    TDrawGridSEComboBox() = default;
    // Items of a combo row; the item with the value is chosen (none when no item has it).
    TDrawGridSEComboBox(const std::vector<TComboWert>& items, int value);

    std::string ClassName() const override { return "TDrawGridSEComboBox"; }

    void AddItem(const std::string& caption, int value);
    // The value of the chosen item; false (value unchanged) when none is chosen.
    bool ItemValue(int& value) const;
    // Chooses the item with that value; false when no item has it.
    bool SelectValue(int value);

private:
    std::vector<int> values_;
};
