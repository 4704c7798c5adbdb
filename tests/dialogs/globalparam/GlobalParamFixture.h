#pragma once

#include "dialogs/project/DlgGlobalParameter.h"
#include "dialogs/project/GlobalParameterMainWindow.h"
#include "platform/MemoryStream.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

class TDeviceInstanz;

namespace globalparamtest {

// The main window as the wizard sees it: it hands WM_USER_GLOBALPARAMETERINITDATA to the open
// step-1 dialog as the hub does, and keeps the backups it is asked to write.
class FakeMainWindow final : public TGlobalParameterMainWindow {
public:
    FakeMainWindow();

    platform::HWND GlobalParameterWindow() const override { return registration_.Handle(); }
    TDeviceInstanz* GlobalParameterDevice() const override { return Device; }
    std::string GlobalParameterProgramFolder() const override { return Folder; }
    bool SaveGlobalParameterToFile(const platform::TMemoryStream& stream, const std::string& fileName) override;

    TDlgGlobalParameter* Dialog = nullptr;
    TDeviceInstanz* Device = nullptr;
    std::string Folder;
    // The files written, by name; a write fails while FailBackups is set.
    std::map<std::string, std::string> Backups;
    bool FailBackups = false;
    int InitDataCalls = 0;

private:
    platform::TWindowRegistration registration_;
};

// Writes the picture of a widget under the global-parameter screenshots.
void SaveScreenshot(QWidget& widget, const char* name);
std::string ScreenshotFolder();

} // namespace globalparamtest
