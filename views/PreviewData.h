#pragma once

#include "outside/viewkit/DisplayZeile.h"

#include <cstdint>
#include <memory>

class TDataBasis;

// One element of the display preview: a clickable area or a display line, found by its
// identifier. It owns its display lines.
struct TPreviewData {
    TDataBasis* Object = nullptr; // not owned; may be null
    int ButtonId = -1;            // the image id in the high 16 bits
    int ImageId = -1;
    int Identifier = 0;
    std::unique_ptr<TDisplayZeile> Line;
    std::unique_ptr<TDisplayZeile> Line2;
    // The object's handle when it was stored (0 without object): the object is looked up by it
    // when it is used, so that an object deleted meanwhile is never reached.
    std::int32_t Handle = 0;
};
