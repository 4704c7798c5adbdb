#include "device/DeviceInstanz.h"

#include "device/BackupFolderName.h"
#include "device/DataModuleServices.h"
#include "device/E_InstVerw.h"
#include "device/SharedTextConstants.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/EibHandle.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/hostlink/Ets2Cdi.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

TDeviceInstanz::TDeviceInstanz(TMainWindowServices* mainForm, const DAL_DEVICE* device,
                               TConfigWindowServices* window)
    : MainForm(mainForm),
      ConfigWindow(window),
      EtsDevice(device ? *device : DAL_DEVICE{}),
      EtsDeviceId(EtsDevice.DeviceId)
{
    LOG_FKT_START("TDeviceInstanz::TDeviceInstanz");
    FormAutoSavePaths();
}

void TDeviceInstanz::FormAutoSavePaths()
{
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    if (!dataModule)
        return;
    std::string exeName;
    dataModule->GetLongExeName(exeName);
    const std::size_t slash = exeName.find_last_of('/');
    if (slash == std::string::npos)
        return;
    const std::string root = exeName.substr(0, slash + 1) + DIR_PRODUCT + "/" + DIR_AUTO_SAVE + "/";
    const std::string fileName = std::to_string(EtsDeviceId) + "." + EXT_BUS;
    // Device ids repeat in every project: each project has a folder of its own.
    const TEts2Cdi* link = GetEts2Cdi();
    AutoSaveFolderName = BackupFolderName(EtsDevice.ProjectId, link != nullptr ? link->ProjectPath() : std::string());
    AutoSaveDir = root + AutoSaveFolderName + "/";
    AutoSaveFile = AutoSaveDir + fileName;
    LegacyAutoSaveFile = root + fileName;
    std::error_code ignored; // a folder that cannot be made shows when the backup is read
    std::filesystem::create_directories(AutoSaveDir, ignored);
}

TDeviceInstanz::~TDeviceInstanz()
{
    LOG_FKT_START("TDeviceInstanz::~TDeviceInstanz");
    EibHandle.reset();
    Device = nullptr;
    DataPointerMap.Clear();
    SystemMaps.Clear();
    EtsDeviceParam.reset();
}

bool TDeviceInstanz::SetObjIdent(std::int8_t /*ident*/)
{
    LOG_FKT_START("TDeviceInstanz::SetObjIdent");
    return true;
}

bool TDeviceInstanz::UpdateActiveTree(int /*first*/, int /*second*/)
{
    LOG_FKT_START("TDeviceInstanz::UpdateActiveTree");
    return false;
}

bool TDeviceInstanz::VersionConvert(platform::TMemoryStream* /*block*/, const std::string& /*storedVersion*/)
{
    LOG_FKT_START("TDeviceInstanz::VersionConvert");
    return false;
}

bool TDeviceInstanz::SorvImport(platform::TMemoryStream* /*data*/, bool /*withGroupAddresses*/)
{
    LOG_FKT_START("TDeviceInstanz::SorvImport");
    return false;
}

// --- Record store ---

void TDeviceInstanz::ClearDataMaps()
{
    LOG_FKT_START("TDeviceInstanz::ClearDataMaps");
    ClearLoadTimeTables();
    Device = nullptr;
    DataPointerMap.Clear();
    SystemMaps.Clear();
}

void TDeviceInstanz::ClearLoadTimeTables()
{
    HandleMap.clear();
    TypMap = {};
    TypIterBegin = TypIterEnd = TTypMap::iterator{};
    ParentMap.clear();
    LoadTimeArena.release();
}

void TDeviceInstanz::FillDataMaps(const TDatenStruktur& record)
{
    LOG_FKT_START("TDeviceInstanz::FillDataMaps");
    const auto [place, filed] = HandleMap.try_emplace(record.Handle, record);
    if (filed)
        FileLoadedRecord(place->second);
    else
        KeepDuplicateRecord(record);
}

void TDeviceInstanz::FillDataMaps(TDatenStruktur&& record)
{
    LOG_FKT_START("TDeviceInstanz::FillDataMaps");
    const auto [place, filed] = HandleMap.try_emplace(record.Handle, std::move(record));
    if (filed)
        FileLoadedRecord(place->second);
    else
        KeepDuplicateRecord(record); // not moved from: try_emplace did not take it
}

