#include "app/FormMain.h"

#include "platform/TraceLog.h"

// The project tools opened from the main window: linking an object to a group address and the
// global-parameter wizard.

void TFormMain::CreateDlgLinkToGrpAddr()
{
    LOG_FKT_START("TFormMain::CreateDlgLinkToGrpAddr");
}

void TFormMain::CreateDlgGlobalParameter()
{
    LOG_FKT_START("TFormMain::CreateDlgGlobalParameter");
}
