#pragma once

#include "device/DeviceInstanz.h"
#include "device/product/ObjectFactories.h"

#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <set>
#include <string>
#include <vector>

class TDataBasis;
class TEtsObjekt;
class TRaumtemperaturSchaltuhr;
class TSchaltuhr;
class TTalvoDisplay;
class TTalvoSystem;
class TTsBetaetigung;
class TTsTaste;
class TTsWippeStatus;

// How CreateNewDevice fills a new device.
enum TEnumInitModus : std::uint8_t {
    INIT_MODUS_DEFAULT = 0,      // the default configuration
    INIT_MODUS_USER_DATEN = 1,   // the user's initialisation file
    INIT_MODUS_DATEN_IMPORT = 2, // the file InitFileCreateName, else as 1
};

// The version of the data this program writes: "SX Version:%d.%02d Typ:%s" with the type
// "SORV/Vantu_" followed by the device type number.
inline constexpr std::int32_t DATEN_VERSION_MAJOR = 0;
inline constexpr std::int32_t DATEN_VERSION_MINOR = 5;
inline constexpr char DATEN_VERSION_FORMAT[] = "SX Version:%d.%02d Typ:%s";

// The device model of this product: the one device being edited, seen through the product's
// functions. The function managers are further operations of this class, one source file per
// function. Every data object it makes goes through the factories given at construction.
class TDeviceInstanzTalvo : public TDeviceInstanz {
public:
    TDeviceInstanzTalvo(TMainWindowServices* mainForm, const DAL_DEVICE* device, TConfigWindowServices* projectWindow,
                        const TObjectFactories& factories = {});
    ~TDeviceInstanzTalvo() override;

    // --- Overrides of the device model, in the order of their slots ---

    // Always true.
    bool DeviceRessourceCheckVerbindungen(std::int32_t subGroupId, bool check) override;
    int CreateNewDevice(platform::HWND mainWindow) override;
    std::uint8_t UserDeviceMessage(platform::HWND mainWindow, tagWmUserDevice* request) override;
    std::uint8_t WmUserDatenTransport(platform::HWND mainWindow, tagRecDatenTransport* request) override;
    // "SX Version:0.05 Typ:SORV/Vantu_" + the device type number. Lets the exception of
    // GetDeviceEtsInfo pass.
    std::string GetVersion() const override;
    // "Talvo [IR-]Tastsensor nfach mit RTR[ + Display][ + Uhr]" by the device type number. Lets
    // the exception of GetDeviceEtsInfo pass.
    std::string GetDeviceName() const override;
    int VersionCheck(TRecordTable* records, const std::string& storedVersion, bool withMessages) override;
    bool VersionCheckCharData(platform::TMemoryStream* charSet) override;
    bool VersionCheckDeviceText(platform::TMemoryStream* deviceText) override;
    int GetCopyData(TDataBasis* object, std::vector<std::string>& lines) override;
    // Makes the data objects of the loaded records in ascending Typ (the system object first,
    // which becomes the device data object); a type nobody makes is reported and skipped. Empties
    // the load-time tables afterwards.
    void InitDataMainStruktur() override;
    bool Einfuegen(TDataBasis* target, const std::vector<std::string>& lines) override;
    bool CopyDBDatenToStruktur(std::list<int>& handles) override;
    void CopyStrukturDatenToDB(TRecordTable* records, platform::TMemoryStream* target) override;
    // Always 0.
    int CheckForDeleteGlobalDeviceObjects(bool ask) override;
    int Reset(bool ask) override;
    // The registered object that answers to the handle (not what it answered); none for a
    // handle of 0 or less.
    TDataBasis* GetPointerFromHandle(std::int32_t handle) override;
    // Posts WM_USER_UPDATEPREVIEW (1, 0): the whole preview is rebuilt. 1 when posted.
    int UpdatePreview() override;
    bool DatenAbgleich(bool first, bool second) override;
    void SetInitModus(std::uint8_t mode) override;
    void SetInitFileCreate(const std::string& file) override;
    void SetInitFileCreateUser(const std::string& file) override;
    int GetInitModus() const override;
    std::string GetInitFileCreate() const override;
    std::string GetInitFileCreateUser() const override;
    bool SorvImport(platform::TMemoryStream* data, bool withGroupAddresses) override;
    std::int16_t SystemRecordTyp() const override;

