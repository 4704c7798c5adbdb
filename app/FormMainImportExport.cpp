#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/DataSourceMark.h"
#include "app/FDlgImport.h"
#include "app/InitSettingKey.h"
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "device/SharedTextConstants.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/CursorHourGlass.h"
#include "platform/MemoryStream.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"

#include <filesystem>
#include <vector>

// Import and export of the current device's data, and the import of initialisation files for a
// new device.

namespace {

constexpr char DeviceNotFound[] = "Device not found!!!";
constexpr char CannotCreateFile[] = "Can not create file :\n";

constexpr std::uint32_t OpenOptions = platform::ofPathMustExist | platform::ofFileMustExist | platform::ofEnableSizing;
constexpr std::uint32_t SaveOptions =
    platform::ofOverwritePrompt | platform::ofNoReadOnlyReturn | platform::ofEnableSizing;

// One filter entry of the device's data files with the extension: "name (*.ext)|*.ext|".
std::string FilterEntry(const std::string& deviceName, const std::string& extension)
{
    return deviceName + " (*." + extension + ")|*." + extension + "|";
}

// Stops the auto-save for its own lifetime; the suspended trees resume sorted by data and the
// auto-save runs again on every way out.
class TImportBracket {
public:
    TImportBracket() { DM->StartTimerAutoSave(false); }
    ~TImportBracket()
    {
        for (TFormVerwBase* window : Suspended) {
            window->TreeEndUpdate();
            window->SetTreeSorted(true);
        }
        DM->StartTimerAutoSave(true);
    }
    TImportBracket(const TImportBracket&) = delete;
    TImportBracket& operator=(const TImportBracket&) = delete;

