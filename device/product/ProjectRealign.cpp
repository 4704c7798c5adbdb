// The device's communication objects and the project's brought together after an alignment:
// objects the project lacks are made again from their records, parameters that keep only
// objects the device does not know are switched off.
#include "device/product/DeviceInstanzTalvo.h"

#include "outside/addrlink/EtsObjekt.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/TraceLog.h"

#include <algorithm>
#include <list>
#include <map>
#include <set>

namespace {

// The ids the project's parameter gives the object, found by number and type; none when the
// parameter does not make it.
const tagDAL_OBJECT_INFO* MadeObject(const std::list<tagDAL_OBJECT_INFO>& made, const TEtsObjekt& object)
{
    const auto found = std::find_if(made.begin(), made.end(), [&object](const tagDAL_OBJECT_INFO& info) {
        return info.ObjectNumber == object.GetObjectNumber() && info.ObjectType + 1 == object.GetObjTyp();
    });
    return found == made.end() ? nullptr : &*found;
}

} // namespace

TDeviceInstanzTalvo::TRealignment TDeviceInstanzTalvo::RealignWithProject(const std::vector<TEtsObjekt*>& missing)
{
    LOG_FKT_START("TDeviceInstanzTalvo::RealignWithProject");
    TRealignment done;
    for (TEtsObjekt* object : missing) {
        const std::string name = object->GetName(true);
        if (RestoreInProject(*object)) {
            done.Restored.push_back(name);
        } else {
            DeleteEtsObjekt(object);
            done.Removed.push_back(name);
        }
    }
    SwitchOffUnknownObjects(done.SwitchedOff);
    return done;
}

bool TDeviceInstanzTalvo::RestoreInProject(TEtsObjekt& object)
{
    TEtsDeviceParam* parameters = GetEtsDeviceParam();
    TEts2Cdi* link = MainForm ? MainForm->GetEts2Cdi() : nullptr;
    if (!parameters || !link)
        return false;
    // The host keeps the parameter's objects that are there and makes the missing ones.
    std::list<tagDAL_OBJECT_INFO> made;
    if (parameters->SetDeviceParamData(static_cast<std::int16_t>(object.GetDisplayOrder()),
                                       object.GetParameterValue(), made) != DEVICE_PARAM_OK)
        return false;
    const tagDAL_OBJECT_INFO* info = MadeObject(made, object);
    if (!info)
        return false;
    object.SetCommObjectId(info->CommObjectId);
    object.SetDeviceObjectId(info->DeviceObjectId);
    object.SetParameterId(info->ParameterId);

    // The links and flags of the record go to the new device object; a link the project
    // refuses is dropped from the object too.
    const TObjektBasis::TGrpAdrIdList links = object.GetGrpAdrIdList();
    object.ClearAllSubGroupLink();
    for (const TObjektBasis::RecGrpAdrId& entry : links) {
        const std::int32_t linked =
            link->CoLinkObjectToSubGroup(info->DeviceObjectId, entry.SubGroupId, -1, false, true, true);
        if (linked != -1 && linked != -2)
            object.AddSubGroupLink(entry.SubGroupId, entry.GrpAdr, entry.Flag);
    }
    bool read = false, write = false, communication = false, transmit = false, update = false, readOnInit = false;
    object.GetFlags(read, write, communication, transmit, update, readOnInit);
    object.SetObjektFlags(communication, read, write, transmit, update, readOnInit, true);
    object.Write(*GetDatenSatz(&object));
    return true;
}

void TDeviceInstanzTalvo::SwitchOffUnknownObjects(std::vector<std::string>& names)
{
    TEts2Cdi* link = MainForm ? MainForm->GetEts2Cdi() : nullptr;
    if (!link)
        return;
    std::list<DAL_DEVICE_PARAM> parameters;
    std::list<DAL_DEVICE_OBJECT> objects;
    CreateEtsDBList(parameters, objects);
    // By parameter: whether the device knows one of its active objects, and the names of the
    // others.
    struct TKept {
        bool Known = false;
        std::vector<std::string> Unknown;
    };
    std::map<std::int32_t, TKept> byParameter;
    for (const DAL_DEVICE_OBJECT& object : objects) {
        if (object.Active <= 0)
            continue;
        DAL_COMM_OBJECT commObject;
        if (link->DalGetCommunicationObjectData(DAL_GET_BY_ID, object.CommObjectId, DAL_ANY, DAL_ANY, &commObject) !=
            DAL_OK)
            return; // the project cannot tell: nothing is switched
        TKept& kept = byParameter[commObject.ParameterId];
        if (GetObjectFromDeviceObjectId(object.DeviceObjectId))
            kept.Known = true;
        else
            kept.Unknown.push_back(std::to_string(object.ObjectNumber) + ": " + commObject.Name);
    }
    for (const DAL_DEVICE_PARAM& parameter : parameters) {
        const auto kept = byParameter.find(parameter.ParameterId);
        if (parameter.Value <= 0 || kept == byParameter.end() || kept->second.Known || kept->second.Unknown.empty())
            continue;
        const std::int32_t answer = link->CoSetDeviceParameterValueLong(parameter.DeviceParamId, 0, false, false);
        if (answer == CO_PARAMETER_SET || answer == CO_PARAMETER_SET_OBJECTS_CHANGED)
            names.insert(names.end(), kept->second.Unknown.begin(), kept->second.Unknown.end());
    }
}
