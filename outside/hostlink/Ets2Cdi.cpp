#include "outside/hostlink/Ets2Cdi.h"

#include "host/DeviceBlob.h"
#include "host/DeviceParameters.h"
#include "host/GroupAddresses.h"
#include "host/ObjectLinks.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"
#include "platform/Cp1252.h"

#include <exception>
#include <limits>
#include <string_view>

namespace {

using host::TSqlDatabase;
using host::TSqlStatement;

// Where the records of one kind come from: the query (id first), and the columns that the
// read's id and filter arguments compare with, in argument order.
struct TSource {
    std::string_view Select;
    std::vector<std::string_view> Columns;
};

// Middle groups and sub groups are told apart by their host ids (the editor files both in one
// map by id): a middle group's host id is its row id plus this base.
constexpr std::int32_t MiddleGroupIdBase = 0x40000000;
constexpr std::string_view MiddleGroupHostId = "(id + 1073741824)";
constexpr std::string_view MiddleGroupOfSubHostId = "(middle_group_id + 1073741824)";
static_assert(MiddleGroupIdBase == 1073741824);

// Where the range of row ids that a read by id looks at starts: just below the row of the host
// id asked for (the queries select "id > ?1" in row-id order), or at the first row for any id.
std::int64_t ByIdRangeStart(TDalKind kind, std::int32_t hostId)
{
    if (hostId == DAL_ANY)
        return std::numeric_limits<std::int64_t>::min();
    const std::int64_t rowId = kind == TDalKind::MiddleGroup ? std::int64_t{hostId} - MiddleGroupIdBase : hostId;
    return rowId - 1;
}

const TSource& SourceOf(TDalKind kind)
{
    static const std::array<TSource, DalKindCount> sources = {{
        {"SELECT id, name FROM project", {"id"}},
        {"SELECT id, project_id, name, number FROM area", {"id", "project_id"}},
        {"SELECT id, area_id, name, number FROM line", {"id", "area_id"}},
        {"SELECT id, line_id, product_id, project_id, program_id, device_number, description, name FROM device",
         {"id", "line_id", "product_id", "program_id", "project_id"}},
        {"SELECT id, device_id, read_flag, write_flag, comm_flag, trans_flag, comm_object_id, number, type, "
         "active, update_flag FROM device_object",
         {"id", "device_id"}},
        {"SELECT id, device_id, parameter_id, value FROM device_parameter", {"id", "device_id"}},
        {"SELECT id, program_id, display_order, name, default_value FROM parameter",
         {"id", "program_id", "display_order"}},
        {"SELECT id, name, function_text, parameter_value, parameter_id, number, type FROM comm_object",
         {"id", "parameter_id", "program_id"}},
        {"SELECT id, project_id, name, number FROM main_group", {"id", "project_id"}},
        {"SELECT id, main_group_id, name, number FROM middle_group", {MiddleGroupHostId, "main_group_id"}},
        {"SELECT id, middle_group_id, name, type, number FROM sub_group", {"id", MiddleGroupOfSubHostId}},
        {"SELECT id, sub_group_id, device_object_id, send_flag FROM sub_to_object",
         {"id", "sub_group_id", "device_object_id"}},
    }};
    return sources[static_cast<std::size_t>(kind)];
}

// The records after ?1 (an id) that match every argument (-1 = any), in id order; only the first
// one when single.
std::string QueryText(const TSource& source, bool single)
{
    std::string sql = std::string(source.Select) + " WHERE id > ?1";
    for (std::size_t i = 0; i < source.Columns.size(); ++i) {
        const std::string parameter = std::string("?").append(std::to_string(i + 2));
        sql.append(" AND (").append(parameter).append(" = -1 OR ").append(source.Columns[i]);
        sql.append(" = ").append(parameter).append(")");
    }
    sql += single ? " ORDER BY id LIMIT 1" : " ORDER BY id";
    return sql;
}

std::string Text(const TSqlStatement& row, int column)
{
    return platform::Utf8ToCp1252(row.TextView(column));
}

std::int16_t Int16(const TSqlStatement& row, int column)
{
    return static_cast<std::int16_t>(row.Int64(column));
}

constexpr char AddressTextsQuery[] = R"sql(
        SELECT mg.number, mi.number, sg.number
        FROM sub_to_object s
        JOIN sub_group sg ON sg.id = s.sub_group_id
        JOIN middle_group mi ON mi.id = sg.middle_group_id
        JOIN main_group mg ON mg.id = mi.main_group_id
        WHERE s.device_object_id = ?1
        ORDER BY s.send_flag > 0 DESC, s.id)sql";

