#include "app/DlgJumpToObj.h"

#include "app/Spredit.h"
#include "platform/Cp1252.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TDlgJumpToObj::TDlgJumpToObj(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("DlgJumpToObj"));
    setFixedSize(194, 98);
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 178, 49);
    LblObjectNumber = new QLabel(this);
    LblObjectNumber->setGeometry(16, 14, 162, 16);
    EditObjNr = new QLineEdit(this);
    EditObjNr->setGeometry(16, 30, 162, 21);
    BtnOk = new QPushButton(this);
    BtnOk->setGeometry(16, 65, 75, 25);
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(this);
    BtnCancel->setGeometry(103, 65, 75, 25);
    BtnCancel->setAutoDefault(false);
    connect(BtnOk, &QPushButton::clicked, this, [this] { done(1); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { done(2); });
    LadeTexte();
    EditObjNr->setFocus();
}

void TDlgJumpToObj::LadeTexte()
{
    setWindowTitle(platform::ToQString(Spredit::Text9269));
    LblObjectNumber->setText(platform::ToQString(Spredit::Text9270));
    BtnOk->setText(platform::ToQString(Spredit::Text9011));
    BtnCancel->setText(platform::ToQString(Spredit::Text9008));
}

int TDlgJumpToObj::ObjectNumber() const
{
    bool ok = false;
    const int number = EditObjNr->text().toInt(&ok, 10);
    return ok ? number : -1;
}
