#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "host/SqlError.h"
#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"
#include "platform/FileIo.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace hosttest {
namespace {

namespace fs = std::filesystem;

std::int64_t Count(host::TSqlDatabase& db, const std::string& table)
{
    host::TSqlStatement count(db, "SELECT count(*) FROM " + table);
    EXPECT_TRUE(count.Step());
    return count.Int64(0);
}

TEST(ProjectFile, OpeningAMissingFileFailsAndCreatesNothing)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("none.ets");
    EXPECT_THROW(host::TProjectDatabase{path}, host::E_ProjectDatabase);
    EXPECT_FALSE(fs::exists(path));
}

TEST(ProjectFile, OpeningAFileThatIsNotAProjectFails)
{
    testsupport::TempDir dir;
    const std::string text = dir.file("text.ets");
    platform::WriteFileAtomically(text, "not a database at all, just some text that is long enough");
    EXPECT_THROW(host::TProjectDatabase{text}, host::E_ProjectDatabase);

    const std::string other = dir.file("other.db");
    {
        host::TSqlDatabase db(other, host::TSqlDatabase::TOpenMode::CreateNew);
        db.Execute("CREATE TABLE device (id INTEGER PRIMARY KEY)");
    }
    EXPECT_THROW(host::TProjectDatabase{other}, host::E_ProjectDatabase);
}

TEST(ProjectFile, CreatingNeverReplacesWhatIsThere)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("taken.ets");
    platform::WriteFileAtomically(path, "keep me");
    EXPECT_THROW(host::TProjectDatabase::CreateFile(path, nullptr), host::E_ProjectDatabase);
    EXPECT_EQ("keep me", platform::ReadWholeFile(path));

    // Not through a dangling symbolic link either.
    const std::string link = dir.file("link.ets");
    fs::create_symlink(dir.file("target.ets"), link);
    EXPECT_THROW(host::TProjectDatabase::CreateFile(link, nullptr), host::E_ProjectDatabase);
    EXPECT_FALSE(fs::exists(dir.file("target.ets")));
}

TEST(ProjectFile, AFailedCreationLeavesNoFileBehind)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("broken.ets");
    EXPECT_THROW(host::TProjectDatabase::CreateFile(
                     path, [](host::TSqlDatabase& db) { db.Execute("INSERT INTO nowhere VALUES (1)"); }),
                 host::E_Sql);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(ProjectFile, ANewProjectHasEveryTableAndIsInWalMode)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("empty.ets");
    host::TProjectDatabase::CreateFile(path, nullptr);
    host::TProjectDatabase project(path);
    for (const char* table : {"host_info", "profile", "project", "area", "line", "product", "program", "device",
                              "device_blob", "parameter", "device_parameter", "comm_object", "device_object",
                              "main_group", "middle_group", "sub_group", "sub_to_object"})
        EXPECT_EQ(0, Count(project.Sql(), table)) << table;
    host::TSqlStatement journal(project.Sql(), "PRAGMA journal_mode");
    ASSERT_TRUE(journal.Step());
    EXPECT_EQ("wal", journal.Text(0));
}

class ProjectDatabaseTest : public DemoProjectTest {};

TEST_F(ProjectDatabaseTest, AReaderIsNotBlockedByAnOpenWriteTransaction)
{
    host::TProjectDatabase writer(path_);
    host::TProjectDatabase reader(path_);
    {
        host::TSqlTransaction transaction(writer.Sql());
        host::TSqlStatement store(writer.Sql(), "INSERT INTO device_blob (device_id, data) VALUES (1, x'00FF')");
        store.Run();
        EXPECT_EQ(std::optional<std::string>(""), host::ReadDeviceBlob(reader.Sql(), FlurDevice));
        transaction.Commit();
    }
    EXPECT_EQ(std::optional<std::string>(std::string("\0\xFF", 2)), host::ReadDeviceBlob(reader.Sql(), FlurDevice));
}

TEST_F(ProjectDatabaseTest, ATransactionThatIsNotCommittedLeavesNoTrace)
{
    host::TProjectDatabase project(path_);
    try {
        host::TSqlTransaction transaction(project.Sql());
        project.Sql().Execute("DELETE FROM device_parameter");
        throw std::runtime_error("interrupted");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(9, Count(project.Sql(), "device_parameter"));
}

TEST_F(ProjectDatabaseTest, FailingStatementsThrowWithSqlitesMessage)
{
    host::TProjectDatabase project(path_);
    EXPECT_THROW(host::TSqlStatement(project.Sql(), "SELECT nothing FROM nowhere"), host::E_Sql);
    // Values out of range and references to nothing are refused.
    EXPECT_THROW(project.Sql().Execute("INSERT INTO area (project_id, number) VALUES (1, 16)"), host::E_Sql);
    EXPECT_THROW(project.Sql().Execute("INSERT INTO device_blob (device_id, data) VALUES (99, x'00')"), host::E_Sql);
    try {
        project.Sql().Execute("INSERT INTO main_group (project_id, number) VALUES (1, 1)");
        FAIL() << "a second main group 1 was accepted";
    } catch (const host::E_Sql& e) {
        EXPECT_NE(std::string(e.what()).find("UNIQUE"), std::string::npos) << e.what();
    }
}

TEST_F(ProjectDatabaseTest, RemovingADeviceRemovesItsParametersObjectsLinksAndBlock)
{
    AddObjects();
    host::TProjectDatabase project(path_);
    ASSERT_TRUE(host::WriteDeviceBlob(project.Sql(), WohnenDevice, "block"));
    project.Sql().Execute("DELETE FROM device WHERE id = 2");
    EXPECT_EQ(8, Count(project.Sql(), "device_parameter"));
    EXPECT_EQ(1, Count(project.Sql(), "device_object"));
    EXPECT_EQ(0, Count(project.Sql(), "sub_to_object"));
    EXPECT_EQ(0, Count(project.Sql(), "device_blob"));
    EXPECT_EQ(std::nullopt, host::ReadDeviceBlob(project.Sql(), WohnenDevice));
}

} // namespace
} // namespace hosttest
