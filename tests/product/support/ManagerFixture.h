#pragma once

#include "outside/datacore/EibHandle.h"
#include "outside/sysfunc/SysfuncFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "outside/tablebox/DrawGridSE.h"
#include "tests/product/support/KeySensorFixture.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The function managers on the stand-in host's project: a ten-key device whose functions are
// switched in the system object's grid, as a user does.
namespace managertest {

// The system object; its access to the operating levels goes to LevelAfterLock when the
// controller's lock asks it to adapt.
class SwitchSystem final : public TTalvoSystem {
public:
    SwitchSystem(platform::HWND window, std::int32_t hostDeviceId)
        : TTalvoSystem(window, 0, 0, "Talvo", hostDeviceId, -1, 0, false)
    {
    }
    // As the device model makes it, from a record or new.
    SwitchSystem(platform::HWND window, std::int32_t system, std::int32_t parent, const std::string& name,
                 std::int32_t hostDeviceId, std::int32_t value, std::int32_t handle)
        : TTalvoSystem(window, system, parent, name, hostDeviceId, value, handle, false)
    {
    }
    // Key sensor, controller, extension unit, scenes, time switches 1 and 2.
    void SetFunctions(bool keys, bool regler, bool nebenstelle, bool szenen, bool uhr1, bool uhr2);
    bool ModifySystemZugriffBedienebenen() override;
    void SetZugriff(std::uint8_t value) { ZugriffAufBedienebenen = value; }

    std::uint8_t LevelAfterLock = T_DB_EnumTalvoSystem::zbGesperrt;
    // The library's own adaptation in place of LevelAfterLock.
    bool LibraryLock = false;
};

// Makes SwitchSystem objects in place of the library's system object, so that a device the model
// makes or opens itself is switched as MakeSwitchSystem's is. A new one (handle 0) gets the
// switches of NewFunctions when given, in SetFunctions' order. Its access to the operating levels
// adapts as the library's does.
class SwitchSysfunc final : public TSysfuncFactory {
public:
    std::unique_ptr<TTalvoSystem> CreateTalvoSystem(platform::HWND window, std::int32_t system, std::int32_t parent,
                                                    const std::string& name, std::int32_t hostDeviceId,
                                                    std::int32_t value, std::int32_t handle,
                                                    bool reserved) const override;

    std::optional<std::array<bool, 6>> NewFunctions;
};

class ManagerTest : public keysensortest::KeySensorTest {
protected:
    ManagerTest();

    // The system object with ten keys and the switches given, registered and written.
    SwitchSystem& MakeSwitchSystem(bool keys, bool regler, bool nebenstelle, bool szenen, bool uhr1, bool uhr2);
    // Chooses the value in the row of the tag in the object's grid (built anew first).
    void Choose(TDataBasis& object, int tag, int value);
    // Switches a function in the system object's grid; whether the switch took the value.
    bool Switch(int tag, bool on);

    // The first object of the type below the device object, depth first.
    TDataBasis* Find(int typ);
    // The registered objects of the type, anywhere.
    std::vector<TDataBasis*> All(int typ) const;
    // "typ:handle:parent:name" of every registered object, sorted.
    std::vector<std::string> Objects() const;
    // Every record of the device's table as its text line, sorted.
    std::vector<std::string> Records();
    // The six download flags as "101010".
    std::string Flags() const;
    // A new device model of the class with the factories, without objects.
    template <class TDevice>
    void UseDevice(TObjectFactories factories)
    {
        device_.reset();
        hubDevice_ = nullptr;
        device_ = std::make_unique<TDevice>(&main_, &record_, &tree_, factories);
        hubDevice_ = device_.get();
        device_->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
    }
    // Links the first communication object below the object to a sub group of the project.
    void LinkFirstObject(TDataBasis* object, int sub);

    SwitchSystem* sys_ = nullptr;
    TDrawGridSE grid_;
};

} // namespace managertest
