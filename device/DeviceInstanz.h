#pragma once

#include "device/ConfigWindowServices.h"
#include "device/DataObjectRegistry.h"
#include "device/DatenManager.h"
#include "device/DatenStruktur.h"
#include "device/MainWindowServices.h"
#include "device/RecordStore.h"
#include "outside/hostlink/HostRecords.h"
#include "platform/MemoryStream.h"
#include "platform/WindowMessages.h"

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class TDataBasis;
class TEibHandle;
class TEtsDeviceParam;
struct tagRecDatenTransport;
struct tagWmUserDevice;

// The model of the one host device being edited: its records, filed live by System and Parent
// and copied at load time by Handle, Parent and Typ; its data objects, registered and owned by
// Handle; its handle table; the text streams of its data block with the names and tags of the
// sections; its host record and the paths of its files. The product's device model derives
// from it and supplies the pure operations.
class TDeviceInstanz {
public:
    using TSystemTable = TRecordStore::TSystemTable;
    using TIteratorPair = TRecordStore::TIteratorPair;
    using TParentMap = std::multimap<std::int32_t, TDatenStruktur>;
    using THandleMap = std::map<std::int32_t, TDatenStruktur>;
    using TTypMap = std::multimap<std::int16_t, TDatenStruktur>;
    using TCharTable = std::map<int, std::vector<std::uint32_t>>;
    using TRecordTable = TDatenManager<TDatenStruktur>;

    // Where the data block comes from and goes to (DataSrc).
    static constexpr std::uint8_t dsFile = 0;
    static constexpr std::uint8_t dsDatabase = 1;

    // Copies the host record (an all-zero one when there is none) and keeps the two windows.
    // Forms the backup folder below the data module's program folder and creates it; without a
    // data module both backup paths stay empty. Reads nothing from the project database.
    TDeviceInstanz(TMainWindowServices* mainForm, const DAL_DEVICE* device, TConfigWindowServices* window);
    TDeviceInstanz(const TDeviceInstanz&) = delete;
    TDeviceInstanz& operator=(const TDeviceInstanz&) = delete;

    // --- Virtual interface, in the order of its slots ---

    virtual bool DeviceRessourceCheckVerbindungen(std::int32_t subGroupId, bool check) = 0;
    // Takes the identification value of a communication object; answers true.
    virtual bool SetObjIdent(std::int8_t ident);
    // Frees the handle table, every registered data object (through its virtual destructor),
    // every record and the parameter access object.
    virtual ~TDeviceInstanz();
    virtual int CreateNewDevice(platform::HWND mainWindow) = 0;
    // Requests of data objects; the answer is read as a byte: 1 = done, 0 = not done.
    virtual std::uint8_t UserDeviceMessage(platform::HWND mainWindow, tagWmUserDevice* request) = 0;
    virtual std::uint8_t WmUserDatenTransport(platform::HWND mainWindow, tagRecDatenTransport* request) = 0;
    virtual std::string GetVersion() const = 0;
    virtual std::string GetDeviceName() const = 0;
    virtual int VersionCheck(TRecordTable* records, const std::string& storedVersion, bool withMessages) = 0;
    virtual bool VersionCheckCharData(platform::TMemoryStream* charSet) = 0;
    virtual bool VersionCheckDeviceText(platform::TMemoryStream* deviceText) = 0;
    virtual int GetCopyData(TDataBasis* object, std::vector<std::string>& lines) = 0;
    virtual void InitDataMainStruktur() = 0;
    virtual bool Einfuegen(TDataBasis* target, const std::vector<std::string>& lines) = 0;
    virtual bool CopyDBDatenToStruktur(std::list<int>& handles) = 0;
    virtual void CopyStrukturDatenToDB(TRecordTable* records, platform::TMemoryStream* target) = 0;
    virtual int CheckForDeleteGlobalDeviceObjects(bool ask) = 0;
    virtual int Reset(bool ask) = 0;
    virtual TDataBasis* GetPointerFromHandle(std::int32_t handle) = 0;
    virtual int UpdatePreview() = 0;
    virtual bool DatenAbgleich(bool first, bool second) = 0;
    virtual void SetInitModus(std::uint8_t mode) = 0;
    virtual void SetInitFileCreate(const std::string& file) = 0;
    virtual void SetInitFileCreateUser(const std::string& file) = 0;
    virtual int GetInitModus() const = 0;
    virtual std::string GetInitFileCreate() const = 0;
    virtual std::string GetInitFileCreateUser() const = 0;
    // Answers false.
    virtual bool UpdateActiveTree(int first, int second);
    // Answers false: stored data of another version cannot be converted.
    virtual bool VersionConvert(platform::TMemoryStream* block, const std::string& storedVersion);
    // Answers false.
    virtual bool SorvImport(platform::TMemoryStream* data, bool withGroupAddresses);

