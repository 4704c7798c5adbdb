#include "app/FormMain.h"

#include "app/BackupCopy.h"
#include "app/DataModule.h"
#include "app/MyRegistry.h"
#include "app/RecoveryRules.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "device/BackupFolderName.h"
#include "device/CommaText.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/MemoryStream.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"

#include <QFileInfo>

#include <filesystem>
#include <optional>

namespace {

constexpr char DeviceIdParameter[] = "DeviceId";

// Restarts the auto-save timer on every way out of a restore.
class TAutoSavePause {
public:
    TAutoSavePause()
    {
        if (DM != nullptr)
            DM->StartTimerAutoSave(false);
    }
    ~TAutoSavePause()
    {
        if (DM != nullptr)
            DM->StartTimerAutoSave(true);
    }
    TAutoSavePause(const TAutoSavePause&) = delete;
    TAutoSavePause& operator=(const TAutoSavePause&) = delete;
};

// The device parameter named "DeviceId" of the host device: its device-parameter record, or none
// when the device has no such parameter or a parameter cannot be read.
std::optional<DAL_DEVICE_PARAM> FindDeviceIdParameter(TEts2Cdi& link, int deviceId)
{
    std::vector<DAL_DEVICE_PARAM> records;
    DAL_DEVICE_PARAM record;
    for (int mode = DAL_GET_FIRST; link.DalGetDeviceParamData(mode, DAL_ANY, deviceId, &record) == DAL_OK;
         mode = DAL_GET_NEXT)
        records.push_back(record);
    for (const DAL_DEVICE_PARAM& candidate : records) {
        DAL_PARAMETER parameter;
        if (link.DalGetParameterData(DAL_GET_BY_ID, candidate.ParameterId, DAL_ANY, DAL_ANY, &parameter) != DAL_OK)
            return std::nullopt;
        if (parameter.Name == DeviceIdParameter)
            return candidate;
    }
    return std::nullopt;
}

std::string DeviceIdMessage(const std::string& text)
{
    return text + "\n\n" + DeviceIdParameter;
}

} // namespace

void TFormMain::RecoveryCheck(bool open, int deviceId)
{
    RecoveryCheck(open, deviceId, BackupFolderOf(deviceId));
}

void TFormMain::RecoveryCheck(bool open, int deviceId, const std::string& projectFolder)
{
    LOG_FKT_START("TFormMain::RecoveryCheck");
    if (DM == nullptr)
        return;
    const TMyRegistry settings;
    std::string stored;
    settings.ReadIniString(DM->IniFileName, SECTION_OPTIONS, KEY_NOTCLOSED, "", stored);
    std::vector<std::string> list = stored.empty() ? std::vector<std::string>() : SplitCommaText(stored);
    const std::string key = NotClosedKey(projectFolder, deviceId);
    if (open) {
        TNotClosedOpen result = NotClosedOnOpen(std::move(list), key, std::to_string(deviceId));
        settings.WriteIniString(DM->IniFileName, SECTION_OPTIONS, KEY_NOTCLOSED, JoinCommaText(result.List));
        // Only a backup that holds more than the stored block is offered: never one that would
        // replace newer data.
        const bool current = AktDevInst != nullptr && AktDevInst->EtsDeviceId == deviceId;
        if (current)
            TakeOverLegacyBackup(AktDevInst->LegacyAutoSaveFile, AktDevInst->AutoSaveFile);
        const bool newer = current && BackupNewerThanStored(AktDevInst->AutoSaveFile, AktDevInst->StoredStamp);
        for (int i = 0; newer && i < result.Found; ++i)
            if (platform::MessageBox(Spredit::Text9042, Spredit::Text9043, platform::MB_YESNO | platform::MB_ICONINFORMATION)
                == platform::IDYES)
                RestoreSaveCopy();
        return;
    }
    list = NotClosedOnEnd(std::move(list), key);
    settings.WriteIniString(DM->IniFileName, SECTION_OPTIONS, KEY_NOTCLOSED, JoinCommaText(list));
}

std::string TFormMain::BackupFolderOf(int deviceId)
{
    const auto model = MapDevInst.find(deviceId);
    if (model != MapDevInst.end() && model->second)
        return model->second->AutoSaveFolderName;
    const DAL_DEVICE record = ReadDeviceRecord(deviceId, nullptr);
    return BackupFolderName(record.ProjectId, Ets2Cdi ? Ets2Cdi->ProjectPath() : std::string());
}

