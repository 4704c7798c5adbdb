#include "views/ShowException.h"

#include "platform/UiService.h"

#include <exception>
#include <string>

namespace views {

void ShowCurrentException(const char* caption)
{
    std::string message;
    try {
        throw;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        // Nothing to tell beyond the caption.
    }
    platform::MessageBox(message, caption, platform::MB_OK);
}

} // namespace views
