#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/FrameMessages.h"
#include "app/GlobalParameterDialogServices.h"
#include "app/HubMessages.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/addrlink/ObjektFlag.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/keyplan/FunktionBasis.h"
#include "outside/progresslib/DlgProgress.h"
#include "outside/tablebox/Cell.h"
#include "outside/tablebox/DrawGridSE.h"
#include "outside/viewkit/LoadS19.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"
#include "views/PreviewManagerServices.h"
#include "views/PreviewMessages.h"
#include "views/ViewMessages.h"

namespace {

using platform::LPARAM;
using platform::LRESULT;
using platform::WPARAM;

TFormVerwBase* WindowOf(LPARAM lParam)
{
    return reinterpret_cast<TFormVerwBase*>(lParam);
}

TDataBasis* ObjectOf(LPARAM lParam)
{
    return reinterpret_cast<TDataBasis*>(lParam);
}

LRESULT LowByte(bool answer)
{
    return answer ? 1 : 0;
}

std::int32_t SystemOf(WPARAM wParam)
{
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(wParam) >> 16) & 0xFFFF);
}

std::int32_t ParentOf(WPARAM wParam)
{
    return static_cast<std::int32_t>(static_cast<std::uint64_t>(wParam) & 0xFFFF);
}

// The communication object of the number changed by the change, then written into its record:
// 1, or 0 without device or object.
template <class TChange>
LRESULT ChangeCommObject(TDeviceInstanzTalvo* device, LPARAM objectNumber, const TChange& change)
{
    if (device == nullptr)
        return 0;
    TEtsObjekt* object = device->GetObjectFromObjectNr(static_cast<int>(objectNumber));
    if (object == nullptr)
        return 0;
    change(*object);
    if (TDatenStruktur* record = device->GetDatenSatz(object))
        object->Write(*record);
    return 1;
}

} // namespace

