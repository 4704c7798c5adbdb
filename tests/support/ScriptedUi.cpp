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

int ScriptedUi::ShowModal(QDialog& dialog)
{
    calls_.push_back({CallKind::Modal, {}, {}, 0});
    return modal_ ? modal_(dialog) : platform::IDCANCEL;
}

namespace {

// The next scripted answer, or none (Cancel) when the script is empty.
std::optional<std::string> Next(std::deque<std::optional<std::string>>& script)
{
    if (script.empty())
        return std::nullopt;
    auto answer = std::move(script.front());
    script.pop_front();
    return answer;
}

} // namespace

bool ScriptedUi::InputQuery(const std::string& caption, const std::string& prompt, std::string& value)
{
    calls_.push_back({CallKind::InputQuery, prompt, caption, 0});
    const auto answer = Next(queries_);
    if (!answer)
        return false;
    value = *answer;
    return true;
}

bool ScriptedUi::OpenFileDialog(platform::TFileDialogInfo& info)
{
    calls_.push_back({CallKind::OpenFile, info.FileName, info.Title, 0});
    fileDialogs_.push_back(info);
    const auto answer = Next(files_);
    if (!answer)
        return false;
    info.FileName = *answer;
    return true;
}

bool ScriptedUi::ChooseColor(QColor& color, const std::vector<QColor>& customColors)
{
    calls_.push_back({CallKind::ChooseColor, "", "", 0});
    colorStarts_.push_back(color);
    customColors_ = customColors;
    if (colors_.empty())
        return false;
    const std::optional<QColor> answer = colors_.front();
    colors_.pop_front();
    if (!answer)
        return false;
    color = *answer;
    return true;
}

bool ScriptedUi::PrinterSetup(QPrinter& printer)
{
    calls_.push_back({CallKind::PrinterSetup, "", "", 0});
    return printerSetup_ && printerSetup_(printer);
}

bool ScriptedUi::SaveFileDialog(platform::TFileDialogInfo& info)
{
    calls_.push_back({CallKind::SaveFile, info.FileName, info.Title, 0});
    fileDialogs_.push_back(info);
    const auto answer = Next(files_);
    if (!answer)
        return false;
    info.FileName = *answer;
    return true;
}

bool ScriptedUi::ShellOpen(const std::string& file, const std::string& parameters)
{
    calls_.push_back({CallKind::ShellOpen, file, parameters, 0});
    shellOpens_.emplace_back(file, parameters);
    return shellAnswer_;
}

std::vector<ScriptedUi::Call> ScriptedUi::calls(CallKind kind) const
{
    std::vector<Call> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [kind](const Call& call) { return call.kind == kind; });
    return found;
}

} // namespace testsupport
