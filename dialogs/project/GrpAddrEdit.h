#pragma once

#include <QLineEdit>

#include <functional>

class QKeyEvent;

// The address field of the group-address dialogs: takes digits, Backspace and the separators
// "/ .,-" and drops every other character, typed or pasted; Enter runs the dialog's action and
// reaches the field afterwards only where the dialog wants it so.
class TGrpAddrEdit : public QLineEdit {
    Q_OBJECT

public:
    TGrpAddrEdit(bool enterPassesOn, QWidget* parent);

    // Runs for Enter.
    std::function<void()> OnAction;
    // Runs first for every character key.
    std::function<void()> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool enterPassesOn_;
};
