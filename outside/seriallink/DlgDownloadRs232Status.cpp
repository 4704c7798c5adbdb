#include "outside/seriallink/DlgDownloadRs232Status.h"

#include "platform/Cp1252.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

enum : int { AnswerOk = 1, AnswerNext = 6, AnswerEnd = 7 };

} // namespace

TDlgDownloadRs232Status::TDlgDownloadRs232Status(bool success, const std::string& text, bool continueMode,
                                                 QWidget* parent)
    : QDialog(parent), continueMode_(continueMode)
{
    setWindowTitle(QStringLiteral("Serieller Download"));
    auto* icon = new QLabel(this);
    const QStyle::StandardPixmap kind = success ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxCritical;
    icon->setPixmap(style()->standardIcon(kind).pixmap(32, 32));
    auto* message = new QLabel(platform::ToQString(text), this);
    message->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(message, 1);

    auto* buttons = new QDialogButtonBox(this);
    if (continueMode) {
        QPushButton* next = buttons->addButton(QStringLiteral("Nächstes Gerät"), QDialogButtonBox::AcceptRole);
        QPushButton* end = buttons->addButton(QStringLiteral("Beenden"), QDialogButtonBox::RejectRole);
        connect(next, &QPushButton::clicked, this, [this] { done(AnswerNext); });
        connect(end, &QPushButton::clicked, this, [this] { done(AnswerEnd); });
        next->setDefault(true);
    } else {
        QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
        connect(ok, &QPushButton::clicked, this, [this] { done(AnswerOk); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(340);
}

int TDlgDownloadRs232Status::Answer(int resultCode) const
{
    if (resultCode == AnswerOk || resultCode == AnswerNext || resultCode == AnswerEnd)
        return resultCode;
    return continueMode_ ? AnswerEnd : AnswerOk;
}
