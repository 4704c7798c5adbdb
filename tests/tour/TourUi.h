#pragma once

#include "platform/QtUiService.h"
#include "platform/UiService.h"

#include <QWidget>

#include <functional>
#include <string>

namespace tour {

// The UI service of the tour: every dialog and box the program runs modally is shown on screen
// without a loop of its own and handed to the handler, which may grab and fill it and answers for
// the user; then it closes. Progress dialogs are the program's own, handed to the progress
// handler at each step. Windows shown beside the program go to the handler too. Save and colour
// dialogs are cancelled, the shell opens nothing; the printer dialog prints into a file when told.
class TTourUi final : public platform::TUiService {
public:
    // The handler's answer that closes the window as Escape does: Cancel for a dialog, the
    // box's answer for No or Cancel.
    static constexpr int Escape = -1;

    using TModalHandler = std::function<int(QWidget& shown)>;
    using TProgressHandler = std::function<void(QWidget& progress, std::int32_t step)>;

    TTourUi() : scope_(*this) {}

    // Without a handler every window closes as with Escape.
    void OnModal(TModalHandler handler) { modal_ = std::move(handler); }
    void OnProgress(TProgressHandler handler) { progress_ = std::move(handler); }

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    int ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                             const std::string& file, std::int32_t line, const std::string& function,
                             unsigned style) override;
    platform::TCursor ScreenCursor() const override { return inner_.ScreenCursor(); }
    void SetScreenCursor(platform::TCursor cursor) override { inner_.SetScreenCursor(cursor); }
    void StartProgress(const platform::TProgressInfo& info, std::function<void()> onCancel) override;
    void SetProgress(std::int32_t step, const platform::TProgressInfo& info) override;
    void StopProgress() override { inner_.StopProgress(); }
    int ShowModal(QDialog& dialog) override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
    // The open dialog answers the file given here; without one it is cancelled.
    void AnswerOpenFile(std::string file) { openFile_ = std::move(file); }
    bool OpenFileDialog(platform::TFileDialogInfo& info) override;
    bool SaveFileDialog(platform::TFileDialogInfo&) override { return false; }
    // The printer dialog prints into the PDF file given here, as the user's choice of a file as
    // the printer; without one it is cancelled.
    void AnswerPrintToFile(std::string file) { printFile_ = std::move(file); }
    bool PrintDialog(QPrinter& printer) override;
    bool ChooseColor(QColor&, const std::vector<QColor>&) override { return false; }
    bool ShellOpen(const std::string&, const std::string&) override { return false; }
    // Shows the window and hands it to the handler; it stays open for its owner to close.
    void ShowWindow(QWidget& window) override;

    // Lets the shown windows paint and the posted events run.
    static void Pump();

private:
    // Shows the window, asks the handler and closes it; the handler's answer (Escape as given).
    int Present(QWidget& window);
    void HandProgress(std::int32_t step);

    platform::TQtUiService inner_{std::chrono::milliseconds{0}}; // the tour pictures every step
    TModalHandler modal_;
    TProgressHandler progress_;
    std::string openFile_;
    std::string printFile_;
    platform::TScopedUiService scope_;
};

} // namespace tour