void TFormMain::RestoreSaveCopy()
{
    LOG_FKT_START("TFormMain::RestoreSaveCopy");
    const TAutoSavePause pause;
    if (AktDevInst == nullptr) {
        platform::MessageBox("Device not found!!!", Spredit::Text9090, platform::MB_ICONWARNING);
        return;
    }
    const std::string& file = AktDevInst->AutoSaveFile;
    std::error_code unknown;
    if (file.empty() || !std::filesystem::is_regular_file(file, unknown)) {
        platform::MessageBox(Spredit::Text9137 + ":\n" + file, Spredit::Text9090, platform::MB_ICONWARNING);
        return;
    }
    const QDateTime written = QFileInfo(QString::fromLocal8Bit(file.c_str())).lastModified();
    const std::string question = Spredit::Text9172 + ":" + BackupDateText(written) + "\n" + Spredit::Text9041;
    if (platform::MessageBox(question, Spredit::Text9043, platform::MB_YESNO | platform::MB_ICONINFORMATION)
        != platform::IDYES)
        return;
    bool imported = false;
    {
        platform::TMemoryStream stream;
        stream.LoadFromFile(file);
        if (FormVerw != nullptr) {
            for (TFormVerwBase* window : ListFormVerw) {
                window->DeleteZellenKomponente();
                window->TreeBeginUpdate();
                window->SetTreeSorted(false);
            }
            FormVerw->DeleteZellenKomponente();
            FormVerw->TreeClear();
        }
        AktDevInst->ImportFile = file;
        imported = AktDevInst->SorvImport(&stream, true);
    }
    if (!imported) {
        // Refused, cancelled or failed on the way: the trees show the device's objects again.
        for (TFormVerwBase* window : ListFormVerw)
            window->ClearTree();
        AktDevInst->ReinitConfigWindows(GetHandle());
    }
    AbgleichFormVerw(FormVerw);
    if (FormVerw != nullptr)
        FormVerw->AktualisiereAnsicht(nullptr, -1, -1);
    if (imported)
        platform::MessageBox(Spredit::Text9149, Spredit::Text9018, platform::MB_OK);
    else if (!AktDevInst->ImportCancelled) // a cancel is no failure
        platform::MessageBox(Spredit::Text9150, Spredit::Text9018, platform::MB_ICONWARNING);
    if (FormVerw != nullptr) {
        for (TFormVerwBase* window : ListFormVerw) {
            window->TreeEndUpdate();
            window->SetTreeSorted(true);
        }
    }
    AktDevInst->EtsObjektCheck();
}

bool TFormMain::EtsVersionCheck()
{
    LOG_FKT_START_LEVEL("TFormMain::EtsVersionCheck", 256);
    tagETSINFO info;
    if (!Ets2Cdi || !Ets2Cdi->GetEtsInfo(info))
        return false;
    return HostVersionAtLeast(info.Version, info.Build, MinEtsVersion);
}

bool TFormMain::SetParamDeviceIdToEts(int deviceId)
{
    LOG_FKT_START("TFormMain::SetParamDeviceIdToEts");
    const auto found = Ets2Cdi ? FindDeviceIdParameter(*Ets2Cdi, deviceId) : std::nullopt;
    if (!found) {
        platform::MessageBox(DeviceIdMessage(Spredit::Text9106), "SetDeviceParameter", platform::MB_ICONERROR);
        return false;
    }
    const std::int32_t answer = Ets2Cdi->CoSetDeviceParameterValueLong(found->DeviceParamId, deviceId, false, false);
    if (answer != CO_PARAMETER_SET && answer != CO_PARAMETER_SET_OBJECTS_CHANGED) {
        platform::MessageBox(DeviceIdMessage(Spredit::Text9108), "SetDeviceParameter", platform::MB_ICONERROR);
        return false;
    }
    return true;
}

bool TFormMain::GetParamDeviceIdFromEts(int deviceId, int* value)
{
    LOG_FKT_START("TFormMain::GetParamDeviceIdFromEts");
    const auto found = Ets2Cdi ? FindDeviceIdParameter(*Ets2Cdi, deviceId) : std::nullopt;
    if (!found) {
        platform::MessageBox(DeviceIdMessage(Spredit::Text9106), "GetDeviceParameter", platform::MB_ICONERROR);
        return false;
    }
    if (value != nullptr)
        *value = found->Value;
    return true;
}

bool TFormMain::MarkDeviceChangedInEts()
{
    LOG_FKT_START("TFormMain::MarkDeviceChangedInEts");
    const int id = HostDeviceIdOf(AktDevInst);
    if (id < 1)
        return true;
    const TEtsDeviceParam parameters(Ets2Cdi.get(), id);
    auto failed = [](std::uint8_t answer, const char* caption) {
        platform::MessageBox(DeviceIdMessage(answer == DEVICE_PARAM_NOT_FOUND ? Spredit::Text9106 : Spredit::Text9107),
                             caption, platform::MB_ICONERROR);
        return false;
    };
    if (const std::uint8_t answer = parameters.SetDeviceParamData(DeviceIdParameter, 1); answer != DEVICE_PARAM_OK)
        return failed(answer, "Clear Par-Flag");
    if (const std::uint8_t answer = parameters.SetDeviceParamData(DeviceIdParameter, id); answer != DEVICE_PARAM_OK)
        return failed(answer, "SetDeviceParameter");
    return true;
}

void TFormMain::TimerTimeoutCloseStart(int interval)
{
    LOG_FKT_START("TFormMain::TimerTimeoutCloseStart");
    TimerTimeoutClose.SetInterval(interval < 0 ? TimeoutCloseInterval : interval);
    TimerTimeoutClose.SetEnabled(true);
}

void TFormMain::TimerTimeoutCloseTimer()
{
    LOG_FKT_START("TFormMain::TimerTimeoutCloseTimer");
    if (!isVisible())
        CloseProgram();
}

void TFormMain::HideMainWindow()
{
    LOG_FKT_START("TFormMain::HideMainWindow");
    hide();
}

void TFormMain::ShowMainWindow()
{
    LOG_FKT_START("TFormMain::ShowMainWindow");
    // A device shown before the start-up timer fired must not be hidden by it.
    TimerStartEdit.SetEnabled(false);
    fApplySavedState = true;
    showNormal();
    raise();
    repaint();
    switch (SavedWindowState) {
    case 1: showMinimized(); break;
    case 2: showMaximized(); break;
    default: showNormal(); break;
    }
    FitWindowLayout();
}
