// The steps the function managers share: the keep rule of the key-sensor function, the
// switch-off road of the functions that need it, and the creation and deletion of one object.
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/UpdateGuard.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"

#include <list>

bool TDeviceInstanzTalvo::KeepTastsensorFunktion(const TTalvoSystem& system)
{
    return system.GetValueOfTastsensorFunktion() == 1 || system.GetValueOfReglerFunktion() == 1
        || system.GetValueOfReglernebenstellenFunktion() == 1 || system.GetValueOfSzenenFunktion() == 1
        || system.GetValueOfSchaltuhr(1) == 1 || system.GetValueOfSchaltuhr(2) == 1;
}

bool TDeviceInstanzTalvo::SwitchFunctionOff(const TTalvoSystem& system, TDataBasis* function,
                                            const std::function<bool()>& deleteFunction)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SwitchFunctionOff");
    const bool keep = KeepTastsensorFunktion(system);
    std::list<int> displayOrders;
    if (!keep)
        FillDONListWithEtsObjectsRecursivFromParent(displayOrders,
                                                    GetPointerFromDatenTyp(GetDevice(), DT_TASTSENSOR_FUNKTION));
    if (function)
        FillDONListWithEtsObjectsRecursivFromParent(displayOrders, function);
    // The keys that operate the function adapt first, from the switched flags; one question
    // covers their linked objects and the function's.
    if (!CheckTastenWippenFkt(true, displayOrders))
        return false;
    const TUpdateGuard<TConfigWindowServices*> guard(ConfigWindow);
    if (!deleteFunction())
        return false;
    if (keep)
        return true;
    TDataBasis* owner = GetPointerFromSystem();
    return DeleteTastsensorFunktion(owner);
}

TDataBasis* TDeviceInstanzTalvo::CreateFunctionObject(TDataBasis* parent, int typ, int posId, bool withNode,
                                                      const std::function<std::unique_ptr<TDataBasis>()>& make)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CreateFunctionObject");
    if (!parent || FindChild(parent, typ))
        return nullptr;
    std::unique_ptr<TDataBasis> object;
    try {
        object = make();
    } catch (const E_Basis&) {
        return nullptr; // no handle to be had
    }
    return EnrolNew(std::move(object), parent, posId, withNode);
}

bool TDeviceInstanzTalvo::DeleteFunctionObject(TDataBasis* parent, int typ,
                                               const std::function<void(TDataBasis&)>& cleanUp)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteFunctionObject");
    TDataBasis* object = FindChild(parent, typ);
    if (!object)
        return false;
    const std::int32_t handle = object->GetHandle();
    if (cleanUp)
        cleanUp(*object);
    RemoveObject(FindHandle(handle)); // the clean-up's requests may have moved the registry
    return true;
}

bool TDeviceInstanzTalvo::WriteAndRefresh(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanzTalvo::WriteAndRefresh");
    if (!WriteData(object))
        return false;
    const platform::HWND window = MainWindowHandle();
    platform::PostMessage(window, WM_USER_ABGLEICHFORMVERW, static_cast<platform::WPARAM>(-1), -1);
    platform::PostMessage(window, WM_USER_UPDATEOTHERVIEWS, 0, 0);
    return true;
}

const TDatenStruktur* TDeviceInstanzTalvo::FindDatenSatz(std::int32_t system, std::int32_t handle)
{
    LOG_FKT_START("TDeviceInstanzTalvo::FindDatenSatz");
    return SystemMaps.Find(system, -1, handle);
}
