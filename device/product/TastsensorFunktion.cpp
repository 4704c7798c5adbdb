// The function manager of the key-sensor function: making the function with its lock
// behaviour, key operation, keys, rockers and status objects, and adapting the functions of
// the keys and rockers to the device.
#include "app/Spredit.h"
#include "app/Sprlkextmodults.h"
#include "app/Sprsysfunc.h"
#include "device/E_InstVerw.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/UpdateGuard.h"
#include "outside/datacore/E_Basis.h"
#include "outside/keyplan/KeyplanFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <algorithm>
#include <vector>

static_assert(TTastsensorFunktion::Typ == DT_TASTSENSOR_FUNKTION);
static_assert(TTsSperrverhalten::Typ == DT_TS_SPERRVERHALTEN);
static_assert(TTsBetaetigung::Typ == DT_TS_BETAETIGUNG);
static_assert(TTsTaste::Typ == DT_TS_TASTE);
static_assert(TTsWippe::Typ == DT_TS_WIPPE);
static_assert(TTsTasteStatus::Typ == DT_TS_TASTE_STATUS);
static_assert(TTsWippeStatus::Typ == DT_TS_WIPPE_STATUS);

namespace {

// Position ids below the key-sensor function and below a key or rocker.
constexpr int PosIdSperrverhalten = 1;
constexpr int PosIdBetaetigung = 2;
constexpr int PosIdTastsensorFunktion = 3;
constexpr int PosIdStatus = 1;

// Makes an object through a factory; none when the factory gives none or no handle is to be
// had.
template <class Make>
auto MakeObject(Make make) -> decltype(make())
{
    try {
        return make();
    } catch (const E_Basis&) {
        return nullptr;
    }
}

} // namespace

// --- Shared steps ---

TDataBasis* TDeviceInstanzTalvo::FindChild(TDataBasis* parent, int typ, const std::function<bool(TDataBasis&)>& match)
{
    LOG_FKT_START("TDeviceInstanzTalvo::FindChild");
    if (!parent)
        return nullptr;
    std::vector<std::int32_t> handles;
    try {
        TIteratorPair children;
        GetChildIteratorPair(parent, children);
        for (auto it = children.first; it != children.second; ++it)
            handles.push_back(it->second.Handle);
    } catch (const E_InstVerw&) {
        return nullptr; // no records, no children
    }
    for (const std::int32_t handle : handles) {
        TDataBasis* child = nullptr;
        if (!GetDataPointer(handle, child) || child->GetTyp() != typ)
            continue;
        if (!match || match(*child))
            return child;
    }
    return nullptr;
}

void TDeviceInstanzTalvo::RemoveObject(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanzTalvo::RemoveObject");
    if (!object || FindHandle(object->GetHandle()) != object)
        return;
    DeleteDatenSatzAndNext(object);
    if (ConfigWindow)
        ConfigWindow->DeleteNode(nullptr, object);
    DeletePointerFromList(object);
}

TDataBasis* TDeviceInstanzTalvo::EnrolNew(std::unique_ptr<TDataBasis> object, TDataBasis* parent, int posId,
                                          bool withNode, bool writeRecord)
{
    LOG_FKT_START("TDeviceInstanzTalvo::EnrolNew");
    if (!object)
        return nullptr;
    object->SetPosId(posId);
    if (!SetPointer2List(object.get()))
        return nullptr; // the handle is another object's: this one goes
    TDataBasis* const enrolled = object.release();
    if (writeRecord)
        enrolled->Write(*GetDatenSatz(enrolled));
    if (withNode && ConfigWindow)
        ConfigWindow->AddChildNode2Data(parent, enrolled, true);
    return enrolled;
}

// --- Creation ---

std::uint8_t TDeviceInstanzTalvo::CreateTastsensorFunktion(platform::HWND window, TDataBasis* parent, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateTastsensorFunktion");
    if (!parent)
        return 0;
    if (FindChild(parent, DT_TASTSENSOR_FUNKTION))
        return 2;
    TDataBasis* function = EnrolNew(MakeObject([&] {
                                        return factories_.Keyplan->CreateTastsensorFunktion(
                                            MainWindowHandle(), parent->GetSystem(), parent->GetHandle(),
                                            Sprlkextmodults::Text12246, 0);
                                    }),
                                    parent, PosIdTastsensorFunktion, withNode);
    if (!function)
        return 0;
    if (!CreateTsSperrverhalten(window, function, withNode))
        return 0;
    if (!CreateTsBetaetigung(window, function, withNode))
        return 0;
    return 1;
}

