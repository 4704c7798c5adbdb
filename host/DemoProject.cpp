#include "host/DemoProject.h"

#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <utility>
#include <string_view>
#include <variant>

namespace host {

namespace {

using TValue = std::variant<std::int64_t, std::string_view>;

// Inserts one row and answers its id.
std::int64_t Insert(TSqlDatabase& db, std::string_view sql, std::initializer_list<TValue> values)
{
    TSqlStatement insert(db, sql);
    int index = 1;
    for (const TValue& value : values) {
        if (const auto* number = std::get_if<std::int64_t>(&value))
            insert.Bind(index++, *number);
        else
            insert.Bind(index++, std::get<std::string_view>(value));
    }
    insert.Run();
    return db.LastInsertId();
}

struct TDemoDevice {
    std::int64_t Number;
    std::string_view Name;
    std::string_view Description;
    std::int64_t TypeNumber; // bits 0-2 key pairs, 4 display, 5 infrared, 6 clock
    std::int64_t Keys;
};

constexpr TDemoDevice DemoDevices[] = {
    {1, "Tastsensor Flur", "Flur Eingang\r\nneben der Tür", 0x12, 4},
    {2, "Tastsensor Wohnen", "Wohnzimmer", 0x34, 8},
    {3, "Tastsensor Küche", "Küche\r\nmit Uhr", 0x75, 10},
};

constexpr std::int64_t Version(std::int64_t major, std::int64_t minor)
{
    return major << 16 | minor;
}

struct TDemoGroup {
    std::int64_t Main;
    std::int64_t Middle;
    std::int64_t Sub;
    std::string_view Name;
    std::int64_t Type; // -1: none yet
};

// The demo's group addresses, in the order they are made (ids count up in this order).
constexpr TDemoGroup DemoGroups[] = {
    {1, 0, 1, "Flur Licht", -1},
    {1, 0, 2, "Wohnen Licht", -1},
    {1, 0, 3, "Küche Licht", -1},
    {2, 1, 1, "Wohnen Sollwert", -1},
    {1, 0, 4, "Flur Licht Status", 0},
    {1, 1, 1, "Bad Licht", 0},
    {1, 1, 2, "Schlafen Licht", -1},
    {1, 1, 10, "Kind Licht dimmen", 3},
    {2, 0, 1, "Wohnen Istwert", 8},
    {2, 0, 2, "Küche Istwert", 8},
    {2, 1, 2, "Küche Sollwert", -1},
    {2, 2, 1, "Wohnen Betriebsart", 7},
    {3, 0, 1, "Wohnen Jalousie Auf/Ab", 0},
    {3, 0, 2, "Wohnen Jalousie Stopp", 0},
    {3, 4, 20, "Küche Jalousie Auf/Ab", -1},
    {0, 0, 1, "Uhrzeit", 9},
    {0, 0, 2, "Datum", 9},
    {0, 7, 255, "Zentral Aus", 0},
};

struct TDemoGroupName {
    std::int64_t Number;
    std::string_view Name;
};

constexpr TDemoGroupName DemoMainGroups[] = {
    {1, "Beleuchtung"}, {2, "Heizung"}, {3, "Jalousie"}, {0, "Zentral"}};

// Middle-group names by main and middle number.
struct TDemoMiddleName {
    std::int64_t Main;
    std::int64_t Middle;
    std::string_view Name;
};

constexpr TDemoMiddleName DemoMiddleGroups[] = {
    {1, 0, "Erdgeschoss"}, {1, 1, "Obergeschoss"}, {2, 0, "Istwerte"}, {2, 1, "Sollwerte"},
    {2, 2, "Betriebsarten"}, {3, 0, "Erdgeschoss"}, {3, 4, "Küche"}, {0, 0, "Zeit"},
    {0, 7, "Zentral"}};

std::string_view MiddleName(std::int64_t main, std::int64_t middle)
{
    for (const TDemoMiddleName& name : DemoMiddleGroups)
        if (name.Main == main && name.Middle == middle)
            return name.Name;
    return "";
}

// Several main and middle groups, in three-level form; the main and middle groups are made
// when their first address is.
void FillGroupAddresses(TSqlDatabase& db, std::int64_t project)
{
    std::map<std::int64_t, std::int64_t> mains;                          // number -> id
    std::map<std::pair<std::int64_t, std::int64_t>, std::int64_t> middles; // numbers -> id
    for (const TDemoGroupName& main : DemoMainGroups)
        mains[main.Number] = Insert(db, "INSERT INTO main_group (project_id, number, name) VALUES (?1, ?2, ?3)",
                                    {project, main.Number, main.Name});
    for (const TDemoGroup& group : DemoGroups) {
        auto middle = middles.find({group.Main, group.Middle});
        if (middle == middles.end())
            middle = middles
                         .emplace(std::pair{group.Main, group.Middle},
                                  Insert(db, "INSERT INTO middle_group (main_group_id, number, name) VALUES (?1, ?2, ?3)",
                                         {mains.at(group.Main), group.Middle, MiddleName(group.Main, group.Middle)}))
                         .first;
        Insert(db, "INSERT INTO sub_group (middle_group_id, number, name, type) VALUES (?1, ?2, ?3, ?4)",
               {middle->second, group.Sub, group.Name, group.Type});
    }
}

} // namespace

void FillDemoProject(TSqlDatabase& db, const std::string& hostFolder)
{
    const std::string importFolder = hostFolder + "Import/";
    Insert(db,
           "INSERT INTO host_info (id, version, build, import_folder, ini_name, host_folder) "
           "VALUES (1, ?1, ?2, ?3, ?4, ?5)",
           {Version(1, 3), Version(0, 125), importFolder, DemoHostIniName, hostFolder});

    // This host links and unlinks objects itself before it tells the editor.
    Insert(db, "INSERT INTO profile (section, key, value) VALUES (?1, ?2, ?3)",
           {"[Switches]", "CdiLinkToSubGroup", "1"});
    // The firmware and the device text this host installed for the editor (its ini lists them).
    for (const auto& [section, key, value] :
         {std::array<const char*, 3>{"Compiler", "UserFirmwareVersion", "2613"},
          std::array<const char*, 3>{"UserFirmware", "2613", "Firmware\\user_a35.dat"},
          std::array<const char*, 3>{"DeviceText", "1031", "DeviceLanguage\\Deu.dlg"}})
        Insert(db, "INSERT INTO profile (section, key, value) VALUES (?1, ?2, ?3)", {section, key, value});

    const auto project = Insert(db, "INSERT INTO project (name) VALUES (?1)", {"Talvo Demo"});
    const auto area = Insert(db, "INSERT INTO area (project_id, number, name) VALUES (?1, 1, ?2)",
                             {project, "Gebäude"});
    const auto line = Insert(db, "INSERT INTO line (area_id, number, name) VALUES (?1, 1, ?2)",
                             {area, "Erdgeschoss"});

    const auto product = Insert(db, "INSERT INTO product (name, order_number) VALUES (?1, ?2)",
                                {"Talvo Tastsensor", "TAL-TS"});
    const auto program = Insert(db, "INSERT INTO program (product_id, name, version) VALUES (?1, ?2, 5)",
                                {product, "Talvo Display"});
    const char* parameterSql =
        "INSERT INTO parameter (program_id, display_order, name, default_value) VALUES (?1, ?2, ?3, 0)";
    const auto typeNumber = Insert(db, parameterSql, {program, std::int64_t{60}, "Typnummer"});
    const auto keys = Insert(db, parameterSql, {program, std::int64_t{61}, "AnzahlTasten"});
    const auto deviceIdParameter = Insert(db, parameterSql, {program, std::int64_t{62}, "DeviceId"});

    const char* valueSql = "INSERT INTO device_parameter (device_id, parameter_id, value) VALUES (?1, ?2, ?3)";
    for (const TDemoDevice& demo : DemoDevices) {
        const auto device = Insert(db,
                                   "INSERT INTO device (project_id, line_id, product_id, program_id, "
                                   "device_number, name, description) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)",
                                   {project, line, product, program, demo.Number, demo.Name, demo.Description});
        Insert(db, valueSql, {device, typeNumber, demo.TypeNumber});
        Insert(db, valueSql, {device, keys, demo.Keys});
        Insert(db, valueSql, {device, deviceIdParameter, std::int64_t{0}});
    }

    FillGroupAddresses(db, project);
}

} // namespace host
