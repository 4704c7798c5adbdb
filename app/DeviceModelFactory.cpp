#include "app/DeviceModelFactory.h"

#include "device/product/DeviceInstanzTalvo.h"

std::unique_ptr<TDeviceInstanzTalvo> TDeviceModelFactory::Create(TMainWindowServices* mainForm,
                                                                 const DAL_DEVICE* device,
                                                                 TConfigWindowServices* window) const
{
    return std::make_unique<TDeviceInstanzTalvo>(mainForm, device, window);
}
