#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/DeviceModelFactory.h"
#include "app/InitSettingKey.h"
#include "app/MyRegistry.h"
#include "app/ReplaceAllOccurrences.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/progresslib/DlgProgress.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "views/FormVerwBase.h"

#include <QCoreApplication>

#include <stdexcept>

namespace {

const TDeviceModelFactory DefaultDeviceModels;

RecDlgProgress HandOverProgress(platform::HWND owner)
{
    RecDlgProgress progress;
    progress.Caption = Spredit::Text9240;
    progress.Text = Spredit::Text9174;
    progress.FirstStep = 0;
    progress.StepCount = 6;
    progress.Delay = 0;
    progress.NoCancel = false;
    progress.Owner = owner;
    progress.Kind = 1;
    progress.StayOnTop = false;
    return progress;
}

// Closes the progress dialog on every way out of the hand-over.
class TProgressScope {
public:
    explicit TProgressScope(const RecDlgProgress& progress) : progress_(progress) { StartDlgProgress(progress_); }
    ~TProgressScope() { StopDlgProgress(); }
    TProgressScope(const TProgressScope&) = delete;
    TProgressScope& operator=(const TProgressScope&) = delete;
    // The next step; a cancel of the user posted meanwhile reaches the main window.
    void Next()
    {
        SetDlgProgress(++step_, progress_);
        QCoreApplication::processEvents();
    }

private:
    RecDlgProgress progress_;
    int step_ = 0;
};

std::string ProgramFolder()
{
    const std::string program = DM != nullptr ? DM->LongExeName : std::string();
    return program.substr(0, program.find_last_of('/') + 1);
}

} // namespace

DAL_DEVICE TFormMain::ReadDeviceRecord(int id, bool* found)
{
    DAL_DEVICE record;
    record.Size = DAL_DEVICE::RecordSize;
    const bool read = Ets2Cdi && Ets2Cdi->DalGetDeviceData(DAL_GET_BY_ID, id, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY,
                                                           &record) == DAL_OK;
    if (!read) {
        record = DAL_DEVICE();
        record.DeviceId = id;
    }
    if (found != nullptr)
        *found = read;
    return record;
}

std::unique_ptr<TDeviceInstanzTalvo> TFormMain::MakeDeviceModel(const DAL_DEVICE& record)
{
    const TDeviceModelFactory& factory = Factories.DeviceModels != nullptr ? *Factories.DeviceModels : DefaultDeviceModels;
    return factory.Create(this, &record, FormVerw);
}

bool TFormMain::FindOrCreateDevice(const DAL_DEVICE& record)
{
    const auto found = MapDevInst.find(record.DeviceId);
    if (found != MapDevInst.end()) {
        AktDevInst = found->second.get();
        return AktDevInst != nullptr;
    }
    std::unique_ptr<TDeviceInstanzTalvo> model = MakeDeviceModel(record);
    TDeviceInstanzTalvo* made = model.get();
    if (made == nullptr || !MapDevInst.emplace(record.DeviceId, std::move(model)).second)
        return false;
    AktDevInst = made;
    return true;
}

TFormVerwBase* TFormMain::NewActiveFormVerw()
{
    TFormVerwBase* window = NewFormVerw();
    FormVerw = window;
    FormVerwCreated(window);
    return window;
}

