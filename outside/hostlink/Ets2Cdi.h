#pragma once

#include "outside/hostlink/HostRecords.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host {
class TProjectDatabase;
class TSqlStatement;
class TSqlTransaction;
enum class TObjectFlag;
}

// The link to the host: reads the records of its project database, the devices' data blocks
// and the host information, straight from the project file. A link whose file cannot be opened
// answers every call with a failure (DAL_ERR, false).
//
// Reads (DalGet…): mode DAL_GET_FIRST starts the iteration of that record kind with the given
// id and filters, DAL_GET_NEXT continues it (with the filters of its start), DAL_GET_BY_ID reads
// the first matching record and leaves the iteration alone. DAL_ANY (-1) in an id or filter
// matches anything. Records come in ascending id order. The record is touched only when the
// answer is DAL_OK. An iteration whose reads follow each other without another call of the link
// between them reads the project as it was at its first read, as one statement; after any other
// call it goes on after its last record in the project as it is then.
class TEts2Cdi {
public:
    explicit TEts2Cdi(const std::string& databasePath);
    virtual ~TEts2Cdi();
    TEts2Cdi(const TEts2Cdi&) = delete;
    TEts2Cdi& operator=(const TEts2Cdi&) = delete;

    bool IsConnected() const { return db_ != nullptr; }
    // The project file the link reads; empty when it has none open.
    const std::string& ProjectPath() const { return projectPath_; }

    // The reads from here to EndReadSnapshot (of records, blocks and host information) share one
    // read transaction, begun at the first of them: they see the project as it was then and take
    // its locks once. A write of the link ends the transaction first; a read after it begins the
    // next. Nothing that waits for the user may come between the two calls.
    void BeginReadSnapshot();
    void EndReadSnapshot();

    virtual int DalGetProjectData(int mode, std::int32_t id, DAL_PROJECT* record);
    virtual int DalGetAreaData(int mode, std::int32_t id, std::int32_t projectId, DAL_AREA* record);
    virtual int DalGetLineData(int mode, std::int32_t id, std::int32_t areaId, DAL_LINE* record);
    virtual int DalGetDeviceData(int mode, std::int32_t id, std::int32_t lineId, std::int32_t productId,
                                 std::int32_t programId, std::int32_t projectId, DAL_DEVICE* record);
    virtual int DalGetDeviceObjectData(int mode, std::int32_t id, std::int32_t deviceId, DAL_DEVICE_OBJECT* record);
    virtual int DalGetDeviceParamData(int mode, std::int32_t id, std::int32_t deviceId, DAL_DEVICE_PARAM* record);
    virtual int DalGetParameterData(int mode, std::int32_t id, std::int32_t programId, std::int32_t displayOrder,
                                    DAL_PARAMETER* record);
    virtual int DalGetCommunicationObjectData(int mode, std::int32_t id, std::int32_t parameterId,
                                              std::int32_t programId, DAL_COMM_OBJECT* record);
    virtual int DalGetMaingroupData(int mode, std::int32_t id, std::int32_t projectId, DAL_MAINGROUP* record);
    virtual int DalGetMiddlegroupData(int mode, std::int32_t id, std::int32_t mainGroupId, DAL_MIDDLEGROUP* record);
    virtual int DalGetSubgroupData(int mode, std::int32_t id, std::int32_t middleGroupId, DAL_SUBGROUP* record);
    virtual int DalGetSubgroupToObjectData(int mode, std::int32_t id, std::int32_t subGroupId,
                                           std::int32_t deviceObjectId, DAL_SUB_TO_OBJECT* record);

    // The device's data block. True with size 0: the device has no block yet; false: unreadable
    // (no such device, database error). The bytes stay the link's and are valid until the next
    // BlobRead: copy them at once, never free them.
    virtual bool BlobRead(const char*& data, std::int32_t& size, std::int32_t deviceId);
    // Gives back the bytes of the last BlobRead once they are copied; its data are no longer valid.
    void ReleaseBlob();
    // Replaces the device's data block; false when it was not stored.
    virtual bool BlobWrite(const char* data, std::int32_t size, std::int32_t deviceId);

    // False when the host information is not available.
    virtual bool GetEtsInfo(tagETSINFO& info);
    // A value of the host's profile; false, value unchanged, when the key is not there or the
    // profile cannot be read.
    virtual bool GetProfileString(const std::string& section, const std::string& key, std::string& value);
    // False when the profile cannot answer for the key at all (not even "missing").
    virtual bool ProfileReadable(const std::string& section, const std::string& key);
    // Stores the value under the key; false when it was not stored.
    virtual bool SetProfileString(const std::string& section, const std::string& key, const std::string& value);
    // Gives control back to the host at the end of an edit, with 1 when the data were
    // accepted and 0 when they were discarded. False when the host was not told: without a
    // host attached (offline) always.
    virtual bool ReturnToEts(int result);

