#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Asks for one line of text: the caption, a prompt above the field, Ok and Cancel. Ok writes the
// text as typed into the caller's answer and closes with 1; Cancel or closing the window closes
// with 2 and leaves the answer alone. When an empty answer is not allowed, Ok is enabled only
// while the text holds more than blanks and control characters.
class TDlgMyInputQuery : public QDialog {
    Q_OBJECT

public:
    TDlgMyInputQuery(QWidget* owner, const std::string& caption, const std::string& prompt, std::string* answer,
                     bool allowEmpty);

    // Shows the dialog modally; 1 (Ok) or 2 (Cancel).
    int ShowModal();

    void EditTextChange();
    void btnOkClick();
    void reject() override;

    QLabel* LabelText;
    QLineEdit* EditText;
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    // Without an owner the dialog is centred over the program's main window.
    void showEvent(QShowEvent* event) override;

private:
    std::string* answer_;
    bool allowEmpty_;
};

// Whether an input answer counts as empty: nothing but blanks and control characters.
bool IsBlankAnswer(const std::string& text);
