#pragma once

#include "dialogs/options/OptionsDialogTalvoFactory.h"
#include "platform/GermanLanguage.h"
#include "tests/app/FrameFixture.h"
#include "tests/support/TempDir.h"
#include "tests/tour/TourUi.h"
#include "views/FormVerw.h"
#include "views/PreviewManagerTalvoFactory.h"

#include <QJsonObject>
#include <QPixmap>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QDialog;
class QMenu;
class TDM;
class TDataBasis;
class TEts2Cdi_Extended1;
class TFormMain;
class TFormVerw;

namespace tour {

// How the program starts for a stop: its arguments, settings already in its settings file (as
// an installation has them), the serial-download settings beside the serial-download library
// (lines of its options section, which the build switches on) and the demo device the host hands
// it first (0: none).
struct TTourStart {
    struct TSetting {
        const char* Section;
        const char* Key;
        const char* Value;
    };
    std::vector<std::string> Arguments{"panelconf", "244_ID"};
    std::vector<TSetting> Settings;
    std::string SerialSettings;
    std::int32_t Device = 1;
};

// The program as the host runs it, in process and off screen: a fresh demo project made by
// `etshost init` in a temporary folder, the program's home there with the demo's data files, the
// data module and the main window with the program's own factories, and the host's
// EditParameters for the start's device. A stop of the tour acts on it as a user does and saves
// one picture.
class TTour {
public:
    TTour(const TTourStart& start, std::string picture);
    ~TTour();
    TTour(const TTour&) = delete;
    TTour& operator=(const TTour&) = delete;

    TFormMain& Main() const { return *main_; }
    TDM& Dm() const { return *dm_; }
    TTourUi& Ui() { return ui_; }
    // The first configuration window.
    TFormVerw& Window() const;

    // Triggers the command of the data module's action list; false when it is missing or
    // disabled.
    bool Trigger(const char* action) const;
    // Raises a host event with its arguments as the host sends them; the reply.
    QJsonObject Raise(const char* name, const std::vector<std::int64_t>& args);
    // Selects the device's data object of that name in the first configuration window.
    bool Select(const std::string& name) const;
    // The demo project's file.
    std::string Project() const { return folder_ + "demo.ets"; }
    // A file of that name in the stop's temporary folder.
    std::string File(const std::string& name) const { return folder_ + name; }

    // The device's data object of that name; null when there is none.
    TDataBasis* Object(const std::string& name) const;
    // Sets the value of the grid row with that caption through the cell's editor.
    bool SetCell(const std::string& assignment) const;

    // Saves the picture of the stop; a second one replaces the first.
    void Grab(const QPixmap& picture);
    // The whole screen with the window shown on it.
    void Grab(QWidget& window);
    // The whole screen with the window and a window of its own over it.
    void GrabWith(QWidget& window, QWidget& over);
    // The whole screen with the menu of the main menu opened where it drops down.
    void GrabMenu(const char* menu);
    bool Grabbed() const { return grabbed_; }

    // Runs the command; the first window it shows modally is prepared (may be null), grabbed and
    // closed with the answer (Escape: as the Escape key does).
    bool GrabModal(const char* action, const std::function<void(QWidget&)>& prepare = {},
                   int answer = TTourUi::Escape);

    static void Pump() { TTourUi::Pump(); }

private:
    // The program speaks German as its main function has it.
    const platform::TGermanLanguage german_;
    testsupport::TempDir dir_;
    std::string folder_;
    frametest::ScopedHome home_;
    std::string picture_;
    bool grabbed_ = false;
    TTourUi ui_;
    // The program's own windows, previews and options dialog, as its main function has them.
    const TFormVerwWindows windows_;
    const TPreviewManagerTalvoFactory previews_;
    const TOptionsDialogTalvoFactory options_;
    TEts2Cdi_Extended1* link_ = nullptr;
    std::unique_ptr<TDM> dm_;
    std::unique_ptr<TFormMain> main_;
};

} // namespace tour