bool TFormMain::SetDevice(int id, bool show)
{
    LOG_FKT_START("TFormMain::SetDevice");
    if (DM != nullptr) {
        DM->SwCreatedVersion = "unknown";
        DM->SwCreatedDate = "unknown";
    }
    fAbbruch = false;
    TProgressScope progress(HandOverProgress(GetHandle()));
    if (fAbbruch)
        return false;
    progress.Next();
    GetEtsRegData();
    const DAL_DEVICE record = ReadDeviceRecord(id, nullptr);
    if (!FindOrCreateDevice(record))
        return false;
    std::string name;
    try {
        SetInitDataToDevice(AktDevInst);
        name = AktDevInst->GetDeviceName();
    } catch (const std::runtime_error&) {
        // A device the host does not know has no type number; the model said so in its box.
        return false;
    }
    SetApplicationTitle(name);
    if (!record.Description.empty())
        name += " [" + ReplaceAllOccurrences(record.Description, "\r\n", " ") + "]";
    setWindowTitle(platform::ToQString(name));
    if (show) {
        if (FormVerw == nullptr) {
            if (fAbbruch)
                return false;
            progress.Next();
            NewActiveFormVerw();
            AktDevInst->ConfigWindow = FormVerw;
        }
        std::string caption = Spredit::Text9246;
        if (const int number = FormVerw->GetWindowNumber(); number > 0)
            caption += ":" + std::to_string(number);
        FormVerw->setWindowTitle(platform::ToQString(caption));
        if (fAbbruch)
            return false;
        progress.Next();
        FormVerw->SetDeviceInstanz(AktDevInst);
        if (fAbbruch)
            return false;
        progress.Next();
        if (DM != nullptr)
            FormVerw->LoadColor(DM->GridColorCommon, DM->GridColorCell, DM->GridColorTitle, DM->GridColorCellReadOnly,
                                DM->GridLineWidth);
        FormVerw->BindResize(true);
    }
    if (fAbbruch)
        return false;
    progress.Next();
    if (!AktDevInst->GetDataFromServer(GetHandle(), show))
        return false;
    SetParamDeviceIdToEts(id);
    // The host links the objects itself: the model stands as read.
    if (fCdiLinkToSubGroup)
        return true;
    const bool associated = AktDevInst->UpdateObjectAssociations();
    if (show && FormVerw != nullptr)
        FormVerw->UpdateTreeNamesAndIcon();
    return associated;
}

bool TFormMain::CreateDevice(const DAL_DEVICE* record)
{
    LOG_FKT_START("TFormMain::CreateDevice");
    if (record == nullptr)
        return false;
    if (FormVerw == nullptr)
        NewActiveFormVerw();
    ProcessMessages();
    std::unique_ptr<TDeviceInstanzTalvo> model = MakeDeviceModel(*record);
    TDeviceInstanzTalvo* made = model.get();
    if (made == nullptr)
        return false;
    // A model left in the map for the id gives way to the new one.
    if (const auto stale = MapDevInst.find(record->DeviceId); stale != MapDevInst.end()) {
        for (TFormVerwBase* window : ListFormVerw)
            window->SetDeviceInstanz(nullptr);
        if (AktDevInst == stale->second.get())
            AktDevInst = nullptr;
        MapDevInst.erase(stale);
    }
    MapDevInst.emplace(record->DeviceId, std::move(model));
    AktDevInst = made;
    SetInitDataToDevice(AktDevInst);
    if (!AktDevInst->CreateNewDevice(GetHandle()))
        return false;
    AktDevInst->WriteBlob();
    AktDevInst->GrpAdrLoaded = false;
    SetParamDeviceIdToEts(record->DeviceId);
    ApplCloseOrHide(false, false, false, false, false);
    return true;
}

bool TFormMain::DeleteDevice(const DAL_DEVICE* record)
{
    LOG_FKT_START("TFormMain::DeleteDevice");
    if (record == nullptr)
        return false;
    const auto found = MapDevInst.find(record->DeviceId);
    if (found == MapDevInst.end())
        return false;
    AktDevInst = found->second.get();
    // No window keeps the model that goes now.
    for (TFormVerwBase* window : ListFormVerw)
        if (window != nullptr)
            window->SetDeviceInstanz(nullptr);
    MapDevInst.erase(found);
    AktDevInst = nullptr;
    return true;
}

void TFormMain::SetInitDataToDevice(TDeviceInstanzTalvo* device)
{
    LOG_FKT_START("TFormMain::SetInitDataToDevice");
    if (device == nullptr || DM == nullptr)
        return;
    const std::string type = device->GetDeviceEtsInfo().TypeNumberText;
    const std::string defaultFile = InitSetting::DefaultFile(ProgramFolder(), type);
    const TMyRegistry settings;
    const std::string& ini = DM->IniFileName;
    std::int32_t mode = 0;
    settings.ReadIniInteger(ini, SECTION_INITIALISIERUNG, InitSetting::ReadKey(ini, KEY_MODUS, type), 0, mode);
    device->SetInitModus(static_cast<std::uint8_t>(mode & 0xFF));
    std::string file;
    settings.ReadIniString(ini, SECTION_INITIALISIERUNG, InitSetting::ReadKey(ini, KEY_INITFILECREATE, type),
                           defaultFile, file);
    device->SetInitFileCreate(file);
    settings.ReadIniString(ini, SECTION_INITIALISIERUNG, InitSetting::ReadKey(ini, KEY_INITFILECREATEUSER, type),
                           defaultFile, file);
    device->SetInitFileCreateUser(file);
}
