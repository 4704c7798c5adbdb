#pragma once

#include <string>

// One item of a combo row: the caption shown and the value it stands for.
struct TComboWert {
    std::string Caption;
    int Value = 0;
};
