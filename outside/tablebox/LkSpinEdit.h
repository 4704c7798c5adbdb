#pragma once

#include "outside/tablebox/Object.h"

#include <cmath>
#include <cstdint>
#include <string>

// The grid's in-place spin editor for whole or decimal numbers.
class TLkSpinEdit final : public TObject {
public:
    std::string ClassName() const override { return "TLkSpinEdit"; }

    // The current value as a signed 16-bit number.
    std::int16_t GetIntValue() const { return static_cast<std::int16_t>(std::lround(Value)); }

    double Value = 0;
    double MinValue = 0;
    double MaxValue = 0;
    double Increment = 1;
    int Decimals = 0;
};
