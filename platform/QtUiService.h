#pragma once

#include "platform/UiService.h"

#include <QPointer>
#include <QProgressDialog>

#include <chrono>

class QMessageBox;

namespace platform {

// Caption, text, icon and buttons of a message box of the style (MB_…), the first button the
// default one.
void SetUpMessageBox(QMessageBox& box, const std::string& text, const std::string& caption, unsigned style);
// Widens the box so that its caption is not cut off; again after anything that lays it out anew
// (a detail text).
void FitMessageBoxCaption(QMessageBox& box);

// The program's UI service: Qt message boxes, the override cursor and a modal progress dialog.
// Needs a QApplication.
class TQtUiService final : public TUiService {
public:
    // Work that ends within this time shows no progress dialog and lets no events run.
    static constexpr std::chrono::milliseconds DefaultProgressDelay{500};

    explicit TQtUiService(std::chrono::milliseconds progressDelay = DefaultProgressDelay)
        : progressDelay_(progressDelay)
    {
    }
    ~TQtUiService() override;
    TQtUiService(const TQtUiService&) = delete;
    TQtUiService& operator=(const TQtUiService&) = delete;

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    int ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                             const std::string& file, std::int32_t line, const std::string& function,
                             unsigned style) override;
    TCursor ScreenCursor() const override { return cursor_; }
    void SetScreenCursor(TCursor cursor) override;
    void StartProgress(const TProgressInfo& info, std::function<void()> onCancel) override;
    void SetProgress(std::int32_t step, const TProgressInfo& info) override;
    void StopProgress() override;
    int ShowModal(QDialog& dialog) override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
    bool OpenFileDialog(TFileDialogInfo& info) override;
    bool PrinterSetup(QPrinter& printer) override;
    bool SaveFileDialog(TFileDialogInfo& info) override;
    bool ChooseColor(QColor& color, const std::vector<QColor>& customColors) override;
    void ShowWindow(QWidget& window) override;
    bool PrintDialog(QPrinter& printer) override;
    bool ShellOpen(const std::string& file, const std::string& parameters) override;

private:
    void ShowProgressTexts(const TProgressInfo& info);

    const std::chrono::milliseconds progressDelay_;
    TCursor cursor_ = crDefault;
    QPointer<QProgressDialog> progress_;
    std::function<void()> onCancel_;
};

} // namespace platform
