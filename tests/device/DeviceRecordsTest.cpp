#include "tests/device/DeviceDoubles.h"

#include "device/E_InstVerw.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using devicetest::CountedObject;
using devicetest::TestDevice;

TDatenStruktur Record(std::int32_t system, std::int32_t parent, std::int32_t handle, std::int16_t typ = 1,
                      std::int32_t next = 0)
{
    TDatenStruktur r;
    r.System = system;
    r.Parent = parent;
    r.Handle = handle;
    r.Typ = typ;
    r.Next = next;
    r.Name = "R" + std::to_string(handle);
    return r;
}

class DeviceRecords : public ::testing::Test {
protected:
    // Handles of the entries filed under Parent in System's table, in table order.
    std::vector<std::int32_t> Under(std::int32_t system, std::int32_t parent)
    {
        std::vector<std::int32_t> handles;
        if (auto* table = device.SystemMaps.FindTable(system)) {
            const auto [first, last] = table->equal_range(parent);
            for (auto it = first; it != last; ++it)
                handles.push_back(it->second.Handle);
        }
        return handles;
    }
    // Handles of every entry of System's table, in table order.
    std::vector<std::int32_t> All(std::int32_t system)
    {
        std::vector<std::int32_t> handles;
        if (auto* table = device.SystemMaps.FindTable(system))
            for (const auto& [parent, record] : *table)
                handles.push_back(record.Handle);
        return handles;
    }
    // Handles of the load-time entries of Typ, in their order.
    std::vector<std::int32_t> OfTyp(std::int16_t typ)
    {
        std::vector<std::int32_t> handles;
        for (const auto& [entryTyp, record] : device.TypMap)
            if (entryTyp == typ)
                handles.push_back(record->Handle);
        return handles;
    }

    DAL_DEVICE host;
    TestDevice device{nullptr, &host, nullptr};
    int alive = 0;
};

TEST_F(DeviceRecords, ALoadedRecordIsFiledInAllFourTables)
{
    device.FillDataMaps(Record(1, 100, 101, 6576));

    ASSERT_EQ(device.HandleMap.count(101), 1u);
    EXPECT_EQ(device.HandleMap.at(101).Name, "R101");
    EXPECT_EQ(OfTyp(6576), std::vector<std::int32_t>{101});
    ASSERT_EQ(device.ParentMap.count(100), 1u);
    EXPECT_EQ(device.ParentMap.find(100)->second->Handle, 101);
    EXPECT_EQ(Under(1, 100), std::vector<std::int32_t>{101});
}

TEST_F(DeviceRecords, OfTwoLoadedRecordsWithOneHandleTheSecondIsToldAndOnlyKeptForWriting)
{
    testsupport::ScriptedUi ui;
    device.FillDataMaps(Record(1, 100, 101, 10));
    device.FillDataMaps(Record(2, 200, 101, 20));
    device.FillDataMaps(Record(1, 300, 101, 30));

    EXPECT_EQ(device.HandleMap.size(), 1u);
    EXPECT_EQ(device.HandleMap.at(101).System, 1);
    EXPECT_TRUE(OfTyp(20).empty());
    EXPECT_EQ(device.ParentMap.count(200), 0u);
    // No data object comes of them, but they are written back as they were read.
    EXPECT_EQ(All(1), (std::vector<std::int32_t>{101, 101}));
    EXPECT_EQ(Under(1, 300), std::vector<std::int32_t>{101});
    EXPECT_EQ(All(2), std::vector<std::int32_t>{101});
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[0].text, "Doppelter Handle: 101\nName: R101");
    EXPECT_EQ(ui.boxes()[0].style, platform::MB_OK | platform::MB_ICONWARNING);
}

TEST_F(DeviceRecords, EqualKeysKeepTheOrderOfFiling)
{
    for (const std::int32_t handle : {30, 10, 20})
        device.FillDataMaps(Record(1, 5, handle, 7));
    device.FillDataMaps(Record(1, 4, 40, 3));
    device.FillDataMaps(Record(1, 5, 50, 7));

    EXPECT_EQ(All(1), (std::vector<std::int32_t>{40, 30, 10, 20, 50}));
    std::vector<std::int32_t> byTyp;
    for (const auto& [typ, record] : device.TypMap)
        byTyp.push_back(record->Handle);
    EXPECT_EQ(byTyp, (std::vector<std::int32_t>{40, 30, 10, 20, 50}));
}

