#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/DownloadRs232Records.h"
#include "app/SerialLinkLibrary.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/devicelink/DevicelinkFactory.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <cstddef>
#include <stdexcept>

namespace {

constexpr char DLL_NOT_FOUND[] = "DLL not found!";

// Answers of the library's dialogs.
constexpr std::int32_t ANSWER_OK = 1;
constexpr std::int32_t ANSWER_CANCEL = 2;
constexpr std::int32_t ANSWER_YES = 6;

constexpr std::int32_t CLIENT_BUFFER_SIZE = 16;

void ShowDllNotFound()
{
    platform::MessageBox(DLL_NOT_FOUND, Spredit::Text9048, platform::MB_ICONERROR);
}

// The target system's line record: the fields of the options' first 12 bytes.
TZielsystem::tagRS232Options LineOptionsOf(const tagDownloadRs232Options& options)
{
    static_assert(sizeof(TZielsystem::tagRS232Options) == offsetof(tagDownloadRs232Options, ContinueMode));
    TZielsystem::tagRS232Options line;
    line.ComPort = options.ComPort;
    line.Baud = options.Baud;
    line.LineSetting = options.LineSetting;
    return line;
}

// Closes the library's progress dialog when a cycle ends, whichever way it ends.
class TProgressDialogCloser {
public:
    explicit TProgressDialogCloser(seriallink::TCloseProgressDialog close) : close_(close) {}
    ~TProgressDialogCloser() { close_(); }
    TProgressDialogCloser(const TProgressDialogCloser&) = delete;
    TProgressDialogCloser& operator=(const TProgressDialogCloser&) = delete;

private:
    seriallink::TCloseProgressDialog close_;
};

} // namespace

bool TFormMain::DownloadRs232Options()
{
    LOG_FKT_START("TFormMain::DownloadRs232Options");
    if (DM == nullptr || !DM->fRs232Enabled)
        return false;
    TSerialLinkLibrary library(DM->Rs232DllFileName);
    const auto show = library.Resolve<seriallink::TShowOptions>(seriallink::EntryShowOptions);
    if (show == nullptr) {
        library.Free();
        ShowDllNotFound();
        return false;
    }
    tagDownloadRs232Options options = MakeDownloadRs232Options(*DM);
    if (show(static_cast<QWidget*>(this), &options) != ANSWER_OK)
        return false;
    TakeDownloadRs232Options(options, *DM);
    return true;
}

bool TFormMain::DownloadRs232Start()
{
    LOG_FKT_START("TFormMain::DownloadRs232Start");
    if (DM == nullptr || !DM->fRs232Enabled || AktDevInst == nullptr)
        return false;
    TSerialLinkLibrary library(DM->Rs232DllFileName);
    const auto connectDevice = library.Resolve<seriallink::TShowConnectDevice>(seriallink::EntryShowConnectDevice);
    const auto showProgress = library.Resolve<seriallink::TShowProgressDialog>(seriallink::EntryShowProgressDialog);
    const auto closeProgress = library.Resolve<seriallink::TCloseProgressDialog>(seriallink::EntryCloseProgressDialog);
    const auto showStatus = library.Resolve<seriallink::TShowStatusMessage>(seriallink::EntryShowStatusMessage);
    if (connectDevice == nullptr || showProgress == nullptr || closeProgress == nullptr || showStatus == nullptr) {
        library.Free();
        ShowDllNotFound();
        return false;
    }

    tagDownloadRs232Texts texts{};
    try {
        texts = MakeDownloadRs232Texts(AktDevInst->GetDeviceEtsInfo().PhysAdrText, AktDevInst->GetDeviceName());
    } catch (const std::runtime_error&) {
        return false; // the device has told why
    }
    const tagDownloadRs232Options options = MakeDownloadRs232Options(*DM);
    void* const window = static_cast<QWidget*>(this);
    bool again = true;
    while (again) {
        if (DM->fRs232AskForConnection && connectDevice(window, texts, 1) == ANSWER_CANCEL)
            break;
        const TProgressDialogCloser closer(closeProgress);
        const bool programmed = DoDownloadRs232(showProgress(window, texts), options);
        const std::string& message = programmed ? Spredit::Text9271 : Spredit::Text9272;
        const std::int32_t answer =
            showStatus(programmed ? 1 : 0, message.c_str(), 1, 0, DM->fRs232ContinueMode, DM->fRs232Sound);
        again = DM->fRs232ContinueMode && (answer == ANSWER_OK || answer == ANSWER_YES);
    }
    return true;
}

bool TFormMain::DoDownloadRs232(void* progressDialog, tagDownloadRs232Options options)
{
    LOG_FKT_START("TFormMain::DoDownloadRs232");
    if (DM == nullptr || AktDevInst == nullptr)
        return false;
    DeleteDeviceId = -1;
    TimerTimeoutClose.SetEnabled(false);

    bool result = false;
    std::unique_ptr<TTalvoZielsystem> target;
    // The host's programming record has no part in a serial download: handed over zero-filled.
    const tagEIB_BASE_PROGRAMMING programming{};
    try {
        if (AktDevInst->UpdateGroupAddressFromId()) {
            const std::int32_t deviceId = AktDevInst->EtsDeviceId;
            const std::uint16_t address = AktDevInst->GetPhysAddr(deviceId);
            const TDevicelinkFactory& devicelink =
                Factories.Devicelink != nullptr ? *Factories.Devicelink : TDevicelinkFactory::Default();
            target = devicelink.CreateTalvoZielsystem(Ets2Cdi.get(), AktDevInst->GetEtsDeviceParam());
            target->SetMedium(TZielsystem::MediumSerial);
            target->SetRS232Options(LineOptionsOf(options));
            target->SetClientBufferSize(CLIENT_BUFFER_SIZE);
            target->SetWndSupport(DM->MainWindowHandle);
            target->SetProgressDialog(progressDialog);
            target->SetDeviceId(deviceId);
            target->SetNewPhysAddr(address);
            target->SetOldPhysAddr(address);
            target->SetProg(&programming);
            target->SetMode(options.DownloadMode);

            const TDownloadSteps steps = DownloadStepsOf(target->GetMode());
            bool goOn = true;
            if (steps.ProgramAddress)
                goOn = result = target->ProgPhysAddress();
            if (goOn && steps.Download) {
                result = false;
                if (target->Auslesen() && Compiler(target.get()))
                    result = target->Download();
                AktDevInst->WriteBlob();
                AktDevInst->GrpAdrLoaded = false;
            }
        }
    } catch (const std::exception& failure) {
        platform::ShowDetailMessageBox(Spredit::Text9266, Spredit::Text9048, Spredit::Text9266 + "\n" + failure.what(),
                                       __FILE__, __LINE__, "TFormMain::DoDownloadRs232", platform::MB_ICONERROR);
        result = false;
    } catch (...) {
        platform::ShowDetailMessageBox(Spredit::Text9265, Spredit::Text9048, Spredit::Text9265, __FILE__, __LINE__,
                                       "TFormMain::DoDownloadRs232", platform::MB_ICONERROR);
        result = false;
    }
    target.reset();
    // Written on every way out, so that clearing the modified flag below loses nothing.
    if (AktDevInst != nullptr) {
        AktDevInst->WriteBlob();
        AktDevInst->GrpAdrLoaded = false;
    }
    DM->fDataModified = false;
    return result;
}
