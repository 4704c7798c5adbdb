#include "app/FormMain.h"

#include "app/HostMeter.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "device/SharedTextConstants.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/MemoryStream.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <filesystem>

namespace {

bool FileExists(const std::string& path)
{
    std::error_code unknown;
    return std::filesystem::is_regular_file(path, unknown);
}

std::string Folder(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

bool TFormMain::ImportDevice(int id)
{
    LOG_FKT_START("TFormMain::ImportDevice");
    bool found = false;
    const DAL_DEVICE record = ReadDeviceRecord(id, &found);
    if (!found || !FindOrCreateDevice(record))
        return false;
    THostMeter meter(Ets2Cdi.get(), GetHandle(), THostMeter::KindImport, Spredit::Text9222);
    if (TEtsProgressDialog* progress = meter.Progress())
        progress->EtsMeterSetText(Spredit::Text9174);
    const auto failed = [this, id] {
        const std::string message = Spredit::Text9101 + "\n" + (AktDevInst != nullptr ? AktDevInst->GetPhysAdr(id) : "");
        platform::MessageBox(message, Spredit::Text9222, platform::MB_ICONERROR);
        return false;
    };
    int oldId = 0;
    if (!GetParamDeviceIdFromEts(id, &oldId))
        return failed();
    tagETSINFO info;
    if (Ets2Cdi)
        Ets2Cdi->GetEtsInfo(info);
    const std::string importFolder = Folder(info.ImportFolder);
    std::string file = importFolder + std::to_string(oldId) + "." + ExportExt;
    if (!FileExists(file)) {
        platform::MessageBox(Spredit::Text9112 + "\nDeviceId = " + std::to_string(oldId), Spredit::Text9222,
                             platform::MB_OK);
        const std::string extension = EXT_BU + AktDevInst->GetDeviceEtsInfo().TypeNumberText;
        platform::TFileDialogInfo dialog;
        dialog.Title = Spredit::Text9222;
        dialog.Filter = AktDevInst->GetDeviceName() + " (*." + extension + ")|*." + extension + "|" + Sprsysfunc::Text11071;
        dialog.InitialDir = importFolder;
        dialog.DefaultExt = ExportExt;
        if (!platform::Ui().OpenFileDialog(dialog))
            return failed();
        file = dialog.FileName;
    }
    platform::TMemoryStream stream;
    stream.LoadFromFile(file);
    meter.SetPosition(2);
    if (meter.Aborted())
        return failed();
    AktDevInst->ImportFile = file;
    if (!AktDevInst->SorvCdiImport(&stream, meter.Progress()))
        return failed();
    AktDevInst->WriteBlob();
    if (!SetParamDeviceIdToEts(id))
        return failed();
    std::error_code unknown;
    std::filesystem::remove(file, unknown);
    meter.Finish();
    AktDevInst->GrpAdrLoaded = false;
    return true;
}

bool TFormMain::CopyDevice(int newId, int sourceId, bool /*flag*/)
{
    LOG_FKT_START("TFormMain::CopyDevice");
    THostMeter meter(Ets2Cdi.get(), GetHandle(), THostMeter::KindCopy, Spredit::Text9220);
    if (TEtsProgressDialog* progress = meter.Progress())
        progress->EtsMeterSetText(Spredit::Text9174);
    const DAL_DEVICE record = ReadDeviceRecord(newId, nullptr);
    if (!FindOrCreateDevice(record))
        return false;
    const auto failed = [] {
        platform::MessageBox(Spredit::Text9100, Spredit::Text9220, platform::MB_ICONERROR);
        return false;
    };
    meter.SetPosition(5);
    if (meter.Aborted())
        return failed();
    const char* data = nullptr;
    std::int32_t size = 0;
    if (!Ets2Cdi || !Ets2Cdi->BlobRead(data, size, sourceId))
        return failed();
    {
        platform::TMemoryStream stream;
        stream.SetSize(static_cast<std::size_t>(size));
        stream.SetPosition(0);
        stream.Write(data, static_cast<std::size_t>(size));
        stream.SetPosition(0);
        meter.SetPosition(9);
        if (meter.Aborted())
            return failed();
        if (!AktDevInst->SorvCdiCopy(&stream, meter.Progress()))
            return failed();
    }
    if (!SetParamDeviceIdToEts(newId))
        return failed();
    AktDevInst->WriteBlob();
    AktDevInst->GrpAdrLoaded = false;
    meter.Finish();
    return true;
}
