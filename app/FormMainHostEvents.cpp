#include "app/FormMain.h"

#include "app/Automation.h"
#include "app/DataModule.h"
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"

#include <QJsonObject>

#include <filesystem>

void TFormMain::BindHostEvents()
{
    if (!Ets2Cdi)
        return;
    using namespace std::placeholders;
    TEts2Cdi_Extended1& link = *Ets2Cdi;
    link.RunEvent = [this](const char* sender, const std::function<void()>& work) { RunGuarded(sender, work); };
    link.OnCdiCreateDevice = std::bind(&TFormMain::OnCdiCreateDevice, this, _1, _2, _3, _4);
    link.OnCdiDeleteDevice = std::bind(&TFormMain::OnCdiDeleteDevice, this, _1, _2, _3);
    link.OnCdiEditParameters = std::bind(&TFormMain::OnCdiEditParameters, this, _1, _2, _3);
    link.OnWmUserSvStop = [this] { OnWmUserSvStop(); };
    link.OnCdiDoDownload2 = std::bind(&TFormMain::OnCdiDoDownload2, this, _1, _2, _3, _4, _5, _6, _7);
    link.OnCdiLinkObjToSubGroup = std::bind(&TFormMain::OnCdiLinkObjToSubGroup, this, _1, _2, _3, _4, _5);
    link.OnCdiUnlinkObjFromSubGroup = std::bind(&TFormMain::OnCdiUnlinkObjFromSubGroup, this, _1, _2, _3, _4, _5);
    link.OnCdiEditObject = std::bind(&TFormMain::OnCdiEditObject, this, _1, _2, _3);
    link.OnCdiExportDevice = std::bind(&TFormMain::OnCdiExportDevice, this, _1, _2, _3, _4);
    link.OnCdiImportDevice = std::bind(&TFormMain::OnCdiImportDevice, this, _1, _2, _3);
    link.OnCdiCopyDevice = std::bind(&TFormMain::OnCdiCopyDevice, this, _1, _2, _3, _4, _5);
    link.OnCdiDoReconstruct = std::bind(&TFormMain::OnCdiDoReconstruct, this, _1, _2, _3, _4, _5, _6);
    if (TAutomation::Enabled() && link.HasHost()) {
        auto* automation = new TAutomation(this, link);
        link.OnHostCommand = [this, automation](const QJsonObject& message) {
            RunGuarded("TAutomation", [&] { automation->Command(message); });
        };
    }
    // A host that went away while nothing is edited ends the program as its stop would.
    link.OnHostLost = [this] {
        if (!isVisible())
            RunGuarded("TEts2Cdi_Extended1", [this] { OnWmUserSvStop(); });
    };
}

void TFormMain::HostEventLogStart()
{
    if (DM != nullptr && DM->fLogStart)
        platform::InitLogFkt(Ets2Cdi.get(), DM->LogPriority, DM->LogMask, DM->fLogTime, "");
}

bool TFormMain::AcceptHostEvent(std::int32_t& CdiResult)
{
    DeleteDeviceId = -1;
    if (!EtsVersionCheck()) {
        CdiResult = 0;
        return false;
    }
    HostEventLogStart();
    TimerTimeoutClose.SetEnabled(false);
    return true;
}

namespace {

// The steps that end the events which do not open the editor.
void Closing(TFormMain& form)
{
    form.TimerTimeoutCloseStart(-1);
    if (DM != nullptr)
        DM->StartTimerAutoSave(false);
}

void DataUnmodified()
{
    if (DM != nullptr)
        DM->fDataModified = false;
}

} // namespace

void TFormMain::OnCdiCreateDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t kind, std::int32_t id)
{
    LOG_FKT_START("TFormMain::OnCdiCreateDevice");
    CdiReturnNow = true;
    CdiResult = 0;
    DeleteDeviceId = -1;
    if (!EtsVersionCheck())
        return;
    HostEventLogStart();
    if (kind == -2) {
        CdiResult = 1;
        return;
    }
    TimerTimeoutClose.SetEnabled(false);
    bool found = false;
    const DAL_DEVICE record = ReadDeviceRecord(id, &found);
    if (!found) {
        platform::MessageBox("TFormMain::OnCdiCreate::DalGetDeviceData", Spredit::Text9048, platform::MB_OK);
    } else {
        CdiResult = CreateDevice(&record) ? 1 : 0;
        if (CdiResult == 0)
            platform::MessageBox("TFormMain::OnCdiCreateDevice()::CreateDevice(DalDevice) == 0", Spredit::Text9048,
                                 platform::MB_ICONERROR);
    }
    Closing(*this);
    DataUnmodified();
}

