#pragma once

#include "device/CharSetVersion.h"
#include "device/ConfigWindowServices.h"
#include "device/DataObjectRegistry.h"
#include "device/DeviceHostRecords.h"
#include "device/DatenManager.h"
#include "device/DatenStruktur.h"
#include "device/GrpAdrNodes.h"
#include "device/MainWindowServices.h"
#include "device/RecDeviceEtsInfo.h"
#include "device/RecGroupAddress.h"
#include "device/RecordStore.h"
#include "outside/addrlink/GrpAdrOrdner.h"
#include "outside/addrlink/SorvGrpAdrSub.h"
#include "outside/hostdata/DalObjectInfo.h"
#include "outside/hostdata/EtsGruppenAdressen.h"
#include "outside/hostlink/HostRecords.h"
#include "outside/viewkit/CharacterMap.h"
#include "platform/MemoryStream.h"
#include "platform/WindowMessages.h"

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <memory_resource>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TDataBasis;
class TEibHandle;
class TEts2Cdi;
class TAddrlinkFactory;
class TEtsDeviceParam;
class TEtsObjekt;
class TEtsProgressDialog;
class THostReadSnapshot;
class TObjektBasis;
struct RecObjektFlag;
struct RecObjektFlagsLesen;
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
    // The load-time tables. HandleMap holds the copy of each loaded record; the others point at
    // it. The maps live in one arena that is dropped as a whole when they are emptied. TypMap is
    // kept in ascending Typ, records of one Typ in the order they were filed, as a multimap
    // would keep them: records come in ascending Typ as a rule, and a list walks fastest.
    using THandleMap = std::pmr::map<std::int32_t, TDatenStruktur>;
    using TParentMap = std::pmr::multimap<std::int32_t, const TDatenStruktur*>;
    using TTypMap = std::vector<std::pair<std::int16_t, const TDatenStruktur*>>;
    using TCharTable = TCharacterMap;
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
    // The file whose data the next import or restore takes, named in its messages.
    std::string ImportFile;
    // A damaged data block (see TDataBlockCheck) is refused with one message that names
    // ImportFile and what is wrong: true then, and nothing has changed.
    bool RefuseDamagedBlock(const platform::TMemoryStream& data, const std::string& caption) const;
    // The type of the record every data block of the device holds; 0: none asked for.
    virtual std::int16_t SystemRecordTyp() const { return 0; }

    // --- Record store ---

    // Empties the load-time tables, deletes every registered data object (the device data object
    // included, which is then none) and every record.
    void ClearDataMaps();
    // Files a loaded record in the four tables; a record whose Handle is there already is told
    // with a warning and goes into the live store only, so that it is written back unchanged.
    void FillDataMaps(const TDatenStruktur& record);
    void FillDataMaps(TDatenStruktur&& record);
    // The live record with this Handle in the table of System, under Parent or, when Parent < 0,
    // under any Parent; created (and filed under Parent as given) when there is none. The
    // pointer stays valid until that record is deleted or the records are cleared.
    TDatenStruktur* GetDatenSatz(std::int32_t system, std::int32_t parent, std::int32_t handle);
    // The same with the object's System, parent handle and Handle; none without an object.
    TDatenStruktur* GetDatenSatz(TDataBasis* object);
    // The live record with this Handle in the table of System, under any Parent; none when there
    // is none. Never creates: the chain reads of the data objects go through here.
    TDatenStruktur* FindDatenSatz(std::int32_t system, std::int32_t handle);
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

    // --- Data block ---

    // Reads the device's data block from the project database (an empty one makes the product
    // model create a new device, which is written and read back; an unreadable one is replaced
    // by the backup copy), rebuilds the model from it, aligns it with the project and, when
    // asked, re-initialises the configuration windows. False, after a message, when no usable
    // block was had or the model could not be rebuilt or aligned.
    bool GetDataFromServer(platform::HWND mainWindow, bool reinitWindows);
    // Rebuilds the records, the handle table and the data objects from BlobStream. False when
    // the product model cannot use the block. Throws E_InstVerw 2 when memory runs out.
    bool InitData();
    // Empties BlobStream; always true.
    bool ClearDatenStream();
    // Writes the device's sections into BlobStream and stores the information block followed
    // by them in the project database. False, after a message, when the block was not stored
    // (also without a device data object, when nothing is written).
    bool WriteBlob();
    // "<BlobInfo>", "fBlobDatenExtern=0", "BlobFile=" + blob file name, "</BlobInfo>", each
    // line ended by CR LF.
    std::string GetBlobInfoString();
    // Appends the content of the section to target at its position; true when both tags were
    // found (an empty content copies nothing).
    bool ParseData(platform::TMemoryStream* source, platform::TMemoryStream* target, const std::string& name) const;
    // Replaces the section's content with the whole of content, keeping both tags, the line
    // breaks beside them and everything around. False, and the block unchanged, without a block,
    // content or name, or when the section is missing or empty.
    bool ReplaceData(platform::TMemoryStream* block, platform::TMemoryStream* content, const std::string& name) const;
    // Appends CR LF and an empty GlobalParam section to a block that has none; false without a
    // block.
    bool AddGlobalParamTagToBlob(platform::TMemoryStream* block) const;
    // Fill target from the block's section, or from the data module's file when the section is
    // missing, empty or fails the product model's check; content that fails the check is
    // dropped. False, after a detail message and with target empty, when nothing valid is had.
    bool LoadCharSetData(platform::TMemoryStream* block, platform::TMemoryStream* target);
    bool LoadDeviceText(platform::TMemoryStream* block, platform::TMemoryStream* target);
    // Gives every configuration window of the main window the lines of its section of expanded
    // tree nodes ("ExpandedTreeNodes n", n its number); a window whose section is missing or
    // empty is left alone.
    void LoadExpandedTreeNodeData(platform::TMemoryStream* block);
    // Hands every configuration window the handles of its expanded nodes to store: ascending
    // and without repeats, the selected node's last; group-address folders and groups are left
    // out. Always true.
    bool GetStatusFormAllFormVerw();
    // Lets every registered data object write its record (ascending handles); false when none
    // is registered.
    bool WriteAll();
    // With clean set: empties the live records and rewrites them from the data objects.
    bool CleanUpBlob(bool clean);
    bool CleanUpBlobDataDB();

    // --- Files ---

    // "Vantu" + the device data object's host id (+ "_" n, the first n whose file is not in
    // the blob folder) + ".blob", formed once and kept; with the blob folder in front unless
    // nameOnly. Makes the blob folder when it is missing. Empty without a device data object.
    std::string GetBlobFileName(bool nameOnly);

    // --- Host records ---

    // "AA.LL.DDD" of any device of the project; empty when a record cannot be read.
    std::string GetPhysAdr(std::int32_t deviceId);
    // area << 12 | line << 8 | device; 0 when a record cannot be read.
    std::uint16_t GetPhysAddr(std::int32_t deviceId);
    // Name, description, project, address and type number (device parameter 60) of this
    // device. A missing parameter 60 shows a message and throws std::runtime_error.
    tagRecDeviceEtsInfo GetDeviceEtsInfo();
    // The answer of the data object's SetObjIdent; false when no data object has the handle.
    bool SetObjIdentToData(int handle, std::int8_t ident);

    // The version line of CharSetStream; false when there is none, and after a message when it
    // does not match the format. out is written only on success.
    bool GetCharSetVersion(RecCharSetVersion& out);

    // --- Group addresses (DeviceInstanzGrpAdr.cpp) ---

    // Rebuilds the main-group nodes over the project's main groups, and the folder once; the
    // configuration windows drop their group-address nodes first, and the middle and sub nodes,
    // the loaded flag and the address cache go with the old nodes.
    void GetGrpAdrFromServer();
    // The two halves of GetGrpAdrFromServer: the main groups read from the project, and the
    // nodes made over them.
    void ReadMainGroupsFromServer();
    void MakeMainGroupNodes();
    // Makes sure the middle and sub nodes exist (loading them behind the status text); answers
    // the host's group addresses.
    TEtsGruppenAdressen* LoadGrpAdr();
    // Builds the nodes of middle and sub groups that have none yet below the main nodes.
    void MakeMidSubAdrGrp();
    // Creates the address in the project (or finds it) with its nodes: its sub node, or none.
    TSorvGrpAdrSub* CreateGrpAddr(std::int16_t main, std::int16_t middle, std::int16_t sub, const std::string& name);
    // Puts the nodes of one address into the maps and the windows' trees; a group not given is
    // searched by the address. Always true.
    bool InsertGrpAddr(std::uint16_t address, TEtsMainGroup* main, TEtsMiddleGroup* middle, TEtsSubGroup* sub);
    // "main/middle/sub" or "main/sub" in decimal; 0 gives "0/0/0" or "0/0".
    static std::string GetGroupAddressString(std::uint16_t address, bool threeLevels);
    // The address of a sub group, read from the project once and then kept; false, with the
    // reason appended to message, when a record cannot be read.
    bool GetSubGroupAddressInfo(std::int32_t subGroupId, RecGroupAddress& out, std::string& message);
    // The address as text (three levels) or as number; false after a detail message.
    bool GetGrpAdrNr(std::int32_t subGroupId, std::string& out);
    bool GetGrpAdrNrAsZahl(std::int32_t subGroupId, int& out);
    // The proposal for a new address: the one after the highest, or the lowest free one when the
    // highest is 15/7/255; empty without a data module or a free address.
    std::string GetNextHighestAndFreeGrpAddr(int& level);
    // The middle or sub node of the host id, after LoadGrpAdr; out unchanged when there is none.
    bool GetGrpAdrDataPointer(int hostGroupId, TSorvGrpAdrBasis*& out);

    // --- Links and flags (DeviceInstanzLinks.cpp) ---

    void LinkObjectToGrpAddr(TDataBasis* object, std::int16_t main, std::int16_t middle, std::int16_t sub,
                             const std::string& name);
    bool LinkToSubGroup(std::int32_t subGroupId, int objectHandle, bool inProject);
    bool UnLinkFromSubGroup(std::int32_t subGroupId, std::int32_t deviceObjectId);
    bool UnLinkAllSubGroups(TDataBasis* object);
    void RemoveObjektVerbindung(std::int32_t subGroupId, std::int32_t deviceObjectId);
    // Throws std::runtime_error when the object is no communication object.
    bool CheckObjectVerbunden(TDataBasis* object);
    TEtsObjekt* GetObjectFromDeviceObjectId(std::int32_t deviceObjectId) const;
    TEtsObjekt* GetObjectFromObjectNr(int objectNumber) const;
    bool OpenDlgGrpAdrToObject(TDataBasis* object);
    bool GrpAdrSendend(std::int32_t subGroupId, std::int32_t deviceObjectId, bool set);
    bool ChangeObjektFlag(const RecObjektFlag* request);
    // Throws std::runtime_error for an unknown flag or an unreadable device object.
    bool CheckObjektFlag(const RecObjektFlag* request);
    // Reads the flags of the request's device object of this device, without a message;
    // answers a TEnumObjektLesen.
    int LeseObjektFlags(RecObjektFlagsLesen* request);
    bool GetObjektDataFromSubGroup(TSorvGrpAdrSub* node, std::list<RecSubGroupObjekt>& out);

    // --- Associations (DeviceInstanzAssoc.cpp) ---

    // The group addresses of a device object, the sending one first; false, with the reasons in
    // message, when a link or an address cannot be read.
    bool GetEtsAssociationTable(std::int32_t deviceObjectId, std::list<RecGroupAddress>& list, std::string& message);
    // Sub-group id -> address over all communication objects (806); false after a detail message.
    bool GetAssociationTable(std::map<std::int32_t, std::uint16_t>& table);
    // Rebuilds every communication object's links from the project and rewrites its record.
    bool UpdateObjectAssociations();

    // --- Communication objects of data objects (DeviceInstanzObjects.cpp) ---

    // True for code 0; otherwise shows why, with the display order and the value, and answers
    // false.
    bool CheckObjectParamResult(std::uint8_t code, std::int16_t displayOrder, std::int32_t value);
    // Sets the display-order parameter to the value and makes the data objects of the objects
    // the host then has, below owner, at position ids object number + positionBase. A parameter
    // that has the value (> 0) already and has objects stays. Linked objects that would go are
    // asked about once (when ask and the switches allow it); false when the user refused or the
    // host failed.
    bool AddEtsObjectByDisplayOrder(std::int16_t displayOrder, std::int32_t value, int positionBase,
                                    TDataBasis* owner, bool ask);
    // Makes, registers and shows one data object per record; false without an owner (unless the
    // list is empty).
    bool CreateObjects(const std::list<tagDAL_OBJECT_INFO>& records, int positionBase, TDataBasis* owner,
                       std::int16_t displayOrder);
    // The parameter's value and the data objects of its objects, appended in the host's order.
    bool GetEtsObjectByDisplayOrder(std::int16_t displayOrder, std::int32_t& value, std::list<TEtsObjekt*>& out);
    // Deletes the data objects of the records with their links, nodes and records; the host's
    // objects stay. False, with nothing deleted, when the user refused.
    bool DeleteObjektInstanzen(const std::list<tagDAL_OBJECT_INFO>& records);
    // Asks once when an object of the display orders is linked (unless NoDeleteQuestion);
    // false when the user refused. Deletes nothing.
    bool CheckIfDeleteObjectsAllowed(std::list<int> displayOrders);
    // Appends the display orders (> 0) of the communication objects below the object, depth
    // first; true when the list is not empty.
    bool FillDONListWithEtsObjectsRecursivFromParent(std::list<int>& displayOrders, TDataBasis* object);
    // The device-parameter object, made on first use over the main window's host link; none
    // while there is no link.
    TEtsDeviceParam* GetEtsDeviceParam();
    // Reads the addresses of every communication object's links anew and rewrites its record;
    // failures are reported together. True when all succeeded.
    bool UpdateGroupAddressFromId();

    // --- Import, copy and id conversion (DeviceInstanzImport.cpp) ---

    static constexpr std::uint8_t KonvertModusImport = 0;
    static constexpr std::uint8_t KonvertModusCopy = 1;

    // Load the data block of another device into this one and give its data objects this
    // device's host ids; the import takes the links over by address, the copy drops them.
    // False when the user cancelled on the meter or a step failed; what was converted stays.
    bool SorvCdiImport(platform::TMemoryStream* source, TEtsProgressDialog* meter);
    bool SorvCdiCopy(platform::TMemoryStream* source, TEtsProgressDialog* meter);
    bool KonvertEtsIds(std::uint8_t mode, TEtsProgressDialog* meter);
    // The device's device objects and device parameters, in the host's order.
    void CreateEtsDBList(std::list<DAL_DEVICE_PARAM>& parameters, std::list<DAL_DEVICE_OBJECT>& objects);
    // The ids of the active device object of that number and host type, of its communication
    // object and of the device parameter that switches it.
    bool GetEtsIdFromObjNr(const std::list<DAL_DEVICE_PARAM>& parameters, const std::list<DAL_DEVICE_OBJECT>& objects,
                           int number, std::int8_t type, std::int32_t& commObjectId, std::int32_t& deviceObjectId,
                           std::int32_t& deviceParamId);
    // Links the object again to the project's sub groups of its addresses; each address the
    // project lacks is reported and its link dropped. False only without an object.
    bool KonvertEtsGAIds(TObjektBasis* object, bool& missingAddress);
    // Removes the project's links of the object's device object that the object does not hold.
    bool UnlinkUnknownGA(TObjektBasis* object);
    // Drops every link of the object; true.
    bool LinkEtsAssociationToObjekt(TObjektBasis* object);
    // The project's sub group of the address; false, with the reason in message, when there is
    // none or its type does not fit the object type (the host's type plus 1).
    bool KonvertEtsGAId(std::int32_t& subGroupId, std::uint16_t address, std::string& message, int objectType);
    // The number of the device object of a communication object that depends on the parameter
    // and exists for the value.
    bool GetObjectNrFromParameterId(std::int32_t parameterId, std::int32_t value,
                                    const std::list<DAL_DEVICE_OBJECT>& objects, std::int32_t& number);

    // --- Object consistency check (DeviceInstanzCheck.cpp) ---

    // Compares the communication-object records with the project's device objects: reports the
    // numbers the project lacks and sets parameters to 0 that keep objects the records lack.
    // Tells the outcome; always true.
    bool EtsObjektCheck();

    // --- Members, in their order of declaration ---
    // The load-time tables, the registry and the device data object are the product model's
    // to fill; everyone else reaches them through the operations above.

    bool GrpAdrLoaded = false;
    bool BlobFromBackup = false;
    std::string BlobFileName;
    std::unique_ptr<TEibHandle> EibHandle;

