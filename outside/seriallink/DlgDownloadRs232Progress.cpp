#include "outside/seriallink/DlgDownloadRs232Progress.h"

#include "outside/seriallink/DeviceTextsForm.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TDlgDownloadRs232Progress::TDlgDownloadRs232Progress(const tagDownloadRs232Texts& texts, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Serieller Download"));
    auto* heading = new QLabel(QStringLiteral("Das Gerät wird über die serielle Schnittstelle programmiert..."), this);
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0); // busy: the transfer reports no steps

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(MakeDeviceTextsForm(texts, this));
    layout->addWidget(bar);
    setMinimumWidth(380);
}