TEST_F(DeviceRecords, LoadedTablesAreSnapshotsOfTheLoad)
{
    device.FillDataMaps(Record(1, 100, 101));
    device.GetDatenSatz(1, 100, 101)->Name = "changed";
    device.GetDatenSatz(1, 100, 102);

    EXPECT_EQ(device.HandleMap.at(101).Name, "R101");
    EXPECT_EQ(device.HandleMap.count(102), 0u);
}

TEST_F(DeviceRecords, GetDatenSatzCreatesTheRecordOnceAndKeepsItsAddress)
{
    TDatenStruktur* created = device.GetDatenSatz(3, 100, 101);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->System, 3);
    EXPECT_EQ(created->Parent, 100);
    EXPECT_EQ(created->Handle, 101);
    EXPECT_EQ(created->Next, 0);
    EXPECT_EQ(created->Typ, 0);
    created->Param7 = 77;
    created->Name = "Sollwerte";

    // Many more records in the same table and others must not move it.
    for (std::int32_t handle = 1; handle < 500; ++handle)
        device.GetDatenSatz(3, handle % 7 + 200, 1000 + handle);
    device.FillDataMaps(Record(3, 100, 5000));

    EXPECT_EQ(device.GetDatenSatz(3, 100, 101), created);
    EXPECT_EQ(device.GetDatenSatz(3, -1, 101), created);
    EXPECT_EQ(created->Param7, 77);
    EXPECT_EQ(created->Name, "Sollwerte");
    EXPECT_EQ(Under(3, 100), (std::vector<std::int32_t>{101, 5000}));
}

TEST_F(DeviceRecords, GetDatenSatzOfAnObjectUsesItsSystemParentAndHandle)
{
    device.FillDataMaps(Record(2, 40, 41, 6577));
    CountedObject object(alive, 2, 40, 41, 6577);

    TDatenStruktur* record = device.GetDatenSatz(&object);

    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->Name, "R41");
    EXPECT_EQ(device.GetDatenSatz(nullptr), nullptr);
}

TEST_F(DeviceRecords, ANegativeParentFindsUnderAnyParentAndFilesUnderItself)
{
    device.FillDataMaps(Record(1, 100, 101));
    EXPECT_EQ(device.GetDatenSatz(1, -1, 101)->Parent, 100);

    TDatenStruktur* orphan = device.GetDatenSatz(1, -1, 555);
    EXPECT_EQ(orphan->Parent, -1);
    EXPECT_EQ(Under(1, -1), std::vector<std::int32_t>{555});
    EXPECT_EQ(device.GetDatenSatz(1, -1, 555), orphan);
}

TEST_F(DeviceRecords, ARecordUnderAnotherParentIsNotFound)
{
    device.FillDataMaps(Record(1, 100, 101));
    TDatenStruktur* other = device.GetDatenSatz(1, 200, 101);
    EXPECT_EQ(other->Parent, 200);
    EXPECT_EQ(All(1), (std::vector<std::int32_t>{101, 101}));
}

TEST_F(DeviceRecords, GetDatenSatzAddsTheTableOfANewSystem)
{
    EXPECT_EQ(device.SystemMaps.FindTable(9), nullptr);
    device.GetDatenSatz(9, 1, 2);
    EXPECT_NE(device.SystemMaps.FindTable(9), nullptr);
}

TEST_F(DeviceRecords, DeleteDatensatzRemovesTheFirstMatchingEntry)
{
    device.FillDataMaps(Record(1, 100, 101));
    device.FillDataMaps(Record(1, 100, 102));
    device.FillDataMaps(Record(1, 200, 201));
    TDatenStruktur copy = Record(1, -1, 201);

    device.DeleteDatensatz(device.GetDatenSatz(1, 100, 101));
    device.DeleteDatensatz(&copy); // any parent
    device.DeleteDatensatz(nullptr);
    TDatenStruktur missing = Record(1, 100, 999);
    device.DeleteDatensatz(&missing);

    EXPECT_EQ(All(1), std::vector<std::int32_t>{102});
}

