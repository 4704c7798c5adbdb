#include "app/FormMain.h"

#include "platform/TraceLog.h"

// The switching-time editors of the device being edited.

bool TFormMain::NeedDlgRaumtempSchaltuhr()
{
    LOG_FKT_START("TFormMain::NeedDlgRaumtempSchaltuhr");
    return false;
}

bool TFormMain::NeedDlgSchaltuhr()
{
    LOG_FKT_START("TFormMain::NeedDlgSchaltuhr");
    return false;
}

void TFormMain::ShowDlgRaumtempSchaltuhr()
{
    LOG_FKT_START("TFormMain::ShowDlgRaumtempSchaltuhr");
}

void TFormMain::ShowDlgSchaltuhr()
{
    LOG_FKT_START("TFormMain::ShowDlgSchaltuhr");
}
