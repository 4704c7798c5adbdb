#pragma once

#include "outside/tablebox/Object.h"

#include <string>

// The grid's in-place text editor.
class TDrawGridSEEdit final : public TObject {
public:
    std::string ClassName() const override { return "TDrawGridSEEdit"; }

    std::string Text;
    bool Ellipsis = false; // shows the ellipsis button of its cell
};
