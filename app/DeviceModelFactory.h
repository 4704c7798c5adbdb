#pragma once

#include <memory>

class TConfigWindowServices;
class TDeviceInstanzTalvo;
class TMainWindowServices;
struct DAL_DEVICE;

// Makes the device models of the main window: TDeviceInstanzTalvo unless a subclass says
// otherwise.
class TDeviceModelFactory {
public:
    virtual ~TDeviceModelFactory() = default;

    // The model of the host device whose record is given, with the main window and the
    // active configuration window (none when there is none).
    virtual std::unique_ptr<TDeviceInstanzTalvo> Create(TMainWindowServices* mainForm, const DAL_DEVICE* device,
                                                        TConfigWindowServices* window) const;
};
