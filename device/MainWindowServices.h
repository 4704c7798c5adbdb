#pragma once

// The main window as the device model sees it. The model keeps it but never owns it; the
// operations it calls are added here with the code that calls them.
class TMainWindowServices {
protected:
    TMainWindowServices() = default;
    TMainWindowServices(const TMainWindowServices&) = default;
    TMainWindowServices& operator=(const TMainWindowServices&) = default;
    ~TMainWindowServices() = default;
};
