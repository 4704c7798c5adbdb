#include "host/DeviceParameters.h"

#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"

#include <sqlite3.h>

namespace host {

namespace {

// A savepoint: nests inside a transaction of the caller, or is one of its own. Rolled back by
// the destructor unless released.
class TSavepoint {
public:
    explicit TSavepoint(TSqlDatabase& db) : db_(db) { db_.Execute("SAVEPOINT set_device_parameter"); }
    ~TSavepoint()
    {
        if (open_) {
            sqlite3_exec(db_.Handle(), "ROLLBACK TO set_device_parameter", nullptr, nullptr, nullptr);
            sqlite3_exec(db_.Handle(), "RELEASE set_device_parameter", nullptr, nullptr, nullptr);
        }
    }
    TSavepoint(const TSavepoint&) = delete;
    TSavepoint& operator=(const TSavepoint&) = delete;

    void Release()
    {
        db_.Execute("RELEASE set_device_parameter");
        open_ = false;
    }

private:
    TSqlDatabase& db_;
    bool open_ = true;
};

} // namespace

std::optional<bool> SetDeviceParameterValue(TSqlDatabase& db, std::int32_t deviceParamId, std::int32_t value)
{
    TSavepoint savepoint(db);
    TSqlStatement find(db, "SELECT device_id, parameter_id FROM device_parameter WHERE id = ?1");
    find.Bind(1, deviceParamId);
    if (!find.Step()) {
        savepoint.Release();
        return std::nullopt;
    }
    const std::int64_t device = find.Int64(0);
    const std::int64_t parameter = find.Int64(1);

    TSqlStatement update(db, "UPDATE device_parameter SET value = ?2 WHERE id = ?1");
    update.Bind(1, deviceParamId).Bind(2, value);
    update.Run();

    // Links go with their device objects (foreign keys).
    TSqlStatement remove(db, R"sql(
        DELETE FROM device_object
        WHERE device_id = ?1
          AND comm_object_id IN (SELECT id FROM comm_object WHERE parameter_id = ?2 AND parameter_value <> ?3))sql");
    remove.Bind(1, device).Bind(2, parameter).Bind(3, value);
    remove.Run();
    const std::int64_t removed = db.ChangedRows();

    TSqlStatement add(db, R"sql(
        INSERT INTO device_object (device_id, comm_object_id, number, type, active,
                                   read_flag, write_flag, comm_flag, trans_flag, update_flag)
        SELECT ?1, c.id, c.number, c.type, 1, c.read_flag, c.write_flag, c.comm_flag, c.trans_flag, c.update_flag
        FROM comm_object c
        WHERE c.parameter_id = ?2 AND c.parameter_value = ?3
          AND NOT EXISTS (SELECT 1 FROM device_object o WHERE o.device_id = ?1 AND o.comm_object_id = c.id)
        ORDER BY c.number, c.id)sql");
    add.Bind(1, device).Bind(2, parameter).Bind(3, value);
    add.Run();
    const std::int64_t added = db.ChangedRows();

    savepoint.Release();
    return removed + added > 0;
}

} // namespace host