    // --- Message hooks of the function managers, in the order they are asked. Each answers
    // true when it took the request; recognised then holds the answer for the sender. ---

    virtual bool UserDeviceMessage_TastsensorFunktion(platform::HWND mainWindow, tagWmUserDevice* request,
                                                      std::uint8_t& recognised);
    virtual bool WmUserDatenTransport_TastsensorFunktion(platform::HWND mainWindow, tagRecDatenTransport* request,
                                                         std::uint8_t& recognised);
    virtual bool UserDeviceMessage_RaumtemperaturReglerFunktion(platform::HWND mainWindow, tagWmUserDevice* request,
                                                                std::uint8_t& recognised);
    virtual bool WmUserDatenTransport_RaumtemperaturReglerFunktion(platform::HWND mainWindow,
                                                                   tagRecDatenTransport* request,
                                                                   std::uint8_t& recognised);
    virtual bool UserDeviceMessage_ReglernebenstellenFunktion(platform::HWND mainWindow, tagWmUserDevice* request,
                                                              std::uint8_t& recognised);
    virtual bool WmUserDatenTransport_ReglernebenstellenFunktion(platform::HWND mainWindow,
                                                                 tagRecDatenTransport* request,
                                                                 std::uint8_t& recognised);
    virtual bool UserDeviceMessage_SzenenFunktion(platform::HWND mainWindow, tagWmUserDevice* request,
                                                  std::uint8_t& recognised);
    virtual bool WmUserDatenTransport_SzenenFunktion(platform::HWND mainWindow, tagRecDatenTransport* request,
                                                     std::uint8_t& recognised);
    virtual bool UserDeviceMessage_Schaltuhr(platform::HWND mainWindow, tagWmUserDevice* request,
                                             std::uint8_t& recognised);
    virtual bool WmUserDatenTransport_Schaltuhr(platform::HWND mainWindow, tagRecDatenTransport* request,
                                                std::uint8_t& recognised);
    virtual bool UserDeviceMessage_IrFernbedienung(platform::HWND mainWindow, tagWmUserDevice* request,
                                                   std::uint8_t& recognised);
    virtual bool WmUserDatenTransport_IrFernbedienung(platform::HWND mainWindow, tagRecDatenTransport* request,
                                                      std::uint8_t& recognised);

    // --- Requests answered by the device itself ---

    // The default name of an object's type into name (a communication object: its host name,
    // with " [" + function text + "]" when it has one, each read within its field of the host
    // record). False, and name unchanged, without object or name, for a type without default
    // name and when the host record cannot be read.
    bool GetDefaultName(TDataBasis* object, std::string* name);
    // Sets the enable-cell flag of the communication object of that number and writes its
    // record; false when there is no such object or record.
    bool ModifyEnableCellFlagStatus(int objectNumber, bool flag);
    // The type of a request's sender: its object's, else its record's; 0 with neither.
    static int GetSenderTyp(const tagWmUserDevice& request);
    static int GetSenderTyp(const tagRecDatenTransport& request);

    // --- The device follows a function switched on or off in the system object's grid; each
    // answers whether the request is done (the system object puts its old value back on false) ---

    bool ModifyTastsensorFunktion(platform::HWND mainWindow, TTalvoSystem* system);
    bool ModifyReglerFunktion(TTalvoSystem* system);
    bool ModifyReglernebenstellenFunktion(TTalvoSystem* system);
    bool ModifySzenenFunktion(TTalvoSystem* system);
    // number: time switch 1 or 2.
    bool ModifySchaltuhr(platform::HWND mainWindow, TTalvoSystem* system, int number);

