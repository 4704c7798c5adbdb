// The device's data block: reading it from the project database (or the backup copy),
// rebuilding the model from it, and writing it back with its information block.
//
// The device model reaches the project database only through the host link object that its
// main window owns (TMainWindowServices::GetEts2Cdi); without main window or link every read
// and write of the block fails as the host's would.

#include "device/DeviceInstanz.h"

#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "device/DataModuleServices.h"
#include "device/E_InstVerw.h"
#include "device/SharedTextConstants.h"
#include "device/WriteStamp.h"
#include "outside/addrlink/SorvEtsDevice.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/EibHandle.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/hostlink/HostReadSnapshot.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QFileInfo>
#include <QLocale>

#include <filesystem>
#include <limits>
#include <new>
#include <system_error>
#include <vector>

namespace {

constexpr char DefaultBlobDumpFile[] = "ReadBlob.txt";
constexpr char BlobInfoExternKey[] = "fBlobDatenExtern";

// " mmmm d, yyyy , hh:mm" of the file's last change, with the month's full name in the
// program's language.
std::string LastChangeText(const std::string& path)
{
    const QDateTime changed = QFileInfo(platform::ToQString(path)).lastModified();
    return platform::FromQString(QLocale().toString(changed, QStringLiteral(" MMMM d, yyyy , hh:mm")));
}

// Runs the action when the scope is left, however.
template <class TAction>
class TAtScopeEnd {
public:
    explicit TAtScopeEnd(TAction action) : action_(std::move(action)) {}
    ~TAtScopeEnd() { action_(); }
    TAtScopeEnd(const TAtScopeEnd&) = delete;
    TAtScopeEnd& operator=(const TAtScopeEnd&) = delete;

private:
    TAction action_;
};

} // namespace

TEts2Cdi* TDeviceInstanz::GetEts2Cdi() const
{
    return MainForm ? MainForm->GetEts2Cdi() : nullptr;
}

THostReadSnapshot TDeviceInstanz::HostReadSnapshot() const
{
    return THostReadSnapshot(GetEts2Cdi());
}

bool TDeviceInstanz::GetDataFromServer(platform::HWND mainWindow, bool reinitWindows)
{
    LOG_FKT_START("TDeviceInstanz::GetDataFromServer");
    TEts2Cdi* link = GetEts2Cdi();
    const char* data = nullptr;
    std::int32_t size = 0;
    // What the steps of the open ask of the project is read at once, and handed on until the
    // open ends. Main groups read for an open that fails go again when the device had none.
    OpenRecords = std::make_unique<TDeviceHostRecords>();
    const bool hadGroups = EtsGruppenAdressen != nullptr;
    bool opened = false;
    const TAtScopeEnd forget([&] {
        OpenRecords.reset();
        if (!opened && !hadGroups)
            EtsGruppenAdressen.reset();
    });
    if (!ReadOpenFromServer(link, data, size)) {
        platform::MessageBox(Spredit::Text9097, Spredit::Text9040, platform::MB_OK | platform::MB_ICONINFORMATION);
        BlobFromBackup = true;
        if (!LoadBackupCopy())
            return false;
    } else {
        if (size == 0 && !CreateNewDeviceBlock(mainWindow, data, size))
            return false;
        // The link's bytes are copied at once and then given back.
        BlobStream = platform::TMemoryStream(size > 0 ? std::string(data, static_cast<std::size_t>(size)) : std::string());
        link->ReleaseBlob();
    }

    StoredStamp = ReadWriteStamp(BlobStream.Bytes());
    DumpBlobStream(KEY_WRITEREADBLOB, KEY_READBLOB);

    if (!InitData())
        return false;

    MakeMainGroupNodes();
    opened = true;
    // The alignment may change the device's parameters: from here on the project is asked.
    const std::string physAdr = GetPhysAdr(EtsDeviceId);
    OpenRecords.reset();

    if (!DatenAbgleich(true, false)) {
        platform::MessageBox(Spredit::Text9095, Spredit::Text9048, platform::MB_OK | platform::MB_ICONWARNING);
        return false;
    }

    if (reinitWindows && MainForm) {
        for (TConfigWindowServices* window : MainForm->GetListFormVerw()) {
            if (!window)
                continue;
            window->DeleteGrpAdr();
            window->InitData(DataPointerMap.Map(), mainWindow);
            window->SetDeviceInstanz(this);
            window->InitGrpAdr(mainWindow, GrpAdrOrdner.get(), MainGroupNodes, GrpAdrNodes);
        }
    }

    if (Device) {
        auto* etsDevice = dynamic_cast<TSorvEtsDevice*>(Device);
        if (etsDevice)
            etsDevice->SetPhysAdr(physAdr);
        Device->Write(*GetDatenSatz(Device));
        if (etsDevice && MainForm)
            MainForm->UpdateObjektAnzahl(etsDevice->GetObjektAnzahl(), etsDevice->GetMaxObjektAnzahl());
    }
    return true;
}

bool TDeviceInstanz::ReadOpenFromServer(TEts2Cdi* link, const char*& data, std::int32_t& size)
{
    // Nothing here waits for the user: the snapshot ends before the open goes on.
    const THostReadSnapshot snapshot(link);
    const bool blockRead = link && link->BlobRead(data, size, EtsDeviceId);
    ReadHostRecords(*OpenRecords);
    ReadMainGroupsFromServer();
    return blockRead;
}

