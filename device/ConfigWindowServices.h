#pragma once

// A configuration window as the device model sees it. The model keeps the active one but
// never owns it; the operations it calls are added here with the code that calls them.
class TConfigWindowServices {
protected:
    TConfigWindowServices() = default;
    TConfigWindowServices(const TConfigWindowServices&) = default;
    TConfigWindowServices& operator=(const TConfigWindowServices&) = default;
    ~TConfigWindowServices() = default;
};
