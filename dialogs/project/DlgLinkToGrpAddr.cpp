#include "dialogs/project/DlgLinkToGrpAddr.h"

#include "app/Spredit.h"
#include "dialogs/project/GrpAddrEdit.h"
#include "dialogs/project/GrpAddrValue.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TDlgLinkToGrpAddr::TDlgLinkToGrpAddr(QWidget* owner, int level, std::int16_t* main, std::int16_t* middle,
                                     std::int16_t* sub, std::string* name, const std::string& proposal)
    : QDialog(owner), level_(level), main_(main), middle_(middle), sub_(sub), name_(name), proposal_(proposal)
{
    LOG_FKT_START("TDlgLinkToGrpAddr::TDlgLinkToGrpAddr");
    setObjectName("DlgLinkToGrpAddr");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(293, 165);

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 8, 277, 113);
    LabelInfoText = new QLabel(this);
    LabelInfoText->setGeometry(16, 14, 261, 34);
    LabelGrpAddr = new QLabel(this);
    LabelGrpAddr->setGeometry(16, 58, 56, 17);
    EditGrpAddr = new TGrpAddrEdit(true, this);
    EditGrpAddr->setGeometry(80, 55, 197, 23);
    LabelGrpAddrName = new QLabel(this);
    LabelGrpAddrName->setGeometry(16, 89, 56, 17);
    EditGrpAddrName = new QLineEdit(this);
    EditGrpAddrName->setGeometry(80, 86, 197, 23);
    BtnOk = new QPushButton(this);
    BtnOk->setGeometry(122, 132, 79, 25);
    BtnCancel = new QPushButton(this);
    BtnCancel->setGeometry(206, 132, 79, 25);
    // Enter belongs to the fields: no button takes it as the default one.
    for (QPushButton* button : {BtnOk, BtnCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    setTabOrder(EditGrpAddr, EditGrpAddrName);
    setTabOrder(EditGrpAddrName, BtnOk);
    setTabOrder(BtnOk, BtnCancel);

    LadeDlgTexte();
    EditGrpAddr->setText(platform::ToQString(proposal_));
    EditGrpAddr->OnAction = [this] { BtnOkClick(); };
    connect(EditGrpAddrName, &QLineEdit::returnPressed, this, [this] { BtnOkClick(); });
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });
    EditGrpAddr->setFocus();
}

int TDlgLinkToGrpAddr::ShowModal()
{
    return platform::Ui().ShowModal(*this);
}

void TDlgLinkToGrpAddr::LadeDlgTexte()
{
    setWindowTitle(platform::ToQString(Spredit::Text9053));
    LabelInfoText->setText(platform::ToQString(Spredit::Text9054));
    LabelGrpAddr->setText(platform::ToQString(Spredit::Text9055));
    LabelGrpAddrName->setText(platform::ToQString(Spredit::Text9276));
    BtnOk->setText(platform::ToQString(Spredit::Text9011));
    BtnCancel->setText(platform::ToQString(Spredit::Text9008));
}

void TDlgLinkToGrpAddr::BtnOkClick()
{
    LOG_FKT_START("TDlgLinkToGrpAddr::BtnOkClick");
    // Address 0 stands for none in the records: it is never linked.
    TGrpAddrParts parts;
    if (!StringToGrpAddr(platform::FromQString(EditGrpAddr->text()), level_, true, parts))
        return;
    *main_ = parts.Main;
    *middle_ = parts.Middle;
    *sub_ = parts.Sub;
    *name_ = platform::FromQString(EditGrpAddrName->text());
    done(1);
}

void TDlgLinkToGrpAddr::BtnCancelClick()
{
    done(2);
}

void TDlgLinkToGrpAddr::reject()
{
    done(2);
}
