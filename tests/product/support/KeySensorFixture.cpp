#include "tests/product/support/KeySensorFixture.h"

#include "device/product/DatenTyp.h"
#include "host/DemoProject.h"
#include "host/ProductTemplate.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/EibHandle.h"
#include "outside/datacore/MainWindowMessages.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <tuple>
#include <type_traits>

namespace keysensortest {

TTreeNode* TreeWindow::AddChildNode2Data(TDataBasis* parent, TDataBasis* object, bool makeVisible)
{
    Added.push_back({parent, object, makeVisible, Depth});
    return nullptr;
}

void TreeWindow::DeleteNode(TTreeNode* /*node*/, TDataBasis* object)
{
    if (OnDelete)
        OnDelete(object);
    Deleted.push_back(object);
}

void TreeWindow::BeginUpdate()
{
    ++Depth;
    ++Brackets;
}

void TreeWindow::EndUpdate()
{
    --Depth;
}

void TestSystem::SetFunctions(bool keys, bool regler, bool nebenstelle, bool szenen, bool uhr1, bool uhr2)
{
    TastsensorFunktion = keys ? 1 : 0;
    ReglerFunktion = regler ? 1 : 0;
    ReglernebenstellenFunktion = nebenstelle ? 1 : 0;
    SzenenFunktion = szenen ? 1 : 0;
    Schaltuhr1 = uhr1 ? 1 : 0;
    Schaltuhr2 = uhr2 ? 1 : 0;
}

bool ScriptedTaste::CheckFunktion(bool& changeNeeded, bool apply)
{
    calls_.push_back({GetTastenNummer(), apply});
    const auto script = scripts_.find(GetTastenNummer());
    if (script == scripts_.end())
        return TTsTaste::CheckFunktion(changeNeeded, apply);
    changeNeeded = script->second.ChangeNeeded;
    return script->second.Result;
}

template <class TRequest, class TOwn>
bool KeyDevice::Hook(int number, TRequest* request, std::uint8_t& recognised, TOwn own)
{
    Asked.push_back(number);
    const auto script = Scripts.find(number);
    if (script == Scripts.end())
        return own();
    if constexpr (std::is_same_v<TRequest, tagWmUserDevice>) {
        if (request)
            request->Integer = script->second.Integer;
    }
    recognised = script->second.Recognised;
    return script->second.Take;
}

#define PASS_HOOK(number, name, Request)                                                                            \
    bool KeyDevice::name(platform::HWND window, Request* request, std::uint8_t& recognised)                         \
    {                                                                                                              \
        return Hook(number, request, recognised,                                                                   \
                    [&] { return TDeviceInstanzTalvo::name(window, request, recognised); });                        \
    }

PASS_HOOK(0, UserDeviceMessage_TastsensorFunktion, tagWmUserDevice)
PASS_HOOK(1, UserDeviceMessage_RaumtemperaturReglerFunktion, tagWmUserDevice)
PASS_HOOK(2, UserDeviceMessage_ReglernebenstellenFunktion, tagWmUserDevice)
PASS_HOOK(3, UserDeviceMessage_SzenenFunktion, tagWmUserDevice)
PASS_HOOK(4, UserDeviceMessage_Schaltuhr, tagWmUserDevice)
PASS_HOOK(5, UserDeviceMessage_IrFernbedienung, tagWmUserDevice)
PASS_HOOK(10, WmUserDatenTransport_TastsensorFunktion, tagRecDatenTransport)
PASS_HOOK(11, WmUserDatenTransport_RaumtemperaturReglerFunktion, tagRecDatenTransport)
PASS_HOOK(12, WmUserDatenTransport_ReglernebenstellenFunktion, tagRecDatenTransport)
PASS_HOOK(13, WmUserDatenTransport_SzenenFunktion, tagRecDatenTransport)
PASS_HOOK(14, WmUserDatenTransport_Schaltuhr, tagRecDatenTransport)
PASS_HOOK(15, WmUserDatenTransport_IrFernbedienung, tagRecDatenTransport)

#undef PASS_HOOK

std::unique_ptr<TTsBetaetigung> ScriptedKeyplan::CreateTsBetaetigung(platform::HWND window, std::int32_t system,
                                                                     std::int32_t parent, const std::string& name,
                                                                     std::int32_t keys, std::int32_t handle) const
{
    auto operation = std::make_unique<ScriptedBetaetigung>(window, system, parent, name, keys, handle);
    if (handle == 0) {
        for (int p = 1; p <= 5; ++p)
            operation->SetMode(p, Modes[static_cast<std::size_t>(p - 1)]);
    }
    return operation;
}

std::unique_ptr<TTsTaste> ScriptedKeyplan::CreateTsTaste(platform::HWND window, std::int32_t system,
                                                         std::int32_t parent, const std::string& name,
                                                         std::int32_t number, std::int32_t handle) const
{
    return std::make_unique<ScriptedTaste>(window, system, parent, name, number, handle, Checks, Calls);
}

namespace {

// The demo project with the product's template, as etshost init makes it.
std::string MakeProject(const std::string& folder)
{
    const std::string path = folder + "demo.ets";
    host::TProjectDatabase::CreateFile(path, [&](host::TSqlDatabase& db) {
        host::FillDemoProject(db, folder);
        host::FillProductTemplate(db, 1);
    });
    return path;
}

} // namespace

KeySensorTest::KeySensorTest()
    : folder_(dir_.path().string() + "/"), path_(MakeProject(folder_)), dataModule_(folder_), link_(path_)
{
    platform::WriteFileAtomically(dataModule_.GetCharSetFileName(), testsupport::DeviceProject::CharSet());
    platform::WriteFileAtomically(dataModule_.GetDeviceTextFileName(), testsupport::DeviceProject::DeviceText());
    main_.Link = &link_;
    main_.Handle = hub_.Handle();
    main_.Windows = {&tree_};
    EXPECT_EQ(DAL_OK, link_.DalGetDeviceData(DAL_GET_BY_ID, KuecheDevice, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &record_));
    NewDevice();
}

KeySensorTest::~KeySensorTest()
{
    device_.reset();
    hubDevice_ = nullptr;
}

void KeySensorTest::NewDevice()
{
    device_.reset();
    system_ = nullptr;
    TObjectFactories factories;
    factories.Keyplan = &keyplan_;
    device_ = std::make_unique<KeyDevice>(&main_, &record_, &tree_, factories);
    hubDevice_ = device_.get();
    device_->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
}

TestSystem& KeySensorTest::MakeSystem(int keys)
{
    auto system = std::make_unique<TestSystem>(Window(), KuecheDevice);
    system->SetAnzahlTasten(keys);
    system_ = system.get();
    EXPECT_TRUE(device_->SetPointer2List(system.release()));
    device_->SetDevice(system_);
    system_->Write(*device_->GetDatenSatz(system_));
    return *system_;
}

TDataBasis* KeySensorTest::SystemObject() const
{
    return system_ ? static_cast<TDataBasis*>(system_) : device_->GetDevice();
}

std::uint8_t KeySensorTest::BuildFunction()
{
    return device_->CreateTastsensorFunktion(Window(), SystemObject(), true);
}

TDataBasis* KeySensorTest::First(int typ)
{
    return device_->GetFirstFromDatenTyp(SystemObject(), static_cast<std::int16_t>(typ));
}

std::vector<TDataBasis*> KeySensorTest::Children(const TDataBasis* parent, int typ) const
{
    std::vector<TDataBasis*> children;
    if (!parent)
        return children;
    for (const auto& [handle, object] : device_->GetDataPointerMap()) {
        if (object->GetParentHandle() == parent->GetHandle() && object->GetTyp() == typ)
            children.push_back(object);
    }
    return children;
}

std::vector<std::string> KeySensorTest::PairLayout()
{
    std::vector<TDataBasis*> children;
    TDataBasis* operation = First(DT_TS_BETAETIGUNG);
    for (const int typ : {DT_TS_TASTE, DT_TS_WIPPE})
        for (TDataBasis* child : Children(operation, typ))
            children.push_back(child);
    std::sort(children.begin(), children.end(), [](const TDataBasis* a, const TDataBasis* b) {
        return std::tuple(a->GetPosId(), a->GetHandle()) < std::tuple(b->GetPosId(), b->GetHandle());
    });
    std::vector<std::string> layout;
    for (const TDataBasis* child : children) {
        std::string entry = child->GetName(false) + "@" + std::to_string(child->GetPosId());
        for (const TDataBasis* status : Children(child, DT_TS_WIPPE_STATUS))
            entry += "+" + status->GetName(false);
        layout.push_back(entry);
    }
    return layout;
}

std::vector<TEtsObjekt*> KeySensorTest::EtsObjects(const TDataBasis* parent) const
{
    std::vector<TEtsObjekt*> objects;
    for (TDataBasis* object : Children(parent, DT_ETS_OBJEKT))
        if (auto* etsObject = dynamic_cast<TEtsObjekt*>(object))
            objects.push_back(etsObject);
    std::stable_sort(objects.begin(), objects.end(), [](const TEtsObjekt* a, const TEtsObjekt* b) {
        return a->GetDisplayOrder() < b->GetDisplayOrder();
    });
    return objects;
}

TTsTaste* KeySensorTest::Key(int number)
{
    for (TDataBasis* child : Children(First(DT_TS_BETAETIGUNG), DT_TS_TASTE))
        if (auto* key = dynamic_cast<TTsTaste*>(child); key && key->GetTastenNummer() == number)
            return key;
    return nullptr;
}

TTsWippe* KeySensorTest::Rocker(int number)
{
    for (TDataBasis* child : Children(First(DT_TS_BETAETIGUNG), DT_TS_WIPPE))
        if (auto* rocker = dynamic_cast<TTsWippe*>(child); rocker && rocker->GetWippenNummer() == number)
            return rocker;
    return nullptr;
}

std::uint8_t KeySensorTest::Send(TDataBasis* sender, std::uint8_t code, std::int32_t integer, std::uint8_t byte,
                                 void* result, tagWmUserDevice* out)
{
    tagWmUserDevice request;
    request.Handle = sender ? sender->GetHandle() : 0;
    request.Code = code;
    request.Sender = sender;
    request.Integer = integer;
    request.Byte = byte;
    request.Result = result;
    const auto answer = static_cast<std::uint8_t>(
        platform::SendMessage(Window(), WM_USER_USERDEVICEMESSAGE, 0, reinterpret_cast<platform::LPARAM>(&request)));
    if (out) {
        out->Result = request.Result;
        out->Integer = request.Integer;
    }
    return answer;
}

std::int32_t KeySensorTest::SubGroup(int main, int middle, int sub)
{
    if (!device_->GrpAdrLoaded) {
        device_->GetGrpAdrFromServer();
        device_->LoadGrpAdr();
    }
    return static_cast<std::int32_t>(
        Query("SELECT s.id FROM sub_group s JOIN middle_group mi ON mi.id = s.middle_group_id JOIN main_group mg ON "
              "mg.id = mi.main_group_id WHERE mg.number = " + std::to_string(main) + " AND mi.number = " +
              std::to_string(middle) + " AND s.number = " + std::to_string(sub)));
}

void KeySensorTest::Link(TDataBasis* object, std::int32_t subGroupId)
{
    ASSERT_NE(object, nullptr);
    ASSERT_TRUE(device_->LinkToSubGroup(subGroupId, object->GetHandle(), true));
}

std::int64_t KeySensorTest::ParameterValue(int displayOrder)
{
    return Query("SELECT dp.value FROM device_parameter dp JOIN parameter p ON p.id = dp.parameter_id WHERE "
                 "dp.device_id = " + std::to_string(KuecheDevice) + " AND p.display_order = " +
                 std::to_string(displayOrder));
}

std::int64_t KeySensorTest::ProjectLinks(std::int32_t deviceObjectId, std::int32_t subGroupId)
{
    std::string sql = "SELECT COUNT(*) FROM sub_to_object WHERE device_object_id = " + std::to_string(deviceObjectId);
    if (subGroupId != 0)
        sql += " AND sub_group_id = " + std::to_string(subGroupId);
    return Query(sql);
}

void KeySensorTest::Execute(const std::string& sql)
{
    host::TProjectDatabase project(path_);
    project.Sql().Execute(sql);
}

std::int64_t KeySensorTest::Query(const std::string& sql)
{
    host::TProjectDatabase project(path_);
    host::TSqlStatement query(project.Sql(), sql);
    return query.Step() ? query.Int64(0) : -99;
}

} // namespace keysensortest
