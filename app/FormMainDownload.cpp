#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/devicelink/DevicelinkFactory.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

namespace {

// Mode bits as the target system reports them.
constexpr std::int16_t ModeAddress = 1;
constexpr std::int16_t ModeDownload = 2;
constexpr std::int16_t ModeDownloadOnly = 4;

} // namespace

void TFormMain::OnCdiDoDownload2(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id,
                                 std::uint16_t newAddress, std::uint16_t oldAddress,
                                 const tagEIB_BASE_PROGRAMMING& programming, std::int16_t mode)
{
    LOG_FKT_START("TFormMain::OnCdiDoDownload2");
    CdiReturnNow = true;
    CdiResult = 0;
    DeleteDeviceId = -1;
    TimerTimeoutClose.SetEnabled(false);
    if (!EtsVersionCheck()) {
        // Refused: the program goes on and ends by itself after its time of inactivity.
        TimerTimeoutCloseStart(-1);
        return;
    }
    HostEventLogStart();

    if (!SetDevice(id, false)) {
        platform::MessageBox("TFormMain::OnCdiDoDownload2, SetDevice", Spredit::Text9048, platform::MB_OK);
    } else {
        std::unique_ptr<TTalvoZielsystem> target;
        try {
            if (!AktDevInst->UpdateGroupAddressFromId()) {
                CdiResult = 0;
                TimerTimeoutCloseStart(-1);
                if (DM != nullptr)
                    DM->StartTimerAutoSave(false);
                return;
            }
            const TDevicelinkFactory& devicelink =
                Factories.Devicelink != nullptr ? *Factories.Devicelink : TDevicelinkFactory::Default();
            target = devicelink.CreateTalvoZielsystem(Ets2Cdi.get(), AktDevInst->GetEtsDeviceParam());
            target->SetMedium(TZielsystem::MediumBus);
            // The host's window does not reach the editor over the host's socket.
            target->SetWndSupport(0);
            target->SetDeviceId(id);
            target->SetNewPhysAddr(newAddress);
            target->SetOldPhysAddr(oldAddress);
            target->SetProg(&programming);
            target->SetMode(mode);
            bool ok = true;
            bool programAddress = (target->GetMode() & ModeAddress) != 0;
            bool download = (target->GetMode() & ModeDownload) != 0;
            if ((target->GetMode() & ModeDownloadOnly) != 0) {
                programAddress = false;
                download = true;
            }
            if (programAddress) {
                CdiResult = 0;
                ok = target->ProgPhysAddress();
                if (ok)
                    CdiResult = 1;
            }
            if (download && ok) {
                CdiResult = 0;
                SetSystemFlags(target.get());
                ok = target->Auslesen();
                if (ok)
                    ok = Compiler(target.get());
                if (ok)
                    CdiResult = target->Download() ? 1 : 0;
            }
        } catch (const std::exception& failure) {
            platform::ShowDetailMessageBox(Spredit::Text9266, Spredit::Text9048,
                                           Spredit::Text9266 + "\n" + failure.what(), __FILE__, __LINE__,
                                           "TFormMain::OnCdiDoDownload2", platform::MB_ICONERROR);
            CdiResult = 0;
        } catch (...) {
            platform::ShowDetailMessageBox(Spredit::Text9265, Spredit::Text9048, Spredit::Text9265, __FILE__,
                                           __LINE__, "TFormMain::OnCdiDoDownload2", platform::MB_ICONERROR);
            CdiResult = 0;
        }
        target.reset();
        // Written whether the steps succeeded or not.
        if (AktDevInst != nullptr) {
            AktDevInst->WriteBlob();
            AktDevInst->GrpAdrLoaded = false;
        }
    }

    if (DM != nullptr)
        DM->fDataModified = false;
    TimerTimeoutCloseStart(-1);
    if (DM != nullptr)
        DM->StartTimerAutoSave(false);
    // The answers reach the host before the program ends: the end is queued behind them.
    CloseProgram();
}

void TFormMain::SetSystemFlags(TTalvoZielsystem* target)
{
    LOG_FKT_START("TFormMain::SetSystemFlags");
    if (target == nullptr || AktDevInst == nullptr)
        return;
    bool all = false;
    bool userParameters = false;
    bool scenes = false;
    bool roomTimeSwitch = false;
    bool timeSwitch1 = false;
    bool timeSwitch2 = false;
    AktDevInst->GetSystemFlags(all, userParameters, scenes, roomTimeSwitch, timeSwitch1, timeSwitch2);
    target->SetFlags(all, userParameters, scenes, roomTimeSwitch, timeSwitch1, timeSwitch2);
}
