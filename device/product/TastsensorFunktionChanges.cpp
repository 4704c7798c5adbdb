// The key-sensor function changed and deleted: pairs between two keys and a rocker, status
// objects after a key's LED setting, the whole function after the system object's flags.
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/UpdateGuard.h"
#include "outside/keyplan/KeyplanFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"

#include <algorithm>
#include <list>

namespace {

// Display orders of the communication objects the user is asked about before they go.
int KeyDisplayOrder(int key)
{
    return (key - 1) * 100 + 100;
}

int KeyStatusDisplayOrder(int key)
{
    return (key - 1) * 10 + 4610;
}

int RockerDisplayOrder(int rocker)
{
    return (rocker - 1) * 100 + 2100;
}

int RockerStatusDisplayOrder(int rocker)
{
    return (rocker - 1) * 10 + 1700;
}

// The key pairs the device's keys make, at most five.
int UsablePairs(const TTalvoSystem& system)
{
    return std::min(TTsBetaetigung::MaxTastenpaare, system.GetAnzahlTasten() / 2);
}

} // namespace

// --- Deletion ---

bool TDeviceInstanzTalvo::DeleteTastsensorFunktion(TDataBasis* parent)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteTastsensorFunktion");
    TDataBasis* function = FindChild(parent, DT_TASTSENSOR_FUNKTION);
    if (!function)
        return false;
    const std::int32_t handle = function->GetHandle();
    if (!DeleteTsSperrverhalten(function))
        return false;
    if (!DeleteTsBetaetigung(function))
        return false;
    RemoveObject(FindHandle(handle));
    return true;
}

bool TDeviceInstanzTalvo::DeleteTsSperrverhalten(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteTsSperrverhalten");
    TDataBasis* sperrverhalten = FindChild(function, DT_TS_SPERRVERHALTEN);
    if (!sperrverhalten)
        return false;
    if (auto* own = dynamic_cast<TTsSperrverhalten*>(sperrverhalten))
        own->DeleteObjects();
    RemoveObject(sperrverhalten);
    return true;
}

bool TDeviceInstanzTalvo::DeleteTsBetaetigung(TDataBasis* function)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteTsBetaetigung");
    const TTalvoSystem* system = GetPointerFromSystem();
    if (!system || system->GetAnzahlTasten() <= 0 || system->GetAnzahlTasten() / 2 <= 0)
        return false;
    if (TDataBasis* found = FindChild(function, DT_TS_BETAETIGUNG)) {
        auto* operation = dynamic_cast<TTsBetaetigung*>(found);
        if (!operation)
            return false;
        const std::int32_t handle = operation->GetHandle();
        for (int p = 1; p <= UsablePairs(*system); ++p) {
            operation = dynamic_cast<TTsBetaetigung*>(FindHandle(handle));
            if (!operation)
                return false;
            switch (operation->GetValueOfTastenpaar(p)) {
            case T_DB_EnumTsBetaetigung::tpZweiTasten:
                if (DeleteTastenPaar(operation, 2 * p - 1, false, 2 * p) != PaarGeloescht)
                    return false;
                break;
            case T_DB_EnumTsBetaetigung::tpWippe:
                if (DeleteTsWippe(operation, p, false) != PaarGeloescht)
                    return false;
                break;
            default:
                break;
            }
        }
        RemoveObject(FindHandle(handle));
    }
    UpdatePreview();
    return true;
}

std::uint8_t TDeviceInstanzTalvo::DeleteTastenPaar(TDataBasis* keyOperation, int key1, bool ask, int key2)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteTastenPaar");
    if (!keyOperation || key1 < 1 || key2 < 1 || key1 == key2)
        return PaarNichtGeloescht;
    if (ask && !CheckIfDeleteObjectsAllowed(PairDisplayOrders(keyOperation, key1, key2)))
        return PaarAbgelehnt;
    const std::int32_t handle = keyOperation->GetHandle();
    if (!DeleteTsTaste(keyOperation, key1))
        return PaarNichtGeloescht;
    return DeleteTsTaste(FindHandle(handle), key2) ? PaarGeloescht : PaarNichtGeloescht;
}

