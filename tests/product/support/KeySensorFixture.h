#pragma once

#include "device/ConfigWindowServices.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/hostlink/Ets2CdiFaults.h"
#include "outside/datacore/RequestRecords.h"
#include "outside/keyplan/KeyplanFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "tests/device/DeviceHub.h"
#include "tests/device/GrpAdrDoubles.h"
#include "tests/support/DeviceProject.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The key-sensor function and the device's requests on the stand-in host's project: the device
// with ten keys, its main window passing every request of the data objects to the device.
namespace keysensortest {

constexpr std::int32_t KuecheDevice = 3; // ten keys

// A configuration window that notes the nodes it is asked to add and delete and the update
// brackets around them.
class TreeWindow final : public TConfigWindowServices {
public:
    TTreeNode* AddChildNode2Data(TDataBasis* parent, TDataBasis* object, bool makeVisible) override;
    void DeleteNode(TTreeNode* node, TDataBasis* object) override;
    void BeginUpdate() override;
    void EndUpdate() override;

    struct Addition {
        TDataBasis* Parent;
        TDataBasis* Object;
        bool MakeVisible;
        int Depth; // of the update brackets open then
    };
    std::vector<Addition> Added;
    std::vector<TDataBasis*> Deleted;
    // Called with each object whose node goes, while it is still registered.
    std::function<void(TDataBasis*)> OnDelete;
    int Depth = 0;
    int Brackets = 0;
};

// The system object with its function switches set by the test.
class TestSystem final : public TTalvoSystem {
public:
    TestSystem(platform::HWND window, std::int32_t hostDeviceId)
        : TTalvoSystem(window, 0, 0, "Talvo", hostDeviceId, -1, 0, false)
    {
    }
    // Key sensor, controller, extension unit, scenes, time switches 1 and 2.
    void SetFunctions(bool keys, bool regler, bool nebenstelle, bool szenen, bool uhr1, bool uhr2);
};

// The check a scripted key or rocker answers, and the calls it was asked.
struct CheckScript {
    bool ChangeNeeded = false;
    bool Result = true;
};
struct CheckCall {
    std::int32_t Number;
    bool Apply;
};

// A key whose function check follows a script; the others are the library's.
class ScriptedTaste final : public TTsTaste {
public:
    ScriptedTaste(platform::HWND window, std::int32_t system, std::int32_t parent, const std::string& name,
                  std::int32_t number, std::int32_t handle, const std::map<int, CheckScript>& scripts,
                  std::vector<CheckCall>& calls)
        : TTsTaste(window, system, parent, name, number, handle), scripts_(scripts), calls_(calls)
    {
    }
    bool CheckFunktion(bool& changeNeeded, bool apply) override;
    void SetStatusLed(std::uint8_t value) { FktStatusLed = value; }

private:
    const std::map<int, CheckScript>& scripts_;
    std::vector<CheckCall>& calls_;
};

// A key operation whose new pair modes the test gives.
class ScriptedBetaetigung final : public TTsBetaetigung {
public:
    using TTsBetaetigung::TTsBetaetigung;
    void SetMode(int pair, std::uint8_t mode) { Tastenpaar[pair - 1] = mode; }
};

// The library's objects, with scripted keys and key operations in their place.
class ScriptedKeyplan final : public TKeyplanFactory {
public:
    std::unique_ptr<TTsBetaetigung> CreateTsBetaetigung(platform::HWND window, std::int32_t system,
                                                        std::int32_t parent, const std::string& name,
                                                        std::int32_t keys, std::int32_t handle) const override;
    std::unique_ptr<TTsTaste> CreateTsTaste(platform::HWND window, std::int32_t system, std::int32_t parent,
                                            const std::string& name, std::int32_t number,
                                            std::int32_t handle) const override;

    // The pair modes of a new key operation.
    std::array<std::uint8_t, 5> Modes{1, 1, 1, 1, 1};
    // By key number; keys without script need no change.
    std::map<int, CheckScript> Checks;
    mutable std::vector<CheckCall> Calls;
};

// What a function manager's hook answers in place of its own answer.
struct HookScript {
    bool Take = false;
    std::uint8_t Recognised = 0;
    std::int32_t Integer = 0; // written into the request's integer field
};

// The product's device model with its tables in view. Every hook asked is noted (device
// requests 0 to 5, data transport 10 to 15, in the order the device asks them); a scripted hook
// answers in place of the manager's.
class KeyDevice : public TDeviceInstanzTalvo {
public:
    using TDeviceInstanzTalvo::TDeviceInstanzTalvo;
    using TDeviceInstanzTalvo::EnrolNew;
    using TDeviceInstanzTalvo::FindChild;
    bool DatenAbgleich(bool, bool) override { return true; }