TEST_F(DeviceRecords, DeleteDatensatzInAnEmptyTableDoesNothing)
{
    device.GetDatenSatz(4, 1, 2);
    device.DeleteDatensatz(device.GetDatenSatz(4, 1, 2));
    ASSERT_NE(device.SystemMaps.FindTable(4), nullptr);
    TDatenStruktur any = Record(4, 1, 2);
    EXPECT_NO_THROW(device.DeleteDatensatz(&any));
}

// A main record 10 with its additional records 11 -> 12 -> 13, filed under 10, plus a neighbour.
class DeviceChains : public DeviceRecords {
protected:
    void SetUp() override
    {
        device.FillDataMaps(Record(1, 1, 10, 6576, 11));
        device.FillDataMaps(Record(1, 10, 11, 0, 12));
        device.FillDataMaps(Record(1, 10, 12, 0, 13));
        device.FillDataMaps(Record(1, 10, 13, 0, 0));
        device.FillDataMaps(Record(1, 1, 20, 6577, 0));
        device.FillDataMaps(Record(1, 20, 21, 0, 0));
    }
};

TEST_F(DeviceChains, DeletingTheMainRecordTakesItsWholeChain)
{
    device.DeleteDatenSatzAndNext(1, 1, 10);
    EXPECT_EQ(All(1), (std::vector<std::int32_t>{20, 21}));
}

TEST_F(DeviceChains, TheObjectOverloadUsesTheObjectsKeys)
{
    CountedObject object(alive, 1, 1, 10, 6576);
    device.DeleteDatenSatzAndNext(&object);
    device.DeleteDatenSatzAndNext(nullptr);
    EXPECT_EQ(All(1), (std::vector<std::int32_t>{20, 21}));
}

TEST_F(DeviceChains, DeleteNextDatenSatzKeepsWhatComesBefore)
{
    device.DeleteNextDatenSatz(1, 10, 12);
    EXPECT_EQ(All(1), (std::vector<std::int32_t>{10, 20, 11, 21}));
    EXPECT_EQ(device.GetDatenSatz(1, 10, 11)->Next, 12); // the caller mends the link
}

TEST_F(DeviceChains, AMissingLinkEndsTheChainWithoutLeavingARecord)
{
    device.GetDatenSatz(1, 10, 12)->Next = 99; // names a record that is not there; 13 is cut off
    device.DeleteDatenSatzAndNext(1, 1, 10);
    EXPECT_EQ(All(1), (std::vector<std::int32_t>{20, 13, 21}));
}

TEST_F(DeviceChains, AMissingMainRecordIsCreatedAndRemovedAgain)
{
    device.DeleteDatenSatzAndNext(1, 1, 77);
    device.DeleteDatenSatzAndNext(5, 1, 77);
    EXPECT_EQ(All(1).size(), 6u);
    EXPECT_TRUE(All(5).empty());
}

TEST_F(DeviceChains, AChainThatLoopsBackEndsAtTheRepeatedHandle)
{
    device.GetDatenSatz(1, 10, 13)->Next = 11; // 11 -> 12 -> 13 -> 11
    device.DeleteDatenSatzAndNext(1, 1, 10);
    EXPECT_EQ(All(1), (std::vector<std::int32_t>{20, 21}));
}

TEST_F(DeviceChains, AChainThatNamesItsMainRecordEndsThere)
{
    device.GetDatenSatz(1, 10, 13)->Next = 10;
    device.GetDatenSatz(1, 1, 20)->Next = 20; // names itself
    device.DeleteDatenSatzAndNext(1, 1, 10);
    device.DeleteDatenSatzAndNext(1, 1, 20);
    EXPECT_EQ(All(1), std::vector<std::int32_t>{21});
}

TEST_F(DeviceChains, DeleteNextDatenSatzStopsAtALoop)
{
    device.GetDatenSatz(1, 10, 13)->Next = 12;
    device.DeleteNextDatenSatz(1, 10, 11);
    EXPECT_EQ(All(1), (std::vector<std::int32_t>{10, 20, 21}));
}