void TFormMain::OnCdiDeleteDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id)
{
    LOG_FKT_START("TFormMain::OnCdiDeleteDevice");
    HostEventLogStart();
    DeleteDeviceId = id;
    TimerTimeoutClose.SetEnabled(false);
    DAL_DEVICE record;
    record.DeviceId = id;
    const std::string backupFolder = BackupFolderOf(id);
    DeleteDevice(&record);
    RecoveryCheck(false, id, backupFolder);
    DataUnmodified();
    CdiResult = 0;
    CdiReturnNow = true;
    Closing(*this);
}

void TFormMain::OnCdiEditParameters(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id)
{
    LOG_FKT_START("TFormMain::OnCdiEditParameters");
    if (!AcceptHostEvent(CdiResult)) {
        CdiReturnNow = true;
        return;
    }
    if (OpenSorvVisible(id)) {
        DataUnmodified();
        CdiResult = 1;
        CdiReturnNow = false;
        return;
    }
    CdiResult = 0;
    CdiReturnNow = true;
    platform::CloseLogFkt();
    // Nothing is edited: the program ends by itself after its time of inactivity.
    TimerTimeoutCloseStart(-1);
}

void TFormMain::OnWmUserSvStop()
{
    LOG_FKT_START("TFormMain::OnWmUserSvStop");
    CloseProgram();
}

void TFormMain::OnCdiLinkObjToSubGroup(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id,
                                       std::int16_t objectNumber, std::int32_t subGroupId)
{
    LOG_FKT_START("TFormMain::OnCdiLinkObjToSubGroup");
    CdiReturnNow = true;
    if (!AcceptHostEvent(CdiResult))
        return;
    CdiResult = 1;
    if (!SetDevice(id, false)) {
        CdiResult = 0;
    } else {
        DataUnmodified();
        TEtsObjekt* object = AktDevInst != nullptr ? AktDevInst->GetObjectFromObjectNr(objectNumber) : nullptr;
        if (object == nullptr) {
            CdiResult = 0;
        } else {
            CdiResult = AktDevInst->LinkToSubGroup(subGroupId, object->GetHandle(), false) ? 1 : 0;
            AktDevInst->WriteBlob();
            AktDevInst->GrpAdrLoaded = false;
        }
    }
    Closing(*this);
}

void TFormMain::OnCdiUnlinkObjFromSubGroup(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id,
                                           std::int16_t objectNumber, std::int32_t subGroupId)
{
    LOG_FKT_START("TFormMain::OnCdiUnlinkObjFromSubGroup");
    if (!EtsVersionCheck()) {
        CdiResult = 0;
        CdiReturnNow = true;
        return;
    }
    HostEventLogStart();
    if (DeleteDeviceId == id) {
        // The host removes the links of the device it deletes.
        CdiResult = 1;
        CdiReturnNow = true;
        return;
    }
    CdiResult = 1;
    TimerTimeoutClose.SetEnabled(false);
    if (!SetDevice(id, false)) {
        CdiResult = 0;
    } else {
        DataUnmodified();
        TEtsObjekt* object = AktDevInst != nullptr ? AktDevInst->GetObjectFromObjectNr(objectNumber) : nullptr;
        if (object != nullptr) {
            object->DeleteSubGroupLink(subGroupId);
            if (TDatenStruktur* record = AktDevInst->GetDatenSatz(object))
                object->Write(*record);
            AktDevInst->WriteBlob();
            AktDevInst->GrpAdrLoaded = false;
        }
    }
    CdiReturnNow = true;
    Closing(*this);
}

void TFormMain::OnCdiEditObject(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t deviceObjectId)
{
    LOG_FKT_START("TFormMain::OnCdiEditObject");
    if (!AcceptHostEvent(CdiResult)) {
        CdiReturnNow = true;
        return;
    }
    CdiResult = 1;
    CdiReturnNow = false;
    DAL_DEVICE_OBJECT record;
    record.Size = DAL_DEVICE_OBJECT::RecordSize;
    // An object the host cannot read belongs to no device: there is nothing to hand over, and
    // no model is made for a device that does not exist.
    const bool known =
        Ets2Cdi && Ets2Cdi->DalGetDeviceObjectData(DAL_GET_BY_ID, deviceObjectId, DAL_ANY, &record) == DAL_OK;
    if (!known || !OpenSorvVisible(record.DeviceId)) {
        CdiResult = 0;
        CdiReturnNow = true;
        platform::CloseLogFkt();
        TimerTimeoutCloseStart(-1);
        return;
    }
    DataUnmodified();
    if (AktDevInst == nullptr)
        return;
    TEtsObjekt* object = AktDevInst->GetObjectFromDeviceObjectId(deviceObjectId);
    if (object != nullptr && FormVerw != nullptr && FormVerw->GetNodeFromData(object) != nullptr)
        FormVerw->SelectNode(object);
}

