#pragma once

#include <memory>

class QDialog;
class QWidget;
class TDeviceInstanzTalvo;
class TEts2Cdi;

// Makes the options dialog for the device being edited; the command AOption shows it modally
// through the UI service and destroys it afterwards. The dialog applies its settings itself.
class TOptionsDialogFactory {
public:
    virtual ~TOptionsDialogFactory() = default;

    virtual std::unique_ptr<QDialog> Create(QWidget* owner, TDeviceInstanzTalvo* device, TEts2Cdi* link) const = 0;
};
