#include "app/DlgMyInputQuery.h"

#include "app/Spredit.h"
#include "platform/Cp1252.h"
#include "platform/UiService.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include <algorithm>

bool IsBlankAnswer(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

TDlgMyInputQuery::TDlgMyInputQuery(QWidget* owner, const std::string& caption, const std::string& prompt,
                                   std::string* answer, bool allowEmpty)
    : QDialog(owner), answer_(answer), allowEmpty_(allowEmpty)
{
    setObjectName("DlgMyInputQuery");
    setWindowTitle(platform::ToQString(caption));

    LabelText = new QLabel(platform::ToQString(prompt), this);
    LabelText->move(8, 16);
    LabelText->adjustSize();
    EditText = new QLineEdit(this);
    btnOk = new QPushButton(platform::ToQString(Spredit::Text9011), this);
    btnCancel = new QPushButton(platform::ToQString(Spredit::Text9008), this);
    // A prompt or caption wider than the form widens it, a larger font makes it higher, so
    // that nothing is cut off.
    const int captionWidth = fontMetrics().horizontalAdvance(windowTitle()) + 100;
    const int width = std::max({273, LabelText->width() + 16, captionWidth});
    const int editTop = std::max(40, LabelText->y() + LabelText->height() + 6);
    const int editHeight = std::max(21, EditText->sizeHint().height());
    const QSize button(std::max({75, btnOk->sizeHint().width(), btnCancel->sizeHint().width()}),
                       std::max(25, btnOk->sizeHint().height()));
    const int buttonTop = editTop + editHeight + 19;
    setFixedSize(width, buttonTop + button.height() + 9);
    EditText->setGeometry(8, editTop, width - 16, editHeight);
    btnOk->setGeometry(width / 2 - button.width() - 5, buttonTop, button.width(), button.height());
    btnOk->setDefault(true);
    btnOk->setEnabled(allowEmpty_);
    btnCancel->setGeometry(width / 2, buttonTop, button.width(), button.height());
    btnCancel->setAutoDefault(false);
    setTabOrder(EditText, btnOk);
    setTabOrder(btnOk, btnCancel);

    connect(EditText, &QLineEdit::textChanged, this, [this] { EditTextChange(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { reject(); });
    EditText->setFocus();
}

int TDlgMyInputQuery::ShowModal()
{
    return platform::Ui().ShowModal(*this);
}

void TDlgMyInputQuery::EditTextChange()
{
    if (!allowEmpty_)
        btnOk->setEnabled(!IsBlankAnswer(platform::FromQString(EditText->text())));
}

void TDlgMyInputQuery::btnOkClick()
{
    if (answer_)
        *answer_ = platform::FromQString(EditText->text());
    done(1);
}

void TDlgMyInputQuery::reject()
{
    done(2);
}

void TDlgMyInputQuery::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (parentWidget() != nullptr)
        return;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<const QMainWindow*>(window) != nullptr && window->isVisible()) {
            move(window->frameGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
            return;
        }
}
