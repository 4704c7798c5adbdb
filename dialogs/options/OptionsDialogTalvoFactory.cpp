#include "dialogs/options/OptionsDialogTalvoFactory.h"

#include "device/product/DeviceInstanzTalvo.h"
#include "dialogs/options/DlgOptionen.h"

std::unique_ptr<QDialog> TOptionsDialogTalvoFactory::Create(QWidget* owner, TDeviceInstanzTalvo* device,
                                                            TEts2Cdi* link) const
{
    return std::make_unique<TDlgOptionen>(owner, link, device);
}
