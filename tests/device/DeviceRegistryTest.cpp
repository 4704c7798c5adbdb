#include "tests/device/DeviceDoubles.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using devicetest::CountedObject;
using devicetest::TestDevice;

class DeviceRegistry : public ::testing::Test {
protected:
    CountedObject* Make(std::int32_t handle, int typ = 1)
    {
        return new CountedObject(alive, 1, 0, handle, typ);
    }

    int alive = 0;
    DAL_DEVICE host;
    std::unique_ptr<TestDevice> device = std::make_unique<TestDevice>(nullptr, &host, nullptr);
};

TEST_F(DeviceRegistry, ARegisteredObjectIsFoundByItsHandle)
{
    CountedObject* object = Make(5);
    ASSERT_TRUE(device->SetPointer2List(object));

    EXPECT_EQ(device->FindHandle(5), object);
    TDataBasis* out = nullptr;
    EXPECT_TRUE(device->GetDataPointer(5, out));
    EXPECT_EQ(out, object);
    EXPECT_EQ(device->GetPointerFromHandle(5), object);
    EXPECT_EQ(device->GetDataPointerMap().at(5), object);
}

TEST_F(DeviceRegistry, AnUnknownHandleFindsNothing)
{
    ASSERT_TRUE(device->SetPointer2List(Make(5)));
    EXPECT_EQ(device->FindHandle(6), nullptr);
    TDataBasis* out = Make(99); // a stale value is overwritten
    std::unique_ptr<TDataBasis> owner(out);
    EXPECT_FALSE(device->GetDataPointer(6, out));
    EXPECT_EQ(out, nullptr);
}

TEST_F(DeviceRegistry, AHandleTakenAlreadyKeepsTheFirstObjectAndTellsTheCaller)
{
    CountedObject* first = Make(5);
    std::unique_ptr<CountedObject> second(Make(5));
    ASSERT_TRUE(device->SetPointer2List(first));

    EXPECT_FALSE(device->SetPointer2List(second.get()));
    EXPECT_EQ(device->FindHandle(5), first);
    EXPECT_EQ(alive, 2);
    EXPECT_TRUE(device->SetPointer2List(first)); // the same object again: still the device's
    EXPECT_EQ(device->GetDataPointerMap().size(), 1u);
}

TEST_F(DeviceRegistry, DeletingARegisteredObjectDestroysIt)
{
    CountedObject* object = Make(5);
    ASSERT_TRUE(device->SetPointer2List(object));

    EXPECT_TRUE(device->DeletePointerFromList(object));
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(device->FindHandle(5), nullptr);
}

TEST_F(DeviceRegistry, DeletingAnUnregisteredObjectLeavesItAlive)
{
    std::unique_ptr<CountedObject> loose(Make(5));
    EXPECT_FALSE(device->DeletePointerFromList(loose.get()));
    EXPECT_FALSE(device->DeletePointerFromList(nullptr));
    EXPECT_EQ(alive, 1);
}

TEST_F(DeviceRegistry, AnObjectThatSharesAHandleDeletesNeitherItselfNorTheRegisteredOne)
{
    CountedObject* registered = Make(5);
    std::unique_ptr<CountedObject> duplicate(Make(5));
    ASSERT_TRUE(device->SetPointer2List(registered));

    EXPECT_FALSE(device->DeletePointerFromList(duplicate.get()));
    EXPECT_EQ(alive, 2);
    EXPECT_EQ(device->FindHandle(5), registered);
}

TEST_F(DeviceRegistry, DeletingTheDeviceObjectLeavesNoDeviceObject)
{
    CountedObject* system = Make(1, 111);
    ASSERT_TRUE(device->SetPointer2List(system));
    device->SetDevice(system);
    ASSERT_EQ(device->GetDevice(), system);

    EXPECT_TRUE(device->DeletePointerFromList(system));
    EXPECT_EQ(device->GetDevice(), nullptr);
}

TEST_F(DeviceRegistry, ClearDataMapsDeletesEveryObjectAndTheDeviceObject)
{
    TDatenStruktur record;
    record.Handle = 1;
    device->FillDataMaps(record);
    CountedObject* system = Make(1, 111);
    ASSERT_TRUE(device->SetPointer2List(system));
    ASSERT_TRUE(device->SetPointer2List(Make(2)));
    ASSERT_TRUE(device->SetPointer2List(Make(3)));
    device->SetDevice(system);

    device->ClearDataMaps();

    EXPECT_EQ(alive, 0);
    EXPECT_TRUE(device->GetDataPointerMap().empty());
    EXPECT_EQ(device->GetDevice(), nullptr);
    EXPECT_TRUE(device->HandleMap.empty());
    EXPECT_TRUE(device->TypMap.empty());
    EXPECT_TRUE(device->ParentMap.empty());
    EXPECT_TRUE(device->SystemMaps.Empty());
}

TEST_F(DeviceRegistry, TheDeviceModelFreesItsObjectsWhenItGoes)
{
    for (std::int32_t handle = 1; handle <= 4; ++handle)
        ASSERT_TRUE(device->SetPointer2List(Make(handle)));
    device->SetDevice(device->FindHandle(1));
    std::unique_ptr<CountedObject> notRegistered(Make(9));

    std::unique_ptr<TDeviceInstanz> base = std::move(device);
    base.reset(); // through the virtual destructor

    EXPECT_EQ(alive, 1);
}

TEST_F(DeviceRegistry, ObjectsAreWalkedInAscendingHandleOrder)
{
    for (const std::int32_t handle : {30, 4, 17})
        ASSERT_TRUE(device->SetPointer2List(Make(handle)));
    std::vector<std::int32_t> handles;
    for (const auto& [handle, object] : device->GetDataPointerMap())
        handles.push_back(object->GetHandle());
    EXPECT_EQ(handles, (std::vector<std::int32_t>{4, 17, 30}));
}

} // namespace