    // --- Record store ---

    // Empties the load-time tables, deletes every registered data object (the device data object
    // included, which is then none) and every record.
    void ClearDataMaps();
    // Files a loaded record in the four tables; a record whose Handle is there already goes
    // into none of them.
    void FillDataMaps(const TDatenStruktur& record);
    // The live record with this Handle in the table of System, under Parent or, when Parent < 0,
    // under any Parent; created (and filed under Parent as given) when there is none. The
    // pointer stays valid until that record is deleted or the records are cleared.
    TDatenStruktur* GetDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle);
    // The same with the object's System, parent handle and Handle; none without an object.
    TDatenStruktur* GetDatenSatz(TDataBasis* object);
    // Empties the live store; load-time tables and registered objects stay.
    void DeleteAll();
    // Deletes the record and its chain of additional records (from the last one back); a chain
    // ends at Next 0, at a missing record and at a handle it has met already.
    void DeleteDatenSatzAndNext(TDataBasis* object);
    void DeleteDatenSatzAndNext(std::int32_t system, std::int32_t parent, std::int32_t handle);
    // Deletes an additional record and, first, the rest of its chain.
    void DeleteNextDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle);
    // Removes the first entry of the record's System table under its Parent (any Parent when
    // < 0) with its Handle. Throws E_InstVerw 4 when System has no table.
    void DeleteDatensatz(TDatenStruktur* record);
    // The object's children: the entries filed under its Handle in its System's table. Throws
    // E_InstVerw 5 without an object, 4 when its System has no table.
    TIteratorPair GetChildIteratorPair(TDataBasis* object, TIteratorPair& out);
    // Appends the registered children of start of that type, parents before their descendants
    // when recursive; without start the walk begins at the device data object and is recursive.
    // Always true.
    bool GetAllPointerFromDatentyp(std::int16_t datentyp, std::list<TDataBasis*>& out, TDataBasis* start,
                                   bool recursive);
    // The first registered object of that type below start, depth first; none without start.
    TDataBasis* GetPointerFromDatenTyp(TDataBasis* start, std::int16_t datentyp);

    // --- Data-object registry ---

    // Registers the object under its Handle; the device owns it from then on. False when
    // another object holds the handle: that one stays and the caller keeps (and frees) this one.
    // Throws E_InstVerw 6 without an object.
    [[nodiscard]] bool SetPointer2List(TDataBasis* object);
    // Unregisters the object and deletes it when it is the one registered under its Handle;
    // false, and nothing deleted, otherwise.
    bool DeletePointerFromList(TDataBasis* object);
    TDataBasis* FindHandle(std::int32_t handle) const;
    bool GetDataPointer(std::int32_t handle, TDataBasis*& out) const;
    void SetDevice(TDataBasis* object);
    TDataBasis* GetDevice() const;
    // The registered objects in ascending handle order.
    const TDataObjectRegistry::TMap& GetDataPointerMap() const { return DataPointerMap.Map(); }

    // --- Members, in their order of declaration ---
    // The load-time tables, the registry and the device data object are the product model's
    // to fill; everyone else reaches them through the operations above.

    bool GrpAdrLoaded = false;
    bool BlobFromBackup = false;
    std::string BlobFileName;
    std::unique_ptr<TEibHandle> EibHandle;

