// The record store finds a record by System and Handle through its index, with the answers of a
// walk of the table in its order: the first entry under the Parent asked for, or under the lowest
// Parent, and among entries under one Parent the one filed first.
#include "device/RecordStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TDatenStruktur Record(std::int32_t system, std::int32_t parent, std::int32_t handle, const std::string& name)
{
    TDatenStruktur record;
    record.System = system;
    record.Parent = parent;
    record.Handle = handle;
    record.Name = name;
    return record;
}

// The names of the table of System in table order.
std::vector<std::string> Names(const TRecordStore& store, std::int32_t system)
{
    std::vector<std::string> names;
    if (const auto* table = store.FindTable(system))
        for (const auto& [parent, record] : *table)
            names.push_back(record.Name);
    return names;
}

class RecordStoreTest : public ::testing::Test {
protected:
    RecordStoreTest()
    {
        // Handle 5 three times in System 0 (twice under Parent 2), once in System 1.
        store.File(Record(0, 2, 5, "second under 2"));
        store.File(Record(0, 9, 5, "under 9"));
        store.File(Record(0, 2, 7, "other handle"));
        store.File(Record(0, 2, 5, "third under 2"));
        store.File(Record(0, 1, 5, "under 1"));
        store.File(Record(1, 1, 5, "system 1"));
    }

    TRecordStore store;
};

TEST_F(RecordStoreTest, AnyParentFindsTheEntryUnderTheLowestParent)
{
    ASSERT_NE(store.Find(0, -1, 5), nullptr);
    EXPECT_EQ(store.Find(0, -1, 5)->Name, "under 1");
    EXPECT_EQ(store.Find(1, -1, 5)->Name, "system 1");
    EXPECT_EQ(store.Find(0, -1, 6), nullptr);
    EXPECT_EQ(store.Find(2, -1, 5), nullptr);
}

TEST_F(RecordStoreTest, AParentFindsItsFirstFiledEntry)
{
    EXPECT_EQ(store.Find(0, 2, 5)->Name, "second under 2");
    EXPECT_EQ(store.Find(0, 9, 5)->Name, "under 9");
    EXPECT_EQ(store.Find(0, 3, 5), nullptr);
}

TEST_F(RecordStoreTest, RemovingTakesTheEntryFindAnswersAndNoOther)
{
    EXPECT_TRUE(store.Remove(0, 2, 5));
    EXPECT_EQ(store.Find(0, 2, 5)->Name, "third under 2");
    EXPECT_TRUE(store.Remove(0, -1, 5));
    EXPECT_EQ(store.Find(0, -1, 5)->Name, "third under 2");
    EXPECT_EQ(Names(store, 0), (std::vector<std::string>{"other handle", "third under 2", "under 9"}));
    EXPECT_FALSE(store.Remove(0, 1, 5));
    EXPECT_FALSE(store.Remove(5, -1, 5));
}

TEST_F(RecordStoreTest, FindOrCreateFilesAMissingRecordOnceAndFindsItFromThenOn)
{
    TDatenStruktur& made = store.FindOrCreate(0, 4, 11);
    EXPECT_EQ(made.Parent, 4);
    EXPECT_EQ(made.Handle, 11);
    made.Name = "made";
    EXPECT_EQ(&store.FindOrCreate(0, 4, 11), &made);
    EXPECT_EQ(&store.FindOrCreate(0, -1, 11), &made);
    // A negative Parent files the new record under that Parent.
    TDatenStruktur& anyParent = store.FindOrCreate(3, -1, 12);
    EXPECT_EQ(anyParent.Parent, -1);
    EXPECT_EQ(store.Find(3, -1, 12), &anyParent);
}

TEST_F(RecordStoreTest, ClearingForgetsEveryRecord)
{
    store.Clear();
    EXPECT_TRUE(store.Empty());
    EXPECT_EQ(store.Find(0, -1, 5), nullptr);
    store.File(Record(0, 2, 5, "new"));
    EXPECT_EQ(store.Find(0, -1, 5)->Name, "new");
}

TEST(RecordStore, ManyRecordsUnderOneParentAreEachFound)
{
    TRecordStore store;
    for (std::int32_t handle = 1; handle <= 5000; ++handle)
        store.File(Record(0, 1, handle, std::to_string(handle)));
    for (std::int32_t handle = 5000; handle >= 1; handle -= 7) {
        ASSERT_NE(store.Find(0, 1, handle), nullptr);
        EXPECT_EQ(store.Find(0, -1, handle)->Name, std::to_string(handle));
    }
}

} // namespace