platform::LRESULT TFormMain::Dispatch(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
{
    LOG_FKT_START_LEVEL("TFormMain::Dispatch", 256);
    TDeviceInstanzTalvo* const device = AktDevInst;
    switch (message) {
    case WM_CLOSE:
        ApplCloseOrHide(false, false, true, true, true);
        return 1;
    case WM_QUERYOPEN:
        for (TFormVerwBase* window : ListFormVerw)
            if (window->HasMeldeFenster())
                if (QWidget* host = window->MeldeFensterHost())
                    host->show();
        return ListFormVerw.empty() ? 0 : 1;
    case WM_USER_IGNORED100:
    case WM_USER_IGNORED104:
    case WM_USER_INFOWINDOWBUILT:
    case WM_USER_IGNORED147:
    case WM_USER_IGNORED160:
        return 0;
    case WM_USER_GETDATAPOINTER: {
        TDataBasis* object = nullptr;
        if (device == nullptr || !device->GetDataPointer(static_cast<std::int32_t>(wParam), object))
            return 0;
        return reinterpret_cast<LRESULT>(object);
    }
    case WM_USER_UPDATEALLVIEWS: {
        const platform::TCursorHourGlass hourGlass;
        for (TFormVerwBase* window : ListFormVerw) {
            if (window == FormVerw)
                window->AktualisiereAnsicht(nullptr, static_cast<int>(wParam), static_cast<int>(lParam));
            else
                window->AktualisiereAnsicht(nullptr, -1, -1);
        }
        return 0;
    }
    case WM_USER_GETDATENSATZ: {
        if (device == nullptr)
            return 0;
        const std::int32_t parent = ParentOf(wParam) == 0xFFFF ? -1 : ParentOf(wParam);
        return reinterpret_cast<LRESULT>(device->GetDatenSatz(SystemOf(wParam), parent, static_cast<std::int32_t>(lParam)));
    }
    case WM_USER_FINDDATENSATZ:
        // A chain read: finds in the object's own System, never creates.
        return device != nullptr ? reinterpret_cast<LRESULT>(device->FindDatenSatz(static_cast<std::int32_t>(wParam),
                                                                                     static_cast<std::int32_t>(lParam)))
                                 : 0;
    case WM_USER_DELETENEXTDATENSATZ:
        // The parent goes on as it came, 65535 included.
        if (device != nullptr)
            device->DeleteNextDatenSatz(SystemOf(wParam), ParentOf(wParam), static_cast<std::int32_t>(lParam));
        return 0;
    case WM_USER_SETMODIFIED:
        if (DM != nullptr)
            DM->fDataModified = true;
        return 0;
    case WM_USER_GETEIBHANDLE:
        return device != nullptr ? reinterpret_cast<LRESULT>(device->EibHandle.get()) : 0;
    case WM_USER_TIMEOUTSTART:
        TimeOutStart(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_USER_USERDEVICEMESSAGE:
        if (device == nullptr)
            return 0;
        return device->UserDeviceMessage(GetHandle(), reinterpret_cast<tagWmUserDevice*>(lParam));
    case WM_USER_SHOWOBJECTINVIEW: {
        const platform::TCursorHourGlass hourGlass;
        if (lParam == 0)
            return 0;
        if (FormVerw != nullptr)
            ObjectOf(lParam)->ShowObjectInView(FormVerw->GetGrid(), FormVerw->GetListView());
        return 1;
    }
    case WM_USER_LOADCOLOR:
        if (DM != nullptr)
            for (TFormVerwBase* window : ListFormVerw)
                window->LoadColor(DM->GridColorCommon, DM->GridColorCell, DM->GridColorTitle, DM->GridColorCellReadOnly,
                                  DM->GridLineWidth);
        raise();
        return 0;
    case WM_USER_SETACTIVECELL:
        if (FormVerw == nullptr && !ListFormVerw.empty())
            FormVerwActivated(ListFormVerw.front());
        if (FormVerw != nullptr)
            if (TDrawGridSE* grid = FormVerw->GetGrid(); grid != nullptr && FormVerw->IsGridVisible()) {
                grid->BeginUpdate();
                grid->ResizeAktivFeld();
                grid->EndUpdate();
                if (grid->OnRepaint)
                    grid->OnRepaint();
                grid->SetActiveCell(static_cast<int>(wParam), static_cast<int>(lParam));
            }
        return 0;
    case WM_USER_LOADSIZE:
        if (DM != nullptr)
            for (TFormVerwBase* window : ListFormVerw)
                window->LoadSize(DM->fGridAutoSize, DM->GridColDefWidth);
        return 0;
    case WM_USER_UPDATETREENAMES:
        for (TFormVerwBase* window : ListFormVerw) {
            const platform::TCursorHourGlass hourGlass;
            window->UpdateTreeNamesAndIcon();
            int column = -1;
            int row = -1;
            if (window != FormVerw && window->GetGrid() != nullptr && window->GetGrid()->GetActiveCell(column, row))
                window->AktualisiereAnsicht(nullptr, column, row);
        }
        return 0;
    case WM_USER_CHARTABCLOSED:
        ZeichentabelleFenster = nullptr;
        return 0;
    case WM_USER_PREVIEWCLOSED:
        PreviewManager.reset();
        return 0;
    case WM_USER_UPDATEACTIVETREE: {
        if (device == nullptr)
            return 0;
        const bool answer = device->UpdateActiveTree(static_cast<int>(wParam), static_cast<int>(lParam));
        if (FormVerw != nullptr)
            FormVerw->UpdateTreeNamesAndIcon();
        return LowByte(answer);
    }
    case WM_USER_LINKTOSUBGROUP: {
        if (device == nullptr)
            return 0;
        const bool answer =
            device->LinkToSubGroup(static_cast<std::int32_t>(wParam), static_cast<int>(lParam), true);
        for (TFormVerwBase* window : ListFormVerw)
            window->AktualisiereAnsicht(nullptr, 0, 0);
        return LowByte(answer);
    }
    case WM_USER_UNLINKFROMSUBGROUP:
        if (device == nullptr)
            return 0;
        return LowByte(device->UnLinkFromSubGroup(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam)));
    case WM_USER_PROGRESSCANCEL:
        if (lParam != 0) {
            fAbbruch = true;
            StopDlgProgress();
        }
        return 0;
    case WM_USER_GETGRPADRNR:
        if (device == nullptr || lParam == 0)
            return 0;
        return LowByte(device->GetGrpAdrNr(static_cast<std::int32_t>(wParam), *reinterpret_cast<std::string*>(lParam)));
    case WM_USER_GETGRPADRNRASZAHL:
        if (device == nullptr || lParam == 0)
            return 0;
        return LowByte(device->GetGrpAdrNrAsZahl(static_cast<std::int32_t>(wParam), *reinterpret_cast<int*>(lParam)));
    case WM_USER_SETGRPADRSENDEND:
    case WM_USER_CLEARGRPADRSENDEND:
        if (device == nullptr)
            return 0;
        return LowByte(device->GrpAdrSendend(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam),
                                             message == WM_USER_SETGRPADRSENDEND));
    case WM_USER_OBJEKTFLAG:
        if (device == nullptr)
            return 0;
        try {
            const auto* request = reinterpret_cast<const RecObjektFlag*>(lParam);
            return LowByte(wParam == 0 ? device->ChangeObjektFlag(request) : device->CheckObjektFlag(request));
        } catch (const std::exception& failure) {
            platform::MessageBox(Spredit::Text9134 + "\n\n" + failure.what(), Spredit::Text9048,
                                 platform::MB_ICONWARNING);
            return 0;
        }
    case WM_USER_OBJEKTFLAGSLESEN:
        if (device == nullptr)
            return OBJEKT_LESEN_FEHLER;
        return device->LeseObjektFlags(reinterpret_cast<RecObjektFlagsLesen*>(lParam));
    case WM_USER_OPENDLGGRPADRTOOBJECT:
        if (device == nullptr)
            return 0;
        return LowByte(device->OpenDlgGrpAdrToObject(ObjectOf(lParam)));
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
    case WM_USER_GETPHYSADR:
        if (device != nullptr && lParam != 0)
            *reinterpret_cast<std::string*>(lParam) = device->GetPhysAdr(static_cast<std::int32_t>(wParam));
        return 0;
    case WM_USER_ETSOBJEKTCHECK:
        if (device != nullptr)
            device->EtsObjektCheck();
        return 0;
    case WM_USER_DATENTRANSPORT:
        if (device == nullptr)
            return 0;
        return device->WmUserDatenTransport(GetHandle(), reinterpret_cast<tagRecDatenTransport*>(lParam));
    case WM_USER_UPDATEOTHERVIEWS: {
        const platform::TCursorHourGlass hourGlass;
        for (TFormVerwBase* window : ListFormVerw)
            if (window != FormVerw)
                window->AktualisiereAnsicht(nullptr, -1, -1);
        return 0;
    }
    case WM_USER_GETDATENSATZANYPARENT:
        if (device == nullptr)
            return 0;
        return reinterpret_cast<LRESULT>(
            device->GetDatenSatz(static_cast<std::int32_t>(wParam), -1, static_cast<std::int32_t>(lParam)));
    case WM_USER_TREEUPDATE:
        if (wParam == 1) {
            platform::SetScreenCursor(platform::crHourGlass);
            for (TFormVerwBase* window : ListFormVerw)
                window->TreeBeginUpdate();
        } else {
            for (TFormVerwBase* window : ListFormVerw)
                window->TreeEndUpdate();
            platform::SetScreenCursor(platform::crDefault);
        }
        return 0;
    case WM_USER_UPDATEICON:
        for (TFormVerwBase* window : ListFormVerw) {
            window->UpdateIcon(reinterpret_cast<TDataBasis*>(wParam));
            window->UpdateIcon(ObjectOf(lParam));
        }
        return 0;
    case WM_USER_LOADGRPADR:
        return LoadGrpAdr() ? 1 : 0;
    case WM_USER_NEWFORMVERW:
        if (DM != nullptr)
            DM->AProjektierungsfensterExecute();
        return 0;
    case WM_USER_UPDATEPREVIEW:
        if (PreviewManager && !fSkipPreviewUpdate) {
            TDataBasis* object = ObjectOf(lParam);
            if (dynamic_cast<TFunktionBasis*>(object) != nullptr && device != nullptr) {
                TDataBasis* parent = nullptr;
                device->GetDataPointer(object->GetParentHandle(), parent);
                object = parent;
            }
            PreviewManager->UpdateData(object, wParam != 0, true);
        }
        fSkipPreviewUpdate = false;
        return 0;
    case WM_USER_BUILDALLPROJECTFORMS:
        BuildAllProjectForms();
        return 0;
    case WM_USER_GETACCESSMODE:
        return DM != nullptr && DM->HighAccess() ? 1 : 0;
    case WM_USER_SETNUMBERSELECTABLEGRPADR:
        return ChangeCommObject(device, lParam,
                                [wParam](TEtsObjekt& object) { object.SetNumberSelectableGrpAdr(static_cast<int>(wParam)); });
    case WM_USER_SETETSOBJEKTVALUE:
        return ChangeCommObject(device, lParam,
                                [wParam](TEtsObjekt& object) { object.SetObjektWert(static_cast<std::int32_t>(wParam)); });
    case WM_USER_SETETSOBJEKTFLAG:
        return ChangeCommObject(device, lParam,
                                [wParam](TEtsObjekt& object) { object.SetEnableCellFlagStatus(wParam != 0); });
    case WM_USER_SETOBJIDENTTODATA:
        if (device == nullptr)
            return 0;
        return LowByte(device->SetObjIdentToData(static_cast<int>(wParam), static_cast<std::int8_t>(lParam & 0xFF)));
    case WM_USER_CHARTABOPENED:
        ZeichentabelleFenster = reinterpret_cast<QWidget*>(lParam);
        return 0;
    case WM_USER_UPDATEPREVIEWCHARDATA: {
        LOG_FKT_START_TEXT("TFormMain::Dispatch", 256, "WM_USER_UPDATEPREVIEWCHARDATA");
        if (device == nullptr || device->CharSetStream.Size() == 0)
            return 0;
        device->CharSetStream.SetPosition(0);
        TCharacterMap characters;
        if (LoadS19StreamToMap(&device->CharSetStream, characters) && PreviewManager)
            PreviewManager->UpdateCharacterSet(characters);
        return 0;
    }
    case WM_USER_PREVIEWIMAGECLICK:
    case WM_USER_PREVIEWIMAGEDBLCLICK:
    case WM_USER_PREVIEWIMAGEMOUSEDOWN:
    case WM_USER_PREVIEWIMAGEMOUSEUP:
    case WM_USER_PREVIEWBUTTONCLICK:
    case WM_USER_PREVIEWBUTTONDBLCLICK:
    case WM_USER_PREVIEWBUTTONMOUSEDOWN:
    case WM_USER_PREVIEWBUTTONMOUSEUP:
        return PreviewManager ? PreviewManager->Message(message, wParam, lParam) : 0;
    case WM_USER_SELECTTREENODE:
        if (FormVerw != nullptr && FormVerw->GetSelData() != ObjectOf(lParam)) {
            FormVerw->SelectNode(ObjectOf(lParam));
            fSkipPreviewUpdate = true;
        }
        return 0;
    case WM_USER_GLOBALPARAMETERINITDATA:
        if (DlgGlobalParameter != nullptr) {
            const platform::TCursorHourGlass hourGlass;
            DlgGlobalParameter->InitData(wParam, lParam);
        }
        return 0;
    case WM_USER_GETSHOWGLOBALPARAMETERTAG:
        return DM != nullptr && DM->fShowGlobalParameterTag ? 1 : 0;
    case WM_USER_GRIDENTERCELL:
        if (FormVerw != nullptr && lParam != 0) {
            TCell copy(*reinterpret_cast<const TCell*>(lParam));
            FormVerw->GridEnterCell(&copy, -1, -1);
        }
        return 0;
    default:
        return 0;
    }
}
