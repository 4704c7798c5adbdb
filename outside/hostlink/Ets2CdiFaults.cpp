#include "outside/hostlink/Ets2CdiFaults.h"

TEts2CdiFaults::TEts2CdiFaults(const std::string& databasePath) : TEts2Cdi_Extended1(databasePath) {}

void TEts2CdiFaults::FailReads(TDalKind kind, int result, int passes)
{
    faults_[Index(kind)] = TFault{true, result, passes};
}

void TEts2CdiFaults::FailWrites(TCoCall call, int answer)
{
    writeFaults_[Index(call)] = answer;
}

void TEts2CdiFaults::Heal()
{
    faults_.fill(TFault{});
    writeFaults_.fill(std::nullopt);
    failBlobRead_ = failBlobWrite_ = failEtsInfo_ = false;
    profileReadFaults_.clear();
    profileWriteFaults_.clear();
}

bool TEts2CdiFaults::ProfileReadable(const std::string& section, const std::string& key)
{
    return !profileReadFaults_.contains({section, key}) && TEts2Cdi_Extended1::ProfileReadable(section, key);
}

bool TEts2CdiFaults::SetProfileString(const std::string& section, const std::string& key, const std::string& value)
{
    return !profileWriteFaults_.contains({section, key}) && TEts2Cdi_Extended1::SetProfileString(section, key, value);
}

int TEts2CdiFaults::Injected(TDalKind kind)
{
    ++reads_[Index(kind)];
    TFault& fault = faults_[Index(kind)];
    if (!fault.Armed)
        return -1;
    if (fault.Passes > 0) {
        --fault.Passes;
        return -1;
    }
    return fault.Result;
}

template <class TRead>
int TEts2CdiFaults::PassOrFail(TDalKind kind, const TRead& read)
{
    const int injected = Injected(kind);
    return injected >= 0 ? injected : read();
}

int TEts2CdiFaults::DalGetProjectData(int mode, std::int32_t id, DAL_PROJECT* record)
{
    return PassOrFail(TDalKind::Project, [&] {
        return TEts2Cdi_Extended1::DalGetProjectData(mode, id, record);
    });
}

int TEts2CdiFaults::DalGetAreaData(int mode, std::int32_t id, std::int32_t projectId, DAL_AREA* record)
{
    return PassOrFail(TDalKind::Area, [&] {
        return TEts2Cdi_Extended1::DalGetAreaData(mode, id, projectId, record);
    });
}

int TEts2CdiFaults::DalGetLineData(int mode, std::int32_t id, std::int32_t areaId, DAL_LINE* record)
{
    return PassOrFail(TDalKind::Line, [&] {
        return TEts2Cdi_Extended1::DalGetLineData(mode, id, areaId, record);
    });
}

int TEts2CdiFaults::DalGetDeviceData(int mode, std::int32_t id, std::int32_t lineId, std::int32_t productId,
                                     std::int32_t programId, std::int32_t projectId, DAL_DEVICE* record)
{
    return PassOrFail(TDalKind::Device, [&] {
        return TEts2Cdi_Extended1::DalGetDeviceData(mode, id, lineId, productId, programId, projectId, record);
    });
}

int TEts2CdiFaults::DalGetDeviceObjectData(int mode, std::int32_t id, std::int32_t deviceId,
                                           DAL_DEVICE_OBJECT* record)
{
    return PassOrFail(TDalKind::DeviceObject, [&] {
        return TEts2Cdi_Extended1::DalGetDeviceObjectData(mode, id, deviceId, record);
    });
}

int TEts2CdiFaults::DalGetDeviceParamData(int mode, std::int32_t id, std::int32_t deviceId, DAL_DEVICE_PARAM* record)
{
    return PassOrFail(TDalKind::DeviceParam, [&] {
        return TEts2Cdi_Extended1::DalGetDeviceParamData(mode, id, deviceId, record);
    });
}

int TEts2CdiFaults::DalGetParameterData(int mode, std::int32_t id, std::int32_t programId, std::int32_t displayOrder,
                                        DAL_PARAMETER* record)
{
    return PassOrFail(TDalKind::Parameter, [&] {
        return TEts2Cdi_Extended1::DalGetParameterData(mode, id, programId, displayOrder, record);
    });
}

int TEts2CdiFaults::DalGetCommunicationObjectData(int mode, std::int32_t id, std::int32_t parameterId,
                                                  std::int32_t programId, DAL_COMM_OBJECT* record)
{
    return PassOrFail(TDalKind::CommObject, [&] {
        return TEts2Cdi_Extended1::DalGetCommunicationObjectData(mode, id, parameterId, programId, record);
    });
}

int TEts2CdiFaults::DalGetMaingroupData(int mode, std::int32_t id, std::int32_t projectId, DAL_MAINGROUP* record)
{
    return PassOrFail(TDalKind::MainGroup, [&] {
        return TEts2Cdi_Extended1::DalGetMaingroupData(mode, id, projectId, record);
    });
}

int TEts2CdiFaults::DalGetMiddlegroupData(int mode, std::int32_t id, std::int32_t mainGroupId,
                                          DAL_MIDDLEGROUP* record)
{
    return PassOrFail(TDalKind::MiddleGroup, [&] {
        return TEts2Cdi_Extended1::DalGetMiddlegroupData(mode, id, mainGroupId, record);
    });
}

int TEts2CdiFaults::DalGetSubgroupData(int mode, std::int32_t id, std::int32_t middleGroupId, DAL_SUBGROUP* record)
{
    return PassOrFail(TDalKind::SubGroup, [&] {
        return TEts2Cdi_Extended1::DalGetSubgroupData(mode, id, middleGroupId, record);
    });
}

