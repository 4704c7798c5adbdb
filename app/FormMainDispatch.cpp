#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/FrameMessages.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/progresslib/DlgProgress.h"
#include "platform/TraceLog.h"
#include "views/FormVerwBase.h"
#include "views/PreviewManagerServices.h"
#include "views/ViewMessages.h"

namespace {

TFormVerwBase* WindowOf(platform::LPARAM lParam)
{
    return reinterpret_cast<TFormVerwBase*>(lParam);
}

} // namespace

platform::LRESULT TFormMain::Dispatch(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        ApplCloseOrHide(false, false, true, true, true);
        return 1;
    case WM_USER_SETMODIFIED:
        if (DM != nullptr)
            DM->fDataModified = true;
        return 0;
    case WM_USER_TIMEOUTSTART:
        TimeOutStart(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_USER_PREVIEWCLOSED:
        PreviewManager.reset();
        return 0;
    case WM_USER_PROGRESSCANCEL:
        if (lParam != 0) {
            fAbbruch = true;
            StopDlgProgress();
        }
        return 0;
    case WM_USER_FORMVERWCREATED:
        FormVerwCreated(WindowOf(lParam));
        return 0;
    case WM_USER_FORMVERWDESTROYED:
        FormVerwDestroyed(WindowOf(lParam));
        return 0;
    case WM_USER_FORMVERWACTIVATED:
        FormVerwActivated(WindowOf(lParam));
        return 0;
    case WM_USER_ABGLEICHFORMVERW:
        AbgleichFormVerw(FormVerw);
        return 0;
    case WM_USER_NEWFORMVERW:
        if (DM != nullptr)
            DM->AProjektierungsfensterExecute();
        return 0;
    case WM_USER_BUILDALLPROJECTFORMS:
        BuildAllProjectForms();
        return 0;
    case WM_USER_GETACCESSMODE:
        return DM != nullptr && DM->HighAccess() ? 1 : 0;
    default:
        return 0;
    }
}