bool TDeviceInstanzTalvo::CreateTsSperrverhalten(platform::HWND /*window*/, TDataBasis* function, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateTsSperrverhalten");
    if (!function || FindChild(function, DT_TS_SPERRVERHALTEN))
        return false;
    const TTalvoSystem* system = GetPointerFromSystem();
    if (!system || system->GetAnzahlTasten() <= 0)
        return false;
    std::unique_ptr<TTsSperrverhalten> made = MakeObject([&] {
        return factories_.Keyplan->CreateTsSperrverhalten(MainWindowHandle(), function->GetSystem(),
                                                          function->GetHandle(), Sprlkextmodults::Text12248,
                                                          system->GetAnzahlTasten(), 0);
    });
    TTsSperrverhalten* const sperrverhalten = made.get();
    if (!EnrolNew(std::move(made), function, PosIdSperrverhalten, withNode))
        return false;
    sperrverhalten->CreateObjects();
    return true;
}

bool TDeviceInstanzTalvo::CreateTsBetaetigung(platform::HWND window, TDataBasis* function, bool withNode)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateTsBetaetigung");
    if (!function || FindChild(function, DT_TS_BETAETIGUNG))
        return false;
    const TTalvoSystem* system = GetPointerFromSystem();
    const int keys = system ? system->GetAnzahlTasten() : 0;
    if (keys <= 0 || keys / 2 <= 0)
        return false;
    const bool functionsAllowed = system->GetValueOfTastsensorFunktion() == 1;
    std::unique_ptr<TTsBetaetigung> made = MakeObject([&] {
        return factories_.Keyplan->CreateTsBetaetigung(MainWindowHandle(), function->GetSystem(),
                                                       function->GetHandle(), Sprlkextmodults::Text12247, keys, 0);
    });
    if (!made) {
        UpdatePreview();
        return false;
    }
    // The key operation is looked up by handle from now on: its keys' requests may change
    // the registry.
    const std::int32_t handle = made->GetHandle();
    if (!EnrolNew(std::move(made), function, PosIdBetaetigung, withNode))
        return false;
    bool result = false;
    const int pairs = std::min(TTsBetaetigung::MaxTastenpaare, keys / 2);
    for (int p = 1; p <= pairs; ++p) {
        auto* operation = dynamic_cast<TTsBetaetigung*>(FindHandle(handle));
        if (!operation)
            return false;
        switch (operation->GetValueOfTastenpaar(p)) {
        case T_DB_EnumTsBetaetigung::tpZweiTasten:
            result = CreateTsTaste(window, operation, withNode, functionsAllowed, 2 * p - 1);
            if (result)
                result = CreateTsTaste(window, operation, withNode, functionsAllowed, 2 * p);
            break;
        case T_DB_EnumTsBetaetigung::tpWippe:
            result = CreateTsWippe(window, operation, withNode, functionsAllowed, p);
            break;
        default:
            continue;
        }
        if (!result)
            return false;
    }
    UpdatePreview();
    return result;
}

bool TDeviceInstanzTalvo::CreateTsTaste(platform::HWND /*window*/, TDataBasis* keyOperation, bool withNode,
                                        bool functionsAllowed, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateTsTaste");
    if (!keyOperation)
        return false;
    if (FindChild(keyOperation, DT_TS_TASTE, [number](TDataBasis& child) {
            const auto* key = dynamic_cast<const TTsTaste*>(&child);
            return key && key->GetTastenNummer() == number;
        }))
        return true;
    std::unique_ptr<TTsTaste> made = MakeObject([&] {
        return factories_.Keyplan->CreateTsTaste(MainWindowHandle(), keyOperation->GetSystem(),
                                                 keyOperation->GetHandle(),
                                                 Sprsysfunc::Text11057 + " " + std::to_string(number), number, 0);
    });
    TTsTaste* const key = made.get();
    if (!EnrolNew(std::move(made), keyOperation, number, withNode, false))
        return false;
    // A key whose function could not be made stays, without a record.
    if (!key->InitFunktion(functionsAllowed))
        return false;
    key->Write(*GetDatenSatz(key));
    return true;
}

bool TDeviceInstanzTalvo::CreateTsWippe(platform::HWND /*window*/, TDataBasis* keyOperation, bool withNode,
                                        bool functionsAllowed, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateTsWippe");
    if (!keyOperation)
        return false;
    if (FindChild(keyOperation, DT_TS_WIPPE, [number](TDataBasis& child) {
            const auto* rocker = dynamic_cast<const TTsWippe*>(&child);
            return rocker && rocker->GetWippenNummer() == number;
        }))
        return true;
    std::unique_ptr<TTsWippe> made = MakeObject([&] {
        return factories_.Keyplan->CreateTsWippe(MainWindowHandle(), keyOperation->GetSystem(),
                                                 keyOperation->GetHandle(),
                                                 Sprsysfunc::Text11058 + " " + std::to_string(number), number, 0);
    });
    TTsWippe* const rocker = made.get();
    // A rocker stands where the first key of its pair would.
    if (!EnrolNew(std::move(made), keyOperation, 2 * number - 1, withNode, false))
        return false;
    if (!rocker->InitFunktion(functionsAllowed))
        return false;
    rocker->Write(*GetDatenSatz(rocker));
    CreateTsWippeStatus(MainWindowHandle(), rocker, withNode, number);
    return true;
}