protected:
    TRecordStore SystemMaps;
    std::pmr::monotonic_buffer_resource LoadTimeArena; // declared before the tables that use it
    TParentMap ParentMap{&LoadTimeArena};
    THandleMap HandleMap{&LoadTimeArena};
    TTypMap TypMap;
    TTypMap::iterator TypIterBegin{};
    TTypMap::iterator TypIterEnd{};

    // Empties the load-time tables and gives their arena back.
    void ClearLoadTimeTables();
    // A read snapshot of the project on the main window's link, held by the caller.
    THostReadSnapshot HostReadSnapshot() const;

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
    std::unique_ptr<TGrpAdrOrdner> GrpAdrOrdner;
    std::unique_ptr<TEtsGruppenAdressen> EtsGruppenAdressen;
    platform::TMemoryStream BlobStream;
    TGrpAdrNodes MainGroupNodes;
    TGrpAdrNodes GrpAdrNodes;
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
    // The project's folder below the backup folder (its name), and where backups were kept
    // before they were kept per project: in the backup folder, named by the device id alone.
    std::string AutoSaveFolderName;
    std::string LegacyAutoSaveFile;
    // The write stamp of the device's block in the project, as last read or stored; every block
    // and backup written carries this plus one.
    std::uint64_t StoredStamp = 0;

    // Makes the communication-object data objects; none: addrlink's own factory.
    const TAddrlinkFactory* EtsObjektFactory = nullptr;