std::list<int> TDeviceInstanzTalvo::PairDisplayOrders(TDataBasis* keyOperation, int key1, int key2)
{
    std::list<int> displayOrders;
    for (const int number : {key1, key2}) {
        displayOrders.push_back(KeyDisplayOrder(number));
        const auto numbered = [number](TDataBasis& child) {
            const auto* candidate = dynamic_cast<const TTsTaste*>(&child);
            return candidate && candidate->GetTastenNummer() == number;
        };
        const auto* key = dynamic_cast<const TTsTaste*>(FindChild(keyOperation, DT_TS_TASTE, numbered));
        // The key's status object goes with the key.
        if (key && key->GetFktStatusLed() == TTsTaste::StatusLedUeberObjekt)
            displayOrders.push_back(KeyStatusDisplayOrder(number));
    }
    return displayOrders;
}

bool TDeviceInstanzTalvo::DeleteTsTaste(TDataBasis* keyOperation, int number)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteTsTaste");
    auto* key = dynamic_cast<TTsTaste*>(FindChild(keyOperation, DT_TS_TASTE, [number](TDataBasis& child) {
        const auto* candidate = dynamic_cast<const TTsTaste*>(&child);
        return candidate && candidate->GetTastenNummer() == number;
    }));
    if (!key)
        return false;
    const std::int32_t handle = key->GetHandle();
    if (key->GetFktStatusLed() == TTsTaste::StatusLedUeberObjekt && !DeleteTsTasteStatus(key, false))
        return false;
    key = dynamic_cast<TTsTaste*>(FindHandle(handle));
    if (!key || !key->DeleteFunktion())
        return false;
    RemoveObject(key);
    return true;
}

bool TDeviceInstanzTalvo::DeleteTsTasteStatus(TDataBasis* key, bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteTsTasteStatus");
    TDataBasis* status = FindChild(key, DT_TS_TASTE_STATUS);
    if (!status)
        return true;
    bool result = true;
    auto* own = dynamic_cast<TTsTasteStatus*>(status);
    const auto* owner = dynamic_cast<const TTsTaste*>(FindHandle(status->GetParentHandle()));
    if (own && owner) {
        if (ask && !CheckIfDeleteObjectsAllowed({KeyStatusDisplayOrder(owner->GetTastenNummer())}))
            return false;
        result = own->DeleteObjects();
    }
    if (result)
        RemoveObject(status);
    return result;
}

std::uint8_t TDeviceInstanzTalvo::DeleteTsWippe(TDataBasis* keyOperation, int number, bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteTsWippe");
    auto* rocker = dynamic_cast<TTsWippe*>(FindChild(keyOperation, DT_TS_WIPPE, [number](TDataBasis& child) {
        const auto* candidate = dynamic_cast<const TTsWippe*>(&child);
        return candidate && candidate->GetWippenNummer() == number;
    }));
    if (!rocker)
        return PaarNichtGeloescht;
    if (ask && !CheckIfDeleteObjectsAllowed({RockerDisplayOrder(number), RockerStatusDisplayOrder(number)}))
        return PaarAbgelehnt;
    const std::int32_t handle = rocker->GetHandle();
    if (!DeleteTsWippeStatus(rocker, false))
        return PaarNichtGeloescht;
    rocker = dynamic_cast<TTsWippe*>(FindHandle(handle));
    if (!rocker || !rocker->DeleteFunktion())
        return PaarNichtGeloescht;
    RemoveObject(rocker);
    return PaarGeloescht;
}

