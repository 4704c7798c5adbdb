#include "tests/support/ScriptedUi.h"

namespace testsupport {

int ScriptedUi::MessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    boxes_.push_back({text, caption, style});
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    switch (style & 0x0F) {
    case platform::MB_YESNO:
    case platform::MB_YESNOCANCEL: return platform::IDYES;
    default: return platform::IDOK;
    }
}

} // namespace testsupport