// Resets the statement at the end of the scope.
class TResetAtEnd {
public:
    explicit TResetAtEnd(TSqlStatement& statement) : statement_(statement) {}
    ~TResetAtEnd() { statement_.Reset(); }
    TResetAtEnd(const TResetAtEnd&) = delete;
    TResetAtEnd& operator=(const TResetAtEnd&) = delete;

private:
    TSqlStatement& statement_;
};

// What filling a record asks of the project besides its row: the query of a device object's
// group addresses, prepared on its first use and kept by the link.
struct TFillQueries {
    TSqlDatabase& Db;
    std::unique_ptr<TSqlStatement>& AddressTexts;
};

// The group addresses of a device object, the sending one first, in both level forms.
void FillAddressTexts(TFillQueries& queries, DAL_DEVICE_OBJECT& record)
{
    if (!queries.AddressTexts)
        queries.AddressTexts = std::make_unique<TSqlStatement>(queries.Db, AddressTextsQuery);
    TSqlStatement& links = *queries.AddressTexts;
    // No read of the project stays open behind it, whatever happens.
    const TResetAtEnd reset(links);
    links.Reset();
    links.Bind(1, record.DeviceObjectId);
    while (links.Step()) {
        const std::string separator = record.ObjectText3Levels.empty() ? "" : ", ";
        const std::int64_t main = links.Int64(0), middle = links.Int64(1), sub = links.Int64(2);
        record.ObjectText3Levels +=
            separator + std::to_string(main) + "/" + std::to_string(middle) + "/" + std::to_string(sub);
        record.ObjectText2Levels += separator + std::to_string(main) + "/" + std::to_string(middle * 256 + sub);
    }
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_PROJECT& record)
{
    record.ProjectId = row.Int(0);
    record.Name = Text(row, 1);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_AREA& record)
{
    record.AreaId = row.Int(0);
    record.ProjectId = row.Int(1);
    record.Name = Text(row, 2);
    record.Number = Int16(row, 3);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_LINE& record)
{
    record.LineId = row.Int(0);
    record.AreaId = row.Int(1);
    record.Name = Text(row, 2);
    record.Number = row.Int(3);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_DEVICE& record)
{
    record.DeviceId = row.Int(0);
    record.LineId = row.Int(1);
    record.ProductId = row.Int(2);
    record.ProjectId = row.Int(3);
    record.ProgramId = row.Int(4);
    record.DeviceNumber = row.Int(5);
    record.Description = Text(row, 6);
    record.Name = Text(row, 7);
}

void Fill(TFillQueries& queries, const TSqlStatement& row, DAL_DEVICE_OBJECT& record)
{
    record.DeviceObjectId = row.Int(0);
    record.DeviceId = row.Int(1);
    record.ReadFlag = Int16(row, 2);
    record.WriteFlag = Int16(row, 3);
    record.CommFlag = Int16(row, 4);
    record.TransFlag = Int16(row, 5);
    record.CommObjectId = row.Int(6);
    record.ObjectNumber = Int16(row, 7);
    record.ObjectType = Int16(row, 8);
    record.Active = Int16(row, 9);
    record.UpdateFlag = Int16(row, 10);
    FillAddressTexts(queries, record);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_DEVICE_PARAM& record)
{
    record.DeviceParamId = row.Int(0);
    record.DeviceId = row.Int(1);
    record.ParameterId = row.Int(2);
    record.Value = row.Int(3);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_PARAMETER& record)
{
    record.ParameterId = row.Int(0);
    record.ProgramId = row.Int(1);
    record.DisplayOrder = static_cast<std::uint16_t>(row.Int64(2));
    record.Name = Text(row, 3);
    record.DefaultValue = row.Int(4);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_COMM_OBJECT& record)
{
    record.CommObjectId = row.Int(0);
    record.Name = Text(row, 1);
    record.FunctionText = Text(row, 2);
    record.ParameterValue = row.Int(3);
    record.ParameterId = row.Int(4);
    record.ObjectNumber = Int16(row, 5);
    record.ObjectType = Int16(row, 6);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_MAINGROUP& record)
{
    record.MainGroupId = row.Int(0);
    record.ProjectId = row.Int(1);
    record.Name = Text(row, 2);
    record.Number = row.Int(3);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_MIDDLEGROUP& record)
{
    record.MiddleGroupId = row.Int(0) + MiddleGroupIdBase;
    record.MainGroupId = row.Int(1);
    record.Name = Text(row, 2);
    record.Number = row.Int(3);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_SUBGROUP& record)
{
    record.SubGroupId = row.Int(0);
    record.MiddleGroupId = row.Int(1) + MiddleGroupIdBase;
    record.Name = Text(row, 2);
    record.Type = Int16(row, 3);
    record.Number = row.Int(4);
}

