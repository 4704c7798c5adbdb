#pragma once

#include "platform/UiService.h"

#include <QColor>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
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
    enum class CallKind {
        MessageBox,
        DetailBox,
        Cursor,
        ProgressStart,
        ProgressStep,
        ProgressStop,
        Modal,
        InputQuery,
        OpenFile,
        SaveFile,
        ShellOpen,
        ChooseColor,
        PrinterSetup,
    };
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
    // Modal dialogs are handed to the handler, which answers for the user (it may fill the
    // dialog first); without one they answer 2 (Cancel) unshown.
    void OnModal(std::function<int(QDialog&)> handler) { modal_ = std::move(handler); }
    // The printer set-up answers through the handler, which may set the printer up; without
    // one it is cancelled.
    void OnPrinterSetup(std::function<bool(QPrinter&)> handler) { printerSetup_ = std::move(handler); }
    // The next input queries and file dialogs take these answers in order: a text is OK with
    // that value, none is Cancel. Without a scripted answer they are cancelled.
    void AnswerQuery(std::optional<std::string> answer) { queries_.push_back(std::move(answer)); }
    void AnswerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    // The next colour dialogs take these answers in order: a colour is OK with it, none is
    // Cancel. Without a scripted answer they are cancelled.
    void AnswerColor(std::optional<QColor> color) { colors_.push_back(color); }
    // The answer of every shell open from now on.
    void ShellOpenAnswer(bool succeeds) { shellAnswer_ = succeeds; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    int ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                             const std::string& file, std::int32_t line, const std::string& function,
                             unsigned style) override;
    platform::TCursor ScreenCursor() const override { return cursor_; }
    void SetScreenCursor(platform::TCursor cursor) override;
    void StartProgress(const platform::TProgressInfo& info, std::function<void()> onCancel) override;
    void SetProgress(std::int32_t step, const platform::TProgressInfo& info) override;
    void StopProgress() override;
    int ShowModal(QDialog& dialog) override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
    bool OpenFileDialog(platform::TFileDialogInfo& info) override;
    bool SaveFileDialog(platform::TFileDialogInfo& info) override;
    bool ShellOpen(const std::string& file, const std::string& parameters) override;
    bool ChooseColor(QColor& color, const std::vector<QColor>& customColors) override;
    bool PrinterSetup(QPrinter& printer) override;

    // Files and parameters the shell was asked to open, in order.
    const std::vector<std::pair<std::string, std::string>>& shellOpens() const { return shellOpens_; }
    // The file dialogs shown, as they were set up.
    const std::vector<platform::TFileDialogInfo>& fileDialogs() const { return fileDialogs_; }

    // The colours the colour dialogs started on, and their custom colours, in order.
    const std::vector<QColor>& colorStarts() const { return colorStarts_; }
    const std::vector<QColor>& customColors() const { return customColors_; }

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
    std::function<int(QDialog&)> modal_;
    std::function<bool(QPrinter&)> printerSetup_;
    std::deque<std::optional<std::string>> queries_;
    std::deque<std::optional<std::string>> files_;
    std::deque<std::optional<QColor>> colors_;
    std::vector<QColor> colorStarts_;
    std::vector<QColor> customColors_;
    bool shellAnswer_ = true;
    std::vector<std::pair<std::string, std::string>> shellOpens_;
    std::vector<platform::TFileDialogInfo> fileDialogs_;
    platform::TScopedUiService scope_;
};

} // namespace testsupport