void TDeviceInstanz::KeepDuplicateRecord(const TDatenStruktur& record)
{
    // No data object is made from it, but it is written back as it was read.
    platform::MessageBox("Doppelter Handle: " + std::to_string(record.Handle) + "\nName: " + record.Name,
                         "TDeviceInstanz::FillDataMaps", platform::MB_OK | platform::MB_ICONWARNING);
    SystemMaps.File(record);
}

void TDeviceInstanz::FileLoadedRecord(const TDatenStruktur& loaded)
{
    // Records come in ascending Typ as a rule: then each goes to the end without a search.
    const auto after = TypMap.empty() || TypMap.back().first <= loaded.Typ
                           ? TypMap.end()
                           : std::upper_bound(TypMap.begin(), TypMap.end(), loaded.Typ,
                                              [](std::int16_t typ, const auto& entry) { return typ < entry.first; });
    TypMap.emplace(after, loaded.Typ, &loaded);
    ParentMap.emplace(loaded.Parent, &loaded);
    SystemMaps.File(loaded);
}

TDatenStruktur* TDeviceInstanz::GetDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    LOG_FKT_START("TDeviceInstanz::GetDatenSatz");
    return &SystemMaps.FindOrCreate(system, parent, handle);
}

TDatenStruktur* TDeviceInstanz::FindDatenSatz(std::int32_t system, std::int32_t handle)
{
    LOG_FKT_START("TDeviceInstanz::FindDatenSatz");
    return SystemMaps.Find(system, -1, handle);
}

TDatenStruktur* TDeviceInstanz::GetDatenSatz(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::GetDatenSatz");
    if (!object)
        return nullptr;
    return GetDatenSatz(object->GetSystem(), object->GetParentHandle(), object->GetHandle());
}

void TDeviceInstanz::DeleteAll()
{
    LOG_FKT_START("TDeviceInstanz::DeleteAll");
    SystemMaps.Clear();
}

void TDeviceInstanz::DeleteDatenSatzAndNext(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::DeleteDatenSatzAndNext");
    if (!object)
        return;
    DeleteDatenSatzAndNext(object->GetSystem(), object->GetParentHandle(), object->GetHandle());
}

void TDeviceInstanz::DeleteDatenSatzAndNext(std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    LOG_FKT_START("TDeviceInstanz::DeleteDatenSatzAndNext");
    TDatenStruktur* record = GetDatenSatz(system, parent, handle);
    if (record->Next != 0) {
        std::set<std::int32_t> visited{record->Handle};
        DeleteChain(system, record->Handle, record->Next, visited);
    }
    DeleteDatensatz(record);
}

void TDeviceInstanz::DeleteNextDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle)
{
    LOG_FKT_START("TDeviceInstanz::DeleteNextDatenSatz");
    std::set<std::int32_t> visited;
    DeleteChain(system, parent, handle, visited);
}

