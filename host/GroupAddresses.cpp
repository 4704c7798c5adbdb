#include "host/GroupAddresses.h"

#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"

namespace host {

namespace {

// The id of the row of table with that parent and number, inserted (with the name) when there
// is none.
std::int64_t FindOrInsert(TSqlDatabase& db, std::string_view table, std::string_view parentColumn,
                          std::int64_t parent, int number, std::string_view name)
{
    const std::string where = std::string(" WHERE ") + std::string(parentColumn) + " = ?1 AND number = ?2";
    TSqlStatement find(db, "SELECT id FROM " + std::string(table) + where);
    find.Bind(1, parent).Bind(2, number);
    if (find.Step())
        return find.Int64(0);
    TSqlStatement insert(db, "INSERT INTO " + std::string(table) + " (" + std::string(parentColumn) +
                                 ", number, name) VALUES (?1, ?2, ?3)");
    insert.Bind(1, parent).Bind(2, number).Bind(3, name);
    insert.Run();
    return db.LastInsertId();
}

} // namespace

std::optional<std::int32_t> CreateGroupAddress(TSqlDatabase& db, std::int32_t projectId, int main, int middle,
                                               int sub, std::string_view name)
{
    if (main < 0 || main > 15 || middle < 0 || middle > 7 || sub < 0 || sub > 255)
        return std::nullopt;
    TSqlTransaction transaction(db);
    TSqlStatement project(db, "SELECT 1 FROM project WHERE id = ?1");
    project.Bind(1, projectId);
    if (!project.Step())
        return std::nullopt;
    // Groups made on the way are named as the host names the groups a user adds.
    const std::int64_t mainId = FindOrInsert(db, "main_group", "project_id", projectId, main, "Neue Hauptgruppe");
    const std::int64_t middleId = FindOrInsert(db, "middle_group", "main_group_id", mainId, middle, "Neue Mittelgruppe");
    const std::int64_t subId = FindOrInsert(db, "sub_group", "middle_group_id", middleId, sub, name);
    transaction.Commit();
    return static_cast<std::int32_t>(subId);
}

} // namespace host