void Fill(TFillQueries&, const TSqlStatement& row, DAL_SUB_TO_OBJECT& record)
{
    record.LinkId = row.Int(0);
    record.SubGroupId = row.Int(1);
    record.DeviceObjectId = row.Int(2);
    record.SendFlag = Int16(row, 3);
}

} // namespace

TEts2Cdi::TEts2Cdi(const std::string& databasePath)
{
    try {
        db_ = std::make_unique<host::TProjectDatabase>(databasePath);
        projectPath_ = databasePath;
    } catch (const std::exception&) {
        // A project this user may not write is still read; each write then fails.
        try {
            db_ = std::make_unique<host::TProjectDatabase>(databasePath, host::TProjectDatabase::TAccess::ReadOnly);
            projectPath_ = databasePath;
        } catch (const std::exception&) {
            db_.reset();
        }
    }
}

TEts2Cdi::~TEts2Cdi() = default;

void TEts2Cdi::ReleaseWalk()
{
    if (heldWalk_ < 0)
        return;
    const auto kind = static_cast<std::size_t>(heldWalk_);
    heldWalk_ = -1;
    cursors_[kind].Walking = false;
    walkStatements_[kind]->Reset();
}

void TEts2Cdi::BeginReadSnapshot()
{
    snapshotWanted_ = true;
}

void TEts2Cdi::EndReadSnapshot()
{
    LeaveSnapshot();
    snapshotWanted_ = false;
}

void TEts2Cdi::EnterSnapshot()
{
    if (!snapshotWanted_ || snapshot_ || !db_)
        return;
    try {
        snapshot_ = std::make_unique<host::TSqlTransaction>(db_->Sql(), host::TSqlTransaction::TKind::Read);
    } catch (const std::exception&) {
        // Without the shared transaction each read takes its own, as outside a snapshot.
        snapshot_.reset();
    }
}

void TEts2Cdi::LeaveSnapshot()
{
    ReleaseWalk();
    if (!snapshot_)
        return;
    try {
        snapshot_->Commit();
    } catch (const std::exception&) {
        // Nothing was written in it: the destructor's rollback ends it as well.
    }
    snapshot_.reset();
}

TSqlStatement& TEts2Cdi::Statement(TDalKind kind, bool byId)
{
    auto& statement = (byId ? byIdStatements_ : walkStatements_)[static_cast<std::size_t>(kind)];
    if (!statement)
        statement = std::make_unique<TSqlStatement>(db_->Sql(), QueryText(SourceOf(kind), byId));
    return *statement;
}

