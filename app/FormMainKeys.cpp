#include "app/FormMain.h"

#include "app/DataModule.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/TraceLog.h"
#include "views/FormVerwRules.h"

#include <QKeyEvent>
#include <QMdiArea>

// The main window's keys and shortcuts, and small services of the main window.

namespace {

constexpr std::uint16_t VK_F1 = 112;

} // namespace

void TFormMain::FormKeyDown(std::uint16_t& key, Qt::KeyboardModifiers /*shift*/)
{
    LOG_FKT_START("TFormMain::FormKeyDown");
    if (key != VK_F1 || DM == nullptr)
        return;
    DM->A_DeviceHelpExecute();
    key = 0; // used up

}

void TFormMain::FormShortCut(const QKeyEvent& key, bool& handled)
{
    LOG_FKT_START("TFormMain::FormShortCut");
    handled = false;
    if (DM != nullptr)
        DM->OnShortCut(key, handled);
}

void TFormMain::OpenDialogShow(QWidget* dialog)
{
    LOG_FKT_START("TFormMain::OpenDialogShow");
    if (dialog == nullptr)
        return;
    dialog->raise();
    dialog->activateWindow();
}

bool TFormMain::LoadGrpAdr()
{
    LOG_FKT_START("TFormMain::LoadGrpAdr");
    return AktDevInst != nullptr && AktDevInst->LoadGrpAdr() != nullptr;
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    // A key a configuration window left unused reaches the MDI area on its way up: the command
    // list may take it as a shortcut; the main window's own key handling is not for it.
    if (watched == MdiArea && event->type() == QEvent::KeyPress) {
        bool handled = false;
        RunGuarded("TFormMain", [this, event, &handled] { FormShortCut(*static_cast<QKeyEvent*>(event), handled); });
        if (handled) {
            event->accept();
            return true;
        }
        KeyOfWindows = {event, static_cast<QKeyEvent*>(event)->timestamp()};
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::keyPressEvent(QKeyEvent* event)
{
    if (event == KeyOfWindows.first && event->timestamp() == KeyOfWindows.second) {
        KeyOfWindows = {};
        QMainWindow::keyPressEvent(event);
        return;
    }
    bool handled = false;
    RunGuarded("TFormMain", [this, event, &handled] {
        FormShortCut(*event, handled);
        if (handled)
            return;
        std::uint16_t key = static_cast<std::uint16_t>(views::VirtualKeyOf(event->key()));
        if (key == 0)
            return;
        FormKeyDown(key, event->modifiers());
        handled = key == 0;
    });
    if (handled)
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}
