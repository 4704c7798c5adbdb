// Sub groups by host id: found in any order of filing, each kept where it was made.
#include "outside/hostdata/EtsSubGroupRegistry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(EtsSubGroupRegistryTest, GroupsAreFoundByIdInAnyOrderOfFiling)
{
    TEtsSubGroupRegistry registry;
    std::vector<TEtsSubGroup*> made;
    for (const int id : {10, 11, 12, 3, 40, 7, 11})
        made.push_back(&registry.FindOrMake(id, 100 + id));
    EXPECT_EQ(made[6], made[1]); // a known id makes no second group
    for (std::size_t i = 0; i < made.size(); ++i) {
        EXPECT_EQ(registry.Find(made[i]->GetEtsId()), made[i]);
        EXPECT_EQ(made[i]->GetParentId(), 100 + made[i]->GetEtsId());
    }
    EXPECT_EQ(registry.Find(8), nullptr);
    EXPECT_EQ(registry.Find(41), nullptr);
}

TEST(EtsSubGroupRegistryTest, AGroupStaysWhereItWasMadeWhileManyMoreCome)
{
    TEtsSubGroupRegistry registry;
    TEtsSubGroup* first = &registry.FindOrMake(50000, 1);
    for (int id = 1; id <= 40000; ++id)
        registry.FindOrMake(id, 2);
    EXPECT_EQ(registry.Find(50000), first);
    EXPECT_EQ(&registry.FindOrMake(50000, 3), first);
    EXPECT_EQ(first->GetParentId(), 1);
    EXPECT_EQ(registry.Find(20000)->GetEtsId(), 20000);
}

} // namespace
