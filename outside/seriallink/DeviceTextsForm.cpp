#include "outside/seriallink/DeviceTextsForm.h"

#include "outside/seriallink/SerialLinkAnswers.h"
#include "platform/Cp1252.h"

#include <QFormLayout>
#include <QLabel>
#include <QWidget>

namespace {

QString Field(const char* field, std::size_t size)
{
    return platform::ToQString(seriallink::FieldText(field, size));
}

} // namespace

QWidget* MakeDeviceTextsForm(const tagDownloadRs232Texts& texts, QWidget* parent)
{
    auto* form = new QWidget(parent);
    auto* layout = new QFormLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(QStringLiteral("Physikalische Adresse:"), new QLabel(Field(texts.PhysAddr, sizeof texts.PhysAddr), form));
    layout->addRow(QStringLiteral("Vorgang:"), new QLabel(Field(texts.Text, sizeof texts.Text), form));
    layout->addRow(QStringLiteral("Gerät:"), new QLabel(Field(texts.DeviceName, sizeof texts.DeviceName), form));
    const QString extra = Field(texts.Extra, sizeof texts.Extra);
    if (!extra.isEmpty())
        layout->addRow(QString(), new QLabel(extra, form));
    return form;
}
