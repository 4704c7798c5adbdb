#include "host/ObjectLinks.h"

#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"

namespace host {

namespace {

const char* ColumnOf(TObjectFlag flag)
{
    switch (flag) {
    case TObjectFlag::Communication:
        return "comm_flag";
    case TObjectFlag::Read:
        return "read_flag";
    case TObjectFlag::Write:
        return "write_flag";
    case TObjectFlag::Transmit:
        return "trans_flag";
    case TObjectFlag::Update:
        return "update_flag";
    }
    return "comm_flag";
}

} // namespace

TLinkResult LinkObjectToSubGroup(TSqlDatabase& db, std::int32_t deviceObjectId, std::int32_t subGroupId)
{
    TSqlTransaction transaction(db);
    TSqlStatement pair(db, R"sql(
        SELECT o.type, sg.type
        FROM device_object o
        JOIN device d ON d.id = o.device_id
        JOIN sub_group sg ON sg.id = ?2
        JOIN middle_group mi ON mi.id = sg.middle_group_id
        JOIN main_group mg ON mg.id = mi.main_group_id
        WHERE o.id = ?1 AND mg.project_id = d.project_id)sql");
    pair.Bind(1, deviceObjectId).Bind(2, subGroupId);
    if (!pair.Step())
        return TLinkResult::Failed;
    const std::int64_t objectType = pair.Int64(0);
    const std::int64_t groupType = pair.Int64(1);
    if (groupType != -1 && groupType != objectType)
        return TLinkResult::TypeUnfit;

    if (groupType == -1 && objectType != -1) {
        TSqlStatement type(db, "UPDATE sub_group SET type = ?2 WHERE id = ?1");
        type.Bind(1, subGroupId).Bind(2, objectType);
        type.Run();
    }
    TSqlStatement link(db, "INSERT INTO sub_to_object (sub_group_id, device_object_id, send_flag) VALUES (?1, ?2, 1) "
                           "ON CONFLICT (sub_group_id, device_object_id) DO UPDATE SET send_flag = 1");
    link.Bind(1, subGroupId).Bind(2, deviceObjectId);
    link.Run();
    TSqlStatement others(db, "UPDATE sub_to_object SET send_flag = 0 "
                             "WHERE device_object_id = ?1 AND sub_group_id <> ?2");
    others.Bind(1, deviceObjectId).Bind(2, subGroupId);
    others.Run();
    transaction.Commit();
    return TLinkResult::Linked;
}

bool UnlinkObjectFromSubGroup(TSqlDatabase& db, std::int32_t deviceObjectId, std::int32_t subGroupId)
{
    TSqlStatement unlink(db, "DELETE FROM sub_to_object WHERE device_object_id = ?1 AND sub_group_id = ?2");
    unlink.Bind(1, deviceObjectId).Bind(2, subGroupId);
    unlink.Run();
    return db.ChangedRows() > 0;
}

bool SetLinkSendFlag(TSqlDatabase& db, std::int32_t linkId, bool sending)
{
    TSqlStatement update(db, "UPDATE sub_to_object SET send_flag = ?2 WHERE id = ?1");
    update.Bind(1, linkId).Bind(2, sending ? 1 : 0);
    update.Run();
    return db.ChangedRows() > 0;
}

bool SetDeviceObjectFlag(TSqlDatabase& db, std::int32_t deviceObjectId, TObjectFlag flag, bool value)
{
    TSqlStatement update(db, std::string("UPDATE device_object SET ") + ColumnOf(flag) + " = ?2 WHERE id = ?1");
    update.Bind(1, deviceObjectId).Bind(2, value ? 1 : 0);
    update.Run();
    return db.ChangedRows() > 0;
}

} // namespace host
