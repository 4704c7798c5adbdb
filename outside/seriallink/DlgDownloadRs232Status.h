#pragma once

#include <QDialog>

#include <string>

// The result of one transfer. In continue mode the user chooses between the next device (6) and
// the end (7); otherwise there is OK (1). Closing it counts as the end, or as OK.
class TDlgDownloadRs232Status final : public QDialog {
public:
    // The text is 8-bit (code page 1252).
    TDlgDownloadRs232Status(bool success, const std::string& text, bool continueMode, QWidget* parent = nullptr);

    // The answer for the dialog's result code.
    int Answer(int resultCode) const;

private:
    bool continueMode_;
};