    // Removes one data object: its tree node, its record with the records chained to it and
    // the object itself; with postRefresh the views are told (WM_USER_UPDATEALLVIEWS,
    // WM_USER_ABGLEICHFORMVERW, WM_USER_UPDATETREENAMES, each -1, -1). False without an object.
    // The object's communication objects in the project are not touched.
    virtual bool DeleteInstanz(TDataBasis* object, bool postRefresh);

    // --- Key-sensor function (TastsensorFunktion*.cpp). The creators take the window handle
    // only to pass it on (objects are made with the main window's); withNode adds the new
    // object's tree node. ---

    // 0 failed, 1 created, 2 there already.
    std::uint8_t CreateTastsensorFunktion(platform::HWND window, TDataBasis* parent, bool withNode);
    bool CreateTsSperrverhalten(platform::HWND window, TDataBasis* function, bool withNode);
    // The key operation with the keys and rockers of its pair modes; false also when no pair
    // has a mode.
    bool CreateTsBetaetigung(platform::HWND window, TDataBasis* function, bool withNode);
    bool CreateTsTaste(platform::HWND window, TDataBasis* keyOperation, bool withNode, bool functionsAllowed,
                       int number);
    bool CreateTsWippe(platform::HWND window, TDataBasis* keyOperation, bool withNode, bool functionsAllowed,
                       int number);
    bool CreateTsTasteStatus(platform::HWND window, TDataBasis* key, bool withNode, int number);
    bool CreateTsWippeStatus(platform::HWND window, TDataBasis* rocker, bool withNode, int number);
    // A key or rocker may always make its function: true.
    bool CheckCreateKeyFunction(int functionTyp);
    // Adapts the functions (the function values) of every key and rocker to the device; with
    // ask the user is asked first when one needs a change. False when refused or failed.
    bool CheckTastenWippenFkt(bool ask);
    // The same for a switch that removes the communication objects of the display orders
    // goingToo as well: with ask, one question covers them and those of the keys and rockers
    // whose function goes; No changes nothing.
    bool CheckTastenWippenFkt(bool ask, const std::list<int>& goingToo);
    bool CheckTastenWippenFktValues(bool ask);

    bool DeleteTastsensorFunktion(TDataBasis* parent);
    bool DeleteTsSperrverhalten(TDataBasis* function);
    bool DeleteTsBetaetigung(TDataBasis* function);
    // Results of the pair deletions.
    static constexpr std::uint8_t PaarNichtGeloescht = 0;
    static constexpr std::uint8_t PaarGeloescht = 1;
    static constexpr std::uint8_t PaarAbgelehnt = 2;
    std::uint8_t DeleteTastenPaar(TDataBasis* keyOperation, int key1, bool ask, int key2);
    bool DeleteTsTaste(TDataBasis* keyOperation, int number);
    bool DeleteTsTasteStatus(TDataBasis* key, bool ask);
    std::uint8_t DeleteTsWippe(TDataBasis* keyOperation, int number, bool ask);
    bool DeleteTsWippeStatus(TDataBasis* rocker, bool ask);
    // The key operation holds the new pair modes: the pairs are rebuilt after them.
    bool ModifyTsBetaetigung(platform::HWND window, TTsBetaetigung* keyOperation);
    bool ModifyTastenWippenFunktion(bool ask);
    bool ModifyTastenWippenFunktionValues(bool ask);
    // Creates or deletes the key's status object after its status-LED setting.
    bool ModifyTastenStatus(platform::HWND window, TTsTaste* key, bool ask);
    // Hand the group addresses, send address and flags of a key's (a rocker's) communication
    // objects on to those of its status object after a template import.
    bool ConvertTastenStatusObjectGrpAddrAfterTemplateImport(TTsTaste* key);
    bool ConvertWippenStatusObjectGrpAddrAfterTemplateImport(TTsWippeStatus* rockerStatus);

    // --- Keep rule of the key-sensor function, shared by every function that needs it ---

