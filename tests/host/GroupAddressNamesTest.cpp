// Group addresses the editor creates through the host: the typed name stays, the groups made on
// the way are named.
#include "host/GroupAddresses.h"
#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"
#include "tests/host/HostFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace hosttest {
namespace {

class GroupAddressNames : public DemoProjectTest {
protected:
    std::string Name(const std::string& sql, std::int64_t id) const
    {
        host::TSqlDatabase db(path_, host::TSqlDatabase::TOpenMode::Existing);
        host::TSqlStatement query(db, sql);
        query.Bind(1, id);
        return query.Step() ? query.Text(0) : std::string("(none)");
    }
};

TEST_F(GroupAddressNames, GroupsMadeOnTheWayAreNamedAndTheAddressKeepsItsName)
{
    std::optional<std::int32_t> sub;
    {
        host::TSqlDatabase db(path_, host::TSqlDatabase::TOpenMode::Existing);
        sub = host::CreateGroupAddress(db, ProjectId, 14, 6, 200, "Flurlicht Nord");
    }
    ASSERT_TRUE(sub);
    EXPECT_EQ(Name("SELECT name FROM sub_group WHERE id = ?1", *sub), "Flurlicht Nord");
    EXPECT_EQ(Name("SELECT m.name FROM middle_group m JOIN sub_group s ON s.middle_group_id = m.id WHERE s.id = ?1",
                   *sub),
              "Neue Mittelgruppe");
    EXPECT_EQ(Name("SELECT g.name FROM main_group g JOIN middle_group m ON m.main_group_id = g.id "
                   "JOIN sub_group s ON s.middle_group_id = m.id WHERE s.id = ?1",
                   *sub),
              "Neue Hauptgruppe");
}

TEST_F(GroupAddressNames, AnExistingGroupKeepsItsName)
{
    std::optional<std::int32_t> first;
    std::optional<std::int32_t> second;
    {
        host::TSqlDatabase db(path_, host::TSqlDatabase::TOpenMode::Existing);
        first = host::CreateGroupAddress(db, ProjectId, 14, 6, 200, "A");
        Execute("UPDATE main_group SET name = 'Licht' WHERE number = 14");
        second = host::CreateGroupAddress(db, ProjectId, 14, 6, 201, "B");
    }
    ASSERT_TRUE(first && second);
    EXPECT_EQ(Name("SELECT g.name FROM main_group g JOIN middle_group m ON m.main_group_id = g.id "
                   "JOIN sub_group s ON s.middle_group_id = m.id WHERE s.id = ?1",
                   *second),
              "Licht");
}

} // namespace
} // namespace hosttest