void TDeviceInstanz::DeleteChain(std::int32_t system, std::int32_t parent, std::int32_t handle,
                                 std::set<std::int32_t>& visited)
{
    // Distinct handles give distinct records, so every pointer collected here stays valid until
    // its own record goes.
    // A missing record ends the chain: the walk finds, it never creates.
    std::vector<TDatenStruktur*> chain;
    for (std::int32_t next = handle; visited.insert(next).second;) {
        TDatenStruktur* record = SystemMaps.Find(system, parent, next);
        if (!record)
            break;
        chain.push_back(record);
        next = record->Next;
        if (next == 0)
            break;
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        DeleteDatensatz(*it);
}

void TDeviceInstanz::DeleteDatensatz(TDatenStruktur* record)
{
    LOG_FKT_START("TDeviceInstanz::DeleteDatensatz");
    if (!record)
        return;
    const std::int32_t system = record->System;
    const std::int32_t parent = record->Parent;
    const std::int32_t handle = record->Handle;
    if (!SystemMaps.FindTable(system))
        throw E_InstVerw(4, "DeleteIterator: unknown systemhandle: " + std::to_string(system), ErrorContext,
                         __FILE__, __LINE__);
    SystemMaps.Remove(system, parent, handle);
}

TDeviceInstanz::TIteratorPair TDeviceInstanz::GetChildIteratorPair(TDataBasis* object, TIteratorPair& out)
{
    LOG_FKT_START("TDeviceInstanz::GetChildIteratorPair");
    if (!object)
        throw E_InstVerw(5, "GetGeschwisterIteratorPair: No Data Pointer", ErrorContext, __FILE__, __LINE__);
    TSystemTable* table = SystemMaps.FindTable(object->GetSystem());
    if (!table)
        throw E_InstVerw(4, "GetGeschwisterIteratorPair: unknown systemhandle: " + std::to_string(object->GetSystem()),
                         ErrorContext, __FILE__, __LINE__);
    out = table->equal_range(object->GetHandle());
    return out;
}

bool TDeviceInstanz::GetAllPointerFromDatentyp(std::int16_t datentyp, std::list<TDataBasis*>& out,
                                               TDataBasis* start, bool recursive)
{
    LOG_FKT_START("TDeviceInstanz::GetAllPointerFromDatentyp");
    if (!start) {
        start = Device;
        recursive = true;
    }
    std::set<const TDataBasis*> path;
    CollectByTyp(datentyp, out, start, recursive, path);
    return true;
}

void TDeviceInstanz::CollectByTyp(std::int16_t datentyp, std::list<TDataBasis*>& out, TDataBasis* start,
                                  bool recursive, std::set<const TDataBasis*>& path)
{
    path.insert(start);
    TIteratorPair children;
    GetChildIteratorPair(start, children);
    for (auto it = children.first; it != children.second; ++it) {
        TDataBasis* child = FindHandle(it->second.Handle);
        if (!child)
            continue;
        if (child->GetTyp() == datentyp)
            out.push_back(child);
        if (recursive && !path.count(child))
            CollectByTyp(datentyp, out, child, recursive, path);
    }
    path.erase(start);
}

TDataBasis* TDeviceInstanz::GetPointerFromDatenTyp(TDataBasis* start, std::int16_t datentyp)
{
    LOG_FKT_START("TDeviceInstanz::GetPointerFromDatenTyp");
    if (!start)
        return nullptr;
    std::set<const TDataBasis*> path;
    return FindByTyp(start, datentyp, path);
}

TDataBasis* TDeviceInstanz::FindByTyp(TDataBasis* start, std::int16_t datentyp, std::set<const TDataBasis*>& path)
{
    path.insert(start);
    TIteratorPair children;
    GetChildIteratorPair(start, children);
    TDataBasis* found = nullptr;
    for (auto it = children.first; it != children.second && !found; ++it) {
        TDataBasis* child = FindHandle(it->second.Handle);
        if (!child)
            continue;
        if (child->GetTyp() == datentyp)
            found = child;
        else if (!path.count(child))
            found = FindByTyp(child, datentyp, path);
    }
    path.erase(start);
    return found;
}

// --- Data-object registry ---

bool TDeviceInstanz::SetPointer2List(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::SetPointer2List");
    if (!object)
        throw E_InstVerw(6, "Pointer2List: invalid Pointer: ", ErrorContext, __FILE__, __LINE__);
    return DataPointerMap.Register(object);
}

bool TDeviceInstanz::DeletePointerFromList(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::DeletePointerFromList");
    if (!object || DataPointerMap.Find(object->GetHandle()) != object)
        return false;
    if (object == Device)
        Device = nullptr;
    return DataPointerMap.Remove(object);
}

TDataBasis* TDeviceInstanz::FindHandle(std::int32_t handle) const
{
    LOG_FKT_START("TDeviceInstanz::FindHandle");
    return DataPointerMap.Find(handle);
}

bool TDeviceInstanz::GetDataPointer(std::int32_t handle, TDataBasis*& out) const
{
    LOG_FKT_START("TDeviceInstanz::GetDataPointer");
    out = FindHandle(handle);
    return out != nullptr;
}

void TDeviceInstanz::SetDevice(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::SetDevice");
    Device = object;
}

TDataBasis* TDeviceInstanz::GetDevice() const
{
    LOG_FKT_START("TDeviceInstanz::GetDevice");
    return Device;
}
