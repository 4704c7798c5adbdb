#pragma once

#include "views/FormVerwBase.h"
#include "views/FormVerwFactory.h"

class QLabel;

// The configuration window the main window shows while the program has no other: an empty MDI
// child with the window's caption and number, which keeps the device model it is given.
class TFormVerwPlaceholder final : public TFormVerwBase {
public:
    TFormVerwPlaceholder(QWidget* owner, int windowNumber);

    int GetWindowNumber() const override { return Number; }
    void SetDeviceInstanz(TDeviceInstanz* device) override;
    TDeviceInstanz* GetDeviceInstanz() const { return Device; }

private:
    int Number;
    TDeviceInstanz* Device = nullptr;
    QLabel* Text;
};

class TFormVerwPlaceholderFactory final : public TFormVerwFactory {
public:
    TFormVerwBase* Create(QWidget* owner, int windowNumber) const override;
};