bool TDeviceInstanzTalvo::CreateTsTasteStatus(platform::HWND /*window*/, TDataBasis* key, bool withNode, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateTsTasteStatus");
    if (!key)
        return false;
    if (FindChild(key, DT_TS_TASTE_STATUS))
        return true;
    std::unique_ptr<TTsTasteStatus> made = MakeObject([&] {
        return factories_.Keyplan->CreateTsTasteStatus(MainWindowHandle(), key->GetSystem(), key->GetHandle(),
                                                       Sprlkextmodults::Text12300, number, 0);
    });
    TTsTasteStatus* const status = made.get();
    if (!EnrolNew(std::move(made), key, PosIdStatus, withNode))
        return false;
    status->CreateObjects();
    return true;
}

bool TDeviceInstanzTalvo::CreateTsWippeStatus(platform::HWND /*window*/, TDataBasis* rocker, bool withNode, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateTsWippeStatus");
    if (!rocker || FindChild(rocker, DT_TS_WIPPE_STATUS))
        return false;
    std::unique_ptr<TTsWippeStatus> made = MakeObject([&] {
        return factories_.Keyplan->CreateTsWippeStatus(MainWindowHandle(), rocker->GetSystem(), rocker->GetHandle(),
                                                       Sprlkextmodults::Text12249, number, 0);
    });
    TTsWippeStatus* const status = made.get();
    if (!EnrolNew(std::move(made), rocker, PosIdStatus, withNode))
        return false;
    status->CreateObjects();
    return true;
}

bool TDeviceInstanzTalvo::CheckCreateKeyFunction(int /*functionTyp*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CheckCreateKeyFunction");
    return true;
}

// --- The functions of the keys and rockers follow the device ---

bool TDeviceInstanzTalvo::CheckTastenWippenFkt(bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CheckTastenWippenFkt");
    return CheckKeyFunctions(ask, false, {});
}

bool TDeviceInstanzTalvo::CheckTastenWippenFkt(bool ask, const std::list<int>& goingToo)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CheckTastenWippenFkt");
    return CheckKeyFunctions(ask, false, goingToo);
}

bool TDeviceInstanzTalvo::CheckTastenWippenFktValues(bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CheckTastenWippenFktValues");
    return CheckKeyFunctions(ask, true, {});
}

bool TDeviceInstanzTalvo::CheckKeyFunctions(bool ask, bool values, std::list<int> goingToo)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CheckKeyFunctions");
    TTalvoSystem* system = GetPointerFromSystem();
    if (!system)
        return false;
    TDataBasis* operation = GetFirstFromDatenTyp(system, DT_TS_BETAETIGUNG);
    if (!operation)
        return !ask || goingToo.empty() || CheckIfDeleteObjectsAllowed(goingToo);

    // The keys and rockers, by handle: adapting one may change the registry.
    std::vector<std::int32_t> candidates;
    try {
        TIteratorPair children;
        GetChildIteratorPair(operation, children);
        for (auto it = children.first; it != children.second; ++it) {
            TDataBasis* child = nullptr;
            if (GetDataPointer(it->second.Handle, child) &&
                (child->GetTyp() == DT_TS_TASTE || child->GetTyp() == DT_TS_WIPPE) &&
                dynamic_cast<TFunktionsContainer*>(child))
                candidates.push_back(it->second.Handle);
        }
    } catch (const E_InstVerw&) {
        // The key operation has no records: nothing to adapt.
        return !ask || goingToo.empty() || CheckIfDeleteObjectsAllowed(goingToo);
    }
    const auto check = [this, values](std::int32_t handle, bool& changeNeeded, bool apply) {
        auto* container = dynamic_cast<TFunktionsContainer*>(FindHandle(handle));
        if (!container)
            return true; // gone with an earlier one
        return values ? container->CheckFunktionValues(changeNeeded, apply)
                      : container->CheckFunktion(changeNeeded, apply);
    };

    if (ask) {
        bool changeNeeded = false;
        for (const std::int32_t handle : candidates) {
            if (!check(handle, changeNeeded, false))
                return false;
            if (changeNeeded)
                break;
        }
        if (changeNeeded &&
            platform::MessageBox(values ? Spredit::Text9186 : Spredit::Text9185, Spredit::Text9043,
                                 platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES)
            return false;
        // A key or rocker whose function goes loses its communication objects: linked ones,
        // with those the caller removes in the same step, only after one yes.
        if (changeNeeded && !values) {
            for (const std::int32_t handle : candidates) {
                bool goes = false;
                if (!check(handle, goes, false))
                    return false;
                if (const auto* container = dynamic_cast<const TFunktionsContainer*>(FindHandle(handle));
                    goes && container)
                    goingToo.push_back(container->GetDisplayOrder());
            }
        }
        if (!goingToo.empty() && !CheckIfDeleteObjectsAllowed(goingToo))
            return false;
    }

    const TUpdateGuard<TConfigWindowServices*> guard(ConfigWindow);
    for (const std::int32_t handle : candidates) {
        bool changeNeeded = false;
        if (!check(handle, changeNeeded, true))
            return false;
    }
    return true;
}
