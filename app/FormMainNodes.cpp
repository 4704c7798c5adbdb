#include "app/FormMain.h"

#include "platform/TraceLog.h"
#include "views/FormVerwBase.h"

// The tree nodes the function managers ask the main window for.

bool TFormMain::MakeNode(TDataBasis* object, TDataBasis* parent, bool makeVisible)
{
    LOG_FKT_START_LEVEL("TFormMain::MakeNode", 256);
    if (FormVerw != nullptr)
        FormVerw->AddChildNode2Data(parent, object, makeVisible);
    return true;
}