TEST_F(DeviceRecords, DeleteAllEmptiesTheLiveStoreButKeepsObjectsAndSnapshots)
{
    device.FillDataMaps(Record(1, 1, 10, 6576));
    device.GetDatenSatz(1, 1, 10)->Param3 = 3;
    auto* object = new CountedObject(alive, 1, 1, 10, 6576);
    ASSERT_TRUE(device.SetPointer2List(object));

    device.DeleteAll();

    EXPECT_TRUE(device.SystemMaps.Empty());
    EXPECT_EQ(device.HandleMap.size(), 1u);
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(device.FindHandle(10), object);
    TDatenStruktur* fresh = device.GetDatenSatz(object);
    EXPECT_EQ(fresh->Param3, 0);
    object->Write(*fresh);
    EXPECT_EQ(fresh->Typ, 6576);
}

TEST_F(DeviceRecords, GetChildIteratorPairGivesTheChildrenInFilingOrder)
{
    device.FillDataMaps(Record(1, 1, 10));
    device.FillDataMaps(Record(1, 10, 13));
    device.FillDataMaps(Record(1, 10, 11));
    device.FillDataMaps(Record(1, 11, 12));
    CountedObject object(alive, 1, 1, 10, 1);

    TDeviceInstanz::TIteratorPair out;
    const auto range = device.GetChildIteratorPair(&object, out);

    EXPECT_EQ(range, out);
    std::vector<std::int32_t> children;
    for (auto it = range.first; it != range.second; ++it)
        children.push_back(it->second.Handle);
    EXPECT_EQ(children, (std::vector<std::int32_t>{13, 11}));
}

// Each case: a call that breaks the model's assumptions, and what it raises.
struct RaiseCase {
    std::string name;
    std::function<void(TestDevice&, int& alive)> call;
    int code;
    std::string message;
};

void PrintTo(const RaiseCase& c, std::ostream* os)
{
    *os << c.name;
}

class DeviceRaises : public ::testing::TestWithParam<RaiseCase> {};

TEST_P(DeviceRaises, WithCodeMessageContextAndClassName)
{
    DAL_DEVICE host;
    TestDevice device(nullptr, &host, nullptr);
    device.FillDataMaps(Record(1, 1, 10));
    int alive = 0;
    try {
        GetParam().call(device, alive);
        FAIL() << "nothing raised";
    } catch (const E_InstVerw& e) {
        EXPECT_EQ(e.Code, GetParam().code);
        EXPECT_EQ(e.Message, GetParam().message);
        EXPECT_STREQ(e.what(), GetParam().message.c_str());
        EXPECT_EQ(e.Context, "0");
        EXPECT_EQ(e.ClassName, "E_InstVerw");
        EXPECT_NE(e.SourceFile.find("DeviceInstanz.cpp"), std::string::npos);
        EXPECT_GT(e.Line, 0);
    }
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(device.HandleMap.size(), 1u); // the state is as it was
}

INSTANTIATE_TEST_SUITE_P(
    Calls, DeviceRaises,
    ::testing::Values(
        RaiseCase{"DeleteDatensatzInAnUnknownSystem",
                  [](TestDevice& d, int&) {
                      TDatenStruktur r = Record(42, 1, 10);
                      d.DeleteDatensatz(&r);
                  },
                  4, "DeleteIterator: unknown systemhandle: 42"},
        RaiseCase{"ChildrenOfAnObjectOfAnUnknownSystem",
                  [](TestDevice& d, int& alive) {
                      CountedObject object(alive, 65535, 1, 10, 1);
                      TDeviceInstanz::TIteratorPair out;
                      d.GetChildIteratorPair(&object, out);
                  },
                  4, "GetGeschwisterIteratorPair: unknown systemhandle: 65535"},
        RaiseCase{"ChildrenWithoutObject",
                  [](TestDevice& d, int&) {
                      TDeviceInstanz::TIteratorPair out;
                      d.GetChildIteratorPair(nullptr, out);
                  },
                  5, "GetGeschwisterIteratorPair: No Data Pointer"},
        RaiseCase{"WalkWithoutStartAndWithoutDevice",
                  [](TestDevice& d, int&) {
                      std::list<TDataBasis*> out;
                      d.GetAllPointerFromDatentyp(806, out, nullptr, false);
                  },
                  5, "GetGeschwisterIteratorPair: No Data Pointer"},
        RaiseCase{"RegisterWithoutObject", [](TestDevice& d, int&) { (void)d.SetPointer2List(nullptr); }, 6,
                  "Pointer2List: invalid Pointer: "}),
    [](const ::testing::TestParamInfo<RaiseCase>& info) { return info.param.name; });

} // namespace
