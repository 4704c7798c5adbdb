#include "dialogs/project/GrpAddrEdit.h"

#include "dialogs/project/GrpAddrValue.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// Pasted text is judged as typed: what a key press would drop is dropped from it.
class TGrpAddrCharacters final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        for (int i = input.size() - 1; i >= 0; --i) {
            const char c = static_cast<char>(input.at(i).toLatin1());
            const TGrpAddrKeyDecision decision = FilterGrpAddrKey(c, false);
            if (input.at(i).unicode() > 0xFF || !decision.PassOn || c == '\b') {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            }
        }
        return Acceptable;
    }
};

// The character a key gives, as the filter sees it; 0 for keys that give none or that belong to
// the field's editing and the dialog.
char KeyCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return '\r';
    case Qt::Key_Backspace:
        return '\b';
    case Qt::Key_Escape: // the dialog's
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    const QChar c = text.at(0);
    return c.unicode() > 0xFF ? '\x7F' : static_cast<char>(c.toLatin1());
}

bool IsEditingShortcut(const QKeyEvent& event)
{
    for (const QKeySequence::StandardKey key : {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                                                QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (event.matches(key))
            return true;
    return false;
}

} // namespace

TGrpAddrEdit::TGrpAddrEdit(bool enterPassesOn, QWidget* parent) : QLineEdit(parent), enterPassesOn_(enterPassesOn)
{
    setValidator(new TGrpAddrCharacters(this));
}

void TGrpAddrEdit::keyPressEvent(QKeyEvent* event)
{
    const char c = IsEditingShortcut(*event) ? 0 : KeyCharacter(*event);
    if (c == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (OnKeyPress)
        OnKeyPress();
    const TGrpAddrKeyDecision decision = FilterGrpAddrKey(c, enterPassesOn_);
    if (decision.RunAction && OnAction)
        OnAction();
    if (decision.PassOn)
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}
