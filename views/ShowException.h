#pragma once

namespace views {

// Shows the message of the exception being handled in a message box with an OK button and the
// caption. Only for use inside a catch block.
void ShowCurrentException(const char* caption);

} // namespace views