    // Links the device object to the group address: CO_LINK_FAILED (no such object or address,
    // database error), CO_LINK_TYPE_UNFIT (the address carries objects of another type), else
    // linked. A link made or found becomes the one the object sends on, and the object's other
    // links stop sending. The short and the three flags are the host's options; the editor
    // passes (1, true, false, true) and the link needs none of them.
    virtual std::int32_t CoLinkObjectToSubGroup(std::int32_t deviceObjectId, std::int32_t subGroupId,
                                                std::int16_t option, bool option1, bool option2, bool option3);
    // True when the link was removed; false when there was none or on a database error. The
    // flag is the host's option; the editor passes true.
    virtual bool CoUnlinkObjectFromSubGroup(std::int32_t deviceObjectId, std::int32_t subGroupId, bool option);
    // Makes the group address main/middle/sub of the project, or finds it (its name then stays),
    // with main and middle groups made as needed: its sub-group id, or -1 when it cannot be made
    // (part out of range, no such project, database error). The name is Windows-1252 text.
    virtual std::int32_t CoCreateGroupAddress(std::int32_t projectId, std::int16_t main, std::int16_t middle,
                                              std::int16_t sub, const std::string& name);

    // Sets the device parameter to the value; the device's objects follow it: those of the
    // parameter's other values go with their links, those of the new value come. The two flags
    // are the host's options; the editor passes (false, false). CO_PARAMETER_FAILED when there
    // is no such device parameter or the database fails.
    virtual std::int32_t CoSetDeviceParameterValueLong(std::int32_t deviceParamId, std::int32_t value, bool option1,
                                                       bool option2);

    // Single fields: SQL_DONE, or SQL_FAILED when there is no such link or device object or the
    // database fails. The send flag of one link changes alone.
    virtual int SqlSetSubGroupToObjectSendFlag(std::int32_t linkId, bool sending);
    virtual int SqlSetDeviceObjectCommFlag(std::int32_t deviceObjectId, bool value);
    virtual int SqlSetDeviceObjectReadFlag(std::int32_t deviceObjectId, bool value);
    virtual int SqlSetDeviceObjectWriteFlag(std::int32_t deviceObjectId, bool value);
    virtual int SqlSetDeviceObjectTransFlag(std::int32_t deviceObjectId, bool value);
    virtual int SqlSetDeviceObjectUpdateFlag(std::int32_t deviceObjectId, bool value);

private:
    struct TCursor {
        bool Open = false;
        std::vector<std::int32_t> Filters;
        std::int64_t LastId = 0;
        // The walk statement of the kind stands after LastId: no other call of the link came
        // between two reads of the walk. Otherwise the next read runs it anew after LastId.
        bool Walking = false;
    };

    template <class TRecord>
    int Read(TDalKind kind, int mode, std::initializer_list<std::int32_t> filters, TRecord* record);
    // Runs a write on the database; the answer of failure when there is none or it throws.
    template <class TAnswer, class TWrite>
    TAnswer Write(TAnswer failure, const TWrite& write);
    int SetObjectFlag(std::int32_t deviceObjectId, host::TObjectFlag flag, bool value);
    // Resets the statement a walk holds: the next read of any kind sees the project as it is.
    void ReleaseWalk();
    // Begins the snapshot's transaction when one is wanted and none runs.
    void EnterSnapshot();
    // Ends the snapshot's transaction, if one runs (a snapshot stays wanted).
    void LeaveSnapshot();
    // The prepared statement of a kind's walks or of its reads by id, made on first use.
    host::TSqlStatement& Statement(TDalKind kind, bool byId);

    std::unique_ptr<host::TProjectDatabase> db_;
    std::string projectPath_;
    std::array<TCursor, DalKindCount> cursors_;
    std::array<std::unique_ptr<host::TSqlStatement>, DalKindCount> walkStatements_;
    std::array<std::unique_ptr<host::TSqlStatement>, DalKindCount> byIdStatements_;
    std::unique_ptr<host::TSqlStatement> addressTexts_; // a device object's group addresses
    int heldWalk_ = -1; // the kind whose walk statement stands after its cursor; -1 = none
    bool snapshotWanted_ = false;
    std::unique_ptr<host::TSqlTransaction> snapshot_;
    std::string blob_;
};
