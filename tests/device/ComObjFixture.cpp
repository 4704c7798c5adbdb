#include "tests/device/ComObjFixture.h"

#include "host/DemoProject.h"
#include "host/ProductTemplate.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/addrlink/AddrlinkFactory.h"
#include "outside/datacore/EibHandle.h"

#include <algorithm>

namespace comobjtest {

void TestSystem::Write(TDatenStruktur& record)
{
    TSorvEtsDevice::Write(record);
    record.Param4 = EtsDeviceId;
}

void TestSystem::InitFromDB(const TDatenStruktur& record)
{
    TSorvEtsDevice::InitFromDB(record);
    EtsDeviceId = record.Param4;
}

bool ObjectsDevice::CopyDBDatenToStruktur(std::list<int>& handles)
{
    if (BlobStream.Size() == 0)
        return false;
    const TRecordTable table(&BlobStream);
    std::vector<TDatenStruktur> records;
    for (const auto& [key, record] : table.GetRecords())
        records.push_back(record);
    std::stable_sort(records.begin(), records.end(),
                     [](const TDatenStruktur& a, const TDatenStruktur& b) { return a.Typ < b.Typ; });
    ClearDataMaps();
    for (const TDatenStruktur& record : records) {
        FillDataMaps(record);
        handles.push_back(record.Handle);
    }
    return true;
}

void ObjectsDevice::InitDataMainStruktur()
{
    const platform::HWND window = MainForm ? MainForm->GetHandle() : 0;
    std::vector<TDatenStruktur> records;
    for (const auto& [typ, record] : TypMap)
        records.push_back(*record);
    for (const TDatenStruktur& record : records) {
        std::unique_ptr<TDataBasis> object;
        if (record.Typ == 0)
            continue;
        if (record.Typ == 111)
            object = std::make_unique<TestSystem>(window, record.System, record.Parent, record.Name, 0, record.Handle);
        else if (record.Typ == 806)
            object = TAddrlinkFactory::Default().CreateEtsObjekt(window, record.System, record.Parent, record.Name, -1,
                                                                 -1, -1, -1, -1, -1, 0, 0, 1, 0, record.Handle);
        else
            object = std::make_unique<TestFunction>(window, record.System, record.Parent, record.Name, record.Typ,
                                                    record.Handle);
        object->InitFromDB(record);
        TDataBasis* const made = object.get();
        if (!SetPointer2List(made))
            continue;
        object.release();
        if (record.Typ == 111)
            SetDevice(made);
    }
    ClearLoadTimeTables();
}

void ObjectsDevice::CopyStrukturDatenToDB(TRecordTable* records, platform::TMemoryStream* target)
{
    TRecordTable own("", 0);
    if (!records)
        records = &own;
    records->Clear();
    for (const auto& [system, table] : SystemMaps)
        for (const auto& [parent, record] : table)
            records->Add(record);
    if (target)
        records->SaveToStream(*target);
}

const TDatenStruktur* ObjectsDevice::FindRecord(std::int32_t handle) const
{
    for (const auto& [system, table] : SystemMaps)
        for (const auto& [parent, record] : table)
            if (record.Handle == handle)
                return &record;
    return nullptr;
}

void MakeTemplateProject(const std::string& path, const std::string& hostFolder)
{
    host::TProjectDatabase::CreateFile(path, [&](host::TSqlDatabase& db) {
        host::FillDemoProject(db, hostFolder);
        host::FillProductTemplate(db, 1);
    });
}

DeviceSetup::DeviceSetup(const std::string& path, std::int32_t deviceId) : Path(path), Link(path)
{
    Main.Link = &Link;
    Main.Handle = Hub.Handle();
    Main.Windows = {&Config};
    EXPECT_EQ(DAL_OK, Link.DalGetDeviceData(DAL_GET_BY_ID, deviceId, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &record_));
    Make(true);
}

DeviceSetup::~DeviceSetup()
{
    Device.reset();
    HubDevice = nullptr;
}

void DeviceSetup::Make(bool withObjects)
{
    Device.reset();
    System = nullptr;
    Function = nullptr;
    Device = std::make_unique<ObjectsDevice>(&Main, &record_, &Config);
    HubDevice = Device.get();
    if (!withObjects)
        return;
    Device->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
    auto system = std::make_unique<TestSystem>(Hub.Handle(), 0, 0, "Talvo", record_.DeviceId, 0);
    System = system.get();
    EXPECT_TRUE(Device->SetPointer2List(system.release()));
    Device->SetDevice(System);
    System->Write(*Device->GetDatenSatz(System));
    auto function = std::make_unique<TestFunction>(Hub.Handle(), 0, System->GetHandle(), "Regler", FunctionTyp, 0);
    Function = function.get();
    EXPECT_TRUE(Device->SetPointer2List(function.release()));
    Function->Write(*Device->GetDatenSatz(Function));
}

std::string DeviceSetup::Block()
{
    platform::TMemoryStream stream;
    Device->CopyStrukturDatenToDB(nullptr, &stream);
    return stream.Bytes();
}

void DeviceSetup::Renew()
{
    Make(false);
}

std::map<int, TEtsObjekt*> DeviceSetup::Objects() const
{
    std::map<int, TEtsObjekt*> objects;
    for (const auto& [handle, object] : Device->GetDataPointerMap())
        if (auto* etsObject = dynamic_cast<TEtsObjekt*>(object))
            objects[etsObject->GetObjectNumber()] = etsObject;
    return objects;
}

ComObjTest::ComObjTest() : path_(dir_.file("demo.ets")), dataModule_(dir_.path().string() + "/")
{
    MakeTemplateProject(path_, dir_.path().string() + "/");
    setup_ = std::make_unique<DeviceSetup>(path_, WohnenDevice);
}

std::int64_t ComObjTest::Query(const std::string& sql, const std::string& path)
{
    host::TProjectDatabase project(path.empty() ? path_ : path);
    host::TSqlStatement query(project.Sql(), sql);
    return query.Step() ? query.Int64(0) : -99;
}

void ComObjTest::Execute(const std::string& sql, const std::string& path)
{
    host::TProjectDatabase project(path.empty() ? path_ : path);
    project.Sql().Execute(sql);
}

std::int64_t ComObjTest::ParameterValue(int displayOrder, std::int32_t deviceId)
{
    return Query("SELECT dp.value FROM device_parameter dp JOIN parameter p ON p.id = dp.parameter_id "
                 "WHERE dp.device_id = " + std::to_string(deviceId) + " AND p.display_order = " +
                 std::to_string(displayOrder));
}

std::vector<int> ComObjTest::ProjectObjects(std::int32_t deviceId, const std::string& path)
{
    host::TProjectDatabase project(path.empty() ? path_ : path);
    host::TSqlStatement query(project.Sql(), "SELECT number FROM device_object WHERE device_id = ?1 ORDER BY number");
    query.Bind(1, deviceId);
    std::vector<int> numbers;
    while (query.Step())
        numbers.push_back(query.Int(0));
    return numbers;
}

std::int32_t ComObjTest::SubGroupId(int main, int middle, int sub, const std::string& path)
{
    host::TProjectDatabase project(path.empty() ? path_ : path);
    host::TSqlStatement query(project.Sql(), "SELECT s.id FROM sub_group s JOIN middle_group mi ON mi.id = "
                                             "s.middle_group_id JOIN main_group mg ON mg.id = mi.main_group_id "
                                             "WHERE mg.number = ?1 AND mi.number = ?2 AND s.number = ?3");
    query.Bind(1, main).Bind(2, middle).Bind(3, sub);
    return query.Step() ? query.Int(0) : -99;
}

std::vector<std::string> ComObjTest::BoxTexts() const
{
    std::vector<std::string> texts;
    for (const auto& box : ui_.boxes())
        texts.push_back(box.text + " | " + box.caption + " | " + std::to_string(box.style));
    return texts;
}

} // namespace comobjtest
