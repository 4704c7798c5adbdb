#include "tests/product/support/ManagerFixture.h"

#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"

#include <algorithm>

namespace managertest {

void SwitchSystem::SetFunctions(bool keys, bool regler, bool nebenstelle, bool szenen, bool uhr1, bool uhr2)
{
    TastsensorFunktion = keys ? 1 : 0;
    ReglerFunktion = regler ? 1 : 0;
    ReglernebenstellenFunktion = nebenstelle ? 1 : 0;
    SzenenFunktion = szenen ? 1 : 0;
    Schaltuhr1 = uhr1 ? 1 : 0;
    Schaltuhr2 = uhr2 ? 1 : 0;
}

bool SwitchSystem::ModifySystemZugriffBedienebenen()
{
    if (LibraryLock)
        return TTalvoSystem::ModifySystemZugriffBedienebenen();
    ZugriffAufBedienebenen = LevelAfterLock;
    return true;
}

std::unique_ptr<TTalvoSystem> SwitchSysfunc::CreateTalvoSystem(platform::HWND window, std::int32_t system,
                                                              std::int32_t parent, const std::string& name,
                                                              std::int32_t hostDeviceId, std::int32_t value,
                                                              std::int32_t handle, bool /*reserved*/) const
{
    auto made = std::make_unique<SwitchSystem>(window, system, parent, name, hostDeviceId, value, handle);
    made->LibraryLock = true;
    if (handle == 0 && NewFunctions) {
        const std::array<bool, 6>& f = *NewFunctions;
        made->SetFunctions(f[0], f[1], f[2], f[3], f[4], f[5]);
    }
    return made;
}

ManagerTest::ManagerTest() = default;

SwitchSystem& ManagerTest::MakeSwitchSystem(bool keys, bool regler, bool nebenstelle, bool szenen, bool uhr1,
                                            bool uhr2)
{
    auto system = std::make_unique<SwitchSystem>(Window(), keysensortest::KuecheDevice);
    system->SetAnzahlTasten(10);
    system->SetFunctions(keys, regler, nebenstelle, szenen, uhr1, uhr2);
    system->SetSystemFlags(false, false, false, false, false, false);
    sys_ = system.get();
    EXPECT_TRUE(device_->SetPointer2List(system.release()));
    device_->SetDevice(sys_);
    sys_->Write(*device_->GetDatenSatz(sys_));
    return *sys_;
}

void ManagerTest::Choose(TDataBasis& object, int tag, int value)
{
    grid_.Clear();
    object.BuildInfoWindow(&grid_, nullptr, false, -1, -1);
    const int row = grid_.FindRow(tag);
    ASSERT_GE(row, 0) << "no row with tag " << tag;
    const TCell* cell = grid_.GetCell(1, row);
    const auto it = std::find_if(cell->Choices.begin(), cell->Choices.end(),
                                 [value](const TComboWert& item) { return item.Value == value; });
    ASSERT_NE(it, cell->Choices.end()) << "no item with value " << value;
    grid_.SetActiveCell(1, row);
    grid_.ChooseItem(static_cast<int>(it - cell->Choices.begin()));
}

bool ManagerTest::Switch(int tag, bool on)
{
    std::uint8_t before = 0;
    auto value = [this, tag]() -> std::uint8_t {
        switch (tag) {
        case TTalvoSystem::tagTastsensorFunktion:
            return sys_->GetValueOfTastsensorFunktion();
        case TTalvoSystem::tagReglerFunktion:
            return sys_->GetValueOfReglerFunktion();
        case TTalvoSystem::tagReglernebenstellenFunktion:
            return sys_->GetValueOfReglernebenstellenFunktion();
        case TTalvoSystem::tagSzenenFunktion:
            return sys_->GetValueOfSzenenFunktion();
        case TTalvoSystem::tagSchaltuhr1:
            return sys_->GetValueOfSchaltuhr(1);
        default:
            return sys_->GetValueOfSchaltuhr(2);
        }
    };
    before = value();
    Choose(*sys_, tag, on ? 1 : 0);
    grid_.Clear();
    return value() == (on ? 1 : 0) && before != value();
}

TDataBasis* ManagerTest::Find(int typ)
{
    return device_->GetPointerFromDatenTyp(device_->GetDevice(), static_cast<std::int16_t>(typ));
}

std::vector<TDataBasis*> ManagerTest::All(int typ) const
{
    std::vector<TDataBasis*> all;
    for (const auto& [handle, object] : device_->GetDataPointerMap())
        if (object->GetTyp() == typ)
            all.push_back(object);
    return all;
}

std::vector<std::string> ManagerTest::Objects() const
{
    std::vector<std::string> objects;
    for (const auto& [handle, object] : device_->GetDataPointerMap())
        objects.push_back(std::to_string(object->GetTyp()) + ":" + std::to_string(object->GetHandle()) + ":" +
                          std::to_string(object->GetParentHandle()) + ":" + object->GetName(false));
    std::sort(objects.begin(), objects.end());
    return objects;
}

std::vector<std::string> ManagerTest::Records()
{
    std::vector<std::string> records;
    std::vector<TDataBasis*> objects;
    for (const auto& [handle, object] : device_->GetDataPointerMap())
        objects.push_back(object);
    for (TDataBasis* object : objects) {
        const TDatenStruktur* record = device_->FindDatenSatz(object->GetSystem(), object->GetHandle());
        for (int guard = 0; record && guard < 64; ++guard) {
            records.push_back(record->ToString());
            record = record->Next > 0 ? device_->FindDatenSatz(object->GetSystem(), record->Next) : nullptr;
        }
    }
    std::sort(records.begin(), records.end());
    return records;
}

std::string ManagerTest::Flags() const
{
    bool f[6] = {};
    sys_->GetSystemFlags(f[0], f[1], f[2], f[3], f[4], f[5]);
    std::string text;
    for (const bool flag : f)
        text += flag ? '1' : '0';
    return text;
}

void ManagerTest::LinkFirstObject(TDataBasis* object, int sub)
{
    ASSERT_NE(object, nullptr);
    std::vector<TEtsObjekt*> objects = EtsObjects(object);
    ASSERT_FALSE(objects.empty()) << object->GetName(false);
    Link(objects.front(), SubGroup(1, 0, sub));
}

} // namespace managertest
