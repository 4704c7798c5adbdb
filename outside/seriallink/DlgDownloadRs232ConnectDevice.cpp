#include "outside/seriallink/DlgDownloadRs232ConnectDevice.h"

#include "outside/seriallink/DeviceTextsForm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TDlgDownloadRs232ConnectDevice::TDlgDownloadRs232ConnectDevice(const tagDownloadRs232Texts& texts, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Serieller Download"));
    auto* prompt = new QLabel(
        QStringLiteral("Bitte verbinden Sie das Gerät mit der seriellen Schnittstelle und bestätigen Sie mit OK."), this);
    prompt->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(MakeDeviceTextsForm(texts, this));
    layout->addWidget(buttons);
    setMinimumWidth(380);
}
