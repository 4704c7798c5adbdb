#pragma once

#include "platform/UiService.h"

namespace platform {

// Shows the hourglass for its own lifetime and then puts back the cursor that was shown
// before, so nested ones leave the hourglass until the outermost ends.
class TCursorHourGlass {
public:
    TCursorHourGlass();
    ~TCursorHourGlass();
    TCursorHourGlass(const TCursorHourGlass&) = delete;
    TCursorHourGlass& operator=(const TCursorHourGlass&) = delete;

private:
    TUiService& screen_;
    TCursor previous_;
};

} // namespace platform
