#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/DataSourceMark.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/DataBasis.h"
#include "outside/viewkit/LoadS19.h"
#include "platform/CursorHourGlass.h"
#include "platform/MemoryStream.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"
#include "views/PreviewManagerFactory.h"
#include "views/PreviewManagerServices.h"

#include <QAction>

#include <filesystem>

namespace {

constexpr std::int32_t LogLevelDetail = 1536;

void Trace(const std::string& text)
{
    LOG_FKT_START_TEXT("TFormMain::SaveToFile", LogLevelDetail, text);
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Saves the stream to the target; false, traced, when that failed.
bool SaveStream(const platform::TMemoryStream& stream, const std::string& target)
{
    try {
        stream.SaveToFile(target);
        Trace("!!Saved to file: " + target);
        return true;
    } catch (const std::exception&) {
        Trace("!!Exception: Stream->SaveToFile(s): " + target);
    } catch (...) {
        Trace("!!Unknown Exception: Stream->SaveToFile(s): " + target);
    }
    return false;
}

} // namespace

bool TFormMain::SaveToFile(const std::string& name)
{
    LOG_FKT_START("TFormMain::SaveToFile");
    if (AktDevInst == nullptr)
        return false;
    Trace("!!SaveFile: " + AktDevInst->AutoSaveFile);
    bool result = true;
    bool saved = false;
    std::string target;
    try {
        target = name.empty() || name == "0" ? AktDevInst->AutoSaveFile : name;
        platform::TMemoryStream stream;
        // The device's own record as the block would carry it.
        if (TDataBasis* device = AktDevInst->GetDevice())
            device->Write(*AktDevInst->GetDatenSatz(device));
        {
            TDeviceInstanz::TRecordTable records("", 0);
            const TDataSourceMark mark(*AktDevInst, TDeviceInstanz::dsDatabase);
            AktDevInst->CopyStrukturDatenToDB(&records, &stream);
        }
        const std::string folder = FolderOf(target);
        Trace("!!Path: " + folder);
        std::error_code unknown;
        if (folder.empty() || std::filesystem::is_directory(folder, unknown)) {
            Trace("!!Directory found");
            saved = SaveStream(stream, target);
        } else {
            Trace("!!Directory not found");
            try {
                std::error_code error;
                std::filesystem::create_directories(folder, error);
                if (!error) {
                    saved = SaveStream(stream, target);
                } else {
                    Trace("!!Can't Create Directory " + folder);
                    platform::MessageBox("Cannot create save file:\n" + target, "Error Autosave", platform::MB_OK);
                    result = false;
                }
            } catch (...) {
                Trace("!!Exception: ForceDirectories");
                if (target == AktDevInst->AutoSaveFile) {
                    Trace("!!Try: Stream->SaveToFile(s);");
                    saved = SaveStream(stream, target);
                }
            }
        }
    } catch (...) {
        Trace("!!Unknown Ecxeption: Can't Create Directory / WriteFile");
        result = false;
    }
    if (!saved) {
        platform::MessageBox(Spredit::Text9130 + "\n" + target, Spredit::Text9017, platform::MB_OK);
        result = false;
    }
    Trace("!!Ende!!");
    return result;
}

void TFormMain::OpenPreview(bool rebuild)
{
    LOG_FKT_START("TFormMain::OpenPreview");
    if (AktDevInst == nullptr || FormVerw == nullptr || DM == nullptr)
        return;
    try {
        const platform::TCursorHourGlass hourGlass;
        const bool onTop = DM->PreviewZOrder == -1;
        if (PreviewManager) {
            if (!rebuild) {
                PreviewManager->BringToFront();
                PreviewManager->StayOnTop(onTop);
                return;
            }
            PreviewManager.reset();
        }
        const int deviceType = AktDevInst->GetDeviceEtsInfo().TypeNumber;
        if (Factories.Previews == nullptr)
            return;
        PreviewManager = Factories.Previews->Create(this, GetHandle(), AktDevInst, DM->PreviewImagesDir, deviceType);
        if (!PreviewManager || AktDevInst->CharSetStream.Size() == 0)
            return;
        AktDevInst->CharSetStream.SetPosition(0);
        if (!LoadS19StreamToMap(&AktDevInst->CharSetStream, AktDevInst->CharTable))
            return;
        if (TDataBasis* object = FormVerw->GetSelData()) {
            const bool built = DM->APreviewShowDisplayOnly->isChecked() ? PreviewManager->InitSmall(object)
                                                                        : PreviewManager->Init(object);
            if (!built)
                return;
        }
        PreviewManager->StayOnTop(onTop);
        PreviewManager->Show();
        FitWindowLayout();
    } catch (const std::exception& failure) {
        platform::MessageBox(failure.what(), Spredit::Text9099, platform::MB_OK);
        PreviewManager.reset();
    }
}

void TFormMain::TimerOpenPreviewTimer()
{
    LOG_FKT_START("TFormMain::TimerOpenPreviewTimer");
    TimerOpenPreview.SetEnabled(false);
    OpenPreview(false);
}
