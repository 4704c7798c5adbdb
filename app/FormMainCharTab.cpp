#include "app/FormMain.h"

#include "app/WindowLayout.h"

#include "device/product/DeviceInstanzTalvo.h"
#include "outside/viewkit/Zeichentabelle.h"
#include "platform/TraceLog.h"

#include <QScreen>

// The character table of the current device's character set.

void TFormMain::OpenCharTab()
{
    LOG_FKT_START("TFormMain::OpenCharTab");
    if (ZeichentabelleFenster) {
        ZeichentabelleFenster->raise();
        ZeichentabelleFenster->activateWindow();
        return;
    }
    if (AktDevInst == nullptr || AktDevInst->CharSetStream.Size() == 0)
        return;
    AktDevInst->CharSetStream.SetPosition(0);
    QWidget* table = Zeichentabelle(this, GetHandle(), AktDevInst->CharSetStream);
    // Over the main window, inside its screen.
    if (const QScreen* shown = screen(); table != nullptr && shown != nullptr) {
        const QSize frame = table->frameGeometry().size();
        const QRect place = CentredOver(frame, frameGeometry(), shown->availableGeometry());
        table->move(place.topLeft());
    }
}
