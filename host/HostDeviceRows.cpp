#include "host/HostDeviceRows.h"

#include "host/DeviceParameters.h"
#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"

#include <sstream>

namespace host {

namespace {

// Display orders of the device parameters a new device keeps from its model.
constexpr std::int32_t TypeNumberOrder = 60;
constexpr std::int32_t KeyCountOrder = 61;

} // namespace

std::optional<std::int32_t> AddDevice(TSqlDatabase& db, std::int32_t modelDeviceId, bool copyValues)
{
    TSqlTransaction transaction(db);
    TSqlStatement model(db, "SELECT project_id, line_id, product_id, program_id, name FROM device WHERE id = ?1");
    model.Bind(1, modelDeviceId);
    if (!model.Step())
        return std::nullopt;
    const std::int64_t line = model.Int64(1);
    TSqlStatement number(db, "SELECT COALESCE(MAX(device_number), 0) + 1 FROM device WHERE line_id = ?1");
    number.Bind(1, line);
    number.Step();
    TSqlStatement insert(db, "INSERT INTO device (project_id, line_id, product_id, program_id, device_number, name) "
                             "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    insert.Bind(1, model.Int64(0)).Bind(2, line).Bind(3, model.Int64(2)).Bind(4, model.Int64(3));
    insert.Bind(5, number.Int64(0)).Bind(6, model.Text(4));
    insert.Run();
    const auto device = static_cast<std::int32_t>(db.LastInsertId());

    std::vector<std::pair<std::int64_t, std::int64_t>> values; // parameter, value
    {
        TSqlStatement parameters(db, "SELECT p.id, p.display_order, p.default_value, dp.value FROM parameter p "
                                     "LEFT JOIN device_parameter dp ON dp.parameter_id = p.id AND dp.device_id = ?1 "
                                     "WHERE p.program_id = ?2 ORDER BY p.display_order");
        parameters.Bind(1, modelDeviceId).Bind(2, model.Int64(3));
        while (parameters.Step()) {
            const std::int32_t order = parameters.Int(1);
            const bool keep = copyValues || order == TypeNumberOrder || order == KeyCountOrder;
            values.emplace_back(parameters.Int64(0), keep ? parameters.Int64(3) : parameters.Int64(2));
        }
    }
    for (const auto& [parameter, value] : values) {
        TSqlStatement add(db, "INSERT INTO device_parameter (device_id, parameter_id, value) VALUES (?1, ?2, ?3)");
        add.Bind(1, device).Bind(2, parameter).Bind(3, value);
        add.Run();
        SetDeviceParameterValue(db, static_cast<std::int32_t>(db.LastInsertId()), static_cast<std::int32_t>(value));
    }
    transaction.Commit();
    return device;
}

std::vector<std::pair<std::int32_t, std::int32_t>> DeviceParameterValues(TSqlDatabase& db, std::int32_t deviceId)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> values;
    TSqlStatement query(db, "SELECT p.display_order, dp.value FROM device_parameter dp "
                            "JOIN parameter p ON p.id = dp.parameter_id WHERE dp.device_id = ?1 ORDER BY p.display_order");
    query.Bind(1, deviceId);
    while (query.Step())
        values.emplace_back(query.Int(0), query.Int(1));
    return values;
}

void SetDeviceParameterValues(TSqlDatabase& db, std::int32_t deviceId,
                              const std::vector<std::pair<std::int32_t, std::int32_t>>& values)
{
    TSqlTransaction transaction(db);
    for (const auto& [order, value] : values) {
        TSqlStatement find(db, "SELECT dp.id FROM device_parameter dp JOIN parameter p ON p.id = dp.parameter_id "
                               "WHERE dp.device_id = ?1 AND p.display_order = ?2");
        find.Bind(1, deviceId).Bind(2, order);
        if (find.Step())
            SetDeviceParameterValue(db, find.Int(0), value);
    }
    transaction.Commit();
}

void RemoveDevice(TSqlDatabase& db, std::int32_t deviceId)
{
    TSqlStatement remove(db, "DELETE FROM device WHERE id = ?1");
    remove.Bind(1, deviceId);
    remove.Run();
}

std::vector<std::pair<std::int32_t, std::int32_t>> DeviceLinks(TSqlDatabase& db, std::int32_t deviceId)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> links;
    TSqlStatement query(db, "SELECT o.number, l.sub_group_id FROM sub_to_object l "
                            "JOIN device_object o ON o.id = l.device_object_id WHERE o.device_id = ?1 ORDER BY l.id");
    query.Bind(1, deviceId);
    while (query.Step())
        links.emplace_back(query.Int(0), query.Int(1));
    return links;
}

bool SetDeviceIdParameter(TSqlDatabase& db, std::int32_t deviceId, std::int32_t value)
{
    TSqlStatement update(db, "UPDATE device_parameter SET value = ?2 WHERE device_id = ?1 AND parameter_id IN "
                             "(SELECT id FROM parameter WHERE name = 'DeviceId')");
    update.Bind(1, deviceId).Bind(2, value);
    update.Run();
    TSqlStatement changed(db, "SELECT changes()");
    return changed.Step() && changed.Int64(0) > 0;
}

std::optional<std::int32_t> DeviceObjectId(TSqlDatabase& db, std::int32_t deviceId, std::int32_t objectNumber)
{
    TSqlStatement query(db, "SELECT id FROM device_object WHERE device_id = ?1 AND number = ?2 ORDER BY id LIMIT 1");
    query.Bind(1, deviceId).Bind(2, objectNumber);
    if (!query.Step())
        return std::nullopt;
    return query.Int(0);
}

std::optional<std::int32_t> DeviceAtAddress(TSqlDatabase& db, const std::string& address)
{
    std::istringstream parts(address);
    int area = -1;
    int line = -1;
    int device = -1;
    char dot1 = 0;
    char dot2 = 0;
    if (!(parts >> area >> dot1 >> line >> dot2 >> device) || dot1 != '.' || dot2 != '.' || !parts.eof())
        return std::nullopt;
    TSqlStatement query(db, "SELECT d.id FROM device d JOIN line l ON l.id = d.line_id JOIN area a ON a.id = l.area_id "
                            "WHERE a.number = ?1 AND l.number = ?2 AND d.device_number = ?3 ORDER BY d.id LIMIT 1");
    query.Bind(1, area).Bind(2, line).Bind(3, device);
    if (!query.Step())
        return std::nullopt;
    return query.Int(0);
}

std::string ImportFolder(TSqlDatabase& db)
{
    TSqlStatement query(db, "SELECT import_folder FROM host_info WHERE id = 1");
    return query.Step() ? query.Text(0) : std::string();
}

} // namespace host
