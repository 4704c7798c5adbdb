// What the project database knows about the device: its information and physical addresses.

#include "device/DeviceInstanz.h"

#include "outside/datacore/DataBasis.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/hostlink/Ets2Cdi.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <cstdio>
#include <stdexcept>

namespace {

// Device parameter that holds the device's type number.
constexpr std::int16_t donTypenNummer = 60;

// The line and area of the device record; false when one cannot be read.
bool ReadLineAndArea(TEts2Cdi& link, const DAL_DEVICE& deviceRecord, std::int32_t& area, std::int32_t& line)
{
    DAL_LINE lineRecord;
    if (link.DalGetLineData(DAL_GET_BY_ID, deviceRecord.LineId, DAL_ANY, &lineRecord) != DAL_OK)
        return false;
    DAL_AREA areaRecord;
    if (link.DalGetAreaData(DAL_GET_BY_ID, lineRecord.AreaId, DAL_ANY, &areaRecord) != DAL_OK)
        return false;
    area = areaRecord.Number;
    line = lineRecord.Number;
    return true;
}

std::string PhysAdrText(std::int32_t area, std::int32_t line, std::int32_t device)
{
    char text[48];
    std::snprintf(text, sizeof text, "%02d.%02d.%03d", static_cast<int>(area), static_cast<int>(line),
                  static_cast<int>(device));
    return text;
}

} // namespace

bool TDeviceInstanz::ReadPhysAdrParts(std::int32_t deviceId, std::int32_t& area, std::int32_t& line,
                                      std::int32_t& device)
{
    if (OpenRecords && deviceId == EtsDeviceId) {
        if (!OpenRecords->HasPhysAdr)
            return false;
        area = OpenRecords->Area;
        line = OpenRecords->Line;
        device = OpenRecords->DeviceNumber;
        return true;
    }
    TEts2Cdi* link = GetEts2Cdi();
    if (!link)
        return false;
    DAL_DEVICE deviceRecord;
    if (link->DalGetDeviceData(DAL_GET_BY_ID, deviceId, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &deviceRecord) != DAL_OK)
        return false;
    if (!ReadLineAndArea(*link, deviceRecord, area, line))
        return false;
    device = deviceRecord.DeviceNumber;
    return true;
}

void TDeviceInstanz::ReadHostRecords(TDeviceHostRecords& records)
{
    TEts2Cdi* link = GetEts2Cdi();
    if (link &&
        link->DalGetDeviceData(DAL_GET_BY_ID, EtsDeviceId, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &records.Device) == DAL_OK) {
        records.HasDevice = true;
        records.HasProject =
            link->DalGetProjectData(DAL_GET_BY_ID, records.Device.ProjectId, &records.Project) == DAL_OK;
        records.HasPhysAdr = ReadLineAndArea(*link, records.Device, records.Area, records.Line);
        records.DeviceNumber = records.Device.DeviceNumber;
    }
    if (!EtsDeviceParam)
        EtsDeviceParam = std::make_unique<TEtsDeviceParam>(link, EtsDeviceId);
    records.TypeNumberFailed = EtsDeviceParam->GetDeviceParamData(donTypenNummer, records.TypeNumber);
}

std::string TDeviceInstanz::GetPhysAdr(std::int32_t deviceId)
{
    LOG_FKT_START("TDeviceInstanz::GetPhysAdr");
    std::int32_t area = 0;
    std::int32_t line = 0;
    std::int32_t device = 0;
    if (!ReadPhysAdrParts(deviceId, area, line, device))
        return {};
    return PhysAdrText(area, line, device);
}

std::uint16_t TDeviceInstanz::GetPhysAddr(std::int32_t deviceId)
{
    LOG_FKT_START("TDeviceInstanz::GetPhysAddr");
    std::int32_t area = 0;
    std::int32_t line = 0;
    std::int32_t device = 0;
    if (!ReadPhysAdrParts(deviceId, area, line, device))
        return 0;
    // Each part's low 16 bits shifted into place and or-ed, as the host's numbers come.
    const auto low = [](std::int32_t part) { return static_cast<std::uint16_t>(part); };
    return static_cast<std::uint16_t>(low(area) << 12 | low(line) << 8 | low(device));
}

tagRecDeviceEtsInfo TDeviceInstanz::GetDeviceEtsInfo()
{
    LOG_FKT_START("TDeviceInstanz::GetDeviceEtsInfo");
    TDeviceHostRecords read;
    if (!OpenRecords)
        ReadHostRecords(read);
    const TDeviceHostRecords& records = OpenRecords ? *OpenRecords : read;

    tagRecDeviceEtsInfo info;
    if (records.HasDevice) {
        info.DeviceName = records.Device.Name;
        info.DeviceDescription = records.Device.Description;
        if (records.HasProject)
            info.ProjectName = records.Project.Name;
    }
    if (records.HasPhysAdr)
        info.PhysAdrText = PhysAdrText(records.Area, records.Line, records.DeviceNumber);
    if (records.TypeNumberFailed) {
        const std::string text = std::string("GetDeviceParamData(donTypenNummer)") + "\nFile: " + __FILE__ +
                                 "\nLine: " + std::to_string(__LINE__) + "\n";
        platform::MessageBox(text, "DeviceInstanz::GetDeviceEtsInfo-Error", platform::MB_OK | platform::MB_ICONERROR);
        throw std::runtime_error(text);
    }
    info.TypeNumber = records.TypeNumber;
    info.TypeNumberText = std::to_string(records.TypeNumber);
    return info;
}

bool TDeviceInstanz::SetObjIdentToData(int handle, std::int8_t ident)
{
    LOG_FKT_START("TDeviceInstanz::SetObjIdentToData");
    TDataBasis* object = FindHandle(handle);
    return object ? object->SetObjIdent(ident) : false;
}
