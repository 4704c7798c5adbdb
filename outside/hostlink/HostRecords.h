#pragma once

#include <cstdint>
#include <string>

// The records of the host's project database as the host link hands them out. Each begins
// with its length word, which the caller leaves at (or sets to) the record's RecordSize before
// a read; a read with any other length word fails with DAL_ERR. Texts are Windows-1252 bytes.

// Modes of the DalGet… reads.
enum : int {
    DAL_GET_FIRST = 1, // first record of an iteration
    DAL_GET_NEXT = 2,  // next record of the iteration of that record kind
    DAL_GET_BY_ID = 3, // one record by id, without touching the iteration
};

// Answers of the DalGet… reads.
enum : int {
    DAL_OK = 0,  // the record was filled
    DAL_END = 4, // no (further) record
    DAL_ERR = 5, // host error: bad mode, bad length word, database unreadable
};

// Answers of CoLinkObjectToSubGroup; any other value means linked.
enum : std::int32_t {
    CO_LINK_FAILED = -1,
    CO_LINK_TYPE_UNFIT = -2,
    CO_LINKED = 1,
};

// Answers of CoSetDeviceParameterValueLong: set (1 when the device's objects stayed, 2 when
// they changed with the value) or failed.
enum : std::int32_t {
    CO_PARAMETER_FAILED = 0,
    CO_PARAMETER_SET = 1,
    CO_PARAMETER_SET_OBJECTS_CHANGED = 2,
};

// Answers of the Sql… writes.
enum : int {
    SQL_FAILED = 0,
    SQL_DONE = 1,
};

// An id or filter argument that matches anything.
constexpr std::int32_t DAL_ANY = -1;

// The record kinds; each has its own iteration.
enum class TDalKind {
    Project,
    Area,
    Line,
    Device,
    DeviceObject,
    DeviceParam,
    Parameter,
    CommObject,
    MainGroup,
    MiddleGroup,
    SubGroup,
    SubToObject,
};
constexpr int DalKindCount = 12;
static_assert(static_cast<int>(TDalKind::SubToObject) + 1 == DalKindCount);

struct DAL_PROJECT {
    static constexpr std::uint16_t RecordSize = 840;
    std::uint16_t Size = RecordSize;
    std::int32_t ProjectId = 0;
    std::string Name;
};

struct DAL_AREA {
    static constexpr std::uint16_t RecordSize = 386;
    std::uint16_t Size = RecordSize;
    std::int32_t AreaId = 0;
    std::int32_t ProjectId = 0;
    std::string Name;
    std::int16_t Number = 0;
};

struct DAL_LINE {
    static constexpr std::uint16_t RecordSize = 394;
    std::uint16_t Size = RecordSize;
    std::int32_t LineId = 0;
    std::int32_t AreaId = 0;
    std::string Name;
    std::int32_t Number = 0;
};

struct DAL_DEVICE {
    static constexpr std::uint16_t RecordSize = 2436;
    std::uint16_t Size = RecordSize;
    std::int32_t DeviceId = 0;
    std::int32_t LineId = 0;
    std::int32_t ProductId = 0;
    std::int32_t ProjectId = 0;
    // Devices of one application program carry the same value.
    std::int32_t ProgramId = 0;
    // Third part of the physical address.
    std::int32_t DeviceNumber = 0;
    // The device's comment in the project; may hold line breaks (CR LF).
    std::string Description;
    std::string Name;
};

// A communication object as it exists on a device, with its five flags.
struct DAL_DEVICE_OBJECT {
    static constexpr std::uint16_t RecordSize = 2138;
    std::uint16_t Size = RecordSize;
    std::int32_t DeviceId = 0;
    std::int16_t ReadFlag = 0;
    std::int16_t WriteFlag = 0;
    std::int16_t CommFlag = 0;
    std::int16_t TransFlag = 0;
    // The group addresses the object is linked to, the sending one first, in three-level form
    // ("1/0/5, 1/0/6") and in two-level form ("1/5, 1/6").
    std::string ObjectText3Levels;
    std::int32_t DeviceObjectId = 0;
    std::int32_t CommObjectId = 0;
    std::int16_t ObjectNumber = 0;
    std::int16_t ObjectType = -1; // -1 = free
    std::string ObjectText2Levels;
    // Greater than 0 while the object is in use on the device.
    std::int16_t Active = 0;
    std::int16_t UpdateFlag = 0;
};

// A communication object of the program; it exists on a device while the device's value of
// its parameter equals ParameterValue.
struct DAL_COMM_OBJECT {
    static constexpr std::uint16_t RecordSize = 400;
    std::uint16_t Size = RecordSize;
    std::string Name;
    std::string FunctionText;
    std::int32_t ParameterValue = 0;
    std::int32_t CommObjectId = 0;
    std::int32_t ParameterId = 0;
    std::int16_t ObjectNumber = 0;
    std::int16_t ObjectType = -1;
};

struct DAL_DEVICE_PARAM {
    static constexpr std::uint16_t RecordSize = 1032;
    std::uint16_t Size = RecordSize;
    std::int32_t DeviceId = 0;
    std::int32_t DeviceParamId = 0;
    std::int32_t ParameterId = 0;
    std::int32_t Value = 0;
};

// A parameter of the program, addressed by its display order.
struct DAL_PARAMETER {
    static constexpr std::uint16_t RecordSize = 268;
    std::uint16_t Size = RecordSize;
    std::int32_t ParameterId = 0;
    std::int32_t ProgramId = 0;
    std::uint16_t DisplayOrder = 0;
    std::string Name;
    std::int32_t DefaultValue = 0;
};

struct DAL_MAINGROUP {
    static constexpr std::uint16_t RecordSize = 114;
    std::uint16_t Size = RecordSize;
    std::int32_t MainGroupId = 0;
    std::int32_t ProjectId = 0;
    std::string Name;
    std::int32_t Number = 0; // 0 to 15
};

// A middle group; no sub group has the same host id.
struct DAL_MIDDLEGROUP {
    static constexpr std::uint16_t RecordSize = 114;
    std::uint16_t Size = RecordSize;
    std::int32_t MiddleGroupId = 0;
    std::int32_t MainGroupId = 0;
    std::string Name;
    std::int32_t Number = 0; // 0 to 7
};

// A group address.
struct DAL_SUBGROUP {
    static constexpr std::uint16_t RecordSize = 116;
    std::uint16_t Size = RecordSize;
    std::int32_t MiddleGroupId = 0;
    std::int32_t SubGroupId = 0;
    std::string Name;
    std::int16_t Type = -1; // object type of what the address carries; -1 = none yet
    std::int32_t Number = 0; // 0 to 255
};

// A link between a device object and a group address.
struct DAL_SUB_TO_OBJECT {
    static constexpr std::uint16_t RecordSize = 18;
    std::uint16_t Size = RecordSize;
    std::int32_t LinkId = 0;
    std::int32_t SubGroupId = 0;
    std::int32_t DeviceObjectId = 0;
    std::int16_t SendFlag = 0; // greater than 0 for the address the object sends on
};

// What the host tells about itself. Folders end in "/".
struct tagETSINFO {
    std::string ImportFolder; // where the host puts the device data files of an import
    std::string IniName;      // the host's ini file is HostFolder + IniName + ".ini"
    std::string HostFolder;
    std::uint32_t Version = 0; // major << 16 | minor
    std::uint32_t Build = 0;   // major << 16 | minor
};
