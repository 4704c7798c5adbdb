#include "tests/host/HostFixture.h"

#include "host/DemoProject.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"

namespace hosttest {

namespace {

std::int32_t Insert(host::TSqlDatabase& db, const std::string& sql)
{
    db.Execute(sql);
    return static_cast<std::int32_t>(db.LastInsertId());
}

std::int32_t SubGroup(host::TSqlDatabase& db, int main, int middle, int sub)
{
    host::TSqlStatement query(db, "SELECT s.id FROM sub_group s JOIN middle_group mi ON mi.id = s.middle_group_id "
                                  "JOIN main_group mg ON mg.id = mi.main_group_id "
                                  "WHERE mg.number = ?1 AND mi.number = ?2 AND s.number = ?3");
    query.Bind(1, main).Bind(2, middle).Bind(3, sub);
    EXPECT_TRUE(query.Step()) << main << "/" << middle << "/" << sub;
    return query.Int(0);
}

} // namespace

DemoProjectTest::DemoProjectTest() : path_(dir_.file("demo.ets"))
{
    host::TProjectDatabase::CreateFile(path_, [&](host::TSqlDatabase& db) {
        host::FillDemoProject(db, dir_.path().string() + "/");
    });
}

TObjects DemoProjectTest::AddObjects()
{
    host::TProjectDatabase project(path_);
    host::TSqlDatabase& db = project.Sql();
    TObjects ids;
    ids.Parameter = Insert(db, "INSERT INTO parameter (program_id, display_order, name) VALUES (1, 3300, 'Uhrzeit')");
    const std::string parameter = std::to_string(ids.Parameter);
    ids.TimeObject = Insert(db, "INSERT INTO comm_object (program_id, parameter_id, parameter_value, number, type, "
                                "name, function_text) VALUES (1, " + parameter + ", 1, 57, 9, 'Uhrzeit', 'Empfangen')");
    ids.DateObject = Insert(db, "INSERT INTO comm_object (program_id, parameter_id, parameter_value, number, type, "
                                "name) VALUES (1, " + parameter + ", 1, 58, 9, 'Datum')");
    for (int device = 1; device <= 3; ++device)
        db.Execute("INSERT INTO device_parameter (device_id, parameter_id, value) VALUES (" + std::to_string(device) +
                   ", " + parameter + ", " + (device == 3 ? "0" : "1") + ")");

    ids.WohnenTime = Insert(db, "INSERT INTO device_object (device_id, comm_object_id, number, type, comm_flag, "
                                "trans_flag) VALUES (2, " + std::to_string(ids.TimeObject) + ", 57, 9, 1, 1)");
    ids.WohnenDate = Insert(db, "INSERT INTO device_object (device_id, comm_object_id, number, type, active, "
                                "comm_flag, write_flag, update_flag) VALUES (2, " + std::to_string(ids.DateObject) +
                                ", 58, 9, 0, 1, 1, 1)");
    ids.FlurTime = Insert(db, "INSERT INTO device_object (device_id, comm_object_id, number, type, read_flag) "
                              "VALUES (1, " + std::to_string(ids.TimeObject) + ", 57, 9, 1)");

    ids.SubFlurLight = SubGroup(db, 1, 0, 1);
    ids.SubWohnenLight = SubGroup(db, 1, 0, 2);
    ids.SubKuecheLight = SubGroup(db, 1, 0, 3);
    ids.SubSetPoint = SubGroup(db, 2, 1, 1);
    const auto link = [&](std::int32_t sub, std::int32_t object, int send) {
        return Insert(db, "INSERT INTO sub_to_object (sub_group_id, device_object_id, send_flag) VALUES (" +
                              std::to_string(sub) + ", " + std::to_string(object) + ", " + std::to_string(send) + ")");
    };
    ids.LinkFlurLight = link(ids.SubFlurLight, ids.WohnenTime, 0);
    ids.LinkWohnenLight = link(ids.SubWohnenLight, ids.WohnenTime, 1);
    ids.LinkSetPoint = link(ids.SubSetPoint, ids.WohnenDate, 0);
    return ids;
}

void DemoProjectTest::Execute(const std::string& sql)
{
    host::TProjectDatabase project(path_);
    project.Sql().Execute(sql);
}

} // namespace hosttest