    // The key-sensor function stays while any of the six function switches of the system object
    // (key sensor, controller, extension unit, scenes, time switches 1 and 2) is on.
    static bool KeepTastsensorFunktion(const TTalvoSystem& system);
    // The switch-off road of a function that needs the key-sensor function: the keys and
    // rockers that operate it adapt first (the check reads the switched flags), after one
    // question that covers their linked communication objects and those below the function (and
    // below the key-sensor function when that goes too); then the function goes with
    // deleteFunction, then the key-sensor function unless the keep rule holds it. False when the
    // user refuses (nothing changed) or a deletion fails (what went stays gone).
    bool SwitchFunctionOff(const TTalvoSystem& system, TDataBasis* function,
                           const std::function<bool()>& deleteFunction);

    // --- Room-temperature controller (RaumtemperaturReglerFunktion.cpp). Each creator refuses
    // when the parent has a child of its type already. ---

    bool CreateReglerFunktion(TDataBasis* parent, bool withNode);
    bool CreateReglerSollwerte(TDataBasis* function, bool withNode);
    bool CreateReglerFunktionalitaet(TDataBasis* function, bool withNode);
    bool CreateReglerRaumtemperaturMessung(TDataBasis* function, bool withNode);
    bool CreateReglerStellgroessenStatusAusgabe(TDataBasis* function, bool withNode);
    bool CreateRaumtempSchaltuhr(TDataBasis* function, bool withNode);
    bool DeleteReglerFunktion(TDataBasis* parent);
    bool DeleteReglerSollwerte(TDataBasis* function);
    bool DeleteReglerFunktionalitaet(TDataBasis* function);
    bool DeleteReglerRaumtemperaturMessung(TDataBasis* function);
    bool DeleteReglerStellgroessenStatusAusgabe(TDataBasis* function);
    bool DeleteRaumtempSchaltuhr(TDataBasis* function);
    // The first room-temperature time switch below the device object; none without one.
    TRaumtemperaturSchaltuhr* GetPointerRaumtempSchaltuhr();
    // The controller's requests: the pages follow the controller; ask lets the pages ask before
    // linked objects go. Each writes the changed page and posts the refresh.
    bool UpdateTableRaumtemperaturMessung(TDataBasis* function, bool ask);
    bool UpdateTableSollwerte(TDataBasis* function, bool ask);
    bool UpdateTableStellgroessenStatusAusgabe(TDataBasis* function, bool ask);
    // The room-temperature time-switch download flag takes the value.
    bool ModifyRaumtempSchaltuhrAktivValue(std::uint8_t value);
    // Weight 1 ("0,5 K") marks the user parameters for download; any other value changes nothing.
    bool ModifyWertigkeitStufeSollwertverschiebungValue(std::uint8_t value);
    // The system object's access to the operating levels; 0 without a system object.
    std::uint8_t GetValueOfZugriffAufBedienebenen();

    // --- Controller extension unit (ReglernebenstellenFunktion.cpp) ---

    bool CreateReglernebenstellenFunktion(TDataBasis* parent, bool withNode);
    bool CreateReglernebenstellenRaumtemperaturMessung(TDataBasis* function, bool withNode);
    bool DeleteReglernebenstellenFunktion(TDataBasis* parent);
    bool DeleteReglernebenstellenRaumtemperaturMessung(TDataBasis* function);

    // --- Scenes (SzenenFunktion.cpp) ---

    static constexpr int MaxSzenen = 8;
    // The scene function with eight scenes, each scene with its node whatever withNode says.
    bool CreateSzenenFunktion(TDataBasis* parent, bool withNode);
    // One more scene with the lowest free number; refused (with the user told) at eight.
    bool CreateSzene(TDataBasis* function, bool withNode);
    // The number of scene records below the function; number: the lowest free scene number.
    int GetTreePosSzene(TDataBasis* function, int& number);
    bool DeleteSzenenFunktion(TDataBasis* parent);
    bool DeleteSzenenInstanzen(TDataBasis* function);
    bool CreateSzenenInstanz(TDataBasis* function);
    bool ModifyDefaultValueSzenenAusgaenge(TDataBasis* function, int output, std::uint8_t value);
    // Ask the user before an output's data type (value type) changes the scenes that use it;
    // true to go ahead.
    bool AskUserBeforModifyDatentyp(TDataBasis* function, int output);
    bool AskUserBeforModifyWerteTyp(TDataBasis* function, int output);

