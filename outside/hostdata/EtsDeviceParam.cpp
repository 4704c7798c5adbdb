#include "outside/hostdata/EtsDeviceParam.h"

#include "outside/hostlink/Ets2Cdi.h"

#include <vector>

TEtsDeviceParam::TEtsDeviceParam(TEts2Cdi* link, std::int32_t deviceId) : link_(link), deviceId_(deviceId) {}

template <class TTest>
std::uint8_t TEtsDeviceParam::Find(const TTest& test, TFound& found) const
{
    if (link_ == nullptr)
        return DEVICE_PARAM_ERROR;
    DAL_DEVICE_PARAM deviceParam;
    int result = link_->DalGetDeviceParamData(DAL_GET_FIRST, DAL_ANY, deviceId_, &deviceParam);
    while (result == DAL_OK) {
        DAL_PARAMETER parameter;
        if (link_->DalGetParameterData(DAL_GET_BY_ID, deviceParam.ParameterId, DAL_ANY, DAL_ANY, &parameter) != DAL_OK)
            return DEVICE_PARAM_ERROR;
        if (test(parameter)) {
            found = {deviceParam.DeviceParamId, deviceParam.ParameterId, deviceParam.Value};
            return DEVICE_PARAM_OK;
        }
        result = link_->DalGetDeviceParamData(DAL_GET_NEXT, DAL_ANY, deviceId_, &deviceParam);
    }
    return result == DAL_END ? DEVICE_PARAM_NOT_FOUND : DEVICE_PARAM_ERROR;
}

std::uint8_t TEtsDeviceParam::FindByDisplayOrder(std::int16_t displayOrder, TFound& found) const
{
    const auto wanted = static_cast<std::uint16_t>(displayOrder);
    return Find([wanted](const DAL_PARAMETER& parameter) { return parameter.DisplayOrder == wanted; }, found);
}

bool TEtsDeviceParam::GetDeviceParamData(std::int16_t number, std::int32_t& value) const
{
    TFound found;
    if (FindByDisplayOrder(number, found) != DEVICE_PARAM_OK)
        return true;
    value = found.Value;
    return false;
}

bool TEtsDeviceParam::CollectObjects(const TFound& parameter, std::list<tagDAL_OBJECT_INFO>& objects) const
{
    std::vector<DAL_DEVICE_OBJECT> deviceObjects;
    DAL_DEVICE_OBJECT deviceObject;
    int result = link_->DalGetDeviceObjectData(DAL_GET_FIRST, DAL_ANY, deviceId_, &deviceObject);
    while (result == DAL_OK) {
        if (deviceObject.Active > 0)
            deviceObjects.push_back(deviceObject);
        result = link_->DalGetDeviceObjectData(DAL_GET_NEXT, DAL_ANY, deviceId_, &deviceObject);
    }
    if (result != DAL_END)
        return false;

    std::list<tagDAL_OBJECT_INFO> found;
    for (const DAL_DEVICE_OBJECT& object : deviceObjects) {
        DAL_COMM_OBJECT commObject;
        if (link_->DalGetCommunicationObjectData(DAL_GET_BY_ID, object.CommObjectId, DAL_ANY, DAL_ANY, &commObject) !=
            DAL_OK)
            return false;
        if (commObject.ParameterId != parameter.ParameterId)
            continue;
        tagDAL_OBJECT_INFO info;
        info.DeviceParamId = parameter.DeviceParamId;
        info.Name = commObject.Name;
        info.FunctionText = commObject.FunctionText;
        info.ParameterValue = commObject.ParameterValue;
        info.CommObjectId = commObject.CommObjectId;
        info.ParameterId = commObject.ParameterId;
        info.ObjectNumber = object.ObjectNumber;
        info.ObjectType = static_cast<std::uint8_t>(object.ObjectType);
        info.DeviceObjectId = object.DeviceObjectId;
        found.push_back(std::move(info));
    }
    objects.splice(objects.end(), found);
    return true;
}

std::uint8_t TEtsDeviceParam::GetDeviceParamData(std::int16_t displayOrder, std::int32_t& value,
                                                 std::list<tagDAL_OBJECT_INFO>& objects) const
{
    TFound found;
    if (const std::uint8_t code = FindByDisplayOrder(displayOrder, found); code != DEVICE_PARAM_OK)
        return code;
    if (!CollectObjects(found, objects))
        return DEVICE_PARAM_ERROR;
    value = found.Value;
    return DEVICE_PARAM_OK;
}

std::uint8_t TEtsDeviceParam::Set(const TFound& parameter, std::int32_t value) const
{
    const std::int32_t answer = link_->CoSetDeviceParameterValueLong(parameter.DeviceParamId, value, false, false);
    return answer == CO_PARAMETER_SET || answer == CO_PARAMETER_SET_OBJECTS_CHANGED ? DEVICE_PARAM_OK
                                                                                    : DEVICE_PARAM_CREATE_ERROR;
}

std::uint8_t TEtsDeviceParam::SetDeviceParamData(std::int16_t displayOrder, std::int32_t value,
                                                 std::list<tagDAL_OBJECT_INFO>& objects) const
{
    TFound found;
    if (const std::uint8_t code = FindByDisplayOrder(displayOrder, found); code != DEVICE_PARAM_OK)
        return code;
    if (const std::uint8_t code = Set(found, value); code != DEVICE_PARAM_OK)
        return code;
    return CollectObjects(found, objects) ? DEVICE_PARAM_OK : DEVICE_PARAM_ERROR;
}

std::uint8_t TEtsDeviceParam::SetDeviceParamData(const std::string& name, std::int32_t value) const
{
    TFound found;
    if (const std::uint8_t code = Find([&name](const DAL_PARAMETER& parameter) { return parameter.Name == name; },
                                       found);
        code != DEVICE_PARAM_OK)
        return code;
    return Set(found, value);
}