bool TDeviceInstanz::LoadBackupCopy()
{
    std::error_code unknown;
    if (AutoSaveFile.empty() || !std::filesystem::is_regular_file(AutoSaveFile, unknown)) {
        platform::MessageBox(Spredit::Text9137 + ":\n" + AutoSaveFile, Spredit::Text9090,
                             platform::MB_OK | platform::MB_ICONWARNING);
        if (TDataModuleServices* dataModule = TDataModuleServices::Current())
            dataModule->StartTimerAutoSave(true);
        return false;
    }
    platform::MessageBox(Spredit::Text9172 + ":" + LastChangeText(AutoSaveFile), Spredit::Text9043,
                         platform::MB_OK | platform::MB_ICONINFORMATION);
    BlobStream.Clear();
    try {
        BlobStream.LoadFromFile(AutoSaveFile);
    } catch (const std::system_error&) {
        // There, but unreadable: told as such, and treated as a missing copy.
        BlobStream.Clear();
        platform::MessageBox(Spredit::Text9125 + "\n" + AutoSaveFile, Spredit::Text9090,
                             platform::MB_OK | platform::MB_ICONWARNING);
        if (TDataModuleServices* dataModule = TDataModuleServices::Current())
            dataModule->StartTimerAutoSave(true);
        return false;
    }
    return true;
}

bool TDeviceInstanz::CreateNewDeviceBlock(platform::HWND mainWindow, const char*& data, std::int32_t& size)
{
    // Without a device data object there is nothing that could be written as the new device.
    if (!CreateNewDevice(mainWindow) || !Device) {
        platform::MessageBox(Spredit::Text9119, Spredit::Text9047, platform::MB_OK | platform::MB_ICONWARNING);
        return false;
    }
    WriteBlob();
    TEts2Cdi* link = GetEts2Cdi();
    if (!link || !link->BlobRead(data, size, EtsDeviceId)) {
        platform::MessageBox("Can't read data (BLOB): 2", "Error: TDeviceInstanz::GetDataFromServer", platform::MB_OK);
        return false;
    }
    return size != 0;
}

bool TDeviceInstanz::InitData()
{
    LOG_FKT_START("TDeviceInstanz::InitData");
    try {
        std::list<int> handles;
        if (!CopyDBDatenToStruktur(handles))
            return false;
        EibHandle.reset();
        EibHandle = std::make_unique<TEibHandle>(handles);
        EibHandle->BuildNewTable();
        InitDataMainStruktur();
    } catch (const std::bad_alloc&) {
        throw E_InstVerw(2, "InitData: ram allocation", ErrorContext, __FILE__, __LINE__);
    }
    return true;
}

bool TDeviceInstanz::ClearDatenStream()
{
    LOG_FKT_START("TDeviceInstanz::ClearDatenStream");
    BlobStream.Clear();
    return true;
}

bool TDeviceInstanz::WriteBlob()
{
    LOG_FKT_START("TDeviceInstanz::WriteBlob");
    bool stored = false;
    if (Device) {
        const std::string info = GetBlobInfoString();
        Device->Write(*GetDatenSatz(Device));
        CopyStrukturDatenToDB(nullptr, &BlobStream);
        const std::string block = info + BlobStream.Bytes();
        TEts2Cdi* link = GetEts2Cdi();
        stored = link && block.size() <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) &&
                 link->BlobWrite(block.data(), static_cast<std::int32_t>(block.size()), EtsDeviceId);
        if (stored)
            StoredStamp = ReadWriteStamp(BlobStream.Bytes());
    }
    if (!stored)
        platform::MessageBox(Spredit::Text9096, Spredit::Text9048, platform::MB_OK | platform::MB_ICONWARNING);
    if (Device)
        DumpBlobStream(KEY_WRITESAVEBLOB, KEY_SAVEBLOB);
    return stored;
}

std::string TDeviceInstanz::GetBlobInfoString()
{
    LOG_FKT_START("TDeviceInstanz::GetBlobInfoString");
    return TagBlobInfoOpen + "\r\n" + BlobInfoExternKey + "=0\r\n" + DIR_BLOB_FILE + "=" + GetBlobFileName(true) +
           "\r\n" + TagBlobInfoClose + "\r\n";
}

bool TDeviceInstanz::WriteAll()
{
    LOG_FKT_START("TDeviceInstanz::WriteAll");
    // Handles first: an object that writes may have others made or removed.
    std::vector<std::int32_t> handles;
    for (const auto& entry : DataPointerMap.Map())
        handles.push_back(entry.first);
    for (const std::int32_t handle : handles) {
        if (TDataBasis* object = FindHandle(handle))
            object->Write(*GetDatenSatz(object));
    }
    return !handles.empty();
}

bool TDeviceInstanz::CleanUpBlob(bool clean)
{
    LOG_FKT_START("TDeviceInstanz::CleanUpBlob");
    if (!clean)
        return false;
    return CleanUpBlobDataDB();
}

bool TDeviceInstanz::CleanUpBlobDataDB()
{
    LOG_FKT_START("TDeviceInstanz::CleanUpBlobDataDB");
    DeleteAll();
    return WriteAll();
}

void TDeviceInstanz::DumpBlobStream(std::string_view switchKey, std::string_view fileKey) const
{
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    if (!dataModule)
        return;
    const std::string settingsFile = dataModule->GetIniFileName();
    const TMyRegistry registry;
    bool on = false;
    registry.ReadIniBool(settingsFile, SECTION_DEBUG, switchKey, false, on);
    if (!on)
        return;
    std::string dumpFile;
    registry.ReadIniString(settingsFile, SECTION_DEBUG, fileKey, DefaultBlobDumpFile, dumpFile);
    std::error_code unknown;
    if (dumpFile.empty() || !std::filesystem::is_regular_file(dumpFile, unknown))
        return;
    try {
        BlobStream.SaveToFile(dumpFile);
    } catch (const std::system_error&) {
        // A debugging aid: a dump that cannot be written changes nothing else.
    }
}
