#include "platform/CursorHourGlass.h"

namespace platform {

TCursorHourGlass::TCursorHourGlass() : screen_(Ui()), previous_(screen_.ScreenCursor())
{
    screen_.SetScreenCursor(crHourGlass);
}

TCursorHourGlass::~TCursorHourGlass()
{
    screen_.SetScreenCursor(previous_);
}

} // namespace platform