    bool UserDeviceMessage_TastsensorFunktion(platform::HWND window, tagWmUserDevice* request,
                                              std::uint8_t& recognised) override;
    bool UserDeviceMessage_RaumtemperaturReglerFunktion(platform::HWND window, tagWmUserDevice* request,
                                                        std::uint8_t& recognised) override;
    bool UserDeviceMessage_ReglernebenstellenFunktion(platform::HWND window, tagWmUserDevice* request,
                                                      std::uint8_t& recognised) override;
    bool UserDeviceMessage_SzenenFunktion(platform::HWND window, tagWmUserDevice* request,
                                          std::uint8_t& recognised) override;
    bool UserDeviceMessage_Schaltuhr(platform::HWND window, tagWmUserDevice* request,
                                     std::uint8_t& recognised) override;
    bool UserDeviceMessage_IrFernbedienung(platform::HWND window, tagWmUserDevice* request,
                                           std::uint8_t& recognised) override;
    bool WmUserDatenTransport_TastsensorFunktion(platform::HWND window, tagRecDatenTransport* request,
                                                 std::uint8_t& recognised) override;
    bool WmUserDatenTransport_RaumtemperaturReglerFunktion(platform::HWND window, tagRecDatenTransport* request,
                                                           std::uint8_t& recognised) override;
    bool WmUserDatenTransport_ReglernebenstellenFunktion(platform::HWND window, tagRecDatenTransport* request,
                                                         std::uint8_t& recognised) override;
    bool WmUserDatenTransport_SzenenFunktion(platform::HWND window, tagRecDatenTransport* request,
                                             std::uint8_t& recognised) override;
    bool WmUserDatenTransport_Schaltuhr(platform::HWND window, tagRecDatenTransport* request,
                                        std::uint8_t& recognised) override;
    bool WmUserDatenTransport_IrFernbedienung(platform::HWND window, tagRecDatenTransport* request,
                                              std::uint8_t& recognised) override;

    // By hook number; the key-sensor hooks (0, 10) are never scripted.
    std::map<int, HookScript> Scripts;
    std::vector<int> Asked;

private:
    template <class TRequest, class TOwn>
    bool Hook(int number, TRequest* request, std::uint8_t& recognised, TOwn own);
};

class KeySensorTest : public ::testing::Test {
protected:
    KeySensorTest();
    ~KeySensorTest() override;

    platform::HWND Window() const { return hub_.Handle(); }
    // A new device model of the project's device, without objects.
    void NewDevice();
    // The system object, with the number of keys, registered and written.
    TestSystem& MakeSystem(int keys);
    // The system object of MakeSystem, else the device's own (a derived fixture's).
    TDataBasis* SystemObject() const;
    // Builds the key-sensor function below the system object with nodes.
    std::uint8_t BuildFunction();

    // Objects below the system object by type, first found (depth first).
    TDataBasis* First(int typ);
    // The names of the key operation's children in the order of their position ids (ties by
    // handle), each with its position id: "Taste 1@1".
    std::vector<std::string> PairLayout();
    // The registered children of the parent (by parent handle) of that type.
    std::vector<TDataBasis*> Children(const TDataBasis* parent, int typ) const;
    // The communication objects below an object, by display order.
    std::vector<TEtsObjekt*> EtsObjects(const TDataBasis* parent) const;
    // The key or rocker of that number, or none.
    TTsTaste* Key(int number);
    TTsWippe* Rocker(int number);

    // Sends a device request of the object through the main window; answers the byte.
    std::uint8_t Send(TDataBasis* sender, std::uint8_t code, std::int32_t integer = 0, std::uint8_t byte = 0,
                      void* result = nullptr, tagWmUserDevice* out = nullptr);

    // Loads the group addresses; the sub-group id of an address of the project.
    std::int32_t SubGroup(int main, int middle, int sub);
    // Links the object to the sub group in the project and in the model.
    void Link(TDataBasis* object, std::int32_t subGroupId);
    // The device's parameter of that display order in the project.
    std::int64_t ParameterValue(int displayOrder);
    // The number of links of the device object in the project.
    std::int64_t ProjectLinks(std::int32_t deviceObjectId, std::int32_t subGroupId = 0);
    std::int64_t Query(const std::string& sql);
    void Execute(const std::string& sql);

    testsupport::ScriptedUi ui_;
    testsupport::TempDir dir_;
    std::string folder_;
    std::string path_;
    testsupport::ProjectDataModule dataModule_;
    TEts2CdiFaults link_;
    grpadrtest::GrpAdrMainWindow main_;
    TDeviceInstanz* hubDevice_ = nullptr;
    devicetest::TDeviceHub hub_{hubDevice_};
    TreeWindow tree_;
    ScriptedKeyplan keyplan_;
    DAL_DEVICE record_{};
    std::unique_ptr<KeyDevice> device_;
    TestSystem* system_ = nullptr;
};

} // namespace keysensortest
