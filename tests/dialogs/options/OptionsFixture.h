#pragma once

#include "dialogs/options/DlgOptionen.h"
#include "tests/app/FrameFixture.h"
#include "tests/support/RecordingWindow.h"

#include <memory>
#include <string>

namespace optionstest {

// The main window on the demo project with device 1 (type 18) current, the host's ini with its
// four sections, firmware, device-text and character-set files in the program's folders, and a
// window that records what the dialog sends to the main window.
class OptionsFixture : public frametest::FrameFixture {
protected:
    OptionsFixture();

    // The dialog for the current device, loaded.
    std::unique_ptr<TDlgOptionen> Open();
    // Replaces the host's ini file.
    void WriteHostIni(const std::string& text) const;
    void Profile(const std::string& section, const std::string& key, const std::string& value) const;
    std::optional<std::string> ProfileValue(const std::string& section, const std::string& key) const;
    // Writes a file into the folder below the program's data folder ("Firmware", …).
    void DataFile(const std::string& folder, const std::string& name, const std::string& bytes) const;
    // The messages the dialog sent or posted (posted ones delivered first).
    std::vector<testsupport::RecordingWindow::Message> Messages() const;
    int Count(platform::UINT message) const;

    static const std::string StandardIni;

    TDeviceInstanzTalvo* Device = nullptr;
    testsupport::RecordingWindow Target;
};

// A character set of the code page, its version line first.
std::string CharacterSet(int codePage);

} // namespace optionstest
