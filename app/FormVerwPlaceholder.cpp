#include "app/FormVerwPlaceholder.h"

#include "app/Spredit.h"
#include "device/DeviceInstanz.h"
#include "platform/Cp1252.h"

#include <QLabel>
#include <QVBoxLayout>

TFormVerwPlaceholder::TFormVerwPlaceholder(QWidget* owner, int windowNumber)
    : TFormVerwBase(owner), Number(windowNumber), Text(new QLabel(this))
{
    std::string caption = Spredit::Text9246;
    if (windowNumber > 0)
        caption += ":" + std::to_string(windowNumber);
    setWindowTitle(platform::ToQString(caption));
    auto* layout = new QVBoxLayout(this);
    Text->setAlignment(Qt::AlignCenter);
    layout->addWidget(Text);
    resize(400, 260);
}

void TFormVerwPlaceholder::SetDeviceInstanz(TDeviceInstanz* device)
{
    Device = device;
    std::string name;
    try {
        if (device != nullptr)
            name = device->GetDeviceName();
    } catch (const std::exception&) {
        // A device without its type parameter has no name to show.
    }
    Text->setText(platform::ToQString(name));
}

TFormVerwBase* TFormVerwPlaceholderFactory::Create(QWidget* owner, int windowNumber) const
{
    return new TFormVerwPlaceholder(owner, windowNumber);
}
