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
    // A prompt wider than the form widens it, so that it is never cut off.
    const int width = std::max(273, LabelText->width() + 16);
    setFixedSize(width, 114);
    EditText = new QLineEdit(this);
    EditText->setGeometry(8, 40, width - 16, 21);
    btnOk = new QPushButton(platform::ToQString(Spredit::Text9011), this);
    btnOk->setGeometry(width / 2 - 80, 80, 75, 25);
    btnOk->setDefault(true);
    btnOk->setEnabled(allowEmpty_);
    btnCancel = new QPushButton(platform::ToQString(Spredit::Text9008), this);
    btnCancel->setGeometry(width / 2, 80, 75, 25);
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
