// The communication objects of the device's data objects: switching them through display-order
// parameters of the project, their data objects made, found, checked before removal and removed,
// and their group addresses read anew.

#include "device/DeviceInstanz.h"

#include "app/Spredit.h"
#include "device/SharedTextConstants.h"
#include "outside/addrlink/AddrlinkFactory.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <algorithm>
#include <exception>
#include <set>
#include <vector>

namespace {

// Sets a switch for the life of a scope and then to the value it is to have afterwards, on
// every way out.
class TSwitchScope {
public:
    TSwitchScope(bool& target, bool during, bool after) : target_(target), after_(after) { target_ = during; }
    ~TSwitchScope() { target_ = after_; }
    TSwitchScope(const TSwitchScope&) = delete;
    TSwitchScope& operator=(const TSwitchScope&) = delete;

private:
    bool& target_;
    bool after_;
};

// The object's name, with its function text in brackets when it has one.
std::string ObjectName(const tagDAL_OBJECT_INFO& record)
{
    return record.FunctionText.empty() ? record.Name : record.Name + " [" + record.FunctionText + "]";
}

} // namespace

bool TDeviceInstanz::CheckObjectParamResult(std::uint8_t code, std::int16_t displayOrder, std::int32_t value)
{
    LOG_FKT_START("TDeviceInstanz::CheckObjectParamResult");
    if (code == DEVICE_PARAM_OK)
        return true;
    std::string text = code == DEVICE_PARAM_NOT_FOUND      ? Spredit::Text9120
                       : code == DEVICE_PARAM_CREATE_ERROR ? Spredit::Text9119
                                                           : Spredit::Text9121;
    text += "\n" + Spredit::Text9038 + ": " + std::to_string(displayOrder) + "\n" + Spredit::Text9224 + ": " +
            std::to_string(value);
    platform::MessageBox(text, Spredit::Text9099, platform::MB_OK);
    return false;
}

bool TDeviceInstanz::AddEtsObjectByDisplayOrder(std::int16_t displayOrder, std::int32_t value, int positionBase,
                                                TDataBasis* owner, bool ask)
{
    LOG_FKT_START("TDeviceInstanz::AddEtsObjectByDisplayOrder");
    platform::TCursorHourGlass hourGlass;
    TEtsDeviceParam* parameters = GetEtsDeviceParam();
    if (!parameters)
        return false;

    std::list<tagDAL_OBJECT_INFO> records;
    std::int32_t current = 0;
    if (!CheckObjectParamResult(parameters->GetDeviceParamData(displayOrder, current, records), displayOrder,
                                current))
        return false;

    if (!records.empty()) {
        if (current > 0 && current == value)
            return true;
        bool deleted = false;
        {
            const TSwitchScope question(DeleteQuestion, ask, true);
            deleted = DeleteObjektInstanzen(records);
        }
        if (!deleted)
            return false;
    } else if (value == 0) {
        return true;
    }

    records.clear();
    if (!CheckObjectParamResult(parameters->SetDeviceParamData(displayOrder, value, records), displayOrder, value)) {
        // The data objects may be gone already: those of the objects the host still has come
        // back, so that the editor and the project agree.
        std::list<tagDAL_OBJECT_INFO> remaining;
        std::int32_t readBack = 0;
        if (parameters->GetDeviceParamData(displayOrder, readBack, remaining) == DEVICE_PARAM_OK) {
            std::erase_if(remaining, [this](const tagDAL_OBJECT_INFO& record) {
                return GetObjectFromDeviceObjectId(record.DeviceObjectId) != nullptr;
            });
            CreateObjects(remaining, positionBase, owner, displayOrder);
        }
        return false;
    }
    return CreateObjects(records, positionBase, owner, displayOrder);
}

bool TDeviceInstanz::CreateObjects(const std::list<tagDAL_OBJECT_INFO>& records, int positionBase, TDataBasis* owner,
                                   std::int16_t displayOrder)
{
    LOG_FKT_START("TDeviceInstanz::CreateObjects");
    const TAddrlinkFactory& factory = EtsObjektFactory ? *EtsObjektFactory : TAddrlinkFactory::Default();
    const platform::HWND window = MainForm ? MainForm->GetHandle() : 0;
    int index = 0;
    for (const tagDAL_OBJECT_INFO& record : records) {
        const std::string name = ObjectName(record);
        if (!owner)
            return false;
        const std::int32_t system = Device ? Device->GetSystem() : owner->GetSystem();
        std::unique_ptr<TEtsObjekt> object = factory.CreateEtsObjekt(
            window, system, owner->GetHandle(), name, record.CommObjectId, record.DeviceObjectId, record.ObjectNumber,
            record.ParameterId, displayOrder, record.ParameterValue, 0,
            static_cast<TEtsObjekt::TEnumObjectType>(record.ObjectType + 1), 2, index, 0);
        if (!object)
            return false;
        object->SetPosId(record.ObjectNumber + positionBase);
        TEtsObjekt* const made = object.get();
        if (!SetPointer2List(made))
            return false;
        object.release(); // the registry owns it now
        if (ConfigWindow)
            ConfigWindow->AddChildNode2Data(owner, made, true);
        made->SetEnableFlags(true, true, true, true, false, false);
        made->DatenAbgleich(true, false);
        made->Write(*GetDatenSatz(made));
        ++index;
    }
    return true;
}

