#pragma once

#include "app/OptionsDialogFactory.h"

// The program's options dialog, TDlgOptionen, for the device being edited.
class TOptionsDialogTalvoFactory final : public TOptionsDialogFactory {
public:
    std::unique_ptr<QDialog> Create(QWidget* owner, TDeviceInstanzTalvo* device, TEts2Cdi* link) const override;
};