template <class TRecord>
int TEts2Cdi::Read(TDalKind kind, int mode, std::initializer_list<std::int32_t> filters, TRecord* record)
{
    const auto index = static_cast<int>(kind);
    TCursor& cursor = cursors_[static_cast<std::size_t>(index)];
    // Only the next read of the walk that holds its statement goes on with it.
    if (heldWalk_ != index || mode != DAL_GET_NEXT)
        ReleaseWalk();
    if (!db_ || record == nullptr || record->Size != TRecord::RecordSize)
        return DAL_ERR;
    if (mode != DAL_GET_FIRST && mode != DAL_GET_NEXT && mode != DAL_GET_BY_ID)
        return DAL_ERR;
    EnterSnapshot();

    std::int64_t after = std::numeric_limits<std::int64_t>::min();
    if (mode == DAL_GET_BY_ID) {
        // Without a start the search would walk every row below the one asked for.
        after = ByIdRangeStart(kind, *filters.begin());
    } else if (mode == DAL_GET_FIRST) {
        cursor = TCursor{};
    } else if (mode == DAL_GET_NEXT) {
        if (!cursor.Open)
            return DAL_END;
        after = cursor.LastId;
    }

    const bool byId = mode == DAL_GET_BY_ID;
    TSqlStatement* query = nullptr;
    try {
        query = &Statement(kind, byId);
        const bool goingOn = mode == DAL_GET_NEXT && cursor.Walking;
        if (!goingOn) {
            // A walk run anew goes on with the filters of its start.
            query->Reset();
            query->Bind(1, after);
            int parameter = 2;
            if (mode == DAL_GET_NEXT) {
                for (const std::int32_t filter : cursor.Filters)
                    query->Bind(parameter++, filter);
            } else {
                for (const std::int32_t filter : filters)
                    query->Bind(parameter++, filter);
            }
        }
        if (!query->Step()) {
            ReleaseWalk();
            query->Reset();
            if (!byId)
                cursor = TCursor{};
            return DAL_END;
        }
        TRecord filled;
        TFillQueries queries{db_->Sql(), addressTexts_};
        Fill(queries, *query, filled);
        const std::int64_t id = query->Int64(0);
        *record = std::move(filled);
        if (byId) {
            // No read of the project stays open behind a read by id.
            query->Reset();
            return DAL_OK;
        }
        if (mode == DAL_GET_NEXT)
            cursor.LastId = id;
        else
            cursor = TCursor{true, std::vector<std::int32_t>(filters), id, false};
        cursor.Walking = true;
        heldWalk_ = index;
        return DAL_OK;
    } catch (const std::exception&) {
        // The iteration stays where it was, so that a further read can go on after an error.
        ReleaseWalk();
        cursor.Walking = false;
        if (query)
            query->Reset();
        return DAL_ERR;
    }
}

int TEts2Cdi::DalGetProjectData(int mode, std::int32_t id, DAL_PROJECT* record)
{
    return Read(TDalKind::Project, mode, {id}, record);
}

int TEts2Cdi::DalGetAreaData(int mode, std::int32_t id, std::int32_t projectId, DAL_AREA* record)
{
    return Read(TDalKind::Area, mode, {id, projectId}, record);
}

int TEts2Cdi::DalGetLineData(int mode, std::int32_t id, std::int32_t areaId, DAL_LINE* record)
{
    return Read(TDalKind::Line, mode, {id, areaId}, record);
}

int TEts2Cdi::DalGetDeviceData(int mode, std::int32_t id, std::int32_t lineId, std::int32_t productId,
                               std::int32_t programId, std::int32_t projectId, DAL_DEVICE* record)
{
    return Read(TDalKind::Device, mode, {id, lineId, productId, programId, projectId}, record);
}

int TEts2Cdi::DalGetDeviceObjectData(int mode, std::int32_t id, std::int32_t deviceId, DAL_DEVICE_OBJECT* record)
{
    return Read(TDalKind::DeviceObject, mode, {id, deviceId}, record);
}

int TEts2Cdi::DalGetDeviceParamData(int mode, std::int32_t id, std::int32_t deviceId, DAL_DEVICE_PARAM* record)
{
    return Read(TDalKind::DeviceParam, mode, {id, deviceId}, record);
}

int TEts2Cdi::DalGetParameterData(int mode, std::int32_t id, std::int32_t programId, std::int32_t displayOrder,
                                  DAL_PARAMETER* record)
{
    return Read(TDalKind::Parameter, mode, {id, programId, displayOrder}, record);
}

int TEts2Cdi::DalGetCommunicationObjectData(int mode, std::int32_t id, std::int32_t parameterId,
                                            std::int32_t programId, DAL_COMM_OBJECT* record)
{
    return Read(TDalKind::CommObject, mode, {id, parameterId, programId}, record);
}

