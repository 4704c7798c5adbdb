#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/addrlink/SorvEtsDevice.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/progresslib/DlgProgress.h"
#include "outside/viewkit/Zeichentabelle.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"
#include "views/PreviewManagerServices.h"

#include <exception>

int HostDeviceIdOf(const TDeviceInstanz* device)
{
    if (device == nullptr)
        return 0;
    const auto* etsDevice = dynamic_cast<const TSorvEtsDevice*>(device->GetDevice());
    return etsDevice != nullptr ? etsDevice->GetEtsDeviceId() : 0;
}

void TFormMain::ApplCloseOrHide(bool close, bool discard, bool rememberWindowState, bool showProgress,
                                bool returnToHost)
{
    LOG_FKT_START("TFormMain::ApplCloseOrHide");
    platform::SetScreenCursor(platform::crHourGlass);
    const int id = HostDeviceIdOf(AktDevInst);
    const std::string backupFolder = AktDevInst != nullptr ? AktDevInst->AutoSaveFolderName : BackupFolderOf(id);
    RecDlgProgress progress;
    progress.Caption = Spredit::Text9022;
    progress.Text = Spredit::Text9238;
    progress.FirstStep = 0;
    progress.StepCount = 9;
    progress.Delay = 0;
    progress.NoCancel = false;
    progress.Owner = GetHandle();
    progress.Kind = 1;
    progress.StayOnTop = false;
    fAbbruch = false;
    // Only a device whose data reached the host leaves the list of unfinished ones: a block that
    // could not be written, or a step that failed before it, keeps it there.
    bool blobWritten = false;
    std::exception_ptr failure;
    try {
        if (!close && showProgress)
            StartDlgProgress(progress);
        SetDlgProgress(1, progress);
        // The expanded tree nodes of every window go into the block as it is written.
        if (AktDevInst != nullptr)
            AktDevInst->GetStatusFormAllFormVerw();
        if (FormVerw != nullptr && FormVerw->GridHasFocus())
            FormVerw->DeleteZellenKomponente();
        SetDlgProgress(2, progress);
        if (DM != nullptr && DM->fDataModified)
            MarkDeviceChangedInEts();
        if (rememberWindowState)
            SavedWindowState = WindowStateNumber();
        SetDlgProgress(3, progress);
        SetRegData();
        if (FormVerw != nullptr) {
            FormVerw->BindResize(false);
            if (FormVerw->HasMeldeFenster())
                if (QWidget* host = FormVerw->MeldeFensterHost())
                    host->hide();
            FormVerw->SetRegData();
        }
        if (DM != nullptr) {
            const TMyRegistry settings;
            settings.WriteIniInteger(DM->IniFileName, SECTION_WINDOW, KEY_SHOWPREVIEW, PreviewManager ? 1 : 0);
        }
        if (PreviewManager) {
            PreviewManager->SetRegData();
            PreviewManager.reset();
        }
        SetDlgProgress(4, progress);
        DeleteZeichentabelle(GetHandle());
        if (close) {
            if (!Ets2Cdi || !Ets2Cdi->ReturnToEts(discard ? 0 : 1))
                platform::MessageBox("Error return to ETS", "Close", platform::MB_OK);
            SetDlgProgress(5, progress);
            SetDlgProgress(6, progress);
            AktDevInst = nullptr;
            SetDlgProgress(7, progress);
        } else {
            // The backup first: cut off between the two, the backup is the newer and is offered.
            SaveToFile("0");
            blobWritten = AktDevInst == nullptr || AktDevInst->WriteBlob();
            SetDlgProgress(5, progress);
            SetDlgProgress(6, progress);
            SetDlgProgress(7, progress);
            for (TFormVerwBase* window : ListFormVerw) {
                if (FormVerw != nullptr)
                    FormVerw->ClearGrid();
                window->DeleteTreeViewNodes();
            }
            if (AktDevInst != nullptr) {
                const auto entry = MapDevInst.find(AktDevInst->EtsDevice.DeviceId);
                if (entry != MapDevInst.end()) {
                    // No window keeps the model that goes now.
                    for (TFormVerwBase* window : ListFormVerw)
                        window->SetDeviceInstanz(nullptr);
                    AktDevInst = nullptr;
                    MapDevInst.erase(entry);
                }
            }
            SetDlgProgress(8, progress);
            // The host keeps the device's data only when they reached its project.
            if (returnToHost && (!Ets2Cdi || !Ets2Cdi->ReturnToEts(blobWritten ? 1 : 0)))
                platform::MessageBox("return fehlgeschlagen", "Close", platform::MB_OK);
            SetDlgProgress(9, progress);
        }
        if (DM != nullptr && DM->fLanguageChanged)
            CloseProgram();
        else
            HideMainWindow();
    } catch (...) {
        failure = std::current_exception();
    }
    StopDlgProgress();
    if (close) {
        CloseProgram();
    } else {
        if (DM != nullptr)
            DM->StartTimerAutoSave(false);
        StopDlgProgress();
        platform::SetScreenCursor(platform::crDefault);
        TimerTimeoutCloseStart(-1);
        if (blobWritten)
            RecoveryCheck(false, id, backupFolder);
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TFormMain::TimerStartEditTimer()
{
    LOG_FKT_START("TFormMain::TimerStartEditTimer");
    TimerStartEdit.SetEnabled(false);
    HideMainWindow();
}

void TFormMain::TimeOutStart(int code, int /*timeOut*/)
{
    LOG_FKT_START("TFormMain::TimeOutStart");
    // The code is recorded; nothing watches the time-out (0 or less would be TimeOutDefault).
    TimeOutCode = code;
}

void TFormMain::TimeOutStop()
{
    LOG_FKT_START("TFormMain::TimeOutStop");
}
