#pragma once

#include "outside/tablebox/Object.h"

#include <string>
#include <vector>

// A list of captions with one chosen item (-1 = none).
class TComboBox : public TObject {
public:
    std::string ClassName() const override { return "TComboBox"; }

    std::vector<std::string> Items;
    int ItemIndex = -1;

    // The caption of the chosen item, empty when none is chosen.
    std::string Text() const;
};
