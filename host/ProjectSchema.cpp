#include "host/ProjectSchema.h"

#include "host/SqlDatabase.h"
#include "host/SqlError.h"
#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"

#include <sqlite3.h>

#include <cctype>
#include <string>
#include <vector>

namespace host::ProjectSchema {

namespace {

// Ids are the host's record ids: 32-bit, from 1 on. Those of devices, device parameters and
// objects, groups and links are never used again, also after the highest row went: a stale id
// must not name a new row. Flags are 0 or 1; an object type of -1
// means free (no type); group-address numbers are main 0-15, middle 0-7, sub 0-255.
constexpr const char* Tables = R"sql(
CREATE TABLE host_info (
    id            INTEGER PRIMARY KEY CHECK (id = 1),
    version       INTEGER NOT NULL,  -- major << 16 | minor
    build         INTEGER NOT NULL,  -- major << 16 | minor
    import_folder TEXT    NOT NULL,  -- where the host puts device data files of an import
    ini_name      TEXT    NOT NULL,  -- name of the host's ini file, without ".ini"
    host_folder   TEXT    NOT NULL   -- the host's own folder
);

CREATE TABLE profile (
    section TEXT NOT NULL,
    key     TEXT NOT NULL,
    value   TEXT NOT NULL,
    PRIMARY KEY (section, key)
) WITHOUT ROWID;

CREATE TABLE project (
    id   INTEGER PRIMARY KEY,
    name TEXT NOT NULL
);

CREATE TABLE area (
    id         INTEGER PRIMARY KEY,
    project_id INTEGER NOT NULL REFERENCES project(id) ON DELETE CASCADE,
    number     INTEGER NOT NULL CHECK (number BETWEEN 0 AND 15),
    name       TEXT    NOT NULL DEFAULT '',
    UNIQUE (project_id, number)
);

CREATE TABLE line (
    id      INTEGER PRIMARY KEY,
    area_id INTEGER NOT NULL REFERENCES area(id) ON DELETE CASCADE,
    number  INTEGER NOT NULL CHECK (number BETWEEN 0 AND 15),
    name    TEXT    NOT NULL DEFAULT '',
    UNIQUE (area_id, number)
);

CREATE TABLE product (
    id           INTEGER PRIMARY KEY,
    name         TEXT NOT NULL,
    order_number TEXT NOT NULL DEFAULT ''
);

-- The application program of a product: its parameters and communication objects.
CREATE TABLE program (
    id         INTEGER PRIMARY KEY,
    product_id INTEGER NOT NULL REFERENCES product(id) ON DELETE CASCADE,
    name       TEXT    NOT NULL,
    version    INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE device (
    id            INTEGER PRIMARY KEY AUTOINCREMENT,
    project_id    INTEGER NOT NULL REFERENCES project(id) ON DELETE CASCADE,
    line_id       INTEGER NOT NULL REFERENCES line(id),
    product_id    INTEGER NOT NULL REFERENCES product(id),
    program_id    INTEGER NOT NULL REFERENCES program(id),
    device_number INTEGER NOT NULL CHECK (device_number BETWEEN 0 AND 255),
    name          TEXT    NOT NULL DEFAULT '',
    description   TEXT    NOT NULL DEFAULT ''
);
CREATE INDEX device_by_project ON device(project_id);
CREATE INDEX device_by_line ON device(line_id);

-- The device's data block, kept by the plug-in; no row = no block yet.
CREATE TABLE device_blob (
    device_id INTEGER PRIMARY KEY REFERENCES device(id) ON DELETE CASCADE,
    data      BLOB    NOT NULL
);

-- A parameter of a program, addressed by its display order.
CREATE TABLE parameter (
    id            INTEGER PRIMARY KEY,
    program_id    INTEGER NOT NULL REFERENCES program(id) ON DELETE CASCADE,
    display_order INTEGER NOT NULL CHECK (display_order BETWEEN 0 AND 65535),
    name          TEXT    NOT NULL,
    default_value INTEGER NOT NULL DEFAULT 0,
    UNIQUE (program_id, display_order)
);

CREATE TABLE device_parameter (
    id           INTEGER PRIMARY KEY AUTOINCREMENT,
    device_id    INTEGER NOT NULL REFERENCES device(id) ON DELETE CASCADE,
    parameter_id INTEGER NOT NULL REFERENCES parameter(id),
    value        INTEGER NOT NULL,
    UNIQUE (device_id, parameter_id)
);

-- A communication object of a program; it exists on a device while the device's value of
-- its parameter equals parameter_value. The flags are the defaults of its device objects.
CREATE TABLE comm_object (
    id              INTEGER PRIMARY KEY,
    program_id      INTEGER NOT NULL REFERENCES program(id) ON DELETE CASCADE,
    parameter_id    INTEGER NOT NULL REFERENCES parameter(id),
    parameter_value INTEGER NOT NULL,
    number          INTEGER NOT NULL,
    type            INTEGER NOT NULL DEFAULT -1 CHECK (type BETWEEN -1 AND 15),
    name            TEXT    NOT NULL,
    function_text   TEXT    NOT NULL DEFAULT '',
    read_flag       INTEGER NOT NULL DEFAULT 0,
    write_flag      INTEGER NOT NULL DEFAULT 0,
    comm_flag       INTEGER NOT NULL DEFAULT 1,
    trans_flag      INTEGER NOT NULL DEFAULT 0,
    update_flag     INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX comm_object_by_parameter ON comm_object(parameter_id, parameter_value);

-- A communication object as it exists on one device, with its five flags.
CREATE TABLE device_object (
    id             INTEGER PRIMARY KEY AUTOINCREMENT,
    device_id      INTEGER NOT NULL REFERENCES device(id) ON DELETE CASCADE,
    comm_object_id INTEGER NOT NULL REFERENCES comm_object(id),
    number         INTEGER NOT NULL,
    type           INTEGER NOT NULL DEFAULT -1 CHECK (type BETWEEN -1 AND 15),
    active         INTEGER NOT NULL DEFAULT 1,
    read_flag      INTEGER NOT NULL DEFAULT 0,
    write_flag     INTEGER NOT NULL DEFAULT 0,
    comm_flag      INTEGER NOT NULL DEFAULT 1,
    trans_flag     INTEGER NOT NULL DEFAULT 0,
    update_flag    INTEGER NOT NULL DEFAULT 0,
    UNIQUE (device_id, comm_object_id)
);

CREATE TABLE main_group (
    id         INTEGER PRIMARY KEY AUTOINCREMENT,
    project_id INTEGER NOT NULL REFERENCES project(id) ON DELETE CASCADE,
    number     INTEGER NOT NULL CHECK (number BETWEEN 0 AND 15),
    name       TEXT    NOT NULL DEFAULT '',
    UNIQUE (project_id, number)
);

CREATE TABLE middle_group (
    id            INTEGER PRIMARY KEY AUTOINCREMENT,
    main_group_id INTEGER NOT NULL REFERENCES main_group(id) ON DELETE CASCADE,
    number        INTEGER NOT NULL CHECK (number BETWEEN 0 AND 7),
    name          TEXT    NOT NULL DEFAULT '',
    UNIQUE (main_group_id, number)
);

-- A group address; its type is the object type of what it carries, -1 = none yet.
CREATE TABLE sub_group (
    id              INTEGER PRIMARY KEY AUTOINCREMENT,
    middle_group_id INTEGER NOT NULL REFERENCES middle_group(id) ON DELETE CASCADE,
    number          INTEGER NOT NULL CHECK (number BETWEEN 0 AND 255),
    name            TEXT    NOT NULL DEFAULT '',
    type            INTEGER NOT NULL DEFAULT -1 CHECK (type BETWEEN -1 AND 15),
    UNIQUE (middle_group_id, number)
);

-- A link between a device object and a group address; send_flag > 0 marks the address the
-- object sends on.
CREATE TABLE sub_to_object (
    id               INTEGER PRIMARY KEY AUTOINCREMENT,
    sub_group_id     INTEGER NOT NULL REFERENCES sub_group(id) ON DELETE CASCADE,
    device_object_id INTEGER NOT NULL REFERENCES device_object(id) ON DELETE CASCADE,
    send_flag        INTEGER NOT NULL DEFAULT 0,
    UNIQUE (sub_group_id, device_object_id)
);
CREATE INDEX sub_to_object_by_object ON sub_to_object(device_object_id);
)sql";

// The bus the project's devices sit on, for the stand-in of the target system: a device by its
// physical address (area << 12 | line << 8 | device), the host device it was programmed for
// (0: none), its image and the UTC times of its last address and image programming ('':
// never); and the outcome forced on an operation of the bus.
constexpr const char* BusTables = R"sql(
CREATE TABLE IF NOT EXISTS sim_device (
    address       INTEGER PRIMARY KEY CHECK (address BETWEEN 0 AND 65535),
    device_id     INTEGER NOT NULL DEFAULT 0,
    image         BLOB    NOT NULL DEFAULT x'',
    address_time  TEXT    NOT NULL DEFAULT '',
    download_time TEXT    NOT NULL DEFAULT ''
);

CREATE TABLE IF NOT EXISTS sim_config (
    operation TEXT PRIMARY KEY,
    outcome   TEXT NOT NULL CHECK (outcome IN ('ok', 'fail', 'platform-exception', 'other-exception'))
) WITHOUT ROWID;
)sql";

// The tables whose ids are never reused.
constexpr const char* IdTables[] = {
    "device", "device_parameter", "device_object", "main_group", "middle_group", "sub_group", "sub_to_object",
};

// The statement with one blank for every run of white space.
std::string OneBlankPerSpace(const std::string& sql)
{
    std::string text;
    for (const char c : sql) {
        const bool space = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (!space)
            text += c;
        else if (text.empty() || text.back() != ' ')
            text += ' ';
    }
    return text;
}

std::int64_t PragmaValue(TSqlDatabase& db, const char* pragma)
{
    TSqlStatement query(db, std::string("PRAGMA ") + pragma);
    return query.Step() ? query.Int64(0) : 0;
}

// Layout 1 to 2, inside the caller's transaction.
void UpgradeToStableIds(TSqlDatabase& db)
{
    // The tables whose ids are never reused are made anew with AUTOINCREMENT and their rows
    // copied, ids and all; the indexes on them come back as they were.
    for (const char* table : IdTables) {
        std::string create;
        std::vector<std::string> indexes;
        {
            TSqlStatement query(db, "SELECT type, sql FROM sqlite_schema WHERE tbl_name = ?1 AND sql IS NOT NULL");
            query.Bind(1, std::string_view(table));
            while (query.Step())
                (query.Text(0) == "table" ? create : indexes.emplace_back()) = query.Text(1);
        }
        const std::string plainKey = "id INTEGER PRIMARY KEY,";
        const std::string head = "CREATE TABLE " + std::string(table) + " (";
        std::string normal = OneBlankPerSpace(create);
        const auto key = normal.find(plainKey);
        if (normal.rfind(head, 0) != 0 || key == std::string::npos)
            throw E_Sql(SQLITE_CORRUPT, "the project's table " + std::string(table) + " has an unknown layout");
        normal.insert(key + plainKey.size() - 1, " AUTOINCREMENT");
        const std::string fresh = std::string(table) + "_upgraded";
        normal.replace(0, head.size(), "CREATE TABLE " + fresh + " (");
        db.Execute(normal);
        db.Execute("INSERT INTO " + fresh + " SELECT * FROM " + table);
        db.Execute("DROP TABLE " + std::string(table));
        db.Execute("ALTER TABLE " + fresh + " RENAME TO " + table);
        for (const std::string& index : indexes)
            db.Execute(index);
    }
    {
        TSqlStatement check(db, "PRAGMA foreign_key_check");
        if (check.Step())
            throw E_Sql(SQLITE_CONSTRAINT_FOREIGNKEY, "the project's links between its tables are broken");
    }
}

} // namespace

void Create(TSqlDatabase& db)
{
    db.Execute(Tables);
    db.Execute(BusTables);
    db.Execute("PRAGMA application_id = " + std::to_string(ApplicationId));
    db.Execute("PRAGMA user_version = " + std::to_string(Version));
}

TFileKind Classify(TSqlDatabase& db)
{
    if (PragmaValue(db, "application_id") != ApplicationId)
        return TFileKind::Foreign;
    const std::int64_t version = PragmaValue(db, "user_version");
    if (version == Version)
        return TFileKind::Current;
    if (version > Version)
        return TFileKind::Newer;
    return version >= 1 ? TFileKind::Earlier : TFileKind::Foreign;
}

void Upgrade(TSqlDatabase& db)
{
    TSqlTransaction transaction(db);
    if (Classify(db) != TFileKind::Earlier)
        return; // done meanwhile by another connection
    if (PragmaValue(db, "user_version") < 2)
        UpgradeToStableIds(db);
    // Layout 2 to 3: the bus of the project's devices, empty.
    db.Execute(BusTables);
    db.Execute("PRAGMA user_version = " + std::to_string(Version));
    transaction.Commit();
}

} // namespace host::ProjectSchema
