#include "app/FormMain.h"

#include "platform/TraceLog.h"
#include "views/FormVerwBase.h"

#include <QMdiArea>
#include <QMdiSubWindow>

// The tree nodes the function managers ask the main window for.

bool TFormMain::MakeNode(TDataBasis* object, TDataBasis* parent, bool makeVisible)
{
    LOG_FKT_START_LEVEL("TFormMain::MakeNode", 256);
    QMdiSubWindow* active = MdiArea ? MdiArea->currentSubWindow() : nullptr;
    if (auto* window = active ? dynamic_cast<TFormVerwBase*>(active->widget()) : nullptr)
        window->AddChildNode2Data(parent, object, makeVisible);
    return true;
}
