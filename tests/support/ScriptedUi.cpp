#include "tests/support/ScriptedUi.h"

#include <algorithm>
#include <iterator>

namespace testsupport {

int ScriptedUi::MessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    boxes_.push_back({text, caption, style});
    calls_.push_back({CallKind::MessageBox, text, caption, style});
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    switch (style & 0x0F) {
    case platform::MB_YESNO:
    case platform::MB_YESNOCANCEL: return platform::IDYES;
    case platform::MB_ABORTRETRYIGNORE: return platform::IDABORT;
    case platform::MB_RETRYCANCEL: return platform::IDRETRY;
    default: return platform::IDOK;
    }
}

int ScriptedUi::ShowDetailMessageBox(const std::string& text, const std::string& caption,
                                     const std::string& detail, const std::string& file, std::int32_t line,
                                     const std::string& function, unsigned style)
{
    detailBoxes_.push_back({text, caption, detail, file, line, function, style});
    calls_.push_back({CallKind::DetailBox, text, caption, style});
    return platform::IDOK;
}

void ScriptedUi::SetScreenCursor(platform::TCursor cursor)
{
    cursor_ = cursor;
    calls_.push_back({CallKind::Cursor, {}, {}, 0, cursor});
}

void ScriptedUi::StartProgress(const platform::TProgressInfo& info, std::function<void()> onCancel)
{
    progressOpen_ = true;
    onCancel_ = std::move(onCancel);
    calls_.push_back({CallKind::ProgressStart, info.text, info.caption, 0, 0, info.stepCount});
}

void ScriptedUi::SetProgress(std::int32_t step, const platform::TProgressInfo& info)
{
    calls_.push_back({CallKind::ProgressStep, info.text, info.caption, 0, step, info.stepCount});
    if (progressOpen_ && step == cancelAtStep_) {
        cancelAtStep_ = -1;
        if (const auto cancel = onCancel_)
            cancel();
    }
}

void ScriptedUi::StopProgress()
{
    progressOpen_ = false;
    onCancel_ = nullptr;
    calls_.push_back({CallKind::ProgressStop, {}, {}, 0});
}

std::vector<ScriptedUi::Call> ScriptedUi::calls(CallKind kind) const
{
    std::vector<Call> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [kind](const Call& call) { return call.kind == kind; });
    return found;
}

} // namespace testsupport