bool TDeviceInstanzTalvo::DeleteTsWippeStatus(TDataBasis* rocker, bool /*ask*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteTsWippeStatus");
    TDataBasis* status = FindChild(rocker, DT_TS_WIPPE_STATUS);
    if (!status)
        return true;
    bool result = true;
    auto* own = dynamic_cast<TTsWippeStatus*>(status);
    if (own && dynamic_cast<const TTsWippe*>(FindHandle(status->GetParentHandle())))
        result = own->DeleteObjects();
    if (result)
        RemoveObject(status);
    return result;
}

// --- Change requests ---

bool TDeviceInstanzTalvo::ModifyTsBetaetigung(platform::HWND window, TTsBetaetigung* keyOperation)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyTsBetaetigung");
    const TTalvoSystem* system = GetPointerFromSystem();
    if (!keyOperation || !system || system->GetAnzahlTasten() <= 0 || system->GetAnzahlTasten() / 2 <= 0)
        return false;
    const TUpdateGuard<TConfigWindowServices*> guard(ConfigWindow);
    const std::int32_t handle = keyOperation->GetHandle();
    for (int p = 1; p <= UsablePairs(*system); ++p) {
        auto* operation = dynamic_cast<TTsBetaetigung*>(FindHandle(handle));
        if (!operation)
            return false;
        switch (operation->GetValueOfTastenpaar(p)) {
        case T_DB_EnumTsBetaetigung::tpZweiTasten:
            if (DeleteTsWippe(operation, p, true) == PaarAbgelehnt)
                return false;
            if (!CreateTsTaste(window, FindHandle(handle), true, true, 2 * p - 1) ||
                !CreateTsTaste(window, FindHandle(handle), true, true, 2 * p))
                return false;
            break;
        case T_DB_EnumTsBetaetigung::tpWippe:
            if (DeleteTastenPaar(operation, 2 * p - 1, true, 2 * p) == PaarAbgelehnt)
                return false;
            if (!CreateTsWippe(window, FindHandle(handle), true, true, p))
                return false;
            break;
        default:
            switch (DeleteTastenPaar(operation, 2 * p - 1, true, 2 * p)) {
            case PaarGeloescht:
                break;
            case PaarAbgelehnt:
                return false;
            default:
                if (DeleteTsWippe(FindHandle(handle), p, true) == PaarAbgelehnt)
                    return false;
                break;
            }
            break;
        }
    }
    UpdatePreview();
    return true;
}

bool TDeviceInstanzTalvo::ModifyTastsensorFunktion(platform::HWND window, TTalvoSystem* system)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyTastsensorFunktion");
    if (!system)
        return false;
    if (!CheckTastenWippenFkt(true))
        return false;
    const TUpdateGuard<TConfigWindowServices*> guard(ConfigWindow);
    const bool regler = system->GetValueOfReglerFunktion() == 1;
    const bool nebenstelle = system->GetValueOfReglernebenstellenFunktion() == 1;
    const bool szenen = system->GetValueOfSzenenFunktion() == 1;
    const bool schaltuhr1 = system->GetValueOfSchaltuhr(1) == 1;
    const bool schaltuhr2 = system->GetValueOfSchaltuhr(2) == 1;
    const bool neededElsewhere = regler || nebenstelle || szenen || schaltuhr1 || schaltuhr2;

    if (KeepTastsensorFunktion(*system)) {
        switch (CreateTastsensorFunktion(window, system, true)) {
        case 1:
            return true;
        case 2:
            return neededElsewhere;
        default:
            return false;
        }
    }

    std::list<int> displayOrders;
    FillDONListWithEtsObjectsRecursivFromParent(displayOrders,
                                                GetFirstFromDatenTyp(GetPointerFromSystem(), DT_TASTSENSOR_FUNKTION));
    if (!displayOrders.empty() && !CheckIfDeleteObjectsAllowed(displayOrders))
        return false;
    return DeleteTastsensorFunktion(system);
}

bool TDeviceInstanzTalvo::ModifyTastenWippenFunktion(bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyTastenWippenFunktion");
    return CheckTastenWippenFkt(ask);
}

bool TDeviceInstanzTalvo::ModifyTastenWippenFunktionValues(bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyTastenWippenFunktionValues");
    return CheckTastenWippenFktValues(ask);
}

bool TDeviceInstanzTalvo::ModifyTastenStatus(platform::HWND window, TTsTaste* key, bool ask)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ModifyTastenStatus");
    if (!key)
        return false;
    if (key->GetFktStatusLed() == TTsTaste::StatusLedUeberObjekt)
        return CreateTsTasteStatus(window, key, true, key->GetTastenNummer());
    return DeleteTsTasteStatus(key, ask);
}