    // --- Time switches (Schaltuhr.cpp); number 1 or 2 ---

    bool CreateSchaltuhr(platform::HWND window, TDataBasis* parent, bool withNode, int number);
    bool DeleteSchaltuhr(TDataBasis* parent, int number);
    TDataBasis* GetSchaltuhr(TDataBasis* parent, int number);
    TSchaltuhr* GetPointerSchaltuhr(TDataBasis* parent, int number);

    // --- Default objects of a new device (NewDevice.cpp); each refuses when the parent has a
    // child of its type already ---

    bool CreateDisplay(platform::HWND window, TDataBasis* parent, bool addNode);
    bool CreateDatumUhrzeitSenden(platform::HWND window, TDataBasis* parent, bool addNode);

    // --- Infrared remote control (IrFernbedienung.cpp) ---

    bool CreateIrFernbedienung(platform::HWND window, TDataBasis* parent, bool withNode);

    // --- Factories of the function managers: each makes the object of a record of one of its
    // types and answers true; false for any other type. ---

    bool InitDaten_TastsensorFunktion(TDatenStruktur& record);
    bool InitDaten_RaumtemperaturReglerFunktion(TDatenStruktur& record);
    bool InitDaten_ReglernebenstellenFunktion(TDatenStruktur& record);
    bool InitDaten_SzenenFunktion(TDatenStruktur& record);
    bool InitDaten_Schaltuhr(TDatenStruktur& record);
    bool InitDaten_IrFernbedienung(TDatenStruktur& record);

    // --- Copy and paste (CopyPaste.cpp) ---

    // Appends the lines of the object's children: each child's record, the records chained to
    // it, then the children of its data object, depth first. copied holds the handles given
    // already; a record met again is not given twice.
    void GetAllChildData(TDataBasis* object, std::vector<std::string>& lines, std::set<std::int32_t>& copied);
    // Pastes into every child with a data object, recursively: a communication object takes
    // the copied one of its identification value, any other the first copied record of its
    // type. A child without source record is left alone; then, and when a chain is broken or
    // a paste refused, the answer is false while the other children are still pasted.
    bool PasteDataToAllChilds(TDataBasis* parent, TRecordTable* copied, std::string& message);

    // --- Alignment with the project (ResetAlign.cpp) ---

    // Removes a communication object whose alignment failed: its tree node, its records and
    // the object (its object in the project stays). True when it is gone from the registry.
    bool DeleteEtsObjekt(TEtsObjekt* object);

    // What an alignment changed to bring the device and the project together, by name.
    struct TRealignment {
        std::vector<std::string> Restored;    // made again in the project from their records
        std::vector<std::string> SwitchedOff; // project objects the device does not know
        std::vector<std::string> Removed;     // the project cannot make them: gone from the device
    };
    // Objects the project lacks are made again in the project from their records (their
    // parameter's value set, their links and flags written); those it cannot make are removed.
    // Then parameters that keep only objects the device does not know are switched off.
    TRealignment RealignWithProject(const std::vector<TEtsObjekt*>& missing);

    // --- Import of device data (Import*.cpp) ---

