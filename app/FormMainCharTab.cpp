#include "app/FormMain.h"

#include "device/product/DeviceInstanzTalvo.h"
#include "outside/viewkit/Zeichentabelle.h"
#include "platform/TraceLog.h"

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
    Zeichentabelle(this, GetHandle(), AktDevInst->CharSetStream);
}