private:
    // Deletes the chain that starts with the record (System, Parent, Handle), from its last
    // record back; handles in visited, and those met on the way, end it.
    void DeleteChain(std::int32_t system, std::int32_t parent, std::int32_t handle, std::set<std::int32_t>& visited);
    // Walks below start; an object on the current path is listed but not walked again.
    void CollectByTyp(std::int16_t datentyp, std::list<TDataBasis*>& out, TDataBasis* start, bool recursive,
                      std::set<const TDataBasis*>& path);
    TDataBasis* FindByTyp(TDataBasis* start, std::int16_t datentyp, std::set<const TDataBasis*>& path);
    void FormAutoSavePaths();
    // The first steps of an import and a copy: the source block read into the device model.
    bool TakeSourceBlock(platform::TMemoryStream* source, TEtsProgressDialog* meter);
    // Files the record HandleMap has just taken in the other load-time tables and the live store.
    void KeepDuplicateRecord(const TDatenStruktur& record);
    void FileLoadedRecord(const TDatenStruktur& loaded);

    // The main window's host link object; none without main window or link.
    TEts2Cdi* GetEts2Cdi() const;
    // Reads the backup copy into BlobStream; false, after a message, when it cannot be had.
    bool LoadBackupCopy();
    // Creates a new device and stores its block; false when there is no block to read then.
    bool CreateNewDeviceBlock(platform::HWND mainWindow, const char*& data, std::int32_t& size);
    // Overwrites the file named by the text setting fileKey with BlobStream when the bool
    // setting switchKey of the debug section is on and that file exists.
    void DumpBlobStream(std::string_view switchKey, std::string_view fileKey) const;
    // The loaders' common course; check is the product model's version check.
    struct TSectionFileSource;
    bool LoadSectionOrFile(platform::TMemoryStream* block, platform::TMemoryStream* target,
                           const TSectionFileSource& source);
    // The three reads of a physical address; false when one fails. This device's comes from the
    // records of the open while there are such.
    bool ReadPhysAdrParts(std::int32_t deviceId, std::int32_t& area, std::int32_t& line, std::int32_t& device);
    // Reads what the project holds of the device itself.
    void ReadHostRecords(TDeviceHostRecords& records);
    // The reads of GetDataFromServer, in one snapshot of the project: the block (false when it
    // cannot be read), the device's own records and the main groups.
    bool ReadOpenFromServer(TEts2Cdi* link, const char*& data, std::int32_t& size);
    // The device's own records while GetDataFromServer runs, read once at its start.
    std::unique_ptr<TDeviceHostRecords> OpenRecords;

    // The data module's group-address levels; 3 without a data module.
    int GrpAdrLevel() const;
    // GetEtsAssociationTable; linksRead false when the object's links themselves could not be read.
    bool ReadEtsAssociations(std::int32_t deviceObjectId, std::list<RecGroupAddress>& list, std::string& message,
                             bool& linksRead);
};