    // Splits a group-address value: main bits 11 to 14; with three levels middle bits 8 to 10
    // and sub bits 0 to 7, with two middle 0 and sub bits 0 to 10. 0 gives 0/0/0.
    static void GetMainMiddleAndSubGroupAddr(int value, bool threeLevels, short& main, short& middle, short& sub);
    // Creates the addresses in list order, each split into three levels; the first that fails
    // is reported and ends with false (the later ones are not tried).
    bool ImportCreateNewGroupAddresses(TNewGroupAddrList list);
    // Makes the imported records the device's data in the project: its communication objects
    // replaced by the imported ones with their links (or none), the data block rebuilt, the
    // objects aligned and the windows rebuilt. False when anything failed; the rest is done.
    bool SorvImportAbgleich(TRecordTable* records, bool withGroupAddresses);
    // After an import of predecessor data: the objects of five kinds convert their own data,
    // then all are aligned and written. False when a registry entry holds no object.
    bool ConvertDBDataAfterTemplateImport();
    // The last SorvImport ended because the user cancelled the group-address check.
    bool ImportCancelled = false;
    // Rebuilds every configuration window's tree and group-address folder from the data objects;
    // the trees are empty.
    void ReinitConfigWindows(platform::HWND mainWindow);

    // --- Conversion of stored data (records of a data block, with the stored version) ---

    // Between versions of the current format there is nothing to convert: always false.
    bool VersionConvertDBData(TRecordTable* records, int& major, int& minor);
    // Moves the communication objects of the predecessor format to their current numbers and
    // display orders; stored versions with major 0 or minor 1 only. On true major and minor are
    // 0 and 5. False, and nothing changed, for another version or without records; false also
    // when a failure stopped it (the blocks done until then stay converted).
    bool VersionConvertTalvoDBData(TRecordTable* records, int& major, int& minor);

    // --- Look-ups; none instead of a failure ---

    // The device data object as the system object.
    TTalvoSystem* GetPointerFromSystem() const;
    // The first display below the device data object, depth first.
    TTalvoDisplay* GetPointerFromDisplay();
    // The first registered object of that type below start, depth first; none without start
    // or when start has no records.
    TDataBasis* GetFirstFromDatenTyp(TDataBasis* start, std::int16_t datentyp);

    // The stored record of that handle in the system's table (under any parent); none when
    // there is none.
    const TDatenStruktur* FindDatenSatz(std::int32_t system, std::int32_t handle);

    // --- Changes ---

    // Writes the object into its record; false without main window or object.
    bool WriteData(TDataBasis* object);
    // Deletes every object of the type among the parent's children with DeleteInstanz; the
    // first failure ends with false. False without a parent.
    bool DeleteAllChildsFromDatentyp(TDataBasis* parent, std::int16_t datentyp, bool postRefresh);

    // --- Download flags of the system object: all data, user device parameters, scenes,
    // room-temperature time switch, time switch 1, time switch 2. Without a system object the
    // outputs are left alone and nothing is stored. ---

    void GetSystemFlags(bool& all, bool& userParameters, bool& scenes, bool& roomTimeSwitch, bool& timeSwitch1,
                        bool& timeSwitch2) const;
    void SetSystemFlags(bool all, bool userParameters, bool scenes, bool roomTimeSwitch, bool timeSwitch1,
                        bool timeSwitch2);
    // Each replaces its one flag; true.
    bool SetDbDataUserDeviceParam(bool value);
    bool SetDbDataSzenen(bool value);
    bool SetDbDataRaumtempSchaltuhr(bool value);
    bool SetDbDataSchaltuhr1(bool value);
    bool SetDbDataSchaltuhr2(bool value);

    const TObjectFactories& Factories() const { return factories_; }

    // --- Fields, in their order ---

    const std::int32_t DatenVersionMajor = DATEN_VERSION_MAJOR;
    const std::int32_t DatenVersionMinor = DATEN_VERSION_MINOR;
    const std::string DatenVersionFormat = DATEN_VERSION_FORMAT;

protected:
    std::string InitFileCreateName;
    std::string InitFileCreateUserName;
    std::uint8_t InitModus = INIT_MODUS_DEFAULT;

    // The main window's handle, given to every data object made here; 0 without main window.
    platform::HWND MainWindowHandle() const;
    // Reads the record into an object the device made and registers it; when the handle is
    // taken already the object is freed and reported. False also without an object.
    bool RegisterObject(std::unique_ptr<TDataBasis> object, const TDatenStruktur& record);