protected:
    TRecordStore SystemMaps;
    TParentMap ParentMap;
    THandleMap HandleMap;
    TTypMap TypMap;
    TTypMap::iterator TypIterBegin{};
    TTypMap::iterator TypIterEnd{};

public:
    std::unique_ptr<TEtsDeviceParam> EtsDeviceParam;
    std::map<std::int32_t, std::int32_t> SubGroupAddrCache;
    bool NoDeleteQuestion = false;
    bool DeleteQuestion = true;
    std::uint8_t DataSrc = dsDatabase;

protected:
    TDataObjectRegistry DataPointerMap;

public:
    const std::int32_t SystemObjektParam = -1;
    const std::string ErrorContext = "0";

    const std::string SectionVersion = "Version";
    const std::string SectionDB = "DB";
    const std::string SectionCompData = "CompData";
    const std::string SectionCharSet = "CharSet";
    const std::string SectionExpandedTreeNodes = "ExpandedTreeNodes";
    const std::string SectionDeviceText = "DeviceText";
    const std::string SectionGlobalParam = "GlobalParam";

protected:
    TDataBasis* Device = nullptr;

public:
    TMainWindowServices* MainForm;
    TConfigWindowServices* ConfigWindow;
    DAL_DEVICE EtsDevice;
    platform::TMemoryStream BlobStream;
    std::int32_t EtsDeviceId;
    TCharTable CharTable;
    platform::TMemoryStream CharSetStream;
    platform::TMemoryStream DeviceTextStream;
    platform::TMemoryStream CompDataStream;
    platform::TMemoryStream NewCompDataStream;

    // Opening and closing tags of the sections; those of the expanded tree nodes hold " %d"
    // for the number of the configuration window.
    const std::string TagVersionOpen = "<Version>";
    const std::string TagVersionClose = "</Version>";
    const std::string TagDBOpen = "<DB>";
    const std::string TagDBClose = "</DB>";
    const std::string TagCompDataOpen = "<CompData>";
    const std::string TagCompDataClose = "</CompData>";
    const std::string TagCharSetOpen = "<CharSet>";
    const std::string TagCharSetClose = "</CharSet>";
    const std::string TagExpandedTreeNodesOpen = "<ExpandedTreeNodes %d>";
    const std::string TagExpandedTreeNodesClose = "</ExpandedTreeNodes %d>";
    const std::string TagBlobInfoOpen = "<BlobInfo>";
    const std::string TagBlobInfoClose = "</BlobInfo>";
    const std::string TagDeviceTextOpen = "<DeviceText>";
    const std::string TagDeviceTextClose = "</DeviceText>";
    const std::string TagGlobalParamOpen = "<GlobalParam>";
    const std::string TagGlobalParamClose = "</GlobalParam>";

    std::string AutoSaveFile;
    std::string AutoSaveDir;

private:
    // Deletes the chain that starts with the record (System, Parent, Handle), from its last
    // record back; handles in visited, and those met on the way, end it.
    void DeleteChain(std::int32_t system, std::int32_t parent, std::int32_t handle, std::set<std::int32_t>& visited);
    // Walks below start; an object on the current path is listed but not walked again.
    void CollectByTyp(std::int16_t datentyp, std::list<TDataBasis*>& out, TDataBasis* start, bool recursive,
                      std::set<const TDataBasis*>& path);
    TDataBasis* FindByTyp(TDataBasis* start, std::int16_t datentyp, std::set<const TDataBasis*>& path);
    void FormAutoSavePaths();
};
