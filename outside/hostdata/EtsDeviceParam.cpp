#include "outside/hostdata/EtsDeviceParam.h"

#include "outside/hostlink/Ets2Cdi.h"

TEtsDeviceParam::TEtsDeviceParam(TEts2Cdi* link, std::int32_t deviceId) : link_(link), deviceId_(deviceId) {}

bool TEtsDeviceParam::GetDeviceParamData(std::int16_t number, std::int32_t& value) const
{
    if (link_ == nullptr)
        return true;
    const auto displayOrder = static_cast<std::uint16_t>(number);
    DAL_DEVICE_PARAM deviceParam;
    int result = link_->DalGetDeviceParamData(DAL_GET_FIRST, DAL_ANY, deviceId_, &deviceParam);
    while (result == DAL_OK) {
        DAL_PARAMETER parameter;
        if (link_->DalGetParameterData(DAL_GET_BY_ID, deviceParam.ParameterId, DAL_ANY, DAL_ANY, &parameter) != DAL_OK)
            return true;
        if (parameter.DisplayOrder == displayOrder) {
            value = deviceParam.Value;
            return false;
        }
        result = link_->DalGetDeviceParamData(DAL_GET_NEXT, DAL_ANY, deviceId_, &deviceParam);
    }
    return true;
}
