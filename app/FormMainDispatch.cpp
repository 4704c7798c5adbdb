#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/FrameMessages.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/EibHandle.h"
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

template <class T>
platform::LRESULT Pointer(T* pointer)
{
    return reinterpret_cast<platform::LRESULT>(pointer);
}

// System in the high 16 bits of wParam, Parent in the low ones (65535: any parent).
std::int32_t SystemOf(platform::WPARAM wParam)
{
    return static_cast<std::int32_t>((wParam >> 16) & 0xFFFF);
}

std::int32_t ParentOf(platform::WPARAM wParam)
{
    const auto parent = static_cast<std::int32_t>(wParam & 0xFFFF);
    return parent == 0xFFFF ? -1 : parent;
}

} // namespace

platform::LRESULT TFormMain::Dispatch(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
{
    const auto handle = static_cast<std::int32_t>(lParam);
    switch (message) {
    case WM_USER_GETDATAPOINTER:
        return AktDevInst != nullptr ? Pointer(AktDevInst->FindHandle(static_cast<std::int32_t>(wParam))) : 0;
    case WM_USER_GETDATENSATZ:
        return AktDevInst != nullptr ? Pointer(AktDevInst->GetDatenSatz(SystemOf(wParam), ParentOf(wParam), handle))
                                     : 0;
    case WM_USER_GETDATENSATZANYPARENT:
        return AktDevInst != nullptr
            ? Pointer(AktDevInst->GetDatenSatz(static_cast<std::int32_t>(wParam), -1, handle))
            : 0;
    case WM_USER_DELETENEXTDATENSATZ:
        if (AktDevInst != nullptr)
            AktDevInst->DeleteNextDatenSatz(SystemOf(wParam), ParentOf(wParam), handle);
        return 0;
    case WM_USER_GETEIBHANDLE:
        return AktDevInst != nullptr ? Pointer(AktDevInst->EibHandle.get()) : 0;
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
    case WM_USER_LOADGRPADR:
        return AktDevInst != nullptr && AktDevInst->LoadGrpAdr() != nullptr ? 1 : 0;
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
