#pragma once

#include "platform/UiService.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Records every call of the UI service and answers from a script; installed for its own lifetime.
// Message boxes take the scripted answers in order, then their first button; detail boxes answer
// OK; the cursor is only remembered; a progress dialog is cancelled at a scripted step.
class ScriptedUi final : public platform::TUiService {
public:
    struct Box {
        std::string text;
        std::string caption;
        unsigned style = 0;
    };
    struct DetailBox {
        std::string text;
        std::string caption;
        std::string detail;
        std::string file;
        std::int32_t line = 0;
        std::string function;
        unsigned style = 0;
    };
    enum class CallKind { MessageBox, DetailBox, Cursor, ProgressStart, ProgressStep, ProgressStop };
    // One call in the order made. Texts and style as given; `value` is the cursor or the step.
    struct Call {
        CallKind kind;
        std::string text;
        std::string caption;
        unsigned style = 0;
        std::int32_t value = 0;
        std::int32_t stepCount = 0;
    };

    ScriptedUi() : scope_(*this) {}

    // The next message boxes take these answers, in order.
    void Answer(std::initializer_list<int> answers) { answers_.insert(answers_.end(), answers); }
    // The open progress dialog is cancelled when it is asked to show this step.
    void CancelProgressAtStep(std::int32_t step) { cancelAtStep_ = step; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    int ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                             const std::string& file, std::int32_t line, const std::string& function,
                             unsigned style) override;
    platform::TCursor ScreenCursor() const override { return cursor_; }
    void SetScreenCursor(platform::TCursor cursor) override;
    void StartProgress(const platform::TProgressInfo& info, std::function<void()> onCancel) override;
    void SetProgress(std::int32_t step, const platform::TProgressInfo& info) override;
    void StopProgress() override;

    const std::vector<Box>& boxes() const { return boxes_; }
    const std::vector<DetailBox>& detailBoxes() const { return detailBoxes_; }
    const std::vector<Call>& calls() const { return calls_; }
    // The calls of one kind, in order.
    std::vector<Call> calls(CallKind kind) const;
    bool progressOpen() const { return progressOpen_; }

private:
    std::deque<int> answers_;
    std::vector<Box> boxes_;
    std::vector<DetailBox> detailBoxes_;
    std::vector<Call> calls_;
    platform::TCursor cursor_ = platform::crDefault;
    bool progressOpen_ = false;
    std::function<void()> onCancel_;
    std::int32_t cancelAtStep_ = -1;
    platform::TScopedUiService scope_;
};

} // namespace testsupport
