#include "tests/device/GrpAdrFixture.h"

#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/datacore/EibHandle.h"

#include <list>

namespace grpadrtest {

namespace {

DAL_DEVICE ReadDevice(TEts2Cdi& link, std::int32_t id)
{
    DAL_DEVICE device;
    EXPECT_EQ(DAL_OK, link.DalGetDeviceData(DAL_GET_BY_ID, id, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &device));
    return device;
}

} // namespace

GrpAdrTest::GrpAdrTest()
    : ids_(AddObjects()), link_(path_), dataModule_(dir_.path().string() + "/"), window_(1)
{
    main_.Link = &link_;
    main_.Handle = window_.handle();
    main_.Windows = {&config_, nullptr};
    const DAL_DEVICE device = ReadDevice(link_, hosttest::WohnenDevice);
    device_ = std::make_unique<GrpAdrDevice>(&main_, &device, &config_);
    device_->EibHandle = std::make_unique<TEibHandle>(std::list<int>{100, 101});
    hubDevice_ = device_.get();
}

TEtsObjekt* GrpAdrTest::AddObject(std::int32_t handle, std::int32_t deviceObjectId, int objectNumber,
                                  std::uint8_t objectType)
{
    auto* object = new TEtsObjekt(hub_.Handle(), 1, 10, "Objekt " + std::to_string(objectNumber), 0, deviceObjectId, objectNumber,
                                  0, 3300, 1, 0, objectType, 2, 0, handle);
    EXPECT_TRUE(device_->SetPointer2List(object));
    return object;
}

TEtsObjekt* GrpAdrTest::AddObject2(std::int32_t handle, std::int32_t deviceObjectId, int objectNumber)
{
    auto* object = new EtsObjekt2(hub_.Handle(), 1, 10, "Objekt 2", 0, deviceObjectId, objectNumber, 0, 3300, 1, 1,
                                  DemoObjectType, 2, 0, handle);
    EXPECT_TRUE(device_->SetPointer2List(object));
    return object;
}

std::map<std::int32_t, int> GrpAdrTest::ProjectLinks(std::int32_t deviceObjectId)
{
    host::TProjectDatabase project(path_);
    host::TSqlStatement query(project.Sql(),
                              "SELECT sub_group_id, send_flag FROM sub_to_object WHERE device_object_id = ?1");
    query.Bind(1, deviceObjectId);
    std::map<std::int32_t, int> links;
    while (query.Step())
        links[query.Int(0)] = query.Int(1);
    return links;
}

std::int64_t GrpAdrTest::Query(const std::string& sql)
{
    host::TProjectDatabase project(path_);
    host::TSqlStatement query(project.Sql(), sql);
    return query.Step() ? query.Int64(0) : -99;
}

std::int32_t GrpAdrTest::SubGroupId(int main, int middle, int sub)
{
    return static_cast<std::int32_t>(Query("SELECT s.id FROM sub_group s JOIN middle_group mi ON mi.id = s.middle_group_id "
                                           "JOIN main_group mg ON mg.id = mi.main_group_id WHERE mg.number = " +
                                           std::to_string(main) + " AND mi.number = " + std::to_string(middle) +
                                           " AND s.number = " + std::to_string(sub)));
}

TSorvGrpAdrSub* GrpAdrTest::SubNode(std::uint16_t address) const
{
    for (const auto& [id, node] : device_->GrpAdrNodes.Map())
        if (auto* sub = dynamic_cast<TSorvGrpAdrSub*>(node); sub && sub->GetGroupAddress(0) == address)
            return sub;
    return nullptr;
}

std::vector<platform::UINT> GrpAdrTest::Posted()
{
    testsupport::DeliverPostedMessages();
    std::vector<platform::UINT> messages;
    for (const auto& message : window_.messages())
        messages.push_back(message.message);
    return messages;
}

} // namespace grpadrtest
