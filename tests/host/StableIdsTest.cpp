#include "host/ProjectDatabase.h"
#include "host/ProjectSchema.h"
#include "host/SqlStatement.h"
#include "platform/FileIo.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace hosttest {
namespace {

// The tables whose ids must never come back.
const std::vector<std::string> IdTables = {
    "device", "device_parameter", "device_object", "main_group", "middle_group", "sub_group", "sub_to_object",
};

std::int64_t Number(host::TSqlDatabase& db, const std::string& sql)
{
    host::TSqlStatement query(db, sql);
    EXPECT_TRUE(query.Step()) << sql;
    return query.Int64(0);
}

std::string Text(host::TSqlDatabase& db, const std::string& sql)
{
    host::TSqlStatement query(db, sql);
    return query.Step() ? query.Text(0) : std::string();
}

// Every row of every table, as text: what an upgrade must keep.
std::string Content(host::TSqlDatabase& db)
{
    std::vector<std::string> tables;
    {
        host::TSqlStatement query(db, "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE "
                                      "'sqlite_%' ORDER BY name");
        while (query.Step())
            tables.push_back(query.Text(0));
    }
    std::string content;
    for (const std::string& table : tables) {
        std::string row;
        {
            host::TSqlStatement columns(db, "SELECT name FROM pragma_table_info('" + table + "')");
            while (columns.Step())
                row += (row.empty() ? "quote(" : " || '|' || quote(") + columns.Text(0) + ")";
        }
        content += "[" + table + "]\n";
        host::TSqlStatement dump(db, "SELECT " + row + " FROM " + table + " ORDER BY 1");
        while (dump.Step())
            content += dump.Text(0) + "\n";
    }
    return content;
}

class StableIdsTest : public DemoProjectTest {
protected:
    StableIdsTest() { AddObjects(); }

    // Turns the project back into one of layout 1, where ids were the highest plus one.
    void MakeEarlierLayout()
    {
        host::TSqlDatabase db(path_, host::TSqlDatabase::TOpenMode::Existing);
        db.Execute("PRAGMA writable_schema = ON");
        db.Execute("UPDATE sqlite_schema SET sql = replace(sql, ' AUTOINCREMENT', '') WHERE type = 'table'");
        db.Execute("PRAGMA writable_schema = OFF");
        db.Execute("DELETE FROM sqlite_sequence");
        db.Execute("PRAGMA user_version = 1");
    }

    // Deletes the row of the highest id, reopens the project and puts the same row back with a
    // new id, which it answers with the deleted one.
    std::pair<std::int64_t, std::int64_t> DeleteHighestAndAddAgain(const std::string& table)
    {
        std::int64_t gone = 0;
        {
            host::TProjectDatabase project(path_);
            host::TSqlDatabase& db = project.Sql();
            gone = Number(db, "SELECT max(id) FROM " + table);
            db.Execute("CREATE TABLE kept AS SELECT * FROM " + table + " WHERE id = " + std::to_string(gone));
            db.Execute("DELETE FROM " + table + " WHERE id = " + std::to_string(gone));
        }
        host::TProjectDatabase project(path_);
        host::TSqlDatabase& db = project.Sql();
        db.Execute("UPDATE kept SET id = NULL");
        db.Execute("INSERT INTO " + table + " SELECT * FROM kept");
        const std::int64_t made = db.LastInsertId();
        db.Execute("DROP TABLE kept");
        return {gone, made};
    }
};

TEST_F(StableIdsTest, NoIdComesBackAfterTheHighestRowWent)
{
    for (const std::string& table : IdTables) {
        const auto [gone, made] = DeleteHighestAndAddAgain(table);
        EXPECT_GT(made, gone) << table;
    }
}

TEST_F(StableIdsTest, AProjectOfTheEarlierLayoutIsUpgradedOnceAndKeepsEveryRow)
{
    MakeEarlierLayout();
    std::string before;
    {
        host::TSqlDatabase db(path_, host::TSqlDatabase::TOpenMode::Existing);
        ASSERT_EQ(host::ProjectSchema::TFileKind::Earlier, host::ProjectSchema::Classify(db));
        before = Content(db);
    }
    std::int64_t schema = 0;
    {
        host::TProjectDatabase project(path_);
        host::TSqlDatabase& db = project.Sql();
        EXPECT_EQ(host::ProjectSchema::Version, Number(db, "PRAGMA user_version"));
        EXPECT_EQ(before, Content(db));
        for (const std::string& table : IdTables)
            EXPECT_NE(std::string::npos,
                      Text(db, "SELECT sql FROM sqlite_schema WHERE name = '" + table + "'").find("AUTOINCREMENT"))
                << table;
        EXPECT_EQ(3, Number(db, "SELECT count(*) FROM sqlite_schema WHERE type = 'index' AND sql IS NOT NULL AND "
                                "name IN ('device_by_project', 'device_by_line', 'sub_to_object_by_object')"));
        EXPECT_EQ("ok", Text(db, "PRAGMA integrity_check"));
        EXPECT_EQ("", Text(db, "PRAGMA foreign_key_check"));
        schema = Number(db, "PRAGMA schema_version");
    }
    {
        host::TProjectDatabase again(path_);
        EXPECT_EQ(schema, Number(again.Sql(), "PRAGMA schema_version")) << "upgraded a second time";
    }
    for (const std::string& table : IdTables) {
        const auto [gone, made] = DeleteHighestAndAddAgain(table);
        EXPECT_GT(made, gone) << table;
    }
}

TEST_F(StableIdsTest, AFailedUpgradeLeavesTheEarlierProjectAsItWas)
{
    MakeEarlierLayout();
    {
        // The last table to be upgraded has a layout the upgrade does not know.
        host::TSqlDatabase db(path_, host::TSqlDatabase::TOpenMode::Existing);
        db.Execute("PRAGMA writable_schema = ON");
        db.Execute("UPDATE sqlite_schema SET sql = replace(sql, 'INTEGER PRIMARY KEY,', 'INTEGER NOT NULL PRIMARY KEY,') "
                   "WHERE name = 'sub_to_object'");
        db.Execute("PRAGMA writable_schema = OFF");
    }
    std::string before;
    {
        host::TSqlDatabase db(path_, host::TSqlDatabase::TOpenMode::Existing);
        before = Content(db) + Text(db, "SELECT group_concat(sql, ';') FROM sqlite_schema");
    }
    EXPECT_THROW(host::TProjectDatabase{path_}, host::E_ProjectDatabase);
    host::TSqlDatabase db(path_, host::TSqlDatabase::TOpenMode::Existing);
    EXPECT_EQ(1, Number(db, "PRAGMA user_version"));
    EXPECT_EQ(before, Content(db) + Text(db, "SELECT group_concat(sql, ';') FROM sqlite_schema"));
}

TEST_F(StableIdsTest, AProjectOfANewerLayoutIsRefusedAndLeftAlone)
{
    {
        host::TSqlDatabase db(path_, host::TSqlDatabase::TOpenMode::Existing);
        db.Execute("PRAGMA user_version = " + std::to_string(host::ProjectSchema::Version + 1));
    }
    const std::string bytes = platform::ReadWholeFile(path_);
    try {
        host::TProjectDatabase project(path_);
        ADD_FAILURE() << "opened";
    } catch (const host::E_ProjectDatabase& e) {
        EXPECT_NE(std::string(e.what()).find("made by a newer etshost"), std::string::npos) << e.what();
    }
    EXPECT_EQ(bytes, platform::ReadWholeFile(path_));
}

} // namespace
} // namespace hosttest
