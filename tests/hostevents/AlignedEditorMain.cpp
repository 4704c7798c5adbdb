#include "app/DeviceModelFactory.h"
#include "app/Startup.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/FixedLook.h"
#include "platform/QtUiService.h"

#include <QApplication>

// The program as etshost starts it, with one stand-in: the device model's alignment with the
// project answers true, so that a stored device opens while the product's own alignment is
// not in the program.
namespace {

class TAlignedDevice final : public TDeviceInstanzTalvo {
public:
    using TDeviceInstanzTalvo::TDeviceInstanzTalvo;
    bool DatenAbgleich(bool /*first*/, bool /*second*/) override { return true; }
};

class TAlignedDevices final : public TDeviceModelFactory {
public:
    std::unique_ptr<TDeviceInstanzTalvo> Create(TMainWindowServices* mainForm, const DAL_DEVICE* device,
                                                TConfigWindowServices* window) const override
    {
        return std::make_unique<TAlignedDevice>(mainForm, device, window);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::ApplyFixedLook(application);
    platform::TQtUiService ui;
    const platform::TScopedUiService service(ui);
    const TAlignedDevices devices;
    TProgramFactories factories;
    factories.MainWindow.DeviceModels = &devices;
    return RunProgram(std::vector<std::string>(argv, argv + argc), factories);
}
