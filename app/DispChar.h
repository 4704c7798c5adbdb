#pragma once

#include "outside/viewkit/DispCharBasis.h"

#include <memory>

// The character painter of the printed character table: viewkit's painter with the plain line
// painter on its canvas.
class TDispChar final : public TDispCharBasis {
public:
    using TDispCharBasis::TDispCharBasis;

protected:
    std::unique_ptr<TDispLine> CreateLine() override;
};