int TEts2CdiFaults::DalGetSubgroupToObjectData(int mode, std::int32_t id, std::int32_t subGroupId,
                                               std::int32_t deviceObjectId, DAL_SUB_TO_OBJECT* record)
{
    return PassOrFail(TDalKind::SubToObject, [&] {
        return TEts2Cdi_Extended1::DalGetSubgroupToObjectData(mode, id, subGroupId, deviceObjectId, record);
    });
}

bool TEts2CdiFaults::BlobRead(const char*& data, std::int32_t& size, std::int32_t deviceId)
{
    ++blobReads_;
    if (failBlobRead_) {
        data = nullptr;
        size = 0;
        return false;
    }
    return TEts2Cdi_Extended1::BlobRead(data, size, deviceId);
}

bool TEts2CdiFaults::BlobWrite(const char* data, std::int32_t size, std::int32_t deviceId)
{
    ++blobWrites_;
    return !failBlobWrite_ && TEts2Cdi_Extended1::BlobWrite(data, size, deviceId);
}

bool TEts2CdiFaults::ReturnToEts(int result)
{
    returns_.push_back(result);
    return returnAnswer_ ? *returnAnswer_ : TEts2Cdi_Extended1::ReturnToEts(result);
}

bool TEts2CdiFaults::GetEtsInfo(tagETSINFO& info)
{
    return !failEtsInfo_ && TEts2Cdi_Extended1::GetEtsInfo(info);
}

template <class TWrite>
auto TEts2CdiFaults::PassOrFailWrite(TCoCall call, const TWrite& write) -> decltype(write())
{
    ++writes_[Index(call)];
    if (const std::optional<int>& answer = writeFaults_[Index(call)])
        return static_cast<decltype(write())>(*answer);
    return write();
}

std::int32_t TEts2CdiFaults::CoLinkObjectToSubGroup(std::int32_t deviceObjectId, std::int32_t subGroupId,
                                                    std::int16_t option, bool option1, bool option2, bool option3)
{
    return PassOrFailWrite(TCoCall::LinkObject, [&] {
        return TEts2Cdi_Extended1::CoLinkObjectToSubGroup(deviceObjectId, subGroupId, option, option1, option2,
                                                          option3);
    });
}

bool TEts2CdiFaults::CoUnlinkObjectFromSubGroup(std::int32_t deviceObjectId, std::int32_t subGroupId, bool option)
{
    return PassOrFailWrite(TCoCall::UnlinkObject, [&] {
        return TEts2Cdi_Extended1::CoUnlinkObjectFromSubGroup(deviceObjectId, subGroupId, option);
    });
}

std::int32_t TEts2CdiFaults::CoCreateGroupAddress(std::int32_t projectId, std::int16_t main, std::int16_t middle,
                                                  std::int16_t sub, const std::string& name)
{
    return PassOrFailWrite(TCoCall::CreateGroupAddress, [&] {
        return TEts2Cdi_Extended1::CoCreateGroupAddress(projectId, main, middle, sub, name);
    });
}

std::int32_t TEts2CdiFaults::CoSetDeviceParameterValueLong(std::int32_t deviceParamId, std::int32_t value,
                                                           bool option1, bool option2)
{
    return PassOrFailWrite(TCoCall::SetParameter, [&] {
        return TEts2Cdi_Extended1::CoSetDeviceParameterValueLong(deviceParamId, value, option1, option2);
    });
}

int TEts2CdiFaults::SqlSetSubGroupToObjectSendFlag(std::int32_t linkId, bool sending)
{
    return PassOrFailWrite(TCoCall::SendFlag,
                           [&] { return TEts2Cdi_Extended1::SqlSetSubGroupToObjectSendFlag(linkId, sending); });
}

int TEts2CdiFaults::SqlSetDeviceObjectCommFlag(std::int32_t deviceObjectId, bool value)
{
    return PassOrFailWrite(TCoCall::CommFlag,
                           [&] { return TEts2Cdi_Extended1::SqlSetDeviceObjectCommFlag(deviceObjectId, value); });
}

int TEts2CdiFaults::SqlSetDeviceObjectReadFlag(std::int32_t deviceObjectId, bool value)
{
    return PassOrFailWrite(TCoCall::ReadFlag,
                           [&] { return TEts2Cdi_Extended1::SqlSetDeviceObjectReadFlag(deviceObjectId, value); });
}

int TEts2CdiFaults::SqlSetDeviceObjectWriteFlag(std::int32_t deviceObjectId, bool value)
{
    return PassOrFailWrite(TCoCall::WriteFlag,
                           [&] { return TEts2Cdi_Extended1::SqlSetDeviceObjectWriteFlag(deviceObjectId, value); });
}

int TEts2CdiFaults::SqlSetDeviceObjectTransFlag(std::int32_t deviceObjectId, bool value)
{
    return PassOrFailWrite(TCoCall::TransFlag,
                           [&] { return TEts2Cdi_Extended1::SqlSetDeviceObjectTransFlag(deviceObjectId, value); });
}

int TEts2CdiFaults::SqlSetDeviceObjectUpdateFlag(std::int32_t deviceObjectId, bool value)
{
    return PassOrFailWrite(TCoCall::UpdateFlag,
                           [&] { return TEts2Cdi_Extended1::SqlSetDeviceObjectUpdateFlag(deviceObjectId, value); });
}
