#pragma once

#include "device/DataModuleServices.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QMdiArea>

#include <string>

namespace previewtest {

// A data module whose settings file lies in a temporary folder.
class SettingsDataModule final : public TDataModuleServices {
public:
    SettingsDataModule() : ini_(dir_.file("panelconf.ini")) {}
    void GetLongExeName(std::string& out) const override { out = dir_.file("panelconf"); }
    std::string GetIniFileName() const override { return ini_; }
    std::string GetBlobFileDir() const override { return {}; }
    std::string GetCharSetFileName() const override { return {}; }
    std::string GetDeviceTextFileName() const override { return {}; }
    void StartTimerAutoSave(bool) override {}

    const testsupport::TempDir& Dir() const { return dir_; }

private:
    testsupport::TempDir dir_;
    std::string ini_;
};

// The main window as the preview sees it: an MDI area in the middle and the command
// "APreviewAlwaysOnTop" among its actions; shown.
class Frame : public QMainWindow {
public:
    Frame();
    QMdiArea* Area() const { return area_; }
    QAction* AlwaysOnTop() const { return alwaysOnTop_; }

private:
    QMdiArea* area_;
    QAction* alwaysOnTop_;
};

// A plain picture of that size and colour (0x00BBGGRR).
QImage Picture(int width, int height, unsigned rgb = 0x808080);

} // namespace previewtest