void TFormMain::OnCdiExportDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id,
                                  std::vector<std::string>& files)
{
    LOG_FKT_START("TFormMain::OnCdiExportDevice");
    if (!AcceptHostEvent(CdiResult)) {
        CdiReturnNow = true;
        return;
    }
    CdiResult = 1;
    if (!SetParamDeviceIdToEts(id)) {
        platform::MessageBox(Spredit::Text9111, Spredit::Text9052, platform::MB_ICONERROR);
        CdiResult = 0;
        CdiReturnNow = true;
        TimerTimeoutCloseStart(-1);
        return;
    }
    if (!SetDevice(id, false)) {
        CdiResult = 0;
    } else {
        DataUnmodified();
        if (AktDevInst == nullptr) {
            CdiResult = 0;
        } else {
            const std::string file =
                std::filesystem::path(AktDevInst->AutoSaveFile).replace_extension("." + ExportExt).string();
            if (!AktDevInst->UpdateGroupAddressFromId())
                CdiResult = 0;
            if (SaveToFile(file)) {
                files.push_back(file);
            } else {
                platform::MessageBox(Spredit::Text9111 + " : " + "1", Spredit::Text9052, platform::MB_OK);
                CdiResult = 0;
            }
            AktDevInst->GrpAdrLoaded = false;
        }
    }
    CdiReturnNow = true;
    Closing(*this);
}

void TFormMain::OnCdiImportDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id)
{
    LOG_FKT_START("TFormMain::OnCdiImportDevice");
    DeleteDeviceId = -1;
    TimerTimeoutClose.SetEnabled(false);
    HostEventLogStart();
    if (ImportDevice(id)) {
        CdiResult = 1;
    } else {
        DataUnmodified();
        CdiResult = 0;
    }
    CdiReturnNow = true;
    Closing(*this);
}

void TFormMain::OnCdiCopyDevice(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t newId,
                                std::int32_t sourceId, bool flag)
{
    LOG_FKT_START("TFormMain::OnCdiCopyDevice");
    DeleteDeviceId = -1;
    TimerTimeoutClose.SetEnabled(false);
    HostEventLogStart();
    if (CopyDevice(newId, sourceId, flag)) {
        CdiResult = 1;
    } else {
        DataUnmodified();
        CdiResult = 0;
    }
    CdiReturnNow = true;
    Closing(*this);
}

void TFormMain::OnCdiDoReconstruct(bool& CdiReturnNow, std::int32_t& CdiResult, std::int32_t id,
                                   std::int32_t number, std::int32_t mode, const std::string& fileName)
{
    LOG_FKT_START("TFormMain::OnCdiDoReconstruct");
    TimerTimeoutCloseStart(-1);
    CdiResult = 0;
    if (mode == 1)
        CdiResult = ReadDeviceCommunicationImage(fileName, number) ? 1 : 0;
    if (mode == 2) {
        if (!SetDevice(id, false))
            platform::MessageBox("TFormMain::OnCdiDoReconstruct", Spredit::Text9048, platform::MB_OK);
        if (ReconstructDeviceImage(false, fileName, 1)) {
            if (AktDevInst != nullptr)
                AktDevInst->WriteBlob();
            CdiResult = 1;
        }
    }
    // Neither rebuild can be done from here: the host always learns it was not.
    CdiReturnNow = true;
}

bool TFormMain::OpenSorvVisible(int hostDeviceId)
{
    LOG_FKT_START("TFormMain::OpenSorvVisible");
    const platform::TCursor remembered = platform::Ui().ScreenCursor();
    platform::SetScreenCursor(platform::crHourGlass);
    if (!SetDevice(hostDeviceId, true)) {
        platform::SetScreenCursor(remembered);
        return false;
    }
    RecoveryCheck(true, hostDeviceId);
    ShowMainWindow();
    activateWindow();
    if (FormVerw != nullptr && FormVerw->HasMeldeFenster())
        if (QWidget* host = FormVerw->MeldeFensterHost()) {
            host->show();
            host->raise();
        }
    if (DM != nullptr) {
        const TMyRegistry settings;
        settings.ReadIniBool(DM->IniFileName, SECTION_WINDOW, KEY_SHOWPREVIEW, true, fShowPreview);
    }
    if (fShowPreview)
        TimerOpenPreview.SetEnabled(true);
    AbgleichFormVerw(FormVerw);
    platform::SetScreenCursor(remembered);
    if (DM != nullptr)
        DM->StartTimerAutoSave(true);
    return true;
}