int TEts2Cdi::DalGetMaingroupData(int mode, std::int32_t id, std::int32_t projectId, DAL_MAINGROUP* record)
{
    return Read(TDalKind::MainGroup, mode, {id, projectId}, record);
}

int TEts2Cdi::DalGetMiddlegroupData(int mode, std::int32_t id, std::int32_t mainGroupId, DAL_MIDDLEGROUP* record)
{
    return Read(TDalKind::MiddleGroup, mode, {id, mainGroupId}, record);
}

int TEts2Cdi::DalGetSubgroupData(int mode, std::int32_t id, std::int32_t middleGroupId, DAL_SUBGROUP* record)
{
    return Read(TDalKind::SubGroup, mode, {id, middleGroupId}, record);
}

int TEts2Cdi::DalGetSubgroupToObjectData(int mode, std::int32_t id, std::int32_t subGroupId,
                                         std::int32_t deviceObjectId, DAL_SUB_TO_OBJECT* record)
{
    return Read(TDalKind::SubToObject, mode, {id, subGroupId, deviceObjectId}, record);
}

bool TEts2Cdi::BlobRead(const char*& data, std::int32_t& size, std::int32_t deviceId)
{
    ReleaseWalk();
    data = nullptr;
    size = 0;
    if (!db_)
        return false;
    EnterSnapshot();
    try {
        std::optional<std::string> bytes = host::ReadDeviceBlob(db_->Sql(), deviceId);
        if (!bytes || bytes->size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            return false;
        blob_ = std::move(*bytes);
    } catch (const std::exception&) {
        return false;
    }
    data = blob_.data();
    size = static_cast<std::int32_t>(blob_.size());
    return true;
}

void TEts2Cdi::ReleaseBlob()
{
    std::string().swap(blob_);
}

bool TEts2Cdi::BlobWrite(const char* data, std::int32_t size, std::int32_t deviceId)
{
    LeaveSnapshot();
    if (!db_ || size < 0 || (data == nullptr && size > 0))
        return false;
    try {
        return host::WriteDeviceBlob(db_->Sql(), deviceId,
                                     std::string_view(data, static_cast<std::size_t>(size)));
    } catch (const std::exception&) {
        return false;
    }
}

bool TEts2Cdi::GetEtsInfo(tagETSINFO& info)
{
    ReleaseWalk();
    if (!db_)
        return false;
    EnterSnapshot();
    try {
        TSqlStatement query(db_->Sql(), "SELECT import_folder, ini_name, host_folder, version, build "
                                        "FROM host_info WHERE id = 1");
        if (!query.Step())
            return false;
        tagETSINFO filled;
        filled.ImportFolder = Text(query, 0);
        filled.IniName = Text(query, 1);
        filled.HostFolder = Text(query, 2);
        filled.Version = static_cast<std::uint32_t>(query.Int64(3));
        filled.Build = static_cast<std::uint32_t>(query.Int64(4));
        info = std::move(filled);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

template <class TAnswer, class TWrite>
TAnswer TEts2Cdi::Write(TAnswer failure, const TWrite& write)
{
    LeaveSnapshot();
    if (!db_)
        return failure;
    try {
        return write(db_->Sql());
    } catch (const std::exception&) {
        return failure;
    }
}

std::int32_t TEts2Cdi::CoLinkObjectToSubGroup(std::int32_t deviceObjectId, std::int32_t subGroupId,
                                              std::int16_t /*option*/, bool /*option1*/, bool /*option2*/,
                                              bool /*option3*/)
{
    return Write(std::int32_t{CO_LINK_FAILED}, [&](TSqlDatabase& db) -> std::int32_t {
        switch (host::LinkObjectToSubGroup(db, deviceObjectId, subGroupId)) {
        case host::TLinkResult::Linked:
            return CO_LINKED;
        case host::TLinkResult::TypeUnfit:
            return CO_LINK_TYPE_UNFIT;
        case host::TLinkResult::Failed:
            break;
        }
        return CO_LINK_FAILED;
    });
}

bool TEts2Cdi::CoUnlinkObjectFromSubGroup(std::int32_t deviceObjectId, std::int32_t subGroupId, bool /*option*/)
{
    return Write(false,
                 [&](TSqlDatabase& db) { return host::UnlinkObjectFromSubGroup(db, deviceObjectId, subGroupId); });
}

std::int32_t TEts2Cdi::CoCreateGroupAddress(std::int32_t projectId, std::int16_t main, std::int16_t middle,
                                            std::int16_t sub, const std::string& name)
{
    return Write(std::int32_t{-1}, [&](TSqlDatabase& db) {
        return host::CreateGroupAddress(db, projectId, main, middle, sub, platform::Cp1252ToUtf8(name)).value_or(-1);
    });
}

std::int32_t TEts2Cdi::CoSetDeviceParameterValueLong(std::int32_t deviceParamId, std::int32_t value,
                                                     bool /*option1*/, bool /*option2*/)
{
    return Write(std::int32_t{CO_PARAMETER_FAILED}, [&](TSqlDatabase& db) -> std::int32_t {
        const std::optional<bool> changed = host::SetDeviceParameterValue(db, deviceParamId, value);
        if (!changed)
            return CO_PARAMETER_FAILED;
        return *changed ? CO_PARAMETER_SET_OBJECTS_CHANGED : CO_PARAMETER_SET;
    });
}

int TEts2Cdi::SqlSetSubGroupToObjectSendFlag(std::int32_t linkId, bool sending)
{
    return Write(int{SQL_FAILED}, [&](TSqlDatabase& db) {
        return host::SetLinkSendFlag(db, linkId, sending) ? SQL_DONE : SQL_FAILED;
    });
}

int TEts2Cdi::SetObjectFlag(std::int32_t deviceObjectId, host::TObjectFlag flag, bool value)
{
    return Write(int{SQL_FAILED}, [&](TSqlDatabase& db) {
        return host::SetDeviceObjectFlag(db, deviceObjectId, flag, value) ? SQL_DONE : SQL_FAILED;
    });
}

int TEts2Cdi::SqlSetDeviceObjectCommFlag(std::int32_t deviceObjectId, bool value)
{
    return SetObjectFlag(deviceObjectId, host::TObjectFlag::Communication, value);
}

int TEts2Cdi::SqlSetDeviceObjectReadFlag(std::int32_t deviceObjectId, bool value)
{
    return SetObjectFlag(deviceObjectId, host::TObjectFlag::Read, value);
}

int TEts2Cdi::SqlSetDeviceObjectWriteFlag(std::int32_t deviceObjectId, bool value)
{
    return SetObjectFlag(deviceObjectId, host::TObjectFlag::Write, value);
}

int TEts2Cdi::SqlSetDeviceObjectTransFlag(std::int32_t deviceObjectId, bool value)
{
    return SetObjectFlag(deviceObjectId, host::TObjectFlag::Transmit, value);
}

int TEts2Cdi::SqlSetDeviceObjectUpdateFlag(std::int32_t deviceObjectId, bool value)
{
    return SetObjectFlag(deviceObjectId, host::TObjectFlag::Update, value);
}

bool TEts2Cdi::ReturnToEts(int /*result*/)
{
    return false;
}

bool TEts2Cdi::GetProfileString(const std::string& section, const std::string& key, std::string& value)
{
    return Write(false, [&](TSqlDatabase& db) {
        TSqlStatement query(db, "SELECT value FROM profile WHERE section = ?1 AND key = ?2");
        query.Bind(1, section).Bind(2, key);
        if (!query.Step())
            return false;
        value = query.Text(0);
        return true;
    });
}

bool TEts2Cdi::ProfileReadable(const std::string& /*section*/, const std::string& /*key*/)
{
    return true;
}

bool TEts2Cdi::SetProfileString(const std::string& section, const std::string& key, const std::string& value)
{
    return Write(false, [&](TSqlDatabase& db) {
        TSqlStatement update(db, "INSERT INTO profile (section, key, value) VALUES (?1, ?2, ?3) "
                                 "ON CONFLICT (section, key) DO UPDATE SET value = excluded.value");
        update.Bind(1, section).Bind(2, key).Bind(3, value);
        update.Run();
        return true;
    });
}
