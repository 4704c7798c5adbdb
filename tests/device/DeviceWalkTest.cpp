#include "tests/device/DeviceDoubles.h"

#include <gtest/gtest.h>

#include <list>
#include <vector>

namespace {

using devicetest::CountedObject;
using devicetest::TestDevice;

constexpr int kSystem = 111;
constexpr int kKey = 5;
constexpr int kRocker = 6;

// The device object 1 with its children filed in the order 30, 10, 20 (not by handle):
//   1 (system) -> 30 (key) | 10 (key) -> 11 (key), 12 (rocker) | 20 (rocker) -> 21 (key)
// and a record 40 below 1 that has no data object, with a child 41 (key) of its own.
class DeviceWalk : public ::testing::Test {
protected:
    void SetUp() override
    {
        Add(0, 1, kSystem);
        Add(1, 30, kKey);
        Add(1, 10, kKey);
        Add(10, 11, kKey);
        Add(10, 12, kRocker);
        Add(1, 20, kRocker);
        Add(20, 21, kKey);
        File(1, 40);
        Add(40, 41, kKey);
        device.SetDevice(device.FindHandle(1));
    }

    void File(std::int32_t parent, std::int32_t handle)
    {
        TDatenStruktur record;
        record.System = 1;
        record.Parent = parent;
        record.Handle = handle;
        device.FillDataMaps(record);
    }
    void Add(std::int32_t parent, std::int32_t handle, int typ)
    {
        File(parent, handle);
        ASSERT_TRUE(device.SetPointer2List(new CountedObject(alive, 1, parent, handle, typ)));
    }
    std::vector<std::int32_t> Collect(std::int16_t typ, TDataBasis* start, bool recursive)
    {
        std::list<TDataBasis*> out;
        EXPECT_TRUE(device.GetAllPointerFromDatentyp(typ, out, start, recursive));
        std::vector<std::int32_t> handles;
        for (const TDataBasis* object : out)
            handles.push_back(object->GetHandle());
        return handles;
    }
    std::int32_t HandleOf(const TDataBasis* object) { return object ? object->GetHandle() : 0; }

    int alive = 0;
    DAL_DEVICE host;
    TestDevice device{nullptr, &host, nullptr};
};

TEST_F(DeviceWalk, RecursiveWalkListsParentsBeforeDescendantsInFilingOrder)
{
    EXPECT_EQ(Collect(kKey, device.FindHandle(1), true), (std::vector<std::int32_t>{30, 10, 11, 21}));
    EXPECT_EQ(Collect(kRocker, device.FindHandle(1), true), (std::vector<std::int32_t>{12, 20}));
}

TEST_F(DeviceWalk, FlatWalkListsOnlyTheChildren)
{
    EXPECT_EQ(Collect(kKey, device.FindHandle(1), false), (std::vector<std::int32_t>{30, 10}));
    EXPECT_EQ(Collect(kKey, device.FindHandle(10), false), std::vector<std::int32_t>{11});
}

TEST_F(DeviceWalk, WithoutStartTheWholeTreeBelowTheDeviceIsWalked)
{
    EXPECT_EQ(Collect(kKey, nullptr, false), (std::vector<std::int32_t>{30, 10, 11, 21}));
}

TEST_F(DeviceWalk, TheListIsAppendedTo)
{
    std::list<TDataBasis*> out{device.FindHandle(1)};
    device.GetAllPointerFromDatentyp(kRocker, out, device.FindHandle(10), true);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(HandleOf(out.back()), 12);
}

TEST_F(DeviceWalk, FirstOfATypeIsFoundDepthFirst)
{
    EXPECT_EQ(HandleOf(device.GetPointerFromDatenTyp(device.FindHandle(1), kRocker)), 12);
    EXPECT_EQ(HandleOf(device.GetPointerFromDatenTyp(device.FindHandle(1), kKey)), 30);
    EXPECT_EQ(HandleOf(device.GetPointerFromDatenTyp(device.FindHandle(20), kKey)), 21);
    EXPECT_EQ(device.GetPointerFromDatenTyp(device.FindHandle(1), 806), nullptr);
    EXPECT_EQ(device.GetPointerFromDatenTyp(nullptr, kKey), nullptr);
}

TEST_F(DeviceWalk, AnObjectFiledBelowItselfEndsTheWalk)
{
    device.GetDatenSatz(1, 12, 12); // damaged: the rocker's record also lies below its own handle
    Add(12, 13, kSystem);

    EXPECT_EQ(Collect(kRocker, nullptr, true), (std::vector<std::int32_t>{12, 12, 20}));
    EXPECT_EQ(Collect(kSystem, nullptr, true), std::vector<std::int32_t>{13});
    EXPECT_EQ(device.GetPointerFromDatenTyp(device.FindHandle(1), 806), nullptr);
}

TEST_F(DeviceWalk, ACycleOfParentsEndsTheWalk)
{
    device.GetDatenSatz(1, 12, 10); // damaged: 10 also lies below its own child 12
    EXPECT_EQ(Collect(kKey, nullptr, true), (std::vector<std::int32_t>{30, 10, 11, 10, 21}));
    EXPECT_EQ(Collect(kRocker, device.FindHandle(10), true), (std::vector<std::int32_t>{12}));
    EXPECT_EQ(device.GetPointerFromDatenTyp(device.FindHandle(1), 806), nullptr);
}

} // namespace
