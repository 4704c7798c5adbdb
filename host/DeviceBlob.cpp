#include "host/DeviceBlob.h"

#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"

namespace host {

std::optional<std::string> ReadDeviceBlob(TSqlDatabase& db, std::int32_t deviceId)
{
    // One statement, so that device and block are read from the same snapshot.
    TSqlStatement query(db, "SELECT b.data FROM device d LEFT JOIN device_blob b ON b.device_id = d.id "
                            "WHERE d.id = ?1");
    query.Bind(1, deviceId);
    if (!query.Step())
        return std::nullopt;
    return query.Blob(0);
}

bool WriteDeviceBlob(TSqlDatabase& db, std::int32_t deviceId, std::string_view bytes)
{
    TSqlTransaction transaction(db);
    TSqlStatement device(db, "SELECT 1 FROM device WHERE id = ?1");
    device.Bind(1, deviceId);
    if (!device.Step())
        return false;
    TSqlStatement store(db, "INSERT INTO device_blob (device_id, data) VALUES (?1, ?2) "
                            "ON CONFLICT (device_id) DO UPDATE SET data = excluded.data");
    store.Bind(1, deviceId).BindBlob(2, bytes);
    store.Run();
    transaction.Commit();
    return true;
}

} // namespace host
