#include "app/FDlgImport.h"

#include "app/Spredit.h"
#include "platform/Cp1252.h"

#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

QRadioButton* BoldRadioButton(QWidget* owner)
{
    auto* button = new QRadioButton(owner);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

QLabel* WrappedLabel(QWidget* owner)
{
    auto* label = new QLabel(owner);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TFDlgImport::TFDlgImport(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("FDlgImport"));
    setFixedSize(452, 258);
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 436, 201);
    RBWithoutGroupAddress = BoldRadioButton(this);
    RBWithoutGroupAddress->setGeometry(20, 18, 412, 20);
    LabelOhneGa = WrappedLabel(this);
    LabelOhneGa->setGeometry(38, 42, 394, 52);
    RBWithGroupAddress = BoldRadioButton(this);
    RBWithGroupAddress->setGeometry(20, 108, 412, 20);
    LabelMitGa = WrappedLabel(this);
    LabelMitGa->setGeometry(38, 132, 394, 68);
    ButtonHelp = new QPushButton(this);
    ButtonHelp->setGeometry(8, 221, 75, 25);
    ButtonHelp->setVisible(false);
    ButtonHelp->setEnabled(false);
    ButtonOk = new QPushButton(this);
    ButtonOk->setGeometry(282, 221, 75, 25);
    ButtonOk->setDefault(true);
    ButtonCancel = new QPushButton(this);
    ButtonCancel->setGeometry(369, 221, 75, 25);
    ButtonCancel->setAutoDefault(false);
    connect(ButtonOk, &QPushButton::clicked, this, [this] { done(1); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { done(2); });
    RBWithoutGroupAddress->setChecked(true);
    LadeTexte();
    ButtonOk->setFocus();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFDlgImport::LadeTexte()
{
    setWindowTitle(platform::ToQString(Spredit::Text9317));
    RBWithoutGroupAddress->setText(platform::ToQString(Spredit::Text9314));
    LabelOhneGa->setText(platform::ToQString(Spredit::Text9316));
    RBWithGroupAddress->setText(platform::ToQString(Spredit::Text9313));
    LabelMitGa->setText(platform::ToQString(Spredit::Text9315));
    ButtonHelp->setText(platform::ToQString(Spredit::Text9012));
    ButtonOk->setText(platform::ToQString(Spredit::Text9011));
    ButtonCancel->setText(platform::ToQString(Spredit::Text9008));
}

bool TFDlgImport::WithGroupAddresses() const
{
    return RBWithGroupAddress->isChecked();
}
