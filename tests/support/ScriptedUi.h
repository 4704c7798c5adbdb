#pragma once

#include "platform/UiService.h"

#include <deque>
#include <string>
#include <vector>

namespace testsupport {

// Records every message box and answers from a script; installed for its own lifetime.
class ScriptedUi final : public platform::TUiService {
public:
    struct Box {
        std::string text;
        std::string caption;
        unsigned style = 0;
    };

    ScriptedUi() : scope_(*this) {}

    // The next boxes take these answers, in order; after that a box answers its first button.
    void Answer(std::initializer_list<int> answers) { answers_.insert(answers_.end(), answers); }

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;

    const std::vector<Box>& boxes() const { return boxes_; }

private:
    std::deque<int> answers_;
    std::vector<Box> boxes_;
    platform::TScopedUiService scope_;
};

} // namespace testsupport
