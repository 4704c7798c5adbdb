#include "app/FormMain.h"

#include "app/DlgJumpToObj.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/addrlink/EtsObjekt.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"

// Go to a communication object by its number.

void TFormMain::JumpToObject()
{
    LOG_FKT_START("TFormMain::JumpToObject");
    TDlgJumpToObj dialog(this);
    if (platform::Ui().ShowModal(dialog) != platform::IDOK)
        return;
    bool selected = false;
    const int number = dialog.ObjectNumber();
    if (number >= 0 && AktDevInst != nullptr)
        if (TEtsObjekt* object = AktDevInst->GetObjectFromObjectNr(number); object != nullptr && FormVerw != nullptr) {
            FormVerw->SelectNode(object);
            selected = true;
        }
    if (!selected)
        ShowMessageBox(Spredit::Text9120, Spredit::Text9269, platform::MB_OK);
}