    void Suspend(TFormVerwBase* window)
    {
        window->DeleteZellenKomponente();
        window->TreeBeginUpdate();
        window->SetTreeSorted(false);
        Suspended.push_back(window);
    }

private:
    std::vector<TFormVerwBase*> Suspended;
};

// Saves the stream as the file, its folder made with every missing parent; false when the folder
// cannot be made or the file cannot be written.
bool SaveExport(const platform::TMemoryStream& stream, const std::string& file)
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
        std::filesystem::create_directories(folder, error);
        if (error)
            return false;
    }
    try {
        stream.SaveToFile(file);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

void TFormMain::Import()
{
    LOG_FKT_START("TFormMain::Import");
    if (ShowMessageBox(Spredit::Text9151, Spredit::Text9018, platform::MB_YESNO | platform::MB_ICONINFORMATION) !=
        platform::IDYES)
        return;
    if (AktDevInst == nullptr) {
        ShowMessageBox(DeviceNotFound, Spredit::Text9099, platform::MB_ICONWARNING);
        return;
    }
    const std::string type = AktDevInst->GetDeviceEtsInfo().TypeNumberText;
    const std::string name = AktDevInst->GetDeviceName();
    platform::TFileDialogInfo dialog;
    dialog.InitialDir = DatenPfad;
    const std::string extension = InitSetting::Word(type);
    dialog.DefaultExt = extension;
    dialog.Filter = FilterEntry(name, extension) + FilterEntry(name, EXT_BD + type) + Sprsysfunc::Text11071;
    dialog.Title = Spredit::Text9018;
    dialog.Options = OpenOptions;
    if (!platform::Ui().OpenFileDialog(dialog))
        return;
    bool cancelled = false;
    if (DatenImport(dialog.FileName, cancelled))
        ShowMessageBox(Spredit::Text9149, Spredit::Text9018, platform::MB_OK);
    else if (!cancelled)
        ShowMessageBox(Spredit::Text9150, Spredit::Text9018, platform::MB_ICONWARNING);
}

bool TFormMain::DatenImport(const std::string& file)
{
    bool cancelled = false;
    return DatenImport(file, cancelled);
}

bool TFormMain::DatenImport(const std::string& file, bool& cancelled)
{
    LOG_FKT_START("TFormMain::DatenImport");
    cancelled = false;
    if (AktDevInst == nullptr || DM == nullptr)
        return false;
    TImportBracket bracket;
    bool withGroupAddresses = false;
    {
        TFDlgImport choice(this);
        if (platform::Ui().ShowModal(choice) != platform::IDOK) {
            cancelled = true;
            return false;
        }
        withGroupAddresses = choice.WithGroupAddresses();
    }
    // From here on: not while the user chooses.
    const platform::TCursorHourGlass hourGlass;
    platform::TMemoryStream stream;
    try {
        stream.LoadFromFile(file);
    } catch (const std::exception&) {
        return false;
    }
    if (FormVerw != nullptr) {
        for (TFormVerwBase* window : ListFormVerw)
            bracket.Suspend(window);
        FormVerw->DeleteZellenKomponente();
    }
    AktDevInst->ImportFile = file;
    bool imported = AktDevInst->SorvImport(&stream, withGroupAddresses);
    cancelled = !imported && AktDevInst->ImportCancelled;
    if (FormVerw != nullptr) {
        AbgleichFormVerw(FormVerw);
        FormVerw->AktualisiereAnsicht(nullptr, 1, 0);
    }
    if (imported)
        imported = AktDevInst->WriteAll();
    return imported;
}

bool TFormMain::ImportUserDaten()
{
    LOG_FKT_START("TFormMain::ImportUserDaten");
    if (AktDevInst == nullptr) {
        ShowMessageBox(DeviceNotFound, Spredit::Text9099, platform::MB_ICONWARNING);
        return false;
    }
    const std::string type = AktDevInst->GetDeviceEtsInfo().TypeNumberText;
    const std::string extension = InitSetting::Word(type);
    platform::TFileDialogInfo dialog;
    dialog.InitialDir = DatenPfad;
    dialog.DefaultExt = extension;
    dialog.Filter = FilterEntry(AktDevInst->GetDeviceName(), extension) + Sprsysfunc::Text11071;
    dialog.FileName = AktDevInst->GetInitFileCreateUser();
    dialog.Title = Sprsysfunc::Text11072;
    dialog.Options = OpenOptions;
    if (!platform::Ui().OpenFileDialog(dialog))
        return false;
    if (!DatenImport(dialog.FileName))
        return false;
    AktDevInst->SetInitFileCreateUser(dialog.FileName);
    TMyRegistry().WriteIniString(DM->IniFileName, SECTION_INITIALISIERUNG,
                                 InitSetting::WriteKey(KEY_INITFILECREATEUSER, type), dialog.FileName);
    return true;
}

void TFormMain::Export()
{
    LOG_FKT_START("TFormMain::Export");
    if (AktDevInst == nullptr) {
        ShowMessageBox(DeviceNotFound, Spredit::Text9099, platform::MB_ICONWARNING);
        return;
    }
    const std::string extension = InitSetting::Word(AktDevInst->GetDeviceEtsInfo().TypeNumberText);
    platform::TFileDialogInfo dialog;
    dialog.InitialDir = DatenPfad;
    dialog.DefaultExt = extension;
    dialog.Filter = FilterEntry(AktDevInst->GetDeviceName(), extension) + Sprsysfunc::Text11071;
    dialog.Title = Spredit::Text9136;
    dialog.Options = SaveOptions;
    if (!platform::Ui().SaveFileDialog(dialog))
        return;
    const platform::TCursorHourGlass hourGlass;
    platform::TMemoryStream stream;
    {
        TDeviceInstanz::TRecordTable records("", 0);
        const TDataSourceMark mark(*AktDevInst, TDeviceInstanz::dsDatabase);
        AktDevInst->CopyStrukturDatenToDB(&records, &stream);
    }
    if (SaveExport(stream, dialog.FileName))
        ShowMessageBox(Sprsysfunc::Text11075, Spredit::Text9136, platform::MB_OK);
    else
        ShowMessageBox(CannotCreateFile + dialog.FileName, Spredit::Text9136, platform::MB_ICONWARNING);
}