    // The first child of the parent of that type for which match answers true (every child
    // without match); the children come in record order, those without object are passed
    // over. None without parent or records.
    TDataBasis* FindChild(TDataBasis* parent, int typ, const std::function<bool(TDataBasis&)>& match = {});
    // Removes an object registered with the device: its records, its tree node, the object.
    void RemoveObject(TDataBasis* object);
    // Files a new object: position id, registration, record (with writeRecord) and, with
    // withNode, its tree node below the parent. None when the object is missing or its handle
    // is taken (the object then goes).
    TDataBasis* EnrolNew(std::unique_ptr<TDataBasis> object, TDataBasis* parent, int posId, bool withNode,
                         bool writeRecord = true);

    // The creation steps of a function's object: refused (none) when the parent has a child of
    // the type already or make gives no object; otherwise the object is filed with its position
    // id, record, registration and, with withNode, its node below the parent.
    TDataBasis* CreateFunctionObject(TDataBasis* parent, int typ, int posId, bool withNode,
                                     const std::function<std::unique_ptr<TDataBasis>()>& make);
    // The deletion steps: the first child of the type has its own clean-up done, then its
    // records, its node and the object go. False without such a child.
    bool DeleteFunctionObject(TDataBasis* parent, int typ, const std::function<void(TDataBasis&)>& cleanUp);
    // Writes the object's record and posts WM_USER_ABGLEICHFORMVERW (-1, -1) and
    // WM_USER_UPDATEOTHERVIEWS (0, 0); false when the record cannot be written.
    bool WriteAndRefresh(TDataBasis* object);

private:
    // Appends the record's line and those of its chain (looked up, never created); a chain
    // ends at Next 0, at a missing record and at a handle given already.
    void AppendChain(const TDatenStruktur& record, std::int32_t system, std::vector<std::string>& lines,
                     std::set<std::int32_t>& copied);
    // Gives the object the source record with its chain from the copied table, then writes the
    // object into its record. False when the chain is broken or the object refused.
    bool PasteInto(TDataBasis* object, const TRecordTable& copied, const TDatenStruktur& source,
                   std::string& message);
    // PasteDataToAllChilds with the handle of the parent's source record in the copied table:
    // a child's source is then one of that record's children (0: any copied record).
    bool PasteChildren(TDataBasis* parent, TRecordTable* copied, std::int32_t sourceParent, std::string& message);
    // The records of the object and of everything below it, as lines without their chains.
    void AppendState(const TDataBasis& object, std::vector<std::string>& state);

    // Links the imported object (its record and the records chained to it) to the project's
    // groups of their addresses; an address the project lacks is dropped and reported (false).
    // A value out of the address range stays unlinked and is appended to invalid.
    bool LinkImportedChain(TRecordTable& records, TDatenStruktur& object, bool threeLevels,
                           std::vector<std::string>& invalid);

    // Makes the object's device object again in the project; false when the project cannot.
    bool RestoreInProject(TEtsObjekt& object);
    // Switches off every parameter whose active objects the device knows none of; appends
    // their objects' numbers and names.
    void SwitchOffUnknownObjects(std::vector<std::string>& names);

    // The key-sensor hook's answers to keys, rockers and the key operation.
    bool AnswerKeyRequest(platform::HWND mainWindow, tagWmUserDevice& request);
    // CheckTastenWippenFkt and CheckTastenWippenFktValues: values chooses the check.
    bool CheckKeyFunctions(bool ask, bool values, std::list<int> goingToo);
    // The display orders of the communication objects that go with the keys of a pair: the
    // keys' own and those of their status objects.
    std::list<int> PairDisplayOrders(TDataBasis* keyOperation, int key1, int key2);

    // Replaces flag n (1 to 6) of the six download flags.
    bool SetDbDataFlag(int n, bool value);
    // The device type number, host device parameter 60.
    std::int32_t ReadTypeNumber() const;

    TObjectFactories factories_;
};