bool TDeviceInstanz::GetEtsObjectByDisplayOrder(std::int16_t displayOrder, std::int32_t& value,
                                                std::list<TEtsObjekt*>& out)
{
    LOG_FKT_START("TDeviceInstanz::GetEtsObjectByDisplayOrder");
    platform::TCursorHourGlass hourGlass;
    TEtsDeviceParam* parameters = GetEtsDeviceParam();
    if (!parameters)
        return false;
    std::list<tagDAL_OBJECT_INFO> records;
    if (!CheckObjectParamResult(parameters->GetDeviceParamData(displayOrder, value, records), displayOrder, value))
        return false;
    for (const tagDAL_OBJECT_INFO& record : records)
        if (TEtsObjekt* object = GetObjectFromDeviceObjectId(record.DeviceObjectId))
            out.push_back(object);
    return true;
}

bool TDeviceInstanz::DeleteObjektInstanzen(const std::list<tagDAL_OBJECT_INFO>& records)
{
    LOG_FKT_START("TDeviceInstanz::DeleteObjektInstanzen");
    bool askNow = true;
    std::vector<TEtsObjekt*> objects;
    for (const tagDAL_OBJECT_INFO& record : records) {
        TEtsObjekt* object = GetObjectFromDeviceObjectId(record.DeviceObjectId);
        if (!object || std::find(objects.begin(), objects.end(), object) != objects.end())
            continue;
        if (askNow && DeleteQuestion && !NoDeleteQuestion && CheckObjectVerbunden(object)) {
            if (platform::MessageBox(Spredit::Text9044, Spredit::Text9043, platform::MB_YESNO | platform::MB_ICONQUESTION) !=
                platform::IDYES)
                return false;
            askNow = false;
        }
        objects.push_back(object);
    }
    for (TEtsObjekt* object : objects) {
        UnLinkAllSubGroups(object);
        if (ConfigWindow)
            ConfigWindow->DeleteNode(nullptr, object);
        DeleteDatenSatzAndNext(object);
        DeletePointerFromList(object);
    }
    return true;
}

bool TDeviceInstanz::CheckIfDeleteObjectsAllowed(std::list<int> displayOrders)
{
    LOG_FKT_START("TDeviceInstanz::CheckIfDeleteObjectsAllowed");
    bool linked = false;
    std::list<TEtsObjekt*> objects;
    for (const int displayOrder : displayOrders) {
        std::int32_t value = 0;
        if (!GetEtsObjectByDisplayOrder(static_cast<std::int16_t>(displayOrder), value, objects))
            continue;
        for (TEtsObjekt* object : objects) {
            try {
                if (CheckObjectVerbunden(object)) {
                    linked = true;
                    break;
                }
            } catch (const std::exception&) {
                // One object that cannot tell does not stop the others.
            }
        }
        if (linked)
            break;
    }
    if (linked && !NoDeleteQuestion)
        return platform::MessageBox(Spredit::Text9044, Spredit::Text9043, platform::MB_YESNO | platform::MB_ICONQUESTION) ==
               platform::IDYES;
    return true;
}

bool TDeviceInstanz::FillDONListWithEtsObjectsRecursivFromParent(std::list<int>& displayOrders, TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::FillDONListWithEtsObjectsRecursivFromParent");
    if (!object)
        return false;
    std::set<const TDataBasis*> path;
    const auto walk = [&](const auto& self, TDataBasis* parent) -> void {
        if (!SystemMaps.FindTable(parent->GetSystem()))
            return;
        path.insert(parent);
        TIteratorPair children;
        GetChildIteratorPair(parent, children);
        std::vector<std::int32_t> handles;
        for (auto it = children.first; it != children.second; ++it)
            handles.push_back(it->second.Handle);
        for (const std::int32_t handle : handles) {
            TDataBasis* child = nullptr;
            if (!GetDataPointer(handle, child))
                continue;
            if (child->GetTyp() == DT_ETS_OBJEKT) {
                const auto* etsObject = dynamic_cast<const TEtsObjekt*>(child);
                if (etsObject && etsObject->GetDisplayOrder() > 0)
                    displayOrders.push_back(etsObject->GetDisplayOrder());
            } else if (!path.contains(child)) {
                self(self, child);
            }
        }
        path.erase(parent);
    };
    walk(walk, object);
    return !displayOrders.empty();
}

TEtsDeviceParam* TDeviceInstanz::GetEtsDeviceParam()
{
    LOG_FKT_START("TDeviceInstanz::GetEtsDeviceParam");
    if (!EtsDeviceParam) {
        TEts2Cdi* link = GetEts2Cdi();
        if (!link)
            return nullptr;
        EtsDeviceParam = std::make_unique<TEtsDeviceParam>(link, EtsDeviceId);
    }
    return EtsDeviceParam.get();
}

bool TDeviceInstanz::UpdateGroupAddressFromId()
{
    LOG_FKT_START("TDeviceInstanz::UpdateGroupAddressFromId");
    bool ok = true;
    std::string errors;
    std::vector<std::int32_t> handles;
    for (const auto& [handle, object] : GetDataPointerMap())
        handles.push_back(handle);
    for (const std::int32_t handle : handles) {
        TDataBasis* object = FindHandle(handle);
        if (!object || (object->GetTyp() != DT_ETS_OBJEKT && object->GetTyp() != DT_ETS_OBJEKT_2))
            continue;
        auto* links = dynamic_cast<TObjektBasis*>(object);
        if (!links)
            continue;
        if (!links->UpdateAssociatedAddress(errors))
            ok = false;
        object->Write(*GetDatenSatz(object));
    }
    if (!ok)
        platform::ShowDetailMessageBox(Spredit::Text9115, TEXT_DISPLAY_CAPTION, errors, __FILE__, __LINE__,
                                       "TDeviceInstanz::UpdateGroupAddressFromId", platform::MB_ICONHAND);
    return ok;
}
