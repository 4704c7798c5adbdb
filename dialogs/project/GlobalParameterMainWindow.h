#pragma once

#include "platform/WindowMessages.h"

#include <string>

class TDeviceInstanz;

namespace platform {
class TMemoryStream;
}

// What the global-parameter wizard needs of the main window: its handle (target of
// WM_USER_GLOBALPARAMETERINITDATA), the device model being edited, the program's folder and the
// writing of a backup file.
class TGlobalParameterMainWindow {
public:
    virtual ~TGlobalParameterMainWindow() = default;

    virtual platform::HWND GlobalParameterWindow() const = 0;
    // The device model being edited, or none.
    virtual TDeviceInstanz* GlobalParameterDevice() const = 0;
    // The program's folder, ending in "/".
    virtual std::string GlobalParameterProgramFolder() const = 0;
    // Writes the whole stream to the file, creating missing folders; false (after a message)
    // when it was not written.
    virtual bool SaveGlobalParameterToFile(const platform::TMemoryStream& stream, const std::string& fileName) = 0;
};
