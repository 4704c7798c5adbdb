#include "outside/seriallink/DlgDownloadRs232Options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace {

// Selects the item that carries the value, adding one with the label when none does.
void SelectValue(QComboBox& box, int value, const QString& label)
{
    int index = box.findData(value);
    if (index < 0) {
        box.addItem(label, value);
        index = box.count() - 1;
    }
    box.setCurrentIndex(index);
}

} // namespace

TDlgDownloadRs232Options::TDlgDownloadRs232Options(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Serieller Download - Optionen"));

    auto* line = new QGroupBox(QStringLiteral("Schnittstelle"), this);
    auto* lineForm = new QFormLayout(line);
    port_ = new QSpinBox(line);
    port_->setRange(0, std::numeric_limits<std::uint16_t>::max());
    port_->setPrefix(QStringLiteral("COM"));
    lineForm->addRow(QStringLiteral("Anschluss:"), port_);
    baud_ = new QComboBox(line);
    for (const int rate : {9600, 19200, 38400, 57600, 115200})
        baud_->addItem(QString::number(rate), rate);
    lineForm->addRow(QStringLiteral("Baudrate:"), baud_);
    line_ = new QSpinBox(line);
    line_->setRange(std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
    lineForm->addRow(QStringLiteral("Leitungsparameter:"), line_);

    auto* download = new QGroupBox(QStringLiteral("Download"), this);
    auto* downloadLayout = new QVBoxLayout(download);
    mode_ = new QComboBox(download);
    mode_->addItem(QStringLiteral("Physikalische Adresse programmieren"), 1);
    mode_->addItem(QStringLiteral("Gerät auslesen und Applikation laden"), 2);
    mode_->addItem(QStringLiteral("Adresse programmieren und Applikation laden"), 3);
    mode_->addItem(QStringLiteral("Nur Applikation laden"), 4);
    downloadLayout->addWidget(mode_);
    continue_ = new QCheckBox(QStringLiteral("Mehrere Geräte nacheinander programmieren"), download);
    ask_ = new QCheckBox(QStringLiteral("Vor jedem Gerät nach dem Anschluss fragen"), download);
    sound_ = new QCheckBox(QStringLiteral("Signalton nach dem Download"), download);
    downloadLayout->addWidget(continue_);
    downloadLayout->addWidget(ask_);
    downloadLayout->addWidget(sound_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line);
    layout->addWidget(download);
    layout->addWidget(buttons);
}

void TDlgDownloadRs232Options::SetOptions(const tagDownloadRs232Options& options)
{
    given_ = options;
    port_->setValue(options.ComPort);
    SelectValue(*baud_, static_cast<int>(options.Baud), QString::number(options.Baud));
    line_->setValue(options.LineSetting);
    SelectValue(*mode_, options.DownloadMode, QStringLiteral("Modus %1").arg(options.DownloadMode));
    continue_->setChecked(options.ContinueMode);
    ask_->setChecked(options.AskForConnection);
    sound_->setChecked(options.Sound);
}

tagDownloadRs232Options TDlgDownloadRs232Options::Options() const
{
    tagDownloadRs232Options options = given_;
    options.ComPort = static_cast<std::uint16_t>(port_->value());
    options.Baud = baud_->currentData().toUInt();
    options.LineSetting = static_cast<std::int16_t>(line_->value());
    options.DownloadMode = static_cast<std::int16_t>(mode_->currentData().toInt());
    options.ContinueMode = continue_->isChecked();
    options.AskForConnection = ask_->isChecked();
    options.Sound = sound_->isChecked();
    return options;
}
