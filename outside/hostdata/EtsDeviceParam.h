#pragma once

#include "outside/hostdata/DalObjectInfo.h"

#include <cstdint>
#include <list>
#include <string>

class TEts2Cdi;

// Result codes of the reads and writes by display order.
enum : std::uint8_t {
    DEVICE_PARAM_OK = 0,
    DEVICE_PARAM_NOT_FOUND = 1,    // the device has no parameter of that display order (or name)
    DEVICE_PARAM_CREATE_ERROR = 2, // the host did not take the value
    DEVICE_PARAM_ERROR = 3,        // no link, or a read of the project failed
};

// The device parameters of one device of the host project, addressed by display order, and
// the communication objects they switch on. Reads through the host link's device-parameter,
// parameter and device-object iterations, so it starts those iterations anew.
class TEtsDeviceParam {
public:
    TEtsDeviceParam(TEts2Cdi* link, std::int32_t deviceId);

    // The device's value of the parameter with that display order. False when the value was
    // delivered; true on failure (no link, no such device or parameter, a host error), which
    // leaves value alone.
    bool GetDeviceParamData(std::int16_t number, std::int32_t& value) const;

    // The parameter's value and the device's active objects that it switches on now, appended
    // in the project's order. On failure value and objects are left alone.
    std::uint8_t GetDeviceParamData(std::int16_t displayOrder, std::int32_t& value,
                                    std::list<tagDAL_OBJECT_INFO>& objects) const;
    // Sets the parameter; the host then removes and creates the device's objects. Appends the
    // device's active objects of the parameter as they are afterwards.
    std::uint8_t SetDeviceParamData(std::int16_t displayOrder, std::int32_t value,
                                    std::list<tagDAL_OBJECT_INFO>& objects) const;
    // Sets the parameter of that name.
    std::uint8_t SetDeviceParamData(const std::string& name, std::int32_t value) const;

    std::int32_t DeviceId() const { return deviceId_; }

private:
    struct TFound {
        std::int32_t DeviceParamId = 0;
        std::int32_t ParameterId = 0;
        std::int32_t Value = 0;
    };
    // The device's parameter that the test picks; DEVICE_PARAM_NOT_FOUND or DEVICE_PARAM_ERROR
    // when there is none.
    template <class TTest>
    std::uint8_t Find(const TTest& test, TFound& found) const;
    std::uint8_t FindByDisplayOrder(std::int16_t displayOrder, TFound& found) const;
    // Appends the device's active objects of the parameter; false when a read fails.
    bool CollectObjects(const TFound& parameter, std::list<tagDAL_OBJECT_INFO>& objects) const;
    std::uint8_t Set(const TFound& parameter, std::int32_t value) const;

    TEts2Cdi* link_;
    std::int32_t deviceId_;
};
